#pragma once

#include "engine/Topic.h"

#include <span>

// Electrodynamics: current, Ohm's laws, resistors, generators, energy and power.
namespace Eletrodinamica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;
}
