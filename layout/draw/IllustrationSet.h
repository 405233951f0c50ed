#pragma once

// What the waves and electrostatics picture programs share: a light card behind each
// picture, a measured span, a label, and writing every picture twice, at 1x (103 x 67)
// and at 2x (206 x 134) into the folder given as argument. Both sizes are drawn, each
// supersampled four times and scaled down, never one enlarged from the other.
#include "Illustration.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>

#include <cstdio>
#include <numbers>
#include <span>

// The colours of both sets: lettering, the two signs of charge (also a string's nodes and
// the string itself), forces and fields.
namespace Ink {
inline const QColor text(36, 44, 70);
inline const QColor red(214, 44, 44);
inline const QColor blue(34, 88, 206);
inline const QColor green(24, 150, 64);
inline const QColor orange(226, 132, 20);
}

inline constexpr double pi = std::numbers::pi;

struct PagePicture
{
    int page;
    void (*scene)(QPainter&);
};

inline void lightCard(QPainter& p)
{
    QLinearGradient g(0, 0, 0, illustrationHeight);
    g.setColorAt(0, QColor(255, 255, 255, 240));
    g.setColorAt(1, QColor(230, 238, 252, 240));
    p.setPen(QPen(QColor(120, 150, 190), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, illustrationWidth - 1, illustrationHeight - 1), 7, 7);
}

inline void lettering(QPainter& p, QPointF at, const QString& text, const QColor& c, int px = 9)
{
    p.setFont(illustrationFont(px));
    p.setPen(c);
    p.drawText(at, text);
}

// A distance from x0 to x1 at height y: a line with end ticks and its name below.
inline void span(QPainter& p, double x0, double x1, double y, const QString& name, const QColor& c)
{
    p.setPen(QPen(c, 0.9));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.drawLine(QPointF(x0, y - 2.5), QPointF(x0, y + 2.5));
    p.drawLine(QPointF(x1, y - 2.5), QPointF(x1, y + 2.5));
    lettering(p, QPointF((x0 + x1) / 2 - 3, y - 2), name, c, 9);
}

inline QImage renderPicture(void (*scene)(QPainter&), int scale)
{
    constexpr int supersampling = 4;
    const int factor = scale * supersampling;
    QImage big(illustrationWidth * factor, illustrationHeight * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(factor, factor);
        lightCard(p);
        scene(p);
    }
    return big.scaled(illustrationWidth * scale, illustrationHeight * scale, Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

inline int drawPagePictures(int argc, char** argv, std::span<const PagePicture> pictures)
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
            const QString path = dir.filePath(QStringLiteral("illustration_TabSheet%1%2.png")
                                                  .arg(picture.page)
                                                  .arg(QLatin1StringView(suffix)));
            if (!renderPicture(picture.scene, scale).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
