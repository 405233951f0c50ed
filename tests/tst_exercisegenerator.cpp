// Every situation of every topic, twenty exercise numbers at both levels: each value
// given and each answer lies in its situation's range and reads as a book prints it; a
// value a table gives is the table's; the level with conversions converts something;
// what the words fix holds; no answer repeats a given; the answer the page's solver
// computes is accepted exactly and at three figures and refused 3 % off; forgetting a
// conversion is named; and a number always brings back the same exercise.
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"
#include "engine/NumberText.h"
#include "engine/Sheet.h"
#include "engine/Units.h"
#include "exercises/Exercise.h"
#include "exercises/Figures.h"
#include "exercises/Judge.h"
#include "exercises/Situation.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>

class TestExerciseGenerator : public QObject
{
    Q_OBJECT

private slots:
    void everySituation_data();
    void everySituation();
    void threeSituationsPerVariable_data();
    void threeSituationsPerVariable();
    void neighboursDiffer();
};

namespace {

const QRegularExpression fiveDigits(QStringLiteral("(?<![\\d,])\\d{5}"));

// Whether a printed value reads as a book prints it; empty when it does.
QString notationFault(const Given& g)
{
    const QString t = g.text();
    const long double v = std::fabs(g.shown.value());
    if (t.contains(u' '))
        return QStringLiteral("an ordinary space may break the line: ") + t;
    if (t.contains(fiveDigits))
        return QStringLiteral("five digits ungrouped: ") + t;
    const bool power = t.contains(QStringLiteral("10")) && t.contains(u'·');
    if (v != 0 && (v >= 1e6L || v < 1e-3L) && !power)
        return QStringLiteral("no power of ten: ") + t;
    const bool offset = g.unit && (std::strcmp(g.unit->before, "0") != 0 || std::strcmp(g.unit->after, "0") != 0);
    if (g.converted() && !offset && !g.item && (v < 0.1L || v > 9999))
        return QStringLiteral("another unit outside 0,1 to 9 999: ") + t;
    return {};
}

long double inRowUnit(const Problems::Value& v, const Units::RowUnit& row, bool difference, double end)
{
    if (!v.unit || !row.unit)
        return end;
    const Units::Unit* u = ExerciseGenerator::unitOfKind(row.kind, QString::fromUtf8(v.unit));
    return u ? Units::toRow(end, *u, *row.unit, difference).value() : end;
}

// The declaration's range in the unit the page computes in, with room for the rounding of
// a value shown in another unit.
bool inRange(const Problems::Value& v, const Units::RowUnit& row, bool difference, long double value)
{
    long double low = inRowUnit(v, row, difference, v.low), high = inRowUnit(v, row, difference, v.high);
    if (low > high)
        std::swap(low, high);
    const long double slack = (std::fabs(low) + std::fabs(high)) * 0.006L;
    return value >= low - slack && value <= high + slack;
}

Units::RowUnit rowUnitOf(const Given& g)
{
    const QString name = QString::fromUtf8(*g.row->unit ? g.row->unit : g.rowUnit ? g.rowUnit->name : "");
    return Units::ofRow(name).value_or(Units::RowUnit{});
}

bool fromTable(const Given& g)
{
    for (const Materials::Item& item : g.value.table->items) {
        if (&item == g.item)
            return true;
    }
    return false;
}

class Values final : public Problems::Draw
{
public:
    QHash<QByteArray, long double> map;
    long double operator()(const char* field) const override { return map.value(QByteArray(field), NAN); }
};

}

void TestExerciseGenerator::everySituation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("statement");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            for (int s = 0; s < int(p.statements.size()); ++s)
                QTest::addRow("%s %d %s", p.button, s, p.statements[std::size_t(s)].asked) << QString::fromLatin1(p.button) << s;
        }
    }
}

