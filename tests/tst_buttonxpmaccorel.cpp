#include "controls/ButtonXPMACCorel.h"
#include "controls/TColor.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

using Button = TButtonXPMACCorel;

QColor at(const QImage& image, int x, int y)
{
    return QColor::fromRgb(image.pixel(x, y) | 0xFF000000u);
}

QColor systemColour(TColor c)
{
    return TColors::toQColor(c);
}

// A topic list with one topic button, a field and a second push button.
struct List
{
    QWidget window;
    Button* button;
    QLineEdit* field;
    QPushButton* other;

    explicit List(QSize size = QSize(164, 25), Button::TSkinGlyph skin = Button::sMac)
    {
        window.resize(400, 200);
        button = new Button(&window);
        button->setGeometry(QRect(QPoint(10, 10), size));
        button->setSkinGlyph(skin);
        button->setGlyphKind(Button::glNone);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        font.setBold(true);
        // Aliased text keeps the caption's pixels in exact colours.
        font.setStyleStrategy(QFont::NoAntialias);
        button->setFont(font);
        button->setText(QStringLiteral("Movimento Uniforme"));
        field = new QLineEdit(&window);
        field->setGeometry(10, 100, 100, 22);
        other = new QPushButton(QStringLiteral("Outro"), &window);
        other->setGeometry(200, 100, 80, 25);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        pointAway();
    }

    void pointAway() { QCursor::setPos(window.mapToGlobal(QPoint(300, 180))); }
    // The toolkit learns of the move through its events, as it would from a mouse.
    void pointAtButton()
    {
        QCursor::setPos(button->mapToGlobal(QPoint(20, 10)));
        QCoreApplication::processEvents();
    }
    QImage shot() const { return button->grab().toImage(); }
};

// The cell whose opaque corner pixels the button shows in all four corners,
// each 10 by 7 and unstretched; -1 when none matches.
int cellShown(const QImage& shot, Button::TSkinGlyph skin)
{
    const QImage picture = Button::skinPicture(skin);
    const int cw = picture.width() / 5;
    const int ch = picture.height();
    const int c = cw / 3;
    const int d = ch / 3;
    const int W = shot.width();
    const int H = shot.height();
    for (int cell = 0; cell < 5; ++cell) {
        bool same = true;
        for (int y = 0; y < d && same; ++y) {
            for (int x = 0; x < c && same; ++x) {
                const QPoint src[4] = {{cell * cw + x, y}, {cell * cw + cw - c + x, y},
                                       {cell * cw + x, ch - d + y}, {cell * cw + cw - c + x, ch - d + y}};
                const QPoint dst[4] = {{x, y}, {W - c + x, y}, {x, H - d + y}, {W - c + x, H - d + y}};
                for (int i = 0; i < 4 && same; ++i) {
                    const QRgb s = picture.pixel(src[i]);
                    if (qAlpha(s) == 255)
                        same = at(shot, dst[i].x(), dst[i].y()) == QColor::fromRgb(s);
                }
            }
        }
        if (same)
            return cell;
    }
    return -1;
}

// The caption's pixels: where the button differs from itself drawn without caption.
QHash<QPoint, QColor> captionPixels(Button* button)
{
    const QImage with = button->grab().toImage();
    const QString text = button->text();
    button->setText(QString());
    const QImage without = button->grab().toImage();
    button->setText(text);
    QHash<QPoint, QColor> pixels;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                pixels.insert(QPoint(x, y), at(with, x, y));
    return pixels;
}

QRect boundsOf(const QHash<QPoint, QColor>& pixels, const QColor& colour = QColor())
{
    QRect r;
    for (auto it = pixels.cbegin(); it != pixels.cend(); ++it)
        if (!colour.isValid() || it.value() == colour)
            r |= QRect(it.key(), QSize(1, 1));
    return r;
}

QRect boundsOf(const QImage& image, const QColor& colour)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == colour)
                r |= QRect(x, y, 1, 1);
    return r;
}

}

