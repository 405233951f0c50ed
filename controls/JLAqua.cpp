#include "controls/JLAqua.h"

#include "controls/CornerBackground.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace {

// Step table of the shade operation: darken by p % for k 0..4, lighten by p % for 6..9.
constexpr int kStepPercent[10] = {15, 30, 45, 60, 6, 0, 15, 30, 45, 60};

int shadeChannel(int c, int k)
{
    const double p = kStepPercent[k];
    // nearbyint rounds an exact half to the even neighbour (50 darkened 45 % is 28).
    if (k < 5)
        c -= int(std::nearbyint(c / 100.0 * p));
    else if (k > 5)
        c += int(std::nearbyint((255 - c) / 100.0 * p));
    return std::clamp(c, 0, 255);
}

// The figures take GDI-style boxes: left, top, right, bottom with right and bottom
// excluded, outlined with a one-pixel pen inside the box. At 1x they are drawn
// aliased so every pixel lands where the box says; on high-DPI images they are
// antialiased with the pen centred half a pixel in, which covers the same box.
struct Figures
{
    QPainter& p;
    bool smooth;

    void use(const QColor& brush, const QColor& pen)
    {
        p.setBrush(brush);
        p.setPen(QPen(pen, 1.0));
    }

    bool box(int l, int t, int r, int b, QRectF* out) const
    {
        if (r - l < 1 || b - t < 1)
            return false;
        if (smooth)
            *out = QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1);
        else
            *out = QRect(l, t, r - l - 1, b - t - 1);
        return true;
    }

    void rr(int l, int t, int r, int b, int e)
    {
        QRectF box;
        if (!this->box(l, t, r, b, &box))
            return;
        const qreal radius = std::max(0, e) / 2.0;
        if (radius <= 0)
            p.drawRect(box);
        else
            p.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
    }

    void el(int l, int t, int r, int b)
    {
        QRectF box;
        if (this->box(l, t, r, b, &box))
            p.drawEllipse(box);
    }
};

bool insideEllipse(double px, double py, double cx, double cy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0)
        return false;
    const double dx = (px - cx) / rx;
    const double dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}

namespace {

// To a screen reader the button is a push button named by its caption, described by
// its hint, that can be pressed.
class AccessibleJLAqua : public QAccessibleWidget
{
public:
    explicit AccessibleJLAqua(TJLAqua* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return button()->caption();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
    }

private:
    TJLAqua* button() const { return static_cast<TJLAqua*>(widget()); }
};

QAccessibleInterface* accessibleJLAqua(const QString& className, QObject* object)
{
    if (className == QLatin1String("TJLAqua"))
        return new AccessibleJLAqua(static_cast<TJLAqua*>(object));
    return nullptr;
}

}

TJLAqua::TJLAqua(QWidget* parent)
    : QWidget(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleJLAqua);
        return true;
    }();
    Q_UNUSED(accessible);
    // Every paint covers the whole rectangle, the rounded corners in the colour read
    // under the top-left corner, so nothing is pre-filled. Still the button is not
    // opaque to Qt: what it shows depends on the page under it (see setState).
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    m_font.setPointSize(10);
    m_font.setBold(true);
    resize(75, 25);
}

void TJLAqua::setButtonActive(bool on)
{
    if (m_buttonActive == on)
        return;
    m_buttonActive = on;
    update();
}

void TJLAqua::setButtonColor(TColor c)
{
    if (m_buttonColor == c)
        return;
    m_buttonColor = c;
    update();
}

void TJLAqua::setButtonShape(TJLAquaType s)
{
    if (m_shape == s)
        return;
    m_shape = s;
    update();
}

void TJLAqua::setCaption(const QString& text)
{
    if (m_caption == text)
        return;
    m_caption = text;
    update();
}

void TJLAqua::setButtonEnabled(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    update();
}

void TJLAqua::setButtonFont(const QFont& f)
{
    if (m_font == f)
        return;
    m_font = f;
    update();
}

void TJLAqua::setFontColor(TColor c)
{
    if (m_fontColor == c)
        return;
    m_fontColor = c;
    update();
}

