#pragma once

#include <optional>
#include <utility>
#include <vector>

// The ranges an axis can be drawn over. Whatever two numbers come in, typed, zoomed or
// fitted to a curve, the view only ever holds an acceptable range: finite ends well inside
// the doubles, and a width that is a normal number and not lost in the ends' digits.
namespace AxisRange {

using Range = std::pair<double, double>;

// No end beyond this size, so the width and a margin around it stay finite.
constexpr double largest = 1e307;
// No width below this, so a tenth of it, a tick step, is far from the subnormals.
constexpr double narrowest = 1e-300;
// No width below this part of the ends' size: 10 to 10,0000001 is drawn, 10 to
// 10,00000000000001 is not (its ticks could not be told apart).
constexpr double relative = 1e-9;

// Why a range cannot be drawn, for the owner to say it in its own words.
enum class Fault {
    None,
    NotFinite, // an end is NaN or infinite
    Empty, // high is not above low (equal or reversed ends)
    TooLarge, // an end beyond ±largest
    TooNarrow, // the width is below `narrowest` or below `relative` of the ends' size
};

Fault fault(double low, double high);
inline bool acceptable(double low, double high)
{
    return fault(low, high) == Fault::None;
}

// The acceptable range nearest to [low, high]: the ends in order, kept within ±largest, and
// a range too narrow widened about its middle by half the middle's size (5 to 15 for 10 to
// 10), or by 1 on each side where the middle is (nearly) zero. None when an end is NaN.
std::optional<Range> nearest(double low, double high);

// The vertical range that holds every value (and `kept`, always), unless the few largest
// or smallest would stretch it more than `stretch` times, as beside an asymptote or near a
// division by zero: then the middle nine tenths. Zero joins in where that at most doubles
// the range, as a book's axes start there; a margin of 6 % is left beyond the other ends.
// Non-finite values are left out; with none at all, −1 to 1.
constexpr double stretch = 4;
Range fitted(std::vector<double> values, std::optional<double> kept = std::nullopt);

}
