#include "catalogue/Dinamica.h"

namespace Dinamica {

const std::span<const Topic> topics;
const std::span<const Solver> solvers;

}
