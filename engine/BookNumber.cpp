#include "engine/BookNumber.h"

#include "engine/NumberText.h"

#include <optional>

namespace BookNumber {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A number text taken apart: sign, the digits before and after the separator, the
// written exponent. Empty when the text is not in the fields' syntax.
struct Parts
{
    bool negative = false;
    QString whole;
    QString fraction;
    bool hasExponent = false;
    long exponent = 0;
};

std::optional<Parts> partsOf(QStringView text, QChar separator)
{
    QString t = text.trimmed().toString();
    t.replace(QStringLiteral("x10E"), QStringLiteral("E"));
    Parts p;
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        p.negative = t[i++] == u'-';
    for (; i < n && isDigit(t[i]); ++i)
        p.whole += t[i];
    if (i < n && t[i] == separator) {
        for (++i; i < n && isDigit(t[i]); ++i)
            p.fraction += t[i];
    }
    if (p.whole.isEmpty() && p.fraction.isEmpty())
        return std::nullopt;
    if (i < n && (t[i] == u'E' || t[i] == u'e')) {
        p.hasExponent = true;
        ++i;
        bool negative = false;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            negative = t[i++] == u'-';
        for (; i < n && isDigit(t[i]) && p.exponent < 100000; ++i)
            p.exponent = p.exponent * 10 + (t[i].unicode() - u'0');
        if (negative)
            p.exponent = -p.exponent;
    }
    if (i != n)
        return std::nullopt;
    return p;
}

QString withSign(bool negative, const QString& text)
{
    return negative ? QStringLiteral("−") + text : text;
}

}

QString superscript(long exponent)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar c : QString::number(exponent < 0 ? -exponent : exponent))
        out += digits[c.unicode() - u'0'];
    return out;
}

QString fromText(QStringView text, QChar decimalSeparator)
{
    const std::optional<Parts> parsed = partsOf(text, decimalSeparator);
    if (!parsed)
        return text.trimmed().toString();
    const Parts& p = *parsed;
    // Every digit as one string, the position of the first significant one, and the
    // value's decimal exponent: value = 0,d₁d₂… · 10^point.
    const QString digits = p.whole + p.fraction;
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    if (first == digits.size())
        return QStringLiteral("0");
    const long point = long(p.whole.size()) - long(first) + p.exponent;
    if (!p.hasExponent && point <= 6 && point >= -2) {
        QString out = p.whole.isEmpty() ? QStringLiteral("0") : p.whole;
        if (!p.fraction.isEmpty())
            out += decimalSeparator + p.fraction;
        return withSign(p.negative, out);
    }
    // m · 10ⁿ with one digit before the separator; the digits after the last significant
    // one were written by the student only where the text had no exponent to move.
    QString significant = digits.mid(first);
    if (!p.hasExponent || first >= p.whole.size()) {
        while (significant.endsWith(u'0'))
            significant.chop(1);
    }
    QString mantissa = significant.left(1);
    if (significant.size() > 1)
        mantissa += decimalSeparator + significant.mid(1);
    return withSign(p.negative, mantissa + QStringLiteral(" · 10") + superscript(point - 1));
}

QString of(Number value, QChar decimalSeparator)
{
    return fromText(NumberText::format(value, decimalSeparator), decimalSeparator);
}

}
