// The step-by-step working: every block of every solver, on every topic that shows its
// page, is written in the symbols on show and ends on the text written; every silent
// failure says why; the record copies; the window is unchanged while the panel is hidden.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/Resolution.h"
#include "app/ResolutionPanel.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/JLAqua.h"
#include "controls/TEdit.h"
#include "app/DecimalSeparator.h"
#include "engine/WorkingText.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QTest>

#include <memory>

using TestSupport::Student;

using TestSupport::currentPage;
using TestSupport::editableFields;

namespace {

QString symbolOf(const TEdit* field)
{
    return field->accessibleName().section(QStringLiteral(", "), 0, 0);
}

QString unitOf(const TEdit* field)
{
    return field->accessibleName().section(QStringLiteral(", "), 1);
}

// What is left of a formula once the given texts are taken out, longest first.
QString without(QString text, QStringList parts)
{
    std::sort(parts.begin(), parts.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& p : parts)
        text.remove(p);
    for (const QChar c : QStringLiteral("0123456789, +−·/()√²⁰¹²³⁴⁵⁶⁷⁸⁹⁻"))
        text.remove(c);
    return text;
}

// The operands of the pages that compute their total alone.
const QStringList notComputed = {"rdr1", "rdr2", "r1", "r2", "r3", "r4", "rp1", "rp2", "rp3"};

}

class TestResolution : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hiddenPanelLeavesTheWindowAsItWas();
    void workingOfEveryBlock_data();
    void workingOfEveryBlock();
    void reasons_data();
    void reasons();
    void copiedRecord();
    void topicSwitchIntroducesTheTopic();
    void keyboardAndScreenReader();
    void commaInAPointLocale();

private:
    Resolution& resolution() { return m_main->resolution(); }
    QStringList shownLines() const;

    std::unique_ptr<TestSupport::ShownWindow> m_window;
    TfrmMain* m_main = nullptr;
    Student* m_student = nullptr;
};

void TestResolution::init()
{
    m_window = std::make_unique<TestSupport::ShownWindow>();
    m_main = m_window->main;
    m_student = &m_window->student;
    m_main->findChild<QAction*>("Resolucao1")->setChecked(true);
}

void TestResolution::cleanup()
{
    m_main->findChild<QAction*>("Resolucao1")->setChecked(false);
    m_window.reset();
}

QStringList TestResolution::shownLines() const
{
    QStringList lines;
    for (const char* name : {"lLivro", "lFormula", "lValores", "lResultado"}) {
        if (const QString text = m_main->findChild<QLabel*>(name)->text(); !text.isEmpty())
            lines << text;
    }
    return lines;
}

// Hidden, the client area is 679 x 398 and the panel is not even built; shown, the window
// grows downward and nothing above moves. The choice outlives the window.
void TestResolution::hiddenPanelLeavesTheWindowAsItWas()
{
    auto* toggle = m_main->findChild<QAction*>("Resolucao1");
    toggle->trigger();
    QCOMPARE(m_main->centralWidget()->size(), QSize(679, 398));
    QVERIFY(!m_main->resolution().panel()->isVisible());
    {
        TfrmMain fresh;
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QCOMPARE(fresh.centralWidget()->size(), QSize(679, 398));
        QVERIFY(!fresh.resolution().panel());
    }
    QHash<QWidget*, QRect> before;
    for (QWidget* w : m_main->centralWidget()->findChildren<QWidget*>())
        before.insert(w, w->geometry());
    const QPoint topLeft = m_main->geometry().topLeft();
    toggle->trigger();
    QTRY_COMPARE(m_main->centralWidget()->size(), QSize(679, 398 + ResolutionPanel::panelHeight));
    const QWidget* panel = m_main->resolution().panel();
    QCOMPARE(QRect(panel->mapTo(m_main->centralWidget(), QPoint(0, 0)), panel->size()), QRect(0, 398, 679, ResolutionPanel::panelHeight));
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(it.key()->geometry(), it.value());
    QCOMPARE(m_main->geometry().topLeft(), topLeft);
    TfrmMain remembered;
    QVERIFY(remembered.resolution().isShown());
}

