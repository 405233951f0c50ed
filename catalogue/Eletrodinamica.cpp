#include "catalogue/Eletrodinamica.h"

namespace Eletrodinamica {

namespace {

// The second-law page relabelled for an electric X = Y.Z: the formula, then the row
// symbol's subscript R hidden, the three symbols and units, and the exponent 2 hidden.
void secondLaw(PageEditor& p, const char* formula, const char* s1, const char* s2, const char* s3,
               const char* u1, const char* u2, const char* u3)
{
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

// The borrowed pages (pressure, second law, centripetal acceleration) are relabelled in
// full by every topic that shows them, so they read the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel98", "Corrente Elétrica", "TabSheet16", "i = Q / t", [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.caption("Label120", "i = Q");
        p.caption("Label119", "t");
        p.caption("Label178", "i");
        p.caption("Label180", "Q");
        p.caption("Label181", "t");
        p.caption("Label193", "C/s");
        p.caption("Label192", "C");
        p.caption("Label191", "s");
        p.hide({"Label194", "Label118"});
    }},
    {"ButtonXPMACCorel99", "1ª Lei de Ohm", "TabSheet10", "u = R·i", [](PageEditor& p) {
        p.hide({"Label137"});
        // The ohm picture stands where the unit text of R would be.
        secondLaw(p, "u = R . i", "u", "R", "i", "V", " ", "A");
        p.show({"Image62"});
    }},
    {"ButtonXPMACCorel100", "2ª Lei de Ohm", "TabSheet45", "R = p·L / A"},
    {"ButtonXPMACCorel101", "Resistores em Série", "TabSheet46", "R total = ΣR"},
    {"ButtonXPMACCorel102", "Resistores Paralelos", "TabSheet47", "1 / R total = 1 / R₁ + 1 / R₂ + …"},
    {"ButtonXPMACCorel103", "Resistores Iguais", "TabSheet48", "R total = R de um deles / nº"},
    {"ButtonXPMACCorel104", "Resistores Diferentes", "TabSheet49", "R total = R₁·R₂ / (R₁ + R₂)"},
    {"ButtonXPMACCorel105", "Resistores Reais 1", "TabSheet50", "u AB = E − r·i"},
    {"ButtonXPMACCorel106", "Resistores Reais 2", "TabSheet51", "i = ΣE / (ΣR + r)"},
    {"ButtonXPMACCorel107", "Consumo de Energia Elétrica", "TabSheet10", "E = P·t", [](PageEditor& p) {
        p.hide({"Image62", "Label137"});
        secondLaw(p, "E = P . t", "E", "P", "t", "J", "W", "s");
    }},
    {"ButtonXPMACCorel108", "Potência Elétrica 1", "TabSheet10", "P = i·u", [](PageEditor& p) {
        p.hide({"Image62", "Label137"});
        secondLaw(p, "P = i . u", "P", "i", "u", "W", "A", "v");
    }},
    {"ButtonXPMACCorel109", "Potência Elétrica 2", "TabSheet7", "P = u² / R", [](PageEditor& p) {
        // The page's own exponent 2 and denominator R stay: P = u² / R.
        p.caption("Label9", "P =  u");
        p.hide({"Label106", "Label108", "Label104"});
        p.show({"Image85"});
        p.caption("Label19", "  P");
        p.caption("Label21", "u");
        p.caption("Label103", "W");
        p.caption("Label93", "V");
        p.caption("Label105", "");
    }},
    {"ButtonXPMACCorel110", "Potência Elétrica 3", "TabSheet52", "P = R·i²"},
};

const Solver solverTable[] = {
    {"JLAqua37", JLAqua37Click},
    {"JLAqua38", JLAqua38Click},
    {"JLAqua39", JLAqua39Click},
    {"JLAqua40", JLAqua40Click},
    {"JLAqua41", JLAqua41Click},
    {"JLAqua42", JLAqua42Click},
    {"JLAqua43", JLAqua43Click},
    {"JLAqua44", JLAqua44Click},
};

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Second Ohm law: R = p.L / A, with p the resistivity.
void JLAqua37Click(Calcular& c)
{
    c.block("lo2R", [&] {
        const Term p = c.strict("lo2p"), L = c.strict("lo2l"), A = c.strict("lo2a");
        return (L / A) * p;
    });
    c.block("lo2p", [&] {
        const Term R = c.strict("lo2R"), L = c.strict("lo2l"), A = c.strict("lo2a");
        return (R * A) / L;
    });
    c.block("lo2l", [&] {
        const Term R = c.strict("lo2R"), p = c.strict("lo2p"), A = c.strict("lo2a");
        return (R * A) / p;
    });
    c.block("lo2a", [&] {
        const Term R = c.strict("lo2R"), p = c.strict("lo2p"), L = c.strict("lo2l");
        return (p * L) / R;
    });
}

