#pragma once

#include "engine/Number.h"

#include <QString>

// What a student types in the answer box: a number with a comma or a point, in any of
// the forms books and calculators write powers of ten ("3E8", "3 × 10^8", "3x10^8",
// "3·10^8", "3.10^8", "3 × 10⁸", "10³" alone), its thousands grouped as the key prints
// them ("12 500") or with points and a decimal comma ("1.234,5"), and perhaps a unit
// after it ("72 km/h"). What could be read two ways is asked about, not guessed.
namespace AnswerReader {

struct Answer
{
    enum Status { Empty, Read, Unreadable } status = Empty;
    Number value = 0;
    // The mantissa as typed, without its grouping ("152,55", "150", "1" for "10³"): its
    // figures count.
    QString mantissa;
    // The unit typed after the number, as typed.
    QString unit;
    // For an unreadable answer, what to tell the student when more can be said than
    // "not a number": "“5.895” é 5895 ou 5,895? …", "“1e999” é grande demais."
    QString problem;
};

Answer read(QStringView typed);

// A unit as a keyboard types it, spelt as the unit table names it: "m/s2" → "m/s²",
// "g/cm3" → "g/cm³", "ohm" → "Ω", "kohm" → "kΩ", "uC" and "μC" (Greek mu) → "µC", "Ω"
// (ohm sign) → "Ω", "°C", "oC" and "graus Celsius" → "ºC", "graus" and "°" → "º",
// "N.m" → "N·m". Letter case is left as typed.
QString unitSpelling(QStringView typed);

}
