#include "catalogue/Termologia.h"

#include "catalogue/Constants.h"
#include "catalogue/PageModes.h"

namespace Termologia {

namespace {

// The expansion topics on the sensible-heat page: ΔL = a.Lo.Δt, ΔS = B.So.Δt, ΔV = y.Vo.Δt.
// Without an exponent (the linear one) the unit exponents of the first and third rows,
// which the rows of the other two write, are hidden.
void expansion(PageEditor& p, bool exponents, const char* formula)
{
    p.show({"Image40", "Image42", "Label318"});
    if (exponents)
        p.show({"Label321", "Label322"});
    else
        p.hide({"Label321", "Label322"});
    p.caption("Label287", formula);
    p.left("Label289", 60);
    p.left("Label292", 60);
    p.show({"Label319", "Label320"});
}

// The two products this area shows on the second-law page (Q = m.L, C = m.c): no ohm
// picture, no subscript R, no exponent 2.
void secondLawProduct(PageEditor& p, const char* formula)
{
    p.hide({"Image62", "Label137"});
    p.caption("Label123", formula);
    p.hide({"Label138", "Label128"});
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

const Row celsiusFahrenheitRows[] = {
    {"ecfc", "C", "ºC", "temperatura Celsius", {{"Label20030", "C"}}, {{"Label20031", "ºC"}}},
    {"ecff", "F", "ºF", "temperatura Fahrenheit", {{"Label20032", "F"}}, {{"Label20033", "ºF"}}},
};

const Row celsiusKelvinRows[] = {
    {"eckc", "C", "ºC", "temperatura Celsius", {{"Label21030", "C"}}, {{"Label21031", "ºC"}}},
    {"eckk", "K", "K", "temperatura Kelvin", {{"Label21032", "K"}}, {{"Label21033", "K"}}},
};

const Row fahrenheitKelvinRows[] = {
    {"efkk", "K", "K", "temperatura Kelvin", {{"Label22030", "K"}}, {{"Label22031", "K"}}},
    {"efkf", "F", "ºF", "temperatura Fahrenheit", {{"Label22032", "F"}}, {{"Label22033", "ºF"}}},
};

const Row sensibleHeatRows[] = {
    {"csQ", "Q", "cal", "quantidade de calor", {{"Label289", "Q"}}, {{"Label300", "cal"}}},
    {"csM", "m", "g", "massa", {{"Label290", "m"}}, {{"Label299", "g"}}},
    {"csC", "c", "cal/(g·ºC)", "calor específico", {{"Label291", "c"}}, {{"Label298", "cal/g.ºC"}}},
    {"csT", "Δt", "ºC", "variação de temperatura", {picture("Image23020", "Δ"), {"Label292", "t"}}, {{"Label23030", "ºC"}}},
};

const Row specificHeatRows[] = {
    {"ceC", "c", "cal/(g·ºC)", "calor específico", {{"Label24030", "c"}}, {{"Label24031", "cal/g.ºC"}}},
    {"ceQ", "Q", "cal", "quantidade de calor", {{"Label24032", "Q"}}, {{"Label24033", "cal"}}},
    {"ceM", "m", "g", "massa", {{"Label24034", "m"}}, {{"Label24035", "g"}}},
    {"ceT", "Δt", "ºC", "variação de temperatura", {picture("Image24020", "Δ"), {"Label24036", "t"}}, {{"Label24037", "ºC"}}},
};

const Row latentHeatRows[] = {
    {"lnFR", "Q", "cal", "quantidade de calor", {{"Label125", "Q"}}, {{"Label135", "cal"}}},
    {"lnM", "m", "g", "massa", {{"Label126", "m"}}, {{"Label134", "g"}}},
    {"lnA", "L", "cal/g", "calor latente", {{"Label127", "L"}}, {{"Label133", "cal/g"}}},
};

const Row linearExpansionRows[] = {
    {"csQ", "ΔL", "m", "variação do comprimento", {picture("Image42", "Δ"), {"Label289", "L"}}, {{"Label300", "m"}}},
    {"csM", "a", "ºC⁻¹", "coeficiente de dilatação linear", {{"Label290", "a"}}, {{"Label318", "-1"}, {"Label299", "ºC"}}},
    {"csC", "L₀", "m", "comprimento inicial", {{"Label291", "Lo"}}, {{"Label298", "m"}}},
    {"csT", "Δt", "ºC", "variação de temperatura", {picture("Image23020", "Δ"), {"Label292", "t"}}, {{"Label23030", "ºC"}}},
};

const Row surfaceExpansionRows[] = {
    {"csQ", "ΔS", "m²", "variação da área", {picture("Image42", "Δ"), {"Label289", "S"}}, {{"Label321", "2"}, {"Label300", "m"}}},
    {"csM", "B", "ºC⁻¹", "coeficiente de dilatação superficial", {{"Label290", "B"}}, {{"Label318", "-1"}, {"Label299", "ºC"}}},
    {"csC", "S₀", "m²", "área inicial", {{"Label291", "So"}}, {{"Label322", "2"}, {"Label298", "m"}}},
    {"csT", "Δt", "ºC", "variação de temperatura", {picture("Image23020", "Δ"), {"Label292", "t"}}, {{"Label23030", "ºC"}}},
};

const Row volumeExpansionRows[] = {
    {"csQ", "ΔV", "m³", "variação do volume", {picture("Image42", "Δ"), {"Label289", "V"}}, {{"Label321", "3"}, {"Label300", "m"}}},
    {"csM", "y", "ºC⁻¹", "coeficiente de dilatação volumétrica", {{"Label290", "y"}}, {{"Label318", "-1"}, {"Label299", "ºC"}}},
    {"csC", "V₀", "m³", "volume inicial", {{"Label291", "Vo"}}, {{"Label322", "3"}, {"Label298", "m"}}},
    {"csT", "Δt", "ºC", "variação de temperatura", {picture("Image23020", "Δ"), {"Label292", "t"}}, {{"Label23030", "ºC"}}},
};

const Row clapeyronRows[] = {
    {"cP", "P", "atm", "pressão", {{"Label25030", "P"}}, {{"Label25031", "atm"}}},
    {"cV", "v", "L", "volume", {{"Label25032", "v"}}, {{"Label25033", "L"}}},
    {"cN", "n", "mol", "número de mols", {{"Label25034", "n"}}, {{"Label25035", "mol"}}},
    {"cR", "r", "atm·L/(mol·K)", "constante universal dos gases", {{"Label25036", "r"}}, {{"Label25037", "(constante)"}}},
    {"cT", "t", "K", "temperatura", {{"Label25038", "t"}}, {{"Label25039", "K"}}},
};

const Row isothermalRows[] = {
    {"phF1", "V₁", "L", "volume inicial", {{"Label197", "V"}, {"Label218", "1"}}, {{"Label205", "L"}}},
    {"phA1", "P₁", "atm", "pressão inicial", {{"Label198", "P"}, {"Label220", "1"}}, {{"Label204", "atm"}}},
    {"phF2", "V₂", "L", "volume final", {{"Label199", "V"}, {"Label219", "2"}}, {{"Label203", "L"}}},
    {"phA2", "P₂", "atm", "pressão final", {{"Label215", "P"}, {"Label221", "2"}}, {{"Label217", "atm"}}},
};

const Row isobaricRows[] = {
    {"phF1", "V₁", "L", "volume inicial", {{"Label197", "V"}, {"Label218", "1"}}, {{"Label205", "L"}}},
    {"phA1", "T₁", "K", "temperatura inicial", {{"Label198", "T"}, {"Label220", "1"}}, {{"Label204", "K"}}},
    {"phF2", "V₂", "L", "volume final", {{"Label199", "V"}, {"Label219", "2"}}, {{"Label203", "L"}}},
    {"phA2", "T₂", "K", "temperatura final", {{"Label215", "T"}, {"Label221", "2"}}, {{"Label217", "K"}}},
};

const Row isovolumetricRows[] = {
    {"phF1", "P₁", "atm", "pressão inicial", {{"Label197", "P"}, {"Label218", "1"}}, {{"Label205", "atm"}}},
    {"phA1", "T₁", "K", "temperatura inicial", {{"Label198", "T"}, {"Label220", "1"}}, {{"Label204", "K"}}},
    {"phF2", "P₂", "atm", "pressão final", {{"Label199", "p"}, {"Label219", "2"}}, {{"Label203", "atm"}}},
    {"phA2", "T₂", "K", "temperatura final", {{"Label215", "T"}, {"Label221", "2"}}, {{"Label217", "K"}}},
};

const Row firstLawRows[] = {
    {"ltp", "Q", "cal", "quantidade de calor", {{"Label27030", "Q"}}, {{"Label27031", "cal"}}},
    {"ltt", "T", "cal", "trabalho", {{"Label27032", "T"}}, {{"Label27033", "cal"}}},
    {"ltu", "ΔU", "cal", "variação da energia interna", {{"Label27034", "U"}}, {{"Label27035", "cal"}}},
};

const Row molecularEnergyRows[] = {
    {"ecmECM", "Ecm", "J", "energia cinética média", {{"Label28030", "E"}, {"Label28040", "cm"}}, {{"Label28031", "J"}}},
    {"ecmK", "k", "J/K", "constante de Boltzmann", {{"Label28032", "k"}}, {{"Label28033", "J/K"}}},
    {"ecmT", "T", "K", "temperatura", {{"Label28034", "T"}}, {{"Label28035", "K"}}},
};

const Row heatCapacityRows[] = {
    {"pP", "C", "cal/ºC", "capacidade térmica", {{"Label168", "C"}}, {{"Label164", "cal/ºC"}}},
    {"pT", "Q", "cal", "quantidade de calor", {{"Label169", "Q"}}, {{"Label166", "cal"}}},
    {"pdT", "ΔT", "ºC", "variação de temperatura", {picture("Image26", "Δ"), {"Label170", "T"}}, {{"Label167", "ºC"}}},
};

const Row heatCapacityFromMassRows[] = {
    {"lnFR", "C", "cal/ºC", "capacidade térmica", {{"Label125", "C"}}, {{"Label135", "cal/ºC"}}},
    {"lnM", "m", "g", "massa", {{"Label126", "m"}}, {{"Label134", "g"}}},
    {"lnA", "c", "cal/(g·ºC)", "calor específico", {{"Label127", "c"}}, {{"Label133", "cal/gºC"}}},
};

// The relations a book states as proportions, which the pages compute solved for the
// blank field; the working shows them first.
const char celsiusFahrenheitRelation[] = "C / 5 = (F − 32) / 9";
const char celsiusKelvinRelation[] = "C / 5 = (K − 273) / 5";
const char fahrenheitKelvinRelation[] = "(K − 273) / 5 = (F − 32) / 9";
const char clapeyronRelation[] = "P · v = n · r · t";

// Every topic sets all that another topic of its page changes (the expansions and the
// sensible heat share TabSheet23; Dinâmica's and other areas' topics relabel TabSheet10
// and TabSheet13), so a page reads the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel42", "Escalas de ºC para ºF", "TabSheet20", celsiusFahrenheitRelation, celsiusFahrenheitRows},
    {"ButtonXPMACCorel43", "Escalas de ºC para K", "TabSheet21", celsiusKelvinRelation, celsiusKelvinRows},
    {"ButtonXPMACCorel44", "Escalas de ºF para K", "TabSheet22", fahrenheitKelvinRelation, fahrenheitKelvinRows},
    {"ButtonXPMACCorel45", "Calor Sensível", "TabSheet23", "Q = m · c · Δt", sensibleHeatRows, [](PageEditor& p) {
        p.hide({"Image40", "Image42", "Label318", "Label321", "Label322"});
        p.caption("Label287", "Q = m . c .  t");
        p.left("Label289", 45);
        p.hide({"Label319", "Label320"});
    }},
    {"ButtonXPMACCorel46", "Calor Específico", "TabSheet24", "c = Q / (m · Δt)", specificHeatRows},
    {"ButtonXPMACCorel47", "Calor Latente", "TabSheet10", "Q = m · L", latentHeatRows, [](PageEditor& p) {
        secondLawProduct(p, "Q = m . L");
    }},
    {"ButtonXPMACCorel48", "Dilatação Linear", "TabSheet23", "ΔL = a · L₀ · Δt", linearExpansionRows, [](PageEditor& p) {
        expansion(p, false, "L = a . Lo .  t");
    }},
    {"ButtonXPMACCorel49", "Dilatação Superficial", "TabSheet23", "ΔS = B · S₀ · Δt", surfaceExpansionRows, [](PageEditor& p) {
        expansion(p, true, "S = B . So.  t");
    }},
    {"ButtonXPMACCorel50", "Dilatação Volumétrica", "TabSheet23", "ΔV = y · V₀ · Δt", volumeExpansionRows, [](PageEditor& p) {
        expansion(p, true, "V =  y. Vo.   t");
    }},
    {"ButtonXPMACCorel51", "Equação de Clayperon", "TabSheet25", clapeyronRelation, clapeyronRows},
    {"ButtonXPMACCorel52", "Transformação Isotérmica", "TabSheet17", "V₁ / V₂ = P₂ / P₁", isothermalRows, [](PageEditor& p) {
        p.hide({"Label206", "Label207"});
        p.caption("Label175", "V");
        p.caption("Label195", "V");
        p.caption("Label208", "P");
        p.caption("Label209", "P");
        p.caption("Label212", "2");
        p.caption("Label213", "1");
        // The page shows V1 / V2 = P2 / P1, so its solver computes P1.V1 = P2.V2 rather
        // than the press's proportion.
        p.mode(PageModes::isothermal);
    }},
    {"ButtonXPMACCorel53", "Transformação Isobárica", "TabSheet17", "V₁ / T₁ = V₂ / T₂", isobaricRows, [](PageEditor& p) {
        gasOverTemperature(p, "V");
    }},
    {"ButtonXPMACCorel54", "Transformação Isovolumétrica", "TabSheet17", "P₁ / T₁ = P₂ / T₂", isovolumetricRows, [](PageEditor& p) {
        gasOverTemperature(p, "P");
    }},
    {"ButtonXPMACCorel55", "1ª Lei da Termodinâmica", "TabSheet27", "Q = T + ΔU", firstLawRows},
    {"ButtonXPMACCorel56", "Energia Cinética Média das Moléculas", "TabSheet28", "Ecm = 3 · k · T / 2", molecularEnergyRows, [](PageEditor& p) {
        // The clearing of every field emptied the constant too.
        p.constant("ecmK", Constants::boltzmann);
    }},
    {"ButtonXPMACCorel96", "Capacidade Térmica 1", "TabSheet13", "C = Q / ΔT", heatCapacityRows, [](PageEditor& p) {
        p.width("Shape16", 33);
        p.left("Image24", 100);
        p.left("Label159", 116);
        p.caption("Label158", "C =  Q");
        p.caption("Label159", "T");
    }},
    {"ButtonXPMACCorel97", "Capacidade Térmica 2", "TabSheet10", "C = m · c", heatCapacityFromMassRows, [](PageEditor& p) {
        secondLawProduct(p, "C = m . c");
    }},
};

const Solver solverTable[] = {
    {"JLAqua16", "TabSheet20", JLAqua16Click},
    {"JLAqua17", "TabSheet21", JLAqua17Click},
    {"JLAqua18", "TabSheet22", JLAqua18Click},
    {"JLAqua19", "TabSheet23", JLAqua19Click},
    {"JLAqua20", "TabSheet24", JLAqua20Click},
    {"JLAqua21", "TabSheet25", JLAqua21Click},
    {"JLAqua23", "TabSheet27", JLAqua23Click},
    {"JLAqua24", "TabSheet28", JLAqua24Click},
};


}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Celsius and Fahrenheit: C / 5 = (F - 32) / 9.
void JLAqua16Click(Calcular& c)
{
    c.block("ecfc", [&] {
        const Term F = c.strict("ecff");
        c.textbook(celsiusFahrenheitRelation);
        return ((F - Number(32)) * Number(5)) / Number(9);
    });
    c.block("ecff", [&] {
        const Term C = c.strict("ecfc");
        c.textbook(celsiusFahrenheitRelation);
        return ((C * Number(9)) + Number(160)) / Number(5);
    });
}

// Celsius and Kelvin: C / 5 = (K - 273) / 5.
void JLAqua17Click(Calcular& c)
{
    c.block("eckc", [&] {
        const Term K = c.strict("eckk");
        c.textbook(celsiusKelvinRelation);
        return K - Number(273);
    });
    c.block("eckk", [&] {
        const Term C = c.strict("eckc");
        c.textbook(celsiusKelvinRelation);
        return C + Number(273);
    });
}

// Fahrenheit and Kelvin: (K - 273) / 5 = (F - 32) / 9, with 2297 = 9 x 273 - 5 x 32.
void JLAqua18Click(Calcular& c)
{
    c.block("efkk", [&] {
        const Term F = c.strict("efkf");
        c.textbook(fahrenheitKelvinRelation);
        return ((F * Number(5)) + Number(2297)) / Number(9);
    });
    c.block("efkf", [&] {
        const Term K = c.strict("efkk");
        c.textbook(fahrenheitKelvinRelation);
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
        c.textbook(clapeyronRelation);
        return ((n * r) * t) / v;
    });
    c.block("cV", [&] {
        const Term P = c.strict("cP"), n = c.strict("cN"), r = c.strict("cR"), t = c.strict("cT");
        c.textbook(clapeyronRelation);
        return ((n * r) * t) / P;
    });
    c.block("cN", [&] {
        const Term P = c.strict("cP"), v = c.strict("cV"), r = c.strict("cR"), t = c.strict("cT");
        c.textbook(clapeyronRelation);
        return (P * v) / (r * t);
    });
    c.block("cR", [&] {
        const Term P = c.strict("cP"), v = c.strict("cV"), n = c.strict("cN"), t = c.strict("cT");
        c.textbook(clapeyronRelation);
        return (P * v) / (n * t);
    });
    c.block("cT", [&] {
        const Term P = c.strict("cP"), v = c.strict("cV"), n = c.strict("cN"), r = c.strict("cR");
        c.textbook(clapeyronRelation);
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
        const Term T = c.strict("ecmT"), k = c.constant(Constants::boltzmann);
        return ((Number(3) * k) * T) / Number(2);
    });
    c.block("ecmT", [&] {
        const Term E = c.strict("ecmECM"), k = c.constant(Constants::boltzmann);
        return E / (k * Number(1.5L));
    });
}

}
