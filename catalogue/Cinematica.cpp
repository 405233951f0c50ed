#include "catalogue/Cinematica.h"

#include "catalogue/Constants.h"

namespace Cinematica {

namespace {

const Row uniformMotionRows[] = {
    {"eSS", "S", "m", "posição final", {{"Label2020", "S"}}, {{"Label2022", "m"}}},
    {"eSSo", "S₀", "m", "posição inicial", {{"Label2023", "S"}, {"Label2024", "o"}}, {{"Label2026", "m"}}},
    {"eV", "V", "m/s", "velocidade", {{"Label2027", "V"}}, {{"Label2029", "m/s"}}},
    {"eST", "t", "s", "tempo", {{"Label2030", "t"}}, {{"Label2032", "s"}}},
};

const Row meanVelocityRows[] = {
    {"eVm", "Vₘ", "m/s", "velocidade média", {{"Label42", "Vm"}}, {{"Label50", "m/s"}}},
    {"eDS", "Δs", "m", "deslocamento", {picture("Image6", "Δ"), {"Label43", "s"}}, {{"Label51", "m"}}},
    {"eDT", "Δt", "s", "intervalo de tempo", {picture("Image7", "Δ"), {"Label44", "t"}}, {{"Label52", "s"}}},
};

const Row meanAccelerationRows[] = {
    {"aeA", "a", "m/s²", "aceleração média", {{"Label47", "a"}}, {{"Label60", "m/s"}, {"Label80", "2"}}},
    {"aeDS", "Δv", "m/s", "variação da velocidade", {picture("Image4010", "Δ"), {"Label53", "v"}}, {{"Label59", "m/s"}}},
    {"aeDT", "Δt", "s", "intervalo de tempo", {picture("Image9", "Δ"), {"Label58", "t"}}, {{"Label61", "s"}}},
};

const Row acceleratedVelocityRows[] = {
    {"muvV", "V", "m/s", "velocidade final", {{"Label5013", "V"}}, {{"Label5015", "m/s"}}},
    {"muvVo", "V₀", "m/s", "velocidade inicial", {{"Label5016", "V"}, {"Label5017", "o"}}, {{"Label5019", "m/s"}}},
    {"muvA", "a", "m/s²", "aceleração", {{"Label5020", "a"}}, {{"Label5022", "m/s"}, {"Label5023", "2"}}},
    {"muvT", "t", "s", "tempo", {{"Label5024", "t"}}, {{"Label5026", "s"}}},
};

const Row torricelliRows[] = {
    {"tcV", "V", "m/s", "velocidade final", {{"Label6017", "V"}}, {{"Label6019", "m/s"}}},
    {"tcVo", "V₀", "m/s", "velocidade inicial", {{"Label6020", "V"}, {"Label6021", "o"}}, {{"Label6023", "m/s"}}},
    {"tcA", "a", "m/s²", "aceleração", {{"Label6024", "a"}}, {{"Label6026", "m/s"}, {"Label6027", "2"}}},
    {"tcDS", "Δs", "m", "deslocamento", {picture("Image6011", "Δ"), {"Label6028", "s"}}, {{"Label6030", "m"}}},
};

const Row circularVelocityRows[] = {
    {"lnFR", "V", "m/s", "velocidade linear", {{"Label125", "V"}}, {{"Label135", "m/s"}}},
    {"lnM", "w", "rad/s", "velocidade angular", {{"Label126", "w"}}, {{"Label134", "rad/s"}}},
    {"lnA", "R", "m", "raio", {{"Label127", "R"}}, {{"Label133", "m"}}},
};

const Row frequencyRows[] = {
    {"pP", "ƒ", "Hz", "frequência", {{"Label168", "ƒ"}}, {{"Label164", "Hz"}}},
    {"pT", "nº", "", "número de voltas", {{"Label169", "nº"}}, {{"Label166", ""}}},
    {"pdT", "Δt", "s", "intervalo de tempo", {picture("Image26", "Δ"), {"Label170", "t"}}, {{"Label167", "s"}}},
};

const Row periodRows[] = {
    {"aeA", "T", "s", "período", {{"Label47", "T"}}, {{"Label60", "s"}}},
    {"aeDS", "Δt", "s", "intervalo de tempo", {picture("Image4010", "Δ"), {"Label53", "t"}}, {{"Label59", "s"}}},
    {"aeDT", "nº", "", "número de voltas", {{"Label58", "nº"}}, {{"Label61", ""}}},
};

const Row frequencyToPeriodRows[] = {
    {"vlV", "f", "Hz", "frequência", {{"Label443", "f"}}, {{"Label452", "Hz"}}},
    {"vlf", "T", "s", "período", {{"Label445", "T"}}, {{"Label451", "s"}}},
};

const Row angularVelocityRows[] = {
    {"vaw", "w", "rad/s", "velocidade angular", {{"Label1011", "w"}}, {{"Label1013", "rad/s"}}},
    {"vaf", "f", "Hz", "frequência", {{"Label1014", "f"}}, {{"Label1016", "Hz"}}},
    {"Edit3", "π", "", "número pi", {picture("Image1011", "π")}, {}},
};

const Row centripetalRows[] = {
    {"acac", "ac", "m/s²", "aceleração centrípeta", {{"Label19", "a"}, {"Label108", "c"}}, {{"Label103", "m/s"}, {"Label104", "2"}}},
    {"acv", "v", "m/s", "velocidade", {{"Label21", "v"}}, {{"Label93", "m/s"}}},
    {"acr", "R", "m", "raio", {{"Label7014", "R"}}, {{"Label105", "m"}}},
};

const Row maximumHeightRows[] = {
    {"amh", "hₘₐₓ", "m", "altura máxima", {{"Label54016", "h"}}, {{"Label54018", "m"}}},
    {"amv", "V₀", "m/s", "velocidade inicial", {{"Label54019", "V"}, {"Label54020", "o"}}, {{"Label54022", "m/s"}}},
    {"amg", "g", "m/s²", "aceleração da gravidade", {{"Label54023", "g"}}, {{"Label54025", "m/s"}, {"Label54026", "2"}}},
};

const Row timeToTopRows[] = {
    {"tamt", "t", "s", "tempo de subida", {{"Label53015", "t"}}, {{"Label53017", "s"}}},
    {"tamv", "V₀", "m/s", "velocidade inicial", {{"Label53018", "V"}, {"Label53019", "o"}}, {{"Label53021", "m/s"}}},
    {"tamg", "g", "m/s²", "aceleração da gravidade", {{"Label53022", "g"}}, {{"Label53024", "m/s"}, {"Label53025", "2"}}},
};

// Torricelli's relation gives V², which the page computes solved for the blank field; the
// working shows it first.
const char torricelliRelation[] = "V² = V₀² + 2 · a · Δs";

// Each topic puts back what another topic of its page moved, showed or hid (the
// density, wave-period and electric-power topics borrow TabSheet3, 4 and 7), so a page
// reads the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel1", "Movimento Uniforme", "TabSheet2", "S = S₀ + V · t", uniformMotionRows},
    {"ButtonXPMACCorel6", "Velocidade Média", "TabSheet3", "Vₘ = Δs / Δt", meanVelocityRows, [](PageEditor& p) {
        p.show({"Image4", "Image5", "Image6", "Image7"});
        p.caption("Label10", "Vm =   s");
        p.caption("Label54", "t", 130);
        p.left("Label43", 60);
        p.left("Label44", 60);
    }},
    {"ButtonXPMACCorel7", "Aceleração Escalar Média", "TabSheet4", "a = Δv / Δt", meanAccelerationRows, [](PageEditor& p) {
        p.hide({"Label109"});
        p.show({"Image12", "Image9", "Label80"});
        p.caption("Label63", "t", 114);
        p.caption("Label62", "a =   v");
        p.left("Label58", 60);
        p.width("Shape7", 33);
        p.left("Image11", 100);
    }},
    {"ButtonXPMACCorel8", "Função Horária da Velocidade (MUV)", "TabSheet5", "V = V₀ + a · t", acceleratedVelocityRows},
    {"ButtonXPMACCorel9", "Torricelli", "TabSheet6", torricelliRelation, torricelliRows},
    {"ButtonXPMACCorel10", "Velocidade Circular", "TabSheet10", "V = w · R", circularVelocityRows, [](PageEditor& p) {
        p.hide({"Image62", "Label138", "Label128", "Label137"});
        p.caption("Label123", "V = w . R");
    }},
    {"ButtonXPMACCorel28", "Frequência", "TabSheet13", "ƒ = nº de voltas / Δt", frequencyRows, [](PageEditor& p) {
        p.caption("Label158", "ƒ = nº de voltas");
        p.width("Shape16", 117);
        p.left("Image24", 136);
        p.left("Label159", 152);
        p.caption("Label159", "t");
    }},
    {"ButtonXPMACCorel29", "Período", "TabSheet4", "T = Δt / nº de voltas", periodRows, [](PageEditor& p) {
        p.show({"Label109"});
        p.hide({"Image12", "Image9", "Label80"});
        p.caption("Label63", "nº de voltas", 100);
        p.caption("Label62", "T =       t");
        p.left("Label58", 52);
        p.caption("Label80", "2");
        p.width("Shape7", 117);
        p.left("Image11", 135);
    }},
    {"ButtonXPMACCorel93", "Frequência para Período", "TabSheet34", "f = 1 / T", frequencyToPeriodRows, [](PageEditor& p) {
        p.caption("Label438", "f =  1");
        p.caption("Label441", "T");
    }},
    {"ButtonXPMACCorel30", "Velocidade Angular", "TabSheet1", "w = 2 · π · f", angularVelocityRows, [](PageEditor& p) {
        // The clearing of every field emptied the constant too.
        p.constant("Edit3", Constants::pi);
    }},
    {"ButtonXPMACCorel31", "Aceleração Centrípeta", "TabSheet7", "ac = v² / R", centripetalRows, [](PageEditor& p) {
        p.caption("Label9", "a =  v");
        p.show({"Label106", "Label108", "Label104"});
        p.hide({"Image85"});
    }},
    {"ButtonXPMACCorel95", "Altura Máxima", "TabSheet54", "hₘₐₓ = V₀² / (2 · g)", maximumHeightRows},
    {"ButtonXPMACCorel94", "Tempo da Altura Máxima (MQL)", "TabSheet53", "t = V₀ / g", timeToTopRows},
};

const Solver solverTable[] = {
    {"JLAqua3", "TabSheet2", JLAqua3Click},
    {"JLAqua1", "TabSheet3", JLAqua1Click},
    {"JLAqua2", "TabSheet4", JLAqua2Click},
    {"JLAqua4", "TabSheet5", JLAqua4Click},
    {"JLAqua5", "TabSheet6", JLAqua5Click},
    {"JLAqua6", "TabSheet1", JLAqua6Click},
    {"JLAqua12", "TabSheet7", JLAqua12Click},
    {"JLAqua45", "TabSheet53", JLAqua45Click},
    {"JLAqua46", "TabSheet54", JLAqua46Click},
};

const Number two = Number(2);

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Uniform motion: S = So + V.t (V read by the tolerant parser).
void JLAqua3Click(Calcular& c)
{
    c.block("eSSo", [&] {
        const Term S = c.strict("eSS"), t = c.strict("eST"), V = c.tolerant("eV");
        return S - (V * t);
    }, Calcular::paintOperands);
    c.block("eST", [&] {
        const Term S = c.strict("eSS"), So = c.strict("eSSo"), V = c.tolerant("eV");
        return (S - So) / V;
    }, Calcular::paintOperands);
    c.block("eSS", [&] {
        const Term So = c.strict("eSSo"), t = c.strict("eST"), V = c.tolerant("eV");
        return So + (V * t);
    }, Calcular::paintOperands);
    c.block("eV", [&] {
        const Term S = c.strict("eSS"), So = c.strict("eSSo"), t = c.strict("eST");
        return (S - So) / t;
    }, Calcular::paintOperands);
}

// Mean velocity: Vm = Δs / Δt (also density, d = m / v).
void JLAqua1Click(Calcular& c)
{
    c.block("eVm", [&] {
        const Term dt = c.strict("eDT"), ds = c.strict("eDS");
        return ds / dt;
    });
    c.block("eDS", [&] {
        const Term Vm = c.strict("eVm"), dt = c.strict("eDT");
        return Vm * dt;
    });
    c.block("eDT", [&] {
        const Term Vm = c.strict("eVm"), ds = c.strict("eDS");
        return ds / Vm;
    });
}

// Mean scalar acceleration: a = Δv / Δt (also the period, T = Δt / nº de voltas).
void JLAqua2Click(Calcular& c)
{
    c.block("aeA", [&] {
        const Term dt = c.strict("aeDT"), dv = c.strict("aeDS");
        return dv / dt;
    });
    c.block("aeDS", [&] {
        const Term a = c.strict("aeA"), dt = c.strict("aeDT");
        return a * dt;
    });
    c.block("aeDT", [&] {
        const Term a = c.strict("aeA"), dv = c.strict("aeDS");
        return dv / a;
    });
}

// Velocity in uniformly accelerated motion: V = Vo + a.t (t read by the tolerant parser
// where it is an operand).
void JLAqua4Click(Calcular& c)
{
    c.block("muvV", [&] {
        const Term Vo = c.strict("muvVo"), a = c.strict("muvA"), t = c.tolerant("muvT");
        return Vo + (a * t);
    }, Calcular::paintOperands);
    c.block("muvA", [&] {
        const Term V = c.strict("muvV"), Vo = c.strict("muvVo"), t = c.tolerant("muvT");
        return (V - Vo) / t;
    }, Calcular::paintOperands);
    c.block("muvVo", [&] {
        const Term V = c.strict("muvV"), a = c.strict("muvA"), t = c.tolerant("muvT");
        return V - (a * t);
    }, Calcular::paintOperands);
    c.block("muvT", [&] {
        const Term V = c.strict("muvV"), Vo = c.strict("muvVo"), a = c.strict("muvA");
        return (V - Vo) / a;
    }, Calcular::paintOperands);
}

// Torricelli: V² = Vo² + 2.a.Δs (Δs read by the tolerant parser where it is an
// operand); only the positive root is given.
void JLAqua5Click(Calcular& c)
{
    c.block("tcV", [&] {
        const Term Vo = c.strict("tcVo"), a = c.strict("tcA"), ds = c.tolerant("tcDS");
        c.textbook(torricelliRelation);
        return sqrt((Vo * Vo) + ((two * a) * ds));
    });
    c.block("tcVo", [&] {
        const Term V = c.strict("tcV"), a = c.strict("tcA"), ds = c.tolerant("tcDS");
        c.textbook(torricelliRelation);
        return sqrt((V * V) - ((ds * two) * a));
    });
    c.block("tcA", [&] {
        const Term V = c.strict("tcV"), Vo = c.strict("tcVo"), ds = c.tolerant("tcDS");
        c.textbook(torricelliRelation);
        return ((V * V) - (Vo * Vo)) / (two * ds);
    });
    c.block("tcDS", [&] {
        const Term V = c.strict("tcV"), Vo = c.strict("tcVo"), a = c.strict("tcA");
        c.textbook(torricelliRelation);
        return ((V * V) - (Vo * Vo)) / (two * a);
    });
}

// Angular velocity: w = 2.π.f, with π the text of the constant field (3,1416 as shown,
// not a built-in π).
void JLAqua6Click(Calcular& c)
{
    c.block("vaw", [&] {
        const Term f = c.strict("vaf"), pi = c.strict("Edit3");
        return (two * pi) * f;
    });
    c.block("vaf", [&] {
        const Term w = c.strict("vaw"), pi = c.strict("Edit3");
        return w / (two * pi);
    });
}

// Centripetal acceleration: ac = v² / R (also electric power, P = u² / R).
void JLAqua12Click(Calcular& c)
{
    c.block("acac", [&] {
        const Term v = c.strict("acv"), R = c.strict("acr");
        return (v * v) / R;
    });
    c.block("acv", [&] {
        const Term ac = c.strict("acac"), R = c.strict("acr");
        return sqrt(ac * R);
    });
    c.block("acr", [&] {
        const Term ac = c.strict("acac"), v = c.strict("acv");
        return (v * v) / ac;
    });
}

// Time to the highest point of a vertical launch: t = Vo / g.
void JLAqua45Click(Calcular& c)
{
    c.block("tamt", [&] {
        const Term Vo = c.strict("tamv"), g = c.strict("tamg");
        return Vo / g;
    });
    c.block("tamv", [&] {
        const Term t = c.strict("tamt"), g = c.strict("tamg");
        return g * t;
    });
    c.block("tamg", [&] {
        const Term t = c.strict("tamt"), Vo = c.strict("tamv");
        return Vo / t;
    });
}

// Maximum height of a vertical launch: h = Vo² / 2g.
void JLAqua46Click(Calcular& c)
{
    c.block("amh", [&] {
        const Term Vo = c.strict("amv"), g = c.strict("amg");
        return (Vo * Vo) / (two * g);
    });
    c.block("amv", [&] {
        const Term h = c.strict("amh"), g = c.strict("amg");
        return sqrt((two * g) * h);
    });
    c.block("amg", [&] {
        const Term h = c.strict("amh"), Vo = c.strict("amv");
        return (Vo * Vo) / (two * h);
    });
}

}
