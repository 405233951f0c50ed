#include "catalogue/Dinamica.h"

namespace Dinamica {

namespace {

const Row secondLawRows[] = {
    {"lnFR", "F", "N", "força resultante", {{"Label125", "F"}, {"Label138", "R"}}, {{"Label135", "N"}}},
    {"lnM", "m", "kg", "massa", {{"Label126", "m"}}, {{"Label134", "kg"}}},
    {"lnA", "a", "m/s²", "aceleração", {{"Label127", "a"}}, {{"Label133", "m/s"}, {"Label128", "2"}}},
};

const Row weightRows[] = {
    {"fpP", "P", "N", "peso", {{"tv1", "P"}}, {{"tg1", "N"}}},
    {"fpM", "m", "kg", "massa", {{"tv2", "m"}}, {{"tg2", "kg"}}},
    {"fpG", "g", "m/s²", "aceleração da gravidade", {{"tv3", "g"}}, {{"tg3", "m/s"}, {"Label151", "2"}}},
};

const Row torqueRows[] = {
    {"fpP", "M", "N·m", "momento da força", {{"tv1", "M"}}, {{"tg1", "N/m"}}},
    {"fpM", "F", "N", "força", {{"tv2", "F"}}, {{"tg2", "N"}}},
    {"fpG", "d", "m", "distância ao eixo", {{"tv3", "d"}}, {{"tg3", "m"}}},
};

const Row frictionRows[] = {
    {"fpP", "ƒ", "N", "força de atrito", {{"tv1", "ƒ"}}, {{"tg1", "N"}}},
    {"fpM", "µ", "", "coeficiente de atrito", {{"tv2", "µ"}}, {{"tg2", ""}}},
    {"fpG", "N", "N", "força normal", {{"tv3", "N"}}, {{"tg3", "N"}}},
};

const Row inclineYRows[] = {
    {"fpP", "Py", "N", "componente normal do peso", {{"tv1", "Py"}}, {{"tg1", "N"}}},
    {"fpM", "P", "N", "peso", {{"tv2", "P"}}, {{"tg2", "N"}}},
    {"fpG", "cos a", "", "cosseno do ângulo do plano", {{"tv3", "cos a"}}, {{"tg3", ""}}},
};

const Row inclineXRows[] = {
    {"fpP", "Px", "N", "componente do peso ao longo do plano", {{"tv1", "Px"}}, {{"tg1", "N"}}},
    {"fpM", "P", "N", "peso", {{"tv2", "P"}}, {{"tg2", "N"}}},
    {"fpG", "sen a", "", "seno do ângulo do plano", {{"tv3", "sen a"}}, {{"tg3", ""}}},
};

const Row workRows[] = {
    {"fpP", "T", "J", "trabalho", {{"tv1", "T"}}, {{"tg1", "J"}}},
    {"fpM", "F", "N", "força", {{"tv2", "F"}}, {{"tg2", "N"}}},
    {"fpG", "d", "m", "deslocamento", {{"tv3", "d"}}, {{"tg3", "m"}}},
};

const Row inclinedWorkRows[] = {
    {"tiT", "T", "J", "trabalho", {{"Label143", "T"}}, {{"Label155", "J"}}},
    {"tiF", "F", "N", "força", {{"Label149", "F"}}, {{"Label154", "N"}}},
    {"tiD", "d", "m", "deslocamento", {{"Label152", "d"}}, {{"Label153", "m"}}},
    {"tiCos", "cos a", "", "cosseno do ângulo", {{"Label157", "cos"}}, {}},
};

const Row powerRows[] = {
    {"pP", "P", "W", "potência", {{"Label168", "P"}}, {{"Label164", "watts"}}},
    {"pT", "T", "J", "trabalho", {{"Label169", "T"}}, {{"Label166", "J"}}},
    {"pdT", "Δt", "s", "intervalo de tempo", {picture("Image26", "Δ"), {"Label170", "t"}}, {{"Label167", "s"}}},
};

const Row powerFromSpeedRows[] = {
    {"fpP", "P", "W", "potência", {{"tv1", "P"}}, {{"tg1", "watts"}}},
    {"fpM", "F", "N", "força", {{"tv2", "F"}}, {{"tg2", "N"}}},
    {"fpG", "v", "m/s", "velocidade", {{"tv3", "v"}}, {{"tg3", "m/s"}}},
};

const Row kineticEnergyRows[] = {
    {"ecEC", "Ec", "J", "energia cinética", {{"Label176", "Ec"}}, {{"Label188", "J"}}},
    {"ecM", "m", "kg", "massa", {{"Label177", "m"}}, {{"Label187", "kg"}}},
    {"ecV", "v", "m/s", "velocidade", {{"Label179", "v"}}, {{"Label186", "m/s"}}},
};

const Row elasticEnergyRows[] = {
    {"ecEC", "Epe", "J", "energia potencial elástica", {{"Label176", "E"}, {"ePE", "PE"}}, {{"Label188", "J"}}},
    {"ecM", "k", "N/m", "constante elástica", {{"Label177", "k"}}, {{"Label187", "N/m"}}},
    {"ecV", "x", "m", "deformação", {{"Label179", "x"}}, {{"Label186", "m"}}},
};

const Row gravitationalEnergyRows[] = {
    {"tiT", "Epg", "J", "energia potencial gravitacional", {{"Label143", "Epg"}}, {{"Label155", "J"}}},
    {"tiF", "m", "kg", "massa", {{"Label149", "m"}}, {{"Label154", "kg"}}},
    {"tiD", "g", "m/s²", "aceleração da gravidade", {{"Label152", "g"}}, {{"Label153", "m/s"}, {"Label110", "2"}}},
    {"tiCos", "h", "m", "altura", {{"Label157", "h"}}, {{"Label111", "m"}}},
};

const Row hookeRows[] = {
    {"fpP", "F", "N", "força elástica", {{"tv1", "F"}}, {{"tg1", "N"}}},
    {"fpM", "k", "N/m", "constante elástica", {{"tv2", "k"}}, {{"tg2", "N/m"}}},
    {"fpG", "x", "m", "deformação", {{"tv3", "x"}}, {{"tg3", "m"}}},
};

const Row momentumRows[] = {
    {"fpP", "Q", "kg·m/s", "quantidade de movimento", {{"tv1", "Q"}}, {{"tg1", "kg.m/s"}}},
    {"fpM", "m", "kg", "massa", {{"tv2", "m"}}, {{"tg2", "kg"}}},
    {"fpG", "v", "m/s", "velocidade", {{"tv3", "v"}}, {{"tg3", "m/s"}}},
};

const Row impulseRows[] = {
    {"fpP", "I", "N·s", "impulso", {{"tv1", "I"}}, {{"tg1", "N.s"}}},
    {"fpM", "F", "N", "força", {{"tv2", "F"}}, {{"tg2", "N"}}},
    {"fpG", "Δt", "s", "intervalo de tempo", {picture("Image28", "Δ"), {"tv3", "  t"}}, {{"tg3", "s"}}},
};

// Each topic puts back what another topic of its page moved, showed or hid, so a page
// reads the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel11", "2ª Lei de Newton", "TabSheet10", "F = m · a", secondLawRows, [](PageEditor& p) {
        p.hide({"Image62"});
        p.show({"Label137", "Label138", "Label128"});
        p.caption("Label123", "F = m . a");
    }},
    {"ButtonXPMACCorel12", "Força Peso", "TabSheet11", "P = m · g", weightRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy"});
        p.left("tv3", 44);
        p.show({"Label151"});
        p.caption("lTorque", "P = m.g");
    }},
    {"ButtonXPMACCorel13", "Torque", "TabSheet11", "M = F · d", torqueRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        p.caption("lTorque", "M = F.d");
    }},
    {"ButtonXPMACCorel14", "Força de Atrito", "TabSheet11", "ƒ = µ · N", frictionRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        p.caption("lTorque", "ƒ = µ.N");
    }},
    {"ButtonXPMACCorel15", "Plano Inclinado y", "TabSheet11", "Py = P · cos a", inclineYRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "Label151"});
        p.left("tv3", 44);
        p.caption("lxy", "y");
        p.show({"lxy"});
        p.caption("lTorque", "P = P.cos a");
    }},
    {"ButtonXPMACCorel16", "Plano Inclinado x", "TabSheet11", "Px = P · sen a", inclineXRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "Label151"});
        p.left("tv3", 44);
        p.caption("lxy", "x");
        p.show({"lxy"});
        p.caption("lTorque", "P = P.sen a");
    }},
    {"ButtonXPMACCorel23", "Trabalho", "TabSheet11", "T = F · d", workRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "Label151"});
        p.left("tv3", 44);
        p.caption("lxy", "x");
        p.hide({"lxy"});
        p.caption("lTorque", "T = F.d");
    }},
    {"ButtonXPMACCorel24", "Trabalho Inclinado", "TabSheet12", "T = F · d · cos a", inclinedWorkRows, [](PageEditor& p) {
        p.hide({"Label698", "Label699", "Label703", "Label110", "Label111"});
        p.left("Label110", 212);
        p.caption("Label141", "T = F.d.cos a");
        p.caption("Label111", "m");
    }},
    {"ButtonXPMACCorel25", "Potência I", "TabSheet13", "P = T / Δt", powerRows, [](PageEditor& p) {
        p.width("Shape16", 33);
        p.left("Image24", 100);
        p.left("Label159", 116);
        p.caption("Label158", "P =  T");
        p.caption("Label159", "t");
    }},
    {"ButtonXPMACCorel26", "Potência II", "TabSheet11", "P = F · v", powerFromSpeedRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        p.caption("lTorque", "P = F.v");
    }},
    {"ButtonXPMACCorel27", "Energia Cinética", "TabSheet14", "Ec = m · v² / 2", kineticEnergyRows, [](PageEditor& p) {
        p.hide({"ePE2", "ePE"});
        p.caption("Label172", "Ec = m.v");
    }},
    {"ButtonXPMACCorel2", "Energia Potencial Elástica", "TabSheet14", "Epe = k · x² / 2", elasticEnergyRows, [](PageEditor& p) {
        p.show({"ePE2", "ePE"});
        p.caption("Label172", "E  =  k.x");
    }},
    {"ButtonXPMACCorel32", "Energia Potencial Gravitacional", "TabSheet12", "Epg = m · g · h", gravitationalEnergyRows, [](PageEditor& p) {
        p.hide({"Label698", "Label699", "Label703"});
        p.show({"Label110", "Label111"});
        p.left("Label110", 228);
        p.caption("Label141", "Epg = m . g. h");
    }},
    {"ButtonXPMACCorel33", "Lei de Hooke", "TabSheet11", "F = k · x", hookeRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        p.caption("lTorque", "F = k.x");
    }},
    {"ButtonXPMACCorel34", "Quantidade de Movimento", "TabSheet11", "Q = m · v", momentumRows, [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        p.caption("lTorque", "Q = m.v");
    }},
    {"ButtonXPMACCorel35", "Impulso de uma Força", "TabSheet11", "I = F · Δt", impulseRows, [](PageEditor& p) {
        // The blanks of "I = F.   t" and "  t" leave room for the two delta pictures: I = F.Δt.
        p.show({"Image18", "Image28"});
        p.hide({"lxy", "Label151"});
        p.left("tv3", 48);
        p.caption("lTorque", "I = F.   t");
    }},
};

