// The hydrostatics and optics areas as a student uses them: every topic's header and page,
// every solver block in its test order (on the pages the areas own and on those they
// borrow), the warning for two blanks, the silent failures, the isothermal relation of the
// hydraulic-press page, what the topics of the shared pages put back, and the pictures.
#include "AreaHarness.h"
#include "TestSupport.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/PageRegistry.h"
#include "app/TfrmMain.h"
#include "catalogue/PageModes.h"
#include "controls/Gradpan.h"
#include "app/DecimalSeparator.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include <map>
#include <vector>

using AreaHarness::SolverRows;
using TestSupport::Student;

namespace {

// What a topic sets on a label of its page: its caption, its visibility, or both.
struct Look
{
    const char* name;
    const char* caption;
    int visible = -1; // 0 hidden, 1 shown, -1 left alone
};

using Looks = std::vector<Look>;

const Looks pressao = {
    {"Label406", nullptr, 0}, {"Label407", nullptr, 0}, {"Label194", nullptr, 1}, {"Label118", nullptr, 1},
    {"Label120", "P = F"}, {"Label119", "A"}, {"Label178", "P"}, {"Label180", "F"},
    {"Label181", "A"}, {"Label193", "N/m"}, {"Label192", "N"}, {"Label191", "m"},
};

const Looks prensa = {
    {"Label206", nullptr, 1}, {"Label207", nullptr, 1}, {"Label175", "F"}, {"Label195", "A"},
    {"Label208", "F"}, {"Label209", "A"}, {"Label212", "1"}, {"Label213", "2"},
    {"Label197", "F"}, {"Label198", "A"}, {"Label199", "F"}, {"Label215", "A"},
    {"Label205", "N"}, {"Label204", "m"}, {"Label203", "N"}, {"Label217", "m"},
};

const Looks ampliacao = {
    {"Label406", nullptr, 0}, {"Label407", nullptr, 0}, {"Label194", nullptr, 0}, {"Label118", nullptr, 0},
    {"Label120", "A = i"}, {"Label119", "o"}, {"Label178", "A"}, {"Label180", "i"},
    {"Label181", "o"}, {"Label193", ""}, {"Label192", "m"}, {"Label191", "m"},
};

const Looks refracao = {
    {"Label406", nullptr, 1}, {"Label407", nullptr, 1}, {"Label194", nullptr, 0}, {"Label118", nullptr, 0},
    {"Label120", "n = c"}, {"Label119", "v"}, {"Label178", "n"}, {"Label180", "c"},
    {"Label181", "v"}, {"Label193", ""}, {"Label192", "m/s"}, {"Label191", "m/s"},
};

// Only what the Pressão Hidrostática topic leaves otherwise.
const Looks empuxo = {
    {"Label141", "E = d . g . v"}, {"Label155", "N"}, {"Label703", nullptr, 0},
    {"Label157", "v"}, {"Label111", "m"}, {"Label699", nullptr, 1},
};

}

class TestHidrostatica : public AreaHarness::AreaTest
{
    Q_OBJECT

private slots:

    void headers_data();
    void headers() { AreaHarness::checkHeaderRow(*m_main, *m_student); }
    void solvers_data();
    void solvers() { AreaHarness::checkSolverRow(*m_student); }
    void isothermalPress_data();
    void isothermalPress();
    void putsBack_data();
    void putsBack();
    void declaredLayoutReadsLikeItsTopic_data();
    void declaredLayoutReadsLikeItsTopic();
    void illustrationsLoad_data();
    void illustrationsLoad();

private:
    static const Looks& looksOf(const QString& topic);
    void checkLooks(const Looks& looks, QWidget* root);

};

