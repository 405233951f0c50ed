#pragma once

#include "catalogue/ProblemCatalogue.h"
#include "engine/Row.h"
#include "engine/Units.h"
#include "engine/Working.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The two levels: values in the formula's units, or with conversions.
enum class Level { Formula = 1, Conversions = 2 };

// One value an exercise gives: as the statement shows it, and in its row's unit, as the
// field holds it.
struct Given
{
    const Row* row = nullptr;
    // The unit shown and the row's own (both null for a row without units to choose).
    const Units::Unit* unit = nullptr;
    const Units::Unit* rowUnit = nullptr;
    QString plain;
    Number shown = 0;
    Number inRow = 0;
    int figures = 0;
    bool whole = false;
    const Problems::Range* range = nullptr;
    // The answer a student gets who takes this value as written, in the row's units.
    std::optional<Number> unconverted;

    bool converted() const { return unit && rowUnit && unit != rowUnit; }
    // "72 km/h", "2,5 · 10⁶ m", "30º", "12"
    QString text() const;
};

// An exercise: a statement of a topic with its values drawn, its answer as the page's own
// solver computes it, and the click's working. The same (topic, level, number, index)
// gives the same exercise everywhere.
struct Exercise
{
    bool valid = false;
    const Topic* topic = nullptr;
    const Problems::TopicProblems* problems = nullptr;
    const Problems::Statement* statement = nullptr;
    const Row* asked = nullptr;
    Level level = Level::Formula;
    std::uint32_t number = 0;
    int index = 1;
    std::vector<Given> givens;
    // The asked row's kind and unit, and the unit the answer is asked in.
    Units::RowUnit askedRow;
    const Units::Unit* askedUnit = nullptr;
    // In the asked row's unit, and in the unit asked.
    Number answer = 0;
    Number answerAsked = 0;
    // Every given taken as written, in the row's unit.
    std::optional<Number> allUnconverted;
    QString text;
    Working working;

    // "4821-3"
    QString code() const { return QStringLiteral("%1-%2").arg(number).arg(index); }
    QString askedUnitName() const;
    bool answerConverted() const { return askedUnit && askedRow.unit && askedUnit != askedRow.unit; }
    // The answer rounded to three figures, with its unit: "19,4 m/s".
    QString answerText() const;
    // The least figures among the measured values given (0 when only counts are given).
    int dataFigures() const;
    // Each conversion, the formula solved for the unknown, the substitution, the result,
    // and the result in the unit asked.
    QStringList solution() const;
};

namespace ExerciseGenerator {

// `statement` picks the asked variable (an index into the topic's statements); by
// default the number picks it. An exercise whose values found no answer in range after
// every redraw is not valid.
Exercise make(const Topic& topic, const Problems::TopicProblems& problems, Level level, std::uint32_t number,
              int index, int statement = -1);
// By topic button; not valid for a topic without problems.
Exercise make(QStringView button, Level level, std::uint32_t number, int index);
// From any topic of the area, the number choosing which.
Exercise mixed(const ProblemCatalogue::Area& area, Level level, std::uint32_t number, int index);

// A unit of the kind by its name ("°" read as "º"); null when the kind has none such.
const Units::Unit* unitOfKind(const Units::Kind* kind, QStringView name);

}
