// The kinematics area as a student uses it: every topic's header and page, every
// solver block in its test order, the warning for two blanks, the silent failures,
// which fields a solver paints, and the shared pages reading the same whichever topic
// came before.
#include "AreaHarness.h"
#include "TestSupport.h"

#include "app/Application.h"
#include "app/PageRegistry.h"
#include "app/TfrmMain.h"
#include "controls/Gradpan.h"
#include "app/DecimalSeparator.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

#include <map>
#include <vector>

using AreaHarness::SolverRows;
using TestSupport::Student;

namespace {

// What a topic leaves on a label, picture or shape of its page. An unset caption, Left or
// Width is one the topic does not rely on.
struct Look
{
    const char* name;
    bool visible;
    const char* caption = nullptr;
    int left = -1;
    int width = -1;
};

using Looks = std::vector<Look>;

const Looks velocidadeMedia = {
    {"Image4", true}, {"Image5", true}, {"Image6", true}, {"Image7", true},
    {"Label10", true, "Vm =   s"}, {"Label54", true, "t", 130},
    {"Label50", true, "m/s"}, {"Label51", true, "m"}, {"Label52", true, "s"},
    {"Label42", true, "Vm"}, {"Label43", true, "s", 60}, {"Label44", true, "t", 60},
};

const Looks aceleracaoEscalar = {
    {"Label109", false}, {"Image12", true}, {"Image9", true}, {"Label80", true, "2"},
    {"Label63", true, "t", 114}, {"Label62", true, "a =   v"}, {"Label47", true, "a"}, {"Label53", true, "v"},
    {"Label58", true, "t", 60}, {"Label60", true, "m/s"}, {"Label61", true, "s"}, {"Label59", true, "m/s"},
    {"Shape7", true, nullptr, -1, 33}, {"Image11", true, nullptr, 100},
};

const Looks periodo = {
    {"Label109", true, "T = período"}, {"Image12", false}, {"Image9", false}, {"Label80", false, "2"},
    {"Label63", true, "nº de voltas", 100}, {"Label62", true, "T =       t"}, {"Label47", true, "T"},
    {"Label53", true, "t"}, {"Label58", true, "nº", 52}, {"Label60", true, "s"}, {"Label61", true, ""},
    {"Label59", true, "s"}, {"Shape7", true, nullptr, -1, 117}, {"Image11", true, nullptr, 135},
};

const Looks frequenciaParaPeriodo = {
    {"Label438", true, "f =  1"}, {"Label441", true, "T"}, {"Label443", true, "f"},
    {"Label445", true, "T"}, {"Label452", true, "Hz"}, {"Label451", true, "s"},
};

const Looks vergencia = {
    {"Label438", true, "V =  1"}, {"Label441", true, "f"}, {"Label443", true, "V"},
    {"Label445", true, "f"}, {"Label452", true, "di"}, {"Label451", true, "m"},
};

const Looks aceleracaoCentripeta = {
    {"Label9", true, "a =  v"}, {"Label106", true, "c"}, {"Label108", true, "c"}, {"Label104", true, "2"},
    {"Image85", false}, {"Label19", true, "a"}, {"Label21", true, "v"},
    {"Label103", true, "m/s"}, {"Label93", true, "m/s"}, {"Label105", true, "m"},
};

const Looks velocidadeCircular = {
    {"Image62", false}, {"Label138", false}, {"Label128", false}, {"Label137", false},
    {"Label123", true, "V = w . R"}, {"Label125", true, "V"}, {"Label126", true, "w"}, {"Label127", true, "R"},
    {"Label135", true, "m/s"}, {"Label134", true, "rad/s"}, {"Label133", true, "m"},
};

const Looks frequencia = {
    {"Label158", true, "ƒ = nº de voltas"}, {"Shape16", true, nullptr, -1, 117}, {"Image24", true, nullptr, 136},
    {"Label159", true, "t", 152}, {"Label168", true, "ƒ"}, {"Label164", true, "Hz"}, {"Label166", true, ""},
    {"Label169", true, "nº"}, {"Label170", true, "t"}, {"Label167", true, "s"},
};

const Looks* looksOf(const QString& topic)
{
    static const std::map<QString, const Looks*> table = {
        {"ButtonXPMACCorel6", &velocidadeMedia},
        {"ButtonXPMACCorel7", &aceleracaoEscalar},
        {"ButtonXPMACCorel29", &periodo},
        {"ButtonXPMACCorel93", &frequenciaParaPeriodo},
        {"ButtonXPMACCorel66", &vergencia},
        {"ButtonXPMACCorel31", &aceleracaoCentripeta},
        {"ButtonXPMACCorel10", &velocidadeCircular},
        {"ButtonXPMACCorel28", &frequencia},
    };
    const auto found = table.find(topic);
    return found == table.end() ? nullptr : found->second;
}

}

