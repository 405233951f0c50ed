#pragma once

#include "engine/Topic.h"

#include <QStringView>
#include <span>

// Every area's topics and the solvers of the pages they own.
namespace Catalogue {
const Topic* topicOfButton(QStringView button);
const Solver* solverOfButton(QStringView button);
}
