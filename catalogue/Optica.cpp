#include "catalogue/Optica.h"

namespace Optica {

namespace {

// Each topic of a shared page puts back what another topic changed there: the pressure
// page's topics set every label the other areas relabel, and the vergence topic restores
// what the frequency-to-period topics change.
const Topic topicTable[] = {
    {"ButtonXPMACCorel57", "Associação de Espelhos Planos", "TabSheet29", "n = 360º / a − 1"},
    {"ButtonXPMACCorel58", "Equação de Gauss", "TabSheet31", "1/f = 1/d₁ + 1/d₀"},
    {"ButtonXPMACCorel60", "Amplição", "TabSheet16", "A = i / o", [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.caption("Label120", "A = i");
        p.caption("Label119", "o");
        p.caption("Label178", "A");
        p.caption("Label180", "i");
        p.caption("Label181", "o");
        p.caption("Label193", "");
        p.caption("Label192", "m");
        p.caption("Label191", "m");
        p.hide({"Label194", "Label118"});
    }},
    {"ButtonXPMACCorel61", "Refração Absolouta", "TabSheet16", "n meio = c / v meio", [](PageEditor& p) {
        p.show({"Label406", "Label407"});
        p.caption("Label120", "n = c");
        p.caption("Label119", "v");
        p.caption("Label178", "n");
        p.caption("Label180", "c");
        p.caption("Label181", "v");
        p.caption("Label193", "");
        p.caption("Label192", "m/s");
        p.caption("Label191", "m/s");
        p.hide({"Label194", "Label118"});
        // As its row asks; the fields are already empty then, so nothing else changes.
        p.clearFields();
    }},
    {"ButtonXPMACCorel63", "Lei de Snell-Descartes", "TabSheet32", "n₁·sen i = n₂·sen r"},
    {"ButtonXPMACCorel65", "Refexão Interna Total", "TabSheet33", "sen L = n₁ / n₂"},
    {"ButtonXPMACCorel66", "Vergência de uma Lente", "TabSheet34", "V = 1 / f", [](PageEditor& p) {
        p.caption("Label438", "V =  1");
        p.caption("Label441", "f");
        p.caption("Label443", "V");
        p.caption("Label445", "f");
        p.caption("Label452", "di");
        p.caption("Label451", "m");
    }},
};

const Solver solverTable[] = {
    {"JLAqua25", JLAqua25Click},
    {"JLAqua26", JLAqua26Click},
    {"JLAqua27", JLAqua27Click},
    {"JLAqua28", JLAqua28Click},
    {"JLAqua29", JLAqua29Click},
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
        return one / ((one / d1) + (one / d0));
    });
    c.block("eg1d1", [&] {
        const Term f = c.strict("eg1f"), d0 = c.strict("eg1d0");
        return one / ((one / f) - (one / d0));
    });
    c.block("eg1d0", [&] {
        const Term f = c.strict("eg1f"), d1 = c.strict("eg1d1");
        return one / ((one / f) - (one / d1));
    });
}

// Snell-Descartes: n1.sen i = n2.sen r, the fields holding the sines themselves.
void JLAqua27Click(Calcular& c)
{
    c.block("sdn1", [&] {
        const Term n2 = c.strict("sdn2"), senR = c.strict("sdsr"), senI = c.strict("sdsi");
        return (n2 * senR) / senI;
    });
    c.block("sdn2", [&] {
        const Term n1 = c.strict("sdn1"), senR = c.strict("sdsr"), senI = c.strict("sdsi");
        return (n1 * senI) / senR;
    });
    c.block("sdsr", [&] {
        const Term n1 = c.strict("sdn1"), n2 = c.strict("sdn2"), senI = c.strict("sdsi");
        return (n1 * senI) / n2;
    });
    c.block("sdsi", [&] {
        const Term n1 = c.strict("sdn1"), n2 = c.strict("sdn2"), senR = c.strict("sdsr");
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