void TestResolution::workingOfEveryBlock_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("target");
    TfrmMain main;
    Student student(&main);
    for (const Topic& topic : Catalogue::topics()) {
        student.click(topic.button);
        for (const TEdit* field : editableFields(&main)) {
            if (!notComputed.contains(field->objectName()))
                QTest::addRow("%s: %s", topic.header, qPrintable(field->objectName()))
                    << QString::fromLatin1(topic.button) << field->objectName();
        }
    }
}

// With every other field filled, the blank one is computed and the working says how, in
// the symbols the page shows: nothing but those symbols and numbers in the formula, no
// symbol among the values, and the text written, in book form, with the row's unit to end it.
void TestResolution::workingOfEveryBlock()
{
    QFETCH(QString, topic);
    QFETCH(QString, target);
    m_student->click(topic.toLatin1());
    const char* values[] = {"7", "3", "2", "5", "11"};
    QStringList symbols;
    int i = 0;
    TEdit* computed = nullptr;
    for (TEdit* field : editableFields(m_main)) {
        symbols << symbolOf(field);
        if (field->objectName() == target)
            computed = field;
        else
            field->setText(QString::fromLatin1(values[i++ % 5]));
    }
    for (const TEdit* constant : currentPage(m_main)->findChildren<TEdit*>()) {
        if (constant->isReadOnly())
            symbols << symbolOf(constant);
    }
    m_student->click(currentPage(m_main)->findChild<TJLAqua*>()->objectName().toLatin1());
    QVERIFY2(!computed->text().isEmpty(), qPrintable(shownLines().join(u'\n')));
    QStringList lines = shownLines();
    // The relation as the book states it may come first.
    if (lines.size() == 4)
        lines.removeFirst();
    const QString lhs = symbolOf(computed) + QStringLiteral(" = ");
    QVERIFY2(lines[0].startsWith(lhs) && lines[1].startsWith(lhs), qPrintable(lines.join(u'\n')));
    QCOMPARE(without(lines[0].mid(lhs.size()), symbols), QString());
    QCOMPARE(without(lines[1].mid(lhs.size()), {}), QString());
    const QString unit = unitOf(computed);
    QCOMPARE(lines[2], lhs + WorkingText::resultText(computed->text(), u',') + (unit.isEmpty() ? QString() : u' ' + unit));
}

