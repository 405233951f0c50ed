// The Termologia area as a student uses it: every topic's header and page, every solver
// block in its test order (the borrowed pages in this area's terms), the Boltzmann
// constant in any locale, and the fields that keep a typed ".".
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

namespace {

const char* const energia = "ButtonXPMACCorel56";
const char* const isotermica = "ButtonXPMACCorel52";
const char* const isobarica = "ButtonXPMACCorel53";
const QStringList gasFields = {"phF1", "phA1", "phF2", "phA2"};

}

class TestTermologia : public AreaHarness::AreaTest
{
    Q_OBJECT

private slots:

    void headers_data();
    void headers() { AreaHarness::checkHeaderRow(*m_main, *m_student); }
    void solvers_data();
    void solvers() { AreaHarness::checkSolverRow(*m_student); }
    void isothermalOnlyWhileItsTopicIsShown();
    void sensibleHeatAfterLinearExpansion();
    void boltzmannFieldOnlyShowsTheConstant();
    void boltzmannInAPointLocale();
    void boltzmannFollowsALocaleChange();
    void pointStaysInTheTemperatureAndGasConstantFields();

};

void TestTermologia::headers_data()
{
    AreaHarness::headerColumns();
    AreaHarness::headerRow("ButtonXPMACCorel42", "Escalas de ºC para ºF", "Escalas de ºC para ºF", "TabSheet20");
    AreaHarness::headerRow("ButtonXPMACCorel43", "Escalas de ºC para K", "Escalas de ºC para K", "TabSheet21");
    AreaHarness::headerRow("ButtonXPMACCorel44", "Escalas de ºF para  K", "Escalas de ºF para K", "TabSheet22");
    AreaHarness::headerRow("ButtonXPMACCorel45", "Calor Sensível", "Calor Sensível", "TabSheet23");
    AreaHarness::headerRow("ButtonXPMACCorel46", "Calor Específico", "Calor Específico", "TabSheet24");
    AreaHarness::headerRow("ButtonXPMACCorel47", "Calor Latente", "Calor Latente", "TabSheet10");
    AreaHarness::headerRow("ButtonXPMACCorel48", "Dilatação Linear", "Dilatação Linear", "TabSheet23");
    AreaHarness::headerRow("ButtonXPMACCorel49", "Dilatação Superficial", "Dilatação Superficial", "TabSheet23");
    AreaHarness::headerRow("ButtonXPMACCorel50", "Dilatação Volumétrica", "Dilatação Volumétrica", "TabSheet23");
    AreaHarness::headerRow("ButtonXPMACCorel51", "Equação de Clayperon", "Equação de Clayperon", "TabSheet25");
    AreaHarness::headerRow("ButtonXPMACCorel52", "Transf. Isotérmica", "Transformação Isotérmica", "TabSheet17");
    AreaHarness::headerRow("ButtonXPMACCorel53", "Transf. Isobárica", "Transformação Isobárica", "TabSheet17");
    AreaHarness::headerRow("ButtonXPMACCorel54", "Transf. Isovolumétrica", "Transformação Isovolumétrica", "TabSheet17");
    AreaHarness::headerRow("ButtonXPMACCorel55", "1ª Lei Termodinâmica", "1ª Lei da Termodinâmica", "TabSheet27");
    AreaHarness::headerRow(energia, "Ener. Cinét. das Moléc.", "Energia Cinética Média das Moléculas", "TabSheet28");
    AreaHarness::headerRow("ButtonXPMACCorel96", "Capacidade Térmica 1", "Capacidade Térmica 1", "TabSheet13");
    AreaHarness::headerRow("ButtonXPMACCorel97", "Capacidade Térmica 2", "Capacidade Térmica 2", "TabSheet10");
}

