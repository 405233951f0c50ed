#pragma once

#include "engine/Topic.h"

#include <span>

// Dynamics: Newton's laws, weight, friction, work, power, energy, momentum.
namespace Dinamica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the five pages this area owns (several are borrowed by other areas).
void JLAqua7Click(Calcular& c);  // second law, TabSheet10
void JLAqua8Click(Calcular& c);  // product page, TabSheet11
void JLAqua9Click(Calcular& c);  // triple product, TabSheet12
void JLAqua10Click(Calcular& c); // power, TabSheet13
void JLAqua11Click(Calcular& c); // kinetic energy, TabSheet14
}
