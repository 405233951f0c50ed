// The Dinâmica area as a student uses it: every topic's header and page, the five
// solvers block by block, and the relabelling of the shared pages in any visit order.
#include "AreaHarness.h"
#include "TestSupport.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/TfrmAbout.h"
#include "controls/TEdit.h"
#include "app/TfrmMain.h"
#include "controls/Gradpan.h"
#include "app/DecimalSeparator.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

#include <map>
#include <optional>
#include <vector>

using AreaHarness::SolverRows;
using TestSupport::Student;

namespace {

// Everything a topic sets on its page; what it leaves alone is not listed.
struct PageState
{
    std::vector<std::pair<const char*, const char*>> captions;
    std::vector<std::pair<const char*, bool>> visible;
    std::vector<std::pair<const char*, int>> lefts;
    std::vector<std::pair<const char*, int>> widths;
};

// The product page: every topic sets the four pieces that Impulse, the inclined plane and
// the weight show, and the third symbol's place.
PageState product(const char* formula, const char* v1, const char* v2, const char* v3, const char* g1,
                  const char* g2, const char* g3, bool deltas, bool exponent, bool subscript, int tv3Left,
                  const char* lxy = nullptr)
{
    PageState s;
    s.captions = {{"lTorque", formula}, {"tv1", v1}, {"tv2", v2}, {"tv3", v3},
                  {"tg1", g1},          {"tg2", g2}, {"tg3", g3}};
    if (lxy)
        s.captions.push_back({"lxy", lxy});
    s.visible = {{"Image18", deltas}, {"Image28", deltas}, {"Label151", exponent}, {"lxy", subscript}};
    s.lefts = {{"tv3", tv3Left}};
    return s;
}

const std::map<QString, PageState>& expectedStates()
{
    static const std::map<QString, PageState> states = {
        {"ButtonXPMACCorel11",
         {{{"Label123", "F = m . a"}, {"Label125", "F"}, {"Label126", "m"}, {"Label127", "a"},
           {"Label135", "N"}, {"Label134", "kg"}, {"Label133", "m/s"}},
          {{"Image62", false}, {"Label137", true}, {"Label138", true}, {"Label128", true}},
          {},
          {}}},
        {"ButtonXPMACCorel12", product("P = m.g", "P", "m", "g", "N", "kg", "m/s", false, true, false, 44)},
        {"ButtonXPMACCorel13", product("M = F.d", "M", "F", "d", "N/m", "N", "m", false, false, false, 44)},
        {"ButtonXPMACCorel14", product("ƒ = µ.N", "ƒ", "µ", "N", "N", "", "N", false, false, false, 44)},
        {"ButtonXPMACCorel15",
         product("P = P.cos a", "Py", "P", "cos a", "N", "N", "", false, false, true, 44, "y")},
        {"ButtonXPMACCorel16",
         product("P = P.sen a", "Px", "P", "sen a", "N", "N", "", false, false, true, 44, "x")},
        {"ButtonXPMACCorel23", product("T = F.d", "T", "F", "d", "J", "N", "m", false, false, false, 44, "x")},
        {"ButtonXPMACCorel24",
         {{{"Label141", "T = F.d.cos a"}, {"Label143", "T"}, {"Label149", "F"}, {"Label152", "d"},
           {"Label157", "cos"}, {"Label155", "J"}, {"Label154", "N"}, {"Label153", "m"}, {"Label111", "m"}},
          {{"Label698", false}, {"Label699", false}, {"Label703", false}, {"Label110", false}, {"Label111", false}},
          {{"Label110", 212}},
          {}}},
        {"ButtonXPMACCorel25",
         {{{"Label158", "P =  T"}, {"Label159", "t"}, {"Label168", "P"}, {"Label164", "watts"},
           {"Label169", "T"}, {"Label166", "J"}, {"Label170", "t"}, {"Label167", "s"}},
          {},
          {{"Image24", 100}, {"Label159", 116}},
          {{"Shape16", 33}}}},
        {"ButtonXPMACCorel26", product("P = F.v", "P", "F", "v", "watts", "N", "m/s", false, false, false, 44)},
        {"ButtonXPMACCorel27",
         {{{"Label172", "Ec = m.v"}, {"Label176", "Ec"}, {"Label177", "m"}, {"Label179", "v"},
           {"Label187", "kg"}, {"Label186", "m/s"}},
          {{"ePE2", false}, {"ePE", false}},
          {},
          {}}},
        {"ButtonXPMACCorel2",
         {{{"Label172", "E  =  k.x"}, {"Label176", "E"}, {"Label177", "k"}, {"Label179", "x"},
           {"Label187", "N/m"}, {"Label186", "m"}},
          {{"ePE2", true}, {"ePE", true}},
          {},
          {}}},
        {"ButtonXPMACCorel32",
         {{{"Label141", "Epg = m . g. h"}, {"Label143", "Epg"}, {"Label149", "m"}, {"Label152", "g"},
           {"Label157", "h"}, {"Label155", "J"}, {"Label154", "kg"}, {"Label153", "m/s"}, {"Label111", "m"}},
          {{"Label698", false}, {"Label699", false}, {"Label703", false}, {"Label110", true}, {"Label111", true}},
          {{"Label110", 228}},
          {}}},
        {"ButtonXPMACCorel33", product("F = k.x", "F", "k", "x", "N", "N/m", "m", false, false, false, 44)},
        {"ButtonXPMACCorel34",
         product("Q = m.v", "Q", "m", "v", "kg.m/s", "kg", "m/s", false, false, false, 44)},
        {"ButtonXPMACCorel35", product("I = F.   t", "I", "F", "  t", "N.s", "N", "s", true, false, false, 48)},
    };
    return states;
}

}

