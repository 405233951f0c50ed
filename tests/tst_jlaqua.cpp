#include "controls/JLAqua.h"

#include <QApplication>
#include <QBackingStore>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

// Stands for the page's tiled picture: a sibling under the button that paints
// itself without filling a background, as the tiled image does.
class Backdrop : public QWidget
{
public:
    Backdrop(QColor colour, QWidget* parent)
        : QWidget(parent)
        , m_colour(colour)
    {
    }

    void setColour(QColor colour)
    {
        m_colour = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

QColor at(const QImage& image, int x, int y)
{
    return QColor::fromRgb(image.pixel(x, y) | 0xFF000000u);
}

// A Calcular button as every equation page has it, on a page of the given colour.
struct Page
{
    QWidget window;
    Backdrop* backdrop;
    TJLAqua* button;

    explicit Page(QColor colour = QColor(215, 215, 215))
    {
        window.resize(541, 329);
        backdrop = new Backdrop(colour, &window);
        backdrop->setGeometry(window.rect());
        button = new TJLAqua(&window);
        button->setGeometry(388, 86, 103, 33);
        button->setButtonShape(TJLAqua::bsButton);
        button->setSmallCorners(false);
        button->setButtonColor(TColors::clYellow);
        button->setCustomColor(TJLAqua::ccOrange);
        button->setFontColor(TColors::clRed);
        QFont font(QStringLiteral("Comic Sans MS"));
        font.setPixelSize(16);
        font.setBold(false);
        // Aliased text keeps the caption's pixels in the two exact colours.
        font.setStyleStrategy(QFont::NoAntialias);
        button->setButtonFont(font);
        button->setCaption(QStringLiteral("Calcular"));
        button->setBackgroundError(TColors::clWhite);
        window.show();
    }

    QImage shot() const { return button->grab().toImage(); }

    // What the window shows where the button is, as painted so far: the window's
    // backing store, not a fresh paint. Null where the platform keeps no image.
    QImage onScreen() const
    {
        auto* store = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
        if (!store)
            return QImage();
        const QRect area(button->mapTo(&window, QPoint()), button->size());
        return store->copy(area).convertToFormat(QImage::Format_RGB32);
    }
};

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// A pixel of the plain face band between the upper highlight and the lower glow,
// left of the caption.
constexpr QPoint kFacePixel(12, 13);

QRect boundsOf(const QImage& image, const QColor& colour)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == colour)
                r |= QRect(x, y, 1, 1);
    return r;
}

// The application drops a move to where the pointer already is, so step beside
// the target first.
void hover(QWidget* w, QPoint p)
{
    QTest::mouseMove(w, p + QPoint(0, 1));
    QTest::mouseMove(w, p);
}

int countOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += at(image, x, y) == colour;
    return n;
}

}

class TstJLAqua : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shadeStep_data();
    void shadeStep();
    void face_data();
    void face();
    void hotFace();
    void captionHasLightCopyBelow();
    void pressedMovesCaption();
    void backgroundIsSampledUnderTheCorner_data();
    void backgroundIsSampledUnderTheCorner();
    void siblingsAboveAreNotSampled();
    void disabledLook();
    void clicks_data();
    void clicks();
    void hitTest_data();
    void hitTest();
    void leavingRepaintsNormal();
    void pointerAndFocus();
    void keyboardFocus();
    void layoutSettersReachTheButton();
    void captionOnlyUnderThePointer();
    void changesShowAsOnAFreshButton_data();
    void changesShowAsOnAFreshButton();
    void pressShowsTheBackgroundNowUnderIt();
    void movedButtonShowsTheBackgroundOfItsNewPlace();
    void cornerIsReadFromTheWindowPicture();
};

void TstJLAqua::initTestCase()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

