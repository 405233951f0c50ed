#include "controls/ButtonXPMACCorel.h"

#include "controls/TColor.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

// The button drawn with the pointer over it last: at most one button is lit.
QPointer<TButtonXPMACCorel> hotButton;

// Redraws the lit button when the pointer may have left it without a Leave reaching it:
// a modal window opened over it, or its window lost the pointer or the focus.
class HoverWatch : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::WindowBlocked:
        case QEvent::Leave:
        case QEvent::WindowDeactivate:
            if (hotButton && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
                hotButton->update();
            break;
        default:
            break;
        }
        return false;
    }
};

void watchHover()
{
    static const bool installed = [] {
        qApp->installEventFilter(new HoverWatch(qApp));
        return true;
    }();
    Q_UNUSED(installed);
}

constexpr QRgb kSkinKey = 0xFF00FF;   // magenta
constexpr QRgb kGlyphKey = 0x808000;  // olive

// Pixels of the key colour become transparent.
QImage withoutKey(const QImage& picture, QRgb key)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The faces drawn: every button of a skin, cell and size shows the same one, and a topic
// list is a column of buttons of one size. A window holds a few dozen sizes at most.
struct FaceKey
{
    QString skin;
    int cell;
    QSize size;
    qreal dpr;

    bool operator==(const FaceKey&) const = default;
};

size_t qHash(const FaceKey& k, size_t seed = 0)
{
    return qHashMulti(seed, k.skin, k.cell, k.size.width(), k.size.height(), k.dpr);
}

QHash<FaceKey, QImage> faces;
constexpr qsizetype kKeptFaces = 64;

// Program pictures are decoded once and shared by every button that shows them.
const QImage& resourcePicture(const QString& name, QRgb key, bool twice)
{
    static QHash<QString, QImage> cache;
    const QString file = QStringLiteral(":/pictures/") + name + (twice ? "@2x.png" : ".png");
    auto it = cache.find(file);
    if (it == cache.end()) {
        QImage picture(file);
        if (!picture.isNull()) {
            picture = withoutKey(picture, key);
            picture.setDevicePixelRatio(twice ? 2.0 : 1.0);
        }
        it = cache.insert(file, picture);
    }
    return *it;
}

bool pictureExists(const QString& name)
{
    return QFile::exists(QStringLiteral(":/pictures/") + name + QStringLiteral(".png"));
}

// The twice-size picture on a high-DPI screen when there is one, else the logical one.
const QImage& picture(const QString& name, QRgb key, qreal dpr)
{
    static const QImage none;
    if (name.isEmpty())
        return none;
    if (dpr > 1.0) {
        if (const QImage& twice = resourcePicture(name, key, true); !twice.isNull())
            return twice;
    }
    return resourcePicture(name, key, false);
}

QString skinName(TButtonXPMACCorel::TSkinGlyph skin)
{
    return skin == TButtonXPMACCorel::sMac ? QStringLiteral("style_AquaMac")
                                           : QStringLiteral("style_WinXP");
}

QString glyphName(TButtonXPMACCorel::TGlyphKind kind)
{
    static const char* const names[] = {"A_GLOK", "A_GLCANCEL", "A_GLCANCEL2", "A_GLHELP",
                                        "A_GLYES", "A_GLPRINT", "A_GLNO", "A_GLCLOSE",
                                        "A_GLABORT", "A_GLRETRY", "A_GLIGNORE", "A_GLALL"};
    if (kind == TButtonXPMACCorel::glNone)
        return QStringLiteral("A_GLNONE");
    return QString::fromLatin1(names[kind]);
}

// An assigned picture keeps its own alpha; an opaque one is transparent where it
// has the colour of its bottom-left pixel.
QImage autoTransparent(const QPixmap& picture)
{
    QImage image = picture.toImage();
    if (image.isNull() || image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qreal dpr = image.devicePixelRatio();
    image = withoutKey(image, image.pixel(0, image.height() - 1) & 0xFFFFFF);
    image.setDevicePixelRatio(dpr);
    return image;
}

// A one-pixel line from a up to, not including, b (horizontal or vertical).
void lineTo(QPainter& p, QPoint a, QPoint b)
{
    const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
    if (step.isNull())
        return;
    p.drawLine(a, b - step);
}

}

TButtonXPMACCorel::TButtonXPMACCorel(QWidget* parent)
    : QPushButton(parent)
{
    loadSkin();
    loadGlyph();
    resize(75, 25);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });
}

void TButtonXPMACCorel::setSkinGlyph(TSkinGlyph s)
{
    m_skin = s;
    loadSkin();
    update();
}

void TButtonXPMACCorel::setGlyphKind(TGlyphKind k)
{
    m_glyphKind = k;
    loadGlyph();
    update();
}

void TButtonXPMACCorel::setBitmap(const QPixmap& p)
{
    m_bitmap = p;
    setGlyphKind(glBitmap);
}

