#include "controls/Gradpan.h"

#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>

#include <cstdlib>

namespace {

// Lines as the panel's pen draws them: from the first point up to, not including, the second.
// Every line of the bevels is horizontal or vertical.
void lineTo(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c)
{
    if (y1 == y2) {
        if (x2 > x1)
            p.fillRect(x1, y1, x2 - x1, 1, c);
        else if (x2 < x1)
            p.fillRect(x2 + 1, y1, x1 - x2, 1, c);
    } else if (x1 == x2) {
        if (y2 > y1)
            p.fillRect(x1, y1, 1, y2 - y1, c);
        else
            p.fillRect(x1, y2 + 1, 1, y1 - y2, c);
    }
}

// Rings of a 3-D frame, light or dark at the top and left, shrinking the rectangle inwards.
void frame3D(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width)
{
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
        p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
        p.fillRect(r.left() + 1, r.bottom(), r.width() - 1, 1, bottomRight);
        p.fillRect(r.right(), r.top() + 1, 1, r.height() - 1, bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

const QColor bevelLight(255, 255, 255);
const QColor bevelDark(0x80, 0x80, 0x80);

}

TGradPan::TGradPan(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The stored default picture: a white square with a black outline.
    QImage square(50, 50, QImage::Format_RGB32);
    square.fill(Qt::white);
    {
        QPainter p(&square);
        p.setPen(Qt::black);
        p.drawRect(0, 0, 48, 48);
    }
    m_bitmap = QPixmap::fromImage(square);
}

int TGradPan::mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const long long num = std::llabs(product);
    const long long den = std::llabs(static_cast<long long>(c));
    const long long q = (num + den / 2) / den;
    return static_cast<int>(negative ? -q : q);
}

TGradPan::Ramp TGradPan::buildRamp(const QColor& a, const QColor& b)
{
    Ramp ramp{};
    const double dr = (b.red() - a.red()) / 100.0;
    const double dg = (b.green() - a.green()) / 100.0;
    const double db = (b.blue() - a.blue()) / 100.0;
    for (int i = 0; i < 100; ++i) {
        // Truncation toward zero, as the integer conversion of the original arithmetic does.
        ramp[i] = qRgb(static_cast<int>(i * dr + a.red()),
                       static_cast<int>(i * dg + a.green()),
                       static_cast<int>(i * db + a.blue()));
    }
    return ramp;
}

void TGradPan::setBitmap(const QPixmap& p)
{
    m_bitmap = p;
    // Only the picture effects show the bitmap, so only they repaint.
    if (m_effect == bdStretchImage || m_effect == bdTileImage)
        update();
}

void TGradPan::setBackGroundEffect(TDirection d)
{
    if (m_effect == d)
        return;
    m_effect = d;
    invalidateBackground();
}

void TGradPan::setColorEnd(TColor c)
{
    if (m_colorEnd == c)
        return;
    m_colorEnd = c;
    invalidateBackground();
}

void TGradPan::setColorShadow(TColor c)
{
    if (m_colorShadow == c)
        return;
    m_colorShadow = c;
    update();
}

void TGradPan::setColorStart(TColor c)
{
    if (m_colorStart == c)
        return;
    m_colorStart = c;
    invalidateBackground();
}

void TGradPan::setCtl3D(bool on)
{
    if (m_ctl3D == on)
        return;
    m_ctl3D = on;
    update();
}

void TGradPan::setTextEffect(TTextEffect e)
{
    if (m_textEffect == e)
        return;
    m_textEffect = e;
    update();
}

void TGradPan::setTextRotation(TTextRotation r)
{
    if (m_rotation == r)
        return;
    m_rotation = r;
    update();
}

void TGradPan::setVertAlign(TVertAlign v)
{
    if (m_vertAlign == v)
        return;
    m_vertAlign = v;
    update();
}

void TGradPan::setMoveable(bool on)
{
    m_moveable = on;
    // The edge zones change the cursor while hovering, which needs move events without a button.
    setMouseTracking(on);
    if (!on)
        unsetCursor();
}

void TGradPan::setCaption(const QString& text)
{
    if (m_caption == text)
        return;
    m_caption = text;
    // A screen reader names the panel by what it shows.
    setAccessibleName(text);
    update();
}

void TGradPan::setAlignment(Qt::Alignment a)
{
    if (m_alignment == a)
        return;
    m_alignment = a;
    update();
}

void TGradPan::setBevelInner(TBevelCut b)
{
    if (m_bevelInner == b)
        return;
    m_bevelInner = b;
    update();
}

void TGradPan::setBevelOuter(TBevelCut b)
{
    if (m_bevelOuter == b)
        return;
    m_bevelOuter = b;
    update();
}

void TGradPan::setBevelWidth(int w)
{
    if (m_bevelWidth == w)
        return;
    m_bevelWidth = w;
    update();
}

void TGradPan::setBorderWidth(int w)
{
    if (m_borderWidth == w)
        return;
    m_borderWidth = w;
    update();
}

void TGradPan::setColor(TColor c)
{
    if (m_color == c)
        return;
    m_color = c;
    invalidateBackground();
}

TColor TGradPan::fontColor() const
{
    return TColors::fromQColor(palette().color(QPalette::WindowText));
}

void TGradPan::setFontColor(TColor c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, TColors::toQColor(c));
    setPalette(pal);
    update();
}

