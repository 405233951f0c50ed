#pragma once

#include <vector>

// Round tick steps, 1, 2 or 5 × 10ⁿ, for any range: tiny, huge, negative or far from zero.
namespace Ticks {

// The smallest round step that cuts [low, high] into at most `most` intervals (at least 1).
double step(double low, double high, int most);

// The multiples of `step` within [low, high], each computed as k × step so that zero is
// exactly zero and no error accumulates along the axis.
std::vector<double> values(double low, double high, double step);

}
