// The program without a mouse: Enter computes, Tab walks a page's fields to Calcular,
// the arrow keys walk a topic list, and an area chosen from the keyboard leads on into
// its list.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/Gradpan.h"
#include "app/DecimalSeparator.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using TestSupport::Student;

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterComputes_data();
    void enterComputes();
    void tabOrder_data();
    void tabOrder();
    void topicListKeys();
    void copyingAResult();

private:
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

    TfrmMain* m_main = nullptr;
    Student* m_student = nullptr;
};

void TestKeyboard::init()
{
    DecimalSeparator::set(u',');
    m_main = new TfrmMain;
    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    m_student = new Student(m_main);
}

void TestKeyboard::cleanup()
{
    delete m_student;
    delete m_main;
}

// Enter in a field runs the page's solver exactly as a click: its result, its warning.
void TestKeyboard::enterComputes_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("enterIn");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("boxes");
    const QStringList motion{"eSS", "eSSo", "eV", "eST"};
    QTest::newRow("uniform motion") << "ButtonXPMACCorel1" << motion << QStringList{"", "2", "3", "4"} << "eST"
                                    << "eSS" << "14" << 0;
    QTest::newRow("two blanks") << "ButtonXPMACCorel1" << motion << QStringList{"", "", "3", "4"} << "eV"
                                << "eSS" << "" << 1;
    QTest::newRow("series total") << "ButtonXPMACCorel101" << QStringList{"rsTotal", "r1", "r2", "r3", "r4"}
                                  << QStringList{"", "10", "", "5", ""} << "r3" << "rsTotal" << "15" << 0;
    QTest::newRow("parallel total") << "ButtonXPMACCorel102" << QStringList{"rpTotal", "rp1", "rp2", "rp3"}
                                    << QStringList{"", "6", "3", ""} << "rp2" << "rpTotal" << "2" << 0;
}

void TestKeyboard::enterComputes()
{
    QFETCH(QString, topic);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, values);
    QFETCH(QString, enterIn);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QFETCH(int, boxes);
    m_student->click(topic.toLatin1());
    for (qsizetype i = 0; i < fields.size(); ++i)
        m_student->fill({{fields[i].toLatin1().constData(), values[i]}});
    QWidget* field = m_student->widget(enterIn.toLatin1());
    field->setFocus();
    const auto seen = TestSupport::catchMessageBoxes([&] { QTest::keyClick(field, Qt::Key_Return); });
    QCOMPARE(seen.count, boxes);
    QCOMPARE(m_student->text(result.toLatin1()), expected);
    m_student->fill({{result.toLatin1().constData(), QString()}});
    QCOMPARE(TestSupport::catchMessageBoxes([&] { QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier); }).count,
             boxes);
    QCOMPARE(m_student->text(result.toLatin1()), expected);
}

// Chosen from the keyboard, a topic hands Tab on to its page's first field; Tab then
// goes down the fields (constants skipped) to Calcular, where Space computes.
void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("blank");
    QTest::newRow("uniform motion") << "ButtonXPMACCorel1" << QStringList{"eSS", "eSSo", "eV", "eST", "JLAqua3"}
                                    << "eSS";
    QTest::newRow("angular velocity, pi skipped") << "ButtonXPMACCorel30" << QStringList{"vaw", "vaf", "JLAqua6"}
                                                  << "vaw";
}

void TestKeyboard::tabOrder()
{
    QFETCH(QString, topic);
    QFETCH(QStringList, order);
    QFETCH(QString, blank);
    QWidget* button = m_student->widget(topic.toLatin1());
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(focused(), topic);
    QStringList walked;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focused();
        if (walked.back() != blank && !walked.back().startsWith(QLatin1String("JLAqua")))
            TestSupport::type(QApplication::focusWidget(), QStringLiteral("2"));
    }
    QCOMPARE(walked, order);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!m_student->text(blank.toLatin1()).isEmpty());
}

// The Dinâmica list from the keyboard: its area button, Down to the last topic (the
// list scrolls to show it), Up again, Return to choose.
void TestKeyboard::topicListKeys()
{
    QWidget* area = m_student->widget("ButtonXPMACCorel18");
    area->setFocus(Qt::TabFocusReason);
    QTest::keyClick(area, Qt::Key_Space);
    QCOMPARE(focused(), QStringLiteral("ButtonXPMACCorel11"));
    auto* box = m_main->findChild<QScrollArea*>("ScrollBox9");
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QWidget* last = QApplication::focusWidget();
    QCOMPARE(last->parentWidget()->parentWidget()->parentWidget(), box);
    QVERIFY(box->verticalScrollBar()->value() > 0);
    const QRect seen(QPoint(0, 0), box->viewport()->size());
    QVERIFY(seen.contains(QRect(last->mapTo(box->viewport(), QPoint(0, 0)), last->size())));
    QTest::keyClick(last, Qt::Key_Up);
    QWidget* above = QApplication::focusWidget();
    QVERIFY(above != last && above->y() < last->y());
    QTest::keyClick(above, Qt::Key_Return);
    QCOMPARE(m_main->findChild<TGradPan*>("pNome")->caption(),
             QString::fromUtf8(Catalogue::topicOfButton(above->objectName())->header));
}

// A result can be selected and copied; pasting stays closed, so no unfiltered text gets in.
void TestKeyboard::copyingAResult()
{
    m_student->fill({{"eSSo", "2"}, {"eV", "3"}, {"eST", "4"}});
    m_student->click("JLAqua3");
    QWidget* result = m_student->widget("eSS");
    result->setFocus();
    QTest::keySequence(result, QKeySequence::SelectAll);
    QTest::keySequence(result, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("14"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x1.5"));
    QWidget* other = m_student->widget("eSSo");
    other->setFocus();
    QTest::keySequence(other, QKeySequence::Paste);
    QCOMPARE(m_student->text("eSSo"), QStringLiteral("2"));
}

VELQUORA_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
