#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <vector>

class QFont;
class QPainter;

// The names of the curves, each beside a stroke of its pen, in a box in the corner of the
// plot that hides the least of it.
namespace Legend {

struct Entry
{
    QColor colour;
    double width;
    QString name;
};

// Of the four corners just inside `area`, the one whose box of `size` meets none of `avoid`
// (the message, the marked point) and holds the fewest of `points` (the curves' samples, in
// pixels); the first of the top right, top left, bottom right and bottom left where several
// tie.
QRectF place(QSizeF size, const QRectF& area, const std::vector<QPointF>& points, const std::vector<QRectF>& avoid);

// Draws the entries so placed; nothing without entries.
void draw(QPainter& p, const QFont& font, const std::vector<Entry>& entries, const QRectF& area,
          const std::vector<QPointF>& points, const std::vector<QRectF>& avoid);

}
