#include "catalogue/Eletrostatica.h"

namespace Eletrostatica {

const std::span<const Topic> topics;
const std::span<const Solver> solvers;

}
