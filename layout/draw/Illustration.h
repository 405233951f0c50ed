#pragma once

// What the illustration programs share: the size of a page picture, its lettering
// and a straight arrow with a filled head.
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

inline constexpr int illustrationWidth = 103;
inline constexpr int illustrationHeight = 67;

inline QFont illustrationFont(int px, bool bold = true, bool italic = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

inline void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width, double headLength)
{
    const double dx = to.x() - from.x(), dy = to.y() - from.y();
    const double len = std::hypot(dx, dy);
    const double ux = dx / len, uy = dy / len;
    const QPointF base(to.x() - ux * headLength, to.y() - uy * headLength);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, base);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(base.x() - uy * headLength * 0.55, base.y() + ux * headLength * 0.55);
    tip.lineTo(base.x() + uy * headLength * 0.55, base.y() - ux * headLength * 0.55);
    tip.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(tip);
}
