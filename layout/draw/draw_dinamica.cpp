// Draws the illustrations of the dynamics pages (103 x 67 each, transparent PNG with a light
// rounded card) into the directory given as argument:
//   illustration_TabSheet10.png  second law: a crate pushed by F, accelerating
//   illustration_TabSheet11.png  weight: a mass hanging from a ceiling hook, pulled down by P
//   illustration_TabSheet12.png  work on a slope of the rope: a crate pulled at an angle over d
//   illustration_TabSheet13.png  power: a winch lifting a crate against a stopwatch
//   illustration_TabSheet14.png  energy: a running cart heading for a spring
// Drawn at four times the size and scaled down, so thin strokes stay smooth at 103 x 67.
#include "PictureSet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

constexpr int W = illustrationWidth;
constexpr int H = illustrationHeight;
constexpr int S = 4; // supersampling

const QColor ink(40, 48, 72);
const QColor forceRed(220, 40, 40);
const QColor accelGreen(30, 150, 60);
const QColor speedBlue(30, 90, 210);

QFont smallFont(int px, bool bold = true, bool italic = true)
{
    return illustrationFont(px, bold, italic);
}

void card(QPainter& p)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(255, 255, 255, 235));
    g.setColorAt(1, QColor(232, 240, 252, 235));
    p.setPen(QPen(QColor(150, 170, 205), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 7, 7);
}

void floorLine(QPainter& p, double y, double x0 = 4, double x1 = W - 4)
{
    p.setPen(QPen(QColor(120, 100, 80), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.setPen(QPen(QColor(160, 140, 120), 0.9));
    for (double x = x0 + 3; x < x1; x += 6)
        p.drawLine(QPointF(x, y + 1), QPointF(x - 4, y + 5));
}

void crate(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(236, 184, 104));
    g.setColorAt(1, QColor(196, 132, 58));
    p.setPen(QPen(QColor(120, 72, 24), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(QPen(QColor(140, 86, 32), 1.0));
    const QRectF in = r.adjusted(2.5, 2.5, -2.5, -2.5);
    p.setBrush(Qt::NoBrush);
    p.drawRect(in);
    p.drawLine(in.topLeft(), in.bottomRight());
    p.drawLine(in.bottomLeft(), in.topRight());
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2.2)
{
    drawArrow(p, from, to, c, width, 4.5 + width);
}

void tag(QPainter& p, QPointF at, const QString& text, const QColor& c, int px = 10)
{
    p.setFont(smallFont(px));
    p.setPen(c);
    p.drawText(at, text);
}

// Second law: a crate on the floor pushed by F, with its acceleration a.
void secondLaw(QPainter& p)
{
    floorLine(p, 54);
    crate(p, QRectF(44, 26, 28, 28));
    arrow(p, QPointF(10, 40), QPointF(42, 40), forceRed, 2.6);
    tag(p, QPointF(16, 35), QStringLiteral("F"), forceRed, 11);
    arrow(p, QPointF(50, 18), QPointF(84, 18), accelGreen, 1.8);
    tag(p, QPointF(86, 22), QStringLiteral("a"), accelGreen, 11);
    tag(p, QPointF(53, 45), QStringLiteral("m"), QColor(90, 50, 10), 11);
}

// Weight: a mass hanging from the ceiling on a hook, pulled down by P.
void weight(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 180));
    p.drawRect(QRectF(18, 5, 60, 4));
    p.setPen(QPen(QColor(110, 118, 135), 0.9));
    for (double x = 20; x < 78; x += 5)
        p.drawLine(QPointF(x, 5), QPointF(x + 3, 2));
    p.setPen(QPen(QColor(90, 90, 90), 1.3));
    p.drawLine(QPointF(48, 9), QPointF(48, 20));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(48, 22.5), 2.5, 2.5);

    // A kettle weight: a handle and a trapezoid body.
    QPainterPath body;
    body.moveTo(38, 28);
    body.lineTo(58, 28);
    body.lineTo(63, 50);
    body.lineTo(33, 50);
    body.closeSubpath();
    QLinearGradient g(33, 28, 63, 50);
    g.setColorAt(0, QColor(120, 130, 150));
    g.setColorAt(1, QColor(60, 66, 84));
    p.setPen(QPen(QColor(40, 44, 60), 1.1));
    p.setBrush(g);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(42, 23, 12, 10), 0, 180 * 16);
    tag(p, QPointF(40, 45), QStringLiteral("kg"), QColor(240, 240, 250), 10);

    arrow(p, QPointF(74, 30), QPointF(74, 62), forceRed, 2.4);
    tag(p, QPointF(79, 52), QStringLiteral("P"), forceRed, 12);
    tag(p, QPointF(12, 40), QStringLiteral("g"), speedBlue, 11);
    arrow(p, QPointF(16, 44), QPointF(16, 60), speedBlue, 1.3);
}