void TestHidrostatica::headers_data()
{
    AreaHarness::headerColumns();
    AreaHarness::headerRow("ButtonXPMACCorel36", "Massa Específica", "Massa Específica (Densidade)", "TabSheet3");
    AreaHarness::headerRow("ButtonXPMACCorel37", "Pressão", "Pressão (Pascal)", "TabSheet16");
    AreaHarness::headerRow("ButtonXPMACCorel38", "Empuxo", "Empuxo (Arquimedes)", "TabSheet12");
    AreaHarness::headerRow("ButtonXPMACCorel39", "Pressão Hidrostática", "Pressão Hidrostática", "TabSheet12");
    AreaHarness::headerRow("ButtonXPMACCorel40", "Prensa Hidráulica", "Prensa Hidráulica", "TabSheet17");
    AreaHarness::headerRow("ButtonXPMACCorel41", "Pressão Absoluta", "Pressão Absoluta", "TabSheet18");
    AreaHarness::headerRow("ButtonXPMACCorel57", "Assoc. Espelhos Planos", "Associação de Espelhos Planos", "TabSheet29");
    AreaHarness::headerRow("ButtonXPMACCorel58", "Equação de Gauss", "Equação de Gauss", "TabSheet31");
    AreaHarness::headerRow("ButtonXPMACCorel60", "Ampliação", "Amplição", "TabSheet16");
    AreaHarness::headerRow("ButtonXPMACCorel61", "Refração Absoluto", "Refração Absolouta", "TabSheet16");
    AreaHarness::headerRow("ButtonXPMACCorel63", "Lei de Snell-Descartes", "Lei de Snell-Descartes", "TabSheet32");
    AreaHarness::headerRow("ButtonXPMACCorel65", "Refexão Interna Total", "Refexão Interna Total", "TabSheet33");
    AreaHarness::headerRow("ButtonXPMACCorel66", "Vergência de uma Lente", "Vergência de uma Lente", "TabSheet34");
}

