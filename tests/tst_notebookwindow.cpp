// The Caderno as a student drives it in the exercises window: chosen with its button and
// remembered; lines added with Enter, each marked, a wrong one with its hint under it, an
// unreadable one left in the editor; a line edited (F2) and deleted (Delete); the palette
// typing what the keyboard lacks; Próximo passo's three rungs; Ver resolução writing the
// rest of the solution; and the progress counting a notebook solved without help as
// right at the first try, and one solved with help as not.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/ExerciseWindow.h"
#include "exercises/NextStep.h"
#include "exercises/Progress.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestNotebookWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void chosenAndRemembered();
    void linesMarkedAndHinted();
    void editAndDelete();
    void palette_data();
    void palette();
    void helpLadder();
    void solvedAlone_data();
    void solvedAlone();
    void solutionFillsTheNotebook();
    void keyboardOrder();
};

namespace {

using TestSupport::part;

QSettings settings()
{
    return QSettings(QStringLiteral("Tavensa"), QStringLiteral("Velquora"));
}

// Writes a line as a student does: typed into the line, then Enter.
void write(QWidget* window, const QString& line)
{
    auto* edit = part<QLineEdit>(window, "exLine");
    edit->setText(line);
    QTest::keyClick(edit, Qt::Key_Return);
}

// The palette's keys, in their order: Δ ₀ ² ³ √ · π º µ Ω.
constexpr const char* keys[] = {"Delta", "Sub0", "Square", "Cube", "Root", "Times", "Pi", "Degree", "Micro", "Ohm"};

QStringList shownLines(QWidget* window)
{
    QStringList lines;
    auto* list = part<QListWidget>(window, "exLines");
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

// A window with its progress in `dir`, the Caderno chosen, on exercise `code`.
struct NotebookWindow
{
    NotebookWindow(const QTemporaryDir& dir, const QString& code)
        : path(dir.filePath(QStringLiteral("progresso.json")))
        , window(nullptr, Progress(path))
    {
        window.show();
        part<QPushButton>(&window, "exNotebook")->setChecked(true);
        window.goToNumber(code);
    }
    // The solution as the help would write it, the line of each step.
    QStringList stepLines() const
    {
        LineCheck check(window.exercise());
        NextStep steps(check);
        QStringList lines;
        for (const NextStep::Step& s : steps.steps())
            lines.append(s.line);
        return lines;
    }
    // The saved progress of the topic: tried, right at the first try.
    std::pair<qint64, qint64> counted() const
    {
        Progress saved(path);
        saved.load();
        const Progress::Topic t = saved.of(QString::fromLatin1(window.exercise().topic->button));
        return {t.tried, t.firstTry};
    }
    QString path;
    ExerciseWindow window;
};

}

void TestNotebookWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    settings().remove(QStringLiteral("Exercicios/Caderno"));
}

void TestNotebookWindow::cleanup()
{
    settings().remove(QStringLiteral("Exercicios/Caderno"));
}

void TestNotebookWindow::chosenAndRemembered()
{
    QTemporaryDir dir;
    {
        ExerciseWindow window(nullptr, Progress(dir.filePath(QStringLiteral("p.json"))));
        window.show();
        auto* toggle = part<QPushButton>(&window, "exNotebook");
        QVERIFY(toggle->isCheckable() && !toggle->isChecked());
        QVERIFY(part<QLineEdit>(&window, "exAnswer")->isVisible());
        QVERIFY(!part<QLineEdit>(&window, "exLine")->isVisible());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(part<QLineEdit>(&window, "exLine")->isVisible());
        QVERIFY(part<QListWidget>(&window, "exLines")->isVisible());
        QVERIFY(!part<QLineEdit>(&window, "exAnswer")->isVisible());
        QVERIFY(!part<QPushButton>(&window, "exCheck")->isVisible());
        // The exercise and its number stay as they were.
        QVERIFY(part<QLabel>(&window, "exStatement")->isVisible());
        QVERIFY(part<QLineEdit>(&window, "exNumber")->isVisible());
        QCOMPARE(window.focusWidget(), part<QLineEdit>(&window, "exLine"));
    }
    ExerciseWindow again(nullptr, Progress(dir.filePath(QStringLiteral("p.json"))));
    again.show();
    QVERIFY(part<QPushButton>(&again, "exNotebook")->isChecked());
    QVERIFY(part<QLineEdit>(&again, "exLine")->isVisible());
    QVERIFY(!part<QLineEdit>(&again, "exAnswer")->isVisible());
    part<QPushButton>(&again, "exNotebook")->click();
    QVERIFY(part<QLineEdit>(&again, "exAnswer")->isVisible());
    QCOMPARE(settings().value(QStringLiteral("Exercicios/Caderno")).toBool(), false);
}

