// The exercises window as a student drives it: opened from the menu on the topic on
// show, an exercise brought back by its number, an unreadable answer that scores nothing,
// a right answer counted, two wrong ones showing the working, and a damaged progress file
// set aside.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/ExerciseWindow.h"
#include "app/TfrmMain.h"
#include "engine/NumberText.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestExerciseWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void opensOnTheTopicShown();
    void studentSession();
    void damagedProgressIsSetAside();
};

namespace {

template <class W>
W* part(QWidget* window, const char* name)
{
    auto* w = window->findChild<W*>(QLatin1String(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

void enter(QWidget* window, const char* name, const QString& text)
{
    auto* edit = part<QLineEdit>(window, name);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

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
    QVERIFY(part<QPlainTextEdit>(&window, "exWorking")->toPlainText().contains(window.exercise().answerText()));
    saved.load();
    QCOMPARE(saved.of(button).tried, 2);
    QCOMPARE(saved.of(button).streak, 0);
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

VELQUORA_TEST_MAIN(TestExerciseWindow)
#include "tst_exercisewindow.moc"
