// Draws the illustrations of the kinematics pages and of the vergence page (103 x 67 each,
// transparent PNG with a rounded card) into the directory given as argument:
//   illustration_TabSheet2.png   uniform motion: a car cruising on a road at steady speed
//   illustration_TabSheet3.png   mean velocity: a car between two flags, Δs below, speedometer
//   illustration_TabSheet4.png   mean acceleration: a speedometer whose needle climbs, car
//   illustration_TabSheet5.png   velocity in accelerated motion: a car with growing speed arrows
//   illustration_TabSheet6.png   Torricelli: a car braking, skid marks over Δs
//   illustration_TabSheet1.png   angular velocity: a spinning wheel with its ω arrow
//   illustration_TabSheet7.png   centripetal acceleration: a ball on a circle, v and a_c
//   illustration_TabSheet53.png  time to the top: a ball thrown up, a stopwatch
//   illustration_TabSheet54.png  maximum height: a ball's rise and fall, h max marked
//   illustration_TabSheet34.png  vergence: a converging lens bringing rays to its focus
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
constexpr double pi = std::numbers::pi;

const QColor ink(36, 44, 70);
const QColor speedBlue(28, 96, 214);
const QColor accelGreen(24, 150, 64);
const QColor alarmRed(222, 40, 40);
const QColor roadGrey(92, 96, 106);

QFont font(int px, bool bold = true, bool italic = true)
{
    return illustrationFont(px, bold, italic);
}

// Sky above, grass below the horizon at y, inside the rounded card.
void outdoorCard(QPainter& p, double horizon)
{
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 7, 7);
    p.save();
    p.setClipPath(card);
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(150, 200, 250));
    sky.setColorAt(1, QColor(224, 240, 255));
    p.fillRect(QRectF(0, 0, W, horizon), sky);
    QLinearGradient grass(0, horizon, 0, H);
    grass.setColorAt(0, QColor(130, 196, 96));
    grass.setColorAt(1, QColor(86, 158, 70));
    p.fillRect(QRectF(0, horizon, W, H - horizon), grass);
    p.restore();
    p.setPen(QPen(QColor(120, 150, 190), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card);
}

// A plain light card for the diagrams.
void paperCard(QPainter& p)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(255, 255, 255, 240));
    g.setColorAt(1, QColor(230, 238, 252, 240));
    p.setPen(QPen(QColor(120, 150, 190), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 7, 7);
}

void cloud(QPainter& p, QPointF c, double s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(c, 5 * s, 3 * s);
    p.drawEllipse(c + QPointF(-4 * s, 1 * s), 3.5 * s, 2.4 * s);
    p.drawEllipse(c + QPointF(4.5 * s, 1 * s), 3.5 * s, 2.2 * s);
}

// An asphalt band from y0 to y1 with a dashed centre line.
void road(QPainter& p, double y0, double y1, double dashOffset = 0)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, roadGrey.lighter(115));
    g.setColorAt(1, roadGrey);
    p.fillRect(QRectF(1, y0, W - 2, y1 - y0), g);
    p.setPen(QPen(QColor(250, 250, 250), 1.1));
    const double mid = (y0 + y1) / 2;
    for (double x = 3 + dashOffset; x < W - 2; x += 12)
        p.drawLine(QPointF(x, mid), QPointF(x + 6, mid));
    p.setPen(QPen(QColor(235, 235, 235), 0.8));
    p.drawLine(QPointF(1, y0 + 0.5), QPointF(W - 1, y0 + 0.5));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2.0)
{
    drawArrow(p, from, to, c, width, 3.2 + width);
}

void label(QPainter& p, QPointF at, const QString& text, const QColor& c, int px = 8)
{
    p.setFont(font(px));
    p.setPen(c);
    p.drawText(at, text);
}

