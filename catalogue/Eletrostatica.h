#pragma once

#include "engine/Topic.h"

#include <span>

// Electrostatics: charge, Coulomb's law, field and potential.
namespace Eletrostatica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the six pages this area owns; no other area borrows them.
void JLAqua30Click(Calcular& c); // charge of a body, TabSheet36
void JLAqua31Click(Calcular& c); // Coulomb's law, TabSheet37
void JLAqua32Click(Calcular& c); // field of a point charge, TabSheet38
void JLAqua33Click(Calcular& c); // potential energy, TabSheet39
void JLAqua22Click(Calcular& c); // potential at a point, TabSheet26
void JLAqua34Click(Calcular& c); // uniform field, TabSheet40
}