class TestCinematica : public AreaHarness::AreaTest
{
    Q_OBJECT

private slots:

    void headers_data();
    void headers();
    void solvers_data();
    void solvers() { AreaHarness::checkSolverRow(*m_student); }
    void paintingRule_data();
    void paintingRule();
    void piComesFromItsField();
    void piFollowsTheLocale();
    void sharedPages_data();
    void sharedPages();
    void declaredLayoutReadsLikeItsTopic_data();
    void declaredLayoutReadsLikeItsTopic();
    void picturesLoad_data();
    void picturesLoad();

private:
    // Columns of every solver table: the fields in the order given, the values typed
    // into them (empty stays blank), the field to read and what it must show, and how
    // many warning boxes the click brings up.
    void fill(const QStringList& fields, const QStringList& values);
    void checkLooks(const Looks& looks, const QString& after);

};

void TestCinematica::headers_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("page");
    QTest::newRow("Movimento Uniforme") << "ButtonXPMACCorel1" << "Movimento Uniforme" << "TabSheet2";
    QTest::newRow("Velocidade Média") << "ButtonXPMACCorel6" << "Velocidade Média" << "TabSheet3";
    QTest::newRow("Aceleração Escalar") << "ButtonXPMACCorel7" << "Aceleração Escalar Média" << "TabSheet4";
    QTest::newRow("Velocidade (MUV)") << "ButtonXPMACCorel8" << "Função Horária da Velocidade (MUV)" << "TabSheet5";
    QTest::newRow("Torricelli") << "ButtonXPMACCorel9" << "Torricelli" << "TabSheet6";
    QTest::newRow("Velocidade Circular") << "ButtonXPMACCorel10" << "Velocidade Circular" << "TabSheet10";
    QTest::newRow("Frequência") << "ButtonXPMACCorel28" << "Frequência" << "TabSheet13";
    QTest::newRow("Período") << "ButtonXPMACCorel29" << "Período" << "TabSheet4";
    QTest::newRow("Frequência para Período") << "ButtonXPMACCorel93" << "Frequência para Período" << "TabSheet34";
    QTest::newRow("Velocidade Angular") << "ButtonXPMACCorel30" << "Velocidade Angular" << "TabSheet1";
    QTest::newRow("Aceleração Centrípeta") << "ButtonXPMACCorel31" << "Aceleração Centrípeta" << "TabSheet7";
    QTest::newRow("Altura Máxima") << "ButtonXPMACCorel95" << "Altura Máxima" << "TabSheet54";
    QTest::newRow("Tempo da Altura Máx.") << "ButtonXPMACCorel94" << "Tempo da Altura Máxima (MQL)" << "TabSheet53";
}

void TestCinematica::headers()
{
    QFETCH(QString, topic);
    QFETCH(QString, header);
    QFETCH(QString, page);
    // Start from a page with a typed value, so the clearing is seen too.
    m_student->fill({{"eSS", "5"}});
    m_student->click(topic.toLatin1());
    QCOMPARE(m_main->findChild<TGradPan*>("pNome")->caption(), header);
    QCOMPARE(m_main->findChild<QStackedWidget*>("Equacoes")->currentWidget()->objectName(), page);
    QVERIFY(m_student->text("eSS").isEmpty());
}

void TestCinematica::fill(const QStringList& fields, const QStringList& values)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        qobject_cast<QLineEdit*>(m_student->widget(fields[i].toLatin1()))->setText(values.value(i));
}

