#pragma once

#include "engine/Topic.h"

#include <span>

// Waves: frequency, period, wave speed, the vibrating string.
namespace Ondas {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the two pages this area owns; its other topics borrow pages of
// kinematics, dynamics, hydrostatics and optics.
void JLAqua35Click(Calcular& c); // vibrating string, TabSheet42
void JLAqua36Click(Calcular& c); // Taylor equation, TabSheet43
}