// Rows give the fields in the page's row order (top to bottom).
void TestTermologia::solvers_data()
{
    AreaHarness::solverColumns();
    SolverRows("ºC e ºF", "ButtonXPMACCorel42", "JLAqua16", {"ecfc", "ecff"})
        .row("C from boiling water", {"", "212"}, "ecfc", "100")
        .row("F from body temperature", {"37", ""}, "ecff", "98,6")
        .row("F, where the scales meet", {"-40", ""}, "ecff", "-40")
        .row("C from 98,6 ºF", {"", "98,6"}, "ecfc", "37")
        .row("nothing blank", {"1", "2"}, "ecfc", "1")
        .warning("both blank", {"", ""}, "ecfc")
        .silent("C, malformed F", {"", "1-2"}, "ecfc");
    SolverRows("ºC e K", "ButtonXPMACCorel43", "JLAqua17", {"eckc", "eckk"})
        .row("C", {"", "300"}, "eckc", "27")
        .row("K", {"0", ""}, "eckk", "273")
        .row("C at absolute zero", {"", "0"}, "eckc", "-273")
        .warning("both blank", {"", ""}, "eckc")
        .silent("K, a lone minus", {"-", ""}, "eckk");
    SolverRows("ºF e K", "ButtonXPMACCorel44", "JLAqua18", {"efkk", "efkf"})
        .row("K from freezing water", {"", "32"}, "efkk", "273")
        .row("F from boiling water", {"373", ""}, "efkf", "212")
        .row("K from 0 ºF", {"", "0"}, "efkk", "255,222222222222")
        .warning("both blank", {"", ""}, "efkk")
        .silent("F, malformed K", {"3,7,3", ""}, "efkf");
    SolverRows("Calor Sensível", "ButtonXPMACCorel45", "JLAqua19", {"csQ", "csM", "csC", "csT"})
        .row("Q", {"", "100", "1", "20"}, "csQ", "2000")
        .row("m", {"2000", "", "1", "20"}, "csM", "100")
        .row("c", {"2000", "100", "", "20"}, "csC", "1")
        .row("Δt", {"2000", "100", "1", ""}, "csT", "20")
        .row("Q given off when cooling", {"", "50", "0,5", "-10"}, "csQ", "-250")
        .warning("Q and m blank: Q reads m", {"", "", "1", "20"}, "csQ")
        .silent("Q, Δt typed with a point", {"", "100", "1", "1.5"}, "csQ")
        .silent("m, c zero", {"2000", "", "0", "20"}, "csM");
    SolverRows("Dilatação Linear", "ButtonXPMACCorel48", "JLAqua19", {"csQ", "csM", "csC", "csT"})
        .row("ΔL", {"", "1,2E-5", "100", "50"}, "csQ", "0,06")
        .row("a", {"0,06", "", "100", "50"}, "csM", "1,2E-5")
        .silent("Lo, Δt zero", {"0,06", "1,2E-5", "", "0"}, "csC");
    SolverRows("Dilatação Superficial", "ButtonXPMACCorel49", "JLAqua19", {"csQ", "csM", "csC", "csT"})
        .row("ΔS", {"", "2,4E-5", "2", "100"}, "csQ", "0,0048")
        .row("So", {"0,0048", "2,4E-5", "", "100"}, "csC", "2");
    SolverRows("Dilatação Volumétrica", "ButtonXPMACCorel50", "JLAqua19", {"csQ", "csM", "csC", "csT"})
        .row("ΔV", {"", "3,6E-5", "1", "100"}, "csQ", "0,0036")
        .row("Δt", {"0,0036", "3,6E-5", "1", ""}, "csT", "100");
    SolverRows("Calor Específico", "ButtonXPMACCorel46", "JLAqua20", {"ceC", "ceQ", "ceM", "ceT"})
        .row("c", {"", "600", "200", "30"}, "ceC", "0,1")
        .row("Q", {"0,1", "", "200", "30"}, "ceQ", "600")
        .row("m", {"0,1", "600", "", "30"}, "ceM", "200")
        .row("Δt", {"0,1", "600", "200", ""}, "ceT", "30")
        .warning("c and Q blank: c reads Q", {"", "", "200", "30"}, "ceC")
        .silent("c, m zero", {"", "600", "0", "30"}, "ceC")
        .silent("Δt, 0 / 0", {"0", "0", "200", ""}, "ceT");
    SolverRows("Clayperon", "ButtonXPMACCorel51", "JLAqua21", {"cP", "cV", "cN", "cR", "cT"})
        .row("P", {"", "10", "1", "0,5", "40"}, "cP", "2")
        .row("v", {"2", "", "1", "0,5", "40"}, "cV", "10")
        .row("n", {"2", "10", "", "0,5", "40"}, "cN", "1")
        .row("r", {"2", "10", "1", "", "40"}, "cR", "0,5")
        .row("t", {"2", "10", "1", "0,5", ""}, "cT", "40")
        .row("P of two moles", {"", "4,1", "2", "0,082", "300"}, "cP", "12")
        .warning("P and v blank: P reads v", {"", "", "1", "0,5", "40"}, "cP")
        .silent("n, r typed with a point", {"2", "10", "", "0.5", "40"}, "cN")
        .silent("P, v zero", {"", "0", "1", "0,5", "40"}, "cP");
    SolverRows("Transf. Isobárica", isobarica, "JLAqua14", gasFields)
        .row("V1", {"", "300", "4", "600"}, "phF1", "2")
        .row("V2", {"2", "300", "", "600"}, "phF2", "4")
        .row("T1", {"2", "", "4", "600"}, "phA1", "300")
        .row("T2", {"2", "300", "4", ""}, "phA2", "600")
        .warning("V1 and T1 blank: V1 reads T1", {"", "", "4", "600"}, "phF1")
        .silent("V2, T1 zero", {"2", "0", "", "600"}, "phF2");
    SolverRows("Transf. Isovolumétrica", "ButtonXPMACCorel54", "JLAqua14", gasFields)
        .row("p2", {"1", "300", "", "450"}, "phF2", "1,5")
        .row("T1", {"1", "", "1,5", "450"}, "phA1", "300")
        .silent("P1, T2 zero", {"", "300", "1,5", "0"}, "phF1");
    // The page computes P1.V1 = P2.V2 over V1, P1, V2, P2.
    SolverRows("Transf. Isotérmica", isotermica, "JLAqua14", gasFields)
        .row("V1", {"", "1", "1", "2"}, "phF1", "2")
        .row("V2", {"2", "1", "", "2"}, "phF2", "1")
        .row("P1", {"2", "", "1", "2"}, "phA1", "1")
        .row("P2", {"2", "1", "1", ""}, "phA2", "2")
        .row("V2, halving the pressure", {"3", "2", "", "1"}, "phF2", "6")
        .warning("V1 and P1 blank: V1 reads P1", {"", "", "1", "2"}, "phF1")
        .silent("P1, V1 zero", {"0", "", "1", "2"}, "phA1");
    SolverRows("1ª Lei", "ButtonXPMACCorel55", "JLAqua23", {"ltp", "ltt", "ltu"})
        .row("Q", {"", "30", "70"}, "ltp", "100")
        .row("T", {"100", "", "70"}, "ltt", "30")
        .row("ΔU", {"100", "30", ""}, "ltu", "70")
        .row("ΔU, work done on the gas", {"-20", "-50", ""}, "ltu", "30")
        .warning("Q and T blank: Q reads T", {"", "", "70"}, "ltp")
        .silent("Q, malformed T", {"", "3,0,0", "70"}, "ltp");
    // ecmK is not in the rows: it keeps the text the topic wrote back.
    SolverRows("Energia Cinética", energia, "JLAqua24", {"ecmECM", "ecmT"})
        .row("Ecm", {"", "300"}, "ecmECM", "6,21E-21")
        .row("T", {"6,21E-21", ""}, "ecmT", "300")
        .row("Ecm at 0 K", {"", "0"}, "ecmECM", "0")
        .warning("both blank", {"", ""}, "ecmECM")
        .silent("Ecm, malformed T", {"", "abc"}, "ecmECM");
    secondLawRows("Calor Latente", "ButtonXPMACCorel47")
        .row("Q", {"", "10", "80"}, "lnFR", "800")
        .row("m", {"800", "", "80"}, "lnM", "10")
        .row("L", {"800", "10", ""}, "lnA", "80")
        .warning("Q and m blank", {"", "", "80"}, "lnFR")
        .silent("m, L zero", {"800", "", "0"}, "lnM");
    secondLawRows("Capacidade Térmica 2", "ButtonXPMACCorel97")
        .row("C", {"", "200", "0,5"}, "lnFR", "100")
        .row("c", {"100", "200", ""}, "lnA", "0,5")
        .silent("c, m zero", {"100", "0", ""}, "lnA");
    SolverRows("Capacidade Térmica 1", "ButtonXPMACCorel96", "JLAqua10", {"pP", "pT", "pdT"})
        .row("C", {"", "500", "25"}, "pP", "20")
        .row("Q", {"20", "", "25"}, "pT", "500")
        .row("ΔT", {"20", "500", ""}, "pdT", "25")
        .warning("C and Q blank", {"", "", "25"}, "pP")
        .silent("C, ΔT zero", {"", "500", "0"}, "pP");
}

