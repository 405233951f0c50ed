// Draws the illustrations of the hydrostatics pages (103 x 67, and 206 x 134 for
// double-density screens; transparent PNG with a rounded card) into the directory given
// as argument:
//   illustration_TabSheet16.png  pressure: a brick resting on a table, F over its face A
//   illustration_TabSheet17.png  hydraulic press: a small force on the narrow piston lifts
//                                a car on the wide one
//   illustration_TabSheet18.png  absolute pressure: a diver at depth h, the atmosphere above
#include "PictureSet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using namespace PictureSet;

const QColor ink(36, 44, 70);
const QColor forceRed(220, 40, 40);
const QColor areaBlue(30, 90, 210);
const QColor water(70, 150, 225);

// A wooden table top seen from the front, with two legs.
void table(QPainter& p, double top)
{
    QLinearGradient wood(0, top, 0, top + 5);
    wood.setColorAt(0, QColor(196, 140, 84));
    wood.setColorAt(1, QColor(150, 98, 50));
    p.setPen(QPen(QColor(110, 70, 34), 1));
    p.setBrush(wood);
    p.drawRect(QRectF(8, top, 87, 5));
    p.setBrush(QColor(150, 98, 50));
    p.drawRect(QRectF(14, top + 5, 5, H - top - 10));
    p.drawRect(QRectF(84, top + 5, 5, H - top - 10));
}

// Pressure: a brick lying on a table presses with its weight F on the face A it rests on.
void pressure(QPainter& p)
{
    paperCard(p);
    table(p, 50);
    // The brick in perspective: front face, top face and right side.
    const QRectF front(30, 34, 38, 16);
    QPainterPath top;
    top.moveTo(30, 34);
    top.lineTo(40, 27);
    top.lineTo(78, 27);
    top.lineTo(68, 34);
    top.closeSubpath();
    QPainterPath side;
    side.moveTo(68, 34);
    side.lineTo(78, 27);
    side.lineTo(78, 43);
    side.lineTo(68, 50);
    side.closeSubpath();
    p.setPen(QPen(QColor(120, 40, 24), 1));
    p.setBrush(QColor(200, 84, 52));
    p.drawRect(front);
    p.setBrush(QColor(226, 120, 84));
    p.drawPath(top);
    p.setBrush(QColor(166, 62, 38));
    p.drawPath(side);
    // Mortar lines of the front face.
    p.setPen(QPen(QColor(150, 60, 40), 0.7));
    p.drawLine(QPointF(30, 42), QPointF(68, 42));
    p.drawLine(QPointF(49, 34), QPointF(49, 42));
    p.drawLine(QPointF(40, 42), QPointF(40, 50));
    p.drawLine(QPointF(58, 42), QPointF(58, 50));
    // The contact face A, hatched under the brick.
    p.setPen(QPen(areaBlue, 1.6));
    p.drawLine(QPointF(30, 50.5), QPointF(68, 50.5));
    tag(p, QPointF(45, 63), QStringLiteral("A"), areaBlue, 10);
    p.setPen(QPen(areaBlue, 0.8));
    p.drawLine(QPointF(30, 53), QPointF(30, 58));
    p.drawLine(QPointF(68, 53), QPointF(68, 58));
    // The force pressing down on the brick.
    arrow(p, QPointF(54, 4), QPointF(54, 26), forceRed, 2.4);
    tag(p, QPointF(59, 15), QStringLiteral("F"), forceRed, 12);
    tag(p, QPointF(6, 16), QStringLiteral("P = F/A"), ink, 8);
}

// Hydraulic press: two cylinders joined at the bottom and full of oil; a small force F1 on
// the narrow piston lifts a car on the wide piston.
void hydraulicPress(QPainter& p)
{
    paperCard(p);
    const QColor oil(236, 176, 52);
    const QColor steel(96, 104, 120);
    // The vessel: narrow left column, wide right column, a channel under both.
    QPainterPath vessel;
    vessel.moveTo(12, 30);
    vessel.lineTo(12, 60);
    vessel.lineTo(94, 60);
    vessel.lineTo(94, 40);
    vessel.lineTo(58, 40);
    vessel.lineTo(58, 50);
    vessel.lineTo(24, 50);
    vessel.lineTo(24, 30);
    vessel.closeSubpath();
    QLinearGradient fill(0, 30, 0, 60);
    fill.setColorAt(0, oil.lighter(115));
    fill.setColorAt(1, oil.darker(115));
    p.setPen(QPen(steel, 1.4));
    p.setBrush(fill);
    p.drawPath(vessel);
    // The pistons: a thin rod on the left, a wide plate on the right.
    p.setBrush(QColor(170, 178, 192));
    p.setPen(QPen(steel, 1));
    p.drawRect(QRectF(12, 27, 12, 4));
    p.drawRect(QRectF(58, 37, 36, 4));
    p.drawRect(QRectF(16.5, 17, 3, 10));
    // The car standing on the wide piston.
    QPainterPath body;
    body.moveTo(60, 34);
    body.lineTo(60, 29);
    body.quadTo(61, 27, 65, 27);
    body.lineTo(68, 22);
    body.lineTo(83, 22);
    body.lineTo(87, 27);
    body.quadTo(92, 27, 92, 30);
    body.lineTo(92, 34);
    body.closeSubpath();
    p.setPen(QPen(QColor(120, 20, 20), 0.9));
    p.setBrush(QColor(214, 48, 48));
    p.drawPath(body);
    p.setBrush(QColor(200, 230, 250));
    p.drawRect(QRectF(69.5, 23.5, 5.5, 3.5));
    p.drawRect(QRectF(76.5, 23.5, 5.5, 3.5));
    p.setBrush(QColor(40, 40, 46));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(66, 34.5), 2.6, 2.6);
    p.drawEllipse(QPointF(86, 34.5), 2.6, 2.6);
    // The forces: F1 pushing down the narrow piston, F2 lifting the car.
    arrow(p, QPointF(18, 3), QPointF(18, 16), forceRed, 2);
    tag(p, QPointF(22, 11), QStringLiteral("F1"), forceRed, 9);
    arrow(p, QPointF(52, 36), QPointF(52, 14), forceRed, 2);
    tag(p, QPointF(40, 13), QStringLiteral("F2"), forceRed, 9);
    tag(p, QPointF(14, 46), QStringLiteral("A1"), areaBlue, 8);
    tag(p, QPointF(70, 52), QStringLiteral("A2"), areaBlue, 8);
}