void TstJLAqua::shadeStep_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("k");
    QTest::addColumn<QColor>("expected");

    const QColor orange(246, 187, 26);
    QTest::newRow("orange k0") << orange << 0 << QColor(209, 159, 22);
    QTest::newRow("orange k3") << orange << 3 << QColor(98, 75, 10);
    QTest::newRow("orange k4") << orange << 4 << QColor(231, 176, 24);
    QTest::newRow("orange k5") << orange << 5 << orange;
    QTest::newRow("orange k9") << orange << 9 << QColor(251, 228, 163);
    QTest::newRow("white k4") << QColor(Qt::white) << 4 << QColor(240, 240, 240);
    QTest::newRow("white k3") << QColor(Qt::white) << 3 << QColor(102, 102, 102);
    QTest::newRow("white k9") << QColor(Qt::white) << 9 << QColor(Qt::white);
    QTest::newRow("black k9") << QColor(Qt::black) << 9 << QColor(153, 153, 153);
    QTest::newRow("half goes to even") << QColor(50, 50, 50) << 2 << QColor(28, 28, 28);
    QTest::newRow("yellow k0") << QColor(255, 255, 0) << 0 << QColor(217, 217, 0);
}

void TstJLAqua::shadeStep()
{
    QFETCH(QColor, colour);
    QFETCH(int, k);
    QFETCH(QColor, expected);
    QCOMPARE(TJLAqua::shade(colour, k), expected);
    QCOMPARE(TJLAqua::shade(TColors::fromQColor(colour), k), expected);
}

void TstJLAqua::face_data()
{
    QTest::addColumn<uint>("buttonColor");
    QTest::addColumn<int>("customColor");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("custom colour wins") << uint(TColors::clYellow) << int(TJLAqua::ccOrange)
                                        << QColor(246, 187, 26);
    QTest::newRow("pure yellow pre-darkened") << uint(TColors::clYellow) << int(TJLAqua::ccNone)
                                              << QColor(217, 217, 0);
    QTest::newRow("pure blue pre-darkened") << uint(TColors::clBlue) << int(TJLAqua::ccNone)
                                            << QColor(0, 0, 217);
    QTest::newRow("other colours as they are") << uint(TColors::fromRgb(10, 120, 200))
                                               << int(TJLAqua::ccNone) << QColor(10, 120, 200);
    QTest::newRow("system button face") << uint(TColors::clBtnFace) << int(TJLAqua::ccNone)
                                        << QApplication::palette().color(QPalette::Button);
    QTest::newRow("pale blue preset") << uint(TColors::clRed) << int(TJLAqua::ccPaleBlue)
                                      << QColor(114, 156, 252);
}

void TstJLAqua::face()
{
    QFETCH(uint, buttonColor);
    QFETCH(int, customColor);
    QFETCH(QColor, expected);

    Page page;
    page.button->setButtonColor(buttonColor);
    page.button->setCustomColor(TJLAqua::TJLCustomColor(customColor));
    QCOMPARE(at(page.shot(), kFacePixel.x(), kFacePixel.y()), expected);
}

void TstJLAqua::hotFace()
{
    Page page;
    hover(page.button, QPoint(50, 16));
    QCOMPARE(at(page.shot(), kFacePixel.x(), kFacePixel.y()), QColor(251, 228, 163));

    // With CaptionMouseOver the face never lightens.
    page.button->setCaptionMouseOver(true);
    hover(page.button, QPoint(51, 16));
    QCOMPARE(at(page.shot(), kFacePixel.x(), kFacePixel.y()), QColor(246, 187, 26));
}

void TstJLAqua::captionHasLightCopyBelow()
{
    Page page;
    const QImage image = page.shot();
    const QColor red(255, 0, 0);
    const QColor light = TJLAqua::shade(QColor(246, 187, 26), 7);
    QCOMPARE(light, QColor(249, 207, 95));

    int checked = 0;
    for (int y = 0; y + 2 < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (at(image, x, y) != red || at(image, x, y + 2) == red)
                continue;
            QCOMPARE(at(image, x, y + 2), light);
            ++checked;
        }
    }
    QVERIFY2(checked > 20, qPrintable(QString::number(checked)));
    // The caption is centred on the face, above the shadow.
    const QRect text = boundsOf(image, red);
    QVERIFY(qAbs((text.left() + text.right()) / 2 - 50) <= 2);
    QVERIFY(text.top() >= 2 && text.bottom() < 30);
}

