// The main window as a student meets it: start state, areas and menus, the
// uniform-motion page, the warning box, the About window.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "controls/TEdit.h"
#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "controls/ButtonXPMACCorel.h"
#include "controls/Gradpan.h"
#include "controls/JLAqua.h"
#include "app/DecimalSeparator.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QClipboard>
#include <QTest>
#include <QTimer>

using TestSupport::Student;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void startLoadsNoImagePlugin();
    void windowFrame();
    void topicLists_data();
    void topicLists();
    void areaButtons_data();
    void areaButtons();
    void formulasMenu_data();
    void formulasMenu();
    void hiddenEmailItems();
    void scrollReset();
    void listShownLaterWorksLikeTheFirst();
    void lastCinematicaTopicNeedsScrolling();
    void uniformMotion_data();
    void uniformMotion();
    void uniformMotionPaintsOperands();
    void warningBoxForTwoBlanks();
    void silentFailures_data();
    void silentFailures();
    void nothingBlankChangesNothing();
    void topicClearsEveryField();
    void typingThroughKeyFilters_data();
    void typingThroughKeyFilters();
    void localeChange();
    void aboutWindow();
    void otherExceptionsAreSwallowed();
    void fontsAreResolvedOnce();

private:
    TfrmMain* m_main = nullptr;
    TfrmAbout* m_about = nullptr;
    Student* m_student = nullptr;
};

void TestMainWindow::init()
{
    DecimalSeparator::set(u',');
    m_main = new TfrmMain;
    m_about = new TfrmAbout(m_main);
    m_main->setAboutWindow(m_about);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_student = new Student(m_main);
}

void TestMainWindow::cleanup()
{
    delete m_student;
    delete m_main;
}

void TestMainWindow::startState()
{
    auto* menu = m_main->findChild<QStackedWidget*>("Menu");
    QCOMPARE(menu->currentWidget()->objectName(), QStringLiteral("TabSheet8"));
    QCOMPARE(m_main->findChild<TGradPan*>("pNome")->caption(), QStringLiteral("Movimento Uniforme"));
    auto* equacoes = m_main->findChild<QStackedWidget*>("Equacoes");
    QCOMPARE(equacoes->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
    for (const char* f : {"eSS", "eSSo", "eV", "eST"})
        QVERIFY(m_student->text(f).isEmpty());
    QCOMPARE(QApplication::focusWidget(), m_student->widget("ButtonXPMACCorel1"));
    QCOMPARE(m_student->widget("JLAqua3")->toolTip(), QStringLiteral("Clique para Calcular"));
}

// Every picture the window shows is a PNG, which Qt reads itself: a JPEG or any other kind
// among them would load an image format plugin and the library it needs before the first
// frame.
void TestMainWindow::startLoadsNoImagePlugin()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        QSKIP("no map of the process's libraries");
    QStringList plugins;
    for (const QString& line : QString::fromLocal8Bit(maps.readAll()).split(u'\n')) {
        if (line.contains(QStringLiteral("/imageformats/")))
            plugins << line.section(u' ', -1);
    }
    plugins.removeDuplicates();
    QVERIFY2(plugins.isEmpty(), qPrintable(plugins.join(QStringLiteral(", "))));
}

