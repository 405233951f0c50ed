#pragma once

#include "engine/Topic.h"

#include <span>

// Electrodynamics: current, Ohm's laws, resistors, generators, energy and power.
namespace Eletrodinamica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the eight pages this area owns.
void JLAqua37Click(Calcular& c); // second Ohm law, TabSheet45
void JLAqua38Click(Calcular& c); // resistors in series, TabSheet46
void JLAqua39Click(Calcular& c); // resistors in parallel, TabSheet47
void JLAqua40Click(Calcular& c); // equal resistors, TabSheet48
void JLAqua41Click(Calcular& c); // two different resistors, TabSheet49
void JLAqua42Click(Calcular& c); // real generator, terminal voltage, TabSheet50
void JLAqua43Click(Calcular& c); // real generator, circuit current, TabSheet51
void JLAqua44Click(Calcular& c); // power from resistance and current, TabSheet52
}
