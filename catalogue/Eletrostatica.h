#pragma once

#include "engine/Topic.h"

#include <span>

// Electrostatics: charge, Coulomb's law, field and potential.
namespace Eletrostatica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;
}
