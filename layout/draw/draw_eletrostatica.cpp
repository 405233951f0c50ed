// Draws the illustrations of the electrostatics pages (103 x 67 and 206 x 134 each,
// transparent PNG with a light card) into the directory given as argument:
//   illustration_TabSheet36  charge of a body: a sphere full of charges, electrons beside it
//   illustration_TabSheet37  Coulomb's law: two like charges pushed apart by F over d
//   illustration_TabSheet38  field of a point charge: its field lines radiating outward
//   illustration_TabSheet39  potential energy: two charges at d and the energy falling with d
//   illustration_TabSheet26  potential at a point: point A at d from Q, its equipotentials
//   illustration_TabSheet40  uniform field: two charged plates, parallel field lines from A to B
#include "ChargesAndWaves.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor& ink = Ink::text;
const QColor& positive = Ink::red;
const QColor& negative = Ink::blue;
const QColor& forceGreen = Ink::green;
const QColor& fieldOrange = Ink::orange;

// A charged ball with its sign; a light highlight makes it round.
void charge(QPainter& p, QPointF c, double r, bool plus)
{
    const QColor base = plus ? positive : negative;
    QRadialGradient g(QPointF(c.x() - r * 0.35, c.y() - r * 0.4), r * 1.3);
    g.setColorAt(0, base.lighter(170));
    g.setColorAt(1, base.darker(115));
    p.setPen(QPen(base.darker(150), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, std::max(1.0, r * 0.22), Qt::SolidLine, Qt::RoundCap));
    const double a = r * 0.45;
    p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
    if (plus)
        p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
}

// Charge of a body: a metal sphere with spare positive charges, a few electrons beside it.
void chargedBody(QPainter& p)
{
    const QPointF c(42, 34);
    QRadialGradient g(QPointF(34, 25), 30);
    g.setColorAt(0, QColor(250, 250, 255));
    g.setColorAt(1, QColor(150, 160, 182));
    p.setPen(QPen(QColor(90, 100, 125), 1));
    p.setBrush(g);
    p.drawEllipse(c, 22, 22);
    for (int i = 0; i < 8; ++i) {
        const double t = i * pi / 4 + 0.3;
        charge(p, QPointF(c.x() + 15 * std::cos(t), c.y() + 15 * std::sin(t)), 3.2, true);
    }
    charge(p, c, 3.2, true);
    charge(p, QPointF(80, 18), 3.4, false);
    charge(p, QPointF(88, 34), 3.4, false);
    charge(p, QPointF(79, 50), 3.4, false);
    PictureSet::tag(p, QPointF(72, 63), QStringLiteral("e"), negative, 10);
    PictureSet::tag(p, QPointF(14, 64), QStringLiteral("Q = n.e"), ink, 8);
}

// Coulomb's law: two positive charges a distance d apart, each pushed away by F.
void coulomb(QPainter& p)
{
    const double y = 30;
    p.setPen(QPen(QColor(140, 150, 170), 0.8, Qt::DashLine));
    p.drawLine(QPointF(34, y), QPointF(69, y));
    charge(p, QPointF(34, y), 7, true);
    charge(p, QPointF(69, y), 7, true);
    PictureSet::arrow(p, QPointF(25, y), QPointF(6, y), forceGreen, 1.6);
    PictureSet::arrow(p, QPointF(78, y), QPointF(97, y), forceGreen, 1.6);
    PictureSet::tag(p, QPointF(9, y - 5), QStringLiteral("F"), forceGreen, 10);
    PictureSet::tag(p, QPointF(88, y - 5), QStringLiteral("F"), forceGreen, 10);
    PictureSet::tag(p, QPointF(31, y + 19), QStringLiteral("Q"), positive, 9);
    PictureSet::tag(p, QPointF(67, y + 19), QStringLiteral("q"), positive, 9);
    span(p, 34, 69, 58, QStringLiteral("d"), ink);
}

// Field of a point charge: twelve field lines leaving the charge, E at a distance d.
void pointField(QPainter& p)
{
    const QPointF c(40, 34);
    for (int i = 0; i < 12; ++i) {
        const double t = i * pi / 6;
        const QPointF from(c.x() + 10 * std::cos(t), c.y() + 10 * std::sin(t));
        const QPointF to(c.x() + 29 * std::cos(t), c.y() + 29 * std::sin(t));
        PictureSet::arrow(p, from, to, fieldOrange, 1.1);
    }
    charge(p, c, 7, true);
    PictureSet::tag(p, QPointF(74, 22), QStringLiteral("E"), fieldOrange, 12);
    PictureSet::tag(p, QPointF(74, 40), QStringLiteral("k.Q"), ink, 8);
    p.setPen(QPen(ink, 0.9));
    p.drawLine(QPointF(73, 43), QPointF(93, 43));
    PictureSet::tag(p, QPointF(79, 53), QStringLiteral("d²"), ink, 8);
}