void TestMainWindow::windowFrame()
{
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Tavensa 2002 - Velquora"));
    QCOMPARE(m_main->centralWidget()->size(), QSize(679, 398));
    QVERIFY(!(m_main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_main->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(m_main->minimumSize(), m_main->maximumSize());
    // The equation page shows just below the header, the list just below the area bar.
    QWidget* page = m_student->widget("TabSheet2");
    QCOMPARE(page->mapTo(m_main->centralWidget(), QPoint(0, 0)), QPoint(172, 72));
    QCOMPARE(page->size(), QSize(541, 329));
    QWidget* box = m_student->widget("ScrollBox8");
    QCOMPARE(box->mapTo(m_main->centralWidget(), QPoint(0, 0)), QPoint(0, 38));
    QCOMPARE(box->size(), QSize(166, 358));
}

void TestMainWindow::topicLists_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("topics");
    QTest::addColumn<int>("firstY");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("Cinemática") << "ButtonXPMACCorel17" << "TabSheet8" << 13 << 24 << 164 << "Movimento Uniforme" << "Tempo da Altura Máx.";
    QTest::newRow("Dinâmica") << "ButtonXPMACCorel18" << "TabSheet9" << 16 << 24 << 148 << "2ª Lei de Newton" << "Impulso de uma Força";
    QTest::newRow("Hidrostática") << "ButtonXPMACCorel19" << "TabSheet15" << 6 << 24 << 164 << "Massa Específica" << "Pressão Absoluta";
    QTest::newRow("Termologia") << "ButtonXPMACCorel21" << "TabSheet19" << 17 << 23 << 148 << "Escalas de ºC para ºF" << "Capacidade Térmica 2";
    QTest::newRow("Óptica") << "ButtonXPMACCorel20" << "TabSheet30" << 7 << 24 << 164 << "Assoc. Espelhos Planos" << "Vergência de uma Lente";
    QTest::newRow("Eletrostática") << "ButtonXPMACCorel3" << "TabSheet35" << 8 << 24 << 164 << "Carga Elétrica de um Corpo"
                                   << "Campo Elétrico Uniforme 3";
    QTest::newRow("Eletrodinâmica") << "ButtonXPMACCorel4" << "TabSheet44" << 13 << 24 << 148 << "Corrente Elétrica" << "Potência Elétrica 3";
    QTest::newRow("Ondas") << "ButtonXPMACCorel22" << "TabSheet41" << 8 << 24 << 164 << "Frequência (Ondulatória)"
                           << "Frequência Corda Vibrante";
}

void TestMainWindow::topicLists()
{
    QFETCH(QString, area);
    QFETCH(QString, list);
    QFETCH(int, topics);
    QFETCH(int, firstY);
    QFETCH(int, width);
    QFETCH(QString, first);
    QFETCH(QString, last);
    m_student->click(area.toLatin1());
    QWidget* page = m_main->findChild<QWidget*>(list);
    auto buttons = page->findChildren<TButtonXPMACCorel*>();
    QCOMPARE(buttons.size(), topics);
    std::sort(buttons.begin(), buttons.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    QCOMPARE(buttons.front()->text(), first);
    QCOMPARE(buttons.back()->text(), last);
    const int offset = buttons.front()->y() - firstY; // the Hidrostática list sits in its page directly
    for (int i = 0; i < topics; ++i) {
        QCOMPARE(buttons[i]->y() - offset, firstY + 28 * i);
        QCOMPARE(buttons[i]->height(), 25);
        if (i < topics - 1 || list != QLatin1String("TabSheet8"))
            QCOMPARE(buttons[i]->width(), width);
        QCOMPARE(buttons[i]->skinGlyph(), TButtonXPMACCorel::sMac);
    }
}

void TestMainWindow::areaButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");
    QTest::newRow("Cinemática") << "ButtonXPMACCorel17" << "TabSheet8";
    QTest::newRow("Dinâmica") << "ButtonXPMACCorel18" << "TabSheet9";
    QTest::newRow("Hidrostática") << "ButtonXPMACCorel19" << "TabSheet15";
    QTest::newRow("Termologia") << "ButtonXPMACCorel21" << "TabSheet19";
    QTest::newRow("Óptica") << "ButtonXPMACCorel20" << "TabSheet30";
    QTest::newRow("Eletrostática") << "ButtonXPMACCorel3" << "TabSheet35";
    QTest::newRow("Eletrodinâmica") << "ButtonXPMACCorel4" << "TabSheet44";
    QTest::newRow("Ondas") << "ButtonXPMACCorel22" << "TabSheet41";
}

void TestMainWindow::areaButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, list);
    m_student->fill({{"eSS", "5"}});
    m_student->click(button.toLatin1());
    QCOMPARE(m_main->findChild<QStackedWidget*>("Menu")->currentWidget()->objectName(), list);
    // Nothing else changes until a topic is chosen.
    QCOMPARE(m_main->findChild<TGradPan*>("pNome")->caption(), QStringLiteral("Movimento Uniforme"));
    QCOMPARE(m_main->findChild<QStackedWidget*>("Equacoes")->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
    QCOMPARE(m_student->text("eSS"), QStringLiteral("5"));
}

