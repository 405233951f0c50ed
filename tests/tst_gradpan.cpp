#include "controls/Gradpan.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

QImage shot(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage& img, int x, int y)
{
    return QColor(img.pixel(x, y));
}

// The header of the main window, as its layout declares it.
void configureHeader(TGradPan& p)
{
    p.resize(508, 31);
    p.setBevelOuter(TGradPan::bvNone);
    p.setCaption(QStringLiteral("Movimento Uniforme"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setFontColor(TColors::clBlue);
    p.setBackGroundEffect(TGradPan::bdUp);
    p.setColorStart(TColors::clWhite);
    p.setColorEnd(0xCFCFCF);
    p.setColorShadow(TColors::clWhite);
}

// Pixels that a text pass covers completely (solid) or at all (touched), found by drawing it alone.
struct Ink
{
    QSet<QPoint> solid;
    QSet<QPoint> touched;
};

Ink inkOf(const QSize& size, const QFont& font, QPoint baseline, const QString& text)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(baseline, text);
    p.end();
    Ink ink;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) == qRgb(0, 0, 0))
                ink.solid.insert(QPoint(x, y));
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                ink.touched.insert(QPoint(x, y));
        }
    }
    return ink;
}

struct Anchor
{
    // x = x0 + xTh * TH + xHalf * (TH div 2); the same for y.
    int x0, xTh, xHalf, y0, yTh, yHalf;
    int mode; // 0 left, 1 right, 2 centre along the run
};

}

Q_DECLARE_METATYPE(Anchor)
Q_DECLARE_METATYPE(TGradPan::TDirection)
Q_DECLARE_METATYPE(TGradPan::TTextEffect)
Q_DECLARE_METATYPE(TGradPan::TTextRotation)
Q_DECLARE_METATYPE(TGradPan::TVertAlign)
Q_DECLARE_METATYPE(TGradPan::HitZone)