// A small side-view car; (x, y) is the rear bottom of the body, wheels sit on y + 3.
void car(QPainter& p, double x, double y, const QColor& body, double length = 30)
{
    const double k = length / 30;
    QPainterPath shell;
    shell.moveTo(x, y);
    shell.lineTo(x, y - 6 * k);
    shell.quadTo(x + 1 * k, y - 8 * k, x + 6 * k, y - 8.5 * k);
    shell.lineTo(x + 9 * k, y - 14 * k);
    shell.quadTo(x + 10 * k, y - 15 * k, x + 12 * k, y - 15 * k);
    shell.lineTo(x + 20 * k, y - 15 * k);
    shell.quadTo(x + 22 * k, y - 15 * k, x + 23 * k, y - 13.5 * k);
    shell.lineTo(x + 26 * k, y - 9 * k);
    shell.quadTo(x + 30 * k, y - 8 * k, x + 30 * k, y - 5 * k);
    shell.lineTo(x + 30 * k, y);
    shell.closeSubpath();
    QLinearGradient g(0, y - 15 * k, 0, y);
    g.setColorAt(0, body.lighter(135));
    g.setColorAt(1, body.darker(115));
    p.setPen(QPen(body.darker(170), 0.8));
    p.setBrush(g);
    p.drawPath(shell);
    // Windows.
    QPainterPath glass;
    glass.moveTo(x + 10 * k, y - 9 * k);
    glass.lineTo(x + 12 * k, y - 13.4 * k);
    glass.lineTo(x + 20.5 * k, y - 13.4 * k);
    glass.lineTo(x + 23.5 * k, y - 9 * k);
    glass.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 230, 250));
    p.drawPath(glass);
    p.setPen(QPen(body.darker(150), 0.9));
    p.drawLine(QPointF(x + 16.5 * k, y - 13.4 * k), QPointF(x + 16.5 * k, y - 9 * k));
    // Lights.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 140));
    p.drawEllipse(QPointF(x + 29 * k, y - 6 * k), 1.1 * k, 1.1 * k);
    p.setBrush(QColor(230, 50, 40));
    p.drawRect(QRectF(x, y - 6 * k, 1.2 * k, 2 * k));
    // Wheels.
    for (double wx : {x + 7 * k, x + 23.5 * k}) {
        p.setBrush(QColor(30, 30, 34));
        p.drawEllipse(QPointF(wx, y), 3.6 * k, 3.6 * k);
        p.setBrush(QColor(190, 196, 206));
        p.drawEllipse(QPointF(wx, y), 1.6 * k, 1.6 * k);
    }
}

// Short horizontal lines trailing behind a moving object.
void speedLines(QPainter& p, double x, double y, double spread)
{
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(x - 3 * i, y - spread + spread * i), QPointF(x - 9 - 3 * i, y - spread + spread * i));
}

// A round dial, needle at `fraction` of its 240° sweep.
void speedometer(QPainter& p, QPointF c, double r, double fraction, const QColor& needle = alarmRed)
{
    QRadialGradient face(c, r);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(222, 228, 238));
    p.setPen(QPen(QColor(60, 66, 84), r > 12 ? 1.6 : 1.1));
    p.setBrush(face);
    p.drawEllipse(c, r, r);
    // Scale from 210° (left, low) to -30° (right, high); the top end in red.
    for (int i = 0; i <= 8; ++i) {
        const double a = (210 - 30.0 * i) * pi / 180;
        const double inner = i % 2 == 0 ? r * 0.72 : r * 0.8;
        p.setPen(QPen(i >= 7 ? alarmRed : ink, i % 2 == 0 ? 1.0 : 0.7));
        p.drawLine(QPointF(c.x() + std::cos(a) * inner, c.y() - std::sin(a) * inner),
                   QPointF(c.x() + std::cos(a) * r * 0.9, c.y() - std::sin(a) * r * 0.9));
    }
    const double a = (210 - 240 * fraction) * pi / 180;
    p.setPen(QPen(needle, r > 12 ? 1.6 : 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::cos(a) * r * 0.78, c.y() - std::sin(a) * r * 0.78));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c, r * 0.12, r * 0.12);
}