QImage TButtonXPMACCorel::skinPicture(TSkinGlyph skin, qreal scale)
{
    return resourcePicture(skinName(skin), kSkinKey, scale > 1.0);
}

// A picture that cannot be loaded leaves the previous one in place. Pictures are
// decoded when first drawn: most buttons take another skin from their form right after
// construction, and no button draws the glNone glyph.
void TButtonXPMACCorel::loadSkin()
{
    if (pictureExists(skinName(m_skin)))
        m_skinName = skinName(m_skin);
}

void TButtonXPMACCorel::loadGlyph()
{
    if (m_glyphKind == glBitmap) {
        m_glyph = autoTransparent(m_bitmap);
        m_glyphName.clear();
    } else if (pictureExists(glyphName(m_glyphKind))) {
        m_glyphName = glyphName(m_glyphKind);
        m_glyph = QImage();
    }
    m_glyphWidth = m_glyphKind == glNone ? 0 : int(glyph(1.0).deviceIndependentSize().width());
}

const QImage& TButtonXPMACCorel::glyph(qreal dpr) const
{
    return m_glyphName.isEmpty() ? m_glyph : picture(m_glyphName, kGlyphKey, dpr);
}

bool TButtonXPMACCorel::activeWith(const QWidget* focused) const
{
    // Focus on a push button makes that one the active button; focus anywhere
    // else hands the look back to the default button.
    return qobject_cast<const QPushButton*>(focused) ? focused == this : isDefault();
}

void TButtonXPMACCorel::followFocus(QWidget* focused)
{
    if (!focused || focused->window() != window())
        return;
    const bool active = activeWith(focused);
    if (active == m_defaultLook)
        return;
    m_defaultLook = active;
    update();
}

void TButtonXPMACCorel::enterEvent(QEnterEvent* e)
{
    QPushButton::enterEvent(e);
    if (!m_mouseOver)
        update();
}

void TButtonXPMACCorel::leaveEvent(QEvent* e)
{
    QPushButton::leaveEvent(e);
    if (m_mouseOver)
        update();
}

void TButtonXPMACCorel::changeEvent(QEvent* e)
{
    QPushButton::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::EnabledChange)
        update();
}

void TButtonXPMACCorel::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second click of a double click is a press like the first.
    mousePressEvent(e);
}

void TButtonXPMACCorel::drawSkinFace(QPainter& p, int cell) const
{
    const qreal dpr = devicePixelRatioF();
    const FaceKey key{m_skinName, cell, size(), dpr};
    if (const auto kept = faces.constFind(key); kept != faces.cend()) {
        p.drawImage(0, 0, *kept);
        return;
    }
    const QImage& skin = picture(m_skinName, kSkinKey, dpr);
    if (skin.isNull())
        return;
    const qreal s = skin.devicePixelRatio();
    const QSizeF logical = skin.deviceIndependentSize();
    const int cw = int(logical.width()) / 5;
    const int ch = int(logical.height());
    const int c = cw / 3;
    const int d = ch / 3;
    const int L = cell * cw;
    const int T = 0;
    const int R = L + cw;
    const int B = ch;
    const int W = width();
    const int H = height();

    // The one temporary picture of a draw: the skin cell cut in nine and stretched
    // to the button, corners at their own size.
    QImage face(QSize(qCeil(W * dpr), qCeil(H * dpr)), QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(dpr);
    face.fill(Qt::transparent);
    {
        QPainter f(&face);
        f.setCompositionMode(QPainter::CompositionMode_Source);
        auto piece = [&](QRect from, QRect to) {
            if (to.width() > 0 && to.height() > 0 && from.width() > 0 && from.height() > 0)
                f.drawImage(QRectF(to), skin,
                            QRectF(from.x() * s, from.y() * s, from.width() * s, from.height() * s));
        };
        auto box = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };
        piece(box(L, T, L + c, T + d), box(0, 0, c, d));
        piece(box(R - c, T, R, T + d), box(W - c, 0, W, d));
        piece(box(L, B - d, L + c, B), box(0, H - d, c, H));
        piece(box(R - c, B - d, R, B), box(W - c, H - d, W, H));
        piece(box(L + c, T, L + 2 * c, T + d), box(c, 0, W - c, d));
        piece(box(L, T + d, L + c, B - d), box(0, d, c, H - d));
        piece(box(R - c, T + d, R, B - d), box(W - c, d, W, H - d));
        piece(box(L + c, B - d, L + 2 * c, B), box(c, H - d, W - c, H));
        piece(box(L + c, T + d, R - c, B - d), box(c, d, W - c, H - d));
    }
    p.drawImage(0, 0, face);
    if (faces.size() >= kKeptFaces)
        faces.clear();
    faces.insert(key, face);
}

