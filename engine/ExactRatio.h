#pragma once

#include <QString>
#include <utility>

// A positive decimal as the unit table writes a factor ("3,6", "101325", "0,001"), held
// exactly: its significant digits and a power of ten.
struct ExactDecimal
{
    // A comma text; a text with too many digits to hold is marked as not fitting.
    static ExactDecimal of(const char* commaText);

    unsigned __int128 digits = 1;
    int exponent = 0;
    bool fits = true;
};

// A decimal over another, held as a reduced fraction, so a unit's relation to another can
// be written as a reader checks it against a book, never rounded.
class ExactRatio
{
public:
    ExactRatio(const ExactDecimal& times, const ExactDecimal& over);

    ExactRatio dividedBy(const ExactRatio& other) const;
    bool isOne() const { return m_fits && m_num == 1 && m_den == 1 && m_exponent == 0; }

    // How many `in` make one `of`, the first form that holds: a decimal of at most six
    // significant digits ("1000", "0,001", "3,6 · 10⁶"); one over such a decimal
    // ("1/760", "1/3,6"); the exact decimal ("1,602176634 · 10⁻¹⁹"); one over it; a
    // reduced fraction of at most six digits a term ("20265/152"); the quotient of the
    // two decimals ("3600/4,186"); the reduced fraction.
    static QString relation(const ExactRatio& of, const ExactRatio& in, QChar decimalSeparator);
    // As a factor in a formula: a short decimal ("1,8") or the reduced fraction ("5/9").
    QString multiplier(QChar decimalSeparator) const;

private:
    using Whole = unsigned __int128;
    ExactRatio() = default;

    // The ratio, or its reciprocal, as a decimal when it is one.
    struct Written
    {
        bool terminating = false;
        QString text;
        int significant = 0;
    };
    Written decimal(QChar separator) const;
    ExactRatio reciprocal() const;
    // The reduced fraction's terms, as whole numbers; empty when they do not fit.
    std::pair<QString, QString> fraction() const;

    Whole m_num = 1;
    Whole m_den = 1;
    int m_exponent = 0; // value = num / den · 10^exponent
    bool m_fits = true;
};