void TestMainWindow::formulasMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("list");
    QTest::newRow("&Cinemática") << "Cinemtica1" << "TabSheet8";
    QTest::newRow("&Dinâmica") << "Dinmica1" << "TabSheet9";
    QTest::newRow("&Hidrostática") << "Hidrosttica1" << "TabSheet15";
    QTest::newRow("&Termologia") << "ermologia1" << "TabSheet19";
    QTest::newRow("&Óptica") << "ptica1" << "TabSheet30";
    QTest::newRow("&Eletrostática") << "Eletrosttica1" << "TabSheet35";
    QTest::newRow("E&letrodinâmica") << "Eletrodinmica1" << "TabSheet44";
    QTest::newRow("O&ndas") << "Ondas1" << "TabSheet41";
}

void TestMainWindow::formulasMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, list);
    auto* action = m_main->findChild<QAction*>(item);
    QVERIFY(action);
    QCOMPARE(action->text(), QString::fromUtf8(QTest::currentDataTag()));
    // Start from another list so the switch is seen.
    m_student->click(list == QLatin1String("TabSheet41") ? "ButtonXPMACCorel17" : "ButtonXPMACCorel22");
    action->trigger();
    QCOMPARE(m_main->findChild<QStackedWidget*>("Menu")->currentWidget()->objectName(), list);
}

void TestMainWindow::hiddenEmailItems()
{
    auto* email = m_main->findChild<QMenu*>("EnviarEmail1");
    QVERIFY(email);
    QVERIFY(!email->menuAction()->isVisible());
    QVERIFY(!m_main->findChild<QAction*>("N1")->isVisible());
    QCOMPARE(email->actions().size(), 3);
    for (QAction* a : email->actions())
        QVERIFY(a->text().startsWith(QLatin1String("Para: ")));
    QCOMPARE(m_main->findChild<QMenu*>("Mecnica1")->title(), QStringLiteral("&Mecânica     "));
    QCOMPARE(m_main->findChild<QMenu*>("Eletricidade1")->title(), QStringLiteral("&Eletricidade     "));
    const auto bar = m_main->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar[0]->text(), QStringLiteral("&Arquivo"));
    QCOMPARE(bar[1]->text(), QStringLiteral("&Fórmulas"));
    QCOMPARE(bar[2]->text(), QStringLiteral("&Exibir"));
    QCOMPARE(bar[3]->text(), QStringLiteral("Aj&uda"));
}

void TestMainWindow::scrollReset()
{
    m_student->click("ButtonXPMACCorel18");
    auto* box = m_main->findChild<QScrollArea*>("ScrollBox9");
    box->verticalScrollBar()->setValue(80);
    QCOMPARE(box->verticalScrollBar()->value(), 80);
    m_student->click("ButtonXPMACCorel22");
    m_student->click("ButtonXPMACCorel18");
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    // Every list goes back to its top, not only the one shown.
    box->verticalScrollBar()->setValue(50);
    m_main->findChild<QAction*>("Ondas1")->trigger();
    QCOMPARE(box->verticalScrollBar()->value(), 0);
}

