#pragma once

#include "engine/Topic.h"

#include <span>

// Hydrostatics: density, pressure, buoyancy, the hydraulic press.
namespace Hidrostatica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the three pages this area owns (the first two are borrowed by other areas).
void JLAqua13Click(Calcular& c); // pressure, TabSheet16
void JLAqua14Click(Calcular& c); // hydraulic press, TabSheet17 (and the gas transformations)
void JLAqua15Click(Calcular& c); // absolute pressure, TabSheet18
}