class TstButtonXPMACCorel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void skinPictures_data();
    void skinPictures();
    void cellForState_data();
    void cellForState();
    void modalWindowPutsHoverOut();
    void cornersUnstretched_data();
    void cornersUnstretched();
    void captionCentredInButtonText();
    void pressedMovesCaption();
    void disabledCaptionEmbossed();
    void glyphAndCaptionCentredAsBlock_data();
    void glyphAndCaptionCentredAsBlock();
    void glyphWidth_data();
    void glyphWidth();
    void doubleClickIsSecondPress();
    void corelDrawsBevelsNotPicture();
};

void TstButtonXPMACCorel::initTestCase()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

void TstButtonXPMACCorel::skinPictures_data()
{
    QTest::addColumn<int>("skin");
    QTest::addColumn<QSize>("size");

    QTest::newRow("WinXP") << int(Button::sWinXP) << QSize(160, 21);
    QTest::newRow("AquaMac") << int(Button::sMac) << QSize(155, 23);
    QTest::newRow("Corel loads the WinXP picture") << int(Button::sCorel) << QSize(160, 21);
}

void TstButtonXPMACCorel::skinPictures()
{
    QFETCH(int, skin);
    QFETCH(QSize, size);

    const QImage once = Button::skinPicture(Button::TSkinGlyph(skin));
    QCOMPARE(once.size(), size);
    // Magenta corners are transparent, the middle of every cell is not.
    QCOMPARE(qAlpha(once.pixel(0, 0)), 0);
    for (int cell = 0; cell < 5; ++cell)
        QCOMPARE(qAlpha(once.pixel(cell * size.width() / 5 + size.width() / 10, size.height() / 2)), 255);

    const QImage twice = Button::skinPicture(Button::TSkinGlyph(skin), 2.0);
    QCOMPARE(twice.size(), size * 2);
    QCOMPARE(twice.devicePixelRatio(), 2.0);
}

void TstButtonXPMACCorel::cellForState_data()
{
    QTest::addColumn<bool>("hot");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<int>("cell");

    QTest::newRow("normal") << false << false << true << "field" << false << 0;
    QTest::newRow("pressed") << false << true << true << "field" << false << 1;
    QTest::newRow("disabled") << false << false << false << "field" << false << 2;
    QTest::newRow("hot") << true << false << true << "field" << false << 3;
    QTest::newRow("focused") << false << false << true << "button" << false << 4;
    QTest::newRow("default, field focused") << false << false << true << "field" << true << 4;
    QTest::newRow("default, other button focused") << false << false << true << "other" << true << 0;
    QTest::newRow("pressed beats hot") << true << true << true << "field" << false << 1;
    QTest::newRow("hot beats focused") << true << false << true << "button" << false << 3;
    QTest::newRow("disabled beats all") << true << true << false << "field" << true << 2;
}

void TstButtonXPMACCorel::cellForState()
{
    QFETCH(bool, hot);
    QFETCH(bool, pressed);
    QFETCH(bool, enabled);
    QFETCH(QString, focus);
    QFETCH(bool, isDefault);
    QFETCH(int, cell);

    List list;
    list.button->setDefault(isDefault);
    QWidget* focused = focus == "button" ? static_cast<QWidget*>(list.button)
                       : focus == "other" ? static_cast<QWidget*>(list.other)
                                          : static_cast<QWidget*>(list.field);
    focused->setFocus();
    QCOMPARE(QApplication::focusWidget(), focused);
    list.button->setDown(pressed);
    list.button->setEnabled(enabled);
    if (hot)
        list.pointAtButton();

    QCOMPARE(cellShown(list.shot(), Button::sMac), cell);
    QCOMPARE(list.button->mouseOver(), hot);
}