// Rows give the fields in the page's row order (top to bottom).
void TestCinematica::solvers_data()
{
    AreaHarness::solverColumns();
    SolverRows("Velocidade Média", "ButtonXPMACCorel6", "JLAqua1", {"eVm", "eDS", "eDT"})
        .row("Vm", {"", "100", "8"}, "eVm", "12,5")
        .row("Δs", {"12,5", "", "8"}, "eDS", "100")
        .row("Δt", {"12,5", "100", ""}, "eDT", "8")
        .row("Vm, a third", {"", "1", "3"}, "eVm", "0,333333333333333")
        .row("Δt, scientific", {"3E8", "1,5E11", ""}, "eDT", "500")
        .warning("Vm and Δs blank: Vm reads Δs", {"", "", "8"}, "eVm")
        .warning("Δs and Δt blank: Δs reads Δt", {"5", "", ""}, "eDS")
        .silent("Δt zero", {"", "100", "0"}, "eVm")
        .silent("Vm zero", {"0", "100", ""}, "eDT")
        .silent("malformed", {"", "1,2,3", "4"}, "eVm")
        .row("nothing blank", {"1", "2", "3"}, "eVm", "1");
    SolverRows("Aceleração Escalar", "ButtonXPMACCorel7", "JLAqua2", {"aeA", "aeDS", "aeDT"})
        .row("a", {"", "20", "4"}, "aeA", "5")
        .row("Δv", {"5", "", "4"}, "aeDS", "20")
        .row("Δt", {"5", "20", ""}, "aeDT", "4")
        .row("a, negative", {"", "-27", "6"}, "aeA", "-4,5")
        .warning("a and Δv blank", {"", "", "4"}, "aeA")
        .warning("Δv and Δt blank", {"2", "", ""}, "aeDS")
        .silent("Δt zero", {"", "20", "0"}, "aeA")
        .silent("0 / 0", {"0", "0", ""}, "aeDT");
    SolverRows("Período", "ButtonXPMACCorel29", "JLAqua2", {"aeA", "aeDS", "aeDT"})
        .row("T", {"", "10", "4"}, "aeA", "2,5")
        .row("Δt", {"2,5", "", "4"}, "aeDS", "10")
        .row("nº de voltas", {"2,5", "10", ""}, "aeDT", "4")
        .silent("no turns", {"", "10", "0"}, "aeA");
    SolverRows("MUV", "ButtonXPMACCorel8", "JLAqua4", {"muvV", "muvVo", "muvA", "muvT"})
        .row("V", {"", "2", "3", "4"}, "muvV", "14")
        .row("a", {"14", "2", "", "4"}, "muvA", "3")
        .row("Vo", {"14", "", "3", "4"}, "muvVo", "2")
        .row("t", {"14", "2", "3", ""}, "muvT", "4")
        .row("braking to a stop", {"0", "20", "-4", ""}, "muvT", "5")
        .row("V, t with a point", {"", "1", "2", "0.5"}, "muvV", "2")
        .silent("V, t not a number", {"", "7", "2", "abc"}, "muvV")
        .silent("t, V malformed", {"1.5", "2", "3", ""}, "muvT")
        .warning("V and a blank: V reads a", {"", "2", "", "4"}, "muvV")
        .warning("a and Vo blank: a reads Vo", {"14", "", "", "4"}, "muvA")
        .warning("Vo and t blank: Vo reads t", {"14", "", "3", ""}, "muvVo")
        .silent("a, t zero", {"14", "2", "", "0"}, "muvA")
        .silent("t, a zero", {"14", "2", "0", ""}, "muvT");
    SolverRows("Torricelli", "ButtonXPMACCorel9", "JLAqua5", {"tcV", "tcVo", "tcA", "tcDS"})
        .row("V", {"", "3", "2", "4"}, "tcV", "5")
        .row("Vo", {"5", "", "2", "4"}, "tcVo", "3")
        .row("a", {"5", "3", "", "4"}, "tcA", "2")
        .row("Δs", {"5", "3", "2", ""}, "tcDS", "4")
        .row("V from rest", {"", "0", "10", "5"}, "tcV", "10")
        .row("braking distance", {"0", "20", "-5", ""}, "tcDS", "40")
        .row("V, irrational", {"", "1", "0,5", "1"}, "tcV", "1,4142135623731")
        .row("V, Δs with a point", {"", "0", "2", "2.25"}, "tcV", "3")
        .silent("Δs, a malformed", {"5", "3", "2.0", ""}, "tcDS")
        .silent("V, negative square", {"", "0", "-1", "2"}, "tcV")
        .silent("Vo, negative square", {"1", "", "2", "4"}, "tcVo")
        .silent("a, Δs zero", {"5", "3", "", "0"}, "tcA")
        .silent("Δs, a zero", {"5", "3", "0", ""}, "tcDS")
        .warning("V and Vo blank: V reads Vo", {"", "", "2", "4"}, "tcV")
        .warning("Vo and a blank: Vo reads a", {"5", "", "", "4"}, "tcVo")
        .warning("a and Δs blank: a reads Δs", {"5", "3", "", ""}, "tcA");
    SolverRows("Velocidade Angular", "ButtonXPMACCorel30", "JLAqua6", {"vaw", "vaf"})
        .row("w", {"", "2"}, "vaw", "12,5664")
        .row("f", {"6,2832", ""}, "vaf", "1")
        .row("w, a fraction", {"", "0,5"}, "vaw", "3,1416")
        .row("f, a tenth of a turn", {"0,62832", ""}, "vaf", "0,1")
        .warning("both blank", {"", ""}, "vaw")
        .silent("f, malformed w", {"1,,2", ""}, "vaf");
    SolverRows("Aceleração Centrípeta", "ButtonXPMACCorel31", "JLAqua12", {"acac", "acv", "acr"})
        .row("ac", {"", "6", "3"}, "acac", "12")
        .row("v", {"12", "", "3"}, "acv", "6")
        .row("R", {"12", "6", ""}, "acr", "3")
        .row("ac, a car on a bend", {"", "20", "50"}, "acac", "8")
        .warning("all blank: ac reads v", {"", "", ""}, "acac")
        .silent("v, negative product", {"-12", "", "3"}, "acv")
        .silent("ac, R zero", {"", "6", "0"}, "acac")
        .silent("R, ac zero", {"0", "6", ""}, "acr")
        .warning("v and R blank: v reads R", {"12", "", ""}, "acv");
    SolverRows("Tempo da Altura Máxima", "ButtonXPMACCorel94", "JLAqua45", {"tamt", "tamv", "tamg"})
        .row("t", {"", "20", "10"}, "tamt", "2")
        .row("Vo", {"2", "", "10"}, "tamv", "20")
        .row("g", {"2", "20", ""}, "tamg", "10")
        .row("t with g 9,8", {"", "49", "9,8"}, "tamt", "5")
        .warning("t and Vo blank", {"", "", "10"}, "tamt")
        .silent("t, g zero", {"", "20", "0"}, "tamt")
        .silent("g, t zero", {"0", "20", ""}, "tamg");
    SolverRows("Altura Máxima", "ButtonXPMACCorel95", "JLAqua46", {"amh", "amv", "amg"})
        .row("h", {"", "20", "10"}, "amh", "20")
        .row("Vo", {"20", "", "10"}, "amv", "20")
        .row("g", {"20", "20", ""}, "amg", "10")
        .row("h with g 9,8", {"", "14", "9,8"}, "amh", "10")
        .row("Vo, irrational", {"1", "", "1"}, "amv", "1,4142135623731")
        .warning("h and Vo blank", {"", "", "10"}, "amh")
        .warning("Vo and g blank: Vo reads g", {"20", "", ""}, "amv")
        .silent("h, g zero", {"", "20", "0"}, "amh")
        .silent("Vo, negative product", {"20", "", "-10"}, "amv")
        .silent("g, h zero", {"0", "20", ""}, "amg");
    SolverRows("Frequência para Período", "ButtonXPMACCorel93", "JLAqua29", {"vlV", "vlf"})
        .row("f", {"", "4"}, "vlV", "0,25")
        .row("T", {"0,25", ""}, "vlf", "4")
        .row("f, a third", {"", "3"}, "vlV", "0,333333333333333")
        .warning("both blank", {"", ""}, "vlV")
        .silent("f, T zero", {"", "0"}, "vlV")
        .silent("T, f zero", {"0", ""}, "vlf");
    SolverRows("Vergência", "ButtonXPMACCorel66", "JLAqua29", {"vlV", "vlf"})
        .row("V", {"", "0,5"}, "vlV", "2")
        .row("f", {"2", ""}, "vlf", "0,5")
        .row("V, a diverging lens", {"", "-0,25"}, "vlV", "-4")
        .warning("both blank", {"", ""}, "vlV")
        .silent("V, f zero", {"", "0"}, "vlV");
    SolverRows("Velocidade Circular", "ButtonXPMACCorel10", "JLAqua7", {"lnFR", "lnM", "lnA"})
        .row("V", {"", "2", "3"}, "lnFR", "6")
        .row("w", {"6", "", "3"}, "lnM", "2")
        .row("R", {"6", "2", ""}, "lnA", "3")
        .silent("w, R zero", {"6", "", "0"}, "lnM");
    SolverRows("Frequência", "ButtonXPMACCorel28", "JLAqua10", {"pP", "pT", "pdT"})
        .row("ƒ", {"", "10", "4"}, "pP", "2,5")
        .row("nº", {"2,5", "", "4"}, "pT", "10")
        .row("Δt", {"2,5", "10", ""}, "pdT", "4")
        .silent("ƒ, Δt zero", {"", "10", "0"}, "pP");
}