void TButtonXPMACCorel::drawCorelBevel(QPainter& p, const QRect& r, Cell look) const
{
    // Edges as exclusive coordinates: right and bottom lie just outside r.
    const int l = r.left();
    const int t = r.top();
    const int rt = r.left() + r.width();
    const int b = r.top() + r.height();
    const QColor highlight = TColors::toQColor(TColors::clBtnHighlight);
    const QColor shadow = TColors::toQColor(TColors::clBtnShadow);
    const QColor text = TColors::toQColor(TColors::clWindowText);

    auto chain = [&p](const QColor& c, std::initializer_list<QPoint> points) {
        p.setPen(QPen(c, 1));
        const QPoint* prev = nullptr;
        for (const QPoint& pt : points) {
            if (prev)
                lineTo(p, *prev, pt);
            prev = &pt;
        }
    };
    switch (look) {
    case CellHot:
        chain(text, {{rt - 1, t}, {rt - 1, b - 1}, {l - 1, b - 1}});
        chain(highlight, {{l, b - 2}, {l, t}, {rt - 1, t}});
        chain(shadow, {{rt - 2, t + 1}, {rt - 2, b - 2}, {l, b - 2}});
        break;
    case CellPressed:
        chain(shadow, {{l, b - 2}, {l, t}, {rt - 1, t}});
        chain(highlight, {{rt - 1, t}, {rt - 1, b - 1}, {l - 1, b - 1}});
        break;
    default:
        chain(highlight, {{l, b - 2}, {l, t}, {rt - 1, t}});
        chain(shadow, {{rt - 1, t}, {rt - 1, b - 1}, {l - 1, b - 1}});
        break;
    }
}

void TButtonXPMACCorel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor face = TColors::toQColor(TColors::clBtnFace);
    const bool corel = m_skin == sCorel;
    const bool pressed = isDown();
    const bool focus = hasFocus();
    QRect r = rect();
    int cell = CellNormal;

    // Asking the platform where the pointer is costs a round trip to the display server,
    // so it is asked only when the pointer may be over the button: the toolkit has seen it
    // enter, the last draw found it there, or the button is held down.
    // A window under a modal one shows no button lit.
    const bool mayBeOver = underMouse() || m_mouseOver || isDown();
    const QWidget* modal = QApplication::activeModalWidget();
    const bool blocked = modal && modal != window();
    m_mouseOver = mayBeOver && !blocked && QRect(mapToGlobal(QPoint(0, 0)), size()).contains(QCursor::pos());
    if (m_mouseOver && hotButton != this) {
        if (hotButton)
            hotButton->update();
        hotButton = this;
        watchHover();
    }
    // Qt has no notification when a button is made the default one, so the
    // flag is brought up to date with the window's focus before each draw too.
    m_defaultLook = activeWith(window()->focusWidget());

    if (m_defaultLook || focus) {
        if (corel) {
            p.setPen(QPen(TColors::toQColor(TColors::clWindowText), 1));
            p.setBrush(face);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        } else {
            cell = CellFocused;
        }
        r.adjust(1, 1, -1, -1);
    }
    p.fillRect(r, face);
    if (m_mouseOver) {
        if (corel)
            drawCorelBevel(p, r, CellHot);
        else
            cell = CellHot;
    } else if (corel) {
        drawCorelBevel(p, r, CellNormal);
    }
    if (pressed) {
        if (corel) {
            p.fillRect(r, face);
            drawCorelBevel(p, r, CellPressed);
        } else {
            cell = CellPressed;
        }
    }
    if (!corel)
        drawSkinFace(p, isEnabled() ? cell : CellDisabled);

    if (m_defaultLook && focus && m_skin != sMac) {
        const int inset = corel ? 3 : 2;
        r.adjust(inset, inset, -inset, -inset);
        QPen dotted(TColors::toQColor(TColors::systemColor(6)), 1, Qt::CustomDashLine);
        dotted.setDashPattern({1, 1});
        dotted.setCosmetic(true);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }

    p.setFont(font());
    const QString caption = text();
    const int textWidth = fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
    QRect textRect = r;
    const QImage shownGlyph = m_glyphKind == glNone ? QImage() : glyph(devicePixelRatioF());
    if (shownGlyph.isNull()) {
        textRect.setLeft((width() - textWidth) / 2);
    } else {
        const QSizeF glyphSize = shownGlyph.deviceIndependentSize();
        const int gx = (width() - textWidth - m_glyphWidth - 4) / 2;
        const int gy = (height() - int(glyphSize.height())) / 2;
        p.drawImage(QPoint(gx + pressed, gy + pressed), shownGlyph);
        textRect.setLeft(gx + m_glyphWidth + 4);
    }
    if (pressed) {
        r.translate(1, 1);
        textRect.translate(1, 1);
    }

    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (!isEnabled()) {
        p.setPen(TColors::toQColor(TColors::clBtnHighlight));
        p.drawText(textRect.translated(1, 1), flags, caption);
        p.setPen(TColors::toQColor(TColors::clBtnShadow));
    } else {
        // The button-text colour, whatever colour the font was declared with.
        p.setPen(TColors::toQColor(TColors::clBtnText));
    }
    p.drawText(textRect, flags, caption);
}