// A modal window opened while the pointer rests on a button leaves it unlit, with no
// Leave needed and nothing else drawing it again.
void TstButtonXPMACCorel::modalWindowPutsHoverOut()
{
    List list;
    list.pointAtButton();
    QTRY_VERIFY(list.button->mouseOver());
    QDialog about(&list.window);
    about.setGeometry(QRect(list.window.mapToGlobal(QPoint(260, 150)), QSize(60, 40)));
    about.setModal(true);
    about.show();
    QTRY_VERIFY(!list.button->mouseOver());
}

void TstButtonXPMACCorel::cornersUnstretched_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("skin");

    QTest::newRow("wide topic") << QSize(164, 25) << int(Button::sMac);
    QTest::newRow("narrow topic") << QSize(148, 25) << int(Button::sMac);
    QTest::newRow("area button") << QSize(49, 29) << int(Button::sMac);
    QTest::newRow("About OK") << QSize(76, 29) << int(Button::sWinXP);
    // Buttons of one size share a face only within a skin.
    QTest::newRow("About OK size, Mac skin") << QSize(76, 29) << int(Button::sMac);
}

void TstButtonXPMACCorel::cornersUnstretched()
{
    QFETCH(QSize, size);
    QFETCH(int, skin);

    List list(size, Button::TSkinGlyph(skin));
    const QImage shot = list.shot();
    QCOMPARE(shot.size(), size);
    QCOMPARE(cellShown(shot, Button::TSkinGlyph(skin)), 0);
    // The magenta corner pixel lets the button face show.
    QCOMPARE(at(shot, 0, 0), systemColour(TColors::clBtnFace));
    QCOMPARE(at(shot, size.width() - 1, size.height() - 1), systemColour(TColors::clBtnFace));
}

void TstButtonXPMACCorel::captionCentredInButtonText()
{
    List list;
    // The area buttons declare a blue font; the caption keeps the button-text colour.
    QPalette blue = list.button->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    blue.setColor(QPalette::WindowText, Qt::blue);
    list.button->setPalette(blue);

    const auto pixels = captionPixels(list.button);
    QVERIFY(pixels.size() > 50);
    for (const QColor& c : pixels)
        QCOMPARE(c, systemColour(TColors::clBtnText));
    const QRect ink = boundsOf(pixels);
    const int advance = QFontMetrics(list.button->font()).horizontalAdvance(list.button->text());
    const int left = (164 - advance) / 2;
    QVERIFY2(ink.left() >= left && ink.left() <= left + 2, qPrintable(QString::number(ink.left())));
    QVERIFY(qAbs(ink.center().y() - 12) <= 2);
}

void TstButtonXPMACCorel::pressedMovesCaption()
{
    List list;
    const QRect atRest = boundsOf(captionPixels(list.button));
    list.button->setDown(true);
    QCOMPARE(cellShown(list.shot(), Button::sMac), 1);
    QCOMPARE(boundsOf(captionPixels(list.button)), atRest.translated(1, 1));
}

void TstButtonXPMACCorel::disabledCaptionEmbossed()
{
    List list;
    list.button->setEnabled(false);
    QCOMPARE(cellShown(list.shot(), Button::sMac), 2);

    const auto pixels = captionPixels(list.button);
    const QColor light = systemColour(TColors::clBtnHighlight);
    const QColor dark = systemColour(TColors::clBtnShadow);
    QCOMPARE(boundsOf(pixels, systemColour(TColors::clBtnText)), QRect());
    const QRect shadowed = boundsOf(pixels, dark);
    const QRect lit = boundsOf(pixels, light);
    QVERIFY(shadowed.isValid());
    QVERIFY(lit.isValid());
    QCOMPARE(lit.bottomRight(), shadowed.bottomRight() + QPoint(1, 1));
}

void TstButtonXPMACCorel::glyphAndCaptionCentredAsBlock_data()
{
    QTest::addColumn<bool>("pressed");
    QTest::newRow("at rest") << false;
    QTest::newRow("pressed") << true;
}

