#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

// Pictures written as SVG. Qt SVG is linked into a module of its own (plot/svg), opened on
// the first SVG written, so that the program does not load it at start for an export that
// few runs ask for.
namespace SvgExport {

struct Picture
{
    QString path;
    QSize size; // in pixels
    QString title;
    std::function<void(QPainter&)> draw;
};

// False when the file, or the module, could not be written or opened.
bool write(const Picture& picture);

// The module's one function, resolved by this name.
using Writer = bool (*)(const Picture&);
inline constexpr char writerName[] = "velquora_write_svg";

}
