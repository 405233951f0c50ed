// Draws the illustrations of the thermology pages (103 x 67 each, and 206 x 134 for
// high-density screens, transparent PNG with a light rounded card) into the directory
// given as argument:
//   illustration_TabSheet20.png  Celsius and Fahrenheit: two thermometers at the same level
//   illustration_TabSheet21.png  Celsius and Kelvin: the same, in ºC and K
//   illustration_TabSheet22.png  Fahrenheit and Kelvin: the same, in ºF and K
//   illustration_TabSheet23.png  heat and expansion: a metal rod over a flame, growing by ΔL
//   illustration_TabSheet24.png  specific heat: a pot of water heated on a gas flame
//   illustration_TabSheet25.png  Clapeyron: a gas under a piston, with P, V and T
//   illustration_TabSheet27.png  first law: heat Q enters a gas that lifts its piston (work)
//   illustration_TabSheet28.png  kinetic energy: gas molecules darting about in a box
#include "PictureSet.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

using PictureSet::tag;

const QColor ink(40, 48, 72);
const QColor heatRed(220, 40, 40);
const QColor workGreen(30, 150, 60);
const QColor coolBlue(30, 90, 210);
const QColor glass(235, 244, 255);

// A glass thermometer with its bulb at the bottom, ticks on the right and a red column
// up to `level` (0 at the bulb, 1 at the top); its scale's name above it.
void thermometer(QPainter& p, double x, const QString& unit, double level)
{
    const double top = 12, bottom = 52, tube = 6;
    p.setPen(QPen(ink, 1));
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(x - tube / 2, top, tube, bottom - top), tube / 2, tube / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(heatRed);
    const double columnTop = bottom - level * (bottom - top - 4);
    p.drawRect(QRectF(x - 1.3, columnTop, 2.6, bottom - columnTop));
    QRadialGradient bulb(QPointF(x - 1.5, bottom + 3), 6);
    bulb.setColorAt(0, QColor(255, 130, 120));
    bulb.setColorAt(1, heatRed.darker(120));
    p.setPen(QPen(ink, 1));
    p.setBrush(bulb);
    p.drawEllipse(QPointF(x, bottom + 4), 5, 5);
    p.setPen(QPen(ink, 0.7));
    for (int i = 0; i <= 8; ++i) {
        const double y = top + 4 + i * (bottom - top - 6) / 8;
        p.drawLine(QPointF(x + tube / 2, y), QPointF(x + tube / 2 + (i % 2 ? 2 : 3.5), y));
    }
    tag(p, QPointF(x - 7, top - 2), unit, coolBlue, 10);
}

// Two scales read at the same temperature: the columns stand level, a dashed line joins them.
void twoScales(QPainter& p, const QString& left, const QString& right)
{
    const double level = 0.62, y = 52 - level * 36;
    p.setPen(QPen(QColor(120, 130, 150), 0.9, Qt::DashLine));
    p.drawLine(QPointF(28, y), QPointF(72, y));
    thermometer(p, 30, left, level);
    thermometer(p, 72, right, level);
    drawArrow(p, QPointF(42, 40), QPointF(60, 40), workGreen, 1.6, 5);
    drawArrow(p, QPointF(60, 46), QPointF(42, 46), workGreen, 1.6, 5);
}

void celsiusFahrenheit(QPainter& p) { twoScales(p, QStringLiteral("ºC"), QStringLiteral("ºF")); }
void celsiusKelvin(QPainter& p) { twoScales(p, QStringLiteral("ºC"), QStringLiteral(" K")); }
void fahrenheitKelvin(QPainter& p) { twoScales(p, QStringLiteral("ºF"), QStringLiteral(" K")); }

