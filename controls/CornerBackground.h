#pragma once

#include <QColor>
#include <optional>

class QPainter;
class QRegion;
class QWidget;

// The colour of what lies under a widget's top-left pixel: its parent and the siblings
// stacked below it, whatever covers that pixel from above. A control that draws its
// corners in the colour of the page under it reads it here.
namespace CornerBackground {

// Read from the picture being painted, while `painter` paints `widget` into its window's
// backing store at one device pixel per pixel, the corner inside `region`, the part being
// painted: Qt painted the parent and the siblings below there earlier in the same pass,
// since the widget does not cover its rectangle. Nothing in any other case.
std::optional<QColor> painted(const QPainter& painter, const QWidget* widget, const QRegion& region);

// That one pixel rendered anew; nothing when the corner lies outside what the ancestors
// show. Qt lays the whole window out before it renders (every pending resize is sent, the
// hidden menus' too), so this costs much more than painted().
std::optional<QColor> rendered(const QWidget* widget);

}
