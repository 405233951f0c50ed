// Draws the application icon, an atom on a blue tile with an orange nucleus like the
// Calcular button, in the sizes the desktop's icon theme asks for.
// Usage: draw_icon <directory>   (layout/icons)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Drawn at four times the size and scaled down, so the orbits stay smooth.
QImage icon(int size)
{
    const int s = size * 4;
    QImage big(s, s, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s); // unit square

    const QRectF tile(0.04, 0.04, 0.92, 0.92);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0, QColor(92, 160, 238));
    sky.setColorAt(1, QColor(22, 58, 140));
    p.setPen(QPen(QColor(14, 36, 92), 0.025));
    p.setBrush(sky);
    p.drawRoundedRect(tile, 0.2, 0.2);
    // A soft highlight on the upper half, as the program's glossy buttons have.
    QLinearGradient gloss(0, tile.top(), 0, 0.5);
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(0.09, 0.07, 0.82, 0.42), 0.16, 0.16);

    // Three orbits; small icons get relatively thicker lines to stay visible.
    const qreal line = std::max(0.045, 1.3 / size);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255), line));
    for (int angle : {0, 60, 120}) {
        p.save();
        p.translate(0.5, 0.5);
        p.rotate(angle);
        p.drawEllipse(QRectF(-0.36, -0.13, 0.72, 0.26));
        p.restore();
    }
    QRadialGradient nucleus(QPointF(0.47, 0.46), 0.13);
    nucleus.setColorAt(0, QColor(255, 236, 170));
    nucleus.setColorAt(0.5, QColor(246, 187, 26));
    nucleus.setColorAt(1, QColor(214, 96, 0));
    p.setPen(QPen(QColor(150, 60, 0), line * 0.5));
    p.setBrush(nucleus);
    p.drawEllipse(QPointF(0.5, 0.5), 0.1, 0.1);
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <icons directory>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int size : sizes)
        ok = icon(size).save(dir.filePath(QStringLiteral("velquora_%1.png").arg(size))) && ok;
    return ok ? 0 : 1;
}
