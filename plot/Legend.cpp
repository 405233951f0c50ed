#include "plot/Legend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace Legend {

namespace {

constexpr double gap = 6;
constexpr double stroke = 22;

}

QRectF place(QSizeF size, const QRectF& area, const std::vector<QPointF>& points, const std::vector<QRectF>& avoid)
{
    const QRectF inner = area.adjusted(gap, gap, -gap, -gap);
    const QRectF corners[] = {QRectF(QPointF(inner.right() - size.width(), inner.top()), size), QRectF(inner.topLeft(), size),
                              QRectF(QPointF(inner.right() - size.width(), inner.bottom() - size.height()), size),
                              QRectF(QPointF(inner.left(), inner.bottom() - size.height()), size)};
    const auto hidden = [&](const QRectF& box) {
        double count = 0;
        for (const QRectF& r : avoid)
            count += box.intersects(r) ? 1e9 : 0;
        // A line between two samples passes near them.
        const QRectF near = box.adjusted(-4, -4, 4, 4);
        for (const QPointF& p : points)
            count += near.contains(p);
        return count;
    };
    double fewest = 0;
    const QRectF* best = nullptr;
    for (const QRectF& box : corners) {
        const double n = hidden(box);
        if (!best || n < fewest) {
            best = &box;
            fewest = n;
        }
    }
    return *best;
}

void draw(QPainter& p, const QFont& font, const std::vector<Entry>& entries, const QRectF& area,
          const std::vector<QPointF>& points, const std::vector<QRectF>& avoid)
{
    if (entries.empty())
        return;
    const QFontMetricsF metrics(font);
    const double line = metrics.height() + 2;
    double widest = 0;
    for (const Entry& e : entries)
        widest = std::max(widest, metrics.horizontalAdvance(e.name));
    const QRectF box = place(QSizeF(stroke + widest + 3 * gap, line * double(entries.size()) + gap), area, points, avoid);
    p.save();
    p.setFont(font);
    p.setPen(QPen(QColor(176, 176, 176), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(box, 3, 3);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // On a pixel's middle, so that the stroke is its curve's colour, not a blur of it.
        const double y = std::floor(box.top() + gap / 2 + line * (double(i) + 0.5)) + 0.5;
        p.setPen(QPen(entries[i].colour, entries[i].width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(box.left() + gap, y), QPointF(box.left() + gap + stroke, y));
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(box.left() + 2 * gap + stroke, y - line / 2, widest + gap, line), Qt::AlignLeft | Qt::AlignVCenter,
                   entries[i].name);
    }
    p.restore();
}

}
