#include "controls/XPMenuColors.h"

#include <algorithm>

namespace XPColors {

namespace {

int clampByte(int v)
{
    return std::clamp(v, 0, 255);
}

// Rounds num / 100 half to even, as the platform's rounding of the percentage does.
int roundPercent(int num)
{
    int q = num / 100;
    const int rem = num % 100;
    if (rem > 50 || (rem == 50 && (q & 1)))
        ++q;
    return q;
}

// The nearest of 2^bits evenly spread levels, spread back over 0..255.
int quantise(int v, int bits)
{
    const int levels = (1 << bits) - 1;
    const int step = (v * levels + 127) / 255;
    return (step * 255 + levels / 2) / levels;
}

}

QColor nearest(const QColor& c, int depth)
{
    if (depth >= 24)
        return QColor(c.red(), c.green(), c.blue());
    if (depth >= 16)
        return QColor(quantise(c.red(), 5), quantise(c.green(), 6), quantise(c.blue(), 5));
    if (depth >= 15)
        return QColor(quantise(c.red(), 5), quantise(c.green(), 5), quantise(c.blue(), 5));
    return QColor(quantise(c.red(), 3), quantise(c.green(), 3), quantise(c.blue(), 2));
}

QColor lighten(const QColor& c, int p, int depth)
{
    p = std::clamp(p, 0, 100);
    auto up = [p](int v) { return clampByte(v + roundPercent((255 - v) * p)); };
    return nearest(QColor(up(c.red()), up(c.green()), up(c.blue())), depth);
}

QColor darken(const QColor& c, int n)
{
    return QColor(clampByte(c.red() - n), clampByte(c.green() - n + 2), clampByte(c.blue() - n));
}

QColor grey(const QColor& c, int n)
{
    const int v = clampByte(std::min(240, n + (c.red() + c.green() + c.blue()) / 3));
    return QColor(v, v, v);
}

}
