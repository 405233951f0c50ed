#include "controls/FlatStyle.h"

#include "controls/TColor.h"
#include "controls/XPMenu.h"

#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOption>

#include <functional>

namespace {

const char* const hotProperty = "xpHot";

// n * 3 / 4 rounded half to even, as the platform rounds the item height.
int threeQuarters(int n)
{
    int q = (3 * n) / 4;
    const int rem = (3 * n) % 4;
    if (rem > 2 || (rem == 2 && (q & 1)))
        ++q;
    return q;
}

// The item an option is about: by its rectangle when drawing; by its caption when measuring,
// where the rectangle passed is the one of the previous layout.
QAction* actionOf(const QStyleOption* option, const QWidget* widget, bool byRect)
{
    QList<QAction*> actions;
    const QPoint centre = option->rect.center();
    const bool hasRect = byRect && option->rect.isValid() && !option->rect.isEmpty();
    if (auto* menu = qobject_cast<const QMenu*>(widget)) {
        if (hasRect)
            if (QAction* a = menu->actionAt(centre))
                return a;
        actions = menu->actions();
    } else if (auto* bar = qobject_cast<const QMenuBar*>(widget)) {
        if (hasRect)
            if (QAction* a = bar->actionAt(centre))
                return a;
        actions = bar->actions();
    }
    if (auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
        const QString caption = mi->text.section(QLatin1Char('\t'), 0, 0);
        for (QAction* a : actions)
            if (!a->isSeparator() && a->text().section(QLatin1Char('\t'), 0, 0) == caption)
                return a;
    }
    return nullptr;
}

// Whether the caption has an access key (a single "&"; "&&" is a literal ampersand).
bool hasAccelerator(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return true;
        ++i;
    }
    return false;
}

QImage mapPixels(const QImage& src, const std::function<QColor(const QColor&)>& f)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = line[x];
            if (qAlpha(px) == 0)
                continue;
            const QColor c = f(QColor(qRed(px), qGreen(px), qBlue(px)));
            line[x] = qRgba(c.red(), c.green(), c.blue(), qAlpha(px));
        }
    }
    return img;
}

QColor parentBackground(const QWidget* w)
{
    const QWidget* parent = w->parentWidget() ? w->parentWidget() : w;
    return parent->palette().color(parent->backgroundRole());
}

}

TFlatStyle::TFlatStyle(TXPMenu* owner)
    : m_menu(owner)
{
}

QColor TFlatStyle::gradientColumn(const TXPWorkingColors& c, int iconWidth, int k, int depth)
{
    // Steps of 3 across the icon column and 5 pixels beyond, then of 1, up to 96 per cent.
    const int steep = iconWidth + 5;
    const int s = k <= steep ? 3 * k : 3 * steep + (k - steep);
    return XPColors::lighten(c.icon, qMin(s, 96), depth);
}

bool TFlatStyle::excludedItem(const QStyleOption* option, const QWidget* widget, bool drawing) const
{
    const QAction* a = actionOf(option, widget, drawing);
    return a && TXPMenu::isExcluded(a);
}

int TFlatStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (m_menu->flatMenu() && qobject_cast<const QMenu*>(widget)) {
        switch (metric) {
        case PM_MenuPanelWidth: return frameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin: return 0;
        default: break;
        }
    }
    if (metric == PM_MenuBarPanelWidth && qobject_cast<const QMenuBar*>(widget))
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TFlatStyle::measureItem(const QStyleOptionMenuItem* mi, const QSize& proposed, bool onBar) const
{
    if (mi->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(proposed.width(), 4);
    const TXPWorkingColors c = m_menu->workingColors();
    const QFontMetrics fm(c.font);
    const QString caption = mi->text.section(QLatin1Char('\t'), 0, 0);
    const bool shortcut = mi->text.contains(QLatin1Char('\t'));
    // The menu adds the shortcut column itself; the gap before it is ours.
    const QString text = shortcut ? caption + QStringLiteral("WWW") : caption;
    int w = fm.horizontalAdvance(text) + 5;
    if (hasAccelerator(caption))
        w -= fm.horizontalAdvance(QLatin1Char('&'));
    const int px = mi->icon.isNull() ? 0 : pixelMetric(PM_SmallIconSize, mi, nullptr);
    if (onBar) {
        // Room for the text's offset and its leading blank, which the platform adds itself.
        w += px + 7 + fm.horizontalAdvance(QLatin1Char(' '));
    } else {
        // Room for the sub-menu arrow, which the platform draws beyond the measured width.
        w += qMax(px, m_menu->iconWidth()) + 16;
    }
    const int th = fm.height();
    const int h = qMax(th + threeQuarters(th), px + 6);
    return QSize(qMax(proposed.width(), w), qMax(proposed.height(), h));
}

QSize TFlatStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const
{
    if (type == CT_MenuItem || type == CT_MenuBarItem) {
        const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (mi && !excludedItem(option, widget, false))
            return measureItem(mi, size, type == CT_MenuBarItem);
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void TFlatStyle::drawItemBackground(QPainter* p, const QRect& r, const TXPWorkingColors& c, bool rtl) const
{
    const int iw = m_menu->iconWidth();
    if (c.deep && m_menu->gradient()) {
        const int depth = m_menu->colorDepth();
        for (int k = 0; k < r.width(); ++k) {
            const QColor col = gradientColumn(c, iw, k, depth);
            // The shade only grows; once it equals the last column's the rest is one fill.
            const bool last = col == gradientColumn(c, iw, r.width() - 1, depth);
            const int span = last ? r.width() - k : 1;
            const int x = rtl ? r.right() - k - span + 1 : r.left() + k;
            p->fillRect(x, r.top(), span, r.height(), col);
            if (last)
                break;
        }
        return;
    }
    p->fillRect(r, c.back);
    const QRect column = rtl ? QRect(r.right() - iw + 1, r.top(), iw, r.height()) : QRect(r.left(), r.top(), iw, r.height());
    p->fillRect(column, c.icon);
}

void TFlatStyle::drawPicture(QPainter* p, const QStyleOptionMenuItem* mi, const QRect& box,
                             const QRect& column, const TXPWorkingColors& c, bool onBar) const
{
    const int px = pixelMetric(PM_SmallIconSize, mi, nullptr);
    const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
    QImage img = mi->icon.pixmap(QSize(px, px), dpr).toImage();
    const QSize ps = img.deviceIndependentSize().toSize();
    const bool enabled = mi->state & State_Enabled;
    const bool selected = mi->state & State_Selected;
    const int depth = m_menu->colorDepth();
    const int iw = m_menu->iconWidth();
    int x = ps.width() < iw ? column.left() + (iw - ps.width()) / 2 : box.left();
    int y = qMin(box.top() + 3, mi->rect.bottom() - ps.height());

    if (!enabled) {
        const int level = m_menu->grayLevel();
        img = mapPixels(img, [&](const QColor& col) {
            return XPColors::lighten(XPColors::grey(col, level), 40, depth);
        });
    } else if (!mi->checked && c.deep) {
        if (!selected) {
            const int dim = m_menu->dimLevel();
            img = mapPixels(img, [&](const QColor& col) { return XPColors::lighten(col, dim, depth); });
        } else if (!onBar) {
            // A lifted picture over its own shadow.
            const QColor shade = XPColors::darken(c.select, 50);
            QImage shadow = mapPixels(img, [&](const QColor&) { return shade; });
            shadow.setDevicePixelRatio(img.devicePixelRatio());
            p->drawImage(QPoint(x + 1, y + 1), shadow);
            --x;
            --y;
        }
    }
    img.setDevicePixelRatio(dpr);
    p->drawImage(QPoint(x, y), img);
}

void TFlatStyle::drawMenuItem(const QStyleOptionMenuItem* mi, QPainter* p, const QWidget*, bool onBar) const
{
    const TXPWorkingColors c = m_menu->workingColors();
    const bool separator = mi->menuItemType == QStyleOptionMenuItem::Separator;
    const bool rtl = mi->direction == Qt::RightToLeft;
    const bool selected = mi->state & State_Selected;
    const bool enabled = mi->state & State_Enabled;
    const QRect r = mi->rect;
    const int iw = m_menu->iconWidth();
    const bool hasPicture = !mi->icon.isNull() && !onBar;
    const int px = hasPicture ? pixelMetric(PM_SmallIconSize, mi, nullptr) : 0;

    const QRect column = rtl ? QRect(r.right() - iw + 1, r.top(), iw, r.height()) : QRect(r.left(), r.top(), iw, r.height());
    QRect box;
    if (hasPicture) {
        box = QRect(column.left() + 1, column.top() + 2, iw - 4, r.height() - 4);
        if (px > box.width())
            box.setWidth(px);
    } else {
        box = QRect(column.left() + (iw - 10) / 2, r.top() + (r.height() - 10) / 2, 10, 10);
    }
    int textLeft = onBar ? r.left() + 4 : column.right() + 1;
    if (rtl && !onBar)
        textLeft = r.left();
    if (hasPicture && !rtl)
        textLeft = qMax(textLeft, box.right() + 1 + 4);
    const int textRight = rtl && !onBar ? column.left() - 1 : r.right();

    p->save();
    QFont font = c.font;
    if (mi->menuItemType == QStyleOptionMenuItem::DefaultItem)
        font.setBold(true);
    p->setFont(font);

    if (onBar)
        p->fillRect(r, c.menuBar);
    else
        drawItemBackground(p, r, c, rtl);

    const QColor fontColour = enabled ? c.fontColor : c.disabled;

    if (selected && m_menu->drawSelect()) {
        if (onBar) {
            // The open-menu look, with a stepped shadow at its right.
            const QRect sel = r.adjusted(0, 0, -3, 0);
            p->setPen(c.selectBorder);
            p->setBrush(c.select);
            p->drawRect(sel.adjusted(0, 0, -1, -1));
            p->fillRect(sel.right() + 1, sel.top() + 2, 1, sel.height() - 2, XPColors::darken(c.menuBar, 40));
            p->fillRect(sel.right() + 2, sel.top() + 3, 1, sel.height() - 3, XPColors::darken(c.menuBar, 30));
            p->fillRect(sel.right() + 3, sel.top() + 4, 1, sel.height() - 4, XPColors::darken(c.menuBar, 10));
        } else if (enabled && !separator) {
            const QRect sel = r.adjusted(0, 1, m_menu->flatMenu() ? -1 : 0, -1);
            p->setPen(c.selectBorder);
            p->setBrush(c.select);
            p->drawRect(sel.adjusted(0, 0, -1, -1));
        }
    }

    if (!separator && mi->checkType != QStyleOptionMenuItem::NotCheckable && mi->checked) {
        p->setBrush(selected ? c.checkedSelected : c.checked);
        p->setPen(c.check);
        const QRect frame = box.adjusted(0, 0, -1, -1);
        if (mi->checkType == QStyleOptionMenuItem::Exclusive) {
            p->setRenderHint(QPainter::Antialiasing, !hasPicture);
            if (hasPicture)
                p->drawRoundedRect(frame, 3, 3);
            else
                p->drawEllipse(frame);
            p->setRenderHint(QPainter::Antialiasing, false);
        } else {
            p->drawRect(frame);
            if (!hasPicture) {
                // The tick: five short strokes.
                const QColor tick = enabled ? QColor(0, 0, 0) : c.disabled;
                const int bx = box.left();
                const int by = box.top();
                const int tops[5] = {4, 5, 6, 4, 2};
                const int lengths[5] = {3, 3, 3, 4, 5};
                for (int i = 0; i < 5; ++i)
                    p->fillRect(bx + 2 + i, by + tops[i], 1, lengths[i], tick);
            }
        }
    }

    if (hasPicture)
        drawPicture(p, mi, box, column, c, onBar);

    if (separator) {
        const int y = r.top() + (r.height() + 1) / 2;
        if (rtl)
            p->fillRect(QRect(QPoint(textLeft, y), QPoint(textRight - 7, y)), c.separator);
        else
            p->fillRect(QRect(QPoint(textLeft + 7, y), QPoint(textRight, y)), c.separator);
    } else {
        const int mnemonic = styleHint(SH_UnderlineShortcut, mi, nullptr) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
        const QString caption = mi->text.section(QLatin1Char('\t'), 0, 0);
        const QString shortcut = mi->text.section(QLatin1Char('\t'), 1);
        p->setPen(fontColour);
        const QRect textRect(QPoint(textLeft + 3, r.top()), QPoint(textRight, r.bottom()));
        p->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine | mnemonic,
                    QLatin1Char(' ') + caption);
        if (!shortcut.isEmpty() && !onBar) {
            const QRect shortcutRect(QPoint(textLeft, r.top()), QPoint(textRight - 12, r.bottom()));
            p->drawText(shortcutRect, Qt::AlignVCenter | Qt::AlignRight | Qt::TextSingleLine, shortcut);
        }
        if (mi->menuItemType == QStyleOptionMenuItem::SubMenu) {
            const int cy = r.center().y();
            const int ax = rtl ? r.left() + 5 : r.right() - 8;
            const int dir = rtl ? -1 : 1;
            for (int i = 0; i < 4; ++i)
                p->fillRect(ax + dir * i, cy - 3 + i, 1, 7 - 2 * i, fontColour);
        }
    }
    p->restore();
}

void TFlatStyle::drawMenuFrame(QPainter* p, const QRect& r) const
{
    const TXPWorkingColors c = m_menu->workingColors();
    const int depth = m_menu->colorDepth();
    const int iw = m_menu->iconWidth();
    const int x0 = r.left();
    const int y0 = r.top();
    const int w = r.width();
    const int h = r.height();
    const bool shaded = c.deep && m_menu->gradient();

    // The ring between border and items continues the items' background.
    p->fillRect(x0 + 1, y0 + 1, 2, h - 4, c.icon);
    for (int x = x0 + 3; x <= x0 + w - 4; ++x) {
        const int k = x - (x0 + 3);
        const QColor col = shaded ? gradientColumn(c, iw, k, depth) : k < iw ? c.icon : c.back;
        p->fillRect(x, y0 + 1, 1, 2, col);
    }
    p->setPen(c.menuBorder);
    p->setBrush(Qt::NoBrush);
    p->drawRect(x0, y0, w - 3, h - 3);
    // The two-pixel drop shadow, with the corners left in the face colour.
    p->fillRect(x0 + w - 2, y0 + 2, 2, h - 2, c.menuShadow);
    p->fillRect(x0 + 2, y0 + h - 2, w - 4, 2, c.menuShadow);
    const QColor face = TColors::toQColor(TColors::clBtnFace);
    p->fillRect(x0 + w - 2, y0, 2, 2, face);
    p->fillRect(x0, y0 + h - 2, 2, 2, face);
}

void TFlatStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                             const QWidget* widget) const
{
    switch (element) {
    case CE_MenuItem:
        if (auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option); mi && !excludedItem(option, widget, true)) {
            drawMenuItem(mi, p, widget, false);
            return;
        }
        break;
    case CE_MenuBarItem:
        if (auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option); mi && !excludedItem(option, widget, true)) {
            drawMenuItem(mi, p, widget, true);
            return;
        }
        break;
    case CE_MenuEmptyArea:
        drawItemBackground(p, option->rect, m_menu->workingColors(), option->direction == Qt::RightToLeft);
        return;
    case CE_MenuBarEmptyArea:
        p->fillRect(option->rect, m_menu->workingColors().menuBar);
        return;
    case CE_ShapedFrame:
        if (auto* f = qstyleoption_cast<const QStyleOptionFrame*>(option);
            f && widget && widget->metaObject() == &QFrame::staticMetaObject && m_menu->isHooked(widget)) {
            const bool panel = f->frameShape == QFrame::Panel || f->frameShape == QFrame::WinPanel
                || f->frameShape == QFrame::StyledPanel;
            const bool raised = f->state & State_Raised;
            const bool sunken = f->state & State_Sunken;
            if (panel && (raised || sunken)) {
                const QColor bg = widget->palette().color(widget->backgroundRole());
                const QColor dark = XPColors::darken(bg, 60);
                const QColor light = XPColors::lighten(bg, 60, m_menu->colorDepth());
                const QColor& topLeft = raised ? light : dark;
                const QColor& bottomRight = raised ? dark : light;
                QRect r = f->rect;
                for (int i = 0; i < qMax(1, f->lineWidth) && r.width() > 1 && r.height() > 1; ++i) {
                    p->fillRect(r.left(), r.top(), r.width(), 1, topLeft);
                    p->fillRect(r.left(), r.top(), 1, r.height(), topLeft);
                    p->fillRect(r.left() + 1, r.bottom(), r.width() - 1, 1, bottomRight);
                    p->fillRect(r.right(), r.top() + 1, 1, r.height() - 1, bottomRight);
                    r.adjust(1, 1, -1, -1);
                }
                return;
            }
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, p, widget);
}

void TFlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* p,
                               const QWidget* widget) const
{
    switch (element) {
    case PE_PanelMenu:
        if (qobject_cast<const QMenu*>(widget)) {
            p->fillRect(option->rect, m_menu->workingColors().back);
            return;
        }
        break;
    case PE_FrameMenu:
        if (m_menu->flatMenu() && qobject_cast<const QMenu*>(widget)) {
            drawMenuFrame(p, option->rect);
            return;
        }
        break;
    case PE_PanelMenuBar:
        p->fillRect(option->rect, m_menu->workingColors().menuBar);
        return;
    case PE_PanelLineEdit:
        if (auto* edit = qobject_cast<const QLineEdit*>(widget); edit && m_menu->isHooked(widget)) {
            const auto* f = qstyleoption_cast<const QStyleOptionFrame*>(option);
            const QRect r = option->rect;
            p->fillRect(r, option->palette.brush(QPalette::Base));
            const bool hot = widget->property(hotProperty).toBool() || (option->state & State_HasFocus);
            const bool bordered = edit->hasFrame() && f && f->lineWidth > 0;
            QColor frame;
            if (hot) {
                const QColor border = m_menu->workingColors().selectBorder;
                frame = XPColors::lighten(border, bordered ? 60 : 80, m_menu->colorDepth());
            } else {
                const QColor bg = parentBackground(widget);
                frame = bordered ? XPColors::darken(bg, 60) : bg;
            }
            p->save();
            p->setPen(frame);
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(0, 0, -1, -1));
            p->restore();
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, p, widget);
}
