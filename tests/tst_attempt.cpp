// A student's go at one exercise, without a window: the first answer that can be read
// decides the first try, the working comes after two wrong answers, asking for it first
// gives the first try up, and the progress gets one record per exercise however the go
// goes on.
#include "engine/NumberText.h"
#include "exercises/Attempt.h"
#include "exercises/Progress.h"

#include <QTemporaryDir>
#include <QTest>

class TestAttempt : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void noExerciseNoRecord();
};

void TestAttempt::rules_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("level");
    // R right, W wrong, U unreadable, E empty, S "Ver resolução"; in the Caderno, H its
    // help, N its answer line right, M wrong.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("firstTryRight");
    QTest::addColumn<bool>("solutionShown");
    QTest::addColumn<bool>("finished");
    // A topic at each level: Movimento Uniforme, and Torricelli with conversions.
    const std::pair<const char*, int> topics[] = {{"ButtonXPMACCorel1", 1}, {"ButtonXPMACCorel9", 2}};
    for (const auto& [button, level] : topics) {
        const auto row = [&](const char* name, const char* steps, bool right, bool shown, bool finished) {
            QTest::addRow("%s L%d %s", button, level, name)
                << QString::fromLatin1(button) << level << QString::fromLatin1(steps) << right << shown << finished;
        };
        row("right at once", "R", true, false, true);
        row("one wrong", "W", false, false, false);
        row("wrong then right", "WR", false, false, true);
        row("two wrong show the working", "WW", false, true, true);
        row("unreadable is no try", "UR", true, false, true);
        row("empty is no try", "ER", true, false, true);
        row("unreadable between wrongs", "WUW", false, true, true);
        row("working asked first gives up", "S", false, true, true);
        row("working first, right after", "SR", false, true, true);
        row("right, then the working", "RS", true, true, true);
        row("answers after the working", "WWRWR", false, true, true);
        row("notebook right unhelped", "N", true, false, true);
        row("notebook helped", "HN", false, false, true);
        row("help asked after the answer", "NH", true, false, true);
        row("notebook wrong then right", "MN", false, false, true);
        row("notebook wrongs keep the working hidden", "MM", false, false, false);
        row("help is no working", "H", false, false, false);
    }
}

void TestAttempt::rules()
{
    QFETCH(QString, button);
    QFETCH(int, level);
    QFETCH(QString, steps);
    QFETCH(bool, firstTryRight);
    QFETCH(bool, solutionShown);
    QFETCH(bool, finished);
    QTemporaryDir dir;
    Progress progress(dir.filePath(QStringLiteral("progresso.json")));
    Attempt attempt(ExerciseGenerator::make(button, Level(level), 4821, 3), &progress);
    const Exercise& ex = attempt.exercise();
    QVERIFY(ex.valid);
    const QString right = NumberText::format(ex.answerAsked, u',');
    const QString wrong = NumberText::format(ex.answerAsked.value() * 3, u',');

    int wrongs = 0;
    for (const QChar step : steps) {
        const bool wasShown = attempt.solutionShown();
        const bool wasDecided = attempt.firstTryDecided();
        switch (step.unicode()) {
        case 'R':
            QCOMPARE(attempt.answer(right, ex.askedUnit).kind, Judge::Verdict::Right);
            break;
        case 'W':
            QCOMPARE(attempt.answer(wrong, ex.askedUnit).kind, Judge::Verdict::Wrong);
            ++wrongs;
            // The working comes with the second wrong answer, not before.
            QCOMPARE(attempt.solutionShown(), wasShown || wrongs >= 2);
            break;
        case 'U':
            QCOMPARE(attempt.answer(u"2,,5", ex.askedUnit).kind, Judge::Verdict::Unreadable);
            break;
        case 'E':
            QCOMPARE(attempt.answer(u"  ", ex.askedUnit).kind, Judge::Verdict::Empty);
            break;
        case 'S':
            attempt.showSolution();
            break;
        case 'H':
            attempt.takeHelp();
            break;
        case 'N':
            attempt.notebookAnswer(true);
            break;
        case 'M':
            attempt.notebookAnswer(false);
            ++wrongs;
            QCOMPARE(attempt.solutionShown(), wasShown);
            break;
        }
        // Recorded once, as soon as the first try is decided; an empty or unreadable
        // answer decides nothing.
        QCOMPARE(progress.of(button).tried, attempt.firstTryDecided() ? 1 : 0);
        if (step == u'U' || step == u'E')
            QCOMPARE(attempt.firstTryDecided(), wasDecided);
    }
    QVERIFY(attempt.firstTryDecided());
    QCOMPARE(attempt.firstTryRight(), firstTryRight);
    QCOMPARE(attempt.solutionShown(), solutionShown);
    QCOMPARE(attempt.finished(), finished);
    QCOMPARE(attempt.wrongAnswers(), wrongs);
    const Progress::Topic t = progress.of(button);
    QCOMPARE(t.tried, 1);
    QCOMPARE(t.firstTry, firstTryRight ? 1 : 0);
    QCOMPARE(t.streak, firstTryRight ? 1 : 0);
    QVERIFY(progress.unsaved());
}

void TestAttempt::noExerciseNoRecord()
{
    QTemporaryDir dir;
    Progress progress(dir.filePath(QStringLiteral("progresso.json")));
    Attempt attempt(ExerciseGenerator::make(u"sem tópico", Level::Formula, 1, 1), &progress);
    QVERIFY(!attempt.exercise().valid);
    QCOMPARE(attempt.answer(u"12", nullptr).kind, Judge::Verdict::Empty);
    attempt.showSolution();
    attempt.takeHelp();
    attempt.notebookAnswer(true);
    QVERIFY(!attempt.firstTryDecided() && !attempt.solutionShown() && !attempt.finished());
    QVERIFY(!progress.unsaved());
}

QTEST_GUILESS_MAIN(TestAttempt)
#include "tst_attempt.moc"