void TGradPan::invalidateBackground()
{
    m_gradientValid = false;
    update();
}

void TGradPan::changeEvent(QEvent* e)
{
    // System colours follow the palette, so a palette change may change the gradient.
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        m_gradientValid = false;
    QWidget::changeEvent(e);
}

TGradPan::HitZone TGradPan::hitTest(QPoint client) const
{
    if (!m_moveable)
        return HTNOWHERE;
    const int x = client.x();
    const int y = client.y();
    const int w = width();
    const int h = height();
    const int m = m_marge;
    if (x < m && y < m)
        return HTTOPLEFT;
    if (x < m && h - y < m)
        return HTBOTTOMLEFT;
    if (x < m)
        return HTLEFT;
    if (w - x < m && y < m)
        return HTTOPRIGHT;
    if (w - x < m && h - y < m)
        return HTBOTTOMRIGHT;
    if (w - x < m)
        return HTRIGHT;
    if (y < m)
        return HTTOP;
    if (h - y < m)
        return HTBOTTOM;
    return HTCAPTION;
}

void TGradPan::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());

    if (m_effect == bdStretchImage || m_effect == bdTileImage) {
        // The picture may leave the inset ring and the last row and column uncovered.
        paintInheritedPanel(p);
        if (m_bitmap.isNull() || m_bitmap.width() <= 0 || m_bitmap.height() <= 0)
            p.fillRect(rect(), TColors::toQColor(m_colorStart));
        else
            paintPicture(p);
    } else if (m_effect == bdFlat) {
        p.fillRect(rect(), TColors::toQColor(m_colorStart));
    } else {
        p.drawPixmap(0, 0, gradientPixmap());
    }

    paintCaption(p);
    paintBevels(p);
}

const QPixmap& TGradPan::gradientPixmap()
{
    const qreal dpr = devicePixelRatioF();
    if (!m_gradientValid || m_gradientCache.deviceIndependentSize() != QSizeF(size())
        || m_gradientCache.devicePixelRatio() != dpr) {
        m_gradientCache = QPixmap(size() * dpr);
        m_gradientCache.setDevicePixelRatio(dpr);
        QPainter p(&m_gradientCache);
        paintGradient(p, size());
        m_gradientValid = true;
    }
    return m_gradientCache;
}

void TGradPan::paintGradient(QPainter& p, const QSize& size) const
{
    const int w = size.width();
    const int h = size.height();
    const QColor start = TColors::toQColor(m_colorStart);
    const QColor end = TColors::toQColor(m_colorEnd);
    const bool startFirst = m_effect == bdUp || m_effect == bdLeft || m_effect == bdHorzIn
        || m_effect == bdVertIn;
    const Ramp ramp = startFirst ? buildRamp(start, end) : buildRamp(end, start);
    const bool twoSided = m_effect >= bdHorzIn;
    const bool rows = m_effect == bdUp || m_effect == bdDown || m_effect == bdHorzIn
        || m_effect == bdHorzOut;
    const int extent = rows ? h : w;

    for (int band = 0; band < 100; ++band) {
        const int from = mulDiv(band, extent, 100);
        const int to = mulDiv(band + 1, extent, 100);
        if (to <= from)
            continue;
        // Two-sided: odd entries out to the middle, then even entries back to the edge.
        const int entry = !twoSided ? band : band < 50 ? 2 * band + 1 : 198 - 2 * band;
        const QColor c = QColor::fromRgb(ramp[entry]);
        if (rows)
            p.fillRect(0, from, w, to - from, c);
        else
            p.fillRect(from, 0, to - from, h, c);
    }
}

void TGradPan::paintInheritedPanel(QPainter& p) const
{
    const QColor face = TColors::toQColor(m_color);
    const QColor hi = TColors::toQColor(TColors::clBtnHighlight);
    const QColor sh = TColors::toQColor(TColors::clBtnShadow);
    QRect r = rect();
    if (m_bevelOuter != bvNone && m_bevelOuter != bvSpace)
        frame3D(p, r, m_bevelOuter == bvRaised ? hi : sh, m_bevelOuter == bvRaised ? sh : hi, m_bevelWidth);
    frame3D(p, r, face, face, m_borderWidth);
    if (m_bevelInner != bvNone && m_bevelInner != bvSpace)
        frame3D(p, r, m_bevelInner == bvRaised ? hi : sh, m_bevelInner == bvRaised ? sh : hi, m_bevelWidth);
    p.fillRect(r, face);
}