// Before the click every field is painted red; afterwards the fields the solver paints
// show the given colour again and the others are still red. A failed click paints nothing.
void TestCinematica::paintingRule_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("calcular");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("painted");
    const QStringList muv = {"muvV", "muvVo", "muvA", "muvT"};
    QTest::newRow("MUV, V") << "ButtonXPMACCorel8" << "JLAqua4" << muv << QStringList{"", "2", "3", "4"}
                            << QStringList{"muvVo", "muvA", "muvT"};
    QTest::newRow("MUV, a") << "ButtonXPMACCorel8" << "JLAqua4" << muv << QStringList{"14", "2", "", "4"}
                            << QStringList{"muvV", "muvVo", "muvT"};
    QTest::newRow("MUV, Vo") << "ButtonXPMACCorel8" << "JLAqua4" << muv << QStringList{"14", "", "3", "4"}
                             << QStringList{"muvV", "muvA", "muvT"};
    QTest::newRow("MUV, t") << "ButtonXPMACCorel8" << "JLAqua4" << muv << QStringList{"14", "2", "3", ""}
                            << QStringList{"muvV", "muvVo", "muvA"};
    QTest::newRow("MUV, failed") << "ButtonXPMACCorel8" << "JLAqua4" << muv << QStringList{"14", "2", "0", ""}
                                 << QStringList{};
    QTest::newRow("mean velocity") << "ButtonXPMACCorel6" << "JLAqua1" << QStringList{"eVm", "eDS", "eDT"}
                                   << QStringList{"", "100", "8"} << QStringList{};
    QTest::newRow("acceleration") << "ButtonXPMACCorel7" << "JLAqua2" << QStringList{"aeA", "aeDS", "aeDT"}
                                  << QStringList{"", "20", "4"} << QStringList{};
    QTest::newRow("Torricelli") << "ButtonXPMACCorel9" << "JLAqua5" << QStringList{"tcV", "tcVo", "tcA", "tcDS"}
                                << QStringList{"", "3", "2", "4"} << QStringList{};
    QTest::newRow("angular velocity") << "ButtonXPMACCorel30" << "JLAqua6" << QStringList{"vaw", "vaf"}
                                      << QStringList{"", "2"} << QStringList{};
    QTest::newRow("centripetal") << "ButtonXPMACCorel31" << "JLAqua12" << QStringList{"acac", "acv", "acr"}
                                 << QStringList{"", "6", "3"} << QStringList{};
    QTest::newRow("time to the top") << "ButtonXPMACCorel94" << "JLAqua45" << QStringList{"tamt", "tamv", "tamg"}
                                     << QStringList{"", "20", "10"} << QStringList{};
    QTest::newRow("maximum height") << "ButtonXPMACCorel95" << "JLAqua46" << QStringList{"amh", "amv", "amg"}
                                    << QStringList{"", "20", "10"} << QStringList{};
    QTest::newRow("vergence") << "ButtonXPMACCorel66" << "JLAqua29" << QStringList{"vlV", "vlf"}
                              << QStringList{"", "0,5"} << QStringList{};
}

