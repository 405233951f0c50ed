#include "controls/TileImage.h"

#include <QBitmap>
#include <QEvent>
#include <QPainter>

TTileImage::TTileImage(QWidget* parent)
    : QWidget(parent)
{
    resize(105, 105);
}

void TTileImage::setAlign(TAlign a)
{
    m_align = a;
    if (m_watchedParent)
        m_watchedParent->removeEventFilter(this);
    m_watchedParent = a == alNone ? nullptr : parentWidget();
    if (m_watchedParent) {
        m_watchedParent->installEventFilter(this);
        followParent();
    }
}

// Aligned pictures keep to their side of the parent; the windows' backgrounds fill it and
// stay below the other controls.
void TTileImage::followParent()
{
    const QRect r = m_watchedParent->rect();
    switch (m_align) {
    case alNone: return;
    case alTop: setGeometry(0, 0, r.width(), height()); break;
    case alBottom: setGeometry(0, r.height() - height(), r.width(), height()); break;
    case alLeft: setGeometry(0, 0, width(), r.height()); break;
    case alRight: setGeometry(r.width() - width(), 0, width(), r.height()); break;
    case alClient:
        setGeometry(r);
        lower();
        break;
    }
}

bool TTileImage::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_watchedParent && e->type() == QEvent::Resize)
        followParent();
    return false;
}

void TTileImage::setAutoSize(bool on)
{
    m_autoSize = on;
    pictureChanged();
}

void TTileImage::setCenter(bool on)
{
    if (m_center == on)
        return;
    m_center = on;
    pictureChanged();
}

void TTileImage::setPicture(const QPixmap& p)
{
    m_picture = p;
    pictureChanged();
}

void TTileImage::setStretch(bool on)
{
    if (m_stretch == on)
        return;
    m_stretch = on;
    pictureChanged();
}

void TTileImage::setTileImage(bool on)
{
    if (m_tile == on)
        return;
    m_tile = on;
    update();
}

void TTileImage::setTransparent(bool on)
{
    if (m_transparent == on)
        return;
    m_transparent = on;
    pictureChanged();
}

void TTileImage::pictureChanged()
{
    const QSize ps = m_picture.deviceIndependentSize().toSize();
    if (m_autoSize && ps.width() > 0 && ps.height() > 0)
        resize(ps);

    m_drawn = m_picture;
    if (m_transparent && !m_picture.isNull() && !m_picture.hasAlphaChannel()) {
        // A transparent bitmap leaves out the colour of its bottom-left pixel.
        const QImage img = m_picture.toImage();
        const QRgb key = img.pixel(0, img.height() - 1);
        m_drawn.setMask(QBitmap::fromImage(img.createMaskFromColor(key, Qt::MaskInColor)));
    }
    updateOpaque();
    if (!m_drawing)
        update();
}

// Opaque only when the picture surely covers the whole control, so the parent need not paint.
void TTileImage::updateOpaque()
{
    bool opaque = false;
    if (!m_picture.isNull()) {
        const QSize ps = m_picture.deviceIndependentSize().toSize();
        opaque = !m_transparent && !m_drawn.hasAlphaChannel()
            && (m_stretch || (ps.width() >= width() && ps.height() >= height()));
    }
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void TTileImage::resizeEvent(QResizeEvent* e)
{
    updateOpaque();
    QWidget::resizeEvent(e);
}

QRect TTileImage::destRect() const
{
    const QSize ps = m_picture.deviceIndependentSize().toSize();
    if (m_stretch)
        return rect();
    if (m_center)
        return QRect((width() - ps.width()) / 2, (height() - ps.height()) / 2, ps.width(), ps.height());
    return QRect(QPoint(0, 0), ps);
}

void TTileImage::paintEvent(QPaintEvent*)
{
    m_drawing = true;
    const QSize ps = m_drawn.deviceIndependentSize().toSize();
    // A picture without area has nothing to draw, and could not be tiled.
    if (!m_drawn.isNull() && ps.width() > 0 && ps.height() > 0) {
        QPainter p(this);
        if (m_tile)
            p.drawTiledPixmap(rect(), m_drawn);
        else
            p.drawPixmap(destRect(), m_drawn);
    }
    m_drawing = false;
}
