// Draws the illustrations of the electrodynamics pages (103 x 67, and 206 x 134 for @2x
// screens; transparent PNG with a light rounded card) into the directory given as argument:
//   illustration_TabSheet45  second Ohm law: a copper wire, its length L and cross-section A
//   illustration_TabSheet46  series: three resistors one after the other, R1 R2 R3
//   illustration_TabSheet47  parallel: three resistors side by side between two rails
//   illustration_TabSheet48  equal resistors: n identical resistors in parallel
//   illustration_TabSheet49  two different resistors: a large R1 and a small R2 in parallel
//   illustration_TabSheet50  terminal voltage: a battery with its internal r, u between A and B
//   illustration_TabSheet51  circuit current: a battery and its r driving i through a load R
//   illustration_TabSheet52  power: a glowing lamp fed by a current i
// Each size is drawn at four times its size and scaled down, so thin strokes stay smooth.
#include "Illustration.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int S = 4; // supersampling

const QColor wire(70, 76, 92);
const QColor resistorBody(214, 180, 120);
const QColor currentRed(214, 40, 40);
const QColor voltageBlue(30, 90, 210);
const QColor ink(40, 48, 72);

void card(QPainter& p)
{
    QLinearGradient g(0, 0, illustrationWidth, illustrationHeight);
    g.setColorAt(0, QColor(255, 255, 255, 235));
    g.setColorAt(1, QColor(236, 242, 250, 235));
    p.setPen(QPen(QColor(150, 170, 205), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, illustrationWidth - 1, illustrationHeight - 1), 7, 7);
}

void tag(QPainter& p, QPointF at, const QString& text, const QColor& c, int px = 10)
{
    p.setFont(illustrationFont(px));
    p.setPen(c);
    p.drawText(at, text);
}

// A letter with a smaller subscript after it (R1, u AB).
void tagSub(QPainter& p, QPointF at, const QString& text, const QString& sub, const QColor& c, int px = 10)
{
    tag(p, at, text, c, px);
    const double w = QFontMetricsF(illustrationFont(px)).horizontalAdvance(text);
    tag(p, QPointF(at.x() + w, at.y() + px * 0.3), sub, c, px * 7 / 10);
}

