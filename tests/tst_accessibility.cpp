// What a screen reader hears: every field named by its row after every topic, the page
// by its formula, the Calcular, topic and area buttons as buttons, the header by its text.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/TfrmMain.h"
#include "app/TopicLists.h"
#include "catalogue/Catalogue.h"
#include "controls/TEdit.h"
#include "app/DecimalSeparator.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAccessibleActionInterface>
#include <QStackedWidget>
#include <QTest>

#include <set>

using TestSupport::Student;

namespace {

QAccessibleInterface* reader(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

}

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyTopic_data();
    void everyTopic();
    void rowNames_data();
    void rowNames();
    void buttonsAndHeader();

private:
    TfrmMain* m_main = nullptr;
    Student* m_student = nullptr;
};

void TestAccessibility::init()
{
    DecimalSeparator::set(u',');
    m_main = new TfrmMain;
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_student = new Student(m_main);
}

void TestAccessibility::cleanup()
{
    delete m_student;
    delete m_main;
}

void TestAccessibility::everyTopic_data()
{
    QTest::addColumn<QString>("topic");
    for (const Topic& topic : Catalogue::topics())
        QTest::newRow(topic.header) << QString::fromLatin1(topic.button);
}

// After every topic each field of its page has a name of its own, spelled from what the
// page shows, and constants say what they are; the page is named by its formula.
void TestAccessibility::everyTopic()
{
    QFETCH(QString, topic);
    m_student->click(topic.toLatin1());
    QWidget* page = m_main->findChild<QStackedWidget*>("Equacoes")->currentWidget();
    const Topic* shown = Catalogue::topicOfButton(topic);
    QVERIFY(*shown->formula);
    QCOMPARE(reader(page)->text(QAccessible::Name), QStringLiteral("Equação: ") + QString::fromUtf8(shown->formula));
    std::set<QString> names;
    for (TEdit* field : page->findChildren<TEdit*>()) {
        const QString name = reader(field)->text(QAccessible::Name);
        const QByteArray where = field->objectName().toLatin1() + ": " + name.toUtf8();
        QVERIFY2(!name.isEmpty() && !name.startsWith(u','), where);
        QVERIFY2(!name.contains(QLatin1String("Label")) && !name.contains(u'='), where);
        QVERIFY2(names.insert(name).second, where + " twice");
        QCOMPARE(reader(field)->role(), QAccessible::EditableText);
        if (field->isReadOnly())
            QVERIFY2(reader(field)->text(QAccessible::Description).contains(QLatin1String("constante")), where);
    }
}

void TestAccessibility::rowNames_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("S") << "ButtonXPMACCorel1" << "eSS" << "S, m";
    QTest::newRow("V") << "ButtonXPMACCorel1" << "eV" << "V, m/s";
    QTest::newRow("Δt") << "ButtonXPMACCorel6" << "eDT" << "Δt, s";
    QTest::newRow("a") << "ButtonXPMACCorel8" << "muvA" << "a, m/s²";
    QTest::newRow("Δ in its gap") << "ButtonXPMACCorel35" << "fpG" << "Δt, s";
    QTest::newRow("pi") << "ButtonXPMACCorel30" << "Edit3" << "π";
    QTest::newRow("R in ohms") << "ButtonXPMACCorel99" << "lnM" << "R, Ω";
    QTest::newRow("ΔL") << "ButtonXPMACCorel48" << "csQ" << "ΔL, m";
    QTest::newRow("a in ºC⁻¹") << "ButtonXPMACCorel48" << "csM" << "a, ºC⁻¹";
    QTest::newRow("V₁") << "ButtonXPMACCorel52" << "phF1" << "V₁, L";
    QTest::newRow("k") << "ButtonXPMACCorel80" << "lcK" << "k, N·m²/C²";
    QTest::newRow("n, no unit") << "ButtonXPMACCorel79" << "cecN" << "n";
}

void TestAccessibility::rowNames()
{
    QFETCH(QString, topic);
    QFETCH(QString, field);
    QFETCH(QString, name);
    m_student->click(topic.toLatin1());
    QCOMPARE(reader(m_student->widget(field.toLatin1()))->text(QAccessible::Name), name);
}

void TestAccessibility::buttonsAndHeader()
{
    m_main->lists().buildAll();
    QAccessibleInterface* calcular = reader(m_student->widget("JLAqua3"));
    QCOMPARE(calcular->role(), QAccessible::Button);
    QCOMPARE(calcular->text(QAccessible::Name), QStringLiteral("Calcular"));
    QCOMPARE(calcular->text(QAccessible::Description), QStringLiteral("Clique para Calcular"));
    m_student->fill({{"eSSo", "2"}, {"eV", "3"}, {"eST", "4"}});
    calcular->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_student->text("eSS"), QStringLiteral("14"));

    for (const char* button : {"ButtonXPMACCorel17", "ButtonXPMACCorel61"}) {
        QAccessibleInterface* b = reader(m_student->widget(button));
        QCOMPARE(b->role(), QAccessible::Button);
        QCOMPARE(b->text(QAccessible::Name), qobject_cast<QAbstractButton*>(m_student->widget(button))->text());
    }
    m_student->click("ButtonXPMACCorel61");
    QCOMPARE(reader(m_student->widget("pNome"))->text(QAccessible::Name), QStringLiteral("Refração Absolouta"));
}

VELQUORA_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
