// The waves and electrostatics areas as a student uses them: every topic's button, header
// and page, every solver block of their pages (borrowed ones in the topic's terms), the
// constant fields their topics write back, the charge page in a point locale, and what
// the relabelling topics leave on their pages.
#include "AreaHarness.h"
#include "TestSupport.h"

#include "app/Application.h"
#include "app/TfrmMain.h"
#include "controls/Gradpan.h"
#include "app/DecimalSeparator.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

using AreaHarness::SolverRows;
using AreaHarness::secondLawRows;
using TestSupport::Student;

class TestOndasEletrostatica : public AreaHarness::AreaTest
{
    Q_OBJECT

private slots:

    void headers_data();
    void headers() { AreaHarness::checkHeaderRow(*m_main, *m_student); }
    void solvers_data();
    void solvers() { AreaHarness::checkSolverRow(*m_student); }
    void constantFields_data();
    void constantFields();
    void chargeInAPointLocale();
    void looks_data();
    void looks();
};

void TestOndasEletrostatica::headers_data()
{
    AreaHarness::headerColumns();
    AreaHarness::headerRow("ButtonXPMACCorel79", "Carga Elétrica de um Corpo", "Carga Elétrica de um Corpo", "TabSheet36");
    AreaHarness::headerRow("ButtonXPMACCorel80", "Lei de Coulomb", "Lei de Coulomb", "TabSheet37");
    AreaHarness::headerRow("ButtonXPMACCorel81", "Vetor Campo Elétrico", "Vetor Campo Elétrico", "TabSheet38");
    AreaHarness::headerRow("ButtonXPMACCorel82", "Energia Potencial Elétrica", "Energia Potencial Elétrica", "TabSheet39");
    AreaHarness::headerRow("ButtonXPMACCorel83", "Potencial Elétrico um Ponto", "Potencial Elétrico de um Ponto", "TabSheet26");
    AreaHarness::headerRow("ButtonXPMACCorel84", "Campo Elétrico Uniforme 1", "Campo Elétrico Uniforme 1", "TabSheet40");
    AreaHarness::headerRow("ButtonXPMACCorel85", "Campo Elétrico Uniforme 2", "Campo Elétrico Uniforme 2", "TabSheet40");
    AreaHarness::headerRow("ButtonXPMACCorel86", "Campo Elétrico Uniforme 3", "Campo Elétrico Uniforme 3", "TabSheet40");
    AreaHarness::headerRow("ButtonXPMACCorel71", "Frequência (Ondulatória)", "Frequência (Ondulatória)", "TabSheet13");
    AreaHarness::headerRow("ButtonXPMACCorel72", "Período (Ondulatório)", "Período (Ondulatório)", "TabSheet4");
    AreaHarness::headerRow("ButtonXPMACCorel73", "Frequência para Período", "Frequência para Período", "TabSheet34");
    AreaHarness::headerRow("ButtonXPMACCorel74", "Velocidade Ondulatória", "Velocidade Ondulatória", "TabSheet10");
    AreaHarness::headerRow("ButtonXPMACCorel75", "Distância", "Distância", "TabSheet10");
    AreaHarness::headerRow("ButtonXPMACCorel76", "Equação Taylor (Cordas)", "Equação de Taylor (Cordas)", "TabSheet43");
    AreaHarness::headerRow("ButtonXPMACCorel77", "Densidade Acústica", "Densidade Acústica", "TabSheet16");
    AreaHarness::headerRow("ButtonXPMACCorel78", "Frequência Corda Vibrante", "Frequência Corda Vibrante", "TabSheet42");
}

