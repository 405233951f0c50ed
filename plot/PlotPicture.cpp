#include "plot/PlotPicture.h"

#include "plot/SvgExport.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace PlotPicture {

namespace {

constexpr double margin = 12;

QFont titleFont(const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    if (font.pointSizeF() > 0)
        bold.setPointSizeF(font.pointSizeF() * 1.15);
    return bold;
}

// Where the title, the graph and the notes go.
struct Layout
{
    QRectF title, graph, notes;
    QSize size;
};

Layout layout(QSize graph, const QFont& font, const Caption& caption)
{
    Layout l;
    const double inner = std::max(1.0, graph.width() - 2 * margin);
    const auto height = [inner](const QFont& f, const QString& text, int align) {
        return QFontMetricsF(f).boundingRect(QRectF(0, 0, inner, 1e6), align | Qt::TextWordWrap, text).height();
    };
    double y = 0;
    if (!caption.title.isEmpty()) {
        l.title = QRectF(margin, margin, inner, height(titleFont(font), caption.title, Qt::AlignHCenter));
        // On a whole pixel, so that the graph is drawn as on the screen.
        y = std::ceil(l.title.bottom() + margin / 2);
    }
    l.graph = QRectF(QPointF(0, y), QSizeF(graph));
    y = l.graph.bottom();
    const QString notes = caption.notes.join(u'\n');
    if (!notes.isEmpty()) {
        l.notes = QRectF(margin, y, inner, height(font, notes, Qt::AlignLeft));
        y = l.notes.bottom() + margin;
    }
    l.size = QSize(graph.width(), int(std::ceil(y)));
    return l;
}

void paint(QPainter& p, const Layout& l, const QFont& font, const Caption& caption, const Graph& draw)
{
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(l.size)), Qt::white);
    p.setPen(QColor(40, 40, 40));
    if (!caption.title.isEmpty()) {
        p.setFont(titleFont(font));
        p.drawText(l.title, Qt::AlignHCenter | Qt::TextWordWrap, caption.title);
    }
    draw(p, l.graph);
    if (!caption.notes.isEmpty()) {
        p.setFont(font);
        p.setPen(QColor(40, 40, 40));
        p.drawText(l.notes, Qt::AlignLeft | Qt::TextWordWrap, caption.notes.join(u'\n'));
    }
}

}

QImage image(QSize graph, qreal ratio, const QFont& font, const Caption& caption, const Graph& draw)
{
    const Layout l = layout(graph, font, caption);
    QImage image(l.size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    paint(p, l, font, caption, draw);
    return image;
}

bool save(const QString& path, QSize graph, qreal ratio, const QFont& font, const Caption& caption, const Graph& draw)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) != 0)
        return image(graph, ratio, font, caption, draw).save(path, "PNG");
    const Layout l = layout(graph, font, caption);
    return SvgExport::write({path, l.size, caption.title, [&](QPainter& p) { paint(p, l, font, caption, draw); }});
}

}
