#include "plot/Ticks.h"

#include <algorithm>
#include <cmath>

namespace Ticks {

double step(double low, double high, int intervals)
{
    const double span = std::abs(high - low);
    intervals = std::max(intervals, 1);
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    // One decade below the raw step, so rounding in log10 can never skip the right one;
    // three decades up always reach it. Where the decade underflows to zero or the round
    // step overflows, the range itself is the step.
    double decade = std::pow(10.0, std::floor(std::log10(span / intervals)) - 1);
    for (int d = 0; d < 3 && decade > 0; ++d, decade *= 10) {
        for (const double m : {1.0, 2.0, 5.0}) {
            const double s = m * decade;
            // A hair of tolerance: 1 / 0,1 is 10 intervals, not 10,000000000000002.
            if (std::isfinite(s) && span / s <= intervals * (1 + 1e-9))
                return s;
        }
    }
    return span;
}

std::vector<double> values(double low, double high, double step)
{
    std::vector<double> ticks;
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(low) || !std::isfinite(high))
        return ticks;
    if (low > high)
        std::swap(low, high);
    const double first = std::ceil(low / step - 1e-9);
    const double last = std::floor(high / step + 1e-9);
    // Past 2⁵³ adding one to k no longer changes it; well before that the ticks' texts
    // would all read alike.
    constexpr double exact = 1e15;
    if (!(last - first < most) || std::max(std::abs(first), std::abs(last)) > exact)
        return ticks;
    const int count = int(last - first) + 1;
    ticks.reserve(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const double k = first + i;
        ticks.push_back(k == 0 ? 0.0 : k * step);
    }
    return ticks;
}

}
