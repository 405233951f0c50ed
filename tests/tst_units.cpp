// Values in other units at the window (the table itself is tst_unittable): every unit
// any row shows known, the field's context menu and the unit label opening the list, the working noting each
// conversion, and Qt's own menu texts in Portuguese.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/Resolution.h"
#include "app/TfrmMain.h"
#include "app/FieldTip.h"
#include "app/UnitConversions.h"
#include "catalogue/Catalogue.h"
#include "controls/TEdit.h"
#include "app/DecimalSeparator.h"
#include "engine/Units.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLibraryInfo>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTest>

#include <memory>
#include <QTimer>

using TestSupport::Student;

namespace {

const Units::Unit* unitNamed(const Units::RowUnit& row, const QString& name)
{
    for (const Units::Unit& u : row.kind->units) {
        if (QString::fromUtf8(u.name) == name)
            return &u;
    }
    return nullptr;
}

// The menu Qt opens next, as it is when it opens; `choose` then clicks one of its
// entries (by the start of its text), or it is closed.
struct MenuSeen
{
    QStringList entries;
    QStringList submenus;
    QStringList submenuEntries;
};
void answerNextMenu(MenuSeen& seen, const QString& submenu, const QString& choose)
{
    QTimer::singleShot(50, [&seen, submenu, choose] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QMenu* list = menu;
        for (QAction* a : menu->actions()) {
            if (!a->isVisible())
                continue;
            seen.entries << a->text().section(u'\t', 0, 0);
            if (a->menu()) {
                seen.submenus << a->menu()->title();
                if (a->menu()->title() == submenu)
                    list = a->menu();
            }
        }
        for (QAction* a : list->actions()) {
            seen.submenuEntries << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" [off]"));
            if (!choose.isEmpty() && a->text().startsWith(choose) && a->isEnabled()) {
                a->trigger();
                break;
            }
        }
        menu->close();
    });
}

}

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyUnitOnShowIsKnown();
    void contextMenu();
    void exactConversion();
    void unitLabelAndKeyboard();
    void qtTextsInPortuguese();

private:
    std::unique_ptr<TestSupport::ShownWindow> m_window;
    TfrmMain* m_main = nullptr;
    Student* m_student = nullptr;
};

void TestUnits::init()
{
    m_window = std::make_unique<TestSupport::ShownWindow>();
    m_main = m_window->main;
    m_student = &m_window->student;
}

void TestUnits::cleanup()
{
    m_window.reset();
}

// Every unit text any row shows, after any topic, is a unit of a kind or explicitly none.
void TestUnits::everyUnitOnShowIsKnown()
{
    for (const Topic& topic : Catalogue::topics()) {
        m_student->click(topic.button);
        QWidget* page = m_main->findChild<QStackedWidget*>("Equacoes")->currentWidget();
        for (const TEdit* field : page->findChildren<TEdit*>()) {
            const QString unit = field->accessibleName().section(QStringLiteral(", "), 1);
            QVERIFY2(Units::ofRow(unit), qPrintable(QStringLiteral("%1: %2 \"%3\"").arg(topic.header, field->objectName(), unit)));
        }
    }
}

// The context menu: "Converter de" takes the number in another unit and changes only its
// own field; "Mostrar em" leaves the field and writes the working; a field without a
// number, a constant and a row without a unit say why they offer nothing.
void TestUnits::contextMenu()
{
    m_main->findChild<QAction*>("Resolucao1")->setChecked(true);
    m_student->click("ButtonXPMACCorel1");
    m_student->fill({{"eSS", "100"}, {"eSSo", "20"}, {"eV", "72"}});
    auto* V = qobject_cast<TEdit*>(m_student->widget("eV"));
    MenuSeen seen;
    answerNextMenu(seen, UnitConversions::convertTitle, "km/h");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, V->rect().center(), V->mapToGlobal(V->rect().center()));
    QApplication::sendEvent(V, &rightClick);
    QTRY_COMPARE(V->text(), QStringLiteral("20"));
    QCOMPARE(seen.submenus, (QStringList{UnitConversions::convertTitle, UnitConversions::showTitle}));
    QCOMPARE(m_student->text("eSS"), QStringLiteral("100"));
    QCOMPARE(m_student->text("eSSo"), QStringLiteral("20"));
    QCOMPARE(m_student->text("eST"), QString());
    m_student->click("JLAqua3");
    const auto& entries = m_main->resolution().sessionRecord().entries();
    QCOMPARE(entries.front().allLines(), (QStringList{"V = 72 km/h = 20 m/s", "t = (S − S₀) / V", "t = (100 − 20) / 20", "t = 4 s"}));

    MenuSeen shown;
    answerNextMenu(shown, UnitConversions::showTitle, "km/h");
    QApplication::sendEvent(V, &rightClick);
    QTRY_COMPARE(entries.front().allLines(), QStringList{"V = 20 m/s = 72 km/h"});
    QCOMPARE(V->text(), QStringLiteral("20"));
    // An overflow changes nothing and says why.
    auto* S = qobject_cast<TEdit*>(m_student->widget("eSS"));
    S->setText(QStringLiteral("1E4931"));
    m_main->conversions().convertFrom(S, *unitNamed(*Units::ofRow(u"m"), "km"));
    QCOMPARE(S->text(), QStringLiteral("1E4931"));
    QCOMPARE(entries.front().lines, QStringList{"Sem conversão — Conversão grande demais: 1E4931 km não cabe em m."});

    const auto why = [&](const char* topic, const char* field, const char* text) -> QStringList {
        m_student->click(topic);
        auto* edit = qobject_cast<TEdit*>(m_student->widget(field));
        if (text)
            edit->setText(QString::fromUtf8(text));
        MenuSeen s;
        answerNextMenu(s, UnitConversions::convertTitle, {});
        QContextMenuEvent e(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
        QApplication::sendEvent(edit, &e);
        (void)QTest::qWaitFor([&] { return !s.submenuEntries.isEmpty(); });
        return s.submenuEntries;
    };
    QCOMPARE(why("ButtonXPMACCorel1", "eV", ""), QStringList{"Digite um número no campo para converter [off]"});
    QCOMPARE(why("ButtonXPMACCorel30", "Edit3", nullptr), QStringList{"Campo constante: não se converte [off]"});
    QCOMPARE(why("ButtonXPMACCorel63", "sdn1", "1"), QStringList{"Esta linha não tem unidade [off]"});
    // A row is read by the unit it declares, not by what the page prints beside it.
    QCOMPARE(why("ButtonXPMACCorel13", "fpP", "5"), QStringList{"Não há outras unidades para N·m [off]"});
    QCOMPARE(why("ButtonXPMACCorel51", "cR", "8,31"),
             (QStringList{"Esta linha espera r em atm·L/(mol·K) [off]", "", "J/(mol·K)  (1 J/(mol·K) = 1/101,325 atm·L/(mol·K))"}));
}

