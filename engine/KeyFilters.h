#pragma once

#include <QChar>
#include <optional>

// The two filters every field applies to each typed character before it sees it: the
// character to insert, or nothing (the key press is swallowed).
namespace KeyFilters {

inline constexpr char16_t backspace = 8;

// Digits, signs, exponent letters, the comma and backspace; "." and "," become the
// locale's decimal separator (the comma in the comma locale, the point in a point locale).
std::optional<QChar> eSKeyPress(QChar key, QChar decimalSeparator);

// Digits, "-", ",", "." and backspace; nothing is replaced. For the cosine and
// temperature fields.
std::optional<QChar> tiCosKeyPress(QChar key);

}