void TestMainWindow::listShownLaterWorksLikeTheFirst()
{
    // Its box has its fixed extent and starts at its top.
    m_student->click("ButtonXPMACCorel18");
    auto* box = m_main->findChild<QScrollArea*>("ScrollBox9");
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->widget()->height(), 470);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    QCOMPARE(box->verticalScrollBar()->maximum(), 470 - 358);
    QCOMPARE(box->mapTo(m_main->centralWidget(), QPoint(0, 0)), QPoint(0, 38));
    // Its topics answer like those of the list the window opens on.
    m_student->click("ButtonXPMACCorel20");
    QWidget* vergence = m_student->widget("ButtonXPMACCorel66");
    QVERIFY(vergence->isVisible());
    m_student->fill({{"eSS", "5"}});
    m_student->click("ButtonXPMACCorel66");
    QCOMPARE(m_main->findChild<TGradPan*>("pNome")->caption(), QStringLiteral("Vergência de uma Lente"));
    QCOMPARE(m_main->findChild<QStackedWidget*>("Equacoes")->currentWidget()->objectName(), QStringLiteral("TabSheet34"));
    QVERIFY(m_student->text("eSS").isEmpty());
    // Fonts in pixels, as everywhere.
    QCOMPARE(vergence->font().pixelSize(), 12);
}

void TestMainWindow::lastCinematicaTopicNeedsScrolling()
{
    QWidget* last = m_student->widget("ButtonXPMACCorel94");
    QCOMPARE(last->geometry(), QRect(1, 360, 148, 25));
    auto* box = m_main->findChild<QScrollArea*>("ScrollBox8");
    QVERIFY(box->verticalScrollBar()->isVisible());
    QCOMPARE(box->widget()->height(), 473);
    QCOMPARE(box->verticalScrollBar()->maximum(), 473 - 358);
}

void TestMainWindow::uniformMotion_data()
{
    QTest::addColumn<QString>("S");
    QTest::addColumn<QString>("So");
    QTest::addColumn<QString>("V");
    QTest::addColumn<QString>("t");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("result");
    QTest::newRow("S") << "" << "2" << "3" << "4" << "eSS" << "14";
    QTest::newRow("V") << "14" << "2" << "" << "4" << "eV" << "3";
    QTest::newRow("t") << "10" << "0" << "4" << "" << "eST" << "2,5";
    QTest::newRow("So") << "14" << "" << "3" << "4" << "eSSo" << "2";
    QTest::newRow("negative So") << "1" << "" << "3" << "4" << "eSSo" << "-11";
    QTest::newRow("V with a comma") << "" << "1" << "2,5" << "2" << "eSS" << "6";
    QTest::newRow("V with a point") << "" << "1" << "0.5" << "2" << "eSS" << "2";
    QTest::newRow("V not a number") << "" << "7" << "abc" << "2" << "eSS" << "";
    QTest::newRow("V a lone sign") << "" << "7" << "-" << "2" << "eSS" << "";
    QTest::newRow("V two commas") << "" << "20" << "2,,5" << "5" << "eSS" << "";
    QTest::newRow("thirds") << "1" << "0" << "" << "3" << "eV" << "0,333333333333333";
    QTest::newRow("exponents") << "" << "1E20" << "2E-3" << "5E2" << "eSS" << "1E20";
    QTest::newRow("scientific result") << "" << "0" << "3E10" << "1E10" << "eSS" << "3E20";
    QTest::newRow("tiny result") << "0,00002" << "0" << "" << "1" << "eV" << "2E-5";
}

void TestMainWindow::uniformMotion()
{
    QFETCH(QString, S);
    QFETCH(QString, So);
    QFETCH(QString, V);
    QFETCH(QString, t);
    QFETCH(QString, field);
    QFETCH(QString, result);
    int boxes = -1;
    const QString got = m_student->solve("ButtonXPMACCorel1", {{"eSS", S}, {"eSSo", So}, {"eV", V}, {"eST", t}},
                                         "JLAqua3", field.toLatin1(), &boxes);
    QCOMPARE(got, result);
    QCOMPARE(boxes, 0);
    // A second click finds nothing blank and changes nothing.
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text(field.toLatin1()), result);
}

void TestMainWindow::uniformMotionPaintsOperands()
{
    m_student->fill({{"eSSo", "2"}, {"eV", "3"}, {"eST", "4"}});
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text("eSS"), QStringLiteral("14"));
    for (const char* f : {"eSS", "eSSo", "eV", "eST"})
        QCOMPARE(m_student->widget(f)->palette().color(QPalette::Text), QColor(0, 0, 255));
}