void TestResolution::reasons_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("boxes");
    const QStringList uniform = {"eSS", "eSSo", "eV", "eST"};
    QTest::newRow("division by zero") << "ButtonXPMACCorel1" << uniform << QStringList{"100", "20", "0", ""}
                                      << QStringList{"Divisão por zero: V = 0."} << 0;
    QTest::newRow("zero by zero") << "ButtonXPMACCorel1" << uniform << QStringList{"5", "5", "0", ""}
                                  << QStringList{"Divisão de zero por zero: S − S₀ = 0 e V = 0."} << 0;
    QTest::newRow("not a number") << "ButtonXPMACCorel1" << uniform << QStringList{"", "0", "2", "2,,5"}
                                  << QStringList{"O valor de t não é um número: “2,,5”."} << 0;
    QTest::newRow("exponent too large") << "ButtonXPMACCorel1" << uniform << QStringList{"", "1E5000", "2", "3"}
                                        << QStringList{"O valor de S₀ é grande demais: “1E5000”."} << 0;
    QTest::newRow("exponent too small") << "ButtonXPMACCorel1" << uniform << QStringList{"", "1E-5000", "2", "3"}
                                        << QStringList{"O valor de S₀ está fora do alcance: “1E-5000”."} << 0;
    QTest::newRow("value too large") << "ButtonXPMACCorel1" << uniform << QStringList{"", "0", "1e400", "2"}
                                     << QStringList{"O valor de V é grande demais: “1e400”."} << 0;
    QTest::newRow("result too large") << "ButtonXPMACCorel1" << uniform << QStringList{"", "0", "1E300", "1E4900"}
                                      << QStringList{"Resultado grande demais para S."} << 0;
    QTest::newRow("nothing blank") << "ButtonXPMACCorel1" << uniform << QStringList{"1", "2", "3", "4"}
                                   << QStringList{"Nenhum campo em branco: nada a calcular."} << 0;
    QTest::newRow("two blank") << "ButtonXPMACCorel1" << uniform << QStringList{"", "2", "3", ""}
                               << QStringList{"Mais de um campo em branco: S e t."} << 1;
    QTest::newRow("negative root") << "ButtonXPMACCorel9" << QStringList{"tcV", "tcVo", "tcA", "tcDS"}
                                   << QStringList{"", "1", "-5", "1"}
                                   << QStringList{"Raiz quadrada de número negativo: V₀² + 2 · a · Δs = −9."} << 0;
    QTest::newRow("parallel, R1 blank") << "ButtonXPMACCorel102" << QStringList{"rp1", "rp2", "rp3"}
                                        << QStringList{"", "2", ""} << QStringList{"O campo R₁ está em branco."} << 1;
    QTest::newRow("only the total is computed") << "ButtonXPMACCorel104" << QStringList{"rdr", "rdr1", "rdr2"}
                                                << QStringList{"4", "", "2"}
                                                << QStringList{"Nada a calcular: esta página não calcula R₁."} << 0;
    // Worked examples: negative values bracketed, a tolerant read showing the value used,
    // a sum from the filled fields, squares, a constant by its symbol and value.
    QTest::newRow("uniform motion") << "ButtonXPMACCorel1" << uniform << QStringList{"100", "-20", "16", ""}
                                    << QStringList{"t = (S − S₀) / V", "t = (100 − (−20)) / 16", "t = 7,5 s"} << 0;
    QTest::newRow("tolerant read") << "ButtonXPMACCorel1" << uniform << QStringList{"", "1", "1e1", "3"}
                                   << QStringList{"S = S₀ + V · t", "S = 1 + 1 · 10¹ · 3", "S = 31 m"} << 0;
    QTest::newRow("tolerant text, no number") << "ButtonXPMACCorel1" << uniform << QStringList{"", "1", "2x", "3"}
                                              << QStringList{"O valor de V não é um número: “2x”."} << 0;
    QTest::newRow("series") << "ButtonXPMACCorel101" << QStringList{"rsTotal", "r1", "r2", "r3", "r4"}
                            << QStringList{"99", "10", "20", "", "5"}
                            << QStringList{"Rₜₒₜₐₗ = R₁ + R₂ + R₄", "Rₜₒₜₐₗ = 10 + 20 + 5", "Rₜₒₜₐₗ = 35 Ω"} << 0;
    QTest::newRow("Coulomb") << "ButtonXPMACCorel80" << QStringList{"lcF", "lcQ1", "lcq2", "lcd"}
                             << QStringList{"", "1", "2", "3"}
                             << QStringList{"F = k · Q · q / d²", "F = 9 · 10⁹ · 1 · 2 / 3²", "F = 2 · 10⁹ N"} << 0;
}

void TestResolution::reasons()
{
    QFETCH(QString, topic);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);
    QFETCH(int, boxes);
    m_student->click(topic.toLatin1());
    for (int i = 0; i < fields.size(); ++i)
        qobject_cast<TEdit*>(m_student->widget(fields[i].toLatin1()))->setText(texts[i]);
    const auto seen = TestSupport::catchMessageBoxes(
        [&] { m_student->click(currentPage(m_main)->findChild<TJLAqua*>()->objectName().toLatin1()); });
    QCOMPARE(seen.count, boxes);
    QStringList shown = shownLines();
    // A reason is marked as one, apart from a working.
    if (expected.size() == 1) {
        QVERIFY(!shown.isEmpty() && shown[0].startsWith(Resolution::noResult));
        shown[0].remove(0, Resolution::noResult.size());
    }
    QCOMPARE(shown.mid(0, expected.size()), expected);
}

