#include "catalogue/Optica.h"

namespace Optica {

namespace {

const Row mirrorsRows[] = {
    {"aepN", "n", "", "número de imagens", {{"Label29016", "n"}}, {{"Label29018", "º"}}},
    {"aepA", "a", "º", "ângulo entre os espelhos", {{"Label29019", "a"}}, {{"Label29021", "º"}}},
};

const Row gaussRows[] = {
    {"eg1f", "f", "", "distância focal", {{"Label31024", "f"}}, {{"Label31026", ""}}},
    {"eg1d1", "d₁", "", "distância da imagem", {{"Label31027", "d"}, {"Label31028", "1"}}, {{"Label31030", ""}}},
    {"eg1d0", "d₀", "", "distância do objeto", {{"Label31031", "d"}, {"Label31032", "0"}}, {{"Label31034", ""}}},
};

const Row magnificationRows[] = {
    {"prP", "A", "", "aumento linear", {{"Label178", "A"}}, {{"Label193", ""}}},
    {"prF", "i", "m", "tamanho da imagem", {{"Label180", "i"}}, {{"Label192", "m"}}},
    {"prA", "o", "m", "tamanho do objeto", {{"Label181", "o"}}, {{"Label191", "m"}}},
};

const Row refractiveIndexRows[] = {
    {"prP", "n", "", "índice de refração", {{"Label178", "n"}}, {{"Label193", ""}}},
    {"prF", "c", "m/s", "velocidade da luz no vácuo", {{"Label180", "c"}}, {{"Label192", "m/s"}}},
    {"prA", "v", "m/s", "velocidade da luz no meio", {{"Label181", "v"}}, {{"Label191", "m/s"}}},
};

const Row snellRows[] = {
    {"sdn1", "n₁", "", "índice de refração do meio 1", {{"Label32014", "n"}, {"Label32015", "1"}}, {}},
    {"sdsi", "sen i", "", "seno do ângulo de incidência", {{"Label32017", "sen i"}}, {}},
    {"sdn2", "n₂", "", "índice de refração do meio 2", {{"Label32019", "n"}, {"Label32020", "2"}}, {}},
    {"sdsr", "sen r", "", "seno do ângulo de refração", {{"Label32022", "sen r"}}, {}},
};

const Row totalReflectionRows[] = {
    {"rfsL", "sen L", "", "seno do ângulo limite", {{"Label33016", "sen L"}}, {}},
    {"rfn1", "n₁", "", "índice de refração do meio menos refringente", {{"Label33018", "n"}, {"Label33019", "1"}}, {}},
    {"rfn2", "n₂", "", "índice de refração do meio mais refringente", {{"Label33021", "n"}, {"Label33022", "2"}}, {}},
};

const Row vergenceRows[] = {
    {"vlV", "V", "di", "vergência", {{"Label443", "V"}}, {{"Label452", "di"}}},
    {"vlf", "f", "m", "distância focal", {{"Label445", "f"}}, {{"Label451", "m"}}},
};

// The relations a book states as they are, which the pages compute solved for the blank
// field; the working shows them first.
const char gaussRelation[] = "1 / f = 1 / d₁ + 1 / d₀";
const char snellRelation[] = "n₁ · sen i = n₂ · sen r";

// Each topic of a shared page puts back what another topic changed there: the pressure
// page's topics set every label the other areas relabel, and the vergence topic restores
// what the frequency-to-period topics change.
const Topic topicTable[] = {
    {"ButtonXPMACCorel57", "Associação de Espelhos Planos", "TabSheet29", "n = 360º / a − 1", mirrorsRows},
    {"ButtonXPMACCorel58", "Equação de Gauss", "TabSheet31", gaussRelation, gaussRows},
    {"ButtonXPMACCorel60", "Amplição", "TabSheet16", "A = i / o", magnificationRows, [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.caption("Label120", "A = i");
        p.caption("Label119", "o");
        p.hide({"Label194", "Label118"});
    }},
    {"ButtonXPMACCorel61", "Refração Absolouta", "TabSheet16", "n meio = c / v meio", refractiveIndexRows, [](PageEditor& p) {
        p.show({"Label406", "Label407"});
        p.caption("Label120", "n = c");
        p.caption("Label119", "v");
        p.hide({"Label194", "Label118"});
        // As its row asks; the fields are already empty then, so nothing else changes.
        p.clearFields();
    }},
    {"ButtonXPMACCorel63", "Lei de Snell-Descartes", "TabSheet32", snellRelation, snellRows},
    {"ButtonXPMACCorel65", "Refexão Interna Total", "TabSheet33", "sen L = n₁ / n₂", totalReflectionRows},
    {"ButtonXPMACCorel66", "Vergência de uma Lente", "TabSheet34", "V = 1 / f", vergenceRows, [](PageEditor& p) {
        p.caption("Label438", "V =  1");
        p.caption("Label441", "f");
    }},
};

const Solver solverTable[] = {
    {"JLAqua25", "TabSheet29", JLAqua25Click},
    {"JLAqua26", "TabSheet31", JLAqua26Click},
    {"JLAqua27", "TabSheet32", JLAqua27Click},
    {"JLAqua28", "TabSheet33", JLAqua28Click},
    {"JLAqua29", "TabSheet34", JLAqua29Click},
};

const Number one = Number(1);
const Number fullTurn = Number(360);

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Association of plane mirrors: n = (360º / a) - 1 images.
void JLAqua25Click(Calcular& c)
{
    c.block("aepN", [&] {
        const Term a = c.strict("aepA");
        return (fullTurn / a) - one;
    });
    c.block("aepA", [&] {
        const Term n = c.strict("aepN");
        return fullTurn / (n + one);
    });
}

// Gauss: 1/f = 1/d1 + 1/d0, solved for the blank distance.
void JLAqua26Click(Calcular& c)
{
    c.block("eg1f", [&] {
        const Term d1 = c.strict("eg1d1"), d0 = c.strict("eg1d0");
        c.textbook(gaussRelation);
        return one / ((one / d1) + (one / d0));
    });
    c.block("eg1d1", [&] {
        const Term f = c.strict("eg1f"), d0 = c.strict("eg1d0");
        c.textbook(gaussRelation);
        return one / ((one / f) - (one / d0));
    });
    c.block("eg1d0", [&] {
        const Term f = c.strict("eg1f"), d1 = c.strict("eg1d1");
        c.textbook(gaussRelation);
        return one / ((one / f) - (one / d1));
    });
}

// Snell-Descartes: n1.sen i = n2.sen r, the fields holding the sines themselves.
void JLAqua27Click(Calcular& c)
{
    c.block("sdn1", [&] {
        const Term n2 = c.strict("sdn2"), senR = c.strict("sdsr"), senI = c.strict("sdsi");
        c.textbook(snellRelation);
        return (n2 * senR) / senI;
    });
    c.block("sdn2", [&] {
        const Term n1 = c.strict("sdn1"), senR = c.strict("sdsr"), senI = c.strict("sdsi");
        c.textbook(snellRelation);
        return (n1 * senI) / senR;
    });
    c.block("sdsr", [&] {
        const Term n1 = c.strict("sdn1"), n2 = c.strict("sdn2"), senI = c.strict("sdsi");
        c.textbook(snellRelation);
        return (n1 * senI) / n2;
    });
    c.block("sdsi", [&] {
        const Term n1 = c.strict("sdn1"), n2 = c.strict("sdn2"), senR = c.strict("sdsr");
        c.textbook(snellRelation);
        return (n2 * senR) / n1;
    });
}

// Total internal reflection: sen L = n1 / n2, n1 the smaller index.
void JLAqua28Click(Calcular& c)
{
    c.block("rfsL", [&] {
        const Term n1 = c.strict("rfn1"), n2 = c.strict("rfn2");
        return n1 / n2;
    });
    c.block("rfn1", [&] {
        const Term senL = c.strict("rfsL"), n2 = c.strict("rfn2");
        return n2 * senL;
    });
    c.block("rfn2", [&] {
        const Term senL = c.strict("rfsL"), n1 = c.strict("rfn1");
        return n1 / senL;
    });
}

// Vergence: V = 1 / f.
void JLAqua29Click(Calcular& c)
{
    c.block("vlV", [&] {
        const Term f = c.strict("vlf");
        return one / f;
    });
    c.block("vlf", [&] {
        const Term V = c.strict("vlV");
        return one / V;
    });
}

}
