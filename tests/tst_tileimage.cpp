#include "controls/TileImage.h"

#include <QImageReader>
#include <QPainter>
#include <QtTest>

namespace {

const QRgb fillRgb = qRgb(90, 160, 90);
const QRgb cornerRgb = qRgb(250, 0, 0);
const QRgb farCornerRgb = qRgb(0, 0, 250);
const QRgb backgroundRgb = qRgb(17, 34, 51);

// A picture with its two corners marked, so every drawn copy can be found.
QPixmap marked(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fillRgb);
    img.setPixel(0, 0, cornerRgb);
    img.setPixel(w - 1, h - 1, farCornerRgb);
    return QPixmap::fromImage(img);
}

// The control on a parent of a known colour, grabbed through the parent so that what
// shows behind the picture is the parent's background.
QImage shotOn(TTileImage& t)
{
    return t.parentWidget()->grab(t.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

struct Host
{
    QWidget parent;
    TTileImage* image;
    explicit Host(QSize size)
    {
        parent.resize(size + QSize(20, 20));
        QPalette pal;
        pal.setColor(QPalette::Window, QColor(backgroundRgb));
        parent.setPalette(pal);
        parent.setAutoFillBackground(true);
        image = new TTileImage(&parent);
        image->setGeometry(QRect(QPoint(0, 0), size));
    }
};

QList<QPoint> find(const QImage& img, QRgb colour)
{
    QList<QPoint> found;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == colour)
                found.append(QPoint(x, y));
    return found;
}

}