void TJLAqua::setCustomColor(TJLCustomColor c)
{
    if (m_customColor == c)
        return;
    m_customColor = c;
    update();
}

void TJLAqua::setSmallCorners(bool on)
{
    if (m_smallCorners == on)
        return;
    m_smallCorners = on;
    update();
}

QColor TJLAqua::shade(TColor c, int k)
{
    return shade(TColors::toQColor(c), k);
}

QColor TJLAqua::shade(QColor c, int k)
{
    k = std::clamp(k, 0, 9);
    return QColor(shadeChannel(c.red(), k), shadeChannel(c.green(), k), shadeChannel(c.blue(), k));
}

QColor TJLAqua::presetColor(TJLCustomColor c)
{
    switch (c) {
    case ccPaleBlue: return QColor(114, 156, 252);
    case ccNeonBlue: return QColor(0, 100, 255);
    case ccNeonGreen: return QColor(166, 246, 26);
    case ccNeonPink: return QColor(247, 128, 207);
    case ccOrange: return QColor(246, 187, 26);
    case ccViolet: return QColor(194, 8, 247);
    case ccRose: return QColor(247, 53, 122);
    case ccPepermint: return QColor(163, 249, 210);
    case ccBurntOrange: return QColor(244, 138, 33);
    case ccBrown: return QColor(146, 89, 7);
    case ccNone: break;
    }
    return QColor();
}

bool TJLAqua::hitTest(QPoint p) const
{
    // Pixel centres against the face region; both regions exclude right and bottom.
    const double px = p.x() + 0.5;
    const double py = p.y() + 0.5;
    const int w = width();
    const int h = height();
    if (m_shape == bsOrb) {
        const double l = 1, t = 1, r = w - 2, b = h - 3;
        return insideEllipse(px, py, (l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2);
    }
    const double l = 2, t = 2, r = w - 1, b = h - 2;
    if (px < l || px >= r || py < t || py >= b)
        return false;
    // The corner ellipse is always the full height, whatever SmallCorners says.
    const double rx = std::min<double>(h - 2, r - l) / 2;
    const double ry = std::min<double>(h - 2, b - t) / 2;
    const double cx = px < l + rx ? l + rx : (px > r - rx ? r - rx : px);
    const double cy = py < t + ry ? t + ry : (py > b - ry ? b - ry : py);
    if (cx == px || cy == py)
        return true;
    return insideEllipse(px, py, cx, cy, rx, ry);
}

void TJLAqua::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    if (!isVisible())
        return;
    // Everything else that waits to be painted in the window is painted first (what
    // Qt does on its next update request, done now). Whatever changed under the
    // button's corner was then repainted together with the button, and that paint
    // read the background anew; so the repaint below, which draws the button alone,
    // reuses that reading. For that one repaint the button also tells Qt it covers
    // its rectangle (its image does, corners included), so Qt does not first paint
    // the page behind it. It cannot say so for good: Qt would then no longer repaint
    // it when the page under its corner changes.
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window(), &request);
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent);
    m_repaintingState = true;
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    const auto done = qScopeGuard([this, opaque] {
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        m_repaintingState = false;
    });
    repaint();
}

void TJLAqua::disarm()
{
    m_armed = false;
    setState(Normal);
}

void TJLAqua::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (m_enabled && hitTest(e->position().toPoint()))
        setState(Pressed);
    // Armed even off the face and even when disabled: a press on a corner that is
    // released over the button still clicks.
    m_armed = true;
}

void TJLAqua::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    // While the button holds the pointer grab no leave event arrives, so moving off
    // the control is the leave that disarms it.
    if (!rect().contains(at)) {
        disarm();
        return;
    }
    if (!m_enabled)
        return;
    const bool over = hitTest(at);
    if (m_armed)
        setState(over ? Pressed : Normal);
    else
        setState(over ? Hot : Normal);
}

void TJLAqua::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (!rect().contains(e->position().toPoint())) {
        disarm();
        return;
    }
    if (!m_enabled || !m_armed)
        return;
    // No repaint here: the face keeps its pressed look until the next state change.
    m_state = Normal;
    m_armed = false;
    emit clicked();
}

