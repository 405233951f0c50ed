#pragma once

#include <vector>

// Round tick steps, 1, 2 or 5 × 10ⁿ, for any range: tiny, huge, negative or far from zero.
// Any pair of doubles is taken, NaN and infinities included: every call ends after a few
// steps and returns a bounded number of ticks.
namespace Ticks {

// The most ticks `values` ever returns.
constexpr int most = 1000;

// The smallest round step that cuts [low, high] into at most `intervals` intervals (at
// least 1). A range with no width, or one too wide or too narrow for a round step, gets a
// step that `values` turns into at most a few ticks.
double step(double low, double high, int intervals);

// The multiples of `step` within [low, high], each computed as k × step so that zero is
// exactly zero and no error accumulates along the axis. None where they would be more than
// `most`, or so far from zero for their step that two of them could not be told apart.
std::vector<double> values(double low, double high, double step);

}
