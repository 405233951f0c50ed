#pragma once

#include "engine/Number.h"

#include <QString>

// The three rules between field text and numbers. The decimal separator is passed in,
// so the rules can be tested alone in any locale.
namespace NumberText {

// "'<text>' is not a valid floating point value"
QString conversionMessage(QStringView text);

// Strict conversion: optional blanks, sign, digits, the locale's separator, digits,
// an exponent, blanks, and nothing else. Throws ConversionError.
Number toNumber(QStringView text, QChar decimalSeparator);
// Whether the strict conversion reads the text.
bool isNumber(QStringView text, QChar decimalSeparator);

// Tolerant parser: "." (or the locale's separator) as decimal point; anything that is
// not a number reads 0. The result is rounded to a double. An empty text throws the
// same ConversionError as the strict conversion; a value beyond the double range
// raises MathError (overflow) instead of becoming an infinity. `isNumber`, when given,
// tells whether the text was a number or read 0 for not being one.
Number parseTolerant(QStringView text, QChar decimalSeparator, bool* isNumber = nullptr);

// The program writes its decimal constants with a comma ("3,1416", "1,38*10E-23"); the
// user sees them, and the solvers convert them, with the locale's separator.
QString localized(QStringView commaText, QChar decimalSeparator);

// General format with 15 significant digits: fixed for exponents -3..15, else scientific.
QString format(Number value, QChar decimalSeparator);

}
