#pragma once

#include "engine/Topic.h"

#include <span>

// Kinematics: uniform and accelerated motion, circular motion, vertical launch.
namespace Cinematica {
extern const std::span<const Topic> topics;
extern const std::span<const Solver> solvers;

// The solvers of the nine pages this area owns (three are borrowed by other areas).
void JLAqua3Click(Calcular& c);  // uniform motion, TabSheet2
void JLAqua1Click(Calcular& c);  // mean velocity, TabSheet3
void JLAqua2Click(Calcular& c);  // mean scalar acceleration, TabSheet4
void JLAqua4Click(Calcular& c);  // velocity in accelerated motion, TabSheet5
void JLAqua5Click(Calcular& c);  // Torricelli, TabSheet6
void JLAqua6Click(Calcular& c);  // angular velocity, TabSheet1
void JLAqua12Click(Calcular& c); // centripetal acceleration, TabSheet7
void JLAqua45Click(Calcular& c); // time to maximum height, TabSheet53
void JLAqua46Click(Calcular& c); // maximum height, TabSheet54
}