// Resistors in series: R total = ΣR over the filled resistor fields; the total is
// always recomputed, replacing what it held. The sum starts from 0, which the working
// leaves out.
void JLAqua38Click(Calcular& c)
{
    Term sum = Number(0);
    for (const char* resistor : {"r1", "r2", "r3", "r4"}) {
        if (!c.isBlank(resistor))
            sum = sum + c.strict(resistor);
    }
    c.write("rsTotal", sum);
}

// Resistors in parallel: 1/R total = 1/R1 + 1/R2 (+ 1/R3), the total always recomputed.
// R3 is optional; a blank R1 or R2 is a missing operand, not a zero.
void JLAqua39Click(Calcular& c)
{
    const Term R1 = c.strict("rp1"), R2 = c.strict("rp2");
    if (c.isBlank("rp3")) {
        c.write("rpTotal", (R1 * R2) / (R1 + R2));
        return;
    }
    const Term R3 = c.strict("rp3");
    c.write("rpTotal", ((R1 * R2) * R3) / ((R2 * R3) + (R1 * R3) + (R1 * R2)));
}

// Equal resistors: R total = R of one of them / nº.
void JLAqua40Click(Calcular& c)
{
    c.block("riR", [&] {
        const Term R1 = c.strict("riR1"), n = c.strict("rin");
        return R1 / n;
    });
    c.block("rin", [&] {
        const Term total = c.strict("riR"), R1 = c.strict("riR1");
        return R1 / total;
    });
    c.block("riR1", [&] {
        const Term total = c.strict("riR"), n = c.strict("rin");
        return total * n;
    });
}

// Two different resistors: R total = R1.R2 / (R1 + R2); only the total is computed.
void JLAqua41Click(Calcular& c)
{
    c.block("rdr", [&] {
        const Term R1 = c.strict("rdr1"), R2 = c.strict("rdr2");
        return (R1 * R2) / (R1 + R2);
    });
}

// Real generator, terminal voltage: u AB = E - r.i.
void JLAqua42Click(Calcular& c)
{
    c.block("rg1U", [&] {
        const Term E = c.strict("rg1e"), r = c.strict("rg1r"), i = c.strict("rg1i");
        return E - (r * i);
    });
    c.block("rg1e", [&] {
        const Term u = c.strict("rg1U"), r = c.strict("rg1r"), i = c.strict("rg1i");
        return (r * i) + u;
    });
    c.block("rg1r", [&] {
        const Term u = c.strict("rg1U"), E = c.strict("rg1e"), i = c.strict("rg1i");
        return (E - u) / i;
    });
    c.block("rg1i", [&] {
        const Term u = c.strict("rg1U"), E = c.strict("rg1e"), r = c.strict("rg1r");
        return (E - u) / r;
    });
}

// Real generator, circuit current: i = ΣE / (ΣR + r).
void JLAqua43Click(Calcular& c)
{
    c.block("gr2i", [&] {
        const Term E = c.strict("gr2e"), R = c.strict("gr2r"), r = c.strict("gr2rinho");
        return E / (R + r);
    });
    c.block("gr2e", [&] {
        const Term i = c.strict("gr2i"), R = c.strict("gr2r"), r = c.strict("gr2rinho");
        return (R + r) * i;
    });
    c.block("gr2r", [&] {
        const Term i = c.strict("gr2i"), E = c.strict("gr2e"), r = c.strict("gr2rinho");
        return (E / i) - r;
    });
    c.block("gr2rinho", [&] {
        const Term i = c.strict("gr2i"), E = c.strict("gr2e"), R = c.strict("gr2r");
        return (E / i) - R;
    });
}

// Power from resistance and current: P = R.i²; only the positive current is given.
void JLAqua44Click(Calcular& c)
{
    c.block("pe3P", [&] {
        const Term R = c.strict("pe3R"), i = c.strict("pe3i");
        return (R * i) * i;
    });
    c.block("pe3R", [&] {
        const Term P = c.strict("pe3P"), i = c.strict("pe3i");
        return P / (i * i);
    });
    c.block("pe3i", [&] {
        const Term P = c.strict("pe3P"), R = c.strict("pe3R");
        return sqrt(P / R);
    });
}

}
