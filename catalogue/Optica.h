#pragma once

#include "engine/Topic.h"

#include <span>

// Optics: plane mirrors, Gauss, magnification, refraction, vergence.
namespace Optica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the five pages this area owns; the magnification and refraction topics
// use the pressure page's own solver.
void JLAqua25Click(Calcular& c); // association of plane mirrors, TabSheet29
void JLAqua26Click(Calcular& c); // Gauss equation, TabSheet31
void JLAqua27Click(Calcular& c); // Snell-Descartes law, TabSheet32
void JLAqua28Click(Calcular& c); // total internal reflection, TabSheet33
void JLAqua29Click(Calcular& c); // vergence, TabSheet34 (also f = 1 / T for the period topics)
}
