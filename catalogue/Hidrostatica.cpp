#include "catalogue/Hidrostatica.h"

#include "catalogue/PageModes.h"

namespace Hidrostatica {

namespace {

const Row densityRows[] = {
    {"eVm", "d", "kg/m³", "densidade", {{"Label42", "d"}}, {{"Label50", "kg/m³"}}},
    {"eDS", "m", "kg", "massa", {{"Label43", "m"}}, {{"Label51", "kg"}}},
    {"eDT", "v", "m³", "volume", {{"Label44", "v"}}, {{"Label52", "m³"}}},
};

const Row pressureRows[] = {
    {"prP", "P", "N/m²", "pressão", {{"Label178", "P"}}, {{"Label193", "N/m"}, {"Label194", "2"}}},
    {"prF", "F", "N", "força", {{"Label180", "F"}}, {{"Label192", "N"}}},
    {"prA", "A", "m²", "área", {{"Label181", "A"}}, {{"Label191", "m"}, {"Label118", "2"}}},
};

const Row buoyancyRows[] = {
    {"tiT", "E", "N", "empuxo", {{"Label143", "E"}}, {{"Label155", "N"}}},
    {"tiF", "d", "kg/m³", "densidade do líquido", {{"Label149", "d"}}, {{"Label154", "kg/m"}, {"Label698", "3"}}},
    {"tiD", "g", "m/s²", "aceleração da gravidade", {{"Label152", "g"}}, {{"Label153", "m/s"}, {"Label110", "2"}}},
    {"tiCos", "v", "m³", "volume de líquido deslocado", {{"Label157", "v"}}, {{"Label111", "m"}, {"Label699", "3"}}},
};

const Row hydrostaticRows[] = {
    {"tiT", "P", "N/m²", "pressão hidrostática", {{"Label143", "P"}}, {{"Label155", "N/m"}, {"Label703", "2"}}},
    {"tiF", "d", "kg/m³", "densidade do líquido", {{"Label149", "d"}}, {{"Label154", "kg/m"}, {"Label698", "3"}}},
    {"tiD", "g", "m/s²", "aceleração da gravidade", {{"Label152", "g"}}, {{"Label153", "m/s"}, {"Label110", "2"}}},
    {"tiCos", "h", "m", "profundidade", {{"Label157", "h"}}, {{"Label111", "m"}}},
};

const Row pressRows[] = {
    {"phF1", "F₁", "N", "força no êmbolo 1", {{"Label197", "F"}, {"Label218", "1"}}, {{"Label205", "N"}}},
    {"phA1", "A₁", "m²", "área do êmbolo 1", {{"Label198", "A"}, {"Label220", "1"}}, {{"Label204", "m"}, {"Label206", "2"}}},
    {"phF2", "F₂", "N", "força no êmbolo 2", {{"Label199", "F"}, {"Label219", "2"}}, {{"Label203", "N"}}},
    {"phA2", "A₂", "m²", "área do êmbolo 2", {{"Label215", "A"}, {"Label221", "2"}}, {{"Label217", "m"}, {"Label207", "2"}}},
};

const Row absolutePressureRows[] = {
    {"paP", "p", "N/m²", "pressão absoluta", {{"Label225", "p"}}, {{"Label234", "N/m"}, {"Label242", "2"}}},
    {"paPatm", "Pₐₜₘ", "N/m²", "pressão atmosférica", {{"Label226", "P"}, {"Label241", "atm"}}, {{"Label235", "N/m"}, {"Label243", "2"}}},
    {"paD", "d", "kg/m³", "densidade do líquido", {{"Label227", "d"}}, {{"Label233", "kg/m"}, {"Label244", "3"}}},
    {"paG", "g", "m/s²", "aceleração da gravidade", {{"Label228", "g"}}, {{"Label236", "m/s"}, {"Label245", "2"}}},
    {"paH", "h", "m", "profundidade", {{"Label238", "h"}}, {{"Label240", "m"}}},
};

// Each topic puts back what a topic of another area moved, showed or hid on its page
// (mean velocity, triple product, pressure, hydraulic press), so a page reads the same
// whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel36", "Massa Específica (Densidade)", "TabSheet3", "d = m / v", densityRows, [](PageEditor& p) {
        p.hide({"Image4", "Image5", "Image6", "Image7"});
        p.caption("Label10", "d  =   m");
        p.caption("Label54", "v", 124);
        p.left("Label43", 45);
        p.left("Label44", 45);
    }},
    {"ButtonXPMACCorel37", "Pressão (Pascal)", "TabSheet16", "P = F / A", pressureRows, [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.show({"Label194", "Label118"});
        p.caption("Label120", "P = F");
        p.caption("Label119", "A");
    }},
    {"ButtonXPMACCorel38", "Empuxo (Arquimedes)", "TabSheet12", "E = d · g · v", buoyancyRows, [](PageEditor& p) {
        p.show({"Label698", "Label699", "Label110"});
        p.left("Label110", 228);
        p.show({"Label111"});
        p.hide({"Label703"});
        p.caption("Label141", "E = d . g . v");
    }},
    {"ButtonXPMACCorel39", "Pressão Hidrostática", "TabSheet12", "P = d · g · h", hydrostaticRows, [](PageEditor& p) {
        p.show({"Label698", "Label703", "Label110"});
        p.left("Label110", 228);
        p.show({"Label111"});
        p.hide({"Label699"});
        p.caption("Label141", "P = d . g . h");
    }},
    {"ButtonXPMACCorel40", "Prensa Hidráulica", "TabSheet17", "F₁ / A₁ = F₂ / A₂", pressRows, [](PageEditor& p) {
        p.show({"Label206", "Label207"});
        p.caption("Label175", "F");
        p.caption("Label195", "A");
        p.caption("Label208", "F");
        p.caption("Label209", "A");
        p.caption("Label212", "1");
        p.caption("Label213", "2");
    }},
    {"ButtonXPMACCorel41", "Pressão Absoluta", "TabSheet18", "p = Pₐₜₘ + d · g · h", absolutePressureRows},
};

