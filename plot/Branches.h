#pragma once

#include <QPointF>
#include <vector>

// A sampled curve cut where it has no value, or where it jumps across an asymptote, into
// the branches that are drawn as lines. Two branches are never joined.
namespace Branches {

// Samples in order of x; a NaN (or infinite) y is a point where the relation has no value.
// Between two finite samples the curve is cut when the sign changes with a jump larger
// than `jumpLimit` (a few heights of the view) and both sides grow toward the jump, as
// they do beside an asymptote; a steep line crossing zero shrinks toward it and stays whole.
std::vector<std::vector<QPointF>> of(const std::vector<QPointF>& samples, double jumpLimit);

// Where the curve crosses an asymptote, in order of x: each jump that `of` cuts at, and each
// gap of up to three samples whose neighbours make such a jump (a sample on the asymptote
// has no value, nor do those whose value overflows). The x is where 1 / y reaches zero
// between the two samples, exact for y = c / (x − a).
std::vector<double> asymptotes(const std::vector<QPointF>& samples, double jumpLimit);

}