// Rows give the fields in the page's row order (top to bottom).
void TestHidrostatica::solvers_data()
{
    AreaHarness::solverColumns();
    SolverRows("Massa Específica", "ButtonXPMACCorel36", "JLAqua1", {"eVm", "eDS", "eDT"})
        .row("d", {"", "10", "2"}, "eVm", "5")
        .row("m", {"1000", "", "0,5"}, "eDS", "500")
        .row("v", {"800", "2", ""}, "eDT", "0,0025")
        .warning("d and m blank", {"", "", "2"}, "eVm")
        .silent("d, v zero", {"", "10", "0"}, "eVm");
    const QStringList triple = {"tiT", "tiF", "tiD", "tiCos"};
    SolverRows("Empuxo", "ButtonXPMACCorel38", "JLAqua9", triple)
        .row("E", {"", "1000", "10", "0,002"}, "tiT", "20")
        .row("v", {"20", "1000", "10", ""}, "tiCos", "0,002")
        .warning("E and g blank", {"", "1000", "", "0,002"}, "tiT")
        .silent("v, d zero", {"20", "0", "10", ""}, "tiCos");
    SolverRows("Pressão Hidrostática", "ButtonXPMACCorel39", "JLAqua9", triple)
        .row("P", {"", "1000", "10", "5"}, "tiT", "50000")
        .row("d", {"50000", "", "10", "5"}, "tiF", "1000")
        .silent("d, h zero", {"50000", "", "10", "0"}, "tiF");
    const QStringList pressure = {"prP", "prF", "prA"};
    SolverRows("Pressão", "ButtonXPMACCorel37", "JLAqua13", pressure)
        .row("P", {"", "100", "4"}, "prP", "25")
        .row("F", {"25", "", "4"}, "prF", "100")
        .row("A", {"25", "100", ""}, "prA", "4")
        .row("P, a third", {"", "1", "3"}, "prP", "0,333333333333333")
        .row("P, negative force", {"", "-50", "0,5"}, "prP", "-100")
        .warning("P and F blank", {"", "", "4"}, "prP")
        .warning("F and A blank", {"25", "", ""}, "prF")
        .silent("P, A zero", {"", "100", "0"}, "prP")
        .silent("A, P zero", {"0", "100", ""}, "prA")
        .silent("A, 0 / 0", {"0", "0", ""}, "prA")
        .silent("F, malformed", {"2,,5", "", "4"}, "prF")
        .row("nothing blank", {"1", "2", "3"}, "prP", "1");
    const QStringList press = {"phF1", "phA1", "phF2", "phA2"};
    SolverRows("Prensa Hidráulica", "ButtonXPMACCorel40", "JLAqua14", press)
        .row("F1", {"", "2", "100", "10"}, "phF1", "20")
        .row("F2", {"20", "2", "", "10"}, "phF2", "100")
        .row("A1", {"20", "", "100", "10"}, "phA1", "2")
        .row("A2", {"20", "2", "100", ""}, "phA2", "10")
        .row("F1, a third", {"", "1", "1", "3"}, "phF1", "0,333333333333333")
        .warning("F1 and A1 blank: F1 reads A1", {"", "", "100", "10"}, "phF1")
        .warning("F2 and A2 blank: F2 reads A2", {"20", "2", "", ""}, "phF2")
        .silent("F1, A2 zero", {"", "2", "100", "0"}, "phF1")
        .silent("A1, F2 zero", {"20", "", "0", "10"}, "phA1")
        .silent("A2, F1 zero", {"0", "2", "100", ""}, "phA2")
        .silent("F2, malformed", {"20", "2", "", "1-0"}, "phF2");
    SolverRows("Pressão Absoluta", "ButtonXPMACCorel41", "JLAqua15", {"paP", "paPatm", "paD", "paG", "paH"})
        .row("p", {"", "100000", "1000", "10", "5"}, "paP", "150000")
        .row("patm", {"150000", "", "1000", "10", "5"}, "paPatm", "100000")
        .row("d", {"150000", "100000", "", "10", "5"}, "paD", "1000")
        .row("g", {"150000", "100000", "1000", "", "5"}, "paG", "10")
        .row("h", {"150000", "100000", "1000", "10", ""}, "paH", "5")
        .row("d, p equal to patm", {"100000", "100000", "", "10", "5"}, "paD", "0")
        .row("h, sea water", {"201000", "101000", "1025", "9,8", ""}, "paH", "9,95520159283225")
        .warning("p and patm blank", {"", "", "1000", "10", "5"}, "paP")
        .warning("g and h blank", {"150000", "100000", "1000", "", ""}, "paG")
        .silent("d, h zero", {"150000", "100000", "", "10", "0"}, "paD")
        .silent("g, d zero", {"150000", "100000", "0", "", "5"}, "paG")
        .silent("h, 0 / 0", {"100000", "100000", "1000", "0", ""}, "paH")
        .silent("p, malformed", {"", "1.5", "1000", "10", "5"}, "paP");
    SolverRows("Ampliação", "ButtonXPMACCorel60", "JLAqua13", pressure)
        .row("A", {"", "6", "2"}, "prP", "3")
        .row("i", {"0,5", "", "4"}, "prF", "2")
        .row("o", {"-2", "6", ""}, "prA", "-3")
        .silent("A, o zero", {"", "6", "0"}, "prP");
    SolverRows("Refração Absoluto", "ButtonXPMACCorel61", "JLAqua13", pressure)
        .row("n", {"", "3E8", "2E8"}, "prP", "1,5")
        .row("c", {"1,5", "", "2E8"}, "prF", "300000000")
        .row("v", {"1,5", "3E8", ""}, "prA", "200000000")
        .warning("n and c blank", {"", "", "2E8"}, "prP")
        .silent("v, n zero", {"0", "3E8", ""}, "prA");
    SolverRows("Assoc. Espelhos Planos", "ButtonXPMACCorel57", "JLAqua25", {"aepN", "aepA"})
        .row("n", {"", "90"}, "aepN", "3")
        .row("a", {"5", ""}, "aepA", "60")
        .row("n, 72º", {"", "72"}, "aepN", "4")
        .row("n, above 360º", {"", "720"}, "aepN", "-0,5")
        .warning("both blank", {"", ""}, "aepN")
        .silent("n, a zero", {"", "0"}, "aepN")
        .silent("a, n = -1", {"-1", ""}, "aepA")
        .silent("a, a lone minus", {"-", ""}, "aepA");
    SolverRows("Equação de Gauss", "ButtonXPMACCorel58", "JLAqua26", {"eg1f", "eg1d1", "eg1d0"})
        .row("f", {"", "30", "60"}, "eg1f", "20")
        .row("d1", {"20", "", "60"}, "eg1d1", "30")
        .row("d0", {"20", "30", ""}, "eg1d0", "60")
        .row("f, equal distances", {"", "10", "10"}, "eg1f", "5")
        .row("d1, virtual image", {"20", "", "10"}, "eg1d1", "-20")
        .warning("f and d1 blank", {"", "", "60"}, "eg1f")
        .warning("d1 and d0 blank", {"20", "", ""}, "eg1d1")
        .silent("f, d1 zero", {"", "0", "60"}, "eg1f")
        .silent("d1, f equal to d0", {"20", "", "20"}, "eg1d1")
        .silent("d0, f zero", {"0", "30", ""}, "eg1d0");
    SolverRows("Lei de Snell-Descartes", "ButtonXPMACCorel63", "JLAqua27", {"sdn1", "sdsi", "sdn2", "sdsr"})
        .row("sen r", {"1", "0,5", "1,5", ""}, "sdsr", "0,333333333333333")
        .row("n1", {"", "0,75", "1,5", "0,5"}, "sdn1", "1")
        .row("n2", {"1", "0,75", "", "0,5"}, "sdn2", "1,5")
        .row("sen i", {"1", "", "1,5", "0,5"}, "sdsi", "0,75")
        .row("sen r above 1", {"2", "0,9", "1", ""}, "sdsr", "1,8")
        .warning("n1 and n2 blank: n1 reads n2", {"", "0,5", "", "0,5"}, "sdn1")
        .warning("sen r and sen i blank", {"1", "", "1,5", ""}, "sdsr")
        .silent("n1, sen i zero", {"", "0", "1,5", "0,5"}, "sdn1")
        .silent("n2, sen r zero", {"1", "0,5", "", "0"}, "sdn2")
        .silent("sen i, n1 zero", {"0", "", "1,5", "0,5"}, "sdsi");
    SolverRows("Refexão Interna Total", "ButtonXPMACCorel65", "JLAqua28", {"rfsL", "rfn1", "rfn2"})
        .row("sen L", {"", "1", "2"}, "rfsL", "0,5")
        .row("n1", {"0,5", "", "1,5"}, "rfn1", "0,75")
        .row("n2", {"0,5", "1", ""}, "rfn2", "2")
        .warning("sen L and n1 blank", {"", "", "2"}, "rfsL")
        .silent("sen L, n2 zero", {"", "1", "0"}, "rfsL")
        .silent("n2, sen L zero", {"0", "1", ""}, "rfn2")
        .silent("n1, malformed", {"0,5", "", "1,5,"}, "rfn1");
    SolverRows("Vergência de uma Lente", "ButtonXPMACCorel66", "JLAqua29", {"vlV", "vlf"})
        .row("V", {"", "0,5"}, "vlV", "2")
        .row("f", {"-4", ""}, "vlf", "-0,25")
        .warning("both blank", {"", ""}, "vlf")
        .silent("f, V zero", {"0", ""}, "vlf");
}

