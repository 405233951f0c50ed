// The exercises window as a student drives it: opened from the menu, or with Ctrl+E from
// inside a field, on the topic on show; the answer box taking the keys on opening and
// after Próximo; a topic found by typing its name; the number box; a topic with one level
// only; an unreadable answer that scores nothing, a right answer counted, two wrong ones
// showing the working; "Zerar progresso" that one Enter does not wipe; and a damaged
// progress file set aside.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/ExerciseWindow.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/TEdit.h"
#include "engine/NumberText.h"
#include "exercises/Levels.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

class TestExerciseWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void opensOnTheTopicShown();
    void ctrlEFromAField();
    void focusOnTheAnswer();
    void topicsFoundByName_data();
    void topicsFoundByName();
    void numberBox_data();
    void numberBox();
    void sameNumberKeepsTheAttempt();
    void oneLevelOnly();
    void unitChosenIsJudged();
    void studentSession();
    void resetAsksWithNoAsDefault();
    void damagedProgressIsSetAside();
    void unsavedProgressIsSaid();
};

namespace {

using TestSupport::part;

void enter(QWidget* window, const char* name, const QString& text)
{
    auto* edit = part<QLineEdit>(window, name);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Takes Ctrl+E from shortcuts, as an X11 line edit does.
class EndOfLineTaker : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride
            && static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E)) {
            event->accept();
            return true;
        }
        return false;
    }
};

// Types any text, accented letters included, one key at a time.
void typeText(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        const Qt::Key key = upper.unicode() < 0x100 ? Qt::Key(upper.unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, w, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, key, QString(c), Qt::NoModifier);
    }
}

// A window of its own, shown and active as the student's, with its progress in `dir`.
struct ActiveWindow
{
    explicit ActiveWindow(const QTemporaryDir& dir)
        : window(nullptr, Progress(dir.filePath(QStringLiteral("progresso.json"))))
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the exercises window was not activated");
    }
    ExerciseWindow window;
};

}

void TestExerciseWindow::opensOnTheTopicShown()
{
    TestSupport::ShownWindow shown;
    shown.student.click("ButtonXPMACCorel9");
    QVERIFY(!shown.main->exerciseWindow());
    shown.main->findChild<QAction*>(QStringLiteral("Exercicios1"))->trigger();
    ExerciseWindow* window = shown.main->exerciseWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Exercícios – Velquora"));
    QCOMPARE(part<QComboBox>(window, "exTopic")->currentData().toString(), QStringLiteral("ButtonXPMACCorel9"));
}

void TestExerciseWindow::ctrlEFromAField()
{
    TestSupport::ShownWindow shown;
    shown.student.click("ButtonXPMACCorel9");
    shown.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown.main));
    TEdit* field = TestSupport::editableFields(shown.main).front();
    // Under X11 a line edit takes Ctrl+E for "end of line" before any shortcut; the
    // offscreen platform binds no such key, so here the field is made to take it too.
    EndOfLineTaker taker;
    field->installEventFilter(&taker);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("12"));
    // The window's shortcut comes first all the same.
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    ExerciseWindow* window = shown.main->exerciseWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->exercise().topic->button, "ButtonXPMACCorel9");
    QCOMPARE(field->text(), QStringLiteral("12"));
    // Other keys with Ctrl still reach the field.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field->selectedText(), QStringLiteral("12"));
}

void TestExerciseWindow::focusOnTheAnswer()
{
    TestSupport::ShownWindow shown;
    shown.main->findChild<QAction*>(QStringLiteral("Exercicios1"))->trigger();
    ExerciseWindow* window = shown.main->exerciseWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* answer = part<QLineEdit>(window, "exAnswer");
    QCOMPARE(window->focusWidget(), answer);
    QTest::mouseClick(part<QPushButton>(window, "exNext"), Qt::LeftButton);
    QCOMPARE(window->focusWidget(), answer);
    QTest::keyClicks(answer, QStringLiteral("3"));
    QCOMPARE(answer->text(), QStringLiteral("3"));
    // A wrong answer leaves the box chosen, so the next try replaces it.
    QTest::mouseClick(part<QPushButton>(window, "exCheck"), Qt::LeftButton);
    if (!window->attempt().firstTryRight()) {
        QCOMPARE(window->focusWidget(), answer);
        QCOMPARE(answer->selectedText(), QStringLiteral("3"));
    }

    // Tab goes through the window top to bottom.
    const char* const path[] = {"exTopic", "exLevel", "exNumber", "exStatement", "exAnswer", "exUnit", "exCheck",
                                "exSolution", "exNext", "exNotebook", "exList", "exReset", "exWorking", "exTopic"};
    part<QWidget>(window, path[0])->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 1; i < std::size(path); ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(window->focusWidget()->objectName(), QLatin1String(path[i]));
    }
}