void flag(QPainter& p, double x, double groundY, const QColor& c)
{
    p.setPen(QPen(QColor(70, 60, 50), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, groundY), QPointF(x, groundY - 20));
    QPainterPath cloth;
    cloth.moveTo(x, groundY - 20);
    cloth.quadTo(x + 5, groundY - 21.5, x + 9, groundY - 17.5);
    cloth.quadTo(x + 5, groundY - 15.5, x, groundY - 14);
    cloth.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(cloth);
}

// A bracket from x0 to x1 with a label in the middle (Δs, h max...).
void span(QPainter& p, double x0, double x1, double y, const QString& text, const QColor& c)
{
    p.setPen(QPen(c, 1.0));
    p.drawLine(QPointF(x0, y - 2.5), QPointF(x0, y + 2.5));
    p.drawLine(QPointF(x1, y - 2.5), QPointF(x1, y + 2.5));
    arrow(p, QPointF((x0 + x1) / 2, y), QPointF(x1, y), c, 0.9);
    arrow(p, QPointF((x0 + x1) / 2, y), QPointF(x0, y), c, 0.9);
    p.setFont(font(8));
    const double w = p.fontMetrics().horizontalAdvance(text);
    const QRectF box((x0 + x1) / 2 - w / 2 - 1.5, y - 5, w + 3, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRoundedRect(box, 2, 2);
    p.setPen(c);
    p.drawText(box, Qt::AlignCenter, text);
}

void ball(QPainter& p, QPointF c, double r, const QColor& colour = QColor(236, 96, 36))
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.3);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(170), 0.7));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void stopwatch(QPainter& p, QPointF c, double r, double fraction)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 76, 92));
    p.drawRoundedRect(QRectF(c.x() - 1.8, c.y() - r - 3.6, 3.6, 3), 0.8, 0.8);
    p.setPen(QPen(QColor(50, 56, 72), 1.3));
    QRadialGradient face(c, r);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(220, 226, 238));
    p.setBrush(face);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 190, 255, 150));
    p.drawPie(QRectF(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6), 90 * 16, static_cast<int>(-360 * 16 * fraction));
    for (int i = 0; i < 12; ++i) {
        const double a = i * pi / 6;
        p.setPen(QPen(ink, 0.7));
        p.drawLine(QPointF(c.x() + std::cos(a) * r * 0.78, c.y() + std::sin(a) * r * 0.78),
                   QPointF(c.x() + std::cos(a) * r * 0.92, c.y() + std::sin(a) * r * 0.92));
    }
    const double a = pi / 2 - 2 * pi * fraction;
    p.setPen(QPen(alarmRed, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::cos(a) * r * 0.8, c.y() - std::sin(a) * r * 0.8));
}

void uniformMotion(QPainter& p)
{
    outdoorCard(p, 38);
    cloud(p, QPointF(20, 12), 1.2);
    cloud(p, QPointF(78, 9), 0.9);
    road(p, 40, 62);
    car(p, 36, 53, QColor(214, 48, 48), 34);
    speedLines(p, 32, 44, 4);
    arrow(p, QPointF(50, 30), QPointF(84, 30), speedBlue);
    label(p, QPointF(87, 33), QStringLiteral("v"), speedBlue, 10);
    p.setFont(font(7, true, false));
    p.setPen(ink);
    p.drawText(QRectF(46, 19, 40, 9), Qt::AlignCenter, QStringLiteral("constante"));
}

void meanVelocity(QPainter& p)
{
    outdoorCard(p, 36);
    cloud(p, QPointF(48, 10), 1.0);
    road(p, 38, 56);
    flag(p, 8, 38, QColor(40, 170, 70));
    flag(p, 92, 38, QColor(230, 60, 50));
    car(p, 38, 50, QColor(40, 110, 220), 28);
    speedLines(p, 34, 42, 3.5);
    span(p, 8, 92, 61, QStringLiteral("Δs"), ink);
    speedometer(p, QPointF(28, 17), 12, 0.55);
    stopwatch(p, QPointF(76, 17), 10, 0.35);
}

