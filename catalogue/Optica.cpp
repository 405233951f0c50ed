#include "catalogue/Optica.h"

namespace Optica {

namespace {

const Topic topicTable[] = {
    // The frequency-to-period topics relabel the vergence page; its own topic puts back
    // the page's declared captions.
    {"ButtonXPMACCorel66", "Vergência de uma Lente", "TabSheet34", [](PageEditor& p) {
        p.caption("Label438", "V =  1");
        p.caption("Label441", "f");
        p.caption("Label443", "V");
        p.caption("Label445", "f");
        p.caption("Label452", "di");
        p.caption("Label451", "m");
    }},
};

const Solver solverTable[] = {
    {"JLAqua29", JLAqua29Click},
};

const Number one = Number(1);

}

const std::span<const Topic> topics = topicTable;
const std::span<const Solver> solvers = solverTable;

// Vergence: V = 1 / f.
void JLAqua29Click(Calcular& c)
{
    c.block("vlV", [&] {
        const Number f = c.strict("vlf");
        return one / f;
    });
    c.block("vlf", [&] {
        const Number V = c.strict("vlV");
        return one / V;
    });
}

}