void TestExerciseWindow::topicsFoundByName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::newRow("Torr") << "Torr" << "ButtonXPMACCorel9";
    // Space opens a closed chooser's list, so a name is typed up to its first space.
    QStringList words;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            const QString word = QString::fromUtf8(Catalogue::topicOfButton(QString::fromLatin1(p.button))->header).section(u' ', 0, 0);
            if (!words.contains(word)) {
                words << word;
                QTest::addRow("%s", qPrintable(word)) << word << QString();
            }
        }
    }
}

void TestExerciseWindow::topicsFoundByName()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QTemporaryDir dir;
    ActiveWindow shown(dir);
    auto* topic = part<QComboBox>(&shown.window, "exTopic");
    topic->setFocus();
    typeText(topic, typed);
    // The topic itself, or the first item whose name starts with what was typed.
    QVERIFY2(topic->currentText().startsWith(typed, Qt::CaseInsensitive), qPrintable(topic->currentText()));
    if (!button.isEmpty())
        QCOMPARE(topic->currentData().toString(), button);
    QCOMPARE(shown.window.exercise().topic->button, topic->currentData().toString());
}

void TestExerciseWindow::numberBox_data()
{
    QTest::addColumn<QString>("typed");
    // Return, or Tab to leave the box.
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("error");
    const int enter = Qt::Key_Return, tab = Qt::Key_Tab;
    QTest::newRow("number and index, Enter") << "5000-2" << enter << "5000-2" << false;
    QTest::newRow("number and index, Tab") << "5000-2" << tab << "5000-2" << false;
    QTest::newRow("number alone") << "4821" << enter << "4821-1" << false;
    QTest::newRow("spaces") << " 4821 - 3 " << tab << "4821-3" << false;
    QTest::newRow("index 0") << "4821-0" << enter << "4821-2" << true;
    QTest::newRow("number 0") << "0-3" << enter << "4821-2" << true;
    QTest::newRow("letters, Tab") << "abc" << tab << "4821-2" << true;
    QTest::newRow("too long") << "1234567890" << enter << "4821-2" << true;
    // Emptied and left: the exercise on show, nothing to say.
    QTest::newRow("emptied") << "" << tab << "4821-2" << false;
}

void TestExerciseWindow::numberBox()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, shown);
    QFETCH(bool, error);
    QTemporaryDir dir;
    ActiveWindow active(dir);
    ExerciseWindow& window = active.window;
    QVERIFY(window.goToNumber(QStringLiteral("4821-2")));
    auto* box = part<QLineEdit>(&window, "exNumber");
    auto* feedback = part<QLabel>(&window, "exFeedback");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key(key));
    QCOMPARE(window.exercise().code(), shown);
    QCOMPARE(box->text(), shown);
    QVERIFY(part<QLabel>(&window, "exStatement")->text().startsWith(QStringLiteral("Exercício %1.").arg(shown)));
    QCOMPARE(feedback->text().startsWith(QStringLiteral("Não entendi o número do exercício")), error);
    // Enter goes on to the answer; an error leaves the box to be typed again.
    if (key == Qt::Key_Return)
        QCOMPARE(window.focusWidget()->objectName(), QLatin1String(error ? "exNumber" : "exAnswer"));
}

