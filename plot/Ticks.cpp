#include "plot/Ticks.h"

#include <algorithm>
#include <cmath>

namespace Ticks {

double step(double low, double high, int most)
{
    const double span = std::abs(high - low);
    most = std::max(most, 1);
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    // One decade below the raw step, so rounding in log10 can never skip the right one.
    double decade = std::pow(10.0, std::floor(std::log10(span / most)) - 1);
    for (;;) {
        for (const double m : {1.0, 2.0, 5.0}) {
            const double s = m * decade;
            // A hair of tolerance: 1 / 0,1 is 10 intervals, not 10,000000000000002.
            if (span / s <= most * (1 + 1e-9))
                return s;
        }
        decade *= 10;
    }
}

std::vector<double> values(double low, double high, double step)
{
    std::vector<double> ticks;
    if (!(step > 0) || !std::isfinite(low) || !std::isfinite(high))
        return ticks;
    if (low > high)
        std::swap(low, high);
    const double first = std::ceil(low / step - 1e-9);
    const double last = std::floor(high / step + 1e-9);
    if (last - first > 1000)
        return ticks;
    for (double k = first; k <= last; ++k)
        ticks.push_back(k == 0 ? 0.0 : k * step);
    return ticks;
}

}
