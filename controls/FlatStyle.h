#pragma once

#include "controls/XPMenuColors.h"

#include <QProxyStyle>

class QStyleOptionMenuItem;
class TXPMenu;

// The flat look of TXPMenu: menu items, the menu bar and the menu frame with its shadow,
// and the one-pixel frames of edits and the bevels of panels. Set only on hooked widgets;
// anything it does not paint, and items tagged 999, go to the base style.
class TFlatStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit TFlatStyle(TXPMenu* owner);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* p,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

    // The colour of column k (0 = the item's left edge) of the shaded icon column.
    static QColor gradientColumn(const TXPWorkingColors& c, int iconWidth, int k, int depth);

    // Width of the menu frame: a one-pixel border inside, the two-pixel shadow outside.
    static constexpr int frameWidth = 3;

private:
    bool excludedItem(const QStyleOption* option, const QWidget* widget, bool drawing) const;
    void drawMenuItem(const QStyleOptionMenuItem* mi, QPainter* p, const QWidget* widget, bool onBar) const;
    void drawItemBackground(QPainter* p, const QRect& r, const TXPWorkingColors& c, bool rtl) const;
    void drawMenuFrame(QPainter* p, const QRect& r) const;
    void drawPicture(QPainter* p, const QStyleOptionMenuItem* mi, const QRect& box,
                     const QRect& column, const TXPWorkingColors& c, bool onBar) const;
    QSize measureItem(const QStyleOptionMenuItem* mi, const QSize& proposed, bool onBar) const;

    TXPMenu* m_menu;
};
