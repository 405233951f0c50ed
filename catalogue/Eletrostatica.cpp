#include "catalogue/Eletrostatica.h"

namespace Eletrostatica {

namespace {

// The three rows of the uniform-field page, symbol then unit, top to bottom.
void uniformRows(PageEditor& p, const char* s1, const char* s2, const char* s3, const char* u1, const char* u2,
                 const char* u3)
{
    p.caption("Label538", s1);
    p.caption("Label540", s2);
    p.caption("Label541", s3);
    p.caption("Label547", u1);
    p.caption("Label546", u2);
    p.caption("Label545", u3);
}

// The constant fields were emptied with every other field; each topic writes its own back.
// The three uniform-field topics set every symbol, unit and subscript they share.
const Topic topicTable[] = {
    {"ButtonXPMACCorel79", "Carga Elétrica de um Corpo", "TabSheet36", "Q = n·e", [](PageEditor& p) {
        p.constant("cecE", "1,6x10E-19");
    }},
    {"ButtonXPMACCorel80", "Lei de Coulomb", "TabSheet37", "F = k·Q·q / d²", [](PageEditor& p) {
        p.constant("lcK", "9000000000");
    }},
    {"ButtonXPMACCorel81", "Vetor Campo Elétrico", "TabSheet38", "E = k·Q / d²", [](PageEditor& p) {
        p.constant("vcK", "9000000000");
    }},
    {"ButtonXPMACCorel82", "Energia Potencial Elétrica", "TabSheet39", "Epe = k·Q·q / d", [](PageEditor& p) {
        p.constant("epeK", "9000000000");
    }},
    {"ButtonXPMACCorel83", "Potencial Elétrico de um Ponto", "TabSheet26", "uA = k·Q / d", [](PageEditor& p) {
        p.constant("pepK", "9000000000");
    }},
    {"ButtonXPMACCorel84", "Campo Elétrico Uniforme 1", "TabSheet40", "F = E·q", [](PageEditor& p) {
        p.hide({"ab1", "ab2"});
        p.caption("Label535", "F = E . q");
        uniformRows(p, "F", "E", "q", "N", "N/C", "C");
    }},
    {"ButtonXPMACCorel85", "Campo Elétrico Uniforme 2", "TabSheet40", "u AB = e·d", [](PageEditor& p) {
        p.show({"ab1"});
        p.hide({"ab2"});
        p.caption("Label535", "u = e . d");
        uniformRows(p, "u", "e", "d", "V", "V/m", "m");
    }},
    {"ButtonXPMACCorel86", "Campo Elétrico Uniforme 3", "TabSheet40", "T AB = q·u AB", [](PageEditor& p) {
        p.show({"ab1", "ab2"});
        p.caption("Label535", "T = q . u");
        uniformRows(p, "T", "q", "u", "J", "C", "V");
    }},
};

const Solver solverTable[] = {
    {"JLAqua30", JLAqua30Click},
    {"JLAqua31", JLAqua31Click},
    {"JLAqua32", JLAqua32Click},
    {"JLAqua33", JLAqua33Click},
    {"JLAqua22", JLAqua22Click},
    {"JLAqua34", JLAqua34Click},
};

// Coulomb's constant, exact in 80 bits.
const Term k = Term::constant("k", Number(9000000000));

// The elementary charge, held as text and converted at each use like a typed value, so it
// reads the same whatever the user's decimal separator.
Term elementaryCharge(Calcular& c)
{
    return c.constant("e", "0,00000000000000000016");
}

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
        const Term n = c.strict("cecN"), e = elementaryCharge(c);
        return n * e;
    }, withTimesTen);
    c.block("cecN", [&] {
        const Term Q = c.strict("cecQ"), e = elementaryCharge(c);
        return Q / e;
    }, withTimesTen);
}

// Coulomb's law: F = k.Q.q / d²; only the positive distance.
void JLAqua31Click(Calcular& c)
{
    c.block("lcF", [&] {
        const Term Q = c.strict("lcQ1"), q = c.strict("lcq2"), d = c.strict("lcd");
        return ((k * Q) * q) / (d * d);
    });
    c.block("lcQ1", [&] {
        const Term F = c.strict("lcF"), q = c.strict("lcq2"), d = c.strict("lcd");
        return ((F * d) * d) / (k * q);
    });
    c.block("lcq2", [&] {
        const Term F = c.strict("lcF"), Q = c.strict("lcQ1"), d = c.strict("lcd");
        return ((F * d) * d) / (k * Q);
    });
    c.block("lcd", [&] {
        const Term F = c.strict("lcF"), Q = c.strict("lcQ1"), q = c.strict("lcq2");
        return sqrt(((k * Q) * q) / F);
    });
}

// Field of a point charge: E = k.Q / d²; only the positive distance.
void JLAqua32Click(Calcular& c)
{
    c.block("vcE", [&] {
        const Term Q = c.strict("vcQ"), d = c.strict("vcD");
        return (k * Q) / (d * d);
    });
    c.block("vcQ", [&] {
        const Term E = c.strict("vcE"), d = c.strict("vcD");
        return ((E * d) * d) / k;
    });
    c.block("vcD", [&] {
        const Term E = c.strict("vcE"), Q = c.strict("vcQ");
        return sqrt((k * Q) / E);
    });
}

// Electric potential energy: Epe = k.Q.q / d.
void JLAqua33Click(Calcular& c)
{
    c.block("epeE", [&] {
        const Term Q = c.strict("epeQ1"), q = c.strict("epeQ2"), d = c.strict("epeD");
        return ((k * Q) * q) / d;
    });
    c.block("epeQ1", [&] {
        const Term E = c.strict("epeE"), q = c.strict("epeQ2"), d = c.strict("epeD");
        return (E * d) / (k * q);
    });
    c.block("epeQ2", [&] {
        const Term E = c.strict("epeE"), Q = c.strict("epeQ1"), d = c.strict("epeD");
        return (E * d) / (k * Q);
    });
    c.block("epeD", [&] {
        const Term E = c.strict("epeE"), Q = c.strict("epeQ1"), q = c.strict("epeQ2");
        return ((k * Q) * q) / E;
    });
}

// Potential at a point: uA = k.Q / d.
void JLAqua22Click(Calcular& c)
{
    c.block("pepV", [&] {
        const Term Q = c.strict("pepQ"), d = c.strict("pepD");
        return (k * Q) / d;
    });
    c.block("pepQ", [&] {
        const Term u = c.strict("pepV"), d = c.strict("pepD");
        return (u * d) / k;
    });
    c.block("pepD", [&] {
        const Term u = c.strict("pepV"), Q = c.strict("pepQ");
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