const Solver solverTable[] = {
    {"JLAqua13", "TabSheet16", JLAqua13Click},
    {"JLAqua14", "TabSheet17", JLAqua14Click},
    {"JLAqua15", "TabSheet18", JLAqua15Click},
};

// The press's proportion: F1 / A1 = F2 / A2 (V1 / T1 = V2 / T2, P1 / T1 = P2 / T2 for the
// isobaric and isovolumetric gases).
void proportion(Calcular& c)
{
    c.block("phF1", [&] {
        const Term F2 = c.strict("phF2"), A1 = c.strict("phA1"), A2 = c.strict("phA2");
        return (F2 * A1) / A2;
    });
    c.block("phF2", [&] {
        const Term F1 = c.strict("phF1"), A1 = c.strict("phA1"), A2 = c.strict("phA2");
        return (F1 * A2) / A1;
    });
    c.block("phA1", [&] {
        const Term F1 = c.strict("phF1"), F2 = c.strict("phF2"), A2 = c.strict("phA2");
        return (F1 * A2) / F2;
    });
    c.block("phA2", [&] {
        const Term F1 = c.strict("phF1"), F2 = c.strict("phF2"), A1 = c.strict("phA1");
        return (F2 * A1) / F1;
    });
}

// The isothermal gas on the same rows: P1.V1 = P2.V2, with the volumes in phF1 and phF2
// and the pressures in phA1 and phA2.
void isothermal(Calcular& c)
{
    c.block("phF1", [&] {
        const Term P2 = c.strict("phA2"), V2 = c.strict("phF2"), P1 = c.strict("phA1");
        return (P2 * V2) / P1;
    });
    c.block("phF2", [&] {
        const Term P1 = c.strict("phA1"), V1 = c.strict("phF1"), P2 = c.strict("phA2");
        return (P1 * V1) / P2;
    });
    c.block("phA1", [&] {
        const Term P2 = c.strict("phA2"), V2 = c.strict("phF2"), V1 = c.strict("phF1");
        return (P2 * V2) / V1;
    });
    c.block("phA2", [&] {
        const Term P1 = c.strict("phA1"), V1 = c.strict("phF1"), V2 = c.strict("phF2");
        return (P1 * V1) / V2;
    });
}

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Pressure: P = F / A (also A = i / o, n = c / v, p = m / L and i = Q / t for the areas
// that borrow the page).
void JLAqua13Click(Calcular& c)
{
    c.block("prP", [&] {
        const Term F = c.strict("prF"), A = c.strict("prA");
        return F / A;
    });
    c.block("prF", [&] {
        const Term P = c.strict("prP"), A = c.strict("prA");
        return P * A;
    });
    c.block("prA", [&] {
        const Term P = c.strict("prP"), F = c.strict("prF");
        return F / P;
    });
}

// Hydraulic press, unless the isothermal gas topic configured the page last.
void JLAqua14Click(Calcular& c)
{
    if (c.inMode(PageModes::isothermal))
        isothermal(c);
    else
        proportion(c);
}

// Absolute pressure: p = patm + d.g.h.
void JLAqua15Click(Calcular& c)
{
    c.block("paP", [&] {
        const Term patm = c.strict("paPatm"), d = c.strict("paD"), g = c.strict("paG"), h = c.strict("paH");
        return patm + ((d * g) * h);
    });
    c.block("paPatm", [&] {
        const Term p = c.strict("paP"), d = c.strict("paD"), g = c.strict("paG"), h = c.strict("paH");
        return p - ((d * h) * g);
    });
    c.block("paD", [&] {
        const Term p = c.strict("paP"), patm = c.strict("paPatm"), g = c.strict("paG"), h = c.strict("paH");
        return (p - patm) / (h * g);
    });
    c.block("paG", [&] {
        const Term p = c.strict("paP"), patm = c.strict("paPatm"), d = c.strict("paD"), h = c.strict("paH");
        return (p - patm) / (d * h);
    });
    c.block("paH", [&] {
        const Term p = c.strict("paP"), patm = c.strict("paPatm"), d = c.strict("paD"), g = c.strict("paG");
        return (p - patm) / (d * g);
    });
}

}
