// The levels' names, and which topics have a second level: exactly those where an exercise
// drawn at level 2 gives or asks a value in another unit.
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"
#include "exercises/Levels.h"

#include <QTest>
#include <algorithm>

class TestLevels : public QObject
{
    Q_OBJECT

private slots:
    void names();
    void conversions_data();
    void conversions();
};

void TestLevels::names()
{
    QCOMPARE(Levels::name(Level::Formula), QStringLiteral("Nível 1 – valores nas unidades da fórmula"));
    QCOMPARE(Levels::name(Level::Conversions), QStringLiteral("Nível 2 – com conversões"));
    QCOMPARE(int(Levels::all.front()), 1);
    QCOMPARE(int(Levels::all.back()), 2);
}

// A topic has the second level exactly when some exercise drawn at that level gives or
// asks a value in another unit.
void TestLevels::conversions_data()
{
    QTest::addColumn<QString>("button");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems)
            QTest::addRow("%s", p.button) << QString::fromLatin1(p.button);
    }
}

void TestLevels::conversions()
{
    QFETCH(QString, button);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    const Topic* topic = Catalogue::topicOfButton(button);
    QVERIFY(problems && topic);
    bool converts = false;
    for (int s = 0; s < int(problems->statements.size()) && !converts; ++s) {
        for (std::uint32_t number = 1; number <= 4 && !converts; ++number) {
            const Exercise ex = ExerciseGenerator::make(*topic, *problems, Level::Conversions, number, 1, s);
            converts = ex.answerConverted()
                || std::any_of(ex.givens.begin(), ex.givens.end(), [](const Given& g) { return g.converted(); });
        }
    }
    QCOMPARE(Levels::hasConversions(*problems), converts);
}

QTEST_GUILESS_MAIN(TestLevels)
#include "tst_levels.moc"
