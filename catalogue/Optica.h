#pragma once

#include "engine/Topic.h"

#include <span>

// Optics: plane mirrors, Gauss, magnification, refraction, vergence.
namespace Optica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

void JLAqua29Click(Calcular& c); // vergence, TabSheet34 (also f = 1 / T for the period topics)
}
