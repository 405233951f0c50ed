#pragma once

#include "engine/Number.h"

#include <QString>

class Prng;

// Decimal values with a chosen count of significant figures, made from an integer and a
// power of ten so that drawing and rounding come out the same on every computer: only
// the four operations (correctly rounded everywhere) and the engine's correctly rounded
// reading of decimal text are used, never a logarithm.
namespace Figures {

struct Decimal
{
    // Written with a comma in the fields' syntax ("0,0012", "2,50", "150000").
    QString plain;
    Number value = 0;
    int figures = 0;
};

// A value drawn from [low, high] with `figures` significant figures: spread evenly over
// the decades of a range above zero (so 3 and 3000 are both likely in [1, 5000]), evenly
// on a scale of the larger end's figures for a range that reaches zero or below. A whole
// row draws whole numbers.
Decimal draw(Prng& prng, long double low, long double high, int figures, bool whole);

// `value` rounded to `figures` significant figures.
Decimal rounded(long double value, int figures);

// k · 10ⁿ as the fields write it.
QString scaled(long long k, int n);

// The significant figures of a typed mantissa ("0,050" has 2, "19,44" has 4).
int significantOf(QStringView mantissa);

// The largest n with 10ⁿ ≤ |value| (0 for 0).
int decade(long double value);
long double power(int n);

}