void TestExerciseGenerator::everySituation()
{
    QFETCH(QString, button);
    QFETCH(int, statement);
    const Topic* topic = Catalogue::topicOfButton(button);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    QVERIFY(topic && problems);
    const Problems::Statement& s = problems->statements[std::size_t(statement)];
    const bool canConvert = Situation::converts(*topic, s);
    const auto text = [](long double v) { return NumberText::format(v, u','); };
    for (Level level : {Level::Formula, Level::Conversions}) {
        for (std::uint32_t number = 1; number <= 20; ++number) {
            const std::uint32_t n = number * 7919;
            const Exercise ex = ExerciseGenerator::make(*topic, *problems, level, n, 1, statement);
            QVERIFY2(ex.valid, qPrintable(QStringLiteral("no values found for %1").arg(n)));
            const QString where = ex.code() + u' ' + ex.text;
            QVERIFY2(!ex.text.contains(u'{') && !ex.text.contains(u'}'), qPrintable(where));
            QVERIFY2(!ex.text.contains(u'º'), qPrintable(QStringLiteral("ordinal sign for degrees: ") + where));

            Values drawn;
            for (const Given& g : ex.givens) {
                QVERIFY2(QString(ex.text).remove(QChar(0x2060)).contains(g.text()),
                         qPrintable(g.text() + QStringLiteral(" missing in ") + where));
                const QString fault = notationFault(g);
                QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral(" in ") + where));
                if (g.value.table)
                    QVERIFY2(g.item && fromTable(g) && std::fabs(g.inRow.value()) > 0, qPrintable(where));
                else
                    QVERIFY2(inRange(g.value, rowUnitOf(g), g.row->difference(), g.inRow.value()),
                             qPrintable(QStringLiteral("%1 out of its range in %2").arg(g.text(), where)));
                drawn.map.insert(QByteArray(g.row->field), g.inRow.value());
            }
            const long double answer = ex.answerAsked.value();
            QVERIFY(std::isfinite(answer));
            QVERIFY2(inRange(ex.askedValue, ex.askedRow, ex.asked->difference(), ex.answer.value()),
                     qPrintable(QStringLiteral("answer %1 out of its range in %2").arg(ex.answerText(), where)));
            drawn.map.insert(QByteArray(ex.asked->field), ex.answer.value());
            if (s.holds)
                QVERIFY2(s.holds(drawn), qPrintable(QStringLiteral("the words say otherwise: ") + where));
            for (const Given& g : ex.givens) {
                if (g.rowUnit == ex.askedRow.unit && std::strcmp(g.row->unit, ex.asked->unit) == 0)
                    QVERIFY2(!Judge::near(g.inRow.value(), ex.answer.value(), 0),
                             qPrintable(QStringLiteral("the answer is a given: ") + where));
            }
            if (ex.counts())
                QVERIFY2(answer == std::floor(answer) || answer >= 1e6L, qPrintable(where));

            QCOMPARE(Judge::judge(ex, text(answer), ex.askedUnit).kind, Judge::Verdict::Right);
            if (!ex.counts()) {
                const QString threeFigures = Figures::rounded(answer, 3).plain;
                QVERIFY2(Judge::judge(ex, threeFigures, ex.askedUnit).kind == Judge::Verdict::Right, qPrintable(where));
            }
            // 3 % off, with figures that no rounding of the answer gives.
            QVERIFY2(Judge::judge(ex, text(answer * 1.0317L), ex.askedUnit).kind == Judge::Verdict::Wrong
                         || (ex.counts() && std::floor(answer * 1.0317L) == answer),
                     qPrintable(where));

            // Forgetting every conversion: the values as written, straight into the page.
            bool converts = ex.answerConverted();
            Sheet sheet(*topic, *Catalogue::solverOfPage(QString::fromUtf8(topic->page)));
            for (const Given& g : ex.givens) {
                converts = converts || g.converted();
                sheet.set(g.row->field, g.shown);
            }
            if (level == Level::Conversions && canConvert)
                QVERIFY2(converts, qPrintable(QStringLiteral("nothing to convert at level 2: ") + where));
            const auto slip = resultOf(sheet.calculate(), ex.asked->field);
            if (level == Level::Conversions && converts && slip && !ex.counts()
                && !Judge::near(slip->value(), answer, 0) && !Judge::near(slip->value(), ex.answer.value(), 0)) {
                const Judge::Verdict v = Judge::judge(ex, text(slip->value()), ex.askedUnit);
                QVERIFY2(v.feedback.contains(QStringLiteral("convertid")), qPrintable(where + u' ' + v.feedback));
            }

            const Exercise again = ExerciseGenerator::make(*topic, *problems, level, n, 1, statement);
            QCOMPARE(again.text, ex.text);
            QCOMPARE(again.answer.value(), ex.answer.value());
        }
    }
}

void TestExerciseGenerator::threeSituationsPerVariable_data()
{
    QTest::addColumn<QString>("button");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems)
            QTest::addRow("%s", p.button) << QString::fromLatin1(p.button);
    }
}

// Every variable a statement asks has at least three situations, where the topic has
// that many: a student who repeats a topic meets a new one.
void TestExerciseGenerator::threeSituationsPerVariable()
{
    QFETCH(QString, button);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    QHash<QByteArray, int> perVariable;
    for (const Problems::Statement& s : problems->statements)
        ++perVariable[QByteArray(s.asked)];
    for (auto it = perVariable.cbegin(); it != perVariable.cend(); ++it)
        QVERIFY2(it.value() >= 3, qPrintable(QStringLiteral("%1 has %2").arg(QString::fromLatin1(it.key())).arg(it.value())));
}

// Twenty exercises in a row on one topic never show the same statement twice in a row.
void TestExerciseGenerator::neighboursDiffer()
{
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            if (p.statements.size() < 2)
                continue;
            for (Level level : {Level::Formula, Level::Conversions}) {
                const Problems::Statement* previous = nullptr;
                for (int i = 1; i <= 20; ++i) {
                    const Exercise ex = ExerciseGenerator::make(QString::fromLatin1(p.button), level, 4821, i);
                    QVERIFY2(ex.valid, qPrintable(QString::fromLatin1(p.button) + u' ' + ex.code()));
                    QVERIFY2(ex.statement != previous, qPrintable(QString::fromLatin1(p.button) + u' ' + ex.code()));
                    previous = ex.statement;
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestExerciseGenerator)
#include "tst_exercisegenerator.moc"