void TstButtonXPMACCorel::glyphAndCaptionCentredAsBlock()
{
    QFETCH(bool, pressed);

    List list(QSize(120, 29));
    list.button->setText(QStringLiteral("Hidrostática"));
    // An opaque picture is transparent where it has its bottom-left pixel's colour.
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.setPixel(0, 15, qRgb(128, 128, 0));
    list.button->setBitmap(QPixmap::fromImage(picture));
    QCOMPARE(list.button->glyphKind(), Button::glBitmap);
    QCOMPARE(list.button->glyphWidth(), 16);
    list.button->setDown(pressed);

    const int advance = QFontMetrics(list.button->font()).horizontalAdvance(list.button->text());
    const int gx = (120 - advance - 16 - 4) / 2 + pressed;
    const int gy = (29 - 16) / 2 + pressed;
    const QImage shot = list.shot();
    QCOMPARE(boundsOf(shot, Qt::red), QRect(gx, gy, 16, 16));
    QVERIFY(at(shot, gx, gy + 15) != QColor(Qt::red));
    QVERIFY(at(shot, gx, gy + 15) != QColor(128, 128, 0));

    QHash<QPoint, QColor> text = captionPixels(list.button);
    const QRect ink = boundsOf(text, systemColour(TColors::clBtnText));
    QVERIFY2(ink.left() >= gx + 16 + 4 && ink.left() <= gx + 16 + 4 + 2,
             qPrintable(QString("%1 vs %2").arg(ink.left()).arg(gx + 20)));
}

void TstButtonXPMACCorel::glyphWidth_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");

    QTest::newRow("OK") << int(Button::glOK) << 16;
    QTest::newRow("Help") << int(Button::glHelp) << 16;
    QTest::newRow("All") << int(Button::glAll) << 16;
    QTest::newRow("none") << int(Button::glNone) << 0;
}

void TstButtonXPMACCorel::glyphWidth()
{
    QFETCH(int, kind);
    QFETCH(int, width);

    Button button;
    button.setGlyphKind(Button::TGlyphKind(kind));
    QCOMPARE(button.glyphWidth(), width);
}

void TstButtonXPMACCorel::doubleClickIsSecondPress()
{
    List list;
    QSignalSpy pressed(list.button, &QPushButton::pressed);
    QSignalSpy clicked(list.button, &QPushButton::clicked);
    // The platform sends the second press of a double click as a double click.
    QTest::mouseClick(list.button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseDClick(list.button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(list.button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(clicked.count(), 2);
}

void TstButtonXPMACCorel::corelDrawsBevelsNotPicture()
{
    List list(QSize(100, 25), Button::sCorel);
    const QImage shot = list.shot();
    // Normal bevel: highlight along the top and left, shadow along the right and bottom.
    QCOMPARE(at(shot, 0, 0), systemColour(TColors::clBtnHighlight));
    QCOMPARE(at(shot, 50, 0), systemColour(TColors::clBtnHighlight));
    QCOMPARE(at(shot, 0, 12), systemColour(TColors::clBtnHighlight));
    QCOMPARE(at(shot, 99, 12), systemColour(TColors::clBtnShadow));
    QCOMPARE(at(shot, 50, 24), systemColour(TColors::clBtnShadow));
    QCOMPARE(at(shot, 5, 5), systemColour(TColors::clBtnFace));

    // Focused: a window-text frame, the bevel inside it and a dotted focus rectangle.
    list.button->setFocus();
    const QImage focused = list.shot();
    QCOMPARE(at(focused, 0, 0), systemColour(TColors::clWindowText));
    QCOMPARE(at(focused, 1, 1), systemColour(TColors::clBtnHighlight));
    const QColor frame = systemColour(TColors::systemColor(6));
    int dots = 0;
    for (int x = 4; x < 96; ++x)
        dots += at(focused, x, 4) == frame;
    QVERIFY2(dots > 30 && dots < 62, qPrintable(QString::number(dots)));
}

QTEST_MAIN(TstButtonXPMACCorel)
#include "tst_buttonxpmaccorel.moc"
