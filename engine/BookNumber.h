#pragma once

#include "engine/Number.h"

#include <QString>

// Numbers as a school book prints them in a worked solution: powers of ten instead of the
// E of the fields ("7,2 · 10¹⁸"), the minus sign U+2212 ("−0,5"). The digits of a text
// are kept as they stand, so a working shows exactly the digits of the field it quotes.
namespace BookNumber {

// A number text in the fields' syntax ("2E-6", "-0,5", "2500000", "7,20000006704996E18",
// and the charge page's "1,6x10E-19") in book form. A value of magnitude 10⁶ or more, or
// under 10⁻³, and any text typed with an exponent, is written as "m · 10ⁿ"; any other
// value as typed. A text that is not a number is returned trimmed, as it stands.
QString fromText(QStringView text, QChar decimalSeparator);

// A value in book form, with the display's 15 significant digits.
QString of(Number value, QChar decimalSeparator);

// "⁻¹⁹"
QString superscript(long exponent);

}
