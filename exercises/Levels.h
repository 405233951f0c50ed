#pragma once

#include "exercises/Exercise.h"

#include <QString>
#include <array>

// The two levels as every window and list names them, and whether a topic has the
// second one at all.
namespace Levels {

inline constexpr std::array<Level, 2> all{Level::Formula, Level::Conversions};

// "Nível 1 – valores nas unidades da fórmula", "Nível 2 – com conversões".
QString name(Level level);

// Whether the level with conversions gives this topic a value, or asks its answer, in
// another unit: a topic whose rows have no other unit in its context has one level only.
// Told by the statements' book units, which are what the generator converts with.
bool hasConversions(const Problems::TopicProblems& problems);
// Whether any topic of the area has them.
bool hasConversions(const ProblemCatalogue::Area& area);

}