// Work at an angle: a crate pulled by a rope at angle a, moving a distance d.
void inclinedWork(QPainter& p)
{
    floorLine(p, 48);
    crate(p, QRectF(14, 28, 22, 20));
    const QPointF hook(36, 34);
    const double angle = 32 * std::numbers::pi / 180;
    const QPointF end(hook.x() + 44 * std::cos(angle), hook.y() - 44 * std::sin(angle));
    arrow(p, hook, end, forceRed, 2.4);
    tag(p, QPointF(end.x() + 1, end.y() + 13), QStringLiteral("F"), forceRed, 11);
    p.setPen(QPen(ink, 0.9, Qt::DashLine));
    p.drawLine(hook, QPointF(hook.x() + 40, hook.y()));
    p.setPen(QPen(QColor(200, 120, 20), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(hook.x() - 16, hook.y() - 16, 32, 32), 0, 32 * 16);
    tag(p, QPointF(hook.x() + 18, hook.y() - 1), QStringLiteral("a"), QColor(200, 120, 20), 10);
    arrow(p, QPointF(14, 59), QPointF(82, 59), speedBlue, 1.5);
    tag(p, QPointF(86, 63), QStringLiteral("d"), speedBlue, 11);
}

// Power: a winch lifting a crate, timed by a stopwatch.
void power(QPainter& p)
{
    floorLine(p, 60, 4, 60);
    // Post and arm of the crane.
    p.setPen(QPen(QColor(200, 150, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 60), QPointF(10, 8));
    p.drawLine(QPointF(10, 9), QPointF(46, 9));
    p.setPen(QPen(QColor(150, 110, 10), 1));
    for (double y = 14; y < 58; y += 8)
        p.drawLine(QPointF(8.5, y), QPointF(11.5, y + 4));
    // Winch drum at the foot and the rope over the pulley.
    p.setPen(QPen(ink, 1.1));
    p.setBrush(QColor(170, 180, 200));
    p.drawEllipse(QPointF(18, 53), 4.5, 4.5);
    p.drawEllipse(QPointF(44, 11), 3, 3);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(20, 49), QPointF(42, 10));
    p.drawLine(QPointF(47, 11), QPointF(47, 28));
    crate(p, QRectF(38, 28, 18, 17));
    arrow(p, QPointF(33, 44), QPointF(33, 22), accelGreen, 1.5);

    // Stopwatch.
    const QPointF c(80, 38);
    QRadialGradient face(c, 17);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(215, 228, 246));
    p.setPen(QPen(speedBlue.darker(130), 2));
    p.setBrush(face);
    p.drawEllipse(c, 15, 15);
    p.setBrush(speedBlue.darker(130));
    p.drawRect(QRectF(c.x() - 2.5, c.y() - 21, 5, 4));
    p.setPen(QPen(ink, 1));
    for (int i = 0; i < 12; ++i) {
        const double t = i * std::numbers::pi / 6;
        p.drawLine(QPointF(c.x() + 11 * std::sin(t), c.y() - 11 * std::cos(t)),
                   QPointF(c.x() + 13 * std::sin(t), c.y() - 13 * std::cos(t)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 40, 150));
    p.drawPie(QRectF(c.x() - 10, c.y() - 10, 20, 20), 90 * 16, -110 * 16);
    p.setPen(QPen(forceRed, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + 9.4 * std::sin(110 * std::numbers::pi / 180),
                          c.y() - 9.4 * std::cos(110 * std::numbers::pi / 180)));
}

// Energy: a cart running to the right towards a spring on a wall.
void energy(QPainter& p)
{
    floorLine(p, 56, 4, 92);
    // Wall and spring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 180));
    p.drawRect(QRectF(92, 18, 6, 40));
    QPainterPath spring;
    spring.moveTo(92, 40);
    const int turns = 4;
    for (int i = 0; i <= turns * 2; ++i)
        spring.lineTo(92 - 2 - i * 2.6, 40 + ((i % 2) ? -5 : 5));
    spring.lineTo(66, 40);
    p.setPen(QPen(QColor(40, 140, 160), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spring);
    p.setBrush(QColor(40, 140, 160));
    p.drawRect(QRectF(64, 34, 2.5, 12));

    // Cart.
    QLinearGradient g(24, 28, 24, 50);
    g.setColorAt(0, QColor(90, 160, 255));
    g.setColorAt(1, QColor(30, 90, 200));
    p.setPen(QPen(QColor(20, 50, 120), 1.1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(22, 30, 34, 18), 3, 3);
    p.setBrush(QColor(60, 60, 70));
    p.drawEllipse(QPointF(30, 51), 4.5, 4.5);
    p.drawEllipse(QPointF(48, 51), 4.5, 4.5);
    p.setBrush(QColor(200, 200, 210));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(30, 51), 1.6, 1.6);
    p.drawEllipse(QPointF(48, 51), 1.6, 1.6);
    tag(p, QPointF(33, 44), QStringLiteral("m"), QColor(240, 245, 255), 11);

    // Speed lines and the velocity arrow.
    p.setPen(QPen(QColor(120, 140, 180), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 34), QPointF(17, 34));
    p.drawLine(QPointF(4, 40), QPointF(18, 40));
    p.drawLine(QPointF(8, 46), QPointF(17, 46));
    arrow(p, QPointF(26, 20), QPointF(58, 20), accelGreen, 2);
    tag(p, QPointF(61, 24), QStringLiteral("v"), accelGreen, 12);
}

}

int main(int argc, char** argv)
{
    return PictureSet::writeAll(argc, argv, {
        {10, [](QPainter& p) { card(p); secondLaw(p); }},
        {11, [](QPainter& p) { card(p); weight(p); }},
        {12, [](QPainter& p) { card(p); inclinedWork(p); }},
        {13, [](QPainter& p) { card(p); power(p); }},
        {14, [](QPainter& p) { card(p); energy(p); }},
    });
}
