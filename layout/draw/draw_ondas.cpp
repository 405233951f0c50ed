// Draws the illustrations of the waves pages (103 x 67 and 206 x 134 each, transparent
// PNG with a light card) into the directory given as argument:
//   illustration_TabSheet42  vibrating string: a string fixed at both ends, its standing
//                            wave and nodes, the length L
//   illustration_TabSheet43  Taylor's equation: a wave running along a rope stretched by a
//                            hanging weight, its speed v and the tension F
#include "ChargesAndWaves.h"

#include <QPainterPath>

#include <cmath>

namespace {

const QColor& ink = Ink::text;
const QColor& stringBlue = Ink::blue;
const QColor& nodeRed = Ink::red;
const QColor& forceGreen = Ink::green;
const QColor wood(150, 104, 54);

// A sine from x0 to x1 around height y: `waves` whole waves of amplitude a, phase in radians.
QPainterPath sine(double x0, double x1, double y, double a, double waves, double phase = 0)
{
    QPainterPath path;
    const int steps = 80;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPointF pt(x0 + t * (x1 - x0), y - a * std::sin(phase + 2 * pi * waves * t));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

void post(QPainter& p, double x, double top, double bottom)
{
    p.setPen(QPen(wood.darker(140), 0.8));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(x - 2.5, top, 5, bottom - top), 1, 1);
}

// Vibrating string: the third harmonic between two fixed posts, both extremes of the
// string drawn, the nodes marked.
void vibratingString(QPainter& p)
{
    const double x0 = 10, x1 = 93, y = 28, a = 10;
    post(p, x0, 12, 46);
    post(p, x1, 12, 46);
    p.setBrush(Qt::NoBrush);
    QColor swing = stringBlue;
    swing.setAlpha(110);
    p.setPen(QPen(swing, 1.2, Qt::DashLine));
    p.drawPath(sine(x0, x1, y, -a, 1.5));
    p.setPen(QPen(stringBlue, 1.6));
    p.drawPath(sine(x0, x1, y, a, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(nodeRed);
    for (int i = 0; i <= 3; ++i)
        p.drawEllipse(QPointF(x0 + i * (x1 - x0) / 3, y), 2, 2);
    PictureSet::tag(p, QPointF(x0 + (x1 - x0) / 3 - 3, y + 13), QStringLiteral("N"), nodeRed, 7);
    PictureSet::tag(p, QPointF(x0 + 2 * (x1 - x0) / 3 - 3, y + 13), QStringLiteral("N"), nodeRed, 7);
    span(p, x0, x1, 58, QStringLiteral("L"), ink);
}

// Taylor's equation: a pulse train along a rope from a wall to a pulley, a weight hanging
// from it giving the tension F, the wave moving at v.
void ropeWave(QPainter& p)
{
    const double wallX = 8, pulleyX = 84, y = 26;
    // Wall.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 180));
    p.drawRect(QRectF(2, 8, wallX - 2, 48));
    // Pulley on its bracket and the hanging weight.
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(170, 180, 200));
    p.drawEllipse(QPointF(pulleyX, y + 4), 4, 4);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(pulleyX + 4, y + 4), QPointF(pulleyX + 4, 44));
    p.setPen(QPen(QColor(40, 44, 60), 1));
    p.setBrush(QColor(90, 98, 118));
    p.drawRect(QRectF(pulleyX - 1, 44, 10, 10));
    drawArrow(p, QPointF(pulleyX + 13, 42), QPointF(pulleyX + 13, 62), forceGreen, 1.5, 5);
    PictureSet::tag(p, QPointF(pulleyX + 1, 65), QStringLiteral("F"), forceGreen, 9);
    // The rope and the wave on it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(wood, 1.5));
    QPainterPath rope = sine(wallX, 60, y, 6, 2);
    rope.lineTo(pulleyX, y);
    p.drawPath(rope);
    drawArrow(p, QPointF(22, 10), QPointF(52, 10), stringBlue, 1.6, 5);
    PictureSet::tag(p, QPointF(56, 14), QStringLiteral("v"), stringBlue, 11);
    PictureSet::tag(p, QPointF(24, 50), QStringLiteral("p = m/L"), ink, 8);
}

}

int main(int argc, char** argv)
{
    return PictureSet::writeAll(argc, argv, {
        {42, onCard<vibratingString>},
        {43, onCard<ropeWave>},
    });
}
