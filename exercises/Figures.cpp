#include "exercises/Figures.h"

#include "engine/NumberText.h"
#include "exercises/Prng.h"

#include <cmath>
#include <vector>

namespace Figures {

long double power(int n)
{
    long double p = 1;
    for (int i = 0; i < (n < 0 ? -n : n); ++i)
        p *= 10;
    return n < 0 ? 1 / p : p;
}

int decade(long double value)
{
    const long double v = value < 0 ? -value : value;
    if (!(v > 0))
        return 0;
    int n = 0;
    while (power(n + 1) <= v && n < 4000)
        ++n;
    while (power(n) > v && n > -4000)
        --n;
    return n;
}

QString scaled(long long k, int n)
{
    const bool negative = k < 0;
    QString digits = QString::number(negative ? -k : k);
    if (n >= 0) {
        if (k != 0)
            digits += QString(n, u'0');
    } else {
        const int point = int(digits.size()) + n;
        if (point <= 0)
            digits = QStringLiteral("0,") + QString(-point, u'0') + digits;
        else
            digits.insert(point, u',');
    }
    return negative ? u'-' + digits : digits;
}

namespace {

Decimal make(long long k, int n, int figures)
{
    Decimal d;
    d.plain = scaled(k, n);
    d.value = NumberText::toNumber(d.plain, u',');
    d.figures = figures;
    return d;
}

long long ceilOf(long double x) { return (long long)std::ceil(x); }
long long floorOf(long double x) { return (long long)std::floor(x); }

// A range above zero: every value with exactly `figures` figures in it, equally likely.
Decimal positive(Prng& prng, long double low, long double high, int figures)
{
    struct Span { int n; long long first, last; };
    std::vector<Span> spans;
    unsigned long long total = 0;
    for (int d = decade(low); d <= decade(high); ++d) {
        const int n = d - figures + 1;
        const long double q = power(n);
        const long double a = low > power(d) ? low : power(d);
        const long double b = high < power(d + 1) ? high : power(d + 1);
        long long first = ceilOf(a / q), last = floorOf(b / q);
        // 10^figures belongs to the next decade, unless the range ends there.
        const long long top = (long long)power(figures);
        if (last >= top && d < decade(high))
            last = top - 1;
        if (last >= first) {
            spans.push_back({n, first, last});
            total += (unsigned long long)(last - first + 1);
        }
    }
    if (total == 0)
        return rounded(low, figures);
    unsigned long long i = prng.below(total);
    for (const Span& s : spans) {
        const auto count = (unsigned long long)(s.last - s.first + 1);
        if (i < count)
            return make(s.first + (long long)i, s.n, figures);
        i -= count;
    }
    return rounded(low, figures);
}

}

Decimal draw(Prng& prng, long double low, long double high, int figures, bool whole)
{
    if (whole) {
        const long long first = ceilOf(low), last = floorOf(high);
        const long long k = last < first ? first : first + (long long)prng.below((unsigned long long)(last - first + 1));
        Decimal d = make(k, 0, 0);
        d.figures = int(QString::number(k < 0 ? -k : k).size());
        return d;
    }
    if (low > 0)
        return positive(prng, low, high, figures);
    if (high < 0) {
        Decimal d = positive(prng, -high, -low, figures);
        d.plain.prepend(u'-');
        d.value = -d.value.value();
        return d;
    }
    const long double larger = -low > high ? -low : high;
    const int n = decade(larger) - figures + 1;
    const long double q = power(n);
    const long long first = ceilOf(low / q), last = floorOf(high / q);
    const long long k = last < first ? first : first + (long long)prng.below((unsigned long long)(last - first + 1));
    return make(k, n, figures);
}

Decimal rounded(long double value, int figures)
{
    if (value == 0)
        return make(0, 0, figures);
    int d = decade(value);
    long long k = (long long)std::round(value / power(d - figures + 1));
    const long long top = (long long)power(figures);
    if (k >= top || k <= -top) {
        ++d;
        k = (long long)std::round(value / power(d - figures + 1));
    }
    return make(k, d - figures + 1, figures);
}

int significantOf(QStringView mantissa)
{
    int count = 0;
    bool started = false;
    for (QChar c : mantissa) {
        if (!c.isDigit())
            continue;
        if (c != u'0')
            started = true;
        if (started)
            ++count;
    }
    return count;
}

}
