#pragma once

#include "engine/Number.h"

#include <QString>

// What a student types in the answer box: a number with a comma or a point, in any of
// the forms books and calculators write powers of ten ("3E8", "3 × 10^8", "3x10^8",
// "3·10^8", "3.10^8", "3 × 10⁸"), and perhaps a unit after it ("72 km/h").
namespace AnswerReader {

struct Answer
{
    enum Status { Empty, Read, Unreadable } status = Empty;
    Number value = 0;
    // The mantissa as typed (its figures count), and the unit typed after the number.
    QString mantissa;
    QString unit;
};

Answer read(QStringView typed);

}
