#include "controls/TColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace TColors {

static QColor systemColorOf(int index)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 1: return pal.color(QPalette::Window).darker(200);              // desktop background
    case 2: return pal.color(QPalette::Active, QPalette::Highlight);      // active caption
    case 3: return pal.color(QPalette::Inactive, QPalette::Mid);          // inactive caption
    case 4: return pal.color(QPalette::Window);                           // menu
    case 5: return pal.color(QPalette::Base);                             // window
    case 6: return pal.color(QPalette::Shadow);                           // window frame
    case 7: return pal.color(QPalette::WindowText);                       // menu text
    case 8: return pal.color(QPalette::Text);                             // window text
    case 9: return pal.color(QPalette::HighlightedText);                  // caption text
    case 10: return pal.color(QPalette::Window);                          // active border
    case 11: return pal.color(QPalette::Window);                          // inactive border
    case 12: return pal.color(QPalette::Dark);                            // application workspace
    case 13: return pal.color(QPalette::Active, QPalette::Highlight);
    case 14: return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);                          // button face
    case 16: return pal.color(QPalette::Dark);                            // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);        // grey text
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Inactive, QPalette::WindowText);  // inactive caption text
    case 20: return pal.color(QPalette::Light);                           // button highlight
    case 21: return pal.color(QPalette::Shadow);                          // 3D dark shadow
    case 22: return pal.color(QPalette::Midlight);                        // 3D light
    case 23: return pal.color(QPalette::ToolTipText);                     // info text
    case 24: return pal.color(QPalette::ToolTipBase);                     // info background
    }
    return Qt::black;
}

QColor toQColor(TColor c)
{
    // System colours are 8-bit RGB like every other colour, whatever precision
    // the palette computed them in.
    if (isSystem(c))
        return QColor::fromRgb(systemColorOf(int(c & 0xFF)).rgb());
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TColor fromQColor(const QColor& c)
{
    return fromRgb(c.red(), c.green(), c.blue());
}

}
