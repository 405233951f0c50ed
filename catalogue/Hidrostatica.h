#pragma once

#include "engine/Topic.h"

#include <span>

// Hydrostatics: density, pressure, buoyancy, the hydraulic press.
namespace Hidrostatica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;
}
