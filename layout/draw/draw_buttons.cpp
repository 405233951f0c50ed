// Draws the skinned push button's pictures: the two five-cell skins, the glyphs
// of the glyph kinds, and the glyphs of the Hidrostática area button and the
// About window's OK button. Run with the layout/pictures directory as argument;
// every picture is written at 1x and as a name@2x.png twice the size.
//
// Skins are 8-bit palette pictures whose magenta pixels are transparent; glyphs
// are true-colour pictures whose olive pixels are transparent. Antialiased edges
// are settled over a light button grey first, so no pink or olive fringe shows.

#include <QColor>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kOlive = 0xFF808000;
const QColor kEdgeGrey(232, 232, 232);

using Painting = std::function<void(QPainter&)>;

// Paints at the given scale on a transparent canvas of the logical size.
QImage paintAt(QSize logical, int scale, const Painting& paint)
{
    QImage canvas(logical * scale, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paint(p);
    return canvas;
}

// Mostly transparent pixels become the key colour, the rest are settled over grey.
QImage keyed(const QImage& canvas, QRgb key)
{
    QImage out(canvas.size(), QImage::Format_RGB32);
    const QImage src = canvas.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            const int a = qAlpha(c);
            if (a < 100) {
                out.setPixel(x, y, key);
                continue;
            }
            auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            QRgb settled = qRgb(mix(qRed(c), kEdgeGrey.red()), mix(qGreen(c), kEdgeGrey.green()),
                                mix(qBlue(c), kEdgeGrey.blue()));
            // A drawn pixel must never read as the key colour.
            if (settled == key)
                settled ^= 0x010101;
            out.setPixel(x, y, settled);
        }
    }
    return out;
}

// Median cut down to 255 colours; index 255 is the magenta key.
QImage toPalette(const QImage& rgb)
{
    struct Entry
    {
        QRgb colour;
        int count;
    };
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (const QRgb c = rgb.pixel(x, y) | 0xFF000000u; c != kMagenta)
                ++counts[c];
    std::vector<std::vector<Entry>> boxes(1);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        boxes[0].push_back({it.key(), it.value()});
    // Hash order changes from run to run; sorting keeps the pictures identical.
    std::sort(boxes[0].begin(), boxes[0].end(),
              [](const Entry& a, const Entry& b) { return a.colour < b.colour; });

    auto channel = [](QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); };
    auto widest = [&](const std::vector<Entry>& box, int* range) {
        int best = 0;
        *range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Entry& e : box) {
                lo = std::min(lo, channel(e.colour, ch));
                hi = std::max(hi, channel(e.colour, ch));
            }
            if (hi - lo > *range) {
                *range = hi - lo;
                best = ch;
            }
        }
        return best;
    };
    while (boxes.size() < 255) {
        int pick = -1, pickRange = 0, pickChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            int range = 0;
            const int ch = widest(boxes[i], &range);
            if (boxes[i].size() > 1 && range > pickRange) {
                pick = int(i);
                pickRange = range;
                pickChannel = ch;
            }
        }
        if (pick < 0)
            break;
        std::vector<Entry>& box = boxes[size_t(pick)];
        std::stable_sort(box.begin(), box.end(), [&](const Entry& a, const Entry& b) {
            return channel(a.colour, pickChannel) < channel(b.colour, pickChannel);
        });
        long total = 0;
        for (const Entry& e : box)
            total += e.count;
        long seen = 0;
        size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            seen += box[cut - 1].count;
            if (seen * 2 >= total)
                break;
        }
        std::vector<Entry> upper(box.begin() + long(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> table;
    QHash<QRgb, int> index;
    for (const auto& box : boxes) {
        if (box.empty())
            continue;
        double r = 0, g = 0, b = 0, n = 0;
        for (const Entry& e : box) {
            r += qRed(e.colour) * double(e.count);
            g += qGreen(e.colour) * double(e.count);
            b += qBlue(e.colour) * double(e.count);
            n += e.count;
        }
        QRgb mean = qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
        if (mean == kMagenta)
            mean ^= 0x010101;
        for (const Entry& e : box)
            index.insert(e.colour, int(table.size()));
        table.push_back(mean);
    }
    const int keyIndex = int(table.size());
    table.push_back(kMagenta);

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xFF000000u;
            out.setPixel(x, y, c == kMagenta ? keyIndex : index.value(c));
        }
    return out;
}

