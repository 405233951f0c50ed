#pragma once

#include "engine/Topic.h"

#include <QStringView>
#include <span>

// Every area's topics and the solvers of the pages they own.
namespace Catalogue {
std::span<const Topic> topics();
std::span<const Solver> solvers();
const Topic* topicOfButton(QStringView button);
const Solver* solverOfButton(QStringView button);
// The solver of a page (each page has one Calcular).
const Solver* solverOfPage(QStringView page);
}
