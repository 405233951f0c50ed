#include "AreaHarness.h"

#include "TestSupport.h"

#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/Gradpan.h"
#include "app/DecimalSeparator.h"

#include <QAbstractButton>
#include <QLocale>

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

#include <map>
#include <memory>

namespace AreaHarness {

namespace {

const QColor given(0, 0, 255);
const QColor unpainted(128, 128, 128);

const QString warningText = QStringLiteral("Preencha os dados corretamente!\r\n"
                                           "Obs.: Apenas um campo deve estar em branco para ser calculado.");

}

void AreaTest::init()
{
    DecimalSeparator::set(u',');
    m_main = new TfrmMain;
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_student = new TestSupport::Student(m_main);
}

void AreaTest::cleanup()
{
    delete m_student;
    delete m_main;
    m_student = nullptr;
    m_main = nullptr;
    // A test that changed the locale leaves the next one the comma.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    DecimalSeparator::set(u',');
}

void headerColumns()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("page");
}

void headerRow(const char* button, const char* caption, const char* header, const char* page)
{
    QTest::newRow(caption) << QString::fromLatin1(button) << QString::fromUtf8(caption) << QString::fromUtf8(header)
                           << QString::fromLatin1(page);
}

void checkHeaderRow(TfrmMain& main, TestSupport::Student& student)
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, header);
    QFETCH(QString, page);
    QCOMPARE(qobject_cast<QAbstractButton*>(student.widget(button.toLatin1()))->text(), caption);
    student.fill({{"eSS", "5"}});
    student.click(button.toLatin1());
    QCOMPARE(main.findChild<TGradPan*>(QStringLiteral("pNome"))->caption(), header);
    QCOMPARE(main.findChild<QStackedWidget*>(QStringLiteral("Equacoes"))->currentWidget()->objectName(), page);
    QVERIFY(student.text("eSS").isEmpty());
}

void solverColumns()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("calcular");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QStringList>("painted");
}

SolverRows::SolverRows(const char* label, const char* topic, const char* calcular, QStringList fields)
    : m_label(QString::fromUtf8(label))
    , m_topic(QString::fromLatin1(topic))
    , m_calcular(QString::fromLatin1(calcular))
    , m_fields(std::move(fields))
{
}

SolverRows secondLawRows(const char* label, const char* topic)
{
    return SolverRows(label, topic, "JLAqua7", {"lnFR", "lnM", "lnA"});
}

SolverRows& SolverRows::row(const char* name, const QStringList& values, const char* field, const char* expected)
{
    return add(name, values, field, expected, 0);
}

SolverRows& SolverRows::warning(const char* name, const QStringList& values, const char* field)
{
    return add(name, values, field, "", 1);
}

SolverRows& SolverRows::silent(const char* name, const QStringList& values, const char* field)
{
    return add(name, values, field, "", 0);
}

SolverRows& SolverRows::add(const char* name, const QStringList& values, const char* field, const char* expected,
                            int boxes)
{
    const QString target = QString::fromLatin1(field);
    const qsizetype at = m_fields.indexOf(target);
    if (at < 0 || values.size() != m_fields.size())
        qFatal("row %s of %s: field %s or %d values do not fit the page", name, qPrintable(m_label), field,
               int(values.size()));
    // The uniform-motion, accelerated-motion and Dinâmica pages paint the operands of the
    // block that computed, every other field of the page; no other page paints.
    static const QStringList painting = {"JLAqua3", "JLAqua4", "JLAqua7", "JLAqua8", "JLAqua9", "JLAqua10",
                                         "JLAqua11"};
    QStringList painted;
    if (values[at].isEmpty() && *expected && painting.contains(m_calcular)) {
        painted = m_fields;
        painted.removeAll(target);
    }
    const QByteArray rowName = (m_label + QStringLiteral(": ") + QString::fromUtf8(name)).toUtf8();
    QTest::newRow(rowName.constData()) << m_topic << m_calcular << m_fields << values << target
                                       << QString::fromUtf8(expected) << boxes << painted;
    return *this;
}

void checkSolverRow(TestSupport::Student& student)
{
    QFETCH(QString, topic);
    QFETCH(QString, calcular);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, values);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QFETCH(int, boxes);
    QFETCH(QStringList, painted);

    student.click(topic.toLatin1());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        auto* edit = qobject_cast<QLineEdit*>(student.widget(fields[i].toLatin1()));
        edit->setText(values[i]);
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Text, unpainted);
        edit->setPalette(pal);
    }
    const auto seen = TestSupport::catchMessageBoxes([&] { student.click(calcular.toLatin1()); });
    QCOMPARE(seen.count, boxes);
    if (boxes)
        QCOMPARE(seen.text, warningText);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QByteArray name = fields[i].toLatin1();
        QCOMPARE(student.text(name), fields[i] == field ? expected : values[i]);
        const QColor colour = student.widget(name)->palette().color(QPalette::Text);
        QVERIFY2(colour == (painted.contains(fields[i]) ? given : unpainted), name + " painted?");
    }
    // A second click finds nothing to do, or fails the same way.
    const auto again = TestSupport::catchMessageBoxes([&] { student.click(calcular.toLatin1()); });
    QCOMPARE(again.count, boxes);
    QCOMPARE(student.text(field.toLatin1()), expected);
}

void sharedPageColumns()
{
    QTest::addColumn<QStringList>("topics");
}

void sharedPageRows()
{
    std::map<QString, QStringList> byPage;
    for (const Topic& topic : Catalogue::topics())
        byPage[QString::fromLatin1(topic.page)] << QString::fromLatin1(topic.button);
    for (const auto& [page, topics] : byPage) {
        if (topics.size() > 1)
            QTest::newRow(page.toLatin1().constData()) << topics;
    }
}

QHash<QString, QString> pageLook(QWidget* page)
{
    QHash<QString, QString> look;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || qobject_cast<QLineEdit*>(w))
            continue;
        // What a hidden piece would say is not seen.
        if (w->isHidden()) {
            look.insert(w->objectName(), QStringLiteral("hidden"));
            continue;
        }
        const QRect g = w->geometry();
        QString state = QStringLiteral("at %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        if (auto* label = qobject_cast<QLabel*>(w))
            state += QStringLiteral(" \"%1\"").arg(label->text());
        look.insert(w->objectName(), state);
    }
    return look;
}

namespace {

struct Window
{
    std::unique_ptr<TfrmMain> main = std::make_unique<TfrmMain>();
    TestSupport::Student student {main.get()};

    Window() { main->show(); }
    QHash<QString, QString> lookAfter(const QString& topic)
    {
        student.click(topic.toLatin1());
        return pageLook(main->findChild<QStackedWidget*>(QStringLiteral("Equacoes"))->currentWidget());
    }
};

}

void checkSharedPageRow()
{
    QFETCH(QStringList, topics);
    QHash<QString, QHash<QString, QString>> alone;
    for (const QString& topic : topics)
        alone.insert(topic, Window().lookAfter(topic));

    Window window;
    for (const QString& before : topics) {
        for (const QString& topic : topics) {
            window.lookAfter(before);
            const auto look = window.lookAfter(topic);
            const auto& want = alone[topic];
            for (auto it = want.cbegin(); it != want.cend(); ++it) {
                const QString got = look.value(it.key());
                QVERIFY2(got == it.value(), qPrintable(QStringLiteral("%1 after %2: %3 is %4, alone %5")
                                                           .arg(topic, before, it.key(), got, it.value())));
            }
        }
    }
}

}
