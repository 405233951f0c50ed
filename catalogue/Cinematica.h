#pragma once

#include "engine/Topic.h"

#include <span>

// Kinematics: uniform and accelerated motion, circular motion, vertical launch.
namespace Cinematica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

void JLAqua3Click(Calcular& c);
}
