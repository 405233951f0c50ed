#include "catalogue/Dinamica.h"

namespace Dinamica {

namespace {

// The seven captions every topic of the product page writes, in its table's order.
void productCaptions(PageEditor& p, const char* formula, const char* v1, const char* v2, const char* v3,
                     const char* g1, const char* g2, const char* g3)
{
    p.caption("lTorque", formula);
    p.caption("tv1", v1);
    p.caption("tv2", v2);
    p.caption("tv3", v3);
    p.caption("tg1", g1);
    p.caption("tg2", g2);
    p.caption("tg3", g3);
}

// Each topic puts back what another topic of its page moved, showed or hid, so a page
// reads the same whichever topic came before.
const Topic topicTable[] = {
    {"ButtonXPMACCorel11", "2ª Lei de Newton", "TabSheet10", "F = m·a", [](PageEditor& p) {
        p.hide({"Image62"});
        p.show({"Label137", "Label138", "Label128"});
        p.caption("Label123", "F = m . a");
        p.caption("Label125", "F");
        p.caption("Label126", "m");
        p.caption("Label127", "a");
        p.caption("Label135", "N");
        p.caption("Label134", "kg");
        p.caption("Label133", "m/s");
    }},
    {"ButtonXPMACCorel12", "Força Peso", "TabSheet11", "P = m·g", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy"});
        p.left("tv3", 44);
        p.show({"Label151"});
        productCaptions(p, "P = m.g", "P", "m", "g", "N", "kg", "m/s");
    }},
    {"ButtonXPMACCorel13", "Torque", "TabSheet11", "M = F·d", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        productCaptions(p, "M = F.d", "M", "F", "d", "N/m", "N", "m");
    }},
    {"ButtonXPMACCorel14", "Força de Atrito", "TabSheet11", "ƒ = µ·N", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        productCaptions(p, "ƒ = µ.N", "ƒ", "µ", "N", "N", "", "N");
    }},
    {"ButtonXPMACCorel15", "Plano Inclinado y", "TabSheet11", "Py = P·cos a", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "Label151"});
        p.left("tv3", 44);
        p.caption("lxy", "y");
        p.show({"lxy"});
        productCaptions(p, "P = P.cos a", "Py", "P", "cos a", "N", "N", "");
    }},
    {"ButtonXPMACCorel16", "Plano Inclinado x", "TabSheet11", "Px = P·sen a", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "Label151"});
        p.left("tv3", 44);
        p.caption("lxy", "x");
        p.show({"lxy"});
        productCaptions(p, "P = P.sen a", "Px", "P", "sen a", "N", "N", "");
    }},
    {"ButtonXPMACCorel23", "Trabalho", "TabSheet11", "T = F·d", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "Label151"});
        p.left("tv3", 44);
        p.caption("lxy", "x");
        p.hide({"lxy"});
        productCaptions(p, "T = F.d", "T", "F", "d", "J", "N", "m");
    }},
    {"ButtonXPMACCorel24", "Trabalho Inclinado", "TabSheet12", "T = F·d·cos a", [](PageEditor& p) {
        p.hide({"Label698", "Label699", "Label703", "Label110", "Label111"});
        p.left("Label110", 212);
        p.caption("Label141", "T = F.d.cos a");
        p.caption("Label143", "T");
        p.caption("Label149", "F");
        p.caption("Label152", "d");
        p.caption("Label157", "cos");
        p.caption("Label155", "J");
        p.caption("Label154", "N");
        p.caption("Label153", "m");
        p.caption("Label111", "m");
    }},
    {"ButtonXPMACCorel25", "Potência I", "TabSheet13", "P = T / Δt", [](PageEditor& p) {
        p.width("Shape16", 33);
        p.left("Image24", 100);
        p.left("Label159", 116);
        p.caption("Label158", "P =  T");
        p.caption("Label159", "t");
        p.caption("Label168", "P");
        p.caption("Label164", "watts");
        p.caption("Label169", "T");
        p.caption("Label166", "J");
        p.caption("Label170", "t");
        p.caption("Label167", "s");
    }},
    {"ButtonXPMACCorel26", "Potência II", "TabSheet11", "P = F·v", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        productCaptions(p, "P = F.v", "P", "F", "v", "watts", "N", "m/s");
    }},
    {"ButtonXPMACCorel27", "Energia Cinética", "TabSheet14", "Ec = m·v² / 2", [](PageEditor& p) {
        p.hide({"ePE2", "ePE"});
        p.caption("Label172", "Ec = m.v");
        p.caption("Label176", "Ec");
        p.caption("Label177", "m");
        p.caption("Label179", "v");
        p.caption("Label187", "kg");
        p.caption("Label186", "m/s");
    }},
    {"ButtonXPMACCorel2", "Energia Potencial Elástica", "TabSheet14", "Epe = k·x² / 2", [](PageEditor& p) {
        p.show({"ePE2", "ePE"});
        p.caption("Label172", "E  =  k.x");
        p.caption("Label176", "E");
        p.caption("Label177", "k");
        p.caption("Label179", "x");
        p.caption("Label187", "N/m");
        p.caption("Label186", "m");
    }},
    {"ButtonXPMACCorel32", "Energia Potencial Gravitacional", "TabSheet12", "Epg = m·g·h", [](PageEditor& p) {
        p.hide({"Label698", "Label699", "Label703"});
        p.show({"Label110", "Label111"});
        p.left("Label110", 228);
        p.caption("Label141", "Epg = m . g. h");
        p.caption("Label143", "Epg");
        p.caption("Label149", "m");
        p.caption("Label152", "g");
        p.caption("Label157", "h");
        p.caption("Label155", "J");
        p.caption("Label154", "kg");
        p.caption("Label153", "m/s");
        p.caption("Label111", "m");
    }},
    {"ButtonXPMACCorel33", "Lei de Hooke", "TabSheet11", "F = k·x", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        productCaptions(p, "F = k.x", "F", "k", "x", "N", "N/m", "m");
    }},
    {"ButtonXPMACCorel34", "Quantidade de Movimento", "TabSheet11", "Q = m·v", [](PageEditor& p) {
        p.hide({"Image28", "Image18", "lxy", "Label151"});
        p.left("tv3", 44);
        productCaptions(p, "Q = m.v", "Q", "m", "v", "kg.m/s", "kg", "m/s");
    }},
    {"ButtonXPMACCorel35", "Impulso de uma Força", "TabSheet11", "I = F·Δt", [](PageEditor& p) {
        // The blanks of "I = F.   t" and "  t" leave room for the two delta pictures: I = F.Δt.
        p.show({"Image18", "Image28"});
        p.hide({"lxy", "Label151"});
        p.left("tv3", 48);
        productCaptions(p, "I = F.   t", "I", "F", "  t", "N.s", "N", "s");
    }},
};