// Rows give the fields in the page's row order (top to bottom); constant fields are left out.
void TestOndasEletrostatica::solvers_data()
{
    AreaHarness::solverColumns();
    SolverRows("Carga", "ButtonXPMACCorel79", "JLAqua30", {"cecQ", "cecN"})
        .row("Q", {"", "10"}, "cecQ", "1,6x10E-18")
        .row("n", {"1", ""}, "cecN", "6,25x10E18")
        .row("n, no exponent", {"0,0000000000000000032", ""}, "cecN", "20")
        .row("Q, no exponent", {"", "1E19"}, "cecQ", "1,6")
        .row("Q, a negative count", {"", "-3"}, "cecQ", "-4,8x10E-19")
        .warning("both blank", {"", ""}, "cecQ")
        .silent("n from a result with x10", {"1,6x10E-18", ""}, "cecN")
        .silent("Q, n a lone minus", {"", "-"}, "cecQ");
    SolverRows("Coulomb", "ButtonXPMACCorel80", "JLAqua31", {"lcF", "lcQ1", "lcq2", "lcd"})
        .row("F", {"", "0,000001", "0,000002", "0,3"}, "lcF", "0,2")
        .row("Q", {"0,2", "", "0,000002", "0,3"}, "lcQ1", "1E-6")
        .row("q", {"0,2", "0,000001", "", "0,3"}, "lcq2", "2E-6")
        .row("d", {"0,2", "0,000001", "0,000002", ""}, "lcd", "0,3")
        .row("F, attraction", {"", "0,000001", "-0,000002", "0,3"}, "lcF", "-0,2")
        .warning("F and Q blank", {"", "", "0,000002", "0,3"}, "lcF")
        .silent("F, d zero", {"", "0,000001", "0,000002", "0"}, "lcF")
        .silent("q, Q zero", {"0,2", "0", "", "0,3"}, "lcq2")
        .silent("d, negative force for like charges", {"-0,2", "0,000001", "0,000002", ""}, "lcd");
    SolverRows("Campo", "ButtonXPMACCorel81", "JLAqua32", {"vcE", "vcQ", "vcD"})
        .row("E", {"", "0,000002", "3"}, "vcE", "2000")
        .row("Q", {"2000", "", "3"}, "vcQ", "2E-6")
        .row("d", {"2000", "0,000002", ""}, "vcD", "3")
        .warning("E and Q blank", {"", "", "3"}, "vcE")
        .silent("E, d zero", {"", "0,000002", "0"}, "vcE")
        .silent("d, E zero", {"0", "0,000002", ""}, "vcD")
        .silent("d, negative quotient", {"-2000", "0,000002", ""}, "vcD");
    SolverRows("Energia Potencial", "ButtonXPMACCorel82", "JLAqua33", {"epeE", "epeQ1", "epeQ2", "epeD"})
        .row("E", {"", "0,000001", "0,000002", "0,5"}, "epeE", "0,036")
        .row("Q", {"0,036", "", "0,000002", "0,5"}, "epeQ1", "1E-6")
        .row("q", {"0,036", "0,000001", "", "0,5"}, "epeQ2", "2E-6")
        .row("d", {"0,036", "0,000001", "0,000002", ""}, "epeD", "0,5")
        .warning("q and d blank", {"0,036", "0,000001", "", ""}, "epeQ2")
        .silent("E, d zero", {"", "0,000001", "0,000002", "0"}, "epeE")
        .silent("d, E zero", {"0", "0,000001", "0,000002", ""}, "epeD");
    SolverRows("Potencial", "ButtonXPMACCorel83", "JLAqua22", {"pepV", "pepQ", "pepD"})
        .row("u", {"", "0,000001", "0,5"}, "pepV", "18000")
        .row("Q", {"18000", "", "0,5"}, "pepQ", "1E-6")
        .row("d", {"18000", "0,000001", ""}, "pepD", "0,5")
        .warning("u and Q blank", {"", "", "0,5"}, "pepV")
        .silent("u, d zero", {"", "0,000001", "0"}, "pepV")
        .silent("d, u zero", {"0", "0,000001", ""}, "pepD");
    const QStringList uniform = {"ceuF", "ceuE", "ceuQ"};
    SolverRows("Uniforme 1", "ButtonXPMACCorel84", "JLAqua34", uniform)
        .row("F", {"", "1000", "0,002"}, "ceuF", "2")
        .row("E", {"2", "", "0,002"}, "ceuE", "1000")
        .row("q", {"2", "1000", ""}, "ceuQ", "0,002")
        .warning("F and E blank", {"", "", "0,002"}, "ceuF")
        .silent("E, q zero", {"2", "", "0"}, "ceuE")
        .silent("q, E zero", {"2", "0", ""}, "ceuQ");
    SolverRows("Uniforme 2", "ButtonXPMACCorel85", "JLAqua34", uniform)
        .row("u", {"", "500", "0,1"}, "ceuF", "50")
        .row("d", {"50", "500", ""}, "ceuQ", "0,1");
    SolverRows("Uniforme 3", "ButtonXPMACCorel86", "JLAqua34", uniform)
        .row("T", {"", "0,002", "1000"}, "ceuF", "2")
        .row("q", {"2", "", "1000"}, "ceuE", "0,002");
    SolverRows("Corda Vibrante", "ButtonXPMACCorel78", "JLAqua35", {"fcF", "fcN", "fcV", "fcL"})
        .row("ƒ", {"", "1", "340", "0,5"}, "fcF", "340")
        .row("n", {"340", "", "340", "0,5"}, "fcN", "1")
        .row("v", {"340", "1", "", "0,5"}, "fcV", "340")
        .row("L", {"340", "1", "340", ""}, "fcL", "0,5")
        .row("ƒ, third harmonic", {"", "3", "100", "2"}, "fcF", "75")
        .warning("ƒ and n blank", {"", "", "340", "0,5"}, "fcF")
        .silent("ƒ, L zero", {"", "1", "340", "0"}, "fcF")
        .silent("n, v zero", {"340", "", "0", "0,5"}, "fcN")
        .silent("ƒ, n a lone minus", {"", "-", "340", "0,5"}, "fcF");
    SolverRows("Taylor", "ButtonXPMACCorel76", "JLAqua36", {"etv", "etf", "etp"})
        .row("v", {"", "100", "0,01"}, "etv", "100")
        .row("F", {"100", "", "0,01"}, "etf", "100")
        .row("p", {"100", "100", ""}, "etp", "0,01")
        .row("v, irrational", {"", "2", "1"}, "etv", "1,4142135623731")
        .warning("v and F blank", {"", "", "0,01"}, "etv")
        .silent("v, negative tension", {"", "-100", "0,01"}, "etv")
        .silent("v, p zero", {"", "100", "0"}, "etv")
        .silent("p, v zero", {"0", "100", ""}, "etp");
    SolverRows("Frequência (Ondulatória)", "ButtonXPMACCorel71", "JLAqua10", {"pP", "pT", "pdT"})
        .row("ƒ", {"", "20", "4"}, "pP", "5")
        .row("nº", {"5", "", "4"}, "pT", "20")
        .row("Δt", {"5", "20", ""}, "pdT", "4")
        .silent("ƒ, Δt zero", {"", "20", "0"}, "pP");
    SolverRows("Período (Ondulatório)", "ButtonXPMACCorel72", "JLAqua2", {"aeA", "aeDS", "aeDT"})
        .row("T", {"", "10", "4"}, "aeA", "2,5")
        .row("Δt", {"2,5", "", "4"}, "aeDS", "10")
        .row("nº", {"2,5", "10", ""}, "aeDT", "4")
        .silent("T, no waves", {"", "10", "0"}, "aeA");
    SolverRows("Frequência para Período", "ButtonXPMACCorel73", "JLAqua29", {"vlV", "vlf"})
        .row("f", {"", "0,25"}, "vlV", "4")
        .row("T", {"4", ""}, "vlf", "0,25")
        .silent("f, T zero", {"", "0"}, "vlV");
    SolverRows("Densidade Acústica", "ButtonXPMACCorel77", "JLAqua13", {"prP", "prF", "prA"})
        .row("p", {"", "0,5", "2"}, "prP", "0,25")
        .row("m", {"0,25", "", "2"}, "prF", "0,5")
        .row("L", {"0,25", "0,5", ""}, "prA", "2")
        .silent("p, L zero", {"", "0,5", "0"}, "prP");
    secondLawRows("Velocidade Ondulatória", "ButtonXPMACCorel74")
        .row("V", {"", "2", "50"}, "lnFR", "100")
        .row("x", {"100", "", "50"}, "lnM", "2")
        .row("ƒ", {"100", "2", ""}, "lnA", "50")
        .silent("x, ƒ zero", {"100", "", "0"}, "lnM");
    secondLawRows("Distância", "ButtonXPMACCorel75")
        .row("x", {"", "340", "2"}, "lnFR", "680")
        .row("v", {"680", "", "2"}, "lnM", "340")
        .row("T", {"680", "340", ""}, "lnA", "2")
        .warning("x and v blank", {"", "", "2"}, "lnFR");
}