// When the isothermal gas topic configured the press page last, the page solves
// P1.V1 = P2.V2 over the same rows (volumes in phF1 and phF2, pressures in phA1 and
// phA2), in the press's test order; choosing the press again brings its proportion back.
void TestHidrostatica::isothermalPress_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("asPress");
    QTest::newRow("V1") << QStringList{"", "2", "4", "3"} << "phF1" << "6" << "2,66666666666667";
    QTest::newRow("V2") << QStringList{"6", "2", "", "3"} << "phF2" << "4" << "9";
    QTest::newRow("P1") << QStringList{"6", "", "4", "3"} << "phA1" << "2" << "4,5";
    QTest::newRow("P2") << QStringList{"6", "2", "4", ""} << "phA2" << "3" << "1,33333333333333";
}

void TestHidrostatica::isothermalPress()
{
    QFETCH(QStringList, values);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QFETCH(QString, asPress);
    const QStringList rows = {"phF1", "phA1", "phF2", "phA2"};
    for (const QString& mode : {QString::fromLatin1(PageModes::isothermal), QString()}) {
        m_student->click("ButtonXPMACCorel40");
        if (!mode.isEmpty())
            m_main->pages().setPageMode(PageModes::isothermal);
        for (qsizetype i = 0; i < rows.size(); ++i)
            m_student->fill({{rows[i].toLatin1().constData(), values[i]}});
        m_student->click("JLAqua14");
        QCOMPARE(m_student->text(field.toLatin1()), mode.isEmpty() ? asPress : expected);
    }
}