const Solver solverTable[] = {
    {"JLAqua7", JLAqua7Click},
    {"JLAqua8", JLAqua8Click},
    {"JLAqua9", JLAqua9Click},
    {"JLAqua10", JLAqua10Click},
    {"JLAqua11", JLAqua11Click},
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
    }, {"lnA", "lnM"});
    c.block("lnM", [&] {
        const Term F = c.strict("lnFR"), a = c.strict("lnA");
        return F / a;
    }, {"lnA", "lnFR"});
    c.block("lnA", [&] {
        const Term F = c.strict("lnFR"), m = c.strict("lnM");
        return F / m;
    }, {"lnFR", "lnM"});
}

// Product page: first field = second x third, whatever the topic calls them (P = m.g, M = F.d, ...).
void JLAqua8Click(Calcular& c)
{
    c.block("fpP", [&] {
        const Term g = c.strict("fpG"), m = c.strict("fpM");
        return m * g;
    }, {"fpM", "fpG"});
    c.block("fpM", [&] {
        const Term P = c.strict("fpP"), g = c.strict("fpG");
        return P / g;
    }, {"fpP", "fpG"});
    c.block("fpG", [&] {
        const Term P = c.strict("fpP"), m = c.strict("fpM");
        return P / m;
    }, {"fpP", "fpM"});
}

// Triple product: T = F.d.cos a, where tiCos holds the cosine itself (or the height of Epg = m.g.h).
void JLAqua9Click(Calcular& c)
{
    c.block("tiT", [&] {
        const Term F = c.strict("tiF"), d = c.strict("tiD"), cos = c.strict("tiCos");
        return (F * d) * cos;
    }, {"tiF", "tiD", "tiCos"});
    c.block("tiF", [&] {
        const Term T = c.strict("tiT"), d = c.strict("tiD"), cos = c.strict("tiCos");
        return T / (d * cos);
    }, {"tiT", "tiD", "tiCos"});
    c.block("tiD", [&] {
        const Term T = c.strict("tiT"), F = c.strict("tiF"), cos = c.strict("tiCos");
        return T / (F * cos);
    }, {"tiT", "tiF", "tiCos"});
    c.block("tiCos", [&] {
        const Term T = c.strict("tiT"), F = c.strict("tiF"), d = c.strict("tiD");
        return T / (F * d);
    }, {"tiT", "tiD", "tiF"});
}

// Power: P = T / Δt.
void JLAqua10Click(Calcular& c)
{
    c.block("pP", [&] {
        const Term T = c.strict("pT"), dt = c.strict("pdT");
        return T / dt;
    }, {"pT", "pdT"});
    c.block("pT", [&] {
        const Term P = c.strict("pP"), dt = c.strict("pdT");
        return P * dt;
    }, {"pP", "pdT"});
    c.block("pdT", [&] {
        const Term P = c.strict("pP"), T = c.strict("pT");
        return T / P;
    }, {"pT", "pP"});
}

// Kinetic energy: Ec = m.v² / 2; the elastic topic reads the same arithmetic as E = k.x² / 2.
void JLAqua11Click(Calcular& c)
{
    c.block("ecEC", [&] {
        const Term m = c.strict("ecM"), v = c.strict("ecV");
        return (m * (v * v)) / Number(2);
    }, {"ecM", "ecV"});
    c.block("ecM", [&] {
        const Term Ec = c.strict("ecEC"), v = c.strict("ecV");
        return (Ec * Number(2)) / (v * v);
    }, {"ecEC", "ecV"});
    // Only the positive root.
    c.block("ecV", [&] {
        const Term Ec = c.strict("ecEC"), m = c.strict("ecM");
        return sqrt((Ec * Number(2)) / m);
    }, {"ecEC", "ecM"});
}

}
