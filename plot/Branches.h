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

}
