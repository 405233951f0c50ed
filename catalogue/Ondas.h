#pragma once

#include "engine/Topic.h"

#include <span>

// Waves: frequency, period, wave speed, the vibrating string.
namespace Ondas {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;
}