void TestCinematica::paintingRule()
{
    QFETCH(QString, topic);
    QFETCH(QString, calcular);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, values);
    QFETCH(QStringList, painted);
    m_student->click(topic.toLatin1());
    fill(fields, values);
    const QColor red(255, 0, 0);
    for (const QString& f : fields) {
        QWidget* w = m_student->widget(f.toLatin1());
        QPalette pal = w->palette();
        pal.setColor(QPalette::Text, red);
        w->setPalette(pal);
    }
    m_student->click(calcular.toLatin1());
    for (const QString& f : fields) {
        const QColor want = painted.contains(f) ? QColor(0, 0, 255) : red;
        QCOMPARE(m_student->widget(f.toLatin1())->palette().color(QPalette::Text), want);
    }
}

// π is what the constant field shows, read like any operand: the topic writes it back
// after the clearing, and another value there is used as it stands.
void TestCinematica::piComesFromItsField()
{
    m_student->click("ButtonXPMACCorel30");
    auto* pi = qobject_cast<QLineEdit*>(m_student->widget("Edit3"));
    QCOMPARE(pi->text(), QStringLiteral("3,1416"));
    QVERIFY(pi->isReadOnly());
    pi->setText(QStringLiteral("3"));
    m_student->fill({{"vaf", "2"}});
    m_student->click("JLAqua6");
    QCOMPARE(m_student->text("vaw"), QStringLiteral("12"));
    // An emptied constant is an empty operand: the warning, nothing written.
    pi->clear();
    m_student->fill({{"vaw", ""}});
    QCOMPARE(TestSupport::catchMessageBoxes([&] { m_student->click("JLAqua6"); }).count, 1);
    QVERIFY(m_student->text("vaw").isEmpty());
    // Any other topic empties it; choosing the topic again writes it back.
    m_student->click("ButtonXPMACCorel1");
    QVERIFY(pi->text().isEmpty());
    m_student->click("ButtonXPMACCorel30");
    QCOMPARE(pi->text(), QStringLiteral("3,1416"));
}

