#include "plot/Branches.h"

#include <cmath>
#include <optional>

namespace Branches {

namespace {

bool finite(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Whether the finite samples a (at index i) and b (at index j > i) lie on the two sides of
// an asymptote: opposite signs, far apart, and growing in magnitude toward each other.
bool across(const std::vector<QPointF>& s, std::size_t i, std::size_t j, double jumpLimit)
{
    const QPointF &a = s[i], &b = s[j];
    const bool signChange = (a.y() < 0 && b.y() > 0) || (a.y() > 0 && b.y() < 0);
    if (!signChange || !(std::abs(b.y() - a.y()) > jumpLimit))
        return false;
    const auto grows = [&](std::size_t outer, const QPointF& inner) {
        return !finite(s[outer]) || std::abs(inner.y()) >= std::abs(s[outer].y());
    };
    return (i == 0 || grows(i - 1, a)) && (j + 1 >= s.size() || grows(j + 1, b));
}

// Linear in 1 / y, which is exact near a simple pole.
double pole(const QPointF& a, const QPointF& b)
{
    const double ia = 1 / a.y(), ib = 1 / b.y();
    return a.x() + (b.x() - a.x()) * ia / (ia - ib);
}

}

std::vector<std::vector<QPointF>> of(const std::vector<QPointF>& samples, double jumpLimit)
{
    std::vector<std::vector<QPointF>> branches;
    std::vector<QPointF> current;
    const auto close = [&] {
        if (!current.empty())
            branches.push_back(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!finite(samples[i])) {
            close();
            continue;
        }
        if (!current.empty() && across(samples, i - 1, i, jumpLimit))
            close();
        current.push_back(samples[i]);
    }
    close();
    return branches;
}

std::vector<double> asymptotes(const std::vector<QPointF>& samples, double jumpLimit)
{
    std::vector<double> xs;
    std::optional<std::size_t> previous;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!finite(samples[i]))
            continue;
        // A gap of up to three samples: the pole, and overflows beside it.
        if (previous && i - *previous <= 4 && across(samples, *previous, i, jumpLimit))
            xs.push_back(pole(samples[*previous], samples[i]));
        previous = i;
    }
    return xs;
}

}
