#include "controls/FlatStyle.h"
#include "controls/XPMenu.h"
#include "controls/XPMenuColors.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtTest>

namespace {

// A fixed palette, so that the system colours have known values.
const QColor face(212, 208, 200);
const QColor btnShadow(128, 128, 128);
const QColor highlight(49, 106, 197);

QImage shot(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage& img, QPoint pt)
{
    return QColor(img.pixel(pt));
}

// The settings both windows declare, with plain colours where a test needs to tell them apart.
void configure(TXPMenu& xp)
{
    xp.setDimLevel(30);
    xp.setGrayLevel(50);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(12);
    xp.setFont(f);
    xp.setIconWidth(16);
    xp.setDrawSelect(true);
    xp.setUseSystemColors(false);
    xp.setOverrideOwnerDraw(false);
    xp.setGradient(true);
    xp.setFlatMenu(true);
    xp.setAutoDetect(false);
    xp.setColorDepth(32);
}

void sendEnter(QWidget* w)
{
    QEnterEvent e(QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}

void sendLeave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

}

class TestXPMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette pal = QApplication::palette();
        pal.setColor(QPalette::Button, face);
        pal.setColor(QPalette::Dark, btnShadow);
        pal.setColor(QPalette::Highlight, highlight);
        QApplication::setPalette(pal);
    }

    void lighten_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("navy 68") << QColor(0, 0, 128) << 68 << 32 << QColor(173, 173, 214);
        QTest::newRow("zero") << QColor(10, 20, 30) << 0 << 32 << QColor(10, 20, 30);
        QTest::newRow("capped at 100") << QColor(10, 20, 30) << 150 << 32 << QColor(255, 255, 255);
        QTest::newRow("half rounds to even, down") << QColor(1, 1, 1) << 50 << 32 << QColor(128, 128, 128);
        QTest::newRow("half rounds to even, up") << QColor(0, 0, 0) << 50 << 32 << QColor(128, 128, 128);
        QTest::newRow("half 126.5 to 126") << QColor(2, 2, 2) << 50 << 32 << QColor(128, 128, 128);
        QTest::newRow("face 86") << face << 86 << 32 << QColor(249, 248, 247);
        QTest::newRow("16-bit nearest") << QColor(0, 0, 0) << 50 << 16 << QColor(132, 130, 132);
    }
    void lighten()
    {
        QFETCH(QColor, colour);
        QFETCH(int, percent);
        QFETCH(int, depth);
        QFETCH(QColor, expected);
        QCOMPARE(XPColors::lighten(colour, percent, depth), expected);
    }

    void darkenAndGrey_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("n");
        QTest::addColumn<QColor>("darkened");
        QTest::addColumn<QColor>("greyed");
        QTest::newRow("face 90") << face << 90 << QColor(122, 120, 110) << QColor(240, 240, 240);
        QTest::newRow("clamped at 0") << QColor(200, 100, 50) << 60 << QColor(140, 42, 0) << QColor(176, 176, 176);
        QTest::newRow("green keeps 2") << QColor(10, 10, 10) << 10 << QColor(0, 2, 0) << QColor(20, 20, 20);
        QTest::newRow("grey mean truncates") << QColor(10, 20, 31) << 50 << QColor(0, 0, 0) << QColor(70, 70, 70);
    }
    void darkenAndGrey()
    {
        QFETCH(QColor, colour);
        QFETCH(int, n);
        QFETCH(QColor, darkened);
        QFETCH(QColor, greyed);
        QCOMPARE(XPColors::darken(colour, n), darkened);
        QCOMPARE(XPColors::grey(colour, n), greyed);
    }

    void workingColours_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("system");
        QTest::addColumn<QString>("which");
        QTest::addColumn<QColor>("expected");
        const QColor white(255, 255, 255);
        const QColor select(0, 0, 128); // SelectColor in these rows
        QTest::newRow("deep selection") << 32 << false << "select" << QColor(173, 173, 214);
        QTest::newRow("deep checked") << 32 << false << "checked" << XPColors::lighten(select, 80);
        QTest::newRow("deep checked under selection") << 32 << false << "checkedSelected" << XPColors::lighten(select, 50);
        QTest::newRow("deep border") << 32 << false << "menuBorder" << QColor(122, 120, 110);
        QTest::newRow("deep shadow") << 32 << false << "menuShadow" << QColor(136, 134, 124);
        QTest::newRow("deep back is Color") << 32 << false << "back" << QColor(1, 2, 3);
        QTest::newRow("shallow selection") << 8 << false << "select" << select;
        QTest::newRow("shallow checked") << 8 << false << "checked" << white;
        QTest::newRow("shallow checked under selection") << 8 << false << "checkedSelected" << QColor(192, 192, 192);
        QTest::newRow("shallow border") << 8 << false << "menuBorder" << btnShadow;
        QTest::newRow("15 bits is shallow") << 15 << false << "menuShadow" << btnShadow;
        QTest::newRow("system deep back") << 32 << true << "back" << QColor(249, 248, 247);
        QTest::newRow("system deep selection") << 32 << true << "select" << QColor(189, 207, 236);
        QTest::newRow("system deep border") << 32 << true << "selectBorder" << highlight;
        QTest::newRow("system deep separator") << 32 << true << "separator" << XPColors::lighten(btnShadow, 25);
        QTest::newRow("system shallow back") << 8 << true << "back" << white;
        QTest::newRow("system shallow icon") << 8 << true << "icon" << face;
        QTest::newRow("system shallow disabled") << 8 << true << "disabled" << btnShadow;
    }
    void workingColours()
    {
        QFETCH(int, depth);
        QFETCH(bool, system);
        QFETCH(QString, which);
        QFETCH(QColor, expected);
        QWidget owner;
        TXPMenu xp(&owner);
        configure(xp);
        xp.setColor(0x030201);
        xp.setSelectColor(TColors::clNavy);
        xp.setUseSystemColors(system);
        xp.setColorDepth(depth);
        const TXPWorkingColors c = xp.workingColors();
        QCOMPARE(c.deep, depth > 15);
        const QHash<QString, QColor> byName{
            {"select", c.select}, {"checked", c.checked}, {"checkedSelected", c.checkedSelected},
            {"menuBorder", c.menuBorder}, {"menuShadow", c.menuShadow}, {"back", c.back},
            {"icon", c.icon}, {"selectBorder", c.selectBorder}, {"separator", c.separator},
            {"disabled", c.disabled}};
        QVERIFY(byName.contains(which));
        QCOMPARE(byName.value(which), expected);
    }

    void measuring()
    {
        QWidget owner;
        TXPMenu xp(&owner);
        configure(xp);
        QMenu menu(&owner);
        QStyleOptionMenuItem sep;
        sep.menuItemType = QStyleOptionMenuItem::Separator;
        QCOMPARE(xp.style()->sizeFromContents(QStyle::CT_MenuItem, &sep, QSize(2, 2), &menu).height(), 4);

        QStyleOptionMenuItem item;
        item.menuItemType = QStyleOptionMenuItem::Normal;
        item.text = QStringLiteral("&Sair");
        const QFontMetrics fm(xp.font());
        const int th = fm.height();
        const QSize s = xp.style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(1, 1), &menu);
        // Text height plus three quarters of it, rounded half to even.
        int quarters = 3 * th / 4;
        if ((3 * th) % 4 == 3 || ((3 * th) % 4 == 2 && quarters % 2 == 1))
            ++quarters;
        QCOMPARE(s.height(), th + quarters);
        QVERIFY(s.width() >= fm.horizontalAdvance(QStringLiteral("&Sair")) + 5 - fm.horizontalAdvance(QLatin1Char('&')) + 16);
        // Only ever growing what the menu proposes.
        QCOMPARE(xp.style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(500, 60), &menu), QSize(500, 60));
    }

    void menuPainting_data()
    {
        QTest::addColumn<int>("depth");
        QTest::newRow("deep, shaded") << 32;
        QTest::newRow("15 bits, plain") << 15;
    }
    void menuPainting()
    {
        QFETCH(int, depth);
        QWidget owner;
        auto* menu = new QMenu(&owner);
        menu->addAction(QStringLiteral("&Cinemática"));
        QAction* sep = menu->addSeparator();
        QAction* second = menu->addAction(QStringLiteral("&Dinâmica"));
        QAction* tagged = menu->addAction(QStringLiteral("Contato"));
        tagged->setProperty("Tag", 999);
        TXPMenu xp(&owner);
        configure(xp);
        xp.setColorDepth(depth);
        xp.setColor(0xF0F0F0);
        xp.setIconBackColor(0x00C800);
        xp.setSeparatorColor(TColors::clRed);
        xp.setActive(true);
        QCOMPARE(menu->style(), xp.style());

        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QImage img = shot(*menu);
        const TXPWorkingColors c = xp.workingColors();
        const QColor red(255, 0, 0);

        // The separator: 4 high, one line at its middle from 7 pixels into the text area.
        const QRect s = menu->actionGeometry(sep);
        QCOMPARE(s.height(), 4);
        const int textLeft = s.left() + 16;
        const int y = s.top() + 2;
        QCOMPARE(at(img, {textLeft + 7, y}), red);
        QCOMPARE(at(img, {s.right(), y}), red);
        QVERIFY(at(img, {textLeft + 6, y}) != red);
        QVERIFY(at(img, {textLeft + 7, y - 1}) != red);
        QVERIFY(at(img, {textLeft + 7, y + 1}) != red);

        // The icon column: shaded column by column on a deep device, plain otherwise.
        const QRect item = menu->actionGeometry(second);
        const QColor icon(0, 200, 0);
        for (int k : {0, 5, 15, 30, 60}) {
            const QColor expected = c.deep ? FlatStyle_gradient(c, k) : k < 16 ? icon : QColor(0xF0, 0xF0, 0xF0);
            QCOMPARE(at(img, {item.left() + k, item.top() + 1}), expected);
        }

        // The item tagged 999 keeps the base style's look: no icon-column green.
        const QRect t = menu->actionGeometry(tagged);
        QVERIFY(at(img, {t.left() + 2, t.center().y()}) != icon);
        QVERIFY(at(img, {t.left() + 2, t.center().y()}) != FlatStyle_gradient(c, 2));

        // The flat frame: border, then the two-pixel shadow outside it, face-coloured corners.
        const int w = img.width();
        const int h = img.height();
        QCOMPARE(at(img, {0, h / 2}), c.menuBorder);
        QCOMPARE(at(img, {w - 3, h / 2}), c.menuBorder);
        QCOMPARE(at(img, {w - 2, h / 2}), c.menuShadow);
        QCOMPARE(at(img, {w - 1, h / 2}), c.menuShadow);
        QCOMPARE(at(img, {w / 2, h - 1}), c.menuShadow);
        QCOMPARE(at(img, {w - 1, 0}), face);
        QCOMPARE(at(img, {0, h - 1}), face);
        QCOMPARE(at(img, {1, h / 2}), icon);
        menu->hide();
    }

    void selectedItem()
    {
        QWidget owner;
        auto* menu = new QMenu(&owner);
        menu->addAction(QStringLiteral("Um"));
        QAction* two = menu->addAction(QStringLiteral("Dois"));
        TXPMenu xp(&owner);
        configure(xp);
        xp.setSelectColor(TColors::clNavy);
        xp.setSelectBorderColor(TColors::clRed);
        xp.setActive(true);
        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(two);
        const QImage img = shot(*menu);
        const QRect r = menu->actionGeometry(two);
        // Shrunk by one pixel at the top, bottom and (flat) right, outlined, filled.
        QCOMPARE(at(img, {r.left() + 5, r.top() + 1}), QColor(255, 0, 0));
        QCOMPARE(at(img, {r.left() + 5, r.bottom() - 1}), QColor(255, 0, 0));
        QCOMPARE(at(img, {r.right() - 1, r.center().y()}), QColor(255, 0, 0));
        QCOMPARE(at(img, {r.left() + 2, r.top() + 3}), QColor(173, 173, 214));
        QVERIFY(at(img, {r.left() + 5, r.top()}) != QColor(255, 0, 0));
        menu->hide();
    }

    void menuPictures_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QColor>("expected");
        // A solid red picture; DimLevel 30, GrayLevel 50.
        QTest::newRow("dimmed at rest") << true << false << 32 << QColor(255, 76, 76);
        QTest::newRow("greyed when disabled") << false << false << 32 << QColor(183, 183, 183);
        QTest::newRow("as is on a shallow device") << true << false << 15 << QColor(255, 0, 0);
        QTest::newRow("lifted when selected") << true << true << 32 << QColor(255, 0, 0);
    }
    void menuPictures()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, selected);
        QFETCH(int, depth);
        QFETCH(QColor, expected);
        QWidget owner;
        auto* menu = new QMenu(&owner);
        QPixmap red(16, 16);
        red.fill(Qt::red);
        QAction* item = menu->addAction(QIcon(red), QStringLiteral("Sair"));
        item->setEnabled(enabled);
        TXPMenu xp(&owner);
        configure(xp);
        xp.setColorDepth(depth);
        xp.setActive(true);
        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        if (selected)
            menu->setActiveAction(item);
        const QImage img = shot(*menu);
        const QRect r = menu->actionGeometry(item);
        QCOMPARE(at(img, {r.left() + 8, r.center().y()}), expected);
        if (selected) {
            // The shadow of the lifted picture shows two pixels beyond its bottom-right corner.
            const QColor shade = XPColors::darken(xp.workingColors().select, 50);
            int shadowSeen = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x < r.left() + 24; ++x)
                    shadowSeen += at(img, {x, y}) == shade;
            QCOMPARE(shadowSeen, 2 * 16 + 2 * 14);
        }
        menu->hide();
    }

    void editFrames_data()
    {
        QTest::addColumn<bool>("bordered");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QColor>("expected");
        const QColor parentBg(200, 220, 240);
        const QColor border(0, 0, 128); // SelectBorderColor
        QTest::newRow("borderless at rest") << false << "rest" << parentBg;
        QTest::newRow("borderless hot") << false << "hot" << XPColors::lighten(border, 80);
        QTest::newRow("borderless focused") << false << "focus" << XPColors::lighten(border, 80);
        QTest::newRow("borderless after leaving") << false << "left" << parentBg;
        QTest::newRow("bordered at rest") << true << "rest" << XPColors::darken(parentBg, 60);
        QTest::newRow("bordered hot") << true << "hot" << XPColors::lighten(border, 60);
        QTest::newRow("bordered focused") << true << "focus" << XPColors::lighten(border, 60);
    }
    void editFrames()
    {
        QFETCH(bool, bordered);
        QFETCH(QString, state);
        QFETCH(QColor, expected);
        QWidget window;
        window.resize(200, 100);
        auto* page = new QWidget(&window);
        page->setGeometry(0, 0, 200, 100);
        QPalette pal = page->palette();
        pal.setColor(QPalette::Window, QColor(200, 220, 240));
        page->setPalette(pal);
        auto* edit = new QLineEdit(page);
        edit->setFrame(bordered);
        edit->setGeometry(10, 10, 97, 22);
        auto* other = new QLineEdit(page);
        other->setGeometry(10, 50, 97, 22);
        TXPMenu xp(&window);
        configure(xp);
        xp.setSelectBorderColor(TColors::clNavy);
        xp.setActive(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        if (state == QLatin1String("hot")) {
            sendEnter(edit);
        } else if (state == QLatin1String("focus")) {
            edit->setFocus();
            QTRY_VERIFY(edit->hasFocus());
        } else if (state == QLatin1String("left")) {
            sendEnter(edit);
            sendLeave(edit);
        }
        const QImage img = shot(*edit);
        for (QPoint pt : {QPoint(0, 0), QPoint(50, 0), QPoint(0, 11), QPoint(96, 21), QPoint(50, 21)})
            QCOMPARE(at(img, pt), expected);
        QVERIFY(at(img, {50, 11}) != expected);
    }

    void panelBevels_data()
    {
        QTest::addColumn<int>("shadow");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        const QColor bg(100, 150, 200);
        QTest::newRow("raised") << int(QFrame::Raised) << XPColors::lighten(bg, 60) << XPColors::darken(bg, 60);
        QTest::newRow("lowered") << int(QFrame::Sunken) << XPColors::darken(bg, 60) << XPColors::lighten(bg, 60);
    }
    void panelBevels()
    {
        QFETCH(int, shadow);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        QWidget window;
        auto* panel = new QFrame(&window);
        panel->setGeometry(0, 0, 60, 40);
        panel->setFrameStyle(QFrame::Panel | shadow);
        panel->setLineWidth(1);
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, QColor(100, 150, 200));
        panel->setPalette(pal);
        panel->setAutoFillBackground(true);
        TXPMenu xp(&window);
        configure(xp);
        xp.setActive(true);
        const QImage img = shot(*panel);
        QCOMPARE(at(img, {0, 0}), topLeft);
        QCOMPARE(at(img, {0, 39}), topLeft);
        QCOMPARE(at(img, {59, 20}), bottomRight);
        QCOMPARE(at(img, {30, 39}), bottomRight);
        QCOMPARE(at(img, {30, 20}), QColor(100, 150, 200));
    }

    void tagLeavesControlsAlone()
    {
        QWidget window;
        auto* edit = new QLineEdit(&window);
        auto* tagged = new QLineEdit(&window);
        tagged->setProperty("Tag", 999);
        auto* box = new QWidget(&window);
        box->setProperty("Tag", 999);
        auto* child = new QLineEdit(box);
        TXPMenu xp(&window);
        configure(xp);
        xp.setActive(true);
        QCOMPARE(edit->style(), xp.style());
        QVERIFY(tagged->style() != xp.style());
        QVERIFY(child->style() != xp.style());
        QVERIFY(!xp.isHooked(tagged));
    }

    void mainMenuHookedUnlessTagged_data()
    {
        QTest::addColumn<bool>("tag");
        QTest::newRow("hooked") << false;
        QTest::newRow("tagged 999") << true;
    }
    void mainMenuHookedUnlessTagged()
    {
        QFETCH(bool, tag);
        QMainWindow window;
        auto* bar = new QMenuBar(&window);
        bar->setObjectName(QStringLiteral("MainMenu1"));
        window.setMenuBar(bar);
        QMenu* file = bar->addMenu(QStringLiteral("&Arquivo"));
        file->addAction(QStringLiteral("&Sair"));
        if (tag)
            bar->setProperty("Tag", 999);
        TXPMenu xp(&window);
        configure(xp);
        xp.setActive(true);
        QCOMPARE(bar->style() == xp.style(), !tag);
        QCOMPARE(file->style() == xp.style(), !tag);
        // Sub-menus added later take the look too.
        QMenu* later = file->addMenu(QStringLiteral("&Mais"));
        QCOMPARE(later->style() == xp.style(), !tag);
    }

    void deactivatingRestores()
    {
        QWidget window;
        auto* plain = new QLineEdit(&window);
        auto* own = new QLineEdit(&window);
        QStyle* ownStyle = QStyleFactory::create(QStringLiteral("Windows"));
        own->setStyle(ownStyle);
        auto* menu = new QMenu(&window);
        menu->addAction(QStringLiteral("x"));
        TXPMenu xp(&window);
        configure(xp);
        xp.setActive(true);
        QCOMPARE(plain->style(), xp.style());
        QCOMPARE(own->style(), xp.style());
        QCOMPARE(menu->style(), xp.style());
        xp.setActive(false);
        QCOMPARE(plain->style(), QApplication::style());
        QVERIFY(!plain->testAttribute(Qt::WA_SetStyle));
        QCOMPARE(own->style(), ownStyle);
        QCOMPARE(menu->style(), QApplication::style());
        delete own;
        delete ownStyle;
    }

    void laterControls_data()
    {
        QTest::addColumn<bool>("autoDetect");
        QTest::newRow("auto-detected") << true;
        QTest::newRow("hooked on request") << false;
    }
    void laterControls()
    {
        QFETCH(bool, autoDetect);
        QWidget window;
        window.resize(200, 200);
        TXPMenu xp(&window);
        configure(xp);
        xp.setAutoDetect(autoDetect);
        xp.setActive(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* page = new QWidget(&window);
        auto* edit = new QLineEdit(page);
        page->show();
        QCOMPARE(edit->style() == xp.style(), autoDetect);
        xp.hookControls(page);
        QCOMPARE(edit->style(), xp.style());
    }

private:
    static QColor FlatStyle_gradient(const TXPWorkingColors& c, int k)
    {
        return TFlatStyle::gradientColumn(c, 16, k, 32);
    }
};

QTEST_MAIN(TestXPMenu)
#include "tst_xpmenu.moc"