// The hydraulic-press page computes P1.V1 = P2.V2 only while the isothermal topic was the
// last to configure it: V1 = 2, P1 = 1, P2 = 2 give V2 = 1, the proportion gives 4.
void TestTermologia::isothermalOnlyWhileItsTopicIsShown()
{
    const auto v2After = [&](const char* topic) {
        return m_student->solve(topic, {{"phF1", "2"}, {"phA1", "1"}, {"phA2", "2"}}, "JLAqua14", "phF2");
    };
    QCOMPARE(v2After(isotermica), QStringLiteral("1"));
    QCOMPARE(v2After(isobarica), QStringLiteral("4"));
    QCOMPARE(v2After(isotermica), QStringLiteral("1"));
    QCOMPARE(v2After("ButtonXPMACCorel40"), QStringLiteral("4"));
}

// The linear expansion shows its deltas, exponent and hints; the sensible heat then
// hides them again and puts its own symbols and units back.
void TestTermologia::sensibleHeatAfterLinearExpansion()
{
    const QStringList shownOnlyForExpansion = {"Image40", "Image42", "Label318", "Label319", "Label320"};
    m_student->click("ButtonXPMACCorel48");
    for (const QString& name : shownOnlyForExpansion)
        QVERIFY2(!m_student->widget(name.toLatin1())->isHidden(), qPrintable(name));
    QCOMPARE(m_student->caption("Label289"), QStringLiteral("L"));
    QCOMPARE(m_student->caption("Label299"), QStringLiteral("ºC"));
    QCOMPARE(m_student->caption("Label318"), QStringLiteral("-1"));
    QCOMPARE(m_student->caption("Label291"), QStringLiteral("Lo"));
    m_student->click("ButtonXPMACCorel45");
    for (const QString& name : shownOnlyForExpansion)
        QVERIFY2(m_student->widget(name.toLatin1())->isHidden(), qPrintable(name));
    const QStringList symbols = {m_student->caption("Label289"), m_student->caption("Label290"),
                                 m_student->caption("Label291")};
    QCOMPARE(symbols, (QStringList{"Q", "m", "c"}));
    const QStringList units = {m_student->caption("Label300"), m_student->caption("Label299"),
                               m_student->caption("Label298")};
    QCOMPARE(units, (QStringList{"cal", "g", "cal/g.ºC"}));
}

