#pragma once

#include "engine/Topic.h"

#include <span>

// Dynamics: Newton's laws, weight, friction, work, power, energy, momentum.
namespace Dinamica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;
}
