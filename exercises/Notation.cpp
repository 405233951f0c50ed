#include "exercises/Notation.h"

#include "engine/BookNumber.h"

#include <cmath>

namespace Notation {

namespace {

QString grouped(const QString& plain)
{
    const bool negative = plain.startsWith(u'-');
    const QString body = negative ? plain.mid(1) : plain;
    const qsizetype comma = body.indexOf(u',');
    QString whole = comma < 0 ? body : body.left(comma);
    const QString rest = comma < 0 ? QString() : body.mid(comma);
    if (whole.size() >= 5) {
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, QChar(groupSpace));
    }
    return (negative ? QStringLiteral("−") : QString()) + whole + rest;
}

// The figures of a decimal text, without sign, point or leading zeros, padded to `count`.
QString significantDigits(const QString& plain, int count)
{
    QString digits;
    for (QChar c : plain) {
        if (c.isDigit() && !(digits.isEmpty() && c == u'0'))
            digits += c;
    }
    while (digits.size() < count)
        digits += u'0';
    return digits.left(std::max(count, 1));
}

}

QString number(const Figures::Decimal& d)
{
    const long double v = std::fabs(d.value.value());
    if (v != 0 && (v >= 1e6L || v < 1e-3L)) {
        const QString digits = significantDigits(d.plain, d.figures);
        QString mantissa = digits.left(1);
        if (digits.size() > 1)
            mantissa += u',' + digits.mid(1);
        const QString sign = d.value.value() < 0 ? QStringLiteral("−") : QString();
        return sign + mantissa + QChar(unitSpace) + u'·' + QChar(unitSpace) + QStringLiteral("10")
            + BookNumber::superscript(Figures::decade(d.value.value()));
    }
    return grouped(d.plain);
}

QString unit(QStringView name)
{
    QString out = name.toString();
    out.replace(u'º', u'°');
    return out;
}

QString withUnit(const QString& number, QStringView unitName)
{
    if (unitName.isEmpty())
        return number;
    const QString u = unit(unitName);
    if (u == u"°")
        return number + u;
    return number + QChar(unitSpace) + u;
}

QString counted(QStringView quantity)
{
    static const QString prefix = QStringLiteral("número de ");
    return quantity.startsWith(prefix) ? quantity.mid(prefix.size()).toString() : QString();
}

QString plain(long double value)
{
    QString s = QString::number(double(value), 'g', 6);
    s.replace(u'.', u',');
    if (s.startsWith(u'-'))
        s.replace(0, 1, QChar(0x2212));
    return s;
}

Figures::Decimal exact(double value)
{
    // The shortest text that reads back as the double: a table's own digits.
    const QString text = QString::number(value, 'g', 15);
    QString digits;
    bool point = false;
    for (QChar c : text) {
        if (c == u'e' || c == u'E')
            break;
        point = point || c == u'.';
        if (c.isDigit() && (!digits.isEmpty() || c != u'0'))
            digits += c;
    }
    // The zeros that end a whole number place its digits: 3 · 10⁸ has one figure.
    while (!point && digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    return Figures::rounded(value, std::max(int(digits.size()), 1));
}

}