// The constant field is written back after the clearing and only shows the constant: the
// solver holds its own, so another text there changes nothing.
void TestTermologia::boltzmannFieldOnlyShowsTheConstant()
{
    m_student->click(energia);
    auto* k = qobject_cast<QLineEdit*>(m_student->widget("ecmK"));
    QCOMPARE(k->text(), QStringLiteral("1,38*10E-23"));
    QVERIFY(k->isReadOnly());
    k->setText(QStringLiteral("2"));
    m_student->fill({{"ecmT", "300"}});
    m_student->click("JLAqua24");
    QCOMPARE(m_student->text("ecmECM"), QStringLiteral("6,21E-21"));
    m_student->click("ButtonXPMACCorel42");
    QVERIFY(k->text().isEmpty());
}

// Where the decimal separator is a point, the constant reads the same value and shows
// the point.
void TestTermologia::boltzmannInAPointLocale()
{
    DecimalSeparator::set(u'.');
    m_student->click(energia);
    QCOMPARE(m_student->text("ecmK"), QStringLiteral("1.38*10E-23"));
    m_student->fill({{"ecmT", "300"}});
    m_student->click("JLAqua24");
    QCOMPARE(m_student->text("ecmECM"), QStringLiteral("6.21E-21"));
    m_student->fill({{"ecmT", ""}});
    m_student->click("JLAqua24");
    QCOMPARE(m_student->text("ecmT"), QStringLiteral("300"));
    DecimalSeparator::set(u',');
}

// A change of the regional settings while the page is shown rewrites the constant.
void TestTermologia::boltzmannFollowsALocaleChange()
{
    m_student->click(energia);
    QEvent change(QEvent::LocaleChange);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(m_student->text("ecmK"), QStringLiteral("1.38*10E-23"));
    m_student->fill({{"ecmT", "300"}});
    m_student->click("JLAqua24");
    QCOMPARE(m_student->text("ecmECM"), QStringLiteral("6.21E-21"));

    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(m_student->text("ecmK"), QStringLiteral("1,38*10E-23"));
}

// Δt of the heat page and r and t of Clapeyron keep a typed "." (which then fails the
// conversion); the other fields turn it into a comma.
void TestTermologia::pointStaysInTheTemperatureAndGasConstantFields()
{
    const struct
    {
        const char* topic;
        const char* field;
        const char* shown;
    } fields[] = {
        {"ButtonXPMACCorel45", "csT", "1.5"}, {"ButtonXPMACCorel45", "csQ", "1,5"},
        {"ButtonXPMACCorel51", "cR", "1.5"},  {"ButtonXPMACCorel51", "cT", "1.5"},
        {"ButtonXPMACCorel51", "cP", "1,5"},
    };
    for (const auto& f : fields) {
        m_student->click(f.topic);
        QWidget* w = m_student->widget(f.field);
        w->setFocus();
        TestSupport::type(w, QStringLiteral("1.5"));
        QCOMPARE(m_student->text(f.field), QString::fromLatin1(f.shown));
    }
}

VELQUORA_TEST_MAIN(TestTermologia)
#include "tst_termologia.moc"