void TJLAqua::click()
{
    if (m_enabled)
        emit clicked();
}

bool TJLAqua::activates(const QKeyEvent* e)
{
    const int key = e->key();
    return !e->isAutoRepeat() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

// The key shows the pressed face while it is held, and clicks when it is let go.
void TJLAqua::keyPressEvent(QKeyEvent* e)
{
    if (!activates(e)) {
        QWidget::keyPressEvent(e);
        return;
    }
    if (m_enabled)
        setState(Pressed);
}

void TJLAqua::keyReleaseEvent(QKeyEvent* e)
{
    if (!activates(e)) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    if (m_state != Pressed)
        return;
    setState(Normal);
    click();
}

void TJLAqua::focusInEvent(QFocusEvent* e)
{
    m_keyboardFocus = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason
        || e->reason() == Qt::ShortcutFocusReason;
    update();
    QWidget::focusInEvent(e);
}

void TJLAqua::focusOutEvent(QFocusEvent* e)
{
    m_keyboardFocus = false;
    if (m_state == Pressed && !m_armed)
        setState(Normal);
    update();
    QWidget::focusOutEvent(e);
}

void TJLAqua::leaveEvent(QEvent*)
{
    disarm();
}

void TJLAqua::hideEvent(QHideEvent* e)
{
    // A hidden button (one on a page not shown) keeps no images.
    m_faces.clear();
    m_faces.shrink_to_fit();
    m_bgKnown = false;
    QWidget::hideEvent(e);
}

QColor TJLAqua::faceColor(const QColor& bg) const
{
    if (!m_enabled)
        return bg;
    QColor c = TColors::toQColor(m_buttonColor);
    // The six pure colours would be garish at full strength.
    switch (m_buttonColor) {
    case TColors::clRed:
    case TColors::clLime:
    case TColors::clYellow:
    case TColors::clBlue:
    case TColors::clFuchsia:
    case TColors::clAqua:
        c = shade(c, 0);
        break;
    default:
        break;
    }
    if (m_customColor != ccNone)
        c = presetColor(m_customColor);
    if (m_state == Hot && !m_captionMouseOver)
        c = shade(c, 9);
    return shade(c, 5);
}

void TJLAqua::drawShape(QPainter& p, const QColor& bg, const QColor& face) const
{
    const int W = width();
    const int H = height();
    const int R = m_smallCorners ? 8 : H;
    const int d = m_state == Pressed ? 2 : 0;
    const int W2 = W - 2;
    const int H3 = H - 3;
    Figures f{p, p.device()->devicePixelRatioF() > 1.0};

    if (m_shape == bsOrb) {
        f.use(shade(bg, 0), shade(bg, 0));
        f.el(0, 0, W, H);
        f.use(shade(bg, 2), shade(bg, 2));
        f.el(0, 0, W - 1, H - 1);
        f.use(shade(bg, 3), shade(bg, 3));
        f.el(0, 0, W - 2, H - 2);
        f.use(shade(face, 3), shade(face, 3));
        f.el(0, 0, W2, H3);
        f.use(shade(face, 1), shade(face, 1));
        f.el(1, 1, W2, H3);
        f.use(shade(face, 0), shade(face, 0));
        f.el(2, 2, W2, H3);
        f.use(face, face);
        f.el(3, 3, W2 - 1, H3 - 1);
        f.use(shade(face, 6), shade(face, 6));
        f.el(d + 5, d + 3, W2 - 5, H3 / 3 + 2);
        f.use(shade(face, 7), shade(face, 7));
        f.el(d + 6, d + 3, W2 - 6, H3 / 3 + 1);
        f.use(shade(face, 9), shade(face, 8));
        f.el(d + 7, d + 3, W2 - 7, H3 / 3);
        f.use(shade(face, 6), shade(face, 6));
        f.el(d + 3, H3 / 2 + d, W2 - 3, H3 - 2);
        f.use(shade(face, 7), shade(face, 7));
        f.el(d + 4, H3 / 2 + d + 1, W2 - 4, H3 - 2);
        f.use(shade(face, 8), shade(face, 8));
        f.el(d + 5, H3 / 2 + d + 2, W2 - 5, H3 - 2);
        f.use(shade(face, 9), shade(face, 9));
        f.el(d + 7, H3 / 2 + d + 2, W2 - 7, H3 - 4);
        return;
    }

    // Drop shadow and rim, then the face.
    f.use(shade(bg, 4), shade(bg, 4));
    f.rr(0, 0, W, H, R);
    f.use(shade(bg, 2), shade(bg, 2));
    f.rr(0, 0, W - 1, H - 1, R);
    f.use(shade(bg, 3), shade(bg, 3));
    f.rr(0, 0, W - 2, H - 2, R);
    f.use(shade(face, 3), shade(face, 3));
    f.rr(0, 0, W2, H3, R);
    f.use(shade(face, 1), shade(face, 1));
    f.rr(1, 1, W2, H3, R);
    f.use(shade(face, 0), shade(face, 0));
    f.rr(2, 2, W2, H3, R - 2);
    f.use(face, face);
    f.rr(3, 3, W2 - 1, H3 - 1, R - 4);

    if (!m_smallCorners) {
        // Highlight band on the upper half, glow on the lower half.
        f.use(shade(face, 6), shade(face, 6));
        f.rr(d + 5, d + 3, W2 - 5, H3 / 3 + 2, R);
        f.use(shade(face, 7), shade(face, 7));
        f.rr(d + 7, d + 3, W2 - 7, H3 / 3 + 1, R);
        f.use(shade(face, 9), shade(face, 8));
        f.rr(d + 8, d + 3, W2 - 8, H3 / 3, R);
        f.use(shade(face, 6), shade(face, 6));
        f.rr(d + 3, H3 / 2 + d, W2 - 3, H3 - 2, R);
        f.use(shade(face, 7), shade(face, 7));
        f.rr(d + 5, H3 / 2 + d + 1, W2 - 5, H3 - 2, R);
        f.use(shade(face, 8), shade(face, 8));
        f.rr(d + 7, H3 / 2 + d + 2, W2 - 7, H3 - 2, R);
        f.use(shade(face, 9), shade(face, 9));
        f.rr(d + 9, H3 / 2 + d + 3, W2 - 9, H3 - 4, R);
    } else {
        f.use(shade(face, 6), shade(face, 6));
        f.rr(d + 3, d + 3, W2 - 1, H3 / 3 + 2, R);
        f.use(shade(face, 7), shade(face, 7));
        f.rr(d + 4, d + 3, W2 - 2, H3 / 3 + 1, R);
        f.use(shade(face, 9), shade(face, 8));
        f.rr(d + 4, d + 3, W2 - 2, H3 / 3, R);
        f.use(shade(face, 6), shade(face, 6));
        f.rr(d + 3, H3 / 2 + d, W2 - 3, H3 - 2, R);
        f.use(shade(face, 7), shade(face, 7));
        f.rr(d + 4, H3 / 2 + d + 1, W2 - 3, H3 - 2, 3);
        f.use(shade(face, 8), shade(face, 8));
        f.rr(d + 5, H3 / 2 + d + 2, W2 - 3, H3 - 2, 3);
        f.use(shade(face, 9), shade(face, 9));
        f.rr(d + 6, H3 / 2 + d + 3, W2 - 4, H3 - 4, 4);
    }
}

bool TJLAqua::captionShown() const
{
    const bool pointerOn = m_state == Hot || m_state == Pressed;
    return !m_caption.isEmpty() && (!m_captionMouseOver || pointerOn);
}

void TJLAqua::drawCaption(QPainter& p, const QColor& bg, const QColor& face) const
{
    if (!captionShown())
        return;

    p.setFont(m_font);
    const QFontMetrics fm(m_font, p.device());
    const int cx = fm.horizontalAdvance(m_caption);
    const int cy = fm.height();
    const int pressed = m_state == Pressed ? 1 : 0;
    const int ty = std::max(0, (height() - 3 + 2 - cy) / 2) + pressed;
    const int tx = (width() - 2 + 2 - cx) / 2 + pressed;
    const int base = fm.ascent();

    if (!m_enabled) {
        p.setPen(shade(bg, 0));
        p.drawText(QPoint(tx, ty - 1 + base), m_caption);
        return;
    }
    // The light copy peeks out 2 px below the text, except when pressed.
    p.setPen(shade(face, 7));
    p.drawText(QPoint(tx, (pressed ? ty - 1 : ty + 1) + base), m_caption);
    p.setPen(shade(m_fontColor, 5));
    p.drawText(QPoint(tx, ty - 1 + base), m_caption);
}

// A dotted ring in the caption's colour, following the face's rounded outline 3 px inside it.
void TJLAqua::drawFocusMark(QPainter& p) const
{
    const int d = m_state == Pressed ? 2 : 0;
    const QRectF ring(d + 3.5, d + 3.5, width() - 2 - 8, height() - 3 - 8);
    const qreal radius = std::max<qreal>(1, (m_smallCorners ? 8 : height()) / 2.0 - 3);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, p.device()->devicePixelRatioF() > 1.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(m_fontColor, 5), 1, Qt::DotLine));
    if (m_shape == bsOrb)
        p.drawEllipse(ring);
    else
        p.drawRoundedRect(ring, std::min(radius, ring.height() / 2), std::min(radius, ring.height() / 2));
    p.restore();
}

