#include "catalogue/Ondas.h"

namespace Ondas {

namespace {

// The two second-law topics: x = y . z with the page's resistance picture and "R"
// subscripts put away, and the "2" of the acceleration unit hidden.
void productOfTwo(PageEditor& p, const char* formula, const char* s1, const char* s2, const char* s3,
                  const char* u1, const char* u2, const char* u3)
{
    p.hide({"Image62", "Label137"});
    p.caption("Label123", formula);
    p.hide({"Label138"});
    p.caption("Label125", s1);
    p.caption("Label126", s2);
    p.caption("Label127", s3);
    p.caption("Label135", u1);
    p.caption("Label134", u2);
    p.caption("Label133", u3);
    p.hide({"Label128"});
}

// Each topic sets back what another topic of its borrowed page changes (the power page's
// time symbol included, which the heat-capacity topic turns into "T"), so a page reads
// the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel71", "Frequência (Ondulatória)", "TabSheet13", "ƒ = nº de ondas / Δt", [](PageEditor& p) {
        p.caption("Label158", "ƒ = nº de ondas");
        p.width("Shape16", 117);
        p.left("Image24", 136);
        p.left("Label159", 152);
        p.caption("Label168", "ƒ");
        p.caption("Label164", "Hz");
        p.caption("Label166", "");
        p.caption("Label169", "nº");
        p.caption("Label159", "t");
        p.caption("Label170", "t");
        p.caption("Label167", "s");
    }},
    {"ButtonXPMACCorel72", "Período (Ondulatório)", "TabSheet4", "T = Δt / nº de ondas", [](PageEditor& p) {
        // The note under the rows is shown as the page comes to the front.
        p.show({"Label109"});
        p.hide({"Image12"});
        p.caption("Label63", "nº de ondas", 100);
        p.caption("Label62", "T =       t");
        p.caption("Label47", "T");
        p.caption("Label53", "t");
        p.hide({"Image9"});
        p.caption("Label58", "nº", 52);
        p.caption("Label60", "s");
        p.caption("Label80", "2");
        p.caption("Label61", "");
        p.caption("Label59", "s");
        p.hide({"Label80"});
        p.width("Shape7", 117);
        p.left("Image11", 135);
    }},
    {"ButtonXPMACCorel73", "Frequência para Período", "TabSheet34", "f = 1 / T", [](PageEditor& p) {
        p.caption("Label438", "f =  1");
        p.caption("Label441", "T");
        p.caption("Label443", "f");
        p.caption("Label445", "T");
        p.caption("Label452", "Hz");
        p.caption("Label451", "s");
    }},
    {"ButtonXPMACCorel74", "Velocidade Ondulatória", "TabSheet10", "V = x·ƒ", [](PageEditor& p) {
        productOfTwo(p, "V = x . ƒ", "V", "x", "ƒ", "m/s", "m", "Hz");
    }},
    {"ButtonXPMACCorel75", "Distância", "TabSheet10", "x = v·T", [](PageEditor& p) {
        productOfTwo(p, "x = v . T", "x", "v", "T", "m", "m/s", "s");
    }},
    {"ButtonXPMACCorel76", "Equação de Taylor (Cordas)", "TabSheet43", "v = √(F / p)"},
    {"ButtonXPMACCorel77", "Densidade Acústica", "TabSheet16", "p = m / L", [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.caption("Label120", "p = m");
        p.caption("Label119", "L");
        p.caption("Label178", "p");
        p.caption("Label180", "m");
        p.caption("Label181", "L");
        p.caption("Label193", "kg/m");
        p.caption("Label192", "kg");
        p.caption("Label191", "m");
        p.hide({"Label194", "Label118"});
    }},
    {"ButtonXPMACCorel78", "Frequência Corda Vibrante", "TabSheet42", "ƒ = n·v / (2·L)"},
};

const Solver solverTable[] = {
    {"JLAqua35", JLAqua35Click},
    {"JLAqua36", JLAqua36Click},
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
        return (n * v) / (L * two);
    });
    c.block("fcN", [&] {
        const Term f = c.strict("fcF"), v = c.strict("fcV"), L = c.strict("fcL");
        return ((L * two) * f) / v;
    });
    c.block("fcV", [&] {
        const Term f = c.strict("fcF"), n = c.strict("fcN"), L = c.strict("fcL");
        return ((L * two) * f) / n;
    });
    c.block("fcL", [&] {
        const Term f = c.strict("fcF"), n = c.strict("fcN"), v = c.strict("fcV");
        return (n * v) / (f * two);
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
