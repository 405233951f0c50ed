#include "catalogue/Cinematica.h"

namespace Cinematica {

namespace {

const Topic topicTable[] = {
    {"ButtonXPMACCorel1", "Movimento Uniforme", "TabSheet2"},
};

const Solver solverTable[] = {
    {"JLAqua3", JLAqua3Click},
};

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Uniform motion: S = So + V.t (V read by the tolerant parser).
void JLAqua3Click(Calcular& c)
{
    c.block("eSSo", [&] {
        const Number S = c.strict("eSS"), t = c.strict("eST"), V = c.tolerant("eV");
        return S - (V * t);
    }, {"eV", "eSS", "eST"});
    c.block("eST", [&] {
        const Number S = c.strict("eSS"), So = c.strict("eSSo"), V = c.tolerant("eV");
        return (S - So) / V;
    }, {"eV", "eSS", "eSSo"});
    c.block("eSS", [&] {
        const Number So = c.strict("eSSo"), t = c.strict("eST"), V = c.tolerant("eV");
        return (V * t) + So;
    }, {"eV", "eSSo", "eST"});
    c.block("eV", [&] {
        const Number S = c.strict("eSS"), So = c.strict("eSSo"), t = c.strict("eST");
        return (S - So) / t;
    }, {"eSS", "eSSo", "eST"});
}

}