// Potential energy: a charge pair at d, and above it the energy k.Q.q/d falling as d grows.
void potentialEnergy(QPainter& p)
{
    // The curve of the energy against the distance.
    const double x0 = 12, y0 = 38;
    p.setPen(QPen(ink, 0.9));
    drawArrow(p, QPointF(x0, y0), QPointF(x0, 5), ink, 0.9, 3.5);
    drawArrow(p, QPointF(x0, y0), QPointF(98, y0), ink, 0.9, 3.5);
    QPainterPath curve;
    for (int i = 0; i <= 40; ++i) {
        const double x = 18 + i * 1.95;
        const double y = y0 - 110 / (x - 8.5);
        if (i == 0)
            curve.moveTo(x, y);
        else
            curve.lineTo(x, y);
    }
    p.setPen(QPen(fieldOrange, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    PictureSet::tag(p, QPointF(15, 11), QStringLiteral("E"), fieldOrange, 10);
    PictureSet::tag(p, QPointF(23, 14), QStringLiteral("PE"), fieldOrange, 6);
    PictureSet::tag(p, QPointF(92, 35), QStringLiteral("d"), ink, 8);

    // The pair of charges below.
    charge(p, QPointF(30, 52), 5, true);
    charge(p, QPointF(66, 52), 5, true);
    span(p, 30, 66, 63, QStringLiteral(""), ink);
    PictureSet::tag(p, QPointF(45, 56), QStringLiteral("d"), ink, 8);
}

// Potential at a point: point A at a distance d from Q, on one of its equipotentials.
void pointPotential(QPainter& p)
{
    const QPointF c(24, 34);
    p.setBrush(Qt::NoBrush);
    for (double r : {14.0, 24.0, 36.0, 50.0}) {
        p.setPen(QPen(QColor(120, 160, 220, 200), 0.8, Qt::DashLine));
        p.drawEllipse(c, r, r);
    }
    charge(p, c, 7, true);
    const QPointF a(74, 34);
    p.setPen(QPen(ink, 0.9, Qt::DotLine));
    p.drawLine(QPointF(c.x() + 8, c.y()), a);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(a, 2.2, 2.2);
    PictureSet::tag(p, QPointF(77, 31), QStringLiteral("A"), ink, 11);
    PictureSet::tag(p, QPointF(47, 31), QStringLiteral("d"), ink, 9);
    PictureSet::tag(p, QPointF(18, 56), QStringLiteral("Q"), positive, 9);
    PictureSet::tag(p, QPointF(78, 52), QStringLiteral("u"), fieldOrange, 10);
    PictureSet::tag(p, QPointF(85, 55), QStringLiteral("A"), fieldOrange, 6);
}

// Uniform field: a positive plate and a negative plate, straight field lines between them.
void uniformField(QPainter& p)
{
    const double top = 6, bottom = 54;
    const auto plate = [&](double x, const QColor& c, bool plus) {
        QLinearGradient g(x - 3, 0, x + 3, 0);
        g.setColorAt(0, c.lighter(150));
        g.setColorAt(1, c.darker(120));
        p.setPen(QPen(c.darker(150), 0.8));
        p.setBrush(g);
        p.drawRect(QRectF(x - 3, top, 6, bottom - top));
        p.setPen(QPen(Qt::white, 1.1, Qt::SolidLine, Qt::RoundCap));
        for (double y = top + 6; y < bottom - 2; y += 10) {
            p.drawLine(QPointF(x - 1.8, y), QPointF(x + 1.8, y));
            if (plus)
                p.drawLine(QPointF(x, y - 1.8), QPointF(x, y + 1.8));
        }
    };
    for (double y = top + 6; y < bottom - 2; y += 10)
        PictureSet::arrow(p, QPointF(20, y), QPointF(78, y), fieldOrange, 1.1);
    plate(14, positive, true);
    plate(84, negative, false);
    PictureSet::tag(p, QPointF(46, 64), QStringLiteral("E"), fieldOrange, 9);
    PictureSet::tag(p, QPointF(10, 64), QStringLiteral("A"), ink, 9);
    PictureSet::tag(p, QPointF(81, 64), QStringLiteral("B"), ink, 9);
}

}

int main(int argc, char** argv)
{
    return PictureSet::writeAll(argc, argv, {
        {36, onCard<chargedBody>},
        {37, onCard<coulomb>},
        {38, onCard<pointField>},
        {39, onCard<potentialEnergy>},
        {26, onCard<pointPotential>},
        {40, onCard<uniformField>},
    });
}
