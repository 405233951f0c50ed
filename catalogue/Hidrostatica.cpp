#include "catalogue/Hidrostatica.h"

#include "catalogue/PageModes.h"

namespace Hidrostatica {

namespace {

// Each topic puts back what a topic of another area moved, showed or hid on its page
// (mean velocity, triple product, pressure, hydraulic press), so a page reads the same
// whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel36", "Massa Específica (Densidade)", "TabSheet3", "d = m / v", [](PageEditor& p) {
        p.hide({"Image4", "Image5", "Image6", "Image7"});
        p.caption("Label10", "d  =   m");
        p.caption("Label54", "v", 124);
        p.caption("Label50", "kg/m³");
        p.caption("Label51", "kg");
        p.caption("Label52", "m³");
        p.caption("Label42", "d");
        p.caption("Label43", "m", 45);
        p.caption("Label44", "v", 45);
    }},
    {"ButtonXPMACCorel37", "Pressão (Pascal)", "TabSheet16", "P = F / A", [](PageEditor& p) {
        p.hide({"Label406", "Label407"});
        p.show({"Label194", "Label118"});
        p.caption("Label120", "P = F");
        p.caption("Label119", "A");
        p.caption("Label178", "P");
        p.caption("Label180", "F");
        p.caption("Label181", "A");
        p.caption("Label193", "N/m");
        p.caption("Label192", "N");
        p.caption("Label191", "m");
    }},
    {"ButtonXPMACCorel38", "Empuxo (Arquimedes)", "TabSheet12", "E = d·g·v", [](PageEditor& p) {
        p.show({"Label698", "Label699", "Label110"});
        p.left("Label110", 228);
        p.show({"Label111"});
        p.hide({"Label703"});
        p.caption("Label141", "E = d . g . v");
        p.caption("Label143", "E");
        p.caption("Label149", "d");
        p.caption("Label152", "g");
        p.caption("Label157", "v");
        p.caption("Label155", "N");
        p.caption("Label154", "kg/m");
        p.caption("Label153", "m/s");
        p.caption("Label111", "m");
    }},
    {"ButtonXPMACCorel39", "Pressão Hidrostática", "TabSheet12", "P = d·g·h", [](PageEditor& p) {
        p.show({"Label698", "Label703", "Label110"});
        p.left("Label110", 228);
        p.show({"Label111"});
        p.hide({"Label699"});
        p.caption("Label141", "P = d . g . h");
        p.caption("Label143", "P");
        p.caption("Label149", "d");
        p.caption("Label152", "g");
        p.caption("Label157", "h");
        p.caption("Label155", "N/m");
        p.caption("Label154", "kg/m");
        p.caption("Label153", "m/s");
        p.caption("Label111", "m");
    }},
    {"ButtonXPMACCorel40", "Prensa Hidráulica", "TabSheet17", "F₁ / A₁ = F₂ / A₂", [](PageEditor& p) {
        p.show({"Label206", "Label207"});
        p.caption("Label175", "F");
        p.caption("Label195", "A");
        p.caption("Label208", "F");
        p.caption("Label209", "A");
        p.caption("Label212", "1");
        p.caption("Label213", "2");
        p.caption("Label197", "F");
        p.caption("Label198", "A");
        p.caption("Label199", "F");
        p.caption("Label215", "A");
        p.caption("Label205", "N");
        p.caption("Label204", "m");
        p.caption("Label203", "N");
        p.caption("Label217", "m");
    }},
    {"ButtonXPMACCorel41", "Pressão Absoluta", "TabSheet18", "p = p atm + d·g·h"},
};

const Solver solverTable[] = {
    {"JLAqua13", JLAqua13Click},
    {"JLAqua14", JLAqua14Click},
    {"JLAqua15", JLAqua15Click},
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
        return ((d * g) * h) + patm;
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
