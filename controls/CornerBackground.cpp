#include "controls/CornerBackground.h"

#include <QBackingStore>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

namespace CornerBackground {

std::optional<QColor> painted(const QPainter& painter, const QWidget* widget, const QRegion& region)
{
    // An opaque widget is painted without what lies under it.
    if (widget->testAttribute(Qt::WA_OpaquePaintEvent) || !region.contains(QPoint(0, 0)))
        return std::nullopt;
    QBackingStore* store = widget->window()->backingStore();
    const QPaintEngine* engine = painter.paintEngine();
    // A grab or a render paints elsewhere, and no sooner than the widget is asked to.
    if (!store || !engine || engine->paintDevice() != store->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return std::nullopt;
    const auto* image = static_cast<const QImage*>(engine->paintDevice());
    // At other ratios a device pixel is not the pixel rendered() would give.
    if (image->devicePixelRatio() != 1.0)
        return std::nullopt;
    const QPoint at = painter.deviceTransform().map(QPoint(0, 0));
    if (!image->rect().contains(at))
        return std::nullopt;
    const QRgb pixel = image->pixel(at);
    if (qAlpha(pixel) != 255)
        return std::nullopt;
    return QColor::fromRgb(pixel);
}

std::optional<QColor> rendered(const QWidget* widget)
{
    QWidget* parent = widget->parentWidget();
    const QPoint corner = widget->pos();

    // The corner must lie in the part of the parent its ancestors leave visible.
    QRect visible = parent->rect();
    QPoint offset;
    for (const QWidget* w = parent; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        offset += w->pos();
        visible &= w->parentWidget()->rect().translated(-offset);
    }
    if (!visible.contains(corner))
        return std::nullopt;

    // Render that one pixel of what lies under the widget: the parent itself, then the
    // siblings stacked below it. The widget is never drawn, so this cannot recurse, and
    // the pixel lives on the stack.
    quint32 pixel = 0;
    QImage spot(reinterpret_cast<uchar*>(&pixel), 1, 1, 4, QImage::Format_RGB32);
    const QRegion at(corner.x(), corner.y(), 1, 1);
    parent->render(&spot, QPoint(), at, QWidget::DrawWindowBackground);
    for (const QObject* o : parent->children()) {
        if (o == widget)
            break;
        auto* w = qobject_cast<QWidget*>(const_cast<QObject*>(o));
        if (!w || w->isWindow() || w->isHidden() || !w->geometry().contains(corner))
            continue;
        QWidget::RenderFlags flags = QWidget::DrawChildren;
        if (w->autoFillBackground())
            flags |= QWidget::DrawWindowBackground;
        w->render(&spot, QPoint(), at.translated(-w->pos()), flags);
    }
    return QColor::fromRgb(spot.pixel(0, 0));
}

}
