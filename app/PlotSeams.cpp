#include "app/PlotSeams.h"

#include "plot/PlotView.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>
#include <limits>

namespace {

// The caption in the plot's font, the first line bold, over a white band; the graph
// under it.
void drawWithCaption(const PlotView& plot, QPainter& p, const QStringList& caption)
{
    const QRectF frame(QPointF(0, 0), QSizeF(plot.size()));
    p.fillRect(frame, Qt::white);
    const QFontMetricsF metrics(plot.font());
    const double line = metrics.height();
    double top = 6;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QFont font = plot.font();
        font.setBold(i == 0);
        p.setFont(font);
        p.setPen(QColor(40, 40, 40));
        const QRectF box(frame.left() + 8, top, frame.width() - 16, line);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QFontMetricsF(font).elidedText(caption[i], Qt::ElideRight, box.width()));
        top += line;
    }
    plot.draw(p, caption.isEmpty() ? frame : frame.adjusted(0, top, 0, 0));
}

}

namespace PlotSeams {

bool acceptsRange(double low, double high)
{
    const double width = high - low;
    return std::isfinite(low) && std::isfinite(high) && width > 1e-9 * std::max(std::abs(low), std::abs(high))
           && width < 1e300 && width >= std::numeric_limits<double>::min();
}

QImage picture(const PlotView& plot, qreal ratio, const QStringList& caption)
{
    QImage image(plot.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    drawWithCaption(plot, p, caption);
    return image;
}

bool savePicture(const PlotView& plot, const QString& path, qreal ratio, const QStringList& caption)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) != 0)
        return picture(plot, ratio, caption).save(path, "PNG");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(plot.size());
    // At 96 dpi a browser shows it at the size it has on screen.
    svg.setResolution(96);
    svg.setViewBox(QRect(QPoint(0, 0), plot.size()));
    svg.setTitle(caption.value(0));
    svg.setDescription(caption.mid(1).join(u'\n'));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    drawWithCaption(plot, p, caption);
    return p.end();
}

}
