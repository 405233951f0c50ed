#pragma once

#include "exercises/Figures.h"

#include <QString>

// Numbers and units as a Brazilian book prints them in a statement and its key: powers
// of ten for a value of 10⁶ or more or under 10⁻³ ("1,2 · 10¹³"), the figures kept
// ("2,0 · 10⁻⁷"), thin no-break spaces between groups of thousands from five digits on
// ("12 500"), the minus sign −, the degree sign ° of "30 °C", and a no-break space
// between a value and its unit, so that no line break ever parts them.
namespace Notation {

// The narrow no-break space between groups of digits, and the no-break space before a unit.
inline constexpr char16_t groupSpace = u'\u202f';
inline constexpr char16_t unitSpace = u'\u00a0';
// Between the parts of a unit, where a line could otherwise break ("km/⁠h").
inline constexpr char16_t wordJoiner = u'\u2060';

QString number(const Figures::Decimal& value);
// A unit's name as printed: the program's º becomes the degree sign °.
QString unit(QStringView name);
// "72 km/h", "30 °C", "30°" (an angle takes its sign with no space), "12" (no unit).
QString withUnit(const QString& number, QStringView unitName);

// What a count counts, from its quantity's name: "voltas" for "número de voltas",
// "elétrons" for "número de elétrons"; empty for a quantity not named so.
QString counted(QStringView quantity);

// A value as a hint says it, with six figures at most: "3,6", "−0,5", "21,5556".
QString plain(long double value);

// A decimal with the significant figures of its shortest text (9,8; 1,33; 1,7 · 10⁻⁸):
// how a table's value is printed.
Figures::Decimal exact(double value);

}
