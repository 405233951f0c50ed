#include "catalogue/Cinematica.h"

namespace Cinematica {

namespace {

// Each topic puts back what another topic of its page moved, showed or hid (the
// density, wave-period and electric-power topics borrow TabSheet3, 4 and 7), so a page
// reads the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel1", "Movimento Uniforme", "TabSheet2", "S = S₀ + V·t"},
    {"ButtonXPMACCorel6", "Velocidade Média", "TabSheet3", "Vm = Δs / Δt", [](PageEditor& p) {
        p.show({"Image4", "Image5", "Image6", "Image7"});
        p.caption("Label10", "Vm =   s");
        p.caption("Label54", "t", 130);
        p.caption("Label50", "m/s");
        p.caption("Label51", "m");
        p.caption("Label52", "s");
        p.caption("Label42", "Vm");
        p.caption("Label43", "s", 60);
        p.caption("Label44", "t", 60);
    }},
    {"ButtonXPMACCorel7", "Aceleração Escalar Média", "TabSheet4", "a = Δv / Δt", [](PageEditor& p) {
        p.hide({"Label109"});
        p.show({"Image12", "Image9", "Label80"});
        p.caption("Label63", "t", 114);
        p.caption("Label62", "a =   v");
        p.caption("Label47", "a");
        p.caption("Label53", "v");
        p.caption("Label58", "t", 60);
        p.caption("Label60", "m/s");
        p.caption("Label61", "s");
        p.width("Shape7", 33);
        p.left("Image11", 100);
        p.caption("Label59", "m/s");
    }},
    {"ButtonXPMACCorel8", "Função Horária da Velocidade (MUV)", "TabSheet5", "V = V₀ + a·t"},
    {"ButtonXPMACCorel9", "Torricelli", "TabSheet6", "V² = V₀² + 2·a·Δs"},
    {"ButtonXPMACCorel10", "Velocidade Circular", "TabSheet10", "V = w·R", [](PageEditor& p) {
        p.hide({"Image62", "Label138", "Label128", "Label137"});
        p.caption("Label123", "V = w . R");
        p.caption("Label125", "V");
        p.caption("Label126", "w");
        p.caption("Label127", "R");
        p.caption("Label135", "m/s");
        p.caption("Label134", "rad/s");
        p.caption("Label133", "m");
    }},
    {"ButtonXPMACCorel28", "Frequência", "TabSheet13", "ƒ = nº de voltas / Δt", [](PageEditor& p) {
        p.caption("Label158", "ƒ = nº de voltas");
        p.width("Shape16", 117);
        p.left("Image24", 136);
        p.left("Label159", 152);
        p.caption("Label159", "t");
        p.caption("Label168", "ƒ");
        p.caption("Label164", "Hz");
        p.caption("Label166", "");
        p.caption("Label169", "nº");
        p.caption("Label170", "t");
        p.caption("Label167", "s");
    }},
    {"ButtonXPMACCorel29", "Período", "TabSheet4", "T = Δt / nº de voltas", [](PageEditor& p) {
        p.show({"Label109"});
        p.hide({"Image12", "Image9", "Label80"});
        p.caption("Label63", "nº de voltas", 100);
        p.caption("Label62", "T =       t");
        p.caption("Label47", "T");
        p.caption("Label53", "t");
        p.caption("Label58", "nº", 52);
        p.caption("Label60", "s");
        p.caption("Label80", "2");
        p.caption("Label61", "");
        p.caption("Label59", "s");
        p.width("Shape7", 117);
        p.left("Image11", 135);
    }},
    {"ButtonXPMACCorel93", "Frequência para Período", "TabSheet34", "f = 1 / T", [](PageEditor& p) {
        p.caption("Label438", "f =  1");
        p.caption("Label441", "T");
        p.caption("Label443", "f");
        p.caption("Label445", "T");
        p.caption("Label452", "Hz");
        p.caption("Label451", "s");
    }},
    {"ButtonXPMACCorel30", "Velocidade Angular", "TabSheet1", "w = 2·π·f", [](PageEditor& p) {
        // The clearing of every field emptied the constant too.
        p.constant("Edit3", "3,1416");
    }},
    {"ButtonXPMACCorel31", "Aceleração Centrípeta", "TabSheet7", "ac = v² / R", [](PageEditor& p) {
        p.caption("Label9", "a =  v");
        p.show({"Label106", "Label108", "Label104"});
        p.hide({"Image85"});
        p.caption("Label19", "a");
        p.caption("Label21", "v");
        p.caption("Label103", "m/s");
        p.caption("Label93", "m/s");
        p.caption("Label105", "m");
    }},
    {"ButtonXPMACCorel95", "Altura Máxima", "TabSheet54", "h máx = V₀² / (2·g)"},
    {"ButtonXPMACCorel94", "Tempo da Altura Máxima (MQL)", "TabSheet53", "t = V₀ / g"},
};

const Solver solverTable[] = {
    {"JLAqua3", JLAqua3Click},
    {"JLAqua1", JLAqua1Click},
    {"JLAqua2", JLAqua2Click},
    {"JLAqua4", JLAqua4Click},
    {"JLAqua5", JLAqua5Click},
    {"JLAqua6", JLAqua6Click},
    {"JLAqua12", JLAqua12Click},
    {"JLAqua45", JLAqua45Click},
    {"JLAqua46", JLAqua46Click},
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
    }, {"eV", "eSS", "eST"});
    c.block("eST", [&] {
        const Term S = c.strict("eSS"), So = c.strict("eSSo"), V = c.tolerant("eV");
        return (S - So) / V;
    }, {"eV", "eSS", "eSSo"});
    c.block("eSS", [&] {
        const Term So = c.strict("eSSo"), t = c.strict("eST"), V = c.tolerant("eV");
        return (V * t) + So;
    }, {"eV", "eSSo", "eST"});
    c.block("eV", [&] {
        const Term S = c.strict("eSS"), So = c.strict("eSSo"), t = c.strict("eST");
        return (S - So) / t;
    }, {"eSS", "eSSo", "eST"});
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
        return (a * t) + Vo;
    }, {"muvVo", "muvA", "muvT"});
    c.block("muvA", [&] {
        const Term V = c.strict("muvV"), Vo = c.strict("muvVo"), t = c.tolerant("muvT");
        return (V - Vo) / t;
    }, {"muvV", "muvVo", "muvT"});
    c.block("muvVo", [&] {
        const Term V = c.strict("muvV"), a = c.strict("muvA"), t = c.tolerant("muvT");
        return V - (a * t);
    }, {"muvV", "muvA", "muvT"});
    c.block("muvT", [&] {
        const Term V = c.strict("muvV"), Vo = c.strict("muvVo"), a = c.strict("muvA");
        return (V - Vo) / a;
    }, {"muvV", "muvVo", "muvA"});
}

