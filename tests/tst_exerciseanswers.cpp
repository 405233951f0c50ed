// The answer box reads what students type: a comma or a point, the powers of ten of
// books and calculators, thousands grouped as the key prints them, a unit after the
// number; what could be read two ways is asked about, anything else is unreadable. Units
// typed on a plain keyboard are spelt as the unit table names them.
#include "exercises/AnswerReader.h"

#include <QTest>

class TestExerciseAnswers : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void askedAbout_data();
    void askedAbout();
    void unitSpelling_data();
    void unitSpelling();
};

void TestExerciseAnswers::reading_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("mantissa");
    const int read = AnswerReader::Answer::Read, bad = AnswerReader::Answer::Unreadable;
    QTest::newRow("comma") << "19,4" << read << 19.4 << "" << "";
    QTest::newRow("point") << "19.4" << read << 19.4 << "" << "";
    QTest::newRow("E") << "3E8" << read << 3e8 << "" << "";
    QTest::newRow("e") << "3e8" << read << 3e8 << "" << "";
    QTest::newRow("times 10^") << "3 × 10^8" << read << 3e8 << "" << "";
    QTest::newRow("x10^") << "3x10^8" << read << 3e8 << "" << "";
    QTest::newRow("middle dot") << "3·10^8" << read << 3e8 << "" << "";
    QTest::newRow("point before 10^") << "3.10^8" << read << 3e8 << "" << "";
    QTest::newRow("decimal then point product") << "2,5.10^-3" << read << 2.5e-3 << "" << "";
    QTest::newRow("superscript") << "3 × 10⁸" << read << 3e8 << "" << "";
    QTest::newRow("negative superscript") << "1,6 × 10⁻¹⁹ C" << read << 1.6e-19 << "C" << "";
    QTest::newRow("true minus") << "−0,5" << read << -0.5 << "" << "";
    QTest::newRow("unit") << "20 m/s" << read << 20.0 << "m/s" << "";
    QTest::newRow("unit with comma") << "72,0 km/h" << read << 72.0 << "km/h" << "";
    QTest::newRow("unit glued") << "25ºC" << read << 25.0 << "ºC" << "";
    QTest::newRow("power of ten alone") << "10^3" << read << 1000.0 << "" << "1";
    QTest::newRow("superscript power alone") << "10³" << read << 1000.0 << "" << "1";
    QTest::newRow("negative power alone") << "−10⁻²" << read << -0.01 << "" << "1";
    QTest::newRow("ten") << "10" << read << 10.0 << "" << "10";
    QTest::newRow("grouped as the key prints") << "12 500 m" << read << 12500.0 << "m" << "12500";
    QTest::newRow("grouped with spaces") << "1 250 000" << read << 1250000.0 << "" << "1250000";
    QTest::newRow("points and a decimal comma") << "1.234,5" << read << 1234.5 << "" << "1234,5";
    QTest::newRow("points only, two groups") << "1.000.000" << read << 1e6 << "" << "1000000";
    QTest::newRow("point, leading zero") << "0.255" << read << 0.255 << "" << "0,255";
    QTest::newRow("point, four decimals") << "5.8950" << read << 5.895 << "" << "5,8950";
    QTest::newRow("point, three decimals, exponent") << "5.895e3" << read << 5895.0 << "" << "5,895";
    QTest::newRow("E signed") << "6,375e+13 µC" << read << 6.375e13 << "µC" << "6,375";
    QTest::newRow("trailing zeros kept") << "150" << read << 150.0 << "" << "150";
    QTest::newRow("empty") << "   " << int(AnswerReader::Answer::Empty) << 0.0 << "" << "";
    QTest::newRow("double comma") << "2,,5" << bad << 0.0 << "" << "";
    QTest::newRow("letters") << "abc" << bad << 0.0 << "" << "";
    QTest::newRow("two numbers") << "2 3" << bad << 0.0 << "" << "";
    QTest::newRow("a product left open") << "2 x 10" << bad << 0.0 << "" << "";
    QTest::newRow("spaced groups of two") << "12 50" << bad << 0.0 << "" << "";
    QTest::newRow("point inside groups") << "1.234.5" << bad << 0.0 << "" << "";
}

