#include "catalogue/Termologia.h"

namespace Termologia {

const std::span<const Topic> topics;
const std::span<const Solver> solvers;

}
