#pragma once

#include <QPolygonF>
#include <QRectF>
#include <vector>

// The lines that draw one branch of a curve, in pixels, cut to a rectangle a little larger
// than the view: far outside it no coordinate reaches the painter, and the part of a
// segment inside keeps its slope.
namespace CurvePath {

// Polylines of two points or more, in order; a new one starts wherever the branch comes
// back into `bounds`.
std::vector<QPolygonF> lines(const std::vector<QPointF>& branch, const QRectF& bounds);

}