void TestMainWindow::warningBoxForTwoBlanks()
{
    m_student->fill({{"eV", "3"}, {"eST", "4"}});
    const auto seen = TestSupport::catchMessageBoxes([&] { m_student->click("JLAqua3"); });
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.caption, QStringLiteral("ATENÇÃO"));
    QCOMPARE(seen.text, QStringLiteral("Preencha os dados corretamente!\r\n"
                                       "Obs.: Apenas um campo deve estar em branco para ser calculado."));
    QVERIFY(m_student->text("eSS").isEmpty());
    QVERIFY(m_student->text("eSSo").isEmpty());
    QCOMPARE(m_student->text("eV"), QStringLiteral("3"));
    // Two blanks where the second one is the tolerantly read V: the warning too.
    m_student->fill({{"eSS", "10"}, {"eSSo", "2"}, {"eV", ""}, {"eST", ""}});
    QCOMPARE(TestSupport::catchMessageBoxes([&] { m_student->click("JLAqua3"); }).count, 1);
    QVERIFY(m_student->text("eST").isEmpty());
}

void TestMainWindow::silentFailures_data()
{
    QTest::addColumn<QString>("S");
    QTest::addColumn<QString>("So");
    QTest::addColumn<QString>("V");
    QTest::addColumn<QString>("t");
    QTest::addColumn<QString>("field");
    QTest::newRow("division by zero") << "10" << "0" << "0" << "" << "eST";
    QTest::newRow("zero time") << "10" << "0" << "" << "0" << "eV";
    QTest::newRow("malformed operand") << "1,2,3" << "0" << "" << "2" << "eV";
    QTest::newRow("malformed before a blank") << "x" << "" << "" << "2" << "eSSo";
    QTest::newRow("overflow") << "" << "0" << "1E300" << "1E4900" << "eSS";
    QTest::newRow("V beyond a double") << "" << "0" << "1E400" << "1" << "eSS";
}

void TestMainWindow::silentFailures()
{
    QFETCH(QString, S);
    QFETCH(QString, So);
    QFETCH(QString, V);
    QFETCH(QString, t);
    QFETCH(QString, field);
    int boxes = -1;
    const QString got = m_student->solve("ButtonXPMACCorel1", {{"eSS", S}, {"eSSo", So}, {"eV", V}, {"eST", t}},
                                         "JLAqua3", field.toLatin1(), &boxes);
    QVERIFY(got.isEmpty());
    QCOMPARE(boxes, 0);
    // The program goes on: the next calculation works.
    m_student->fill({{"eSS", ""}, {"eSSo", "2"}, {"eV", "3"}, {"eST", "4"}});
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text("eSS"), QStringLiteral("14"));
}

void TestMainWindow::nothingBlankChangesNothing()
{
    m_student->fill({{"eSS", "1"}, {"eSSo", "2"}, {"eV", "3"}, {"eST", "4"}});
    const auto seen = TestSupport::catchMessageBoxes([&] { m_student->click("JLAqua3"); });
    QCOMPARE(seen.count, 0);
    QCOMPARE(m_student->text("eSS"), QStringLiteral("1"));
    QCOMPARE(m_student->text("eST"), QStringLiteral("4"));
}

void TestMainWindow::topicClearsEveryField()
{
    m_student->fill({{"eSS", "1"}, {"eSSo", "2"}, {"eV", "3"}, {"eST", "4"}});
    m_student->click("ButtonXPMACCorel1");
    for (const char* f : {"eSS", "eSSo", "eV", "eST"})
        QVERIFY(m_student->text(f).isEmpty());
    QCOMPARE(m_main->findChild<TGradPan*>("pNome")->caption(), QStringLiteral("Movimento Uniforme"));
}

void TestMainWindow::typingThroughKeyFilters_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("point becomes comma") << "2.5" << "2,5";
    QTest::newRow("letters and blanks dropped") << "1a b*2" << "12";
    QTest::newRow("exponent and signs") << "-1e+5" << "-1e+5";
    QTest::newRow("no order checked") << "1-2e,,5" << "1-2e,,5";
}

