// Each topic's declared rows against what the student sees once the topic is chosen:
// every field on show is declared, every declared caption is on show in its row (symbol
// to the left of the field, unit to the right) with the declared text, no other text
// stands in the row, and the declaration agrees with itself and with the unit table.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/TEdit.h"
#include "engine/Units.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>

class TestRows : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window = std::make_unique<TestSupport::ShownWindow>(); }
    void cleanup() { m_window.reset(); }
    void declaredAsShown_data();
    void declaredAsShown();

private:
    std::unique_ptr<TestSupport::ShownWindow> m_window;
};

void TestRows::declaredAsShown_data()
{
    QTest::addColumn<QString>("button");
    for (const Topic& topic : Catalogue::topics())
        QTest::newRow(topic.header) << QString::fromLatin1(topic.button);
}

namespace {

// A label's vertical middle lies within the field's height.
bool inRowOf(const QWidget* label, const QWidget* field)
{
    const int middle = label->geometry().center().y();
    return middle >= field->y() - 2 && middle <= field->geometry().bottom() + 2;
}

}

void TestRows::declaredAsShown()
{
    QFETCH(QString, button);
    TestSupport::Student& student = m_window->student;
    student.click(button.toLatin1());
    const Topic& topic = *Catalogue::topicOfButton(button);
    QWidget* page = m_window->main->findChild<QStackedWidget*>("Equacoes")->currentWidget();
    QCOMPARE(page->objectName(), QString::fromLatin1(topic.page));

    QSet<const QWidget*> declared;
    for (const Row& row : topic.rows) {
        const QString where = QString::fromUtf8(row.field);
        auto* field = qobject_cast<TEdit*>(student.widget(row.field));
        QVERIFY2(field && field->isVisibleTo(page), qPrintable(where));
        QVERIFY2(Units::ofRow(QString::fromUtf8(row.unit)) || !*row.unit, qPrintable(where + u' ' + QString::fromUtf8(row.unit)));
        QVERIFY2(*row.quantity, qPrintable(where));
        declared.insert(field);
        bool delta = false;
        QString mainCaption;
        for (const auto* list : {row.symbolCaptions, row.unitCaptions}) {
            const bool symbolSide = list == row.symbolCaptions;
            for (int i = 0; i < 3 && list[i].label; ++i) {
                auto* label = qobject_cast<QLabel*>(student.widget(list[i].label));
                const QString at = where + u' ' + QString::fromLatin1(list[i].label);
                QVERIFY2(label && label->isVisibleTo(page) && inRowOf(label, field), qPrintable(at));
                QVERIFY2(symbolSide ? label->x() < field->x() : label->x() > field->geometry().right(), qPrintable(at));
                if (list[i].picture) {
                    QVERIFY2(!label->pixmap().isNull(), qPrintable(at));
                    delta = delta || QString::fromUtf8(list[i].text) == u"Δ";
                } else {
                    QCOMPARE(label->text(), QString::fromUtf8(list[i].text));
                    if (symbolSide && mainCaption.isEmpty())
                        mainCaption = label->text();
                }
                declared.insert(label);
            }
        }
        QString symbol = QString::fromUtf8(row.symbol);
        // A Δ on show makes a difference (a row may print ΔU without its Δ, as its formula has it).
        QVERIFY2(!delta || row.difference(), qPrintable(where));
        if (row.difference())
            symbol.remove(0, 1);
        QVERIFY2(symbol.startsWith(mainCaption.trimmed().left(1), Qt::CaseInsensitive), qPrintable(where + u' ' + symbol));
    }
    // Nothing else written in a row: a text label there (but its "=") is one of its captions.
    for (const TEdit* field : page->findChildren<TEdit*>()) {
        if (!field->isVisibleTo(page))
            continue;
        QVERIFY2(declared.contains(field), qPrintable(field->objectName()));
        for (const QLabel* label : page->findChildren<QLabel*>()) {
            const QString text = label->text().trimmed();
            if (label->isVisibleTo(page) && !text.isEmpty() && text != u"=" && inRowOf(label, field)
                && label->height() <= field->height() + 4)
                QVERIFY2(declared.contains(label), qPrintable(field->objectName() + u' ' + label->objectName() + u' ' + label->text()));
        }
    }
}

VELQUORA_TEST_MAIN(TestRows)
#include "tst_rows.moc"