void TestExerciseAnswers::reading()
{
    QFETCH(QString, typed);
    QFETCH(int, status);
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(QString, mantissa);
    const AnswerReader::Answer a = AnswerReader::read(typed);
    QCOMPARE(int(a.status), status);
    if (status == AnswerReader::Answer::Read) {
        QCOMPARE(double(a.value.value()), value);
        QCOMPARE(a.unit, unit);
        if (!mantissa.isEmpty())
            QCOMPARE(a.mantissa, mantissa);
    }
}

void TestExerciseAnswers::askedAbout_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem");
    const QString thousands = QStringLiteral(" Escreva sem ponto de milhar, com vírgula nos decimais.");
    QTest::newRow("point and three figures") << "5.895" << "“5.895” é 5895 ou 5,895?" + thousands;
    QTest::newRow("with a unit") << "26.832 mV" << "“26.832 mV” é 26832 mV ou 26,832 mV?" + thousands;
    QTest::newRow("negative") << "-2.500" << "“-2.500” é -2500 ou -2,500?" + thousands;
    const QString together = QStringLiteral(": uma potência de dez se escreve junto do número, como 3e8 ou 3 × 10^8.");
    QTest::newRow("e between spaces") << "10 e 5" << "Não entendi “10 e 5”" + together;
    QTest::newRow("e before a space") << "10e 5" << "Não entendi “10e 5”" + together;
    QTest::newRow("E after a space") << "3 E8" << "Não entendi “3 E8”" + together;
    QTest::newRow("beyond a field") << "1e999" << "“1e999” é grande demais.";
    QTest::newRow("beyond the arithmetic") << "1e99999" << "“1e99999” é grande demais.";
    QTest::newRow("under a field") << "1e-999" << "“1e-999” é pequeno demais.";
    QTest::newRow("letters") << "abc" << "";
}

void TestExerciseAnswers::askedAbout()
{
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    const AnswerReader::Answer a = AnswerReader::read(typed);
    QCOMPARE(int(a.status), int(AnswerReader::Answer::Unreadable));
    QCOMPARE(a.problem, problem);
}

void TestExerciseAnswers::unitSpelling_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("spelt");
    QTest::newRow("m/s2") << "m/s2" << "m/s²";
    QTest::newRow("m/s^2") << "m/s^2" << "m/s²";
    QTest::newRow("g/cm3") << "g/cm3" << "g/cm³";
    QTest::newRow("mm2") << "mm2" << "mm²";
    QTest::newRow("ohm") << "ohm" << "Ω";
    QTest::newRow("Ohms") << "Ohms" << "Ω";
    QTest::newRow("kohm") << "kohm" << "kΩ";
    QTest::newRow("ohm sign") << "Ω" << "Ω";
    QTest::newRow("ohm.m") << "ohm.m" << "Ω·m";
    QTest::newRow("uC") << "uC" << "µC";
    QTest::newRow("Greek mu") << "μC" << "µC";
    QTest::newRow("degree sign") << "°C" << "ºC";
    QTest::newRow("oC") << "oC" << "ºC";
    QTest::newRow("degree, space") << "º C" << "ºC";
    QTest::newRow("graus") << "graus" << "º";
    QTest::newRow("grau") << "grau" << "º";
    QTest::newRow("graus Celsius") << "graus Celsius" << "ºC";
    QTest::newRow("graus F") << "graus F" << "ºF";
    QTest::newRow("N.m") << "N.m" << "N·m";
    QTest::newRow("kg*m/s") << "kg*m/s" << "kg·m/s";
    QTest::newRow("per degree") << "°C-1" << "ºC⁻¹";
    QTest::newRow("km/h as it is") << "km/h" << "km/h";
    QTest::newRow("kWh as it is") << "kWh" << "kWh";
    QTest::newRow("case as typed") << "j" << "j";
}

void TestExerciseAnswers::unitSpelling()
{
    QFETCH(QString, typed);
    QFETCH(QString, spelt);
    QCOMPARE(AnswerReader::unitSpelling(typed), spelt);
}

QTEST_GUILESS_MAIN(TestExerciseAnswers)
#include "tst_exerciseanswers.moc"