// A converted value is computed with its 80 bits, not its 15 digits, until the student
// edits it; a field that gets a value shows its start; with the panel hidden, "Mostrar em"
// says the value in a note under the field.
void TestUnits::exactConversion()
{
    m_main->findChild<QAction*>("Resolucao1")->setChecked(false);
    m_student->click("ButtonXPMACCorel1");
    m_student->fill({{"eSS", "100"}, {"eSSo", "0"}, {"eV", "7"}});
    auto* V = qobject_cast<TEdit*>(m_student->widget("eV"));
    const Units::RowUnit speed = *Units::ofRow(u"m/s");
    m_main->conversions().convertFrom(V, *unitNamed(speed, "km/h"));
    QCOMPARE(V->text(), QStringLiteral("1,94444444444444"));
    QCOMPARE(V->cursorPosition(), 0);
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text("eST"), QStringLiteral("51,4285714285714"));
    QCOMPARE(qobject_cast<TEdit*>(m_student->widget("eST"))->cursorPosition(), 0);
    m_main->conversions().showIn(V, *unitNamed(speed, "km/h"));
    QTRY_VERIFY(FieldTip::current() && FieldTip::current()->isVisible());
    QCOMPARE(FieldTip::current()->text(), QStringLiteral("V = 1,94444444444444 m/s = 7 km/h"));
    // Edited, the text counts again.
    V->setFocus();
    QTest::keyClick(V, Qt::Key_End);
    QTest::keyClick(V, Qt::Key_Backspace);
    QTest::keyClicks(V, QStringLiteral("4"));
    m_student->fill({{"eST", ""}});
    m_student->click("JLAqua3");
    QCOMPARE(m_student->text("eST"), QStringLiteral("51,4285714285715"));
}

// Clicking a row's unit opens the list; from the keyboard, Shift+F10 (like the Menu key)
// opens the field's context menu with the same list.
void TestUnits::unitLabelAndKeyboard()
{
    m_student->click("ButtonXPMACCorel45"); // Calor Sensível: Δt in ºC, Q in cal
    auto* dt = qobject_cast<TEdit*>(m_student->widget("csT"));
    dt->setText(QStringLiteral("18"));
    const Row* row = m_main->rows().find("csT");
    QVERIFY(row && row->unitCaptions[0].label);
    auto* unit = qobject_cast<QLabel*>(m_student->widget(row->unitCaptions[0].label));
    QVERIFY(unit);
    QCOMPARE(unit->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(unit->toolTip(), UnitConversions::unitHint);
    MenuSeen seen;
    answerNextMenu(seen, {}, "ºF");
    QTest::mouseClick(unit, Qt::LeftButton);
    QTRY_COMPARE(dt->text(), QStringLiteral("10"));
    QCOMPARE(seen.entries, (QStringList{"K  (1 K = 1 ºC)", "ºF  (1 ºF = 1/1,8 ºC)"}));

    auto* Q = qobject_cast<TEdit*>(m_student->widget("csQ"));
    Q->setText(QStringLiteral("4186"));
    MenuSeen keyed;
    answerNextMenu(keyed, UnitConversions::convertTitle, "J  ");
    QTest::keyClick(Q, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_COMPARE(Q->text(), QStringLiteral("1000"));
    // A label that no longer shows a unit with other units is a plain label again.
    m_student->click("ButtonXPMACCorel63");
    QCOMPARE(unit->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(unit->toolTip(), QString());
}

// With Qt's translations installed, a field's own menu entries are Portuguese; Paste
// stays closed, also with text on the clipboard.
void TestUnits::qtTextsInPortuguese()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_pt_BR.qm")))
        QSKIP("qt6-translations-l10n is not installed");
    auto* S = qobject_cast<TEdit*>(m_student->widget("eSS"));
    S->setText(QStringLiteral("1"));
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    MenuSeen seen;
    answerNextMenu(seen, {}, "C&olar");
    QContextMenuEvent e(QContextMenuEvent::Mouse, S->rect().center(), S->mapToGlobal(S->rect().center()));
    QApplication::sendEvent(S, &e);
    QTRY_VERIFY(!seen.entries.isEmpty());
    QVERIFY2(seen.entries.contains(QStringLiteral("&Copiar")), qPrintable(seen.entries.join(u'|')));
    QVERIFY(seen.entries.contains(QStringLiteral("Selecionar tudo")));
    QVERIFY(!seen.entries.contains(QStringLiteral("C&olar")));
    QCOMPARE(S->text(), QStringLiteral("1"));
}

VELQUORA_TEST_MAIN(TestUnits)
#include "tst_units.moc"
