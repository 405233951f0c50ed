#include "engine/ExactRatio.h"

#include "engine/BookNumber.h"

#include <string>
#include <utility>

namespace {

using Whole = unsigned __int128;

constexpr int shortDigits = 6;

// std::gcd knows no 128-bit integers in standard C++.
Whole gcd(Whole a, Whole b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

bool multiply(Whole& a, Whole b)
{
    return !__builtin_mul_overflow(a, b, &a);
}

int stripZeros(Whole& w)
{
    int zeros = 0;
    while (w != 0 && w % 10 == 0) {
        w /= 10;
        ++zeros;
    }
    return zeros;
}

std::string digitsOf(Whole w)
{
    std::string s;
    do {
        s.insert(s.begin(), char('0' + int(w % 10)));
        w /= 10;
    } while (w != 0);
    return s;
}

// The twos and fives of a whole number; what is left over.
Whole withoutTwosAndFives(Whole w, int& twos, int& fives)
{
    twos = fives = 0;
    for (; w % 2 == 0; w /= 2)
        ++twos;
    for (; w % 5 == 0; w /= 5)
        ++fives;
    return w;
}

}

ExactDecimal ExactDecimal::of(const char* commaText)
{
    ExactDecimal d;
    d.digits = 0;
    bool afterComma = false;
    for (const char* c = commaText; *c; ++c) {
        if (*c == ',') {
            afterComma = true;
            continue;
        }
        d.fits = d.fits && *c >= '0' && *c <= '9' && multiply(d.digits, 10) && !__builtin_add_overflow(d.digits, Whole(*c - '0'), &d.digits);
        if (afterComma)
            --d.exponent;
    }
    d.fits = d.fits && d.digits != 0;
    d.exponent += stripZeros(d.digits);
    return d;
}

ExactRatio::ExactRatio(const ExactDecimal& times, const ExactDecimal& over)
    : m_num(times.digits)
    , m_den(over.digits)
    , m_exponent(times.exponent - over.exponent)
    , m_fits(times.fits && over.fits)
{
    const Whole common = gcd(m_num, m_den);
    m_num /= common;
    m_den /= common;
}

ExactRatio ExactRatio::dividedBy(const ExactRatio& other) const
{
    ExactRatio q;
    q.m_num = m_num;
    q.m_den = m_den;
    q.m_fits = m_fits && other.m_fits && multiply(q.m_num, other.m_den) && multiply(q.m_den, other.m_num);
    q.m_exponent = m_exponent - other.m_exponent;
    if (!q.m_fits)
        return q;
    const Whole common = gcd(q.m_num, q.m_den);
    q.m_num /= common;
    q.m_den /= common;
    q.m_exponent += stripZeros(q.m_num) - stripZeros(q.m_den);
    return q;
}

ExactRatio ExactRatio::reciprocal() const
{
    ExactRatio r = *this;
    std::swap(r.m_num, r.m_den);
    r.m_exponent = -m_exponent;
    return r;
}

// As a decimal text, when the denominator has no prime factor but 2 and 5.
ExactRatio::Written ExactRatio::decimal(QChar separator) const
{
    int twos, fives;
    if (!m_fits || withoutTwosAndFives(m_den, twos, fives) != 1)
        return {};
    // num/den = num · 2^(k − twos) · 5^(k − fives) / 10^k
    const int k = std::max(twos, fives);
    Whole digits = m_num;
    for (int i = twos; i < k; ++i) {
        if (!multiply(digits, 2))
            return {};
    }
    for (int i = fives; i < k; ++i) {
        if (!multiply(digits, 5))
            return {};
    }
    int exponent = m_exponent - k;
    exponent += stripZeros(digits);
    std::string text = digitsOf(digits);
    const int significant = int(text.size());
    if (exponent >= 0) {
        text.append(std::size_t(exponent), '0');
    } else {
        const int fraction = -exponent;
        if (int(text.size()) <= fraction)
            text.insert(0, std::size_t(fraction - int(text.size()) + 1), '0');
        text.insert(text.size() - std::size_t(fraction), 1, ',');
    }
    QString book = BookNumber::fromText(QString::fromLatin1(text.c_str()).replace(u',', separator), separator);
    // A power of ten alone, as a book writes it: "10⁶", not "1 · 10⁶".
    if (book.startsWith(QStringLiteral("1 · ")))
        book.remove(0, 4);
    return {true, book, significant};
}

std::pair<QString, QString> ExactRatio::fraction() const
{
    Whole num = m_num;
    Whole den = m_den;
    bool fits = m_fits;
    for (int i = 0; i < m_exponent; ++i)
        fits = fits && multiply(num, 10);
    for (int i = 0; i > m_exponent; --i)
        fits = fits && multiply(den, 10);
    if (!fits)
        return {};
    const Whole common = gcd(num, den);
    return {QString::fromLatin1(digitsOf(num / common).c_str()), QString::fromLatin1(digitsOf(den / common).c_str())};
}

QString ExactRatio::relation(const ExactRatio& of, const ExactRatio& in, QChar separator)
{
    const ExactRatio ratio = of.dividedBy(in);
    const Written straight = ratio.decimal(separator);
    const Written reciprocal = ratio.reciprocal().decimal(separator);
    const auto oneOver = [](const QString& d) { return QStringLiteral("1/") + (d.contains(u' ') ? u'(' + d + u')' : d); };
    if (straight.terminating && straight.significant <= shortDigits)
        return straight.text;
    if (reciprocal.terminating && reciprocal.significant <= shortDigits)
        return oneOver(reciprocal.text);
    if (straight.terminating)
        return straight.text;
    if (reciprocal.terminating)
        return oneOver(reciprocal.text);
    const auto [num, den] = ratio.fraction();
    if (!num.isEmpty() && num.size() <= shortDigits && den.size() <= shortDigits)
        return num + u'/' + den;
    const Written ofText = of.decimal(separator);
    const Written inText = in.decimal(separator);
    if (ofText.terminating && inText.terminating)
        return ofText.text + u'/' + inText.text;
    return num.isEmpty() ? QStringLiteral("?") : num + u'/' + den;
}

QString ExactRatio::multiplier(QChar separator) const
{
    const Written straight = decimal(separator);
    if (straight.terminating && straight.significant <= shortDigits)
        return straight.text;
    const auto [num, den] = fraction();
    return num.isEmpty() ? QStringLiteral("?") : den == QLatin1String("1") ? num : num + u'/' + den;
}