class TestDinamica : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void topicHeaders_data();
    void topicHeaders();
    void solvers_data();
    void solvers() { AreaHarness::checkSolverRow(*m_student); }
    void sharedPageRelabelling_data();
    void sharedPageRelabelling();
    void cosineFieldKeepsThePoint();

private:
    void checkState(const QString& topic);
    void scramble(const QString& topic);

    TfrmMain* m_main = nullptr;
    Student* m_student = nullptr;
};

void TestDinamica::init()
{
    DecimalSeparator::set(u',');
    m_main = new TfrmMain;
    m_main->setAboutWindow(new TfrmAbout(m_main));
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_student = new Student(m_main);
    m_student->click("ButtonXPMACCorel18");
}

void TestDinamica::cleanup()
{
    delete m_student;
    delete m_main;
}

void TestDinamica::topicHeaders_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("page");
    QTest::newRow("2ª Lei") << "ButtonXPMACCorel11" << "2ª Lei de Newton" << "2ª Lei de Newton" << "TabSheet10";
    QTest::newRow("Peso") << "ButtonXPMACCorel12" << "Força Peso" << "Força Peso" << "TabSheet11";
    QTest::newRow("Torque") << "ButtonXPMACCorel13" << "Torque" << "Torque" << "TabSheet11";
    QTest::newRow("Atrito") << "ButtonXPMACCorel14" << "Força de Atrito" << "Força de Atrito" << "TabSheet11";
    QTest::newRow("Plano y") << "ButtonXPMACCorel15" << "Plano Inclinado y" << "Plano Inclinado y" << "TabSheet11";
    QTest::newRow("Plano x") << "ButtonXPMACCorel16" << "Plano Inclinado x" << "Plano Inclinado x" << "TabSheet11";
    QTest::newRow("Trabalho") << "ButtonXPMACCorel23" << "Trabalho" << "Trabalho" << "TabSheet11";
    QTest::newRow("Trabalho Inclinado") << "ButtonXPMACCorel24" << "Trabalho Inclinado" << "Trabalho Inclinado"
                                        << "TabSheet12";
    QTest::newRow("Potência I") << "ButtonXPMACCorel25" << "Potência I" << "Potência I" << "TabSheet13";
    QTest::newRow("Potência II") << "ButtonXPMACCorel26" << "Potência II" << "Potência II" << "TabSheet11";
    QTest::newRow("Cinética") << "ButtonXPMACCorel27" << "Enegia Cinética" << "Energia Cinética" << "TabSheet14";
    QTest::newRow("Elástica") << "ButtonXPMACCorel2" << "Enegia Potencial Elást."
                              << "Energia Potencial Elástica" << "TabSheet14";
    QTest::newRow("Gravitacional") << "ButtonXPMACCorel32" << "Energia Pot. Gravit."
                                   << "Energia Potencial Gravitacional" << "TabSheet12";
    QTest::newRow("Hooke") << "ButtonXPMACCorel33" << "Lei de Hooke" << "Lei de Hooke" << "TabSheet11";
    QTest::newRow("Quantidade") << "ButtonXPMACCorel34" << "Quant. de Movimento" << "Quantidade de Movimento"
                                << "TabSheet11";
    QTest::newRow("Impulso") << "ButtonXPMACCorel35" << "Impulso de uma Força" << "Impulso de uma Força"
                             << "TabSheet11";
}

