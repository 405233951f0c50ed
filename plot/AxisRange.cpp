#include "plot/AxisRange.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace AxisRange {

Fault fault(double low, double high)
{
    if (!std::isfinite(low) || !std::isfinite(high))
        return Fault::NotFinite;
    if (!(high > low))
        return Fault::Empty;
    const double size = std::max(std::abs(low), std::abs(high));
    if (size > largest)
        return Fault::TooLarge;
    const double width = high - low;
    if (width < narrowest || width <= relative * size)
        return Fault::TooNarrow;
    return Fault::None;
}

std::optional<Range> nearest(double low, double high)
{
    if (std::isnan(low) || std::isnan(high))
        return std::nullopt;
    if (low > high)
        std::swap(low, high);
    low = std::clamp(low, -largest, largest);
    high = std::clamp(high, -largest, largest);
    if (acceptable(low, high))
        return Range{low, high};
    // Only a narrow range is left; half its middle's size is wide unless the middle is
    // within a few narrowest widths of zero.
    const double middle = low / 2 + high / 2;
    const double pad = std::abs(middle) / 2;
    low = std::max(middle - pad, -largest);
    high = std::min(middle + pad, largest);
    if (acceptable(low, high))
        return Range{low, high};
    return Range{middle - 1, middle + 1};
}

Range fitted(std::vector<double> values, std::optional<double> kept)
{
    std::erase_if(values, [](double v) { return !std::isfinite(v); });
    double low = -1, high = 1;
    if (!values.empty()) {
        std::sort(values.begin(), values.end());
        const std::size_t cut = values.size() / 20;
        low = values[cut];
        high = values[values.size() - 1 - cut];
        // A difference that overflows is more than any stretch.
        const double width = high - low;
        const bool higher = width == 0 || values.back() - low <= stretch * width;
        const bool lower = width == 0 || high - values.front() <= stretch * width;
        if (higher)
            high = values.back();
        if (lower)
            low = values.front();
    }
    if (kept && std::isfinite(*kept)) {
        low = std::min(low, *kept);
        high = std::max(high, *kept);
    }
    if (low > 0 && low <= high - low)
        low = 0;
    if (high < 0 && -high <= high - low)
        high = 0;
    const double span = high - low;
    if (low != 0)
        low -= span * 0.06;
    if (high != 0)
        high += span * 0.06;
    return nearest(low, high).value_or(Range{-1, 1});
}

}
