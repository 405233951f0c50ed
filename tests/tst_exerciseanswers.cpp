// The answer box reads what students type: a comma or a point, the powers of ten of
// books and calculators, a unit after the number; anything else is said to be unreadable.
#include "exercises/AnswerReader.h"

#include <QTest>

class TestExerciseAnswers : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
};

void TestExerciseAnswers::reading_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    const int read = AnswerReader::Answer::Read, bad = AnswerReader::Answer::Unreadable;
    QTest::newRow("comma") << "19,4" << read << 19.4 << "";
    QTest::newRow("point") << "19.4" << read << 19.4 << "";
    QTest::newRow("E") << "3E8" << read << 3e8 << "";
    QTest::newRow("e") << "3e8" << read << 3e8 << "";
    QTest::newRow("times 10^") << "3 × 10^8" << read << 3e8 << "";
    QTest::newRow("x10^") << "3x10^8" << read << 3e8 << "";
    QTest::newRow("middle dot") << "3·10^8" << read << 3e8 << "";
    QTest::newRow("point before 10^") << "3.10^8" << read << 3e8 << "";
    QTest::newRow("decimal then point product") << "2,5.10^-3" << read << 2.5e-3 << "";
    QTest::newRow("superscript") << "3 × 10⁸" << read << 3e8 << "";
    QTest::newRow("negative superscript") << "1,6 × 10⁻¹⁹ C" << read << 1.6e-19 << "C";
    QTest::newRow("true minus") << "−0,5" << read << -0.5 << "";
    QTest::newRow("unit") << "20 m/s" << read << 20.0 << "m/s";
    QTest::newRow("unit with comma") << "72,0 km/h" << read << 72.0 << "km/h";
    QTest::newRow("unit glued") << "25ºC" << read << 25.0 << "ºC";
    QTest::newRow("empty") << "   " << int(AnswerReader::Answer::Empty) << 0.0 << "";
    QTest::newRow("double comma") << "2,,5" << bad << 0.0 << "";
    QTest::newRow("letters") << "abc" << bad << 0.0 << "";
    QTest::newRow("two numbers") << "2 3" << bad << 0.0 << "";
}

void TestExerciseAnswers::reading()
{
    QFETCH(QString, typed);
    QFETCH(int, status);
    QFETCH(double, value);
    QFETCH(QString, unit);
    const AnswerReader::Answer a = AnswerReader::read(typed);
    QCOMPARE(int(a.status), status);
    if (status == AnswerReader::Answer::Read) {
        QCOMPARE(double(a.value.value()), value);
        QCOMPARE(a.unit, unit);
    }
}

QTEST_GUILESS_MAIN(TestExerciseAnswers)
#include "tst_exerciseanswers.moc"
