#pragma once

#include "engine/Topic.h"

#include <span>

// Thermology: temperature scales, heat, expansion, ideal gases, the first law.
namespace Termologia {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the eight pages this area owns.
void JLAqua16Click(Calcular& c); // Celsius and Fahrenheit, TabSheet20
void JLAqua17Click(Calcular& c); // Celsius and Kelvin, TabSheet21
void JLAqua18Click(Calcular& c); // Fahrenheit and Kelvin, TabSheet22
void JLAqua19Click(Calcular& c); // sensible heat and the three expansions, TabSheet23
void JLAqua20Click(Calcular& c); // specific heat, TabSheet24
void JLAqua21Click(Calcular& c); // Clapeyron, TabSheet25
void JLAqua23Click(Calcular& c); // first law, TabSheet27
void JLAqua24Click(Calcular& c); // mean kinetic energy of the molecules, TabSheet28
}