void TstJLAqua::pressedMovesCaption()
{
    Page page;
    const QColor red(255, 0, 0);
    const QRect atRest = boundsOf(page.shot(), red);

    QTest::mousePress(page.button, Qt::LeftButton, {}, QPoint(50, 16));
    const QImage pressed = page.shot();
    QCOMPARE(boundsOf(pressed, red), atRest.translated(1, 1));
    // Pressed, the light copy hides under the text.
    const QColor light = TJLAqua::shade(QColor(246, 187, 26), 7);
    for (int y = atRest.top(); y <= atRest.bottom() + 3; ++y)
        for (int x = atRest.left(); x <= atRest.right() + 1; ++x)
            if (at(pressed, x, y) == light)
                QVERIFY2(!(at(pressed, x, y - 2) == red), "light copy shows below the text");
    QTest::mouseRelease(page.button, Qt::LeftButton, {}, QPoint(50, 16));
}

void TstJLAqua::backgroundIsSampledUnderTheCorner_data()
{
    QTest::addColumn<QColor>("page");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("grey page") << QColor(215, 215, 215) << QPoint(388, 86) << QColor(215, 215, 215);
    QTest::newRow("green page") << QColor(20, 160, 40) << QPoint(388, 86) << QColor(20, 160, 40);
    QTest::newRow("corner above the page") << QColor(20, 160, 40) << QPoint(388, -5)
                                           << QColor(Qt::white);
    QTest::newRow("corner left of the page") << QColor(20, 160, 40) << QPoint(-1, 86)
                                             << QColor(Qt::white);
}

void TstJLAqua::backgroundIsSampledUnderTheCorner()
{
    QFETCH(QColor, page);
    QFETCH(QPoint, position);
    QFETCH(QColor, expected);

    Page p(page);
    p.button->move(position);
    const QImage image = p.shot();
    QCOMPARE(at(image, 0, 0), expected);
    // The drop shadow on the right edge is the background darkened 6 %.
    QCOMPARE(at(image, 102, 16), TJLAqua::shade(expected, 4));
}

void TstJLAqua::siblingsAboveAreNotSampled()
{
    Page page;
    auto* above = new Backdrop(Qt::blue, &page.window);
    above->setGeometry(380, 80, 20, 20);
    above->show();
    above->raise();
    QCOMPARE(at(page.shot(), 0, 0), QColor(215, 215, 215));
}

void TstJLAqua::disabledLook()
{
    Page page(QColor(Qt::white));
    page.button->setButtonEnabled(false);
    QSignalSpy clicked(page.button, &TJLAqua::clicked);

    hover(page.button, QPoint(50, 16));
    QTest::mousePress(page.button, Qt::LeftButton, {}, QPoint(50, 16));
    const QImage image = page.shot();
    QTest::mouseRelease(page.button, Qt::LeftButton, {}, QPoint(50, 16));

    QCOMPARE(clicked.count(), 0);
    // Drawn in shades of the page: the face is the page colour, the caption the
    // page darkened 15 %, and nothing is red.
    QCOMPARE(at(image, kFacePixel.x(), kFacePixel.y()), QColor(Qt::white));
    QCOMPARE(countOf(image, QColor(255, 0, 0)), 0);
    QVERIFY(countOf(image, QColor(217, 217, 217)) > 20);
    QCOMPARE(at(image, 102, 16), QColor(240, 240, 240));
}

void TstJLAqua::clicks_data()
{
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("expected");

    // First point: press; last point: release; any between: moves with the button held.
    const QPoint face(50, 16);
    const QPoint corner(0, 0);
    const QPoint away(150, 16);
    QTest::newRow("press and release on the face") << QList<QPoint>{face, face} << true << 1;
    QTest::newRow("drag off and release outside") << QList<QPoint>{face, away, away} << true << 0;
    QTest::newRow("drag off and back") << QList<QPoint>{face, away, face, face} << true << 0;
    QTest::newRow("press on a corner, release on the face")
        << QList<QPoint>{corner, face, face} << true << 1;
    QTest::newRow("press and release on a corner") << QList<QPoint>{corner, corner} << true << 1;
    QTest::newRow("disabled") << QList<QPoint>{face, face} << false << 0;
}