// Copiar takes the selected entries, or all of them, newest first, as plain text.
void TestResolution::copiedRecord()
{
    m_student->solve("ButtonXPMACCorel1", {{"eSS", "100"}, {"eSSo", "20"}, {"eV", "16"}}, "JLAqua3", "eST");
    m_student->click("ButtonXPMACCorel29");
    m_student->fill({{"aeDS", "10"}, {"aeDT", "0"}});
    m_student->click("JLAqua2");
    ResolutionPanel* panel = resolution().panel();
    QCOMPARE(panel->list()->count(), 2);
    m_student->click("btCopiar");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Período\nSem resultado — Divisão por zero: nº = 0.\n\n"
                            "Movimento Uniforme\nt = (S − S₀) / V\nt = (100 − 20) / 16\nt = 5 s\n"));
    panel->list()->item(1)->setSelected(true);
    panel->list()->setFocus();
    QTest::keyClick(panel->list(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Movimento Uniforme\nt = (S − S₀) / V\nt = (100 − 20) / 16\nt = 5 s\n"));
    // Choosing a topic keeps the record; Limpar empties it.
    m_student->click("ButtonXPMACCorel6");
    QCOMPARE(panel->list()->count(), 2);
    m_student->click("btLimpar");
    QCOMPARE(panel->list()->count(), 0);
    QVERIFY(resolution().sessionRecord().entries().empty());
}

// Ctrl+R toggles the panel; Tab goes from Calcular to the record and its buttons; the
// A topic switch shows the new topic and what to do, not the last topic's working; the
// record keeps it. Copiar has nothing to copy before the first entry.
void TestResolution::topicSwitchIntroducesTheTopic()
{
    QVERIFY(!resolution().panel()->copyButton()->isEnabled());
    m_student->solve("ButtonXPMACCorel1", {{"eSS", "100"}, {"eSSo", "20"}, {"eV", "16"}}, "JLAqua3", "eST");
    QVERIFY(resolution().panel()->copyButton()->isEnabled());
    m_student->click("ButtonXPMACCorel13");
    QCOMPARE(shownLines(), (QStringList{"Torque", "M = F · d", ResolutionPanel::introduction}));
    QCOMPARE(resolution().panel()->list()->count(), 1);
    m_student->click("btLimpar");
    QVERIFY(!resolution().panel()->copyButton()->isEnabled());
}

// panel's description, which a screen reader hears change, is the newest working.
void TestResolution::keyboardAndScreenReader()
{
    m_student->solve("ButtonXPMACCorel1", {{"eSS", "100"}, {"eSSo", "20"}, {"eV", "16"}}, "JLAqua3", "eST");
    QCOMPARE(resolution().panel()->accessibleName(), QStringLiteral("Resolução passo a passo"));
    QCOMPARE(QAccessible::queryAccessibleInterface(resolution().panel())->role(), QAccessible::Grouping);
    QCOMPARE(resolution().panel()->accessibleDescription(), QStringLiteral("t = (S − S₀) / V; t = (100 − 20) / 16; t = 5 s"));

    m_main->activateWindow();
    QWidget* calcular = m_student->widget("JLAqua3");
    calcular->setFocus(Qt::TabFocusReason);
    for (QWidget* next : {static_cast<QWidget*>(resolution().panel()->list()), resolution().panel()->copyButton(),
                          resolution().panel()->clearButton()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    m_student->widget("eSS")->setFocus();
    QTest::keyClick(m_student->widget("eSS"), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!resolution().isShown());
    QTRY_COMPARE(m_main->centralWidget()->height(), 398);
    QTest::keyClick(m_student->widget("eSS"), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(resolution().isShown());
}

// In a point locale a typed comma is a point: "2,5" is not read as 0 any more.
void TestResolution::commaInAPointLocale()
{
    DecimalSeparator::set(u'.');
    m_student->click("ButtonXPMACCorel1");
    TestSupport::type(m_student->widget("eV"), QStringLiteral("2,5"));
    m_student->fill({{"eSSo", "0"}, {"eST", "2"}});
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text("eV"), QStringLiteral("2.5"));
    QCOMPARE(m_student->text("eSS"), QStringLiteral("5"));
    QCOMPARE(shownLines()[1], QStringLiteral("S = 0 + 2.5 · 2"));
    DecimalSeparator::set(u',');
}

VELQUORA_TEST_MAIN(TestResolution)
#include "tst_resolution.moc"