void TestMainWindow::typingThroughKeyFilters()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QWidget* field = m_student->widget("eSS");
    field->setFocus();
    TestSupport::type(field, keys);
    QCOMPARE(m_student->text("eSS"), text);
    // Backspace edits; a paste inserts nothing.
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(m_student->text("eSS"), text.chopped(1));
    QApplication::clipboard()->setText(QStringLiteral("999"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(m_student->text("eSS"), text.chopped(1));
}

void TestMainWindow::localeChange()
{
    // A value typed before the change follows it, as the constants do.
    m_student->fill({{"eSSo", "1"}, {"eV", "2,5"}, {"eST", "2"}});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(DecimalSeparator::current(), QChar(u'.'));
    QCOMPARE(m_student->text("eV"), QStringLiteral("2.5"));
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text("eSS"), QStringLiteral("6"));
    m_student->fill({{"eSS", ""}, {"eSSo", ""}, {"eV", ""}, {"eST", ""}});
    m_student->fill({{"eSS", "10"}, {"eSSo", "0"}, {"eV", "4"}});
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text("eST"), QStringLiteral("2.5"));
    QWidget* field = m_student->widget("eSS");
    m_student->fill({{"eSS", ""}});
    field->setFocus();
    TestSupport::type(field, QStringLiteral("2.5"));
    QCOMPARE(m_student->text("eSS"), QStringLiteral("2.5"));

    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(DecimalSeparator::current(), QChar(u','));
}

void TestMainWindow::aboutWindow()
{
    auto* sobre = m_main->findChild<QAction*>("Sobre1");
    QCOMPARE(sobre->text(), QStringLiteral("&Sobre este programa..."));
    for (int round = 0; round < 2; ++round) {
        QWidget* focused = nullptr;
        bool visible = false;
        QTimer::singleShot(50, [&] {
            visible = m_about->isVisible();
            focused = QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        sobre->trigger();
        QVERIFY(visible);
        QCOMPARE(focused ? focused->objectName() : QString(), QStringLiteral("ButtonXPMACCorel31"));
        QVERIFY(!m_about->isVisible());
    }
    QCOMPARE(m_about->windowTitle(), QStringLiteral("Sobre o Tavensa 2002 - Velquora..."));
    QCOMPARE(m_about->size(), QSize(378, 338));
    QCOMPARE(m_about->findChild<QWidget*>("Image47")->toolTip(), QStringLiteral("Click here!"));
}

void TestMainWindow::otherExceptionsAreSwallowed()
{
    int ran = 0;
    const auto seen = TestSupport::catchMessageBoxes([&] {
        runEventHandler([&] { ++ran; throw std::runtime_error("'x' is not a valid floating point value"); });
        runEventHandler([&] { ++ran; throw 42; });
        runEventHandler([&] { ++ran; });
    });
    QCOMPARE(ran, 3);
    QCOMPARE(seen.count, 0);
}

// Every font asks for one installed family, so a font shown by many widgets has one
// engine; a form's fields lay their text out in the font they end with.
void TestMainWindow::fontsAreResolvedOnce()
{
    const QStringList installed = QFontDatabase::families();
    for (const QWidget* w : m_main->findChildren<QWidget*>()) {
        const QStringList families = w->font().families();
        QVERIFY2(families.size() == 1 && installed.contains(families.first(), Qt::CaseInsensitive),
                 qPrintable(w->objectName() + ": " + families.join(',')));
    }
    auto* field = qobject_cast<TEdit*>(m_student->widget("eSS"));
    QCOMPARE(field->font().pixelSize(), 17);
    QLineEdit given;
    given.setFont(field->font());
    given.resize(field->size());
    for (QLineEdit* e : {static_cast<QLineEdit*>(field), &given})
        e->setText(QStringLiteral("12"));
    QCOMPARE(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().height(),
             given.inputMethodQuery(Qt::ImCursorRectangle).toRect().height());
}

VELQUORA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
