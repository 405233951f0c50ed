#pragma once

#include "exercises/Exercise.h"

#include <QString>

// Whether a typed answer is the exercise's answer, and what to tell the student.
//
// The answer is judged in the unit its statement asks, converted from the unit typed
// after the number, or else from `chosen`, or else the unit asked; a unit of the wrong
// size is a wrong answer, a unit of another quantity is not read at all. It is right
// within the exercise's tolerance (1 % of the answer), and also when it is the exact
// answer rounded to as many significant figures as were typed, provided those are at
// least the data's (Exercise::dataFigures(), 2 at the least). The trailing zeros of a
// whole number ("150") may or may not be significant: it is read as 2 or 3 figures, and
// right if either reading is. A count under 10⁶ is the exact whole number; a count has
// no unit.
namespace Judge {

struct Verdict
{
    // Empty: nothing typed, nothing happens. Unreadable: a sentence, and no score.
    enum Kind { Empty, Unreadable, Right, Wrong } kind = Empty;
    QString feedback;
    // A word on significant figures for a right answer with too many: its suggestion is
    // always itself judged right.
    QString note;
};

Verdict judge(const Exercise& exercise, QStringView typed, const Units::Unit* chosen);

// Whether `value` is within 1 % of `target`, or within `floor` of it (in the same unit).
bool near(long double value, long double target, long double floor);

}