// A gas flame: blue at its root, yellow at its tip.
void flame(QPainter& p, QPointF base, double height)
{
    const double w = height * 0.45;
    QPainterPath outer;
    outer.moveTo(base.x() - w, base.y());
    outer.cubicTo(base.x() - w, base.y() - height * 0.5, base.x() - w * 0.2, base.y() - height * 0.6,
                  base.x(), base.y() - height);
    outer.cubicTo(base.x() + w * 0.2, base.y() - height * 0.6, base.x() + w, base.y() - height * 0.5,
                  base.x() + w, base.y());
    outer.closeSubpath();
    QLinearGradient g(base, QPointF(base.x(), base.y() - height));
    g.setColorAt(0, QColor(40, 110, 240));
    g.setColorAt(0.35, QColor(255, 140, 20));
    g.setColorAt(1, QColor(255, 220, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(outer);
    QPainterPath inner;
    inner.moveTo(base.x() - w * 0.45, base.y());
    inner.quadTo(base.x(), base.y() - height * 1.0, base.x() + w * 0.45, base.y());
    inner.closeSubpath();
    p.setBrush(QColor(120, 180, 255, 200));
    p.drawPath(inner);
}

// A gas burner: a short grey stand with a flame on top.
void burner(QPainter& p, double x, double top, double flameHeight)
{
    p.setPen(QPen(QColor(70, 74, 86), 1));
    p.setBrush(QColor(140, 146, 160));
    p.drawRect(QRectF(x - 3, top, 6, 62 - top));
    p.drawRect(QRectF(x - 9, 60, 18, 3));
    flame(p, QPointF(x, top), flameHeight);
}

// Heat and expansion: a rod over a flame, its warm end glowing, longer by ΔL than it was.
void rodOverFlame(QPainter& p)
{
    const double y = 22, left = 10, cold = 78, hot = 88;
    p.setPen(QPen(QColor(120, 130, 150), 0.9, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, y, cold - left, 8));
    QLinearGradient g(left, 0, hot, 0);
    g.setColorAt(0, QColor(170, 176, 190));
    g.setColorAt(0.5, QColor(230, 120, 60));
    g.setColorAt(1, QColor(180, 150, 140));
    p.setPen(QPen(QColor(70, 74, 86), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(left, y + 1, hot - left, 6), 1.5, 1.5);
    // The wall the rod is fixed to.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 180));
    p.drawRect(QRectF(5, 12, 5, 26));
    burner(p, 48, 44, 13);
    // Q flows up into the rod, which grows by ΔL at its free end.
    drawArrow(p, QPointF(60, 44), QPointF(60, 33), heatRed, 1.5, 4.5);
    tag(p, QPointF(63, 43), QStringLiteral("Q"), heatRed, 10);
    p.setPen(QPen(ink, 0.8));
    p.drawLine(QPointF(cold, 9), QPointF(cold, 20));
    p.drawLine(QPointF(hot, 9), QPointF(hot, 20));
    drawArrow(p, QPointF(cold - 6, 13), QPointF(hot, 13), coolBlue, 1.2, 3.5);
    tag(p, QPointF(62, 11), QStringLiteral("ΔL"), coolBlue, 9);
}

// Specific heat: a pot of water on a gas flame, steam rising.
void potOnFlame(QPainter& p)
{
    // Pot with handles, and the water inside.
    QLinearGradient metal(24, 0, 70, 0);
    metal.setColorAt(0, QColor(150, 156, 170));
    metal.setColorAt(0.45, QColor(225, 230, 240));
    metal.setColorAt(1, QColor(120, 126, 140));
    p.setPen(QPen(QColor(60, 64, 78), 1.1));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(26, 24, 40, 24), 2, 2);
    p.drawRect(QRectF(18, 27, 8, 3));
    p.drawRect(QRectF(66, 27, 8, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 160, 240, 170));
    p.drawRect(QRectF(27, 30, 38, 4));
    burner(p, 46, 59, 12);
    // Steam.
    p.setPen(QPen(QColor(150, 165, 190), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double x = 36 + i * 10;
        QPainterPath wisp;
        wisp.moveTo(x, 21);
        wisp.cubicTo(x - 4, 17, x + 4, 13, x, 6);
        p.drawPath(wisp);
    }
    drawArrow(p, QPointF(80, 56), QPointF(80, 38), heatRed, 1.6, 4.5);
    tag(p, QPointF(84, 50), QStringLiteral("Q"), heatRed, 11);
    tag(p, QPointF(38, 45), QStringLiteral("m"), ink, 11);
}

// Molecules of a gas, each a small ball with a trail showing where it is heading.
void molecules(QPainter& p, const QRectF& box, int count, double speed)
{
    for (int i = 0; i < count; ++i) {
        // A fixed scatter, so the picture is the same at every run.
        const double fx = std::fmod(0.37 + i * 0.7548777, 1.0), fy = std::fmod(0.21 + i * 0.5698403, 1.0);
        const QPointF c(box.left() + 4 + fx * (box.width() - 8), box.top() + 4 + fy * (box.height() - 8));
        const double a = i * 2.4;
        const QPointF tail(c.x() - speed * std::cos(a), c.y() - speed * std::sin(a));
        p.setPen(QPen(QColor(120, 150, 220, 160), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, c);
        QRadialGradient ball(QPointF(c.x() - 0.8, c.y() - 0.8), 2.6);
        ball.setColorAt(0, QColor(140, 190, 255));
        ball.setColorAt(1, coolBlue.darker(110));
        p.setPen(Qt::NoPen);
        p.setBrush(ball);
        p.drawEllipse(c, 2, 2);
    }
}

// A glass cylinder of gas closed by a piston at `pistonTop`, with its rod going up.
void cylinder(QPainter& p, const QRectF& wall, double pistonTop)
{
    const QRectF gas(wall.left() + 2, pistonTop + 5, wall.width() - 4, wall.bottom() - pistonTop - 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 232, 255));
    p.drawRect(gas);
    molecules(p, gas, 9, 3.5);
    p.setPen(QPen(QColor(70, 74, 86), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(wall.topLeft(), wall.bottomLeft());
    p.drawLine(wall.bottomLeft(), wall.bottomRight());
    p.drawLine(wall.bottomRight(), wall.topRight());
    QLinearGradient piston(wall.left(), 0, wall.right(), 0);
    piston.setColorAt(0, QColor(120, 126, 140));
    piston.setColorAt(0.5, QColor(200, 206, 218));
    piston.setColorAt(1, QColor(110, 116, 130));
    p.setPen(QPen(QColor(60, 64, 78), 0.9));
    p.setBrush(piston);
    p.drawRect(QRectF(wall.left() + 1, pistonTop, wall.width() - 2, 5));
    p.drawRect(QRectF(wall.center().x() - 2, 4, 4, pistonTop - 4));
}

// Clapeyron: the gas under its piston, its pressure pushing out, its volume and temperature.
void gasUnderPiston(QPainter& p)
{
    cylinder(p, QRectF(22, 14, 40, 46), 22);
    tag(p, QPointF(70, 24), QStringLiteral("P"), heatRed, 11);
    tag(p, QPointF(70, 40), QStringLiteral("V"), coolBlue, 11);
    tag(p, QPointF(70, 56), QStringLiteral("T"), workGreen, 11);
    p.setPen(QPen(ink, 0.8));
    p.drawLine(QPointF(66, 27), QPointF(66, 58));
}

// First law: heat Q from a flame enters the gas, which lifts its piston and does work T.
void gasDoingWork(QPainter& p)
{
    cylinder(p, QRectF(28, 16, 36, 34), 22);
    burner(p, 46, 60, 10);
    drawArrow(p, QPointF(16, 62), QPointF(28, 48), heatRed, 1.8, 4.5);
    tag(p, QPointF(9, 52), QStringLiteral("Q"), heatRed, 11);
    drawArrow(p, QPointF(74, 30), QPointF(74, 8), workGreen, 1.8, 4.5);
    tag(p, QPointF(79, 22), QStringLiteral("T"), workGreen, 11);
    tag(p, QPointF(70, 48), QStringLiteral("ΔU"), coolBlue, 10);
}

// Kinetic energy: molecules darting about in a closed box.
void moleculesInBox(QPainter& p)
{
    const QRectF box(14, 9, 62, 50);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, QColor(240, 246, 255));
    g.setColorAt(1, QColor(205, 222, 250));
    p.setPen(QPen(QColor(70, 74, 86), 1.4));
    p.setBrush(g);
    p.drawRect(box);
    molecules(p, box, 16, 5.5);
    tag(p, QPointF(81, 30), QStringLiteral("E"), heatRed, 11);
    tag(p, QPointF(88, 33), QStringLiteral("cm"), heatRed, 7);
    tag(p, QPointF(81, 52), QStringLiteral("T"), workGreen, 11);
}

// Every picture stands on the light card.
template <void (*scene)(QPainter&)>
void onCard(QPainter& p)
{
    PictureSet::paperCard(p);
    scene(p);
}

}

int main(int argc, char** argv)
{
    return PictureSet::writeAll(argc, argv,
                                {{20, onCard<celsiusFahrenheit>},
                                 {21, onCard<celsiusKelvin>},
                                 {22, onCard<fahrenheitKelvin>},
                                 {23, onCard<rodOverFlame>},
                                 {24, onCard<potOnFlame>},
                                 {25, onCard<gasUnderPiston>},
                                 {27, onCard<gasDoingWork>},
                                 {28, onCard<moleculesInBox>}});
}