void TstJLAqua::clicks()
{
    QFETCH(QList<QPoint>, path);
    QFETCH(bool, enabled);
    QFETCH(int, expected);

    Page page;
    page.button->setButtonEnabled(enabled);
    QSignalSpy clicked(page.button, &TJLAqua::clicked);
    QTest::mousePress(page.button, Qt::LeftButton, {}, path.first());
    for (qsizetype i = 1; i + 1 < path.size(); ++i)
        QTest::mouseMove(page.button, path.at(i));
    QTest::mouseRelease(page.button, Qt::LeftButton, {}, path.last());
    QCOMPARE(clicked.count(), expected);
}

void TstJLAqua::hitTest_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");

    const int button = TJLAqua::bsButton;
    const int orb = TJLAqua::bsOrb;
    QTest::newRow("button centre") << button << QPoint(51, 16) << true;
    QTest::newRow("button top-left corner") << button << QPoint(2, 2) << false;
    QTest::newRow("button left end") << button << QPoint(3, 16) << true;
    QTest::newRow("button left of the region") << button << QPoint(1, 16) << false;
    QTest::newRow("button right shadow") << button << QPoint(102, 16) << false;
    QTest::newRow("button last column") << button << QPoint(101, 16) << true;
    QTest::newRow("button bottom shadow") << button << QPoint(51, 31) << false;
    QTest::newRow("orb centre") << orb << QPoint(51, 15) << true;
    QTest::newRow("orb corner") << orb << QPoint(5, 3) << false;
    QTest::newRow("orb left end") << orb << QPoint(2, 15) << true;
}

void TstJLAqua::hitTest()
{
    QFETCH(int, shape);
    QFETCH(QPoint, point);
    QFETCH(bool, inside);

    TJLAqua button;
    button.resize(103, 33);
    button.setButtonShape(TJLAqua::TJLAquaType(shape));
    QCOMPARE(button.hitTest(point), inside);
}

void TstJLAqua::leavingRepaintsNormal()
{
    Page page;
    hover(page.button, QPoint(50, 16));
    QCOMPARE(at(page.shot(), kFacePixel.x(), kFacePixel.y()), QColor(251, 228, 163));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page.button, &leave);
    QCOMPARE(at(page.shot(), kFacePixel.x(), kFacePixel.y()), QColor(246, 187, 26));
}

void TstJLAqua::pointerAndFocus()
{
    TJLAqua button;
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(button.focusPolicy(), Qt::TabFocus);
    QCOMPARE(button.size(), QSize(75, 25));
    QCOMPARE(button.buttonColor(), TColors::clBlue);
    QCOMPARE(button.backgroundError(), TColors::clBtnFace);
    QCOMPARE(button.buttonShape(), TJLAqua::bsButton);
    QVERIFY(button.isButtonEnabled());
    QVERIFY(button.buttonFont().bold());
    QCOMPARE(button.buttonFont().pointSize(), 10);
}

// Tab gives the button a dotted ring in the caption's colour and Space or Return then
// clicks it; focus from anywhere else draws nothing new.
void TstJLAqua::keyboardFocus()
{
    Page page;
    page.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page.window));
    const QImage atRest = rgb(page.shot());
    const QColor red(255, 0, 0);
    page.button->setFocus(Qt::MouseFocusReason);
    QCOMPARE(rgb(page.shot()), atRest);
    page.button->clearFocus();
    page.button->setFocus(Qt::TabFocusReason);
    const QImage marked = rgb(page.shot());
    QVERIFY(countOf(marked, red) > countOf(atRest, red) + 40);
    QCOMPARE(at(marked, kFacePixel.x(), kFacePixel.y()), at(atRest, kFacePixel.x(), kFacePixel.y()));

    int clicks = 0;
    connect(page.button, &TJLAqua::clicked, [&] { ++clicks; });
    QTest::keyClick(page.button, Qt::Key_Space);
    QTest::keyClick(page.button, Qt::Key_Return);
    QTest::keyClick(page.button, Qt::Key_A);
    QCOMPARE(clicks, 2);
    page.button->setButtonEnabled(false);
    QTest::keyClick(page.button, Qt::Key_Space);
    QCOMPARE(clicks, 2);
    page.button->setButtonEnabled(true);
    page.button->clearFocus();
    QCOMPARE(rgb(page.shot()), atRest);
}

