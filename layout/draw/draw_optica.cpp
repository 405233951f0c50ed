// Draws the illustrations of the optics pages (103 x 67, and 206 x 134 for double-density
// screens; transparent PNG with a rounded card) into the directory given as argument:
//   illustration_TabSheet29.png  plane mirrors at an angle a, a ball and its three images
//   illustration_TabSheet31.png  Gauss: a concave mirror, an object and its real image
//   illustration_TabSheet32.png  Snell-Descartes: a ray bending at a water surface
//   illustration_TabSheet33.png  total internal reflection: a ray reflected inside glass
#include "PictureSet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

using namespace PictureSet;

const QColor ink(36, 44, 70);
const QColor ray(236, 120, 20);
const QColor mirrorBlue(70, 110, 170);
const QColor objectGreen(30, 140, 60);
const QColor imageGrey(140, 170, 150);
constexpr double degree = std::numbers::pi / 180;

// A mirror seen edge on: a silvered line with hatching on its back.
void mirror(QPainter& p, QPointF from, QPointF to, double backSide)
{
    const double dx = to.x() - from.x(), dy = to.y() - from.y();
    const double len = std::hypot(dx, dy);
    const QPointF back(-dy / len * 3.5 * backSide, dx / len * 3.5 * backSide);
    p.setPen(QPen(QColor(140, 150, 170), 0.8));
    for (double t = 0.06; t < 1; t += 0.1) {
        const QPointF at(from.x() + dx * t, from.y() + dy * t);
        p.drawLine(at, at + back + QPointF(dx / len * 2.5, dy / len * 2.5));
    }
    p.setPen(QPen(mirrorBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

// A small ball: the object, or one of its images (paler).
void ball(QPainter& p, QPointF at, bool image)
{
    p.setPen(QPen(image ? imageGrey.darker(120) : objectGreen.darker(140), 0.8));
    p.setBrush(image ? imageGrey : objectGreen);
    p.drawEllipse(at, 3.6, 3.6);
}

// Two plane mirrors meeting at the angle a (90º here), a ball between them and its
// n = 360º/a - 1 = 3 images: one behind each mirror and one behind the corner.
void mirrorAssociation(QPainter& p)
{
    paperCard(p);
    const QPointF hinge(40, 33);
    const double len = 40;
    const QPointF upper(hinge.x() + len * std::cos(45 * degree), hinge.y() - len * std::sin(45 * degree));
    const QPointF lower(hinge.x() + len * std::cos(45 * degree), hinge.y() + len * std::sin(45 * degree));
    const QPointF object(hinge.x() + 22, hinge.y());
    p.setPen(QPen(imageGrey, 0.8, Qt::DashLine));
    p.drawLine(object, QPointF(hinge.x(), hinge.y() - 20));
    p.drawLine(object, QPointF(hinge.x(), hinge.y() + 20));
    ball(p, QPointF(hinge.x(), hinge.y() - 20), true);
    ball(p, QPointF(hinge.x(), hinge.y() + 20), true);
    ball(p, QPointF(hinge.x() - 20, hinge.y()), true);
    mirror(p, hinge, upper, -1);
    mirror(p, hinge, lower, 1);
    ball(p, object, false);
    // The angle a between the mirrors.
    p.setPen(QPen(ink, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(hinge.x() - 9, hinge.y() - 9, 18, 18), -45 * 16, 90 * 16);
    tag(p, QPointF(hinge.x() + 11, hinge.y() + 3.5), QStringLiteral("a"), ink, 9);
    tag(p, QPointF(72, 62), QStringLiteral("n = 3"), ink, 8);
}

// A concave mirror (radius 48, focus 24 from its vertex): an object beyond the centre
// gives a real, smaller, inverted image, found by a ray parallel to the axis and one
// through the focus.
void concaveMirror(QPainter& p)
{
    paperCard(p);
    const double axis = 34, centre = 40, radius = 48, focus = 64;
    p.setPen(QPen(QColor(150, 160, 180), 0.8, Qt::DashLine));
    p.drawLine(QPointF(5, axis), QPointF(96, axis));
    p.setPen(QPen(QColor(140, 150, 170), 0.8));
    for (double a = -24; a <= 24; a += 6) {
        const QPointF at(centre + radius * std::cos(a * degree), axis - radius * std::sin(a * degree));
        p.drawLine(at, at + QPointF(3.5 * std::cos(a * degree) + 1.5, -3.5 * std::sin(a * degree) - 1.5));
    }
    p.setPen(QPen(mirrorBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre - radius, axis - radius, 2 * radius, 2 * radius), -25 * 16, 50 * 16);
    const QPointF objectTop(20, axis - 14), imageTip(50.9, axis + 7.6);
    const double hit = centre + std::sqrt(radius * radius - 14 * 14);
    p.setPen(QPen(ray, 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(objectTop, QPointF(hit, axis - 14));
    p.drawLine(QPointF(hit, axis - 14), imageTip);
    p.drawLine(objectTop, QPointF(hit + 0.6, axis + 7.6));
    p.drawLine(QPointF(hit + 0.6, axis + 7.6), imageTip);
    drawArrow(p, QPointF(20, axis), objectTop, objectGreen, 2, 5);
    drawArrow(p, QPointF(50.9, axis), imageTip, imageGrey.darker(140), 1.8, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(focus, axis), 1.5, 1.5);
    tag(p, QPointF(focus - 2, axis - 4), QStringLiteral("F"), ink, 8);
    tag(p, QPointF(9, axis - 4), QStringLiteral("o"), objectGreen, 9);
    tag(p, QPointF(44, axis + 12), QStringLiteral("i"), imageGrey.darker(160), 9);
}

// The surface between two media, the normal through the point of incidence and the angles.
void surfaceWithNormal(QPainter& p, double surface, double x, const QColor& below)
{
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 7, 7);
    p.save();
    p.setClipPath(card);
    QLinearGradient air(0, 0, 0, surface);
    air.setColorAt(0, QColor(236, 244, 255));
    air.setColorAt(1, QColor(214, 230, 250));
    p.fillRect(QRectF(0, 0, W, surface), air);
    QLinearGradient medium(0, surface, 0, H);
    medium.setColorAt(0, below.lighter(120));
    medium.setColorAt(1, below);
    p.fillRect(QRectF(0, surface, W, H - surface), medium);
    p.restore();
    p.setPen(QPen(QColor(120, 150, 190), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card);
    p.setPen(QPen(QColor(40, 90, 160), 1.2));
    p.drawLine(QPointF(1, surface), QPointF(W - 1, surface));
    p.setPen(QPen(ink, 0.8, Qt::DashLine));
    p.drawLine(QPointF(x, 4), QPointF(x, H - 4));
}

// Snell-Descartes: a ray from the air bends towards the normal as it enters the water.
void refraction(QPainter& p)
{
    const double surface = 32, x = 50;
    surfaceWithNormal(p, surface, x, QColor(80, 160, 225));
    const QPointF source(x - 30, surface - 27);
    const QPointF exit(x + 15, surface + 31);
    drawArrow(p, source, QPointF(x - 13.5, surface - 12), ray, 1.8, 4.5);
    p.setPen(QPen(ray, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(source, QPointF(x, surface));
    drawArrow(p, QPointF(x, surface), exit, ray, 1.8, 4.5);
    // The angles of incidence and refraction, from the normal.
    p.setPen(QPen(ink, 0.9));
    p.drawArc(QRectF(x - 12, surface - 12, 24, 24), 90 * 16, 42 * 16);
    p.drawArc(QRectF(x - 14, surface - 14, 28, 28), 270 * 16, 26 * 16);
    tag(p, QPointF(x - 12, surface - 14), QStringLiteral("i"), ink, 9);
    tag(p, QPointF(x + 5, surface + 20), QStringLiteral("r"), ink, 9);
    tag(p, QPointF(70, 14), QStringLiteral("n1 ar"), ink, 8);
    tag(p, QPointF(62, 60), QStringLiteral("n2 água"), QColor(240, 248, 255), 8);
}

// Total internal reflection: inside a glass block a ray meets the surface beyond the
// limit angle L and is reflected back whole.
void internalReflection(QPainter& p)
{
    const double surface = 24, x = 50;
    surfaceWithNormal(p, surface, x, QColor(150, 200, 200));
    tag(p, QPointF(6, 14), QStringLiteral("ar"), ink, 8);
    tag(p, QPointF(6, 60), QStringLiteral("vidro"), QColor(30, 70, 80), 8);
    const QPointF source(x - 34, surface + 38);
    p.setPen(QPen(ray, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(source, QPointF(x, surface));
    drawArrow(p, source, QPointF(x - 17, surface + 19), ray, 1.8, 4.5);
    drawArrow(p, QPointF(x, surface), QPointF(x + 34, surface + 38), ray, 1.8, 4.5);
    // The limit ray grazing the surface, faint.
    p.setPen(QPen(QColor(236, 120, 20, 110), 1, Qt::DotLine));
    p.drawLine(QPointF(x, surface), QPointF(x + 40, surface - 1));
    p.setPen(QPen(ink, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(x - 12, surface - 12, 24, 24), 222 * 16, 48 * 16);
    tag(p, QPointF(x - 13, surface + 20), QStringLiteral("L"), ink, 8);
}

}

int main(int argc, char** argv)
{
    return writeAll(argc, argv,
                    {{29, mirrorAssociation}, {31, concaveMirror}, {32, refraction}, {33, internalReflection}});
}
