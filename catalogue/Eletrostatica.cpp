#include "catalogue/Eletrostatica.h"

#include "catalogue/Constants.h"

namespace Eletrostatica {

namespace {

const Row chargeRows[] = {
    {"cecQ", "Q", "C", "carga elétrica", {{"Label36011", "Q"}}, {{"Label36013", "C"}}},
    {"cecN", "n", "", "número de elétrons", {{"Label36014", "n"}}, {{"Label36016", ""}}},
    {"cecE", "e", "C", "carga elementar", {{"Label36017", "e"}}, {{"Label36019", "C"}}},
};

const Row coulombRows[] = {
    {"lcF", "F", "N", "força elétrica", {{"Label37013", "F"}}, {{"Label37015", "N"}}},
    {"lcK", "k", "N·m²/C²", "constante eletrostática", {{"Label37018", "k"}}, {{"Label37020", "N.m /C"}, {"Label37016", "2"}, {"Label37017", "2"}}},
    {"lcQ1", "Q", "C", "carga Q", {{"Label37021", "Q"}}, {{"Label37023", "C"}}},
    {"lcq2", "q", "C", "carga q", {{"Label37024", "q"}}, {{"Label37026", "C"}}},
    {"lcd", "d", "m", "distância", {{"Label37027", "d"}}, {{"Label37029", "m"}}},
};

const Row pointFieldRows[] = {
    {"vcE", "E", "N/C", "campo elétrico", {{"Label38013", "E"}}, {{"Label38015", "N"}}},
    {"vcK", "k", "N·m²/C²", "constante eletrostática", {{"Label38017", "k"}}, {{"Label38019", "N.m /C"}, {"Label38016", "2"}}},
    {"vcQ", "Q", "C", "carga", {{"Label38020", "Q"}}, {{"Label38022", "C"}}},
    {"vcD", "d", "m", "distância", {{"Label38023", "d"}}, {{"Label38025", "m"}}},
};

const Row potentialEnergyRows[] = {
    {"epeE", "Epe", "J", "energia potencial elétrica", {{"Label39014", "E"}, {"Label39013", "PE"}}, {{"Label39016", "J"}}},
    {"epeK", "k", "N·m²/C²", "constante eletrostática", {{"Label39018", "k"}}, {{"Label39020", "J.m/C"}, {"Label39017", "2"}}},
    {"epeQ1", "Q", "C", "carga Q", {{"Label39021", "Q"}}, {{"Label39023", "C"}}},
    {"epeQ2", "q", "C", "carga q", {{"Label39024", "q"}}, {{"Label39026", "C"}}},
    {"epeD", "d", "m", "distância", {{"Label39027", "d"}}, {{"Label39029", "m"}}},
};

const Row pointPotentialRows[] = {
    {"pepV", "uA", "V", "potencial elétrico", {{"Label26014", "u"}, {"Label26013", "A"}}, {{"Label26016", "V"}}},
    {"pepK", "k", "N·m²/C²", "constante eletrostática", {{"Label26019", "k"}}, {{"Label26021", "N.m /C"}, {"Label26017", "2"}, {"Label26018", "3"}}},
    {"pepQ", "Q", "C", "carga", {{"Label26022", "Q"}}, {{"Label26024", "C"}}},
    {"pepD", "d", "m", "distância", {{"Label26025", "d"}}, {{"Label26027", "m"}}},
};

const Row uniformForceRows[] = {
    {"ceuF", "F", "N", "força elétrica", {{"Label538", "F"}}, {{"Label547", "N"}}},
    {"ceuE", "E", "N/C", "campo elétrico", {{"Label540", "E"}}, {{"Label546", "N/C"}}},
    {"ceuQ", "q", "C", "carga", {{"Label541", "q"}}, {{"Label545", "C"}}},
};

const Row uniformVoltageRows[] = {
    {"ceuF", "u", "V", "diferença de potencial", {{"Label538", "u"}}, {{"Label547", "V"}}},
    {"ceuE", "e", "V/m", "campo elétrico", {{"Label540", "e"}}, {{"Label546", "V/m"}}},
    {"ceuQ", "d", "m", "distância", {{"Label541", "d"}}, {{"Label545", "m"}}},
};

const Row uniformWorkRows[] = {
    {"ceuF", "T", "J", "trabalho da força elétrica", {{"Label538", "T"}}, {{"Label547", "J"}}},
    {"ceuE", "q", "C", "carga", {{"Label540", "q"}}, {{"Label546", "C"}}},
    {"ceuQ", "u", "V", "diferença de potencial", {{"Label541", "u"}}, {{"Label545", "V"}}},
};

// The constant fields were emptied with every other field; each topic writes its own back.
// The three uniform-field topics set every symbol, unit and subscript they share.
const Topic topicTable[] = {
    {"ButtonXPMACCorel79", "Carga Elétrica de um Corpo", "TabSheet36", "Q = n · e", chargeRows, [](PageEditor& p) {
        p.constant("cecE", Constants::elementaryCharge);
    }},
    {"ButtonXPMACCorel80", "Lei de Coulomb", "TabSheet37", "F = k · Q · q / d²", coulombRows, [](PageEditor& p) {
        p.constant("lcK", Constants::coulomb);
    }},
    {"ButtonXPMACCorel81", "Vetor Campo Elétrico", "TabSheet38", "E = k · Q / d²", pointFieldRows, [](PageEditor& p) {
        p.constant("vcK", Constants::coulomb);
    }},
    {"ButtonXPMACCorel82", "Energia Potencial Elétrica", "TabSheet39", "Epe = k · Q · q / d", potentialEnergyRows, [](PageEditor& p) {
        p.constant("epeK", Constants::coulomb);
    }},
    {"ButtonXPMACCorel83", "Potencial Elétrico de um Ponto", "TabSheet26", "uA = k · Q / d", pointPotentialRows, [](PageEditor& p) {
        p.constant("pepK", Constants::coulomb);
    }},
    {"ButtonXPMACCorel84", "Campo Elétrico Uniforme 1", "TabSheet40", "F = E · q", uniformForceRows, [](PageEditor& p) {
        p.hide({"ab1", "ab2"});
        p.caption("Label535", "F = E . q");
    }},
    {"ButtonXPMACCorel85", "Campo Elétrico Uniforme 2", "TabSheet40", "u AB = e · d", uniformVoltageRows, [](PageEditor& p) {
        p.show({"ab1"});
        p.hide({"ab2"});
        p.caption("Label535", "u = e . d");
    }},
    {"ButtonXPMACCorel86", "Campo Elétrico Uniforme 3", "TabSheet40", "T AB = q · u AB", uniformWorkRows, [](PageEditor& p) {
        p.show({"ab1", "ab2"});
        p.caption("Label535", "T = q . u");
    }},
};

const Solver solverTable[] = {
    {"JLAqua30", "TabSheet36", JLAqua30Click},
    {"JLAqua31", "TabSheet37", JLAqua31Click},
    {"JLAqua32", "TabSheet38", JLAqua32Click},
    {"JLAqua33", "TabSheet39", JLAqua33Click},
    {"JLAqua22", "TabSheet26", JLAqua22Click},
    {"JLAqua34", "TabSheet40", JLAqua34Click},
};

// Results of the charge page look like its constant field, "1,6x10E-19": "x10" goes in
// before the first E. Such a text cannot be read back as a number.
QString withTimesTen(QString text)
{
    const qsizetype e = text.indexOf(u'E');
    if (e >= 0)
        text.insert(e, QStringLiteral("x10"));
    return text;
}

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Charge of a body: Q = n.e.
void JLAqua30Click(Calcular& c)
{
    c.block("cecQ", [&] {
        const Term n = c.strict("cecN"), e = c.constant(Constants::elementaryCharge);
        return n * e;
    }, withTimesTen);
    c.block("cecN", [&] {
        const Term Q = c.strict("cecQ"), e = c.constant(Constants::elementaryCharge);
        return Q / e;
    }, withTimesTen);
}

// Coulomb's law: F = k.Q.q / d²; only the positive distance.
void JLAqua31Click(Calcular& c)
{
    c.block("lcF", [&] {
        const Term Q = c.strict("lcQ1"), q = c.strict("lcq2"), d = c.strict("lcd"), k = c.constant(Constants::coulomb);
        return ((k * Q) * q) / (d * d);
    });
    c.block("lcQ1", [&] {
        const Term F = c.strict("lcF"), q = c.strict("lcq2"), d = c.strict("lcd"), k = c.constant(Constants::coulomb);
        return ((F * d) * d) / (k * q);
    });
    c.block("lcq2", [&] {
        const Term F = c.strict("lcF"), Q = c.strict("lcQ1"), d = c.strict("lcd"), k = c.constant(Constants::coulomb);
        return ((F * d) * d) / (k * Q);
    });
    c.block("lcd", [&] {
        const Term F = c.strict("lcF"), Q = c.strict("lcQ1"), q = c.strict("lcq2"), k = c.constant(Constants::coulomb);
        return sqrt(((k * Q) * q) / F);
    });
}

// Field of a point charge: E = k.Q / d²; only the positive distance.
void JLAqua32Click(Calcular& c)
{
    c.block("vcE", [&] {
        const Term Q = c.strict("vcQ"), d = c.strict("vcD"), k = c.constant(Constants::coulomb);
        return (k * Q) / (d * d);
    });
    c.block("vcQ", [&] {
        const Term E = c.strict("vcE"), d = c.strict("vcD"), k = c.constant(Constants::coulomb);
        return ((E * d) * d) / k;
    });
    c.block("vcD", [&] {
        const Term E = c.strict("vcE"), Q = c.strict("vcQ"), k = c.constant(Constants::coulomb);
        return sqrt((k * Q) / E);
    });
}

// Electric potential energy: Epe = k.Q.q / d.
void JLAqua33Click(Calcular& c)
{
    c.block("epeE", [&] {
        const Term Q = c.strict("epeQ1"), q = c.strict("epeQ2"), d = c.strict("epeD"), k = c.constant(Constants::coulomb);
        return ((k * Q) * q) / d;
    });
    c.block("epeQ1", [&] {
        const Term E = c.strict("epeE"), q = c.strict("epeQ2"), d = c.strict("epeD"), k = c.constant(Constants::coulomb);
        return (E * d) / (k * q);
    });
    c.block("epeQ2", [&] {
        const Term E = c.strict("epeE"), Q = c.strict("epeQ1"), d = c.strict("epeD"), k = c.constant(Constants::coulomb);
        return (E * d) / (k * Q);
    });
    c.block("epeD", [&] {
        const Term E = c.strict("epeE"), Q = c.strict("epeQ1"), q = c.strict("epeQ2"), k = c.constant(Constants::coulomb);
        return ((k * Q) * q) / E;
    });
}

// Potential at a point: uA = k.Q / d.
void JLAqua22Click(Calcular& c)
{
    c.block("pepV", [&] {
        const Term Q = c.strict("pepQ"), d = c.strict("pepD"), k = c.constant(Constants::coulomb);
        return (k * Q) / d;
    });
    c.block("pepQ", [&] {
        const Term u = c.strict("pepV"), d = c.strict("pepD"), k = c.constant(Constants::coulomb);
        return (u * d) / k;
    });
    c.block("pepD", [&] {
        const Term u = c.strict("pepV"), Q = c.strict("pepQ"), k = c.constant(Constants::coulomb);
        return (k * Q) / u;
    });
}

// Uniform field: first = second x third, whichever of F = E.q, uAB = e.d, TAB = q.uAB the
// topic shows.
void JLAqua34Click(Calcular& c)
{
    c.block("ceuF", [&] {
        const Term second = c.strict("ceuE"), third = c.strict("ceuQ");
        return second * third;
    });
    c.block("ceuE", [&] {
        const Term first = c.strict("ceuF"), third = c.strict("ceuQ");
        return first / third;
    });
    c.block("ceuQ", [&] {
        const Term first = c.strict("ceuF"), second = c.strict("ceuE");
        return first / second;
    });
}

}
