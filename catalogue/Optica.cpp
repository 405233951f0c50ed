#include "catalogue/Optica.h"

namespace Optica {

const std::span<const Topic> topics;
const std::span<const Solver> solvers;

}
