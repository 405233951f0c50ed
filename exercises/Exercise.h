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

// One value an exercise gives: as the statement shows it, and in the unit the page
// computes it in, as the field holds it.
struct Given
{
    const Row* row = nullptr;
    // The situation's declaration of it.
    Problems::Value value;
    // The unit shown and the one the page computes in (both null for a row without units
    // to choose; for a row whose page shows no unit, the one its statement measures in).
    const Units::Unit* unit = nullptr;
    const Units::Unit* rowUnit = nullptr;
    // The table's entry, for a value a table gives.
    const Materials::Item* item = nullptr;
    QString plain;
    Number shown = 0;
    Number inRow = 0;
    int figures = 0;
    bool whole = false;
    // The answer a student gets who takes this value as written, in the row's units.
    std::optional<Number> unconverted;

    bool converted() const { return unit && rowUnit && unit != rowUnit; }
    // As a book prints it: "72 km/h", "12 500 m", "2,5 · 10⁶ m", "30 °C", "30°", "12",
    // with no line break inside.
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
    // The situation's declaration of the answer: its range, units, whether it counts.
    Problems::Value askedValue;
    Level level = Level::Formula;
    std::uint32_t number = 0;
    int index = 1;
    std::vector<Given> givens;
    // The asked row's kind and the unit the page computes it in, and the unit the answer
    // is asked in.
    Units::RowUnit askedRow;
    const Units::Unit* askedUnit = nullptr;
    // In the unit the page computes in, and in the unit asked. A count of completed turns
    // is the whole part of what the page computes.
    Number answer = 0;
    Number answerAsked = 0;
    // How far from answerAsked a right answer may be, in the unit asked: 1 % of it. No
    // answer is drawn so close to zero that 1 % of it stops meaning anything.
    long double tolerance = 0;
    // Every given taken as written, in the row's unit.
    std::optional<Number> allUnconverted;
    // The statement with its values, and what it gives that the solution uses without
    // naming it ("Dado: k = 9 · 10⁹ N·m²/C².").
    QString text;
    Working working;

    // "4821-3"
    QString code() const { return QStringLiteral("%1-%2").arg(number).arg(index); }
    QString askedUnitName() const;
    bool answerConverted() const { return askedUnit && askedRow.unit && askedUnit != askedRow.unit; }
    // A count: judged as a whole number, with no unit.
    bool counts() const { return askedValue.whole; }
    // The answer as the key prints it, with the data's significant figures and its unit:
    // "19 m/s", "59,6 s", "460".
    QString answerText() const;
    // The least figures among the measured values given (0 when only counts and table
    // values are given).
    int dataFigures() const;
    // The working as a teacher writes it in the key and in Ver resolução.
    QStringList solution() const;
};

namespace ExerciseGenerator {

// `statement` picks the situation (an index into the topic's statements); by default the
// number and the index pick it, so that consecutive exercises never repeat a statement.
// An exercise whose values found no answer in range after every redraw is not valid.
Exercise make(const Topic& topic, const Problems::TopicProblems& problems, Level level, std::uint32_t number,
              int index, int statement = -1);
// By topic button; not valid for a topic without problems.
Exercise make(QStringView button, Level level, std::uint32_t number, int index);
// From any topic of the area, the number choosing which.
Exercise mixed(const ProblemCatalogue::Area& area, Level level, std::uint32_t number, int index);

// 2 when some statement of the topic gives or asks a value in another unit, else 1: a
// topic with one level says so, in the window and on the list.
int levels(const Topic& topic, const Problems::TopicProblems& problems);
int levels(QStringView button);

// A unit of the kind by its name ("°" read as "º"); null when the kind has none such.
const Units::Unit* unitOfKind(const Units::Kind* kind, QStringView name);

}
