#pragma once

#include "exercises/Exercise.h"

#include <QString>

// Whether a typed answer is the exercise's answer, and what to tell the student.
namespace Judge {

struct Verdict
{
    // Empty: nothing typed, nothing happens. Unreadable: a sentence, and no score.
    enum Kind { Empty, Unreadable, Right, Wrong } kind = Empty;
    QString feedback;
    // A word on significant figures for a right answer with too many.
    QString note;
};

// Within 1 % of the exact answer, with a floor near zero. The answer is compared in the
// unit it was asked in, so a temperature asked in ºC is judged on the Celsius scale the
// student reads. A unit typed after the number overrides `chosen`.
Verdict judge(const Exercise& exercise, QStringView typed, const Units::Unit* chosen);

// Whether `value` is within the tolerance of `target` (the floor in the same unit).
bool near(long double value, long double target, long double floor);

}