void TGradPan::paintPicture(QPainter& p) const
{
    const int a = m_ctl3D ? 2 * m_bevelWidth + m_borderWidth : 0;
    const int w = width();
    const int h = height();
    if (m_effect == bdStretchImage) {
        // The target's right and bottom edges are exclusive, as the platform's rectangles are.
        const QRect target(QPoint(a, a), QPoint(w - a - 2, h - a - 2));
        if (target.width() > 0 && target.height() > 0)
            p.drawPixmap(target, m_bitmap);
        return;
    }
    const QSize tile = m_bitmap.deviceIndependentSize().toSize();
    const int columns = (w - 2 * a) / tile.width() + 1;
    const int rows = (h - 2 * a) / tile.height() + 1;
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            p.drawPixmap(a + tile.width() * (c - 1), a + tile.height() * (r - 1), m_bitmap);
}

void TGradPan::paintCaption(QPainter& p) const
{
    const QFontMetrics fm(p.font());
    const int th = fm.height(); // the height of "^_": ascent plus descent
    const int b = m_borderWidth + m_bevelWidth;
    const int w = width();
    const int h = height();
    enum Mode { Left, Right, Centre };
    const bool left = m_alignment & Qt::AlignLeft;
    const bool right = !left && (m_alignment & Qt::AlignRight);
    int x = 0;
    int y = 0;
    Mode mode = Left;

    switch (m_rotation) {
    case trNone:
        if (left) {
            x = b + 2;
            mode = Left;
        } else if (right) {
            x = w - b - 2;
            mode = Right;
        } else {
            x = w / 2;
            mode = Centre;
        }
        y = m_vertAlign == vlTop ? b + 2 : m_vertAlign == vlCenter ? h / 2 - th / 2 : h - b - th - 1;
        break;
    case TrUp:
        x = left ? b + 2 : right ? w - b - th - 1 : w / 2 - th / 2;
        if (m_vertAlign == vlTop) {
            y = b + 2;
            mode = Right;
        } else if (m_vertAlign == vlCenter) {
            y = h / 2 - th / 2;
            mode = Centre;
        } else {
            y = h - b - 1;
            mode = Left;
        }
        break;
    case TrDown:
        x = left ? th + b + 1 : right ? w - b - 2 : th / 2 + w / 2;
        if (m_vertAlign == vlTop) {
            y = b + 1;
            mode = Left;
        } else if (m_vertAlign == vlCenter) {
            y = h / 2 - th / 2;
            mode = Centre;
        } else {
            y = h - b - 2;
            mode = Right;
        }
        break;
    }

    const int advance = fm.horizontalAdvance(m_caption);
    const int runStart = mode == Left ? 0 : mode == Right ? -advance : -(advance / 2);
    const qreal angle = m_rotation == TrUp ? -90 : m_rotation == TrDown ? 90 : 0;
    // Each pass anchors the text's top-left cell corner at the point, along the run's direction.
    auto pass = [&](int px, int py, const QColor& c) {
        p.setPen(c);
        if (angle == 0) {
            p.drawText(QPoint(px + runStart, py + fm.ascent()), m_caption);
        } else {
            p.save();
            p.translate(px, py);
            p.rotate(angle);
            p.drawText(QPoint(runStart, fm.ascent()), m_caption);
            p.restore();
        }
    };

    const QColor fontColour = palette().color(QPalette::WindowText);
    const QColor shadow = TColors::toQColor(m_colorShadow);
    const QColor black(0, 0, 0);
    switch (m_textEffect) {
    case tenone:
        // No effect: the caption in its own colour, so it stays readable on any shadow colour.
        pass(x, y, fontColour);
        return;
    case teShadow:
        pass(x + 1, y + 1, shadow);
        break;
    case teRaised:
        pass(x - 1, y, shadow);
        pass(x, y - 1, shadow);
        pass(x + 1, y, black);
        pass(x, y + 1, black);
        break;
    case teLowered:
        pass(x + 1, y, shadow);
        pass(x, y + 1, shadow);
        pass(x - 1, y, black);
        pass(x, y - 1, black);
        break;
    case teEmbossed:
        pass(x - 1, y, shadow);
        pass(x + 1, y, shadow);
        pass(x, y - 1, shadow);
        pass(x, y + 1, shadow);
        break;
    }
    pass(x, y, fontColour);
}