bool save(const QImage& image, const QString& dir, const QString& name, int scale)
{
    const QString file = QDir(dir).filePath(scale == 1 ? name + ".png" : name + "@2x.png");
    if (!image.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// ---- Skins -----------------------------------------------------------------

struct AquaCell
{
    QColor top, middle, bottom, border;
    bool striped;
};

// A glossy pill: curved ends within the 10-pixel corner columns, so the edge
// pieces the button stretches carry no part of the curve.
void paintAquaCell(QPainter& p, QRectF cell, const AquaCell& look)
{
    const QRectF body = cell.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath pill;
    pill.addRoundedRect(body, 9.5, body.height() / 2);

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, look.top);
    fill.setColorAt(0.5, look.middle);
    fill.setColorAt(1.0, look.bottom);
    p.fillPath(pill, fill);

    p.save();
    p.setClipPath(pill);
    if (look.striped) {
        for (qreal y = cell.top() + 1; y < cell.bottom() - 1; y += 2)
            p.fillRect(QRectF(body.left(), y, body.width(), 1), QColor(0, 0, 0, 24));
    }
    // Gloss on the upper half, a soft glow along the bottom.
    const QRectF gloss(body.left() + 3, body.top() + 1, body.width() - 6, body.height() * 0.45);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 235));
    shine.setColorAt(1.0, QColor(255, 255, 255, 40));
    QPainterPath glossPath;
    glossPath.addRoundedRect(gloss, 7, gloss.height() / 2);
    p.fillPath(glossPath, shine);
    const QRectF glow(body.left() + 4, body.bottom() - body.height() * 0.3, body.width() - 8,
                      body.height() * 0.3);
    QRadialGradient light(glow.center() + QPointF(0, glow.height() / 2), glow.width() / 2);
    light.setColorAt(0.0, QColor(255, 255, 255, 130));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(glow, light);
    p.restore();

    p.setPen(QPen(look.border, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pill);
}

struct XpCell
{
    QColor faceTop, faceBottom, border, innerTop, innerBottom;
};

