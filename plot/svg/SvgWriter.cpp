// The SVG module: the one part of the program that links Qt SVG, opened by SvgExport on the
// first SVG written.
#include "plot/SvgExport.h"

#include <QPainter>
#include <QSvgGenerator>
#include <type_traits>

extern "C" Q_DECL_EXPORT bool velquora_write_svg(const SvgExport::Picture& picture)
{
    QSvgGenerator svg;
    svg.setFileName(picture.path);
    svg.setSize(picture.size);
    // Written in millimetres: at 96 dpi a browser shows it at the size it has on screen.
    svg.setResolution(96);
    svg.setViewBox(QRect(QPoint(0, 0), picture.size));
    svg.setTitle(picture.title);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    picture.draw(p);
    return p.end();
}

// The loader and the module agree on the function's type.
static_assert(std::is_same_v<decltype(&velquora_write_svg), SvgExport::Writer>);