QColor TJLAqua::background(const QPainter& p, const QRegion& region)
{
    if (!m_repaintingState || !m_bgKnown) {
        // A repaint for a change of state has Qt paint nothing under the button (see
        // setState), so only another paint finds the page under it in the window's picture.
        std::optional<QColor> bg = m_repaintingState ? std::nullopt : CornerBackground::painted(p, this, region);
        if (!bg)
            bg = CornerBackground::rendered(this);
        m_bgRead = bg.has_value();
        if (bg)
            m_bg = *bg;
        m_bgKnown = true;
    }
    return m_bgRead ? m_bg : shade(m_backgroundError, 5);
}

const QImage& TJLAqua::faceImage(const QColor& bg, const QColor& face)
{
    FaceKey key;
    key.dpr = devicePixelRatioF();
    key.size = QSize(qCeil(width() * key.dpr), qCeil(height() * key.dpr));
    key.bg = bg.rgb();
    key.face = face.rgb();
    key.pressed = m_state == Pressed;
    key.focusMark = m_keyboardFocus && hasFocus();
    key.enabled = m_enabled;
    key.smallCorners = m_smallCorners;
    key.shape = m_shape;
    if (captionShown()) {
        key.fontColor = shade(m_fontColor, 5).rgb();
        key.caption = m_caption;
        key.font = m_font;
    }

    const auto hit = std::find_if(m_faces.begin(), m_faces.end(),
                                  [&](const Face& f) { return f.key == key; });
    if (hit != m_faces.end()) {
        std::rotate(m_faces.begin(), hit, hit + 1);
        return m_faces.front().image;
    }

    QImage image(key.size, QImage::Format_RGB32);
    image.setDevicePixelRatio(key.dpr);
    image.fill(bg);
    {
        QPainter p(&image);
        if (key.dpr > 1.0)
            p.setRenderHint(QPainter::Antialiasing);
        drawShape(p, bg, face);
        drawCaption(p, bg, face);
        if (key.focusMark)
            drawFocusMark(p);
    }
    if (m_faces.size() == kFaces)
        m_faces.pop_back();
    m_faces.insert(m_faces.begin(), Face{std::move(key), std::move(image)});
    return m_faces.front().image;
}

void TJLAqua::paintEvent(QPaintEvent* e)
{
    if (!parentWidget())
        return;

    QPainter p(this);
    const QColor bg = background(p, e->region());
    const QColor face = faceColor(bg);

    // The whole look in one image, drawn now or kept from an earlier paint, copied in
    // one operation.
    p.drawImage(0, 0, faceImage(bg, face));
}
