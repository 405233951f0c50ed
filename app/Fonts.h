#pragma once

class QWidget;

namespace Fonts {

// The layouts name Windows fonts; these are the installed fonts that stand in for them.
void installSubstitutions();

// Layout fonts are given in pixels (a "pixelSize" property on the widget), so the
// windows keep their proportions at any DPI setting.
void applyPixelSizes(QWidget* root);

}
