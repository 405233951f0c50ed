#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class PlotView;

// SEAM: what the graph window needs from the plot that PlotView does not offer yet. Each
// function does it with what PlotView has today; once the plot has its own, the body
// calls it and the window stays as it is.
namespace PlotSeams {

// Whether the plot can draw the horizontal range [low, high]: finite ends, a width above
// 10⁻⁹ of the larger end and under 10³⁰⁰ (what its zoom stops at), and not a subnormal
// double, whose ticks cannot be told apart. Typed ranges and zooms take the same test.
bool acceptsRange(double low, double high);

// The plot's picture with `caption` (a title, then the other quantities' values) above
// the graph, at the plot's size: PNG at `ratio` device pixels per pixel, or SVG by the
// file's suffix. False when the file could not be written.
QImage picture(const PlotView& plot, qreal ratio, const QStringList& caption);
bool savePicture(const PlotView& plot, const QString& path, qreal ratio, const QStringList& caption);

}
