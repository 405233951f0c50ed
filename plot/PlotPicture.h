#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <functional>

class QPainter;
class QRectF;

// A graph as a picture to save or copy: the graph as the screen shows it, with a title
// above it and notes under it, so that the picture alone says what was drawn.
namespace PlotPicture {

// The title, bold and centred; one paragraph for each note, long ones wrapped. Both empty:
// the picture is the graph alone, at its size.
struct Caption
{
    QString title;
    QStringList notes;
};

// Draws the graph into the given frame.
using Graph = std::function<void(QPainter&, const QRectF&)>;

QImage image(QSize graph, qreal ratio, const QFont& font, const Caption& caption, const Graph& draw);
// PNG at `ratio`, or SVG by the file's suffix; false when it could not be written.
bool save(const QString& path, QSize graph, qreal ratio, const QFont& font, const Caption& caption, const Graph& draw);

}