void TestDinamica::topicHeaders()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, header);
    QFETCH(QString, page);
    QCOMPARE(qobject_cast<QAbstractButton*>(m_student->widget(button.toLatin1()))->text(), caption);
    m_student->fill({{"eSS", "5"}});
    m_student->click(button.toLatin1());
    QCOMPARE(m_main->findChild<TGradPan*>("pNome")->caption(), header);
    QCOMPARE(m_main->findChild<QStackedWidget*>("Equacoes")->currentWidget()->objectName(), page);
    // Every field of every page is emptied, those of other pages too.
    QVERIFY(m_student->text("eSS").isEmpty());
    for (TEdit* field : m_main->pages().fields())
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    checkState(button);
}

// Rows give the fields in the page's row order (top to bottom).
void TestDinamica::solvers_data()
{
    AreaHarness::solverColumns();
    SolverRows("2ª Lei", "ButtonXPMACCorel11", "JLAqua7", {"lnFR", "lnM", "lnA"})
        .row("F", {"", "2", "3"}, "lnFR", "6")
        .row("m", {"10", "", "4"}, "lnM", "2,5")
        .row("a", {"10", "4", ""}, "lnA", "2,5")
        .row("negative F", {"", "1,5", "-4"}, "lnFR", "-6")
        .row("m in thirds", {"1", "", "3"}, "lnM", "0,333333333333333")
        .row("a in exponents", {"1E20", "4E-5", ""}, "lnA", "2,5E24")
        .silent("m with a = 0", {"10", "", "0"}, "lnM")
        .silent("a with 0/0", {"0", "0", ""}, "lnA")
        .warning("F and m blank", {"", "", "3"}, "lnFR")
        .warning("m and a blank", {"10", "", ""}, "lnM")
        .silent("malformed F", {"1,2,3", "", "2"}, "lnM")
        .row("nothing blank", {"1", "2", "3"}, "lnFR", "1")
        .silent("product overflow", {"", "1E4000", "1E4000"}, "lnFR");
    SolverRows("Produto", "ButtonXPMACCorel12", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("weight P", {"", "5", "9,8"}, "fpP", "49")
        .row("weight g", {"49", "5", ""}, "fpG", "9,8")
        .row("weight m", {"49", "", "9,8"}, "fpM", "5");
    SolverRows("Produto", "ButtonXPMACCorel13", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("torque", {"", "10", "0,5"}, "fpP", "5");
    SolverRows("Produto", "ButtonXPMACCorel14", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("friction µ", {"6", "", "20"}, "fpM", "0,3");
    SolverRows("Produto", "ButtonXPMACCorel15", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("plane y", {"", "100", "0,5"}, "fpP", "50")
        .row("plane y cos", {"50", "100", ""}, "fpG", "0,5");
    SolverRows("Produto", "ButtonXPMACCorel16", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("plane x", {"", "80", "0,6"}, "fpP", "48");
    SolverRows("Produto", "ButtonXPMACCorel23", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("work d", {"100", "8", ""}, "fpG", "12,5");
    SolverRows("Produto", "ButtonXPMACCorel26", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("power II", {"", "2,5", "-4"}, "fpP", "-10");
    SolverRows("Produto", "ButtonXPMACCorel33", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("Hooke k", {"12", "", "0,3"}, "fpM", "40");
    SolverRows("Produto", "ButtonXPMACCorel34", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("momentum v", {"2", "3", ""}, "fpG", "0,666666666666667");
    SolverRows("Produto", "ButtonXPMACCorel35", "JLAqua8", {"fpP", "fpM", "fpG"})
        .row("impulse", {"", "20", "0,5"}, "fpP", "10");
    SolverRows("Produto", "ButtonXPMACCorel12", "JLAqua8", {"fpP", "fpM", "fpG"})
        .silent("m with g = 0", {"10", "", "0"}, "fpM")
        .silent("g with m = 0", {"10", "0", ""}, "fpG")
        .warning("P and m blank", {"", "", "2"}, "fpP");
    SolverRows("Produto", "ButtonXPMACCorel33", "JLAqua8", {"fpP", "fpM", "fpG"})
        .warning("m and g blank", {"2", "", ""}, "fpM");
    SolverRows("Produto", "ButtonXPMACCorel13", "JLAqua8", {"fpP", "fpM", "fpG"})
        .silent("overflow", {"", "1E4000", "1E4000"}, "fpP");
    SolverRows("Produto triplo", "ButtonXPMACCorel24", "JLAqua9", {"tiT", "tiF", "tiD", "tiCos"})
        .row("T", {"", "10", "5", "0,5"}, "tiT", "25")
        .row("F", {"25", "", "5", "0,5"}, "tiF", "10")
        .row("d", {"25", "10", "", "0,5"}, "tiD", "5")
        .row("cos", {"25", "10", "5", ""}, "tiCos", "0,5")
        .row("T tenths", {"", "3", "7", "0,1"}, "tiT", "2,1")
        .row("d in thirds", {"1", "1", "", "3"}, "tiD", "0,333333333333333");
    SolverRows("Produto triplo", "ButtonXPMACCorel32", "JLAqua9", {"tiT", "tiF", "tiD", "tiCos"})
        .row("Epg", {"", "2", "10", "5"}, "tiT", "100")
        .row("Epg h", {"100", "2", "10", ""}, "tiCos", "5");
    SolverRows("Produto triplo", "ButtonXPMACCorel24", "JLAqua9", {"tiT", "tiF", "tiD", "tiCos"})
        .silent("F with cos = 0", {"25", "", "5", "0"}, "tiF")
        .silent("cos with d = 0", {"25", "10", "0", ""}, "tiCos")
        .silent("cos with a point", {"", "10", "5", "0.5"}, "tiT")
        .warning("T and d blank", {"", "10", "", "0,5"}, "tiT");
    SolverRows("Produto triplo", "ButtonXPMACCorel32", "JLAqua9", {"tiT", "tiF", "tiD", "tiCos"})
        .warning("F and cos blank", {"25", "", "5", ""}, "tiF");
    SolverRows("Potência", "ButtonXPMACCorel25", "JLAqua10", {"pP", "pT", "pdT"})
        .row("P", {"", "100", "4"}, "pP", "25")
        .row("T", {"25", "", "4"}, "pT", "100")
        .row("dt", {"25", "100", ""}, "pdT", "4")
        .row("P in thirds", {"", "1", "3"}, "pP", "0,333333333333333")
        .row("tiny T", {"2", "", "1E-20"}, "pT", "2E-20")
        .silent("P with dt = 0", {"", "100", "0"}, "pP")
        .silent("dt with P = 0", {"0", "100", ""}, "pdT")
        .warning("P and T blank", {"", "", "4"}, "pP")
        .warning("T and dt blank", {"25", "", ""}, "pT");
    SolverRows("Energia", "ButtonXPMACCorel27", "JLAqua11", {"ecEC", "ecM", "ecV"})
        .row("Ec", {"", "2", "3"}, "ecEC", "9")
        .row("m", {"9", "", "3"}, "ecM", "2")
        .row("v", {"9", "2", ""}, "ecV", "3")
        .row("Ec with negative v", {"", "2", "-3"}, "ecEC", "9")
        .row("v irrational", {"1", "1", ""}, "ecV", "1,4142135623731");
    SolverRows("Energia", "ButtonXPMACCorel2", "JLAqua11", {"ecEC", "ecM", "ecV"})
        .row("elastic E", {"", "100", "0,1"}, "ecEC", "0,5")
        .row("elastic x", {"0,5", "100", ""}, "ecV", "0,1");
    SolverRows("Energia", "ButtonXPMACCorel27", "JLAqua11", {"ecEC", "ecM", "ecV"})
        .silent("negative root", {"-9", "2", ""}, "ecV")
        .silent("m with v = 0", {"9", "", "0"}, "ecM")
        .silent("v with m = 0", {"9", "0", ""}, "ecV")
        .warning("Ec and m blank", {"", "", "3"}, "ecEC");
    SolverRows("Energia", "ButtonXPMACCorel2", "JLAqua11", {"ecEC", "ecM", "ecV"})
        .warning("m and v blank", {"9", "", ""}, "ecM");
}

void TestDinamica::sharedPageRelabelling_data()
{
    QTest::addColumn<QStringList>("visits");
    QTest::addColumn<bool>("scrambled");
    const QStringList product{"ButtonXPMACCorel12", "ButtonXPMACCorel13", "ButtonXPMACCorel14",
                              "ButtonXPMACCorel15", "ButtonXPMACCorel16", "ButtonXPMACCorel23",
                              "ButtonXPMACCorel26", "ButtonXPMACCorel33", "ButtonXPMACCorel34",
                              "ButtonXPMACCorel35"};
    QStringList backwards = product;
    std::reverse(backwards.begin(), backwards.end());
    QStringList impulseBetween;
    for (const QString& t : product)
        impulseBetween << "ButtonXPMACCorel35" << t << "ButtonXPMACCorel15" << t;
    QTest::newRow("TabSheet10") << QStringList{"ButtonXPMACCorel11", "ButtonXPMACCorel11"} << false;
    QTest::newRow("TabSheet10 after other areas") << QStringList{"ButtonXPMACCorel11", "ButtonXPMACCorel11"} << true;
    QTest::newRow("TabSheet11 in list order") << product << false;
    QTest::newRow("TabSheet11 backwards") << backwards << false;
    QTest::newRow("TabSheet11 impulse and plane between") << impulseBetween << false;
    QTest::newRow("TabSheet11 after other relabelling") << product + backwards << true;
    const QStringList sheet12{"ButtonXPMACCorel24", "ButtonXPMACCorel32", "ButtonXPMACCorel24",
                              "ButtonXPMACCorel32", "ButtonXPMACCorel32"};
    QTest::newRow("TabSheet12") << sheet12 << false;
    QTest::newRow("TabSheet12 after other areas") << sheet12 << true;
    QTest::newRow("TabSheet13") << QStringList{"ButtonXPMACCorel25", "ButtonXPMACCorel25"} << false;
    QTest::newRow("TabSheet13 after other areas") << QStringList{"ButtonXPMACCorel25", "ButtonXPMACCorel25"}
                                                  << true;
    const QStringList sheet14{"ButtonXPMACCorel27", "ButtonXPMACCorel2", "ButtonXPMACCorel2",
                              "ButtonXPMACCorel27", "ButtonXPMACCorel2"};
    QTest::newRow("TabSheet14") << sheet14 << false;
    QTest::newRow("TabSheet14 scrambled") << sheet14 << true;
}

// Visits the topics in order and checks after each one everything it sets. Scrambled rows
// first give every piece the topic sets a wrong caption, place, width and visibility, as a
// topic of another area would leave it.
void TestDinamica::sharedPageRelabelling()
{
    QFETCH(QStringList, visits);
    QFETCH(bool, scrambled);
    bool built = false;
    for (const QString& topic : visits) {
        if (scrambled && built)
            scramble(topic);
        m_student->click(topic.toLatin1());
        built = true;
        checkState(topic);
        if (QTest::currentTestFailed()) {
            qWarning("after visiting %s", qPrintable(topic));
            return;
        }
    }
}

void TestDinamica::cosineFieldKeepsThePoint()
{
    m_student->click("ButtonXPMACCorel24");
    QWidget* cosine = m_student->widget("tiCos");
    cosine->setFocus();
    TestSupport::type(cosine, QStringLiteral("0.5e"));
    QCOMPARE(m_student->text("tiCos"), QStringLiteral("0.5"));
    QWidget* force = m_student->widget("tiF");
    force->setFocus();
    TestSupport::type(force, QStringLiteral("2.5"));
    QCOMPARE(m_student->text("tiF"), QStringLiteral("2,5"));
}

void TestDinamica::checkState(const QString& topic)
{
    const auto it = expectedStates().find(topic);
    QVERIFY(it != expectedStates().end());
    const PageState& s = it->second;
    for (const auto& [name, caption] : s.captions)
        QCOMPARE(m_student->caption(name), QString::fromUtf8(caption));
    for (const auto& [name, visible] : s.visible)
        QCOMPARE(!m_student->widget(name)->isHidden(), visible);
    for (const auto& [name, left] : s.lefts)
        QCOMPARE(m_student->widget(name)->x(), left);
    for (const auto& [name, width] : s.widths)
        QCOMPARE(m_student->widget(name)->width(), width);
}

void TestDinamica::scramble(const QString& topic)
{
    const PageState& s = expectedStates().at(topic);
    EquationPages& page = m_main->pages();
    for (const auto& [name, caption] : s.captions)
        page.caption(name, "?");
    for (const auto& [name, visible] : s.visible)
        page.setVisible(name, !visible);
    for (const auto& [name, left] : s.lefts)
        page.left(name, left + 40);
    for (const auto& [name, width] : s.widths)
        page.width(name, width + 84);
}

VELQUORA_TEST_MAIN(TestDinamica)
#include "tst_dinamica.moc"