// A constant field is written back by its own topic after the clearing, and emptied by
// any other topic.
void TestOndasEletrostatica::constantFields_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("e") << "ButtonXPMACCorel79" << "cecE" << "1,6x10E-19";
    QTest::newRow("k, Coulomb") << "ButtonXPMACCorel80" << "lcK" << "9000000000";
    QTest::newRow("k, field") << "ButtonXPMACCorel81" << "vcK" << "9000000000";
    QTest::newRow("k, energy") << "ButtonXPMACCorel82" << "epeK" << "9000000000";
    QTest::newRow("k, potential") << "ButtonXPMACCorel83" << "pepK" << "9000000000";
}

void TestOndasEletrostatica::constantFields()
{
    QFETCH(QString, topic);
    QFETCH(QString, field);
    QFETCH(QString, text);
    const QByteArray name = field.toLatin1();
    m_student->click(topic.toLatin1());
    QCOMPARE(m_student->text(name), text);
    QVERIFY(qobject_cast<QLineEdit*>(m_student->widget(name))->isReadOnly());
    m_student->click("ButtonXPMACCorel84");
    QVERIFY(m_student->text(name).isEmpty());
    m_student->click(topic.toLatin1());
    QCOMPARE(m_student->text(name), text);
}

// The elementary charge is converted in the user's locale, so a point locale computes what
// the comma locale does.
void TestOndasEletrostatica::chargeInAPointLocale()
{
    DecimalSeparator::set(u'.');
    QCOMPARE(m_student->solve("ButtonXPMACCorel79", {{"cecN", "10"}}, "JLAqua30", "cecQ"),
             QStringLiteral("1.6x10E-18"));
    QCOMPARE(m_student->text("cecE"), QStringLiteral("1.6x10E-19"));
    QCOMPARE(m_student->solve("ButtonXPMACCorel79", {{"cecQ", "1"}}, "JLAqua30", "cecN"),
             QStringLiteral("6.25x10E18"));
    QCOMPARE(m_student->solve("ButtonXPMACCorel79", {{"cecQ", "0.0000000000000000032"}}, "JLAqua30", "cecN"),
             QStringLiteral("20"));
    DecimalSeparator::set(u',');
}

