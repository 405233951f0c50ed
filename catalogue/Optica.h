#pragma once

#include "engine/Topic.h"

#include <span>

// Optics: plane mirrors, Gauss, magnification, refraction, vergence.
namespace Optica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;
}
