// The levels' names, and which topics have a second level: every topic whose ranges name
// another unit gets an exercise with a conversion at level 2, and only those.
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

void TestLevels::conversions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("otherUnits");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            const bool named = std::any_of(p.ranges.begin(), p.ranges.end(),
                                           [](const Problems::Range& r) { return r.otherUnits && *r.otherUnits; });
            QTest::addRow("%s", p.button) << QString::fromLatin1(p.button) << named;
        }
    }
}

void TestLevels::conversions()
{
    QFETCH(QString, button);
    QFETCH(bool, otherUnits);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    QVERIFY(problems);
    QCOMPARE(Levels::hasConversions(*problems), otherUnits);
}

QTEST_GUILESS_MAIN(TestLevels)
#include "tst_levels.moc"
