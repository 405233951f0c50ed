#pragma once

// What the waves and electrostatics picture programs add to the shared picture set: their
// palette, a measured distance, and the light card under every scene.
#include "PictureSet.h"

#include <numbers>

inline constexpr double pi = std::numbers::pi;

// Lettering, the two signs of charge (also a string's nodes and the string itself),
// forces and fields.
namespace Ink {
inline const QColor text(36, 44, 70);
inline const QColor red(214, 44, 44);
inline const QColor blue(34, 88, 206);
inline const QColor green(24, 150, 64);
inline const QColor orange(226, 132, 20);
}

// A distance from x0 to x1 at height y: a line with end ticks and its name above.
inline void span(QPainter& p, double x0, double x1, double y, const QString& name, const QColor& c)
{
    p.setPen(QPen(c, 0.9));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.drawLine(QPointF(x0, y - 2.5), QPointF(x0, y + 2.5));
    p.drawLine(QPointF(x1, y - 2.5), QPointF(x1, y + 2.5));
    PictureSet::tag(p, QPointF((x0 + x1) / 2 - 3, y - 2), name, c, 9);
}

template <void (*scene)(QPainter&)>
void onCard(QPainter& p)
{
    PictureSet::paperCard(p);
    scene(p);
}
