// Draws the small signs the formulas and rows use (delta, pi, square root, ohm, sigma),
// the area icons of the topic lists and the About window's logo.
// Usage: draw_signs <directory>   (layout/pictures)
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor red(255, 0, 0);
const QColor navy(0, 0, 128);

QString g_dir;

void save(const char* name, int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    const QString path = g_dir + QLatin1Char('/') + QLatin1String(name);
    if (!img.save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

QPen stroke(const QColor& c, qreal width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// An upright triangle outline, as the capital delta of the formulas.
void delta(QPainter& p, const QColor& c, int w, int h)
{
    QPainterPath path;
    path.moveTo(w / 2.0, 1.5);
    path.lineTo(w - 1.5, h - 1.5);
    path.lineTo(1.5, h - 1.5);
    path.closeSubpath();
    p.setPen(stroke(c, 2.0));
    p.drawPath(path);
}

void pi(QPainter& p, const QColor& c)
{
    p.setPen(stroke(c, 2.0));
    p.drawLine(QPointF(1.5, 4.5), QPointF(13.5, 4.0));
    QPainterPath left;
    left.moveTo(5.0, 4.5);
    left.cubicTo(5.0, 9.0, 4.0, 12.0, 2.5, 14.0);
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(10.0, 4.3);
    right.cubicTo(9.6, 9.0, 10.0, 13.5, 13.0, 13.5);
    p.drawPath(right);
}

void icon(const char* name, const QColor& base, const std::function<void(QPainter&)>& symbol)
{
    save(name, 16, 16, [&](QPainter& p) {
        QRadialGradient g(QPointF(5.5, 4.5), 12);
        g.setColorAt(0, base.lighter(170));
        g.setColorAt(1, base);
        p.setPen(QPen(base.darker(160), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setPen(stroke(Qt::white, 1.4));
        p.setBrush(Qt::NoBrush);
        symbol(p);
    });
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <pictures directory>\n", argv[0]);
        return 2;
    }
    g_dir = QString::fromLocal8Bit(argv[1]);

    save("delta_red.png", 15, 14, [](QPainter& p) { delta(p, red, 15, 14); });
    save("delta_blue.png", 15, 16, [](QPainter& p) { delta(p, navy, 15, 16); });
    save("pi_red.png", 15, 16, [](QPainter& p) { pi(p, red); });
    save("pi_blue.png", 15, 16, [](QPainter& p) { pi(p, navy); });
    save("sqrt_red.png", 20, 26, [](QPainter& p) {
        p.setPen(stroke(red, 2.0));
        QPainterPath path;
        path.moveTo(1.5, 15.0);
        path.lineTo(4.5, 13.0);
        path.lineTo(9.0, 24.0);
        path.lineTo(14.5, 1.5);
        path.lineTo(19.5, 1.5);
        p.drawPath(path);
    });
    save("ohm.png", 14, 12, [](QPainter& p) {
        p.setPen(stroke(navy, 1.6));
        QPainterPath path;
        path.moveTo(1.0, 11.0);
        path.lineTo(4.5, 11.0);
        path.lineTo(4.5, 9.5);
        path.arcTo(QRectF(1.8, 1.0, 10.4, 9.0), 235, -290);
        path.lineTo(9.5, 11.0);
        path.lineTo(13.0, 11.0);
        p.drawPath(path);
    });
    save("sigma.png", 11, 15, [](QPainter& p) {
        p.setPen(stroke(red, 1.8));
        QPainterPath path;
        path.moveTo(10.0, 3.0);
        path.lineTo(10.0, 1.2);
        path.lineTo(1.2, 1.2);
        path.lineTo(6.0, 7.5);
        path.lineTo(1.2, 13.8);
        path.lineTo(10.0, 13.8);
        path.lineTo(10.0, 12.0);
        p.drawPath(path);
    });

    // Area icons: a sign of each subject on a glossy disc.
    icon("icon_cinematica.png", QColor(30, 110, 210), [](QPainter& p) {
        p.drawLine(QPointF(3.5, 8), QPointF(12, 8));
        p.drawLine(QPointF(9, 5.2), QPointF(12, 8));
        p.drawLine(QPointF(9, 10.8), QPointF(12, 8));
    });
    icon("icon_dinamica.png", QColor(200, 60, 40), [](QPainter& p) {
        p.drawRect(QRectF(3.5, 6.5, 5, 5));
        p.drawLine(QPointF(9, 9), QPointF(13, 9));
        p.drawLine(QPointF(11, 7.3), QPointF(13, 9));
        p.drawLine(QPointF(11, 10.7), QPointF(13, 9));
    });
    icon("icon_hidrostatica.png", QColor(20, 140, 200), [](QPainter& p) {
        QPainterPath drop;
        drop.moveTo(8, 3);
        drop.cubicTo(10.5, 7, 12, 9, 12, 10.5);
        drop.cubicTo(12, 13, 10, 13.5, 8, 13.5);
        drop.cubicTo(6, 13.5, 4, 13, 4, 10.5);
        drop.cubicTo(4, 9, 5.5, 7, 8, 3);
        p.drawPath(drop);
    });
    icon("icon_termologia.png", QColor(220, 90, 20), [](QPainter& p) {
        p.drawLine(QPointF(8, 3.5), QPointF(8, 9.5));
        p.drawEllipse(QRectF(6, 9.5, 4, 4));
        p.drawLine(QPointF(9.5, 5), QPointF(11, 5));
        p.drawLine(QPointF(9.5, 7), QPointF(11, 7));
    });
    icon("icon_optica.png", QColor(120, 60, 190), [](QPainter& p) {
        p.drawEllipse(QRectF(6.2, 3, 3.6, 10));
        p.drawLine(QPointF(2.5, 8), QPointF(6, 8));
        p.drawLine(QPointF(10, 8), QPointF(13.5, 6));
    });
    icon("icon_eletrostatica.png", QColor(200, 160, 0), [](QPainter& p) {
        p.drawLine(QPointF(4, 8), QPointF(8, 8));
        p.drawLine(QPointF(6, 6), QPointF(6, 10));
        p.drawLine(QPointF(9.5, 8), QPointF(12.5, 8));
    });
    icon("icon_eletrodinamica.png", QColor(40, 150, 70), [](QPainter& p) {
        QPainterPath bolt;
        bolt.moveTo(9.5, 2.8);
        bolt.lineTo(5.5, 8.8);
        bolt.lineTo(8.5, 8.8);
        bolt.lineTo(6.5, 13.2);
        bolt.lineTo(11, 7);
        bolt.lineTo(8, 7);
        bolt.closeSubpath();
        p.drawPath(bolt);
    });
    icon("icon_ondas.png", QColor(0, 150, 160), [](QPainter& p) {
        QPainterPath wave;
        wave.moveTo(2.5, 8);
        for (int i = 1; i <= 22; ++i) {
            const qreal x = 2.5 + i * 0.5;
            wave.lineTo(x, 8 - 3 * std::sin((x - 2.5) * 3.14159 / 2.75));
        }
        p.drawPath(wave);
    });

    // About window logo: an atom over the initials of the program.
    save("about_logo.png", 103, 67, [](QPainter& p) {
        const QPointF c(34, 33);
        p.setPen(QPen(QColor(20, 70, 170), 2.2));
        p.setBrush(Qt::NoBrush);
        for (int angle : {0, 60, 120}) {
            p.save();
            p.translate(c);
            p.rotate(angle);
            p.drawEllipse(QRectF(-30, -10, 60, 20));
            p.restore();
        }
        QRadialGradient nucleus(c - QPointF(2, 2), 8);
        nucleus.setColorAt(0, QColor(255, 200, 120));
        nucleus.setColorAt(1, QColor(220, 60, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(nucleus);
        p.drawEllipse(c, 6.5, 6.5);
        p.setBrush(QColor(250, 180, 30));
        for (const QPointF e : {QPointF(64, 33), QPointF(19, 7), QPointF(19, 59)})
            p.drawEllipse(e, 3.5, 3.5);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(30);
        f.setBold(true);
        p.setFont(f);
        QLinearGradient letters(0, 10, 0, 60);
        letters.setColorAt(0, QColor(230, 40, 40));
        letters.setColorAt(1, QColor(140, 0, 0));
        p.setPen(QPen(QBrush(letters), 1));
        p.drawText(QRectF(60, 10, 43, 50), Qt::AlignCenter, QStringLiteral("V"));
    });
    return 0;
}
