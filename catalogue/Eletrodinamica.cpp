#include "catalogue/Eletrodinamica.h"

namespace Eletrodinamica {

const std::span<const Topic> topics;
const std::span<const Solver> solvers;

}