// What a topic leaves on its page after the topics chosen before it: "name=caption",
// "+name" shown, "-name" hidden.
void TestOndasEletrostatica::looks_data()
{
    QTest::addColumn<QStringList>("topics");
    QTest::addColumn<QStringList>("looks");
    QTest::newRow("Período (Ondulatório)")
        << QStringList{"ButtonXPMACCorel72"}
        << QStringList{"+Label109", "Label109=T = período", "Label63=nº de ondas", "Label62=T =       t",
                       "-Image12", "-Image9", "-Label80", "Label58=nº"};
    QTest::newRow("Período, then Aceleração Escalar")
        << QStringList{"ButtonXPMACCorel72", "ButtonXPMACCorel7"} << QStringList{"-Label109", "+Label80"};
    QTest::newRow("Frequência (Ondulatória)")
        << QStringList{"ButtonXPMACCorel71"}
        << QStringList{"Label158=ƒ = nº de ondas", "Label169=nº", "Label166=", "Label170=t", "Label167=s"};
    QTest::newRow("Frequência para Período, then Vergência")
        << QStringList{"ButtonXPMACCorel73", "ButtonXPMACCorel66"}
        << QStringList{"Label443=V", "Label445=f", "Label452=di", "Label451=m"};
    QTest::newRow("Densidade Acústica")
        << QStringList{"ButtonXPMACCorel77"}
        << QStringList{"Label120=p = m", "Label119=L", "Label193=kg/m", "-Label194", "-Label118", "-Label406",
                       "-Label407"};
    QTest::newRow("Uniforme 2")
        << QStringList{"ButtonXPMACCorel85"}
        << QStringList{"+ab1", "-ab2", "Label535=u = e . d", "Label538=u", "Label540=e", "Label541=d",
                       "Label547=V", "Label546=V/m", "Label545=m"};
    QTest::newRow("Uniforme 3")
        << QStringList{"ButtonXPMACCorel86"}
        << QStringList{"+ab1", "+ab2", "Label538=T", "Label540=q", "Label541=u", "Label547=J", "Label546=C",
                       "Label545=V"};
    QTest::newRow("Uniforme 3, then 1")
        << QStringList{"ButtonXPMACCorel86", "ButtonXPMACCorel84"}
        << QStringList{"-ab1", "-ab2", "Label535=F = E . q", "Label538=F", "Label540=E", "Label541=q",
                       "Label547=N", "Label546=N/C", "Label545=C"};
}

void TestOndasEletrostatica::looks()
{
    QFETCH(QStringList, topics);
    QFETCH(QStringList, looks);
    for (const QString& topic : topics)
        m_student->click(topic.toLatin1());
    for (const QString& look : looks) {
        const qsizetype eq = look.indexOf(u'=');
        if (look.startsWith(u'+') || look.startsWith(u'-'))
            QVERIFY2(m_student->widget(look.mid(1).toLatin1())->isVisible() == look.startsWith(u'+'),
                     qPrintable(look));
        else
            QCOMPARE(m_student->caption(look.left(eq).toLatin1()), look.mid(eq + 1));
    }
}

VELQUORA_TEST_MAIN(TestOndasEletrostatica)
#include "tst_ondas_eletrostatica.moc"