class TestGradPan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    }

    void defaults()
    {
        TGradPan p;
        QCOMPARE(p.backGroundEffect(), TGradPan::bdVertIn);
        QCOMPARE(p.textEffect(), TGradPan::teShadow);
        QCOMPARE(p.textRotation(), TGradPan::trNone);
        QCOMPARE(p.vertAlign(), TGradPan::vlCenter);
        QCOMPARE(p.colorEnd(), TColor(0xFFFFFF));
        QCOMPARE(p.colorStart(), TColor(0x808000));
        QCOMPARE(p.colorShadow(), TColor(0x808080));
        QCOMPARE(p.marge(), 6);
        QVERIFY(!p.moveable());
        QCOMPARE(p.bitmap().size(), QSize(50, 50));
        const QImage b = p.bitmap().toImage();
        QCOMPARE(QColor(b.pixel(0, 0)), QColor(Qt::black));
        QCOMPARE(QColor(b.pixel(48, 48)), QColor(Qt::black));
        QCOMPARE(QColor(b.pixel(20, 20)), QColor(Qt::white));
    }

    void mulDiv_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("expected");
        QTest::newRow("1*31/100") << 1 << 31 << 100 << 0;
        QTest::newRow("2*31/100") << 2 << 31 << 100 << 1;
        QTest::newRow("98*31/100") << 98 << 31 << 100 << 30;
        QTest::newRow("99*31/100") << 99 << 31 << 100 << 31;
        QTest::newRow("half rounds up") << 1 << 50 << 100 << 1;
        QTest::newRow("negative half rounds away") << -1 << 50 << 100 << -1;
        QTest::newRow("zero divisor") << 5 << 5 << 0 << -1;
    }
    void mulDiv()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, expected);
        QCOMPARE(TGradPan::mulDiv(a, b, c), expected);
    }

    void ramp_data()
    {
        QTest::addColumn<QColor>("from");
        QTest::addColumn<QColor>("to");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QColor>("expected");
        const QColor white(255, 255, 255), grey(207, 207, 207), black(0, 0, 0);
        QTest::newRow("first is the start") << white << grey << 0 << white;
        QTest::newRow("white to CF, 1") << white << grey << 1 << QColor(254, 254, 254);
        QTest::newRow("white to CF, 98") << white << grey << 98 << QColor(207, 207, 207);
        QTest::newRow("white to CF, 99 short of the end") << white << grey << 99 << QColor(207, 207, 207);
        QTest::newRow("black to white, 99") << black << white << 99 << QColor(252, 252, 252);
        QTest::newRow("black to white, 98") << black << white << 98 << QColor(249, 249, 249);
        QTest::newRow("channels apart") << QColor(0, 100, 200) << QColor(100, 100, 0) << 50
                                        << QColor(50, 100, 100);
    }
    void ramp()
    {
        QFETCH(QColor, from);
        QFETCH(QColor, to);
        QFETCH(int, entry);
        QFETCH(QColor, expected);
        QCOMPARE(QColor(TGradPan::buildRamp(from, to)[entry]), expected);
    }

    void headerRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("row 0 is band 1") << 0 << QColor(254, 254, 254);
        QTest::newRow("row 30 is band 98") << 30 << QColor(207, 207, 207);
    }
    void headerRows()
    {
        QFETCH(int, row);
        QFETCH(QColor, expected);
        TGradPan p;
        configureHeader(p);
        const QImage img = shot(p);
        for (int x : {0, 1, 60, 450, 507})
            QCOMPARE(at(img, x, row), expected);
    }

    void headerCaptionShadowed()
    {
        TGradPan p;
        configureHeader(p);
        const QImage img = shot(p);
        const QFontMetrics fm(p.font());
        const QString text = p.caption();
        const int x = 254 - fm.horizontalAdvance(text) / 2;
        const int y = 15 - fm.height() / 2;
        const Ink blue = inkOf(p.size(), p.font(), QPoint(x, y + fm.ascent()), text);
        const Ink white = inkOf(p.size(), p.font(), QPoint(x + 1, y + 1 + fm.ascent()), text);
        QVERIFY(blue.solid.size() > 100);
        for (const QPoint& pt : blue.solid)
            QCOMPARE(at(img, pt.x(), pt.y()), QColor(0, 0, 255));
        // The shadow shows fully white wherever the blue pass does not touch it.
        int whiteSeen = 0;
        for (const QPoint& pt : white.solid) {
            if (blue.touched.contains(pt))
                continue;
            QCOMPARE(at(img, pt.x(), pt.y()), QColor(255, 255, 255));
            ++whiteSeen;
        }
        QVERIFY(whiteSeen > 20);
        // Nothing else on the header is pure blue: the caption stands where it was expected.
        int pureBlue = 0;
        for (int yy = 0; yy < img.height(); ++yy)
            for (int xx = 0; xx < img.width(); ++xx)
                pureBlue += img.pixel(xx, yy) == qRgb(0, 0, 255);
        QCOMPARE(pureBlue, blue.solid.size());
    }

    void twoSidedColumns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("0") << 0 << QColor(2, 2, 2);
        QTest::newRow("49") << 49 << QColor(252, 252, 252);
        QTest::newRow("50") << 50 << QColor(249, 249, 249);
        QTest::newRow("99") << 99 << QColor(0, 0, 0);
    }
    void twoSidedColumns()
    {
        QFETCH(int, column);
        QFETCH(QColor, expected);
        TGradPan p;
        p.resize(100, 20);
        p.setBevelOuter(TGradPan::bvNone);
        p.setBackGroundEffect(TGradPan::bdVertIn);
        p.setColorStart(TColors::clBlack);
        p.setColorEnd(TColors::clWhite);
        const QImage img = shot(p);
        for (int y : {0, 10, 19})
            QCOMPARE(at(img, column, y), expected);
    }

    void gradientDirections_data()
    {
        QTest::addColumn<TGradPan::TDirection>("effect");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("expected");
        // 100 by 100, black start, white end: every band is one row or column.
        QTest::newRow("up, top") << TGradPan::bdUp << QPoint(50, 0) << QColor(0, 0, 0);
        QTest::newRow("up, bottom") << TGradPan::bdUp << QPoint(50, 99) << QColor(252, 252, 252);
        QTest::newRow("down, top") << TGradPan::bdDown << QPoint(50, 0) << QColor(255, 255, 255);
        QTest::newRow("down, bottom") << TGradPan::bdDown << QPoint(50, 99) << QColor(2, 2, 2);
        QTest::newRow("left, left") << TGradPan::bdLeft << QPoint(0, 50) << QColor(0, 0, 0);
        QTest::newRow("right, right") << TGradPan::bdRight << QPoint(99, 50) << QColor(2, 2, 2);
        QTest::newRow("horz in, middle") << TGradPan::bdHorzIn << QPoint(50, 49) << QColor(252, 252, 252);
        QTest::newRow("horz out, edge") << TGradPan::bdHorzOut << QPoint(50, 99) << QColor(255, 255, 255);
        QTest::newRow("vert out, middle") << TGradPan::bdVertOut << QPoint(49, 50) << QColor(2, 2, 2);
        QTest::newRow("flat") << TGradPan::bdFlat << QPoint(70, 70) << QColor(0, 0, 0);
    }
    void gradientDirections()
    {
        QFETCH(TGradPan::TDirection, effect);
        QFETCH(QPoint, point);
        QFETCH(QColor, expected);
        TGradPan p;
        p.resize(100, 100);
        p.setBevelOuter(TGradPan::bvNone);
        p.setColorStart(TColors::clBlack);
        p.setColorEnd(TColors::clWhite);
        p.setBackGroundEffect(effect);
        QCOMPARE(at(shot(p), point.x(), point.y()), expected);
    }

    void gradientFollowsResize()
    {
        TGradPan p;
        p.setBevelOuter(TGradPan::bvNone);
        p.setBackGroundEffect(TGradPan::bdUp);
        p.setColorStart(TColors::clBlack);
        p.setColorEnd(TColors::clWhite);
        p.resize(10, 100);
        QCOMPARE(at(shot(p), 5, 99), QColor(252, 252, 252));
        p.resize(10, 200);
        // Band 99 now spans rows 198 and 199; the cached picture must not be reused.
        QCOMPARE(at(shot(p), 5, 199), QColor(252, 252, 252));
        QCOMPARE(at(shot(p), 5, 100), QColor(127, 127, 127));
    }

    void tiles()
    {
        TGradPan p;
        p.resize(120, 31);
        p.setBevelOuter(TGradPan::bvNone);
        QImage tile(50, 50, QImage::Format_RGB32);
        tile.fill(QColor(10, 200, 30));
        tile.setPixel(0, 0, qRgb(250, 0, 0));
        tile.setPixel(49, 30, qRgb(0, 0, 250));
        p.setBitmap(QPixmap::fromImage(tile));
        p.setBackGroundEffect(TGradPan::bdTileImage);
        const QImage img = shot(p);
        for (int x : {0, 50, 100})
            QCOMPARE(at(img, x, 0), QColor(250, 0, 0));
        QCOMPARE(at(img, 49, 30), QColor(0, 0, 250));
        QCOMPARE(at(img, 99, 30), QColor(0, 0, 250));
        QCOMPARE(at(img, 119, 30), QColor(10, 200, 30));
    }

    void pictureInsetAndFallback()
    {
        TGradPan p;
        p.resize(60, 40);
        p.setBevelOuter(TGradPan::bvNone);
        p.setColor(0x102030);
        p.setColorStart(0x405060);
        p.setBorderWidth(3);
        p.setCtl3D(true);
        QImage tile(10, 10, QImage::Format_RGB32);
        tile.fill(QColor(200, 0, 200));
        p.setBitmap(QPixmap::fromImage(tile));
        p.setBackGroundEffect(TGradPan::bdTileImage);
        QImage img = shot(p);
        // Inset 2 * BevelWidth + BorderWidth = 5: the ring keeps the panel colour.
        QCOMPARE(at(img, 4, 20), QColor(0x30, 0x20, 0x10));
        QCOMPARE(at(img, 5, 20), QColor(200, 0, 200));
        QCOMPARE(at(img, 59, 39), QColor(200, 0, 200)); // tiles run past the far inset

        p.setBackGroundEffect(TGradPan::bdStretchImage);
        img = shot(p);
        QCOMPARE(at(img, 5, 5), QColor(200, 0, 200));
        QCOMPARE(at(img, 53, 33), QColor(200, 0, 200));
        QCOMPARE(at(img, 54, 20), QColor(0x30, 0x20, 0x10));

        p.setBitmap(QPixmap());
        img = shot(p);
        QCOMPARE(at(img, 1, 1), QColor(0x60, 0x50, 0x40));
        QCOMPARE(at(img, 30, 20), QColor(0x60, 0x50, 0x40));
    }

    void bitmapRepaintsOnlyPictureEffects_data()
    {
        QTest::addColumn<TGradPan::TDirection>("effect");
        QTest::addColumn<bool>("repaints");
        QTest::newRow("tile") << TGradPan::bdTileImage << true;
        QTest::newRow("stretch") << TGradPan::bdStretchImage << true;
        QTest::newRow("up") << TGradPan::bdUp << false;
        QTest::newRow("flat") << TGradPan::bdFlat << false;
    }
    void bitmapRepaintsOnlyPictureEffects()
    {
        QFETCH(TGradPan::TDirection, effect);
        QFETCH(bool, repaints);
        QWidget top;
        top.resize(120, 60);
        auto* p = new TGradPan(&top);
        p->resize(100, 40);
        p->setBackGroundEffect(effect);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        struct Counter : QObject
        {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* e) override
            {
                paints += e->type() == QEvent::Paint;
                return false;
            }
        } counter;
        QCoreApplication::processEvents();
        p->installEventFilter(&counter);
        QImage other(20, 20, QImage::Format_RGB32);
        other.fill(Qt::red);
        p->setBitmap(QPixmap::fromImage(other));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints > 0, repaints);
    }

    void textAnchor_data()
    {
        QTest::addColumn<TGradPan::TTextRotation>("rotation");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<TGradPan::TVertAlign>("vert");
        QTest::addColumn<Anchor>("anchor");
        // A 200 by 60 panel with BorderWidth 0 and BevelWidth 1, so B = 1.
        const int L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
        using T = TGradPan;
        QTest::newRow("none left top") << T::trNone << L << T::vlTop << Anchor{3, 0, 0, 3, 0, 0, 0};
        QTest::newRow("none right centre") << T::trNone << R << T::vlCenter << Anchor{197, 0, 0, 30, 0, -1, 1};
        QTest::newRow("none centre bottom") << T::trNone << C << T::VlBottom << Anchor{100, 0, 0, 58, -1, 0, 2};
        QTest::newRow("up left top") << T::TrUp << L << T::vlTop << Anchor{3, 0, 0, 3, 0, 0, 1};
        QTest::newRow("up right centre") << T::TrUp << R << T::vlCenter << Anchor{198, -1, 0, 30, 0, -1, 2};
        QTest::newRow("up centre bottom") << T::TrUp << C << T::VlBottom << Anchor{100, 0, -1, 58, 0, 0, 0};
        QTest::newRow("down left top") << T::TrDown << L << T::vlTop << Anchor{2, 1, 0, 2, 0, 0, 0};
        QTest::newRow("down right centre") << T::TrDown << R << T::vlCenter << Anchor{197, 0, 0, 30, 0, -1, 2};
        QTest::newRow("down centre bottom") << T::TrDown << C << T::VlBottom << Anchor{100, 0, 1, 57, 0, 0, 1};
    }
    void textAnchor()
    {
        QFETCH(TGradPan::TTextRotation, rotation);
        QFETCH(int, alignment);
        QFETCH(TGradPan::TVertAlign, vert);
        QFETCH(Anchor, anchor);
        TGradPan p;
        p.resize(200, 60);
        p.setBevelOuter(TGradPan::bvNone);
        p.setBackGroundEffect(TGradPan::bdFlat);
        p.setColorStart(0xC8C8C8);
        p.setTextEffect(TGradPan::teShadow);
        p.setColorShadow(TColors::clRed);
        p.setFontColor(TColors::clNavy);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(14);
        p.setFont(f);
        p.setCaption(QStringLiteral("Vel"));
        p.setTextRotation(rotation);
        p.setAlignment(Qt::Alignment(alignment));
        p.setVertAlign(vert);

        const QFontMetrics fm(f);
        const int th = fm.height();
        const int x = anchor.x0 + anchor.xTh * th + anchor.xHalf * (th / 2);
        const int y = anchor.y0 + anchor.yTh * th + anchor.yHalf * (th / 2);
        const int adv = fm.horizontalAdvance(p.caption());
        const int run = anchor.mode == 0 ? 0 : anchor.mode == 1 ? -adv : -(adv / 2);
        const qreal angle = rotation == TGradPan::TrUp ? -90 : rotation == TGradPan::TrDown ? 90 : 0;

        QPixmap ref(p.size());
        ref.fill(QColor(200, 200, 200));
        {
            QPainter rp(&ref);
            rp.setFont(f);
            for (const auto& [dx, colour] : {std::pair{1, QColor(255, 0, 0)}, std::pair{0, QColor(0, 0, 128)}}) {
                rp.save();
                rp.setPen(colour);
                rp.translate(x + dx, y + dx);
                rp.rotate(angle);
                rp.drawText(QPoint(run, fm.ascent()), p.caption());
                rp.restore();
            }
        }
        QCOMPARE(shot(p), ref.toImage().convertToFormat(QImage::Format_RGB32));
    }

    void textEffects_data()
    {
        QTest::addColumn<TGradPan::TTextEffect>("effect");
        QTest::addColumn<QList<QPoint>>("shadowPasses");
        QTest::addColumn<QList<QPoint>>("blackPasses");
        QTest::newRow("shadow") << TGradPan::teShadow << QList<QPoint>{{1, 1}} << QList<QPoint>{};
        QTest::newRow("raised") << TGradPan::teRaised << QList<QPoint>{{-1, 0}, {0, -1}}
                                << QList<QPoint>{{1, 0}, {0, 1}};
        QTest::newRow("lowered") << TGradPan::teLowered << QList<QPoint>{{1, 0}, {0, 1}}
                                 << QList<QPoint>{{-1, 0}, {0, -1}};
        QTest::newRow("embossed") << TGradPan::teEmbossed
                                  << QList<QPoint>{{-1, 0}, {1, 0}, {0, -1}, {0, 1}} << QList<QPoint>{};
        QTest::newRow("none") << TGradPan::tenone << QList<QPoint>{} << QList<QPoint>{};
    }
    void textEffects()
    {
        QFETCH(TGradPan::TTextEffect, effect);
        QFETCH(QList<QPoint>, shadowPasses);
        QFETCH(QList<QPoint>, blackPasses);
        TGradPan p;
        p.resize(120, 40);
        p.setBevelOuter(TGradPan::bvNone);
        p.setBackGroundEffect(TGradPan::bdFlat);
        p.setColorStart(0xC8C8C8);
        p.setColorShadow(TColors::clWhite);
        p.setFontColor(TColors::clBlue);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.setCaption(QStringLiteral("Hx"));
        p.setTextEffect(effect);
        const QFontMetrics fm(f);
        const QPoint base(60 - fm.horizontalAdvance(p.caption()) / 2, 20 - fm.height() / 2 + fm.ascent());
        QPixmap ref(p.size());
        ref.fill(QColor(200, 200, 200));
        {
            QPainter rp(&ref);
            rp.setFont(f);
            rp.setPen(Qt::white);
            for (const QPoint& d : shadowPasses)
                rp.drawText(base + d, p.caption());
            rp.setPen(Qt::black);
            for (const QPoint& d : blackPasses)
                rp.drawText(base + d, p.caption());
            rp.setPen(Qt::blue);
            rp.drawText(base, p.caption());
        }
        QCOMPARE(shot(p), ref.toImage().convertToFormat(QImage::Format_RGB32));
    }

    void longRotatedCaptionIsWhole()
    {
        TGradPan p;
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(10);
        p.setFont(f);
        const QString text(300, QLatin1Char('I'));
        const QFontMetrics fm(f);
        const int full = fm.horizontalAdvance(text);
        const int cut = fm.horizontalAdvance(text.left(255));
        p.resize(40, full + 20);
        p.setBevelOuter(TGradPan::bvNone);
        p.setBackGroundEffect(TGradPan::bdFlat);
        p.setColorStart(TColors::clWhite);
        p.setFontColor(TColors::clBlack);
        p.setTextEffect(TGradPan::tenone);
        p.setTextRotation(TGradPan::TrDown);
        p.setVertAlign(TGradPan::vlTop);
        p.setAlignment(Qt::AlignLeft);
        p.setCaption(text);
        const QImage img = shot(p);
        int lastInkRow = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    lastInkRow = y;
        QVERIFY2(lastInkRow > cut + 10, qPrintable(QString::number(lastInkRow)));
        QVERIFY(lastInkRow <= full + 2);
    }

    void bevels_data()
    {
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<int>("bevelWidth");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<bool>("ctl3D");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("expected");
        const QColor white(255, 255, 255), grey(128, 128, 128), bg(10, 20, 30), face(0x33, 0x22, 0x11);
        using T = TGradPan;
        QTest::newRow("raised top-left") << int(T::bvRaised) << int(T::bvNone) << 1 << 0 << false << QPoint(0, 0) << white;
        QTest::newRow("raised top-right corner") << int(T::bvRaised) << int(T::bvNone) << 1 << 0 << false << QPoint(19, 0) << white;
        QTest::newRow("raised right") << int(T::bvRaised) << int(T::bvNone) << 1 << 0 << false << QPoint(19, 1) << grey;
        QTest::newRow("raised bottom-left") << int(T::bvRaised) << int(T::bvNone) << 1 << 0 << false << QPoint(0, 9) << grey;
        QTest::newRow("raised inside") << int(T::bvRaised) << int(T::bvNone) << 1 << 0 << false << QPoint(1, 1) << bg;
        QTest::newRow("lowered top") << int(T::bvLowered) << int(T::bvNone) << 1 << 0 << false << QPoint(5, 0) << grey;
        QTest::newRow("second ring") << int(T::bvRaised) << int(T::bvNone) << 2 << 0 << false << QPoint(1, 5) << white;
        QTest::newRow("second ring bottom") << int(T::bvRaised) << int(T::bvNone) << 2 << 0 << false << QPoint(5, 8) << grey;
        QTest::newRow("inner without outer") << int(T::bvNone) << int(T::bvLowered) << 1 << 0 << false << QPoint(1, 5) << grey;
        QTest::newRow("inner bottom") << int(T::bvNone) << int(T::bvLowered) << 1 << 0 << false << QPoint(5, 8) << white;
        QTest::newRow("inner leaves edge") << int(T::bvNone) << int(T::bvLowered) << 1 << 0 << false << QPoint(0, 5) << bg;
        QTest::newRow("border frame") << int(T::bvNone) << int(T::bvRaised) << 1 << 2 << true << QPoint(1, 5) << face;
        QTest::newRow("border frame 2") << int(T::bvNone) << int(T::bvRaised) << 1 << 2 << true << QPoint(2, 5) << face;
        QTest::newRow("inner after border") << int(T::bvNone) << int(T::bvRaised) << 1 << 2 << true << QPoint(3, 5) << white;
        QTest::newRow("no frame without Ctl3D") << int(T::bvNone) << int(T::bvRaised) << 1 << 2 << false << QPoint(1, 5) << bg;
    }
    void bevels()
    {
        QFETCH(int, outer);
        QFETCH(int, inner);
        QFETCH(int, bevelWidth);
        QFETCH(int, borderWidth);
        QFETCH(bool, ctl3D);
        QFETCH(QPoint, point);
        QFETCH(QColor, expected);
        TGradPan p;
        p.resize(20, 10);
        p.setBackGroundEffect(TGradPan::bdFlat);
        p.setColorStart(0x1E140A);
        p.setColor(0x112233);
        p.setBevelOuter(TGradPan::TBevelCut(outer));
        p.setBevelInner(TGradPan::TBevelCut(inner));
        p.setBevelWidth(bevelWidth);
        p.setBorderWidth(borderWidth);
        p.setCtl3D(ctl3D);
        QCOMPARE(at(shot(p), point.x(), point.y()), expected);
    }

    void hitTest_data()
    {
        QTest::addColumn<bool>("moveable");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<TGradPan::HitZone>("zone");
        using T = TGradPan;
        QTest::newRow("top-left corner") << true << QPoint(5, 5) << T::HTTOPLEFT;
        QTest::newRow("caption") << true << QPoint(6, 6) << T::HTCAPTION;
        QTest::newRow("right edge") << true << QPoint(95, 50) << T::HTRIGHT;
        QTest::newRow("bottom-right corner") << true << QPoint(95, 95) << T::HTBOTTOMRIGHT;
        QTest::newRow("bottom-left corner") << true << QPoint(2, 97) << T::HTBOTTOMLEFT;
        QTest::newRow("left edge") << true << QPoint(0, 50) << T::HTLEFT;
        QTest::newRow("top-right corner") << true << QPoint(99, 0) << T::HTTOPRIGHT;
        QTest::newRow("top edge") << true << QPoint(50, 5) << T::HTTOP;
        QTest::newRow("bottom edge") << true << QPoint(50, 95) << T::HTBOTTOM;
        QTest::newRow("not moveable") << false << QPoint(5, 5) << T::HTNOWHERE;
    }
    void hitTest()
    {
        QFETCH(bool, moveable);
        QFETCH(QPoint, point);
        QFETCH(TGradPan::HitZone, zone);
        TGradPan p;
        p.resize(100, 100);
        p.setMoveable(moveable);
        QCOMPARE(p.hitTest(point), zone);
    }

    void dragMovesAndResizes_data()
    {
        QTest::addColumn<bool>("moveable");
        QTest::addColumn<QPoint>("grab");
        QTest::addColumn<QRect>("expected");
        // A 100 by 100 panel at (50, 50), dragged by (10, 20).
        QTest::newRow("caption moves") << true << QPoint(50, 50) << QRect(60, 70, 100, 100);
        QTest::newRow("right edge widens") << true << QPoint(97, 50) << QRect(50, 50, 110, 100);
        QTest::newRow("top-left resizes") << true << QPoint(2, 2) << QRect(60, 70, 90, 80);
        QTest::newRow("bottom edge") << true << QPoint(50, 98) << QRect(50, 50, 100, 120);
        QTest::newRow("fixed panel stays") << false << QPoint(50, 50) << QRect(50, 50, 100, 100);
    }
    void dragMovesAndResizes()
    {
        QFETCH(bool, moveable);
        QFETCH(QPoint, grab);
        QFETCH(QRect, expected);
        QWidget top;
        top.resize(400, 400);
        auto* p = new TGradPan(&top);
        p->setGeometry(50, 50, 100, 100);
        p->setMoveable(moveable);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QCoreApplication::processEvents();
        QSignalSpy moved(p, &TGradPan::panelMoved);
        const QPoint global = p->mapToGlobal(grab);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(grab), QPointF(global), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p, &press);
        const QPoint to = global + QPoint(10, 20);
        QMouseEvent move(QEvent::MouseMove, QPointF(p->mapFromGlobal(to)), QPointF(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(p->mapFromGlobal(to)), QPointF(to),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p, &release);
        QCOMPARE(p->geometry(), expected);
        const bool shouldMove = expected.topLeft() != QPoint(50, 50);
        QCOMPARE(!moved.isEmpty(), shouldMove);
        if (shouldMove)
            QCOMPARE(moved.first().first().value<TGradPan*>(), p);
    }
};

QTEST_MAIN(TestGradPan)
#include "tst_gradpan.moc"