// Torricelli: V² = Vo² + 2.a.Δs (Δs read by the tolerant parser where it is an
// operand); only the positive root is given.
void JLAqua5Click(Calcular& c)
{
    c.block("tcV", [&] {
        const Term Vo = c.strict("tcVo"), a = c.strict("tcA"), ds = c.tolerant("tcDS");
        return sqrt((Vo * Vo) + ((a * two) * ds));
    });
    c.block("tcVo", [&] {
        const Term V = c.strict("tcV"), a = c.strict("tcA"), ds = c.tolerant("tcDS");
        return sqrt((V * V) - ((ds * two) * a));
    });
    c.block("tcA", [&] {
        const Term V = c.strict("tcV"), Vo = c.strict("tcVo"), ds = c.tolerant("tcDS");
        return ((V * V) - (Vo * Vo)) / (ds * two);
    });
    c.block("tcDS", [&] {
        const Term V = c.strict("tcV"), Vo = c.strict("tcVo"), a = c.strict("tcA");
        return ((V * V) - (Vo * Vo)) / (a * two);
    });
}

// Angular velocity: w = 2.π.f, with π the text of the constant field (3,1416 as shown,
// not a built-in π).
void JLAqua6Click(Calcular& c)
{
    c.block("vaw", [&] {
        const Term f = c.strict("vaf"), pi = c.strict("Edit3");
        return (pi * two) * f;
    });
    c.block("vaf", [&] {
        const Term w = c.strict("vaw"), pi = c.strict("Edit3");
        return w / (pi * two);
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
        return (Vo * Vo) / (g * two);
    });
    c.block("amv", [&] {
        const Term h = c.strict("amh"), g = c.strict("amg");
        return sqrt((g * two) * h);
    });
    c.block("amg", [&] {
        const Term h = c.strict("amh"), Vo = c.strict("amv");
        return (Vo * Vo) / (h * two);
    });
}

}
