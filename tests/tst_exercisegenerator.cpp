// Every exercise of every topic with problems, for each variable it asks and twenty
// exercise numbers at both levels: the statement shows each given value with its unit,
// the answer the page's solver computes is accepted exactly and at three figures and
// refused 3 % off, forgetting a conversion is named, and a number always brings back the
// same exercise.
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"
#include "engine/NumberText.h"
#include "engine/Sheet.h"
#include "engine/Units.h"
#include "exercises/Exercise.h"
#include "exercises/Figures.h"
#include "exercises/Judge.h"

#include <QTest>
#include <algorithm>
#include <cmath>

class TestExerciseGenerator : public QObject
{
    Q_OBJECT

private slots:
    void everyExercise_data();
    void everyExercise();
};

void TestExerciseGenerator::everyExercise_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("statement");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            for (int s = 0; s < int(p.statements.size()); ++s) {
                QTest::addRow("%s %s", p.button, p.statements[std::size_t(s)].asked)
                    << QString::fromLatin1(p.button) << s;
            }
        }
    }
}

void TestExerciseGenerator::everyExercise()
{
    QFETCH(QString, button);
    QFETCH(int, statement);
    const Topic* topic = Catalogue::topicOfButton(button);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    QVERIFY(topic && problems);
    // Every unit a range names is one of its row's kind.
    bool canConvert = false;
    for (const Problems::Range& r : problems->ranges) {
        const Row* row = RowTable(topic->rows).find(r.field);
        QVERIFY2(row, r.field);
        for (const QString& name : QString::fromUtf8(r.otherUnits ? r.otherUnits : "").split(u' ', Qt::SkipEmptyParts)) {
            const auto unit = Units::ofRow(QString::fromUtf8(row->unit));
            QVERIFY2(unit && unit->kind && std::any_of(unit->kind->units.begin(), unit->kind->units.end(),
                                                       [&](const Units::Unit& u) { return name == QString::fromUtf8(u.name); }),
                     qPrintable(QString::fromUtf8(r.field) + u' ' + name));
            canConvert = true;
        }
    }
    const auto text = [](long double v) { return NumberText::format(v, u','); };
    for (Level level : {Level::Formula, Level::Conversions}) {
        for (std::uint32_t number = 1; number <= 20; ++number) {
            const std::uint32_t n = number * 7919;
            const Exercise ex = ExerciseGenerator::make(*topic, *problems, level, n, 1, statement);
            QVERIFY2(ex.valid, qPrintable(QStringLiteral("no values found for %1").arg(n)));
            const QString where = ex.code() + u' ' + ex.text;
            QVERIFY2(!ex.text.contains(u'{'), qPrintable(where));
            for (const Given& g : ex.givens)
                QVERIFY2(ex.text.contains(g.text()), qPrintable(g.text() + QStringLiteral(" missing in ") + where));
            QVERIFY(std::isfinite(ex.answerAsked.value()));

            const long double answer = ex.answerAsked.value();
            QCOMPARE(Judge::judge(ex, text(answer), ex.askedUnit).kind, Judge::Verdict::Right);
            const QString threeFigures = Figures::rounded(answer, 3).plain;
            QVERIFY2(Judge::judge(ex, threeFigures, ex.askedUnit).kind == Judge::Verdict::Right, qPrintable(where));
            QVERIFY2(Judge::judge(ex, text(answer * 1.03L), ex.askedUnit).kind == Judge::Verdict::Wrong, qPrintable(where));

            // Forgetting every conversion: the values as written, straight into the page.
            bool converts = ex.answerConverted();
            Sheet sheet(*topic, *Catalogue::solverOfPage(QString::fromUtf8(topic->page)));
            for (const Given& g : ex.givens) {
                converts = converts || g.converted();
                sheet.set(g.row->field, g.shown);
            }
            if (level == Level::Conversions && canConvert)
                QVERIFY2(converts, qPrintable(where));
            const auto slip = resultOf(sheet.calculate(), ex.asked->field);
            if (level == Level::Conversions && converts && slip
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

QTEST_GUILESS_MAIN(TestExerciseGenerator)
#include "tst_exercisegenerator.moc"
