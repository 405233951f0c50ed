#pragma once

// What the hydrostatics and optics illustration programs share: the light card behind a
// diagram, a caption, and writing every page picture at the page size and at twice that
// size for double-density screens.
#include "Illustration.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>

#include <cstdio>
#include <initializer_list>
#include <utility>

namespace PictureSet {

constexpr int W = illustrationWidth;
constexpr int H = illustrationHeight;
constexpr int supersampling = 4; // drawn larger and scaled down, so thin strokes stay smooth

inline void paperCard(QPainter& p)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(255, 255, 255, 240));
    g.setColorAt(1, QColor(230, 238, 252, 240));
    p.setPen(QPen(QColor(120, 150, 190), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 7, 7);
}

inline void tag(QPainter& p, QPointF at, const QString& text, const QColor& c, int px = 10)
{
    p.setFont(illustrationFont(px));
    p.setPen(c);
    p.drawText(at, text);
}

inline void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2.2)
{
    drawArrow(p, from, to, c, width, 4 + width);
}

struct PagePicture
{
    int page;
    void (*scene)(QPainter&);
};

// The picture at `scale` times the page size, drawn at that scale rather than enlarged.
inline QImage render(void (*scene)(QPainter&), int scale)
{
    const int s = supersampling * scale;
    QImage big(W * s, H * s, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(s, s);
        scene(p);
    }
    return big.scaled(W * scale, H * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

// The program's main: writes illustration_TabSheetN.png and illustration_TabSheetN@2x.png
// of every picture into the directory given as argument.
inline int writeAll(int argc, char** argv, std::initializer_list<PagePicture> pictures)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <pictures directory>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const PagePicture& picture : pictures) {
        for (const auto& [scale, suffix] : {std::pair{1, ""}, std::pair{2, "@2x"}}) {
            const QString path =
                dir.filePath(QStringLiteral("illustration_TabSheet%1%2.png").arg(picture.page).arg(suffix));
            if (!render(picture.scene, scale).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}

}