void TestNotebookWindow::linesMarkedAndHinted()
{
    QTemporaryDir dir;
    NotebookWindow w(dir, QStringLiteral("4821-2"));
    auto* feedback = part<QLabel>(&w.window, "exLineFeedback");
    const QStringList steps = w.stepLines();
    QVERIFY(steps.size() >= 3);

    // A line that cannot be read says where, marks nothing and stays to be mended.
    write(&w.window, QStringLiteral("S = (2 + )"));
    QVERIFY2(feedback->text().startsWith(QStringLiteral("Não entendi")), qPrintable(feedback->text()));
    QCOMPARE(part<QLineEdit>(&w.window, "exLine")->text(), QStringLiteral("S = (2 + )"));
    QCOMPARE(shownLines(&w.window).size(), 0);

    write(&w.window, steps.first());
    QVERIFY2(feedback->text().startsWith(QStringLiteral("Certo")), qPrintable(feedback->text()));
    QCOMPARE(feedback->accessibleDescription(), feedback->text());
    QCOMPARE(shownLines(&w.window), QStringList{QStringLiteral("✓  ") + steps.first()});
    QVERIFY(part<QLineEdit>(&w.window, "exLine")->text().isEmpty());

    // The answer's value, doubled: wrong, with its hint under it.
    const Exercise& ex = w.window.exercise();
    const QString wrong = steps.last().section(u'=', 0, 0).trimmed() + QStringLiteral(" = ")
        + QString::number(double(ex.answerAsked.value()) * 2, 'g', 4).replace(u'.', u',');
    write(&w.window, wrong);
    QVERIFY2(feedback->text().startsWith(QStringLiteral("Ainda não")), qPrintable(feedback->text()));
    const QString shown = shownLines(&w.window).last();
    QVERIFY2(shown.startsWith(QStringLiteral("✗  ") + wrong + u'\n'), qPrintable(shown));
    QVERIFY(shown.endsWith(feedback->text()));
    QCOMPARE(w.counted(), std::make_pair(qint64(1), qint64(0)));
}

void TestNotebookWindow::editAndDelete()
{
    QTemporaryDir dir;
    NotebookWindow w(dir, QStringLiteral("77-1"));
    const QStringList steps = w.stepLines();
    const QString given = steps.first();
    const QString symbol = given.section(u'=', 0, 0).trimmed();
    write(&w.window, symbol + QStringLiteral(" = 123456"));
    QVERIFY(shownLines(&w.window).first().startsWith(QStringLiteral("✗")));
    write(&w.window, steps.at(1));

    auto* list = part<QListWidget>(&w.window, "exLines");
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_F2);
    auto* line = part<QLineEdit>(&w.window, "exLine");
    QCOMPARE(line->text(), symbol + QStringLiteral(" = 123456"));
    QVERIFY(part<QLabel>(&w.window, "exEditing")->isVisible());
    line->setText(given);
    QTest::keyClick(line, Qt::Key_Return);
    // Checked again in its place, not added.
    QCOMPARE(shownLines(&w.window).size(), 2);
    QCOMPARE(shownLines(&w.window).first(), QStringLiteral("✓  ") + given);
    QVERIFY(!part<QLabel>(&w.window, "exEditing")->isVisible());

    // Esc leaves a line as it was.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_F2);
    line->setText(QStringLiteral("lixo"));
    QTest::keyClick(line, Qt::Key_Escape);
    QCOMPARE(shownLines(&w.window).at(1), QStringLiteral("✓  ") + steps.at(1));

    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(shownLines(&w.window), QStringList{QStringLiteral("✓  ") + steps.at(1)});
}

void TestNotebookWindow::palette_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("result");
    QTest::newRow("delta at the cursor") << "s = S - " << 8 << -1 << "Delta" << "s = S - Δ";
    QTest::newRow("subscript in a word") << "S = S + V" << 5 << -1 << "Sub0" << "S = S₀ + V";
    QTest::newRow("square") << "Ec = m·v" << 8 << -1 << "Square" << "Ec = m·v²";
    QTest::newRow("root opens its bracket") << "v = " << 4 << -1 << "Root" << "v = √()";
    QTest::newRow("root wraps the chosen") << "v = 2gh" << 7 << 4 << "Root" << "v = √(2gh)";
    QTest::newRow("product") << "F = m a" << 5 << -1 << "Times" << "F = m· a";
    QTest::newRow("every key") << "" << 0 << -1 << "Ohm" << "Ω";
}

void TestNotebookWindow::palette()
{
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(int, selectFrom);
    QFETCH(QString, key);
    QFETCH(QString, result);
    QTemporaryDir dir;
    NotebookWindow w(dir, QStringLiteral("5-1"));
    auto* line = part<QLineEdit>(&w.window, "exLine");
    line->setText(typed);
    if (selectFrom >= 0)
        line->setSelection(selectFrom, cursor - selectFrom);
    else
        line->setCursorPosition(cursor);
    for (const char* k : keys) {
        auto* button = part<QAbstractButton>(&w.window, qPrintable(QStringLiteral("exKey") + QLatin1String(k)));
        QVERIFY(!button->accessibleName().isEmpty());
    }
    auto* button = part<QAbstractButton>(&w.window, qPrintable(QStringLiteral("exKey") + key));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(result.contains(button->text()));
    QCOMPARE(line->text(), result);
    // The student goes on typing where the key wrote.
    QCOMPARE(w.window.focusWidget(), line);
    if (result.endsWith(QStringLiteral("√()")))
        QCOMPARE(line->cursorPosition(), result.size() - 1);
}

