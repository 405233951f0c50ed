// Draws the three background tiles of the windows into the directory given as argument:
//   page_background.png   125 x 26, 24-bit: the equation pages (ruled like notebook paper, one
//                         rule per 26-pixel variable row). The pages were first drawn on this
//                         tile as a JPEG (quality 95); it keeps the pixels that JPEG decodes to,
//                         stored without loss, so that start-up loads no JPEG reader.
//   list_background.png   128 x 128, 256-colour palette PNG: the topic lists and the area bar
//   about_background.png  11 x 339: the About window, tiled across it
// All three are light, so navy, blue and red text stays readable on them.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

int clampByte(double v)
{
    return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(std::lround(v));
}

QRgb mix(QRgb a, QRgb b, double t)
{
    return qRgb(clampByte(qRed(a) + (qRed(b) - qRed(a)) * t),
                clampByte(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                clampByte(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

// A small deterministic hash, so the paper grain is the same on every run.
double grain(int x, int y)
{
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0 - 0.5;
}

QImage pageTile()
{
    QImage img(125, 26, QImage::Format_RGB32);
    const QRgb top = qRgb(250, 251, 253);
    const QRgb bottom = qRgb(242, 245, 250);
    const QRgb rule = qRgb(222, 230, 242);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            QRgb c = mix(top, bottom, y / 25.0);
            if (y == 25)
                c = rule;
            else if (y == 24)
                c = mix(c, rule, 0.25);
            const double g = grain(x, y) * 3.0;
            img.setPixel(x, y, qRgb(clampByte(qRed(c) + g), clampByte(qGreen(c) + g), clampByte(qBlue(c) + g)));
        }
    }
    return img;
}

// Soft diagonal stripes with a period that divides 128 both ways, so the tile repeats seamlessly.
QImage listTile()
{
    constexpr int shades = 64;
    const QRgb light = qRgb(238, 241, 247);
    const QRgb dark = qRgb(220, 226, 236);
    QList<QRgb> table;
    for (int i = 0; i < shades; ++i)
        table.append(mix(light, dark, i / double(shades - 1)));
    QImage img(128, 128, QImage::Format_Indexed8);
    img.setColorTable(table);
    const double tau = 2 * std::numbers::pi;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const double stripes = 0.5 + 0.5 * std::sin(tau * (x + y) / 16.0);
            const double cross = 0.5 + 0.5 * std::sin(tau * (x - y) / 64.0);
            const double t = 0.65 * stripes * stripes + 0.35 * cross;
            img.setPixel(x, y, static_cast<uint>(std::lround(t * (shades - 1))));
        }
    }
    return img;
}

// A vertical wash, pale blue at the top to near white, with a faint pinstripe every 11 pixels.
QImage aboutStrip()
{
    QImage img(11, 339, QImage::Format_RGB32);
    const QRgb top = qRgb(212, 225, 245);
    const QRgb middle = qRgb(246, 248, 252);
    const QRgb bottom = qRgb(232, 238, 247);
    for (int y = 0; y < img.height(); ++y) {
        const double t = y / 338.0;
        const QRgb row = t < 0.45 ? mix(top, middle, t / 0.45) : mix(middle, bottom, (t - 0.45) / 0.55);
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, x == 10 ? mix(row, qRgb(255, 255, 255), 0.45) : row);
    }
    return img;
}

// The picture as a JPEG of the given quality decodes it.
QImage throughJpeg(const QImage& img, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "jpeg", quality);
    return QImage::fromData(bytes, "jpeg").convertToFormat(QImage::Format_RGB32);
}

bool save(const QImage& img, const QString& path, const char* format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(img)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // image format plugins are found through it
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = save(throughJpeg(pageTile(), 95), dir.filePath(QStringLiteral("page_background.png")), "png");
    ok = save(listTile(), dir.filePath(QStringLiteral("list_background.png")), "png") && ok;
    ok = save(aboutStrip(), dir.filePath(QStringLiteral("about_background.png")), "png") && ok;
    return ok ? 0 : 1;
}