// An XP push button: a 3-pixel rounded frame, a gentle face gradient, and for the
// hot and focused cells a two-pixel coloured rim inside the frame.
void paintXpCell(QPainter& p, QRectF cell, const XpCell& look)
{
    const QRectF body = cell.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath frame;
    frame.addRoundedRect(body, 3, 3);
    QLinearGradient face(body.topLeft(), body.bottomLeft());
    face.setColorAt(0.0, look.faceTop);
    face.setColorAt(0.85, look.faceBottom);
    face.setColorAt(1.0, look.faceBottom.darker(108));
    p.fillPath(frame, face);
    if (look.innerTop.isValid()) {
        const QRectF inner = body.adjusted(1.5, 1.5, -1.5, -1.5);
        QLinearGradient rim(inner.topLeft(), inner.bottomLeft());
        rim.setColorAt(0.0, look.innerTop);
        rim.setColorAt(1.0, look.innerBottom);
        p.setPen(QPen(QBrush(rim), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inner, 1.5, 1.5);
    }
    p.setPen(QPen(look.border, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
}

bool drawSkins(const QString& dir)
{
    // Cells: normal, pressed, disabled, hot, focused.
    const AquaCell aqua[5] = {
        {QColor(196, 196, 202), QColor(214, 214, 220), QColor(240, 240, 244), QColor(118, 118, 128), false},
        {QColor(30, 66, 150), QColor(62, 110, 200), QColor(140, 185, 245), QColor(12, 34, 100), false},
        {QColor(228, 228, 230), QColor(236, 236, 238), QColor(244, 244, 246), QColor(176, 176, 182), true},
        {QColor(60, 130, 220), QColor(110, 170, 240), QColor(190, 225, 255), QColor(30, 80, 160), false},
        {QColor(40, 100, 200), QColor(80, 145, 230), QColor(160, 205, 250), QColor(20, 60, 140), false},
    };
    const QColor xpBlue(0, 60, 116);
    const XpCell xp[5] = {
        {QColor(255, 255, 255), QColor(236, 235, 230), xpBlue, QColor(), QColor()},
        {QColor(226, 225, 218), QColor(242, 241, 236), xpBlue, QColor(), QColor()},
        {QColor(245, 244, 234), QColor(245, 244, 234), QColor(201, 199, 186), QColor(), QColor()},
        {QColor(255, 255, 255), QColor(236, 235, 230), xpBlue, QColor(255, 240, 207), QColor(229, 151, 0)},
        {QColor(255, 255, 255), QColor(236, 235, 230), xpBlue, QColor(206, 231, 255), QColor(105, 130, 238)},
    };

    bool ok = true;
    for (int scale : {1, 2}) {
        const QImage mac = paintAt(QSize(155, 23), scale, [&](QPainter& p) {
            for (int k = 0; k < 5; ++k)
                paintAquaCell(p, QRectF(k * 31, 0, 31, 23), aqua[k]);
        });
        ok &= save(toPalette(keyed(mac, kMagenta)), dir, "style_AquaMac", scale);
        const QImage win = paintAt(QSize(160, 21), scale, [&](QPainter& p) {
            for (int k = 0; k < 5; ++k)
                paintXpCell(p, QRectF(k * 32, 0, 32, 21), xp[k]);
        });
        ok &= save(toPalette(keyed(win, kMagenta)), dir, "style_WinXP", scale);
    }
    return ok;
}

// ---- Glyphs ----------------------------------------------------------------

QPen stroke(const QColor& c, qreal width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void check(QPainter& p, const QColor& c, QPointF shift = {})
{
    QPainterPath tick;
    tick.moveTo(QPointF(3, 8.5) + shift);
    tick.lineTo(QPointF(6.5, 12) + shift);
    tick.lineTo(QPointF(13, 4) + shift);
    p.setPen(stroke(c.darker(150), 3.4));
    p.drawPath(tick);
    p.setPen(stroke(c, 2.2));
    p.drawPath(tick);
}

void cross(QPainter& p, const QColor& c, qreal inset, qreal width)
{
    for (const QColor& pen : {c.darker(150), c}) {
        p.setPen(stroke(pen, pen == c ? width : width + 1.2));
        p.drawLine(QPointF(inset, inset), QPointF(16 - inset, 16 - inset));
        p.drawLine(QPointF(16 - inset, inset), QPointF(inset, 16 - inset));
    }
}

void disc(QPainter& p, const QColor& c)
{
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c);
    p.setPen(QPen(c.darker(160), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

void arrowHead(QPainter& p, QPointF tip, qreal angleDegrees, const QColor& c)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    QPolygonF head({QPointF(0, 0), QPointF(-4.5, -3), QPointF(-4.5, 3)});
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
    p.restore();
}

const QColor kGreen(40, 160, 40);
const QColor kRed(210, 30, 30);
const QColor kBlue(40, 90, 200);

const std::vector<std::pair<QString, Painting>>& glyphs()
{
    static const std::vector<std::pair<QString, Painting>> all = {
        {"A_GLOK", [](QPainter& p) { check(p, kGreen); }},
        {"A_GLCANCEL", [](QPainter& p) { cross(p, kRed, 4, 2.2); }},
        {"A_GLCANCEL2",
         [](QPainter& p) {
             disc(p, kRed);
             p.setPen(stroke(Qt::white, 1.8));
             p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
             p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
         }},
        {"A_GLHELP",
         [](QPainter& p) {
             disc(p, kBlue);
             QPainterPath q;
             q.moveTo(5.8, 6.2);
             q.cubicTo(5.8, 3.6, 10.4, 3.6, 10.4, 6.2);
             q.cubicTo(10.4, 7.8, 8, 7.9, 8, 9.6);
             p.setPen(stroke(Qt::white, 1.7));
             p.setBrush(Qt::NoBrush);
             p.drawPath(q);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(8, 11.9), 1.1, 1.1);
         }},
        {"A_GLYES",
         [](QPainter& p) {
             disc(p, kGreen);
             QPainterPath tick;
             tick.moveTo(4.5, 8.3);
             tick.lineTo(7, 10.8);
             tick.lineTo(11.5, 5.2);
             p.setPen(stroke(Qt::white, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawPath(tick);
         }},
        {"A_GLPRINT",
         [](QPainter& p) {
             p.setPen(QPen(QColor(60, 60, 60), 1));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4.5, 1.5, 7, 5));
             p.setBrush(QColor(170, 170, 176));
             p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4.5, 10.5, 7, 4));
             p.setPen(QPen(QColor(120, 120, 120), 1));
             p.drawLine(QPointF(5.5, 12.5), QPointF(10.5, 12.5));
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawRect(QRectF(12, 8, 1.5, 1.5));
         }},
        {"A_GLNO",
         [](QPainter& p) {
             p.setPen(stroke(kRed, 2.2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
             p.drawLine(QPointF(4.6, 11.4), QPointF(11.4, 4.6));
         }},
        {"A_GLCLOSE",
         [](QPainter& p) {
             p.setPen(QPen(QColor(90, 60, 20), 1));
             p.setBrush(QColor(176, 120, 60));
             p.drawRect(QRectF(2.5, 1.5, 8, 13));
             p.setBrush(QColor(250, 210, 80));
             p.drawEllipse(QPointF(8.5, 8.5), 0.9, 0.9);
             p.setPen(stroke(kRed, 1.8));
             p.drawLine(QPointF(9, 8), QPointF(13, 8));
             arrowHead(p, QPointF(15.2, 8), 0, kRed);
         }},
        {"A_GLABORT",
         [](QPainter& p) {
             QPolygonF octagon;
             for (int i = 0; i < 8; ++i) {
                 const qreal a = (22.5 + 45 * i) * M_PI / 180;
                 octagon << QPointF(8 + 6.8 * std::cos(a), 8 + 6.8 * std::sin(a));
             }
             p.setPen(QPen(kRed.darker(160), 1));
             p.setBrush(kRed);
             p.drawPolygon(octagon);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4, 7, 8, 2));
         }},
        {"A_GLRETRY",
         [](QPainter& p) {
             p.setPen(stroke(kBlue, 2.2));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(3, 3, 10, 10), 100 * 16, 280 * 16);
             arrowHead(p, QPointF(9.8, 3.2), 0, kBlue);
         }},
        {"A_GLIGNORE",
         [](QPainter& p) {
             p.setPen(QPen(QColor(120, 120, 120), 1.5));
             p.drawLine(QPointF(8, 9), QPointF(8, 15));
             p.setPen(stroke(kBlue, 1.8));
             p.setBrush(Qt::NoBrush);
             QPainterPath hop;
             hop.moveTo(2, 12);
             hop.cubicTo(3, 3, 12, 3, 13, 9.5);
             p.drawPath(hop);
             arrowHead(p, QPointF(13.4, 12.2), 75, kBlue);
         }},
        {"A_GLALL",
         [](QPainter& p) {
             check(p, kGreen.lighter(130), QPointF(-1.5, -2));
             check(p, kGreen, QPointF(1.5, 2));
         }},
        {"A_GLNONE", [](QPainter&) {}},
        {"glyph_hidrostatica",
         [](QPainter& p) {
             // A drop of water, narrowed to ten pixels so that it and "Hidrostática"
             // fit the 77-pixel area button side by side.
             p.translate(5, 0);
             p.scale(0.85, 1);
             p.translate(-8, 0);
             QPainterPath drop;
             drop.moveTo(8, 0.8);
             drop.cubicTo(9.5, 4, 13, 6.5, 13, 9.6);
             drop.cubicTo(13, 12.6, 10.8, 14.6, 8, 14.6);
             drop.cubicTo(5.2, 14.6, 3, 12.6, 3, 9.6);
             drop.cubicTo(3, 6.5, 6.5, 4, 8, 0.8);
             QLinearGradient water(QPointF(4, 3), QPointF(12, 15));
             water.setColorAt(0, QColor(120, 190, 255));
             water.setColorAt(1, QColor(10, 70, 190));
             p.setPen(QPen(QColor(10, 50, 140), 1));
             p.setBrush(water);
             p.drawPath(drop);
             p.setPen(stroke(QColor(235, 248, 255), 1.4));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(5, 7.5, 5, 5.5), 160 * 16, 70 * 16);
         }},
        {"glyph_about_ok", [](QPainter& p) { check(p, QColor(30, 170, 50)); }},
    };
    return all;
}

bool drawGlyphs(const QString& dir)
{
    bool ok = true;
    for (const auto& [name, paint] : glyphs()) {
        const QSize size(name == "glyph_hidrostatica" ? 10 : 16, 16);
        for (int scale : {1, 2})
            ok &= save(keyed(paintAt(size, scale, paint), kOlive), dir, name, scale);
    }
    return ok;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <layout/pictures directory>\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const bool ok = drawSkins(dir) && drawGlyphs(dir);
    return ok ? 0 : 1;
}
