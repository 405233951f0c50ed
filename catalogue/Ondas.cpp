#include "catalogue/Ondas.h"

namespace Ondas {

namespace {

// The two second-law topics: x = y . z with the page's resistance picture and "R"
// subscripts put away, and the "2" of the acceleration unit hidden.
void productOfTwo(PageEditor& p, const char* formula)
{
    p.hide({"Image62", "Label137"});
    p.caption("Label123", formula);
    p.hide({"Label138", "Label128"});
}

const Row waveFrequencyRows[] = {
    {"pP", "ƒ", "Hz", "frequência", {{"Label168", "ƒ"}}, {{"Label164", "Hz"}}},
    {"pT", "nº", "", "número de ondas", {{"Label169", "nº"}}, {{"Label166", ""}}},
    {"pdT", "Δt", "s", "intervalo de tempo", {picture("Image26", "Δ"), {"Label170", "t"}}, {{"Label167", "s"}}},
};

const Row wavePeriodRows[] = {
    {"aeA", "T", "s", "período", {{"Label47", "T"}}, {{"Label60", "s"}}},
    {"aeDS", "Δt", "s", "intervalo de tempo", {picture("Image4010", "Δ"), {"Label53", "t"}}, {{"Label59", "s"}}},
    {"aeDT", "nº", "", "número de ondas", {{"Label58", "nº"}}, {{"Label61", ""}}},
};

const Row frequencyToPeriodRows[] = {
    {"vlV", "f", "Hz", "frequência", {{"Label443", "f"}}, {{"Label452", "Hz"}}},
    {"vlf", "T", "s", "período", {{"Label445", "T"}}, {{"Label451", "s"}}},
};

const Row waveSpeedRows[] = {
    {"lnFR", "V", "m/s", "velocidade de propagação", {{"Label125", "V"}}, {{"Label135", "m/s"}}},
    {"lnM", "x", "m", "comprimento de onda", {{"Label126", "x"}}, {{"Label134", "m"}}},
    {"lnA", "ƒ", "Hz", "frequência", {{"Label127", "ƒ"}}, {{"Label133", "Hz"}}},
};

const Row distanceRows[] = {
    {"lnFR", "x", "m", "distância", {{"Label125", "x"}}, {{"Label135", "m"}}},
    {"lnM", "v", "m/s", "velocidade", {{"Label126", "v"}}, {{"Label134", "m/s"}}},
    {"lnA", "T", "s", "período", {{"Label127", "T"}}, {{"Label133", "s"}}},
};

const Row taylorRows[] = {
    {"etv", "v", "m/s", "velocidade de propagação", {{"Label43012", "v"}}, {{"Label43014", "m/s"}}},
    {"etf", "F", "N", "força de tração", {{"Label43015", "F"}}, {{"Label43017", "N"}}},
    {"etp", "p", "kg/m", "densidade linear", {{"Label43018", "p"}}, {{"Label43020", "kg/m"}}},
};

const Row linearDensityRows[] = {
    {"prP", "p", "kg/m", "densidade linear", {{"Label178", "p"}}, {{"Label193", "kg/m"}}},
    {"prF", "m", "kg", "massa", {{"Label180", "m"}}, {{"Label192", "kg"}}},
    {"prA", "L", "m", "comprimento", {{"Label181", "L"}}, {{"Label191", "m"}}},
};

const Row stringRows[] = {
    {"fcF", "ƒ", "Hz", "frequência", {{"Label42012", "ƒ"}}, {{"Label42014", "Hz"}}},
    {"fcN", "n", "", "número do harmônico", {{"Label42015", "n"}}, {{"Label42017", ""}}},
    {"fcV", "v", "m/s", "velocidade de propagação", {{"Label42018", "v"}}, {{"Label42020", "m/s"}}},
    {"fcL", "L", "m", "comprimento da corda", {{"Label42021", "L"}}, {{"Label42023", "m"}}},
};

// Each topic sets back what another topic of its borrowed page changes (the power page's
// time symbol included, which the heat-capacity topic turns into "T"), so a page reads
// the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel71", "Frequência (Ondulatória)", "TabSheet13", "ƒ = nº de ondas / Δt", waveFrequencyRows, [](PageEditor& p) {
        p.caption("Label158", "ƒ = nº de ondas");
        p.width("Shape16", 117);
        p.left("Image24", 136);
        p.left("Label159", 152);
        p.caption("Label159", "t");
    }},
    {"ButtonXPMACCorel72", "Período (Ondulatório)", "TabSheet4", "T = Δt / nº de ondas", wavePeriodRows, [](PageEditor& p) {
        // The note under the rows is shown as the page comes to the front.
        p.show({"Label109"});
        p.hide({"Image12"});
        p.caption("Label63", "nº de ondas", 100);
        p.caption("Label62", "T =       t");
        p.hide({"Image9"});
        p.left("Label58", 52);
        p.caption("Label80", "2");
        p.hide({"Label80"});
        p.width("Shape7", 117);
        p.left("Image11", 135);
    }},
    {"ButtonXPMACCorel73", "Frequência para Período", "TabSheet34", "f = 1 / T", frequencyToPeriodRows, [](PageEditor& p) {
        p.caption("Label438", "f =  1");
        p.caption("Label441", "T");
    }},
    {"ButtonXPMACCorel74", "Velocidade Ondulatória", "TabSheet10", "V = x · ƒ", waveSpeedRows, [](PageEditor& p) {
        productOfTwo(p, "V = x . ƒ");
    }},
    {"ButtonXPMACCorel75", "Distância", "TabSheet10", "x = v · T", distanceRows, [](PageEditor& p) {
        productOfTwo(p, "x = v . T");
    }},
    {"ButtonXPMACCorel76", "Equação de Taylor (Cordas)", "TabSheet43", "v = √(F / p)", taylorRows},
    {"ButtonXPMACCorel77", "Densidade Acústica", "TabSheet16", "p = m / L", linearDensityRows, [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.caption("Label120", "p = m");
        p.caption("Label119", "L");
        p.hide({"Label194", "Label118"});
    }},
    {"ButtonXPMACCorel78", "Frequência Corda Vibrante", "TabSheet42", "ƒ = n · v / (2 · L)", stringRows},
};