void TestExerciseWindow::sameNumberKeepsTheAttempt()
{
    QTemporaryDir dir;
    ActiveWindow active(dir);
    ExerciseWindow& window = active.window;
    QVERIFY(window.goToNumber(QStringLiteral("4821-2")));
    auto* answer = part<QLineEdit>(&window, "exAnswer");
    answer->setText(NumberText::format(window.exercise().answerAsked.value() * 3, u','));
    QTest::mouseClick(part<QPushButton>(&window, "exCheck"), Qt::LeftButton);
    QCOMPARE(window.attempt().wrongAnswers(), 1);
    // Tabbing through the box, or Enter on the number on show, changes nothing.
    auto* box = part<QLineEdit>(&window, "exNumber");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window.attempt().wrongAnswers(), 1);
    QCOMPARE(box->text(), QStringLiteral("4821-2"));
}

void TestExerciseWindow::oneLevelOnly()
{
    const Topic* single = nullptr;
    const Topic* both = nullptr;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            const Topic* t = Catalogue::topicOfButton(QString::fromLatin1(p.button));
            (Levels::hasConversions(p) ? both : single) = t;
        }
    }
    if (!single)
        QSKIP("every topic has the level with conversions");
    QVERIFY(both);
    QTemporaryDir dir;
    ExerciseWindow window(nullptr, Progress(dir.filePath(QStringLiteral("progresso.json"))));
    window.show();
    auto* level = part<QComboBox>(&window, "exLevel");
    auto* note = part<QLabel>(&window, "exLevelNote");
    const auto secondEnabled = [&] {
        return qobject_cast<QStandardItemModel*>(level->model())->item(1)->isEnabled();
    };
    window.showTopic(*both);
    QVERIFY(!note->isVisible());
    QVERIFY(secondEnabled());
    level->setCurrentIndex(1);
    emit level->activated(1);
    QCOMPARE(window.exercise().level, Level::Conversions);

    window.showTopic(*single);
    QVERIFY(note->isVisible());
    QVERIFY(note->text().contains(QStringLiteral("só o nível 1")));
    QVERIFY(!secondEnabled());
    QCOMPARE(level->currentIndex(), 0);
    QCOMPARE(window.exercise().level, Level::Formula);

    // The level chosen comes back with a topic that has it.
    window.showTopic(*both);
    QVERIFY(!note->isVisible());
    QCOMPARE(window.exercise().level, Level::Conversions);
}

void TestExerciseWindow::unitChosenIsJudged()
{
    QTemporaryDir dir;
    ExerciseWindow window(nullptr, Progress(dir.filePath(QStringLiteral("progresso.json"))));
    window.show();
    window.showTopic(*Catalogue::topicOfButton(u"ButtonXPMACCorel9"));
    auto* level = part<QComboBox>(&window, "exLevel");
    level->setCurrentIndex(1);
    emit level->activated(1);
    // An exercise that asks its answer in another unit than the row's.
    int index = 1;
    while (!window.exercise().answerConverted() && index < 50)
        QVERIFY(window.goToNumber(QStringLiteral("4821-%1").arg(++index)));
    const Exercise& ex = window.exercise();
    QVERIFY(ex.answerConverted());
    auto* unit = part<QComboBox>(&window, "exUnit");
    QCOMPARE(unit->currentData().toString(), ex.askedUnitName());
    // The student answers in the row's unit, chosen beside the box.
    unit->setCurrentIndex(unit->findData(QString::fromUtf8(ex.askedRow.unit->name)));
    QVERIFY(unit->currentIndex() >= 0);
    enter(&window, "exAnswer", NumberText::format(ex.answer, u','));
    QCOMPARE(part<QLabel>(&window, "exFeedback")->text(), QStringLiteral("Correto!"));
}