void TstJLAqua::layoutSettersReachTheButton()
{
    Page page;
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPixelSize(16);
    comic.setBold(false);
    page.button->setFont(comic);
    QCOMPARE(page.button->buttonFont(), comic);
    QCOMPARE(page.button->property("Font").value<QFont>(), comic);

    QSignalSpy clicked(page.button, &TJLAqua::clicked);
    page.button->setEnabled(false);
    QVERIFY(!page.button->isButtonEnabled());
    QVERIFY(page.button->QWidget::isEnabled());
    QTest::mouseClick(page.button, Qt::LeftButton, {}, QPoint(50, 16));
    QCOMPARE(clicked.count(), 0);
    page.button->setProperty("Enabled", true);
    QTest::mouseClick(page.button, Qt::LeftButton, {}, QPoint(50, 16));
    QCOMPARE(clicked.count(), 1);
}

void TstJLAqua::captionOnlyUnderThePointer()
{
    Page page;
    page.button->setCaptionMouseOver(true);
    const QColor red(255, 0, 0);
    page.button->update();
    QCOMPARE(countOf(page.shot(), red), 0);
    hover(page.button, QPoint(50, 16));
    QVERIFY(countOf(page.shot(), red) > 20);
    hover(page.button, QPoint(1, 1));
    QCOMPARE(countOf(page.shot(), red), 0);
}

namespace {

enum Change {
    ButtonColor, CustomColor, FontColor, Caption, Font, Shape, SmallCorners, Disabled, Size,
    Background, BackgroundError
};

void apply(Page& page, Change change)
{
    TJLAqua* b = page.button;
    switch (change) {
    case ButtonColor:
        b->setCustomColor(TJLAqua::ccNone);
        b->setButtonColor(TColors::fromRgb(10, 120, 200));
        break;
    case CustomColor:
        b->setCustomColor(TJLAqua::ccNeonGreen);
        break;
    case FontColor:
        b->setFontColor(TColors::clNavy);
        break;
    case Caption:
        b->setCaption(QStringLiteral("Calcule"));
        break;
    case Font: {
        QFont font = b->buttonFont();
        font.setPixelSize(20);
        b->setButtonFont(font);
        break;
    }
    case Shape:
        b->setButtonShape(TJLAqua::bsOrb);
        break;
    case SmallCorners:
        b->setSmallCorners(true);
        break;
    case Disabled:
        b->setButtonEnabled(false);
        break;
    case Size:
        b->resize(121, 41);
        break;
    case Background:
        page.backdrop->setColour(QColor(20, 160, 40));
        break;
    case BackgroundError:
        // The corner lies above the page, where nothing can be read.
        b->move(388, -5);
        b->setBackgroundError(TColors::clYellow);
        break;
    }
}

}

void TstJLAqua::changesShowAsOnAFreshButton_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("ButtonColor") << int(ButtonColor);
    QTest::newRow("CustomColor") << int(CustomColor);
    QTest::newRow("FontColor") << int(FontColor);
    QTest::newRow("Caption") << int(Caption);
    QTest::newRow("Font") << int(Font);
    QTest::newRow("ButtonShape") << int(Shape);
    QTest::newRow("SmallCorners") << int(SmallCorners);
    QTest::newRow("Enabled") << int(Disabled);
    QTest::newRow("size") << int(Size);
    QTest::newRow("page colour under the button") << int(Background);
    QTest::newRow("BackgroundError") << int(BackgroundError);
}

// A button that has shown its looks, then changes, shows what a button made with the
// change from the start shows: nothing drawn before the change is shown again.
void TstJLAqua::changesShowAsOnAFreshButton()
{
    QFETCH(int, change);

    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    hover(page.button, QPoint(50, 16));
    QTest::mousePress(page.button, Qt::LeftButton, {}, QPoint(50, 16));
    QTest::mouseRelease(page.button, Qt::LeftButton, {}, QPoint(50, 16));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page.button, &leave);
    const QImage before = page.shot();

    apply(page, Change(change));
    Page fresh;
    apply(fresh, Change(change));
    const QImage expected = rgb(fresh.shot());
    QVERIFY(expected != rgb(before));
    QCOMPARE(rgb(page.shot()), expected);

    // On the screen too, once the change is painted; BackgroundError only stores, and
    // shows at the next paint.
    if (change == BackgroundError)
        page.button->update();
    QCoreApplication::processEvents();
    const QImage screen = page.onScreen();
    const QRect shown = page.button->visibleRegion().boundingRect();
    if (!screen.isNull())
        QCOMPARE(screen.copy(shown), expected.copy(shown));
}