// The constant is shown, and so read, with the user's separator: in a point locale from
// the start, and after a change of locale while the page is shown.
void TestCinematica::piFollowsTheLocale()
{
    const auto changeLocale = [](QLocale::Language language, QLocale::Country country) {
        QLocale::setDefault(QLocale(language, country));
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
    };
    delete m_student;
    delete m_main;
    DecimalSeparator::set(u'.');
    m_main = new TfrmMain;
    m_main->show();
    m_student = new Student(m_main);
    m_student->solve("ButtonXPMACCorel30", {{"vaf", "2"}}, "JLAqua6", "vaw");
    QCOMPARE(m_student->text("Edit3"), QStringLiteral("3.1416"));
    QCOMPARE(m_student->text("vaw"), QStringLiteral("12.5664"));

    changeLocale(QLocale::Portuguese, QLocale::Brazil);
    QCOMPARE(m_student->text("Edit3"), QStringLiteral("3,1416"));
    m_student->fill({{"vaw", ""}, {"vaf", "0,5"}});
    m_student->click("JLAqua6");
    QCOMPARE(m_student->text("vaw"), QStringLiteral("3,1416"));
    // A constant the student can no longer see as such is left alone.
    qobject_cast<QLineEdit*>(m_student->widget("Edit3"))->setText(QStringLiteral("3"));
    changeLocale(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(m_student->text("Edit3"), QStringLiteral("3"));
    changeLocale(QLocale::Portuguese, QLocale::Brazil);
}

void TestCinematica::checkLooks(const Looks& looks, const QString& after)
{
    for (const Look& look : looks) {
        QWidget* w = m_student->widget(look.name);
        const QByteArray where = after.toUtf8() + ": " + look.name;
        QVERIFY2(w->isHidden() != look.visible, where);
        if (look.caption)
            QVERIFY2(qobject_cast<QLabel*>(w)->text() == QString::fromUtf8(look.caption), where);
        if (look.left >= 0)
            QVERIFY2(w->x() == look.left, where + " Left " + QByteArray::number(w->x()));
        if (look.width >= 0)
            QVERIFY2(w->width() == look.width, where + " Width " + QByteArray::number(w->width()));
    }
}

// Visiting the topics of a shared page in any order, the page reads as the last one
// chose it.
void TestCinematica::sharedPages_data()
{
    QTest::addColumn<QStringList>("visits");
    const QString acel = "ButtonXPMACCorel7", per = "ButtonXPMACCorel29";
    const QString fpp = "ButtonXPMACCorel93", verg = "ButtonXPMACCorel66";
    QTest::newRow("acceleration, period, acceleration") << QStringList{acel, per, acel};
    QTest::newRow("period, acceleration, period") << QStringList{per, acel, per};
    QTest::newRow("period twice, then acceleration") << QStringList{per, per, acel};
    QTest::newRow("period through another page") << QStringList{per, "ButtonXPMACCorel6", acel, per};
    QTest::newRow("vergence, frequency to period, vergence") << QStringList{verg, fpp, verg};
    QTest::newRow("frequency to period, vergence, frequency to period") << QStringList{fpp, verg, fpp};
    QTest::newRow("frequency to period twice") << QStringList{fpp, fpp, verg, verg};
    QTest::newRow("mean velocity, centripetal, again") << QStringList{"ButtonXPMACCorel6", "ButtonXPMACCorel31",
                                                                      "ButtonXPMACCorel6", "ButtonXPMACCorel31"};
    QTest::newRow("Dinâmica pages relabelled") << QStringList{"ButtonXPMACCorel10", "ButtonXPMACCorel28",
                                                              "ButtonXPMACCorel11", "ButtonXPMACCorel25",
                                                              "ButtonXPMACCorel10", "ButtonXPMACCorel28"};
}

void TestCinematica::sharedPages()
{
    QFETCH(QStringList, visits);
    QString path;
    for (const QString& topic : visits) {
        m_student->click(topic.toLatin1());
        path += (path.isEmpty() ? "" : " > ") + m_main->findChild<TGradPan*>("pNome")->caption();
        if (const Looks* looks = looksOf(topic))
            checkLooks(*looks, path);
    }
}

// A page built from its form, before any topic touched it, reads as its own topic
// leaves it.
void TestCinematica::declaredLayoutReadsLikeItsTopic_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("topic");
    QTest::newRow("mean velocity") << "TabSheet3" << "ButtonXPMACCorel6";
    QTest::newRow("scalar acceleration") << "TabSheet4" << "ButtonXPMACCorel7";
    QTest::newRow("centripetal acceleration") << "TabSheet7" << "ButtonXPMACCorel31";
    QTest::newRow("vergence") << "TabSheet34" << "ButtonXPMACCorel66";
}