void TestHidrostatica::checkLooks(const Looks& looks, QWidget* root)
{
    for (const Look& look : looks) {
        auto* w = root->findChild<QLabel*>(QLatin1String(look.name));
        QVERIFY2(w, look.name);
        if (look.visible >= 0)
            QVERIFY2(w->isHidden() == !look.visible, look.name);
        if (look.caption)
            QCOMPARE(w->text(), QString::fromUtf8(look.caption));
    }
}

const Looks& TestHidrostatica::looksOf(const QString& topic)
{
    static const std::map<QString, const Looks*> table = {
        {"ButtonXPMACCorel37", &pressao},   {"ButtonXPMACCorel38", &empuxo},   {"ButtonXPMACCorel40", &prensa},
        {"ButtonXPMACCorel60", &ampliacao}, {"ButtonXPMACCorel61", &refracao}};
    return *table.at(topic);
}

// A topic of a shared page puts back what the topic before it changed there, and what a
// topic of another area would change: every caption and visibility it relies on is turned
// around before it is chosen.
void TestHidrostatica::putsBack_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("topic");
    QTest::newRow("Empuxo after Pressão Hidrostática") << "ButtonXPMACCorel39" << "ButtonXPMACCorel38";
    QTest::newRow("Pressão after another area") << "ButtonXPMACCorel37" << "ButtonXPMACCorel37";
    QTest::newRow("Prensa after another area") << "ButtonXPMACCorel40" << "ButtonXPMACCorel40";
    QTest::newRow("Ampliação after Refração") << "ButtonXPMACCorel61" << "ButtonXPMACCorel60";
    QTest::newRow("Refração after Ampliação") << "ButtonXPMACCorel60" << "ButtonXPMACCorel61";
    QTest::newRow("Pressão after Refração") << "ButtonXPMACCorel61" << "ButtonXPMACCorel37";
}

void TestHidrostatica::putsBack()
{
    QFETCH(QString, before);
    QFETCH(QString, topic);
    m_student->click(before.toLatin1());
    for (const Look& look : looksOf(topic)) {
        if (look.caption)
            m_main->pages().setCaption(look.name, QStringLiteral("?"));
        if (look.visible >= 0)
            m_main->pages().setVisible(look.name, !look.visible);
    }
    m_student->click(topic.toLatin1());
    checkLooks(looksOf(topic), m_main);
}

// A page built from its form, before any topic touched it, reads as its own topic leaves it.
void TestHidrostatica::declaredLayoutReadsLikeItsTopic_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("topic");
    QTest::newRow("pressure") << "TabSheet16" << "ButtonXPMACCorel37";
    QTest::newRow("hydraulic press") << "TabSheet17" << "ButtonXPMACCorel40";
}

void TestHidrostatica::declaredLayoutReadsLikeItsTopic()
{
    QFETCH(QString, page);
    QFETCH(QString, topic);
    QWidget form;
    PageRegistry::find(page)->setup(&form);
    checkLooks(looksOf(topic), &form);
}

// Every page's illustration is found among the resources and fills its place exactly.
void TestHidrostatica::illustrationsLoad_data()
{
    QTest::addColumn<int>("page");
    for (int page : {16, 17, 18, 29, 31, 32, 33})
        QTest::newRow(qPrintable(QStringLiteral("TabSheet%1").arg(page))) << page;
}

void TestHidrostatica::illustrationsLoad()
{
    QFETCH(int, page);
    QWidget form;
    PageRegistry::find(QStringLiteral("TabSheet%1").arg(page))->setup(&form);
    auto* picture = form.findChild<QLabel*>(QStringLiteral("Image%1").arg(page * 1000 + 1));
    QVERIFY(picture && !picture->pixmap().isNull());
    QCOMPARE(picture->pixmap().size(), QSize(103, 67));
    QCOMPARE(picture->geometry(), QRect(388, 8, 103, 67));
}

VELQUORA_TEST_MAIN(TestHidrostatica)
#include "tst_hidrostatica.moc"