class TestTileImage : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        TTileImage t;
        QCOMPARE(t.size(), QSize(105, 105));
        QVERIFY(!t.tileImage());
        QVERIFY(!t.autoSize());
        QVERIFY(!t.center());
        QVERIFY(!t.stretch());
        QVERIFY(!t.transparent());
        QCOMPARE(t.align(), TTileImage::alNone);
    }

    void tilesFromTopLeft_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::newRow("plain") << false << false;
        QTest::newRow("stretch ignored") << true << false;
        QTest::newRow("center ignored") << false << true;
    }
    void tilesFromTopLeft()
    {
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        Host host(QSize(541, 329));
        host.image->setPicture(marked(125, 26));
        host.image->setStretch(stretch);
        host.image->setCenter(center);
        host.image->setTileImage(true);
        const QImage img = shotOn(*host.image);
        QList<QPoint> expected;
        for (int y = 0; y <= 312; y += 26)
            for (int x = 0; x <= 500; x += 125)
                expected.append(QPoint(x, y));
        QCOMPARE(expected.size(), 5 * 13);
        QCOMPARE(find(img, cornerRgb), expected);
        // The far corners of the last column and row fall outside: only 4 by 12 are whole.
        QCOMPARE(find(img, farCornerRgb).size(), 4 * 12);
        QCOMPARE(img.pixel(540, 328), fillRgb);
    }

    void placement_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("plain at the top-left") << false << false << QRect(0, 0, 50, 20);
        QTest::newRow("centred") << false << true << QRect(27, 42, 50, 20);
        QTest::newRow("stretched") << true << false << QRect(0, 0, 105, 105);
        QTest::newRow("stretch wins over centre") << true << true << QRect(0, 0, 105, 105);
    }
    void placement()
    {
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        QFETCH(QRect, expected);
        Host host(QSize(105, 105));
        host.image->setPicture(marked(50, 20));
        host.image->setStretch(stretch);
        host.image->setCenter(center);
        QCOMPARE(host.image->destRect(), expected);
        const QImage img = shotOn(*host.image);
        QCOMPARE(img.pixel(expected.topLeft()), cornerRgb);
        QCOMPARE(img.pixel(expected.bottomRight()), farCornerRgb);
        if (expected.left() > 0)
            QCOMPARE(img.pixel(expected.left() - 1, expected.top()), backgroundRgb);
        if (expected.right() < 104)
            QCOMPARE(img.pixel(expected.right() + 1, expected.bottom()), backgroundRgb);
    }

    void emptyPictureDrawsNothing_data()
    {
        QTest::addColumn<bool>("tile");
        QTest::newRow("tiling") << true;
        QTest::newRow("plain") << false;
    }
    void emptyPictureDrawsNothing()
    {
        QFETCH(bool, tile);
        Host host(QSize(60, 40));
        host.image->setTileImage(tile);
        host.image->setPicture(QPixmap(0, 10));
        const QImage img = shotOn(*host.image);
        QCOMPARE(find(img, backgroundRgb).size(), 60 * 40);
        QVERIFY(!host.image->testAttribute(Qt::WA_OpaquePaintEvent));
    }

    void autoSizeKeepsPosition()
    {
        Host host(QSize(105, 105));
        host.image->move(7, 9);
        host.image->setAutoSize(true);
        host.image->setPicture(marked(50, 20));
        QCOMPARE(host.image->geometry(), QRect(7, 9, 50, 20));
    }

    void transparentLeavesOutBottomLeftColour()
    {
        Host host(QSize(50, 20));
        QImage pic(50, 20, QImage::Format_RGB32);
        pic.fill(qRgb(0, 255, 0)); // the key colour, as at the bottom-left
        pic.setPixel(10, 5, qRgb(200, 0, 0));
        host.image->setPicture(QPixmap::fromImage(pic));
        QCOMPARE(shotOn(*host.image).pixel(30, 10), qRgb(0, 255, 0));
        host.image->setTransparent(true);
        const QImage img = shotOn(*host.image);
        QCOMPARE(img.pixel(30, 10), backgroundRgb);
        QCOMPARE(img.pixel(10, 5), qRgb(200, 0, 0));
    }

    void opaqueRule_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("control");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("covers") << QSize(60, 40) << QSize(60, 40) << false << false << true;
        QTest::newRow("smaller") << QSize(50, 40) << QSize(60, 40) << false << false << false;
        QTest::newRow("smaller, stretched") << QSize(5, 4) << QSize(60, 40) << true << false << true;
        QTest::newRow("covers, transparent") << QSize(60, 40) << QSize(60, 40) << false << true << false;
        QTest::newRow("no picture") << QSize(0, 0) << QSize(60, 40) << true << false << false;
    }
    void opaqueRule()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, control);
        QFETCH(bool, stretch);
        QFETCH(bool, transparent);
        QFETCH(bool, opaque);
        Host host(control);
        host.image->setStretch(stretch);
        host.image->setTransparent(transparent);
        host.image->setPicture(picture.isEmpty() ? QPixmap() : marked(picture.width(), picture.height()));
        QCOMPARE(host.image->testAttribute(Qt::WA_OpaquePaintEvent), opaque);
    }

    void clientAlignFollowsParent()
    {
        QWidget parent;
        parent.resize(200, 100);
        auto* below = new QWidget(&parent);
        auto* t = new TTileImage(&parent);
        t->setAlign(TTileImage::alClient);
        QCOMPARE(t->geometry(), QRect(0, 0, 200, 100));
        parent.show(); // a hidden widget hears of its resizes only when shown
        parent.resize(541, 329);
        QCOMPARE(t->geometry(), QRect(0, 0, 541, 329));
        // The background stays beneath the parent's other controls.
        QCOMPARE(parent.children().indexOf(t), 0);
        QVERIFY(parent.children().indexOf(below) > 0);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maxColours");
        QTest::newRow("page") << ":/pictures/page_background.png" << QByteArray("png") << QSize(125, 26) << 0;
        QTest::newRow("list") << ":/pictures/list_background.png" << QByteArray("png") << QSize(128, 128) << 256;
        QTest::newRow("about") << ":/pictures/about_background.png" << QByteArray("png") << QSize(11, 339) << 0;
    }
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(int, maxColours);
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(img.size(), size);
        if (maxColours > 0) {
            QCOMPARE(img.format(), QImage::Format_Indexed8);
            QVERIFY(img.colorCount() <= maxColours);
        }
        // Light enough that navy and red text stays readable on every pixel.
        int darkest = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                darkest = qMin(darkest, qGray(img.pixel(x, y)));
        QVERIFY2(darkest >= 200, qPrintable(QString::number(darkest)));
    }
};

QTEST_MAIN(TestTileImage)
#include "tst_tileimage.moc"