void meanAcceleration(QPainter& p)
{
    outdoorCard(p, 40);
    road(p, 42, 62);
    // Ghost cars behind, farther apart as the speed grows.
    p.setOpacity(0.35);
    car(p, 4, 56, QColor(240, 150, 40), 22);
    p.setOpacity(1.0);
    car(p, 44, 56, QColor(240, 150, 40), 26);
    speedLines(p, 40, 49, 3);
    // The dial whose needle climbs from green to red: Δv.
    speedometer(p, QPointF(80, 22), 16, 0.8);
    p.setPen(QPen(accelGreen, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(80 - 20, 22 - 20, 40, 40), 200 * 16, -130 * 16);
    arrow(p, QPointF(80 + std::cos(80 * pi / 180) * 20, 22 - std::sin(80 * pi / 180) * 20),
          QPointF(80 + std::cos(60 * pi / 180) * 20, 22 - std::sin(60 * pi / 180) * 20), accelGreen, 1.4);
    label(p, QPointF(8, 20), QStringLiteral("Δv"), accelGreen, 12);
    label(p, QPointF(8, 34), QStringLiteral("Δt"), ink, 10);
}

void acceleratedMotion(QPainter& p)
{
    outdoorCard(p, 38);
    cloud(p, QPointF(84, 10), 1.0);
    road(p, 40, 62);
    car(p, 40, 53, QColor(30, 160, 120), 30);
    speedLines(p, 36, 45, 4);
    // Speed arrows growing in equal steps: V = Vo + a.t.
    const double lengths[] = {12, 22, 32};
    for (int i = 0; i < 3; ++i) {
        const double y = 10 + 9 * i;
        arrow(p, QPointF(6, y), QPointF(6 + lengths[i], y), speedBlue, 1.8);
    }
    label(p, QPointF(44, 14), QStringLiteral("V = Vo + at"), ink, 8);
    arrow(p, QPointF(74, 30), QPointF(94, 30), accelGreen, 1.6);
    label(p, QPointF(80, 27), QStringLiteral("a"), accelGreen, 9);
}

void torricelli(QPainter& p)
{
    outdoorCard(p, 36);
    cloud(p, QPointF(18, 10), 1.0);
    road(p, 38, 60);
    // Skid marks behind the braking car.
    p.setPen(QPen(QColor(30, 30, 30, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 53), QPointF(62, 53));
    p.setPen(QPen(QColor(30, 30, 30, 110), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 50.5), QPointF(70, 50.5));
    car(p, 58, 52, QColor(200, 40, 160), 30);
    // Brake light glow.
    QRadialGradient glow(QPointF(58.5, 46), 6);
    glow.setColorAt(0, QColor(255, 60, 40, 200));
    glow.setColorAt(1, QColor(255, 60, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(58.5, 46), 6, 6);
    arrow(p, QPointF(40, 24), QPointF(18, 24), alarmRed, 1.8);
    label(p, QPointF(22, 21), QStringLiteral("a"), alarmRed, 9);
    arrow(p, QPointF(64, 24), QPointF(92, 24), speedBlue, 1.8);
    label(p, QPointF(70, 21), QStringLiteral("V"), speedBlue, 9);
    span(p, 12, 88, 63.5, QStringLiteral("Δs"), ink);
}

void angularVelocity(QPainter& p)
{
    paperCard(p);
    const QPointF c(40, 34);
    const double r = 24;
    // Tyre, rim and spokes.
    p.setPen(QPen(QColor(24, 24, 28), 1));
    p.setBrush(QColor(40, 40, 46));
    p.drawEllipse(c, r, r);
    QRadialGradient rim(c, r * 0.75);
    rim.setColorAt(0, QColor(240, 242, 248));
    rim.setColorAt(1, QColor(160, 168, 184));
    p.setBrush(rim);
    p.drawEllipse(c, r * 0.75, r * 0.75);
    p.setPen(QPen(QColor(90, 96, 112), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = i * pi / 3 + 0.3;
        p.drawLine(c, QPointF(c.x() + std::cos(a) * r * 0.72, c.y() - std::sin(a) * r * 0.72));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 76, 92));
    p.drawEllipse(c, 3.2, 3.2);
    // One spoke picked out in red, with the angle it sweeps.
    p.setPen(QPen(alarmRed, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + r * 0.72, c.y()));
    p.setPen(QPen(alarmRed, 1.0, Qt::DashLine));
    p.drawLine(c, QPointF(c.x() + std::cos(0.9) * r * 0.72, c.y() - std::sin(0.9) * r * 0.72));
    // The rotation arrow around the tyre.
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r - 5, c.y() - r - 5, 2 * r + 10, 2 * r + 10), -40);
    arc.arcTo(QRectF(c.x() - r - 5, c.y() - r - 5, 2 * r + 10, 2 * r + 10), -40, 150);
    p.setPen(QPen(speedBlue, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const double end = 110 * pi / 180;
    const QPointF tip(c.x() + std::cos(end) * (r + 5), c.y() - std::sin(end) * (r + 5));
    arrow(p, tip + QPointF(2.5, 0.9), tip + QPointF(-2.5, -0.2), speedBlue, 1.8);
    label(p, QPointF(74, 22), QStringLiteral("ω"), speedBlue, 16);
    label(p, QPointF(72, 46), QStringLiteral("f"), ink, 12);
    label(p, QPointF(80, 46), QStringLiteral("(Hz)"), ink, 7);
}

void centripetal(QPainter& p)
{
    paperCard(p);
    const QPointF c(46, 36);
    const double r = 24;
    p.setPen(QPen(QColor(120, 130, 150), 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c, 1.6, 1.6);
    const double a = 35 * pi / 180;
    const QPointF at(c.x() + std::cos(a) * r, c.y() - std::sin(a) * r);
    p.setPen(QPen(QColor(120, 130, 150), 0.8));
    p.drawLine(c, QPointF(c.x() - r, c.y()));
    label(p, QPointF(c.x() - 13, c.y() + 10), QStringLiteral("R"), ink, 9);
    // Velocity along the tangent, acceleration towards the centre.
    const QPointF tangent(-std::sin(a), -std::cos(a));
    arrow(p, at, at + tangent * 21, speedBlue, 1.8);
    arrow(p, at, at + (c - at) * 0.75, alarmRed, 1.8);
    ball(p, at, 4.2, QColor(40, 130, 230));
    label(p, QPointF(at.x() - 3, at.y() - 9), QStringLiteral("v"), speedBlue, 10);
    label(p, QPointF(at.x() - 6, at.y() + 17), QStringLiteral("a"), alarmRed, 10);
    label(p, QPointF(at.x() + 0.5, at.y() + 19), QStringLiteral("c"), alarmRed, 7);
    // The motion's sense.
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r - 4, c.y() - r - 4, 2 * r + 8, 2 * r + 8), 150);
    arc.arcTo(QRectF(c.x() - r - 4, c.y() - r - 4, 2 * r + 8, 2 * r + 8), 150, 60);
    p.setPen(QPen(accelGreen, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
}

void timeToTop(QPainter& p)
{
    outdoorCard(p, 56);
    cloud(p, QPointF(82, 40), 0.9);
    // The ball's path up, as fading copies.
    for (int i = 0; i < 4; ++i) {
        p.setOpacity(0.25 + 0.15 * i);
        ball(p, QPointF(30, 52 - 12 * i), 3.6);
    }
    p.setOpacity(1.0);
    ball(p, QPointF(30, 8), 4);
    p.setPen(QPen(QColor(60, 70, 90), 0.9, Qt::DashLine));
    p.drawLine(QPointF(18, 8), QPointF(42, 8));
    arrow(p, QPointF(40, 50), QPointF(40, 28), speedBlue, 1.6);
    label(p, QPointF(43, 38), QStringLiteral("Vo"), speedBlue, 9);
    arrow(p, QPointF(15, 22), QPointF(15, 36), alarmRed, 1.4);
    label(p, QPointF(6, 46), QStringLiteral("g"), alarmRed, 10);
    stopwatch(p, QPointF(78, 20), 12, 0.3);
}

void maximumHeight(QPainter& p)
{
    outdoorCard(p, 58);
    // Up and down along a narrow arc, the top marked.
    QPainterPath path;
    path.moveTo(30, 58);
    path.cubicTo(34, 0, 46, 0, 50, 58);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    ball(p, QPointF(40, 14.5), 4.2, QColor(240, 190, 30));
    ball(p, QPointF(32, 48), 3.4, QColor(240, 190, 30));
    arrow(p, QPointF(28, 44), QPointF(29, 30), speedBlue, 1.4);
    label(p, QPointF(14, 40), QStringLiteral("Vo"), speedBlue, 8);
    p.setPen(QPen(alarmRed, 0.9, Qt::DashLine));
    p.drawLine(QPointF(36, 10.5), QPointF(76, 10.5));
    p.setPen(QPen(alarmRed, 1.0));
    arrow(p, QPointF(66, 34), QPointF(66, 11.5), alarmRed, 1.1);
    arrow(p, QPointF(66, 34), QPointF(66, 57), alarmRed, 1.1);
    p.setFont(font(8));
    const QRectF box(69, 28, 30, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(box, 2, 2);
    p.setPen(alarmRed);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("h max"));
}

void vergence(QPainter& p)
{
    paperCard(p);
    const double axis = 34, lensX = 40, focusX = 78;
    p.setPen(QPen(QColor(120, 130, 150), 0.8, Qt::DashDotLine));
    p.drawLine(QPointF(4, axis), QPointF(W - 4, axis));
    // Parallel rays in, refracted through the focus.
    p.setPen(QPen(QColor(250, 170, 20), 1.2));
    for (double y : {16.0, 25.0, 43.0, 52.0}) {
        p.drawLine(QPointF(6, y), QPointF(lensX, y));
        const double slope = (axis - y) / (focusX - lensX);
        p.drawLine(QPointF(lensX, y), QPointF(W - 6, y + slope * (W - 6 - lensX)));
    }
    // Biconvex lens.
    QPainterPath lens;
    lens.moveTo(lensX, 8);
    lens.quadTo(lensX + 9, axis, lensX, 60);
    lens.quadTo(lensX - 9, axis, lensX, 8);
    QLinearGradient glass(lensX - 5, 0, lensX + 5, 0);
    glass.setColorAt(0, QColor(150, 210, 255, 170));
    glass.setColorAt(0.5, QColor(230, 246, 255, 200));
    glass.setColorAt(1, QColor(120, 190, 245, 170));
    p.setPen(QPen(QColor(40, 110, 190), 1.0));
    p.setBrush(glass);
    p.drawPath(lens);
    // The focus and the focal distance f.
    p.setPen(Qt::NoPen);
    p.setBrush(alarmRed);
    p.drawEllipse(QPointF(focusX, axis), 1.8, 1.8);
    label(p, QPointF(focusX - 3, axis - 4), QStringLiteral("F"), alarmRed, 8);
    span(p, lensX, focusX, 62, QStringLiteral("f"), ink);
}

}

int main(int argc, char** argv)
{
    return PictureSet::writeAll(argc, argv, {
        {2, uniformMotion},  {3, meanVelocity},    {4, meanAcceleration}, {5, acceleratedMotion},
        {6, torricelli},     {1, angularVelocity}, {7, centripetal},      {53, timeToTop},
        {54, maximumHeight}, {34, vergence},
    });
}