const Solver solverTable[] = {
    {"JLAqua7", "TabSheet10", JLAqua7Click},
    {"JLAqua8", "TabSheet11", JLAqua8Click},
    {"JLAqua9", "TabSheet12", JLAqua9Click},
    {"JLAqua10", "TabSheet13", JLAqua10Click},
    {"JLAqua11", "TabSheet14", JLAqua11Click},
};

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Second law: F = m.a. Borrowed by other areas for every X = Y.Z they show here.
void JLAqua7Click(Calcular& c)
{
    c.block("lnFR", [&] {
        const Term a = c.strict("lnA"), m = c.strict("lnM");
        return m * a;
    }, Calcular::paintOperands);
    c.block("lnM", [&] {
        const Term F = c.strict("lnFR"), a = c.strict("lnA");
        return F / a;
    }, Calcular::paintOperands);
    c.block("lnA", [&] {
        const Term F = c.strict("lnFR"), m = c.strict("lnM");
        return F / m;
    }, Calcular::paintOperands);
}

// Product page: first field = second x third, whatever the topic calls them (P = m.g, M = F.d, ...).
void JLAqua8Click(Calcular& c)
{
    c.block("fpP", [&] {
        const Term g = c.strict("fpG"), m = c.strict("fpM");
        return m * g;
    }, Calcular::paintOperands);
    c.block("fpM", [&] {
        const Term P = c.strict("fpP"), g = c.strict("fpG");
        return P / g;
    }, Calcular::paintOperands);
    c.block("fpG", [&] {
        const Term P = c.strict("fpP"), m = c.strict("fpM");
        return P / m;
    }, Calcular::paintOperands);
}

