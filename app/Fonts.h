#pragma once

#include <QFont>

class QWidget;

namespace Fonts {

// The layouts name Windows fonts; these are the installed fonts that stand in for them.
void installSubstitutions();

// Layout fonts are given in pixels (a "pixelSize" property on the widget), so the
// windows keep their proportions at any DPI setting.
void applyPixelSizes(QWidget* root);

// A layout's font (a Windows family) at a size in pixels, as applyPixelSizes sets it.
QFont layoutFont(const QString& family, int pixelSize);

// The menus' font (Tahoma 12 px), also the application's default font.
QFont menuFont();
void installApplicationFont();

}
