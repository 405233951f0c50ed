#include "catalogue/Ondas.h"

namespace Ondas {

const std::span<const Topic> topics;
const std::span<const Solver> solvers;

}