void TestExerciseWindow::studentSession()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    ExerciseWindow window(nullptr, Progress(path));
    window.show();
    enter(&window, "exNumber", QStringLiteral("4821-2"));
    const Exercise expected = ExerciseGenerator::make(QString::fromLatin1(window.exercise().topic->button), Level::Formula, 4821, 2);
    QVERIFY(part<QLabel>(&window, "exStatement")->text().contains(expected.text));
    QCOMPARE(part<QLineEdit>(&window, "exNumber")->text(), QStringLiteral("4821-2"));

    auto* feedback = part<QLabel>(&window, "exFeedback");
    enter(&window, "exAnswer", QStringLiteral("2,,5"));
    QCOMPARE(feedback->text(), QStringLiteral("Não entendi o número: “2,,5”."));
    QVERIFY(!QFile::exists(path));

    const QString right = NumberText::format(window.exercise().answerAsked, u',');
    enter(&window, "exAnswer", right);
    QCOMPARE(feedback->text(), QStringLiteral("Correto!"));
    Progress saved(path);
    saved.load();
    const QString button = QString::fromLatin1(window.exercise().topic->button);
    QCOMPARE(saved.of(button).tried, 1);
    QCOMPARE(saved.of(button).firstTry, 1);

    QTest::mouseClick(part<QPushButton>(&window, "exNext"), Qt::LeftButton);
    QCOMPARE(part<QLineEdit>(&window, "exNumber")->text(), QStringLiteral("4821-3"));
    const QString wrong = NumberText::format(window.exercise().answerAsked.value() * 2, u',');
    part<QLineEdit>(&window, "exAnswer")->setText(wrong);
    QTest::mouseClick(part<QPushButton>(&window, "exCheck"), Qt::LeftButton);
    QVERIFY(feedback->text().startsWith(QStringLiteral("Ainda não.")));
    QVERIFY(part<QPlainTextEdit>(&window, "exWorking")->toPlainText().isEmpty());
    QTest::mouseClick(part<QPushButton>(&window, "exCheck"), Qt::LeftButton);
    QVERIFY(part<QPlainTextEdit>(&window, "exWorking")->toPlainText().contains(window.exercise().answerText().replace(QChar(0xa0), u' ')));
    saved.load();
    QCOMPARE(saved.of(button).tried, 2);
    QCOMPARE(saved.of(button).streak, 0);
}

void TestExerciseWindow::resetAsksWithNoAsDefault()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    ExerciseWindow window(nullptr, Progress(path));
    window.show();
    part<QPushButton>(&window, "exSolution")->click();
    const QString button = QString::fromLatin1(window.exercise().topic->button);
    const auto tried = [&] {
        Progress saved(path);
        saved.load();
        return saved.of(button).tried;
    };
    QCOMPARE(tried(), 1);

    // The question is answered by the key or the button given.
    const auto answer = [&](const std::function<void(QMessageBox*)>& press) {
        QString defaultButton;
        QTimer::singleShot(0, &window, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            press(box);
        });
        part<QPushButton>(&window, "exReset")->click();
        return defaultButton;
    };
    QCOMPARE(answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }), QStringLiteral("&Não"));
    QCOMPARE(tried(), 1);
    answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(tried(), 1);
    answer([](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == QStringLiteral("&Sim"))
                b->click();
        }
    });
    QCOMPARE(tried(), 0);
    QVERIFY(!part<QComboBox>(&window, "exTopic")->currentText().contains(QStringLiteral("na primeira")));
}

void TestExerciseWindow::damagedProgressIsSetAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{ isto não é JSON");
    file.close();
    ExerciseWindow window(nullptr, Progress(path));
    QVERIFY(part<QLabel>(&window, "exFeedback")->text().contains(QStringLiteral("danificado")));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void TestExerciseWindow::unsavedProgressIsSaid()
{
    // A damaged file in a folder that nothing can be renamed in, root or not.
    if (!QFile::exists(QStringLiteral("/proc/version")))
        QSKIP("no /proc on this system");
    ExerciseWindow window(nullptr, Progress(QStringLiteral("/proc/version")));
    QVERIFY(part<QLabel>(&window, "exFeedback")->text().contains(QStringLiteral("não pôde ser renomeado")));
    auto* note = part<QLabel>(&window, "exNote");
    QVERIFY(note->text().isEmpty());
    // Each exercise answered says again that it is not kept, once.
    for (int i = 0; i < 2; ++i) {
        part<QPushButton>(&window, "exSolution")->click();
        part<QPushButton>(&window, "exSolution")->click();
        QCOMPARE(note->text().count(QStringLiteral("não será gravado")), 1);
        part<QPushButton>(&window, "exNext")->click();
        QVERIFY(note->text().isEmpty());
    }
}

VELQUORA_TEST_MAIN(TestExerciseWindow)
#include "tst_exercisewindow.moc"