// Triple product: T = F.d.cos a, where tiCos holds the cosine itself (or the height of Epg = m.g.h).
void JLAqua9Click(Calcular& c)
{
    c.block("tiT", [&] {
        const Term F = c.strict("tiF"), d = c.strict("tiD"), cos = c.strict("tiCos");
        return (F * d) * cos;
    }, Calcular::paintOperands);
    c.block("tiF", [&] {
        const Term T = c.strict("tiT"), d = c.strict("tiD"), cos = c.strict("tiCos");
        return T / (d * cos);
    }, Calcular::paintOperands);
    c.block("tiD", [&] {
        const Term T = c.strict("tiT"), F = c.strict("tiF"), cos = c.strict("tiCos");
        return T / (F * cos);
    }, Calcular::paintOperands);
    c.block("tiCos", [&] {
        const Term T = c.strict("tiT"), F = c.strict("tiF"), d = c.strict("tiD");
        return T / (F * d);
    }, Calcular::paintOperands);
}

// Power: P = T / Δt.
void JLAqua10Click(Calcular& c)
{
    c.block("pP", [&] {
        const Term T = c.strict("pT"), dt = c.strict("pdT");
        return T / dt;
    }, Calcular::paintOperands);
    c.block("pT", [&] {
        const Term P = c.strict("pP"), dt = c.strict("pdT");
        return P * dt;
    }, Calcular::paintOperands);
    c.block("pdT", [&] {
        const Term P = c.strict("pP"), T = c.strict("pT");
        return T / P;
    }, Calcular::paintOperands);
}

// Kinetic energy: Ec = m.v² / 2; the elastic topic reads the same arithmetic as E = k.x² / 2.
void JLAqua11Click(Calcular& c)
{
    c.block("ecEC", [&] {
        const Term m = c.strict("ecM"), v = c.strict("ecV");
        return (m * (v * v)) / Number(2);
    }, Calcular::paintOperands);
    c.block("ecM", [&] {
        const Term Ec = c.strict("ecEC"), v = c.strict("ecV");
        return (Number(2) * Ec) / (v * v);
    }, Calcular::paintOperands);
    // Only the positive root.
    c.block("ecV", [&] {
        const Term Ec = c.strict("ecEC"), m = c.strict("ecM");
        return sqrt((Number(2) * Ec) / m);
    }, Calcular::paintOperands);
}

}
