#pragma once

#include "engine/Topic.h"

#include <span>

// Thermology: temperature scales, heat, expansion, ideal gases, the first law.
namespace Termologia {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;
}
