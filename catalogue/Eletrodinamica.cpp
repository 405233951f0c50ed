#include "catalogue/Eletrodinamica.h"

namespace Eletrodinamica {

namespace {

// The second-law page relabelled for an electric X = Y.Z: the formula, with the row
// symbol's subscript R and the exponent 2 hidden.
void secondLaw(PageEditor& p, const char* formula)
{
    p.caption("Label123", formula);
    p.hide({"Label138", "Label128"});
}

const Row currentRows[] = {
    {"prP", "i", "A", "corrente elétrica", {{"Label178", "i"}}, {{"Label193", "C/s"}}},
    {"prF", "Q", "C", "carga elétrica", {{"Label180", "Q"}}, {{"Label192", "C"}}},
    {"prA", "t", "s", "intervalo de tempo", {{"Label181", "t"}}, {{"Label191", "s"}}},
};

const Row ohmRows[] = {
    {"lnFR", "u", "V", "tensão", {{"Label125", "u"}}, {{"Label135", "V"}}},
    {"lnM", "R", "Ω", "resistência", {{"Label126", "R"}}, {{"Label134", " "}, picture("Image62", "Ω")}},
    {"lnA", "i", "A", "corrente elétrica", {{"Label127", "i"}}, {{"Label133", "A"}}},
};

const Row resistivityRows[] = {
    {"lo2R", "R", "Ω", "resistência", {{"Label45013", "R"}}, {picture("Image45002", "Ω")}},
    {"lo2p", "p", "Ω·m", "resistividade", {{"Label45015", "p"}}, {picture("Image45003", "Ω"), {"Label45017", ".m"}}},
    {"lo2l", "L", "m", "comprimento do fio", {{"Label45018", "L"}}, {{"Label45020", "m"}}},
    {"lo2a", "A", "m²", "área da secção do fio", {{"Label45021", "A"}}, {{"Label45023", "m"}, {"Label45024", "2"}}},
};

const Row seriesRows[] = {
    {"rsTotal", "Rₜₒₜₐₗ", "Ω", "resistência equivalente", {{"Label46013", "R"}, {"Label46014", "total"}}, {picture("Image46003", "Ω")}},
    {"r1", "R₁", "Ω", "resistência 1", {{"Label46016", "R1"}}, {picture("Image46004", "Ω")}},
    {"r2", "R₂", "Ω", "resistência 2", {{"Label46018", "R2"}}, {picture("Image46005", "Ω")}},
    {"r3", "R₃", "Ω", "resistência 3", {{"Label46020", "R3"}}, {picture("Image46006", "Ω")}},
    {"r4", "R₄", "Ω", "resistência 4", {{"Label46022", "R4"}}, {picture("Image46007", "Ω")}},
};

const Row parallelRows[] = {
    {"rpTotal", "Rₜₒₜₐₗ", "Ω", "resistência equivalente", {{"Label47023", "R"}, {"Label47024", "total"}}, {picture("Image47002", "Ω")}},
    {"rp1", "R₁", "Ω", "resistência 1", {{"Label47026", "R1"}}, {picture("Image47003", "Ω")}},
    {"rp2", "R₂", "Ω", "resistência 2", {{"Label47028", "R2"}}, {picture("Image47004", "Ω")}},
    {"rp3", "R₃", "Ω", "resistência 3", {{"Label47030", "R3"}}, {picture("Image47005", "Ω")}},
};

const Row equalResistorsRows[] = {
    {"riR", "Rₜₒₜₐₗ", "Ω", "resistência equivalente", {{"Label48015", "R"}, {"Label48016", "total"}}, {picture("Image48002", "Ω")}},
    {"riR1", "R", "Ω", "resistência de cada resistor", {{"Label48017", "R"}, {"Label48018", "1 deles"}}, {picture("Image48003", "Ω")}},
    {"rin", "nº", "", "número de resistores", {{"Label48019", "nº"}}, {}},
};

const Row twoResistorsRows[] = {
    {"rdr", "Rₜₒₜₐₗ", "Ω", "resistência equivalente", {{"Label49022", "R"}, {"Label49023", "total"}}, {picture("Image49002", "Ω")}},
    {"rdr1", "R₁", "Ω", "resistência 1", {{"Label49025", "R"}, {"Label49026", "1"}}, {picture("Image49003", "Ω")}},
    {"rdr2", "R₂", "Ω", "resistência 2", {{"Label49028", "R"}, {"Label49029", "2"}}, {picture("Image49004", "Ω")}},
};

const Row terminalVoltageRows[] = {
    {"rg1U", "uAB", "V", "tensão nos terminais", {{"Label50013", "u"}, {"Label50014", "AB"}}, {{"Label50016", "V"}}},
    {"rg1e", "E", "V", "força eletromotriz", {{"Label50017", "E"}}, {{"Label50019", "V"}}},
    {"rg1r", "r", "Ω", "resistência interna", {{"Label50020", "r"}}, {picture("Image50002", "Ω")}},
    {"rg1i", "i", "A", "corrente elétrica", {{"Label50022", "i"}}, {{"Label50024", "A"}}},
};

const Row circuitCurrentRows[] = {
    {"gr2i", "i", "A", "corrente elétrica", {{"Label51013", "i"}}, {{"Label51015", "A"}}},
    {"gr2e", "E", "V", "soma das forças eletromotrizes", {{"Label51016", "E"}}, {{"Label51018", "V"}}},
    {"gr2r", "R", "Ω", "soma das resistências externas", {{"Label51019", "R"}}, {picture("Image51004", "Ω")}},
    {"gr2rinho", "r", "Ω", "resistência interna", {{"Label51021", "r"}}, {picture("Image51005", "Ω")}},
};

const Row energyUseRows[] = {
    {"lnFR", "E", "J", "energia consumida", {{"Label125", "E"}}, {{"Label135", "J"}}},
    {"lnM", "P", "W", "potência", {{"Label126", "P"}}, {{"Label134", "W"}}},
    {"lnA", "t", "s", "tempo", {{"Label127", "t"}}, {{"Label133", "s"}}},
};

const Row electricPowerRows[] = {
    {"lnFR", "P", "W", "potência", {{"Label125", "P"}}, {{"Label135", "W"}}},
    {"lnM", "i", "A", "corrente elétrica", {{"Label126", "i"}}, {{"Label134", "A"}}},
    {"lnA", "u", "V", "tensão", {{"Label127", "u"}}, {{"Label133", "v"}}},
};

const Row powerFromVoltageRows[] = {
    {"acac", "P", "W", "potência", {{"Label19", "  P"}}, {{"Label103", "W"}}},
    {"acv", "u", "V", "tensão", {{"Label21", "u"}}, {{"Label93", "V"}}},
    {"acr", "R", "Ω", "resistência", {{"Label7014", "R"}}, {{"Label105", ""}, picture("Image85", "Ω")}},
};

const Row powerFromCurrentRows[] = {
    {"pe3P", "P", "W", "potência", {{"Label52013", "P"}}, {{"Label52015", "W"}}},
    {"pe3R", "R", "Ω", "resistência", {{"Label52016", "R"}}, {picture("Image52002", "Ω")}},
    {"pe3i", "i", "A", "corrente elétrica", {{"Label52018", "i"}}, {{"Label52020", "A"}}},
};

// The relation a book states for resistors in parallel; the page computes its solved form.
const char parallelRelation[] = "1 / Rₜₒₜₐₗ = 1 / R₁ + 1 / R₂ + 1 / R₃";

// The borrowed pages (pressure, second law, centripetal acceleration) are relabelled in
// full by every topic that shows them, so they read the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel98", "Corrente Elétrica", "TabSheet16", "i = Q / t", currentRows, [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.caption("Label120", "i = Q");
        p.caption("Label119", "t");
        p.hide({"Label194", "Label118"});
    }},
    {"ButtonXPMACCorel99", "1ª Lei de Ohm", "TabSheet10", "u = R · i", ohmRows, [](PageEditor& p) {
        p.hide({"Label137"});
        // The ohm picture stands where the unit text of R would be.
        secondLaw(p, "u = R . i");
        p.show({"Image62"});
    }},
    {"ButtonXPMACCorel100", "2ª Lei de Ohm", "TabSheet45", "R = p · L / A", resistivityRows},
    {"ButtonXPMACCorel101", "Resistores em Série", "TabSheet46", "Rₜₒₜₐₗ = ΣR", seriesRows},
    {"ButtonXPMACCorel102", "Resistores Paralelos", "TabSheet47", parallelRelation, parallelRows},
    {"ButtonXPMACCorel103", "Resistores Iguais", "TabSheet48", "Rₜₒₜₐₗ = R / nº", equalResistorsRows},
    {"ButtonXPMACCorel104", "Resistores Diferentes", "TabSheet49", "Rₜₒₜₐₗ = R₁ · R₂ / (R₁ + R₂)", twoResistorsRows},
    {"ButtonXPMACCorel105", "Resistores Reais 1", "TabSheet50", "uAB = E − r · i", terminalVoltageRows},
    {"ButtonXPMACCorel106", "Resistores Reais 2", "TabSheet51", "i = ΣE / (ΣR + r)", circuitCurrentRows},
    {"ButtonXPMACCorel107", "Consumo de Energia Elétrica", "TabSheet10", "E = P · t", energyUseRows, [](PageEditor& p) {
        p.hide({"Image62", "Label137"});
        secondLaw(p, "E = P . t");
    }},
    {"ButtonXPMACCorel108", "Potência Elétrica 1", "TabSheet10", "P = i · u", electricPowerRows, [](PageEditor& p) {
        p.hide({"Image62", "Label137"});
        secondLaw(p, "P = i . u");
    }},
    {"ButtonXPMACCorel109", "Potência Elétrica 2", "TabSheet7", "P = u² / R", powerFromVoltageRows, [](PageEditor& p) {
        // The page's own exponent 2 and denominator R stay: P = u² / R.
        p.caption("Label9", "P =  u");
        p.hide({"Label106", "Label108", "Label104"});
        p.show({"Image85"});
    }},
    {"ButtonXPMACCorel110", "Potência Elétrica 3", "TabSheet52", "P = R · i²", powerFromCurrentRows},
};

const Solver solverTable[] = {
    {"JLAqua37", "TabSheet45", JLAqua37Click},
    {"JLAqua38", "TabSheet46", JLAqua38Click},
    {"JLAqua39", "TabSheet47", JLAqua39Click},
    {"JLAqua40", "TabSheet48", JLAqua40Click},
    {"JLAqua41", "TabSheet49", JLAqua41Click},
    {"JLAqua42", "TabSheet50", JLAqua42Click},
    {"JLAqua43", "TabSheet51", JLAqua43Click},
    {"JLAqua44", "TabSheet52", JLAqua44Click},
};

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Second Ohm law: R = p.L / A, with p the resistivity.
void JLAqua37Click(Calcular& c)
{
    c.block("lo2R", [&] {
        const Term p = c.strict("lo2p"), L = c.strict("lo2l"), A = c.strict("lo2a");
        return p * (L / A);
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
        c.textbook("1 / Rₜₒₜₐₗ = 1 / R₁ + 1 / R₂");
        c.write("rpTotal", (R1 * R2) / (R1 + R2));
        return;
    }
    const Term R3 = c.strict("rp3");
    c.textbook(parallelRelation);
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
        return u + (r * i);
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
        return i * (R + r);
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