const Solver solverTable[] = {
    {"JLAqua35", "TabSheet42", JLAqua35Click},
    {"JLAqua36", "TabSheet43", JLAqua36Click},
};

const Number two = Number(2);

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Vibrating string: ƒ = n.v / 2L.
void JLAqua35Click(Calcular& c)
{
    c.block("fcF", [&] {
        const Term n = c.strict("fcN"), v = c.strict("fcV"), L = c.strict("fcL");
        return (n * v) / (two * L);
    });
    c.block("fcN", [&] {
        const Term f = c.strict("fcF"), v = c.strict("fcV"), L = c.strict("fcL");
        return ((two * L) * f) / v;
    });
    c.block("fcV", [&] {
        const Term f = c.strict("fcF"), n = c.strict("fcN"), L = c.strict("fcL");
        return ((two * L) * f) / n;
    });
    c.block("fcL", [&] {
        const Term f = c.strict("fcF"), n = c.strict("fcN"), v = c.strict("fcV");
        return (n * v) / (two * f);
    });
}

// Taylor's equation: v = √(F / p), p the string's linear density; only the positive speed.
void JLAqua36Click(Calcular& c)
{
    c.block("etv", [&] {
        const Term F = c.strict("etf"), p = c.strict("etp");
        return sqrt(F / p);
    });
    c.block("etf", [&] {
        const Term v = c.strict("etv"), p = c.strict("etp");
        return (v * v) * p;
    });
    c.block("etp", [&] {
        const Term v = c.strict("etv"), F = c.strict("etf");
        return F / (v * v);
    });
}

}