void TGradPan::paintBevels(QPainter& p) const
{
    const int w = width();
    const int h = height();
    int o = 1;
    if (m_bevelOuter != bvNone) {
        const bool raised = m_bevelOuter == bvRaised;
        const QColor first = raised ? bevelLight : bevelDark;
        const QColor second = raised ? bevelDark : bevelLight;
        for (int i = 0; i < m_bevelWidth; ++i) {
            lineTo(p, i, i, w, i, first);
            lineTo(p, i, i, i, h, first);
            lineTo(p, i, h - i - 1, w - i, h - i - 1, second);
            lineTo(p, w - i - 1, h - i - 1, w - i - 1, i, second);
        }
        o = m_bevelWidth;
    }
    if (m_bevelInner != bvNone) {
        o += m_borderWidth;
        const bool raised = m_bevelInner == bvRaised;
        const QColor first = raised ? bevelLight : bevelDark;
        const QColor second = raised ? bevelDark : bevelLight;
        for (int j = 0; j < m_bevelWidth; ++j) {
            lineTo(p, o + j, o + j, w - o - j, o + j, first);
            lineTo(p, o + j, o + j, o + j, h - o - j, first);
            lineTo(p, o + j, h - o - j - 1, w - o - j, h - o - j - 1, second);
            lineTo(p, w - o - j - 1, h - o - 1, w - o - j - 1, o + j, second);
        }
    }
    if (m_ctl3D && m_bevelInner != bvNone) {
        const QColor face = TColors::toQColor(m_color);
        const int s = m_bevelOuter != bvNone ? m_bevelWidth - 1 : 0;
        p.setBrush(Qt::NoBrush);
        for (int k = 1; k <= m_borderWidth; ++k) {
            const QRect frame(QPoint(s + k, s + k), QPoint(w - k - s - 1, h - k - s - 1));
            if (frame.width() <= 0 || frame.height() <= 0)
                break;
            p.fillRect(frame.left(), frame.top(), frame.width(), 1, face);
            p.fillRect(frame.left(), frame.bottom(), frame.width(), 1, face);
            p.fillRect(frame.left(), frame.top(), 1, frame.height(), face);
            p.fillRect(frame.right(), frame.top(), 1, frame.height(), face);
        }
    }
}

void TGradPan::moveEvent(QMoveEvent* e)
{
    // Qt also reports geometry changes that keep the position; only real moves count.
    if (e->pos() != e->oldPos())
        emit panelMoved(this);
    QWidget::moveEvent(e);
}

void TGradPan::mousePressEvent(QMouseEvent* e)
{
    const HitZone zone = hitTest(e->position().toPoint());
    if (zone == HTNOWHERE || e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    m_dragZone = zone;
    m_dragStart = e->globalPosition().toPoint();
    m_dragGeometry = geometry();
}

void TGradPan::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_moveable) {
        e->ignore();
        return;
    }
    if (m_dragZone == HTNOWHERE) {
        switch (hitTest(e->position().toPoint())) {
        case HTTOPLEFT:
        case HTBOTTOMRIGHT: setCursor(Qt::SizeFDiagCursor); break;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT: setCursor(Qt::SizeBDiagCursor); break;
        case HTLEFT:
        case HTRIGHT: setCursor(Qt::SizeHorCursor); break;
        case HTTOP:
        case HTBOTTOM: setCursor(Qt::SizeVerCursor); break;
        default: unsetCursor(); break;
        }
        return;
    }
    const QPoint d = e->globalPosition().toPoint() - m_dragStart;
    QRect g = m_dragGeometry;
    if (m_dragZone == HTCAPTION) {
        g.translate(d);
    } else {
        if (m_dragZone == HTLEFT || m_dragZone == HTTOPLEFT || m_dragZone == HTBOTTOMLEFT)
            g.setLeft(qMin(g.left() + d.x(), g.right()));
        if (m_dragZone == HTRIGHT || m_dragZone == HTTOPRIGHT || m_dragZone == HTBOTTOMRIGHT)
            g.setRight(qMax(g.right() + d.x(), g.left()));
        if (m_dragZone == HTTOP || m_dragZone == HTTOPLEFT || m_dragZone == HTTOPRIGHT)
            g.setTop(qMin(g.top() + d.y(), g.bottom()));
        if (m_dragZone == HTBOTTOM || m_dragZone == HTBOTTOMLEFT || m_dragZone == HTBOTTOMRIGHT)
            g.setBottom(qMax(g.bottom() + d.y(), g.top()));
    }
    setGeometry(g);
}

void TGradPan::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_dragZone == HTNOWHERE) {
        e->ignore();
        return;
    }
    m_dragZone = HTNOWHERE;
}