void line(QPainter& p, QPointF a, QPointF b, double width = 1.4)
{
    p.setPen(QPen(wire, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void polyline(QPainter& p, std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.moveTo(*points.begin());
    for (const QPointF& pt : points)
        path.lineTo(pt);
    p.setPen(QPen(wire, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void node(QPainter& p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(wire);
    p.drawEllipse(at, 1.8, 1.8);
}

// A component resistor, centred on `at`, with colour bands, its leads along the axis
// (horizontal or vertical) reaching `lead` either side.
void resistor(QPainter& p, QPointF at, bool vertical, double length = 20, double lead = 0)
{
    p.save();
    p.translate(at);
    if (vertical)
        p.rotate(90);
    if (lead > 0)
        line(p, QPointF(-lead, 0), QPointF(lead, 0));
    const QRectF body(-length / 2, -3.6, length, 7.2);
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0, resistorBody.lighter(125));
    g.setColorAt(0.5, resistorBody);
    g.setColorAt(1, resistorBody.darker(130));
    p.setPen(QPen(resistorBody.darker(170), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(body, 3, 3);
    const QColor bands[] = {QColor(150, 60, 20), QColor(30, 30, 30), QColor(220, 120, 20), QColor(200, 170, 40)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(bands[i]);
        const double x = body.left() + length * (0.2 + 0.17 * i) - (i == 3 ? -length * 0.08 : 0);
        p.drawRect(QRectF(x, body.top() + 0.4, length * 0.07, body.height() - 0.8));
    }
    p.restore();
}

// A battery cell: long thin plate (+) and short thick plate (-), vertical, centred on `at`.
void cell(QPainter& p, QPointF at)
{
    p.setPen(QPen(wire, 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(at.x() - 8, at.y() - 2.5), QPointF(at.x() + 8, at.y() - 2.5));
    p.setPen(QPen(wire, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(at.x() - 4.5, at.y() + 2.5), QPointF(at.x() + 4.5, at.y() + 2.5));
}

void currentArrow(QPainter& p, QPointF from, QPointF to)
{
    drawArrow(p, from, to, currentRed, 1.6, 5);
}

// Second Ohm law: a copper wire seen in perspective, the cut face A and the length L.
void secondOhmLaw(QPainter& p)
{
    const double top = 22, bottom = 38, left = 18, right = 86;
    QLinearGradient copper(0, top, 0, bottom);
    copper.setColorAt(0, QColor(248, 190, 130));
    copper.setColorAt(0.4, QColor(214, 128, 60));
    copper.setColorAt(1, QColor(140, 70, 28));
    p.setPen(QPen(QColor(120, 60, 20), 0.9));
    p.setBrush(copper);
    p.drawRect(QRectF(left, top, right - left, bottom - top));
    // The cut face, cross-section A.
    QRadialGradient face(QPointF(right - 1, 29), 7);
    face.setColorAt(0, QColor(255, 214, 160));
    face.setColorAt(1, QColor(200, 110, 50));
    p.setBrush(face);
    p.drawEllipse(QPointF(right, 30), 4.5, 8);
    p.setBrush(QColor(150, 76, 30));
    p.drawEllipse(QPointF(left, 30), 4.5, 8);
    tag(p, QPointF(right - 3, 16), QStringLiteral("A"), voltageBlue, 11);
    // The length.
    p.setPen(QPen(ink, 0.8));
    p.drawLine(QPointF(left, 44), QPointF(left, 52));
    p.drawLine(QPointF(right, 44), QPointF(right, 52));
    drawArrow(p, QPointF(50, 48), QPointF(left + 0.5, 48), ink, 1, 4);
    drawArrow(p, QPointF(50, 48), QPointF(right - 0.5, 48), ink, 1, 4);
    tag(p, QPointF(47, 62), QStringLiteral("L"), ink, 11);
    tag(p, QPointF(6, 16), QStringLiteral("ρ"), currentRed, 12);
}

// Series: three resistors in a row between two terminals, the one current through them.
void series(QPainter& p)
{
    const double y = 34;
    line(p, QPointF(6, y), QPointF(97, y));
    node(p, QPointF(6, y));
    node(p, QPointF(97, y));
    for (int i = 0; i < 3; ++i) {
        resistor(p, QPointF(24 + i * 28, y), false);
        tagSub(p, QPointF(18 + i * 28, y - 8), QStringLiteral("R"), QString::number(i + 1), ink);
    }
    currentArrow(p, QPointF(10, 50), QPointF(30, 50));
    tag(p, QPointF(33, 53), QStringLiteral("i"), currentRed, 10);
    tagSub(p, QPointF(58, 56), QStringLiteral("R"), QStringLiteral("total"), voltageBlue, 10);
}

// Resistors side by side between two rails: one branch per label, each resistor as long
// as its length.
void parallel(QPainter& p, std::initializer_list<std::pair<QString, double>> branches)
{
    const double left = 24, right = 84, top = 15, span = 42, step = span / (branches.size() - 1);
    line(p, QPointF(4, 36), QPointF(left, 36));
    line(p, QPointF(right, 36), QPointF(99, 36));
    line(p, QPointF(left, top), QPointF(left, top + span));
    line(p, QPointF(right, top), QPointF(right, top + span));
    double y = top;
    for (const auto& [name, length] : branches) {
        line(p, QPointF(left, y), QPointF(right, y));
        resistor(p, QPointF(48, y), false, length);
        tagSub(p, QPointF(63, y - 4.5), QStringLiteral("R"), name, ink, 9);
        node(p, QPointF(left, y));
        node(p, QPointF(right, y));
        y += step;
    }
    currentArrow(p, QPointF(4, 43), QPointF(20, 43));
    tag(p, QPointF(8, 53), QStringLiteral("i"), currentRed, 10);
}

void threeInParallel(QPainter& p)
{
    parallel(p, {{QStringLiteral("1"), 16}, {QStringLiteral("2"), 16}, {QStringLiteral("3"), 16}});
}

void equalResistors(QPainter& p)
{
    parallel(p, {{QString(), 16}, {QString(), 16}, {QString(), 16}, {QString(), 16}});
    tag(p, QPointF(88, 64), QStringLiteral("n"), voltageBlue, 10);
}

void twoDifferent(QPainter& p)
{
    parallel(p, {{QStringLiteral("1"), 26}, {QStringLiteral("2"), 12}});
}

// A battery with its internal resistance r inside a dashed case, terminals A and B.
void generator(QPainter& p, QPointF at)
{
    p.setPen(QPen(QColor(120, 130, 150), 0.9, Qt::DashLine));
    p.setBrush(QColor(225, 232, 245, 200));
    p.drawRoundedRect(QRectF(at.x() - 12, at.y() - 24, 24, 48), 3, 3);
    line(p, QPointF(at.x(), at.y() - 28), QPointF(at.x(), at.y() - 16));
    cell(p, QPointF(at.x(), at.y() - 12));
    line(p, QPointF(at.x(), at.y() - 9), QPointF(at.x(), at.y() - 1));
    resistor(p, QPointF(at.x(), at.y() + 9), true, 14);
    line(p, QPointF(at.x(), at.y() + 16), QPointF(at.x(), at.y() + 28));
    tag(p, QPointF(at.x() - 10, at.y() - 9), QStringLiteral("E"), voltageBlue, 9);
    tag(p, QPointF(at.x() + 5, at.y() + 13), QStringLiteral("r"), ink, 9);
}

// Terminal voltage: the generator's two terminals A and B and the voltage between them.
void terminalVoltage(QPainter& p)
{
    generator(p, QPointF(24, 33));
    polyline(p, {QPointF(24, 5), QPointF(60, 5)});
    polyline(p, {QPointF(24, 61), QPointF(60, 61)});
    node(p, QPointF(60, 5));
    node(p, QPointF(60, 61));
    tag(p, QPointF(63, 9), QStringLiteral("A"), ink, 9);
    tag(p, QPointF(63, 64), QStringLiteral("B"), ink, 9);
    drawArrow(p, QPointF(74, 56), QPointF(74, 10), voltageBlue, 1.2, 4);
    tagSub(p, QPointF(78, 36), QStringLiteral("u"), QStringLiteral("AB"), voltageBlue, 11);
    currentArrow(p, QPointF(34, 5), QPointF(50, 5));
    tag(p, QPointF(38, 16), QStringLiteral("i"), currentRed, 10);
}

// Circuit current: the generator closed on a load R, the current i going round.
void circuitCurrent(QPainter& p)
{
    generator(p, QPointF(20, 33));
    polyline(p, {QPointF(20, 5), QPointF(86, 5), QPointF(86, 61), QPointF(20, 61)});
    resistor(p, QPointF(86, 33), true, 20);
    tag(p, QPointF(70, 37), QStringLiteral("R"), ink, 10);
    currentArrow(p, QPointF(42, 5), QPointF(62, 5));
    tag(p, QPointF(49, 17), QStringLiteral("i"), currentRed, 10);
}

// Power: a lamp glowing on its socket, fed by the current i.
void lamp(QPainter& p)
{
    const QPointF c(52, 26);
    QRadialGradient glow(c, 26);
    glow.setColorAt(0, QColor(255, 240, 120, 200));
    glow.setColorAt(1, QColor(255, 240, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 26, 26);
    QRadialGradient bulb(QPointF(c.x() - 4, c.y() - 5), 16);
    bulb.setColorAt(0, QColor(255, 255, 235));
    bulb.setColorAt(1, QColor(255, 214, 80));
    p.setPen(QPen(QColor(200, 150, 30), 1));
    p.setBrush(bulb);
    QPainterPath glass;
    glass.addEllipse(c, 13, 13);
    glass.addRect(QRectF(c.x() - 6, c.y() + 8, 12, 9));
    p.drawPath(glass.simplified());
    // Filament.
    p.setPen(QPen(QColor(200, 80, 20), 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath filament;
    filament.moveTo(c.x() - 4, c.y() + 10);
    filament.lineTo(c.x() - 4, c.y() - 1);
    for (int i = 0; i < 4; ++i)
        filament.lineTo(c.x() - 3 + i * 2, c.y() + ((i % 2) ? 1 : -3));
    filament.lineTo(c.x() + 4, c.y() - 1);
    filament.lineTo(c.x() + 4, c.y() + 10);
    p.drawPath(filament);
    // Screw base.
    QLinearGradient metal(c.x() - 7, 0, c.x() + 7, 0);
    metal.setColorAt(0, QColor(130, 134, 144));
    metal.setColorAt(0.5, QColor(225, 228, 235));
    metal.setColorAt(1, QColor(120, 124, 134));
    p.setPen(QPen(QColor(90, 94, 104), 0.8));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(c.x() - 7, c.y() + 17, 14, 10), 1.5, 1.5);
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(c.x() - 7, c.y() + 20 + i * 2.6), QPointF(c.x() + 7, c.y() + 19 + i * 2.6));
    // Leads and the current.
    polyline(p, {QPointF(c.x() - 3, c.y() + 27), QPointF(c.x() - 3, 62), QPointF(6, 62)});
    polyline(p, {QPointF(c.x() + 3, c.y() + 27), QPointF(c.x() + 3, 62), QPointF(97, 62)});
    currentArrow(p, QPointF(10, 56), QPointF(28, 56));
    tag(p, QPointF(14, 52), QStringLiteral("i"), currentRed, 10);
    tag(p, QPointF(76, 20), QStringLiteral("P"), QColor(200, 120, 0), 12);
}

// One picture at `scale` times the page size (1, or 2 for the @2x file).
QImage render(void (*scene)(QPainter&), int scale)
{
    QImage big(illustrationWidth * S * scale, illustrationHeight * S * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(S * scale, S * scale);
        card(p);
        scene(p);
    }
    return big.scaled(illustrationWidth * scale, illustrationHeight * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <pictures directory>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const struct
    {
        int page;
        void (*scene)(QPainter&);
    } pictures[] = {
        {45, secondOhmLaw},   {46, series},          {47, threeInParallel}, {48, equalResistors},
        {49, twoDifferent},   {50, terminalVoltage}, {51, circuitCurrent},  {52, lamp},
    };
    int failures = 0;
    for (const auto& picture : pictures) {
        for (const auto& [scale, suffix] : {std::pair{1, ""}, std::pair{2, "@2x"}}) {
            const QString path = dir.filePath(QStringLiteral("illustration_TabSheet%1%2.png").arg(picture.page).arg(QLatin1String(suffix)));
            if (!render(picture.scene, scale).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
