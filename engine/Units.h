#pragma once

#include "engine/Number.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

// The units a row's value may be given in. Every unit of a kind is held by how it gives
// the kind's base unit, as exact decimal texts (written with a comma):
//     base = (value + before) × times / over + after
// so 1 km/h is 1 × 1 / 3,6 m/s and 1 ºF is (1 − 32) × 5 / 9 + 273 K. The texts are read
// into 80-bit values once, on first use.
namespace Units {

struct Unit
{
    const char* name;
    const char* times = "1";
    const char* over = "1";
    const char* before = "0";
    const char* after = "0";
};

struct Kind
{
    const char* name;
    std::span<const Unit> units;
};

// A unit text as a row shows it: the kind and unit it is, or none (a pure number, or a
// unit with nothing else to be given in). "°" is read as the program's "º".
struct RowUnit
{
    const Kind* kind = nullptr;
    const Unit* unit = nullptr;
};
// Empty for a text that is in neither list.
std::optional<RowUnit> ofRow(QStringView unitText);

std::span<const Kind> kinds();

// One unit a row offers and its relation to the row's unit, e.g.
// "km/h  (1 km/h = 1/3,6 m/s)", "mmHg  (1 mmHg = 1/760 atm)" or "ºF  (ºC = (ºF − 32)·5/9)".
struct Choice
{
    const Unit* unit;
    QString label;
};

// The units of the row's kind other than its own. A difference (a row whose symbol
// carries Δ) converts temperatures without the offset.
std::vector<Choice> choices(const RowUnit& row, bool difference, QChar decimalSeparator);

// A value given in `from`, in the row's unit; a value in the row's unit, given in `to`.
// Computed in 80 bits; an overflow raises MathError.
Number toRow(Number value, const Unit& from, const Unit& row, bool difference);
Number fromRow(Number value, const Unit& to, const Unit& row, bool difference);

}
