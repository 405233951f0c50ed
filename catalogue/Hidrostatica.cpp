#include "catalogue/Hidrostatica.h"

namespace Hidrostatica {

const std::span<const Topic> topics;
const std::span<const Solver> solvers;

}