void TestNotebookWindow::helpLadder()
{
    QTemporaryDir dir;
    NotebookWindow w(dir, QStringLiteral("4821-5"));
    const QStringList steps = w.stepLines();
    auto* hint = part<QPushButton>(&w.window, "exHint");
    auto* help = part<QLabel>(&w.window, "exHintText");
    hint->click();
    QVERIFY2(help->text().startsWith(QStringLiteral("Escreva")), qPrintable(help->text()));
    QCOMPARE(help->accessibleDescription(), help->text());
    QCOMPARE(shownLines(&w.window).size(), 0);
    const QString what = help->text();
    hint->click();
    QVERIFY(help->text() != what);
    QCOMPARE(shownLines(&w.window).size(), 0);
    hint->click();
    QCOMPARE(shownLines(&w.window), QStringList{QStringLiteral("✓  ") + steps.first() + QStringLiteral("   (pela ajuda)")});
    QVERIFY(w.window.attempt().firstTryDecided());

    // A step written is not asked for again: the next press is about the second.
    hint->click();
    QVERIFY(!help->text().contains(steps.first()));
    // Help on every step ends the exercise, not right at the first try.
    for (int i = 0; i < 3 * steps.size() && !w.window.attempt().finished(); ++i)
        hint->click();
    QVERIFY(w.window.attempt().finished());
    QCOMPARE(w.counted(), std::make_pair(qint64(1), qint64(0)));
    hint->click();
    QVERIFY(help->text().contains(QStringLiteral("resolvido")));
}

void TestNotebookWindow::solvedAlone_data()
{
    QTest::addColumn<QString>("code");
    // Several topics and exercises of the first session's numbers.
    for (const char* code : {"4821-1", "4821-2", "4821-3", "913-4", "77-7"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestNotebookWindow::solvedAlone()
{
    QFETCH(QString, code);
    QTemporaryDir dir;
    NotebookWindow w(dir, code);
    const QStringList steps = w.stepLines();
    for (const QString& line : steps) {
        write(&w.window, line);
        QVERIFY2(part<QLabel>(&w.window, "exLineFeedback")->text().startsWith(QStringLiteral("Certo")),
                 qPrintable(line + QStringLiteral(" → ") + part<QLabel>(&w.window, "exLineFeedback")->text()));
    }
    QVERIFY(w.window.attempt().finished());
    QCOMPARE(w.counted(), std::make_pair(qint64(1), qint64(1)));
}

void TestNotebookWindow::solutionFillsTheNotebook()
{
    QTemporaryDir dir;
    NotebookWindow w(dir, QStringLiteral("4821-4"));
    const QStringList steps = w.stepLines();
    write(&w.window, steps.first());
    part<QPushButton>(&w.window, "exSolution")->click();
    // The student's line kept, the rest in the book's order, all right.
    QStringList expected{QStringLiteral("✓  ") + steps.first()};
    for (qsizetype i = 1; i < steps.size(); ++i)
        expected.append(QStringLiteral("✓  ") + steps.at(i) + QStringLiteral("   (pela ajuda)"));
    QCOMPARE(shownLines(&w.window), expected);
    QCOMPARE(w.counted(), std::make_pair(qint64(1), qint64(0)));
    // Another exercise starts an empty notebook.
    part<QPushButton>(&w.window, "exNext")->click();
    QCOMPARE(shownLines(&w.window).size(), 0);
}

void TestNotebookWindow::keyboardOrder()
{
    QTemporaryDir dir;
    NotebookWindow w(dir, QStringLiteral("4821-1"));
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    write(&w.window, w.stepLines().first());
    QStringList path{QStringLiteral("exLine")};
    for (const char* k : keys)
        path.append(QStringLiteral("exKey") + QLatin1String(k));
    path << QStringLiteral("exHint") << QStringLiteral("exLines") << QStringLiteral("exSolution")
         << QStringLiteral("exNext") << QStringLiteral("exNotebook");
    part<QWidget>(&w.window, "exLine")->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i < path.size(); ++i) {
        QTest::keyClick(w.window.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.window.focusWidget()->objectName(), path.at(i));
    }
    // Delete removes the chosen line from the keyboard alone.
    auto* list = part<QListWidget>(&w.window, "exLines");
    list->setFocus(Qt::TabFocusReason);
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 0);
}

VELQUORA_TEST_MAIN(TestNotebookWindow)
#include "tst_notebookwindow.moc"