// The page under the button changes and, before it is painted, the button is pressed:
// the pressed look on the screen stands on the page as it is now.
void TstJLAqua::pressShowsTheBackgroundNowUnderIt()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    hover(page.button, QPoint(50, 16));
    QCoreApplication::processEvents();
    if (page.onScreen().isNull())
        QSKIP("the platform keeps no window image");
    QCOMPARE(at(page.onScreen(), 0, 0), QColor(215, 215, 215));

    const QColor green(20, 160, 40);
    page.backdrop->setColour(green);
    // Delivered straight away, with the page's repaint still waiting.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 16),
                      page.button->mapToGlobal(QPointF(50, 16)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(page.button, &press);
    const QImage screen = page.onScreen();
    QCOMPARE(at(screen, 0, 0), green);
    QCOMPARE(at(screen, 102, 16), TJLAqua::shade(green, 4));
    QCOMPARE(screen, rgb(page.shot()));

    // Leaving repaints the normal look at once, still on the green page.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page.button, &leave);
    QCOMPARE(page.onScreen(), rgb(page.shot()));
    QCOMPARE(at(page.onScreen(), kFacePixel.x(), kFacePixel.y()), QColor(246, 187, 26));
}

// The corners show the page where the button is now, not where it was.
void TstJLAqua::movedButtonShowsTheBackgroundOfItsNewPlace()
{
    Page page;
    const QColor green(20, 160, 40);
    auto* patch = new Backdrop(green, &page.window);
    patch->setGeometry(0, 0, 200, 329);
    patch->stackUnder(page.button);
    patch->show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    QCoreApplication::processEvents();
    if (page.onScreen().isNull())
        QSKIP("the platform keeps no window image");
    QCOMPARE(at(page.onScreen(), 0, 0), QColor(215, 215, 215));

    page.button->move(60, 86);
    QCoreApplication::processEvents();
    QCOMPARE(at(page.onScreen(), 0, 0), green);
    QCOMPARE(at(page.onScreen(), 102, 16), TJLAqua::shade(green, 4));

    // A change of state afterwards keeps to the new place.
    hover(page.button, QPoint(50, 16));
    QCOMPARE(at(page.onScreen(), 0, 0), green);
    QCOMPARE(page.onScreen(), rgb(page.shot()));
}

// On the screen the button reads the page under its corner from the window's own picture,
// to the pixel, and lays nothing else of the window out for it: rendering the pixel would
// first send every pending resize of the window, a hidden part's too.
void TstJLAqua::cornerIsReadFromTheWindowPicture()
{
    Page page;
    const QColor red(200, 30, 30);
    auto* spot = new Backdrop(red, &page.window);
    spot->setGeometry(QRect(page.button->pos(), QSize(1, 1)));
    spot->stackUnder(page.button);
    spot->show();
    auto* hidden = new QWidget(&page.window);
    hidden->hide();
    QVERIFY(hidden->testAttribute(Qt::WA_PendingResizeEvent));
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    QCoreApplication::processEvents();
    if (page.onScreen().isNull())
        QSKIP("the platform keeps no window image");
    QCOMPARE(at(page.onScreen(), 0, 0), red);
    QCOMPARE(at(page.onScreen(), 102, 16), TJLAqua::shade(red, 4));
    QVERIFY(hidden->testAttribute(Qt::WA_PendingResizeEvent));
    // A picture of the button alone renders the pixel, and finds the same colour.
    QCOMPARE(page.onScreen(), rgb(page.shot()));
}

QTEST_MAIN(TstJLAqua)
#include "tst_jlaqua.moc"
