#include "catalogue/Termologia.h"

#include "catalogue/PageModes.h"

namespace Termologia {

namespace {

// The expansion topics on the sensible-heat page: ΔL = a.Lo.Δt, ΔS = B.So.Δt, ΔV = y.Vo.Δt.
// Without an exponent (the linear one) the unit exponents of the first and third rows are hidden.
void expansion(PageEditor& p, const char* exponent, const char* formula, const char* symbol,
               const char* coefficient, const char* initial)
{
    p.show({"Image40", "Image42", "Label318"});
    if (exponent) {
        p.caption("Label321", exponent);
        p.caption("Label322", exponent);
        p.show({"Label321", "Label322"});
    } else {
        p.hide({"Label321", "Label322"});
    }
    p.caption("Label287", formula);
    p.left("Label289", 60);
    p.caption("Label289", symbol);
    p.caption("Label290", coefficient);
    p.caption("Label291", initial);
    p.caption("Label300", "m");
    p.caption("Label299", "ºC");
    p.caption("Label298", "m");
    p.left("Label292", 60);
    p.show({"Label319", "Label320"});
}

// The two products this area shows on the second-law page (Q = m.L, C = m.c): no ohm
// picture, no subscript R, no exponent 2.
void secondLawProduct(PageEditor& p, const char* formula, const char* s1, const char* s2, const char* s3,
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

// The row symbols and units the gases write on the hydraulic-press page; each symbol
// keeps its fixed subscript (1, 1, 2, 2).
void gasRows(PageEditor& p, const char* v1, const char* a1, const char* v2, const char* a2, const char* u1,
             const char* u2, const char* u3, const char* u4)
{
    p.caption("Label197", v1);
    p.caption("Label198", a1);
    p.caption("Label199", v2);
    p.caption("Label215", a2);
    p.caption("Label205", u1);
    p.caption("Label204", u2);
    p.caption("Label203", u3);
    p.caption("Label217", u4);
}

// The formula of the isobaric and isovolumetric gases: V1 / T1 = V2 / T2 or P1 / T1 = P2 / T2.
void gasOverTemperature(PageEditor& p, const char* numerator)
{
    p.hide({"Label206", "Label207"});
    p.caption("Label212", "1");
    p.caption("Label213", "2");
    p.caption("Label175", numerator);
    p.caption("Label195", "T");
    p.caption("Label208", numerator);
    p.caption("Label209", "T");
}

// Every topic sets all that another topic of its page changes (the expansions and the
// sensible heat share TabSheet23; Dinâmica's and other areas' topics relabel TabSheet10
// and TabSheet13), so a page reads the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel42", "Escalas de ºC para ºF", "TabSheet20", "C / 5 = (F − 32) / 9"},
    {"ButtonXPMACCorel43", "Escalas de ºC para K", "TabSheet21", "C / 5 = (K − 273) / 5"},
    {"ButtonXPMACCorel44", "Escalas de ºF para K", "TabSheet22", "(K − 273) / 5 = (F − 32) / 9"},
    {"ButtonXPMACCorel45", "Calor Sensível", "TabSheet23", "Q = m·c·Δt", [](PageEditor& p) {
        p.hide({"Image40", "Image42", "Label318", "Label321", "Label322"});
        p.caption("Label287", "Q = m . c .  t");
        p.left("Label289", 45);
        p.caption("Label289", "Q");
        p.caption("Label290", "m");
        p.caption("Label291", "c");
        p.caption("Label300", "cal");
        p.caption("Label299", "g");
        p.caption("Label298", "cal/g.ºC");
        p.hide({"Label319", "Label320"});
    }},
    {"ButtonXPMACCorel46", "Calor Específico", "TabSheet24", "c = Q / (m·Δt)"},
    {"ButtonXPMACCorel47", "Calor Latente", "TabSheet10", "Q = m·L", [](PageEditor& p) {
        secondLawProduct(p, "Q = m . L", "Q", "m", "L", "cal", "g", "cal/g");
    }},
    {"ButtonXPMACCorel48", "Dilatação Linear", "TabSheet23", "ΔL = a·L₀·Δt", [](PageEditor& p) {
        expansion(p, nullptr, "L = a . Lo .  t", "L", "a", "Lo");
    }},
    {"ButtonXPMACCorel49", "Dilatação Superficial", "TabSheet23", "ΔS = B·S₀·Δt", [](PageEditor& p) {
        expansion(p, "2", "S = B . So.  t", "S", "B", "So");
    }},
    {"ButtonXPMACCorel50", "Dilatação Volumétrica", "TabSheet23", "ΔV = y·V₀·Δt", [](PageEditor& p) {
        expansion(p, "3", "V =  y. Vo.   t", "V", "y", "Vo");
    }},
    {"ButtonXPMACCorel51", "Equação de Clayperon", "TabSheet25", "P·v = n·r·t"},
    {"ButtonXPMACCorel52", "Transformação Isotérmica", "TabSheet17", "V₁ / V₂ = P₂ / P₁", [](PageEditor& p) {
        p.hide({"Label206", "Label207"});
        p.caption("Label175", "V");
        p.caption("Label195", "V");
        p.caption("Label208", "P");
        p.caption("Label209", "P");
        p.caption("Label212", "2");
        p.caption("Label213", "1");
        gasRows(p, "V", "P", "V", "P", "L", "atm", "L", "atm");
        // The page shows V1 / V2 = P2 / P1, so its solver computes P1.V1 = P2.V2 rather
        // than the press's proportion.
        p.mode(PageModes::isothermal);
    }},
    {"ButtonXPMACCorel53", "Transformação Isobárica", "TabSheet17", "V₁ / T₁ = V₂ / T₂", [](PageEditor& p) {
        gasOverTemperature(p, "V");
        gasRows(p, "V", "T", "V", "T", "L", "K", "L", "K");
    }},
    {"ButtonXPMACCorel54", "Transformação Isovolumétrica", "TabSheet17", "P₁ / T₁ = P₂ / T₂", [](PageEditor& p) {
        gasOverTemperature(p, "P");
        gasRows(p, "P", "T", "p", "T", "atm", "K", "atm", "K");
    }},
    {"ButtonXPMACCorel55", "1ª Lei da Termodinâmica", "TabSheet27", "Q = T + ΔU"},
    {"ButtonXPMACCorel56", "Energia Cinética Média das Moléculas", "TabSheet28", "Ecm = 3·k·T / 2", [](PageEditor& p) {
        // The clearing of every field emptied the constant too.
        p.constant("ecmK", "1,38*10E-23");
    }},
    {"ButtonXPMACCorel96", "Capacidade Térmica 1", "TabSheet13", "C = Q / ΔT", [](PageEditor& p) {
        p.width("Shape16", 33);
        p.left("Image24", 100);
        p.left("Label159", 116);
        p.caption("Label158", "C =  Q");
        p.caption("Label159", "T");
        p.caption("Label168", "C");
        p.caption("Label164", "cal/ºC");
        p.caption("Label166", "cal");
        p.caption("Label169", "Q");
        p.caption("Label170", "T");
        p.caption("Label167", "ºC");
    }},
    {"ButtonXPMACCorel97", "Capacidade Térmica 2", "TabSheet10", "C = m·c", [](PageEditor& p) {
        secondLawProduct(p, "C = m . c", "C", "m", "c", "cal/ºC", "g", "cal/gºC");
    }},
};

const Solver solverTable[] = {
    {"JLAqua16", JLAqua16Click},
    {"JLAqua17", JLAqua17Click},
    {"JLAqua18", JLAqua18Click},
    {"JLAqua19", JLAqua19Click},
    {"JLAqua20", JLAqua20Click},
    {"JLAqua21", JLAqua21Click},
    {"JLAqua23", JLAqua23Click},
    {"JLAqua24", JLAqua24Click},
};

// Boltzmann's constant, 1,38 x 10^-23 J/K, held as text like a typed value. The solver
// never reads the constant field: that one only shows it.
constexpr char boltzmann[] = "0,0000000000000000000000138";

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Celsius and Fahrenheit: C / 5 = (F - 32) / 9.
void JLAqua16Click(Calcular& c)
{
    c.block("ecfc", [&] {
        const Term F = c.strict("ecff");
        return ((F - Number(32)) * Number(5)) / Number(9);
    });
    c.block("ecff", [&] {
        const Term C = c.strict("ecfc");
        return ((C * Number(9)) + Number(160)) / Number(5);
    });
}

// Celsius and Kelvin: C / 5 = (K - 273) / 5.
void JLAqua17Click(Calcular& c)
{
    c.block("eckc", [&] {
        const Term K = c.strict("eckk");
        return K - Number(273);
    });
    c.block("eckk", [&] {
        const Term C = c.strict("eckc");
        return C + Number(273);
    });
}

// Fahrenheit and Kelvin: (K - 273) / 5 = (F - 32) / 9, with 2297 = 9 x 273 - 5 x 32.
void JLAqua18Click(Calcular& c)
{
    c.block("efkk", [&] {
        const Term F = c.strict("efkf");
        return ((F * Number(5)) + Number(2297)) / Number(9);
    });
    c.block("efkf", [&] {
        const Term K = c.strict("efkk");
        return ((K * Number(9)) - Number(2297)) / Number(5);
    });
}

// Sensible heat: Q = m.c.Δt. The expansion topics read the same fields as ΔL = a.Lo.Δt
// (and ΔS, ΔV), so the solver reads no label.
void JLAqua19Click(Calcular& c)
{
    c.block("csQ", [&] {
        const Term m = c.strict("csM"), cs = c.strict("csC"), dt = c.strict("csT");
        return (m * cs) * dt;
    });
    c.block("csM", [&] {
        const Term Q = c.strict("csQ"), cs = c.strict("csC"), dt = c.strict("csT");
        return Q / (cs * dt);
    });
    c.block("csC", [&] {
        const Term Q = c.strict("csQ"), m = c.strict("csM"), dt = c.strict("csT");
        return Q / (m * dt);
    });
    c.block("csT", [&] {
        const Term Q = c.strict("csQ"), m = c.strict("csM"), cs = c.strict("csC");
        return Q / (m * cs);
    });
}

// Specific heat: c = Q / (m.Δt).
void JLAqua20Click(Calcular& c)
{
    c.block("ceC", [&] {
        const Term Q = c.strict("ceQ"), m = c.strict("ceM"), dt = c.strict("ceT");
        return Q / (m * dt);
    });
    c.block("ceQ", [&] {
        const Term ce = c.strict("ceC"), m = c.strict("ceM"), dt = c.strict("ceT");
        return (m * dt) * ce;
    });
    c.block("ceM", [&] {
        const Term ce = c.strict("ceC"), Q = c.strict("ceQ"), dt = c.strict("ceT");
        return Q / (ce * dt);
    });
    c.block("ceT", [&] {
        const Term ce = c.strict("ceC"), Q = c.strict("ceQ"), m = c.strict("ceM");
        return Q / (m * ce);
    });
}

// Clapeyron: P.v = n.r.t, with the gas constant r typed by the student.
void JLAqua21Click(Calcular& c)
{
    c.block("cP", [&] {
        const Term v = c.strict("cV"), n = c.strict("cN"), r = c.strict("cR"), t = c.strict("cT");
        return ((n * r) * t) / v;
    });
    c.block("cV", [&] {
        const Term P = c.strict("cP"), n = c.strict("cN"), r = c.strict("cR"), t = c.strict("cT");
        return ((n * r) * t) / P;
    });
    c.block("cN", [&] {
        const Term P = c.strict("cP"), v = c.strict("cV"), r = c.strict("cR"), t = c.strict("cT");
        return (P * v) / (r * t);
    });
    c.block("cR", [&] {
        const Term P = c.strict("cP"), v = c.strict("cV"), n = c.strict("cN"), t = c.strict("cT");
        return (P * v) / (n * t);
    });
    c.block("cT", [&] {
        const Term P = c.strict("cP"), v = c.strict("cV"), n = c.strict("cN"), r = c.strict("cR");
        return (P * v) / (n * r);
    });
}

// First law of thermodynamics: Q = T + ΔU.
void JLAqua23Click(Calcular& c)
{
    c.block("ltp", [&] {
        const Term T = c.strict("ltt"), dU = c.strict("ltu");
        return T + dU;
    });
    c.block("ltt", [&] {
        const Term Q = c.strict("ltp"), dU = c.strict("ltu");
        return Q - dU;
    });
    c.block("ltu", [&] {
        const Term Q = c.strict("ltp"), T = c.strict("ltt");
        return Q - T;
    });
}

// Mean kinetic energy of the molecules: Ecm = 3.k.T / 2; the constants are converted at
// each use, in the student's locale.
void JLAqua24Click(Calcular& c)
{
    c.block("ecmECM", [&] {
        const Term T = c.strict("ecmT");
        const Term k = c.constant("k", boltzmann);
        return ((k * Number(3)) * T) / Number(2);
    });
    c.block("ecmT", [&] {
        const Term E = c.strict("ecmECM");
        const Term h = c.constant("1,5"), k = c.constant("k", boltzmann);
        return E / (k * h);
    });
}

}
