#pragma once

#include <QColor>
#include <QFont>

// Colour arithmetic of the flat menu look. Channels are clamped to 0..255.
namespace XPColors {

// The colour a device of the given depth (bits per pixel) shows for c; 24 and more is exact.
QColor nearest(const QColor& c, int depth);
// Each channel moves p per cent (capped at 100) of the way to 255, rounded half to even.
QColor lighten(const QColor& c, int p, int depth = 32);
// Red and blue lose n, green loses n - 2.
QColor darken(const QColor& c, int n);
// Every channel becomes min(240, n + mean of the channels).
QColor grey(const QColor& c, int n);

}

// The colours an item is drawn with, worked out again before each item.
struct TXPWorkingColors
{
    bool deep = true; // the device has more than 15 bits per pixel
    QFont font;
    QColor fontColor;
    QColor back;
    QColor icon;
    QColor select;
    QColor selectBorder;
    QColor selectFont;
    QColor menuBar;
    QColor disabled;
    QColor check;
    QColor separator;
    QColor checked;
    QColor checkedSelected;
    QColor menuBorder;
    QColor menuShadow;
};