void TestCinematica::declaredLayoutReadsLikeItsTopic()
{
    QFETCH(QString, page);
    QFETCH(QString, topic);
    const PageRegistry::Entry* entry = PageRegistry::find(page);
    QVERIFY(entry);
    QWidget form;
    entry->setup(&form);
    for (const Look& look : *looksOf(topic)) {
        auto* w = form.findChild<QWidget*>(QLatin1String(look.name));
        QVERIFY2(w, look.name);
        QVERIFY2(w->isHidden() != look.visible, look.name);
        if (look.caption)
            QCOMPARE(qobject_cast<QLabel*>(w)->text(), QString::fromUtf8(look.caption));
        if (look.left >= 0)
            QCOMPARE(w->x(), look.left);
        if (look.width >= 0)
            QCOMPARE(w->width(), look.width);
    }
}

// Every picture of a page (illustration, delta, pi and ohm signs) is found among the
// resources and fills its place exactly.
void TestCinematica::picturesLoad_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("pictures");
    QTest::newRow("uniform motion") << "TabSheet2" << 1;
    QTest::newRow("mean velocity") << "TabSheet3" << 5;
    QTest::newRow("scalar acceleration") << "TabSheet4" << 5;
    QTest::newRow("accelerated motion") << "TabSheet5" << 1;
    QTest::newRow("Torricelli") << "TabSheet6" << 3;
    QTest::newRow("angular velocity") << "TabSheet1" << 3;
    QTest::newRow("centripetal acceleration") << "TabSheet7" << 2;
    QTest::newRow("time to the top") << "TabSheet53" << 1;
    QTest::newRow("maximum height") << "TabSheet54" << 1;
    QTest::newRow("vergence") << "TabSheet34" << 1;
}

void TestCinematica::picturesLoad()
{
    QFETCH(QString, page);
    QFETCH(int, pictures);
    QWidget form;
    PageRegistry::find(page)->setup(&form);
    int seen = 0;
    for (auto* label : form.findChildren<QLabel*>()) {
        if (!label->objectName().startsWith(QLatin1String("Image")))
            continue;
        ++seen;
        QVERIFY2(!label->pixmap().isNull(), qPrintable(label->objectName()));
        QCOMPARE(label->pixmap().size(), label->size());
    }
    QCOMPARE(seen, pictures);
    const QString illustration = QStringLiteral("Image%1").arg(page.mid(8).toInt() * 1000 + 1);
    QCOMPARE(form.findChild<QLabel*>(illustration)->geometry(), QRect(388, 8, 103, 67));
}

VELQUORA_TEST_MAIN(TestCinematica)
#include "tst_cinematica.moc"