// A diver swimming at depth h under the surface; the air above presses with patm.
void diver(QPainter& p)
{
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 7, 7);
    p.save();
    p.setClipPath(card);
    QLinearGradient sky(0, 0, 0, 18);
    sky.setColorAt(0, QColor(160, 206, 250));
    sky.setColorAt(1, QColor(226, 242, 255));
    p.fillRect(QRectF(0, 0, W, 18), sky);
    QLinearGradient sea(0, 18, 0, H);
    sea.setColorAt(0, water.lighter(130));
    sea.setColorAt(1, water.darker(150));
    p.fillRect(QRectF(0, 18, W, H - 18), sea);
    // Small waves along the surface.
    p.setPen(QPen(QColor(240, 250, 255), 1));
    QPainterPath waves;
    waves.moveTo(0, 18);
    for (double x = 0; x < W; x += 8)
        waves.quadTo(x + 2, 16.5, x + 4, 18), waves.quadTo(x + 6, 19.5, x + 8, 18);
    p.setBrush(Qt::NoBrush);
    p.drawPath(waves);
    p.restore();
    p.setPen(QPen(QColor(120, 150, 190), 1));
    p.drawPath(card);

    // The atmosphere pressing on the surface.
    for (double x : {60.0, 72.0, 84.0})
        arrow(p, QPointF(x, 3), QPointF(x, 15), QColor(60, 80, 140), 1.2);
    tag(p, QPointF(8, 12), QStringLiteral("patm"), QColor(40, 60, 120), 9);

    // The diver, swimming to the right: fins, legs, body with the air tank, head and mask.
    const QColor suit(44, 52, 74);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 40));
    QPainterPath fins;
    fins.moveTo(31, 42);
    fins.lineTo(22, 37);
    fins.lineTo(24, 44);
    fins.closeSubpath();
    fins.moveTo(31, 50);
    fins.lineTo(22, 54);
    fins.lineTo(25, 48);
    fins.closeSubpath();
    p.drawPath(fins);
    p.setPen(QPen(suit, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 46), QPointF(31, 42));
    p.drawLine(QPointF(46, 47), QPointF(31, 50));
    p.drawLine(QPointF(64, 47), QPointF(76, 51)); // arm reaching forward
    p.setPen(QPen(suit, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45, 46.5), QPointF(65, 45.5));
    p.setPen(QPen(QColor(150, 110, 10), 0.8));
    p.setBrush(QColor(250, 200, 30));
    p.drawRoundedRect(QRectF(47, 38.5, 16, 5), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 190, 150));
    p.drawEllipse(QPointF(71, 44), 4.2, 4.2);
    p.setBrush(suit);
    p.drawChord(QRectF(66.8, 39.8, 8.4, 8.4), 30 * 16, 150 * 16); // hood
    p.setPen(QPen(QColor(30, 30, 30), 0.8));
    p.setBrush(QColor(170, 225, 250));
    p.drawRoundedRect(QRectF(71.5, 41.6, 4.6, 3.4), 1, 1);
    // Bubbles rising.
    p.setPen(QPen(QColor(230, 245, 255), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(77, 36), 1.4, 1.4);
    p.drawEllipse(QPointF(79, 30), 1.8, 1.8);
    p.drawEllipse(QPointF(77, 24), 1.2, 1.2);

    // The depth h from the surface down to the diver.
    p.setPen(QPen(Qt::white, 0.8, Qt::DashLine));
    p.drawLine(QPointF(8, 46), QPointF(24, 46));
    drawArrow(p, QPointF(14, 19), QPointF(14, 45), Qt::white, 1.2, 4);
    drawArrow(p, QPointF(14, 45), QPointF(14, 19), Qt::white, 1.2, 4);
    tag(p, QPointF(17, 36), QStringLiteral("h"), Qt::white, 11);
}

}

int main(int argc, char** argv)
{
    return writeAll(argc, argv, {{16, pressure}, {17, hydraulicPress}, {18, diver}});
}
