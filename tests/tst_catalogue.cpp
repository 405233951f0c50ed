// Every name the catalogue links to a form is checked before anyone clicks: the topics
// and solvers run against recording stand-ins, and each name they touch must be on the
// page the topic shows (or the solver's button sits on), of the right kind; no
// component name of the main window appears twice across its forms and lists.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/PageRegistry.h"
#include "app/TfrmMain.h"
#include "app/TopicLists.h"
#include "catalogue/Catalogue.h"
#include "catalogue/PageModes.h"
#include "controls/ButtonXPMACCorel.h"
#include "controls/JLAqua.h"
#include "controls/TEdit.h"

#include <QLabel>
#include <QTest>

#include <map>
#include <memory>
#include <set>

namespace {

// Every page form, built on its own, by page name.
class Forms
{
public:
    Forms()
    {
        for (const PageRegistry::Entry& entry : PageRegistry::entries()) {
            auto page = std::make_unique<QWidget>();
            entry.setup(page.get());
            m_pages.emplace(entry.name.toString(), std::move(page));
        }
    }
    QWidget* page(const QString& name) const
    {
        const auto it = m_pages.find(name);
        return it == m_pages.end() ? nullptr : it->second.get();
    }
    // The page that holds the named Calcular button.
    QString pageOfButton(const QString& button) const
    {
        for (const auto& [name, page] : m_pages) {
            if (page->findChild<TJLAqua*>(button))
                return name;
        }
        return {};
    }
    const auto& pages() const { return m_pages; }

private:
    std::map<QString, std::unique_ptr<QWidget>> m_pages;
};

const Forms& forms()
{
    static const Forms all;
    return all;
}

// What a topic or solver asked for: a name and the kind of component it must be.
enum class Kind { Label, Component, ConstantField, Field };
using Touches = std::set<std::pair<QString, Kind>>;

class RecordingEditor : public PageEditor
{
public:
    void setCaption(const char* name, const QString&) override { record(name, Kind::Label); }
    void setLeft(const char* name, int) override { record(name, Kind::Component); }
    void setWidth(const char* name, int) override { record(name, Kind::Component); }
    void setVisible(const char* name, bool) override { record(name, Kind::Component); }
    void setConstantText(const char* name, const QString&) override { record(name, Kind::ConstantField); }
    void setPageMode(const char*) override { }
    void clearFields() override { }

    Touches touched;

private:
    void record(const char* name, Kind kind) { touched.insert({QString::fromLatin1(name), kind}); }
};

// Fields that all hold "2" but one, which is blank.
class RecordingFields : public FieldLookup
{
public:
    class StandIn : public Field
    {
    public:
        QString text() const override { return m_text; }
        void setText(const QString& text) override { m_text = text; }
        void paintGiven() override { }
        QString m_text;
    };

    explicit RecordingFields(QString blank) : m_blank(std::move(blank)) { }

    Field& field(const char* name) override
    {
        const QString key = QString::fromLatin1(name);
        touched.insert({key, Kind::Field});
        auto [it, added] = m_fields.try_emplace(key);
        if (added)
            it->second.m_text = key == m_blank ? QString() : QStringLiteral("2");
        return it->second;
    }

    Touches touched;

private:
    QString m_blank;
    std::map<QString, StandIn> m_fields;
};

// Runs the solver once with every field filled (each block tests its own field) and
// then once with each field it tested blank, in each page mode.
Touches solverTouches(const Solver& solver)
{
    Touches all;
    const auto run = [&](const QString& blank, const char* mode) {
        RecordingFields fields(blank);
        Calcular calcular(fields, u',', mode);
        try {
            solver.solve(calcular);
        } catch (const EngineError&) {
            // A stand-in value may divide by zero; what was read so far counts.
        }
        all.insert(fields.touched.begin(), fields.touched.end());
        return fields.touched;
    };
    for (const char* mode : {"", PageModes::isothermal}) {
        for (const auto& [name, kind] : run(QString(), mode))
            run(name, mode);
    }
    return all;
}

QString problem(QWidget* page, const QString& name, Kind kind);

// The first name that is not where it must be, or nothing.
QString firstProblem(QWidget* page, const Touches& touched)
{
    for (const auto& [name, kind] : touched) {
        if (QString wrong = problem(page, name, kind); !wrong.isEmpty())
            return wrong;
    }
    return {};
}

// One row per entry of a catalogue table, named by `name`.
template <class Entry>
void entryRows(std::span<const Entry> all, const char* Entry::*name)
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(all.size()); ++i)
        QTest::newRow(all[i].*name) << i;
}

QString problem(QWidget* page, const QString& name, Kind kind)
{
    QWidget* w = page->findChild<QWidget*>(name);
    if (!w)
        return name + QStringLiteral(" is not on ") + page->objectName();
    auto* edit = qobject_cast<TEdit*>(w);
    switch (kind) {
    case Kind::Label:
        return qobject_cast<QLabel*>(w) ? QString() : name + QStringLiteral(" is no label");
    case Kind::Component:
        return {};
    case Kind::ConstantField:
        return edit && edit->isReadOnly() ? QString() : name + QStringLiteral(" is no constant field");
    case Kind::Field:
        return edit ? QString() : name + QStringLiteral(" is no field");
    }
    return {};
}

}

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void topics_data();
    void topics();
    void solvers_data();
    void solvers();
    void everyCalcularHasItsSolver();
    void noNameTwice();
};

void TestCatalogue::topics_data()
{
    entryRows(Catalogue::topics(), &Topic::header);
}

void TestCatalogue::topics()
{
    QFETCH(int, index);
    const Topic& topic = Catalogue::topics()[index];
    QWidget* page = forms().page(QString::fromLatin1(topic.page));
    QVERIFY2(page, topic.page);
    TfrmMain main;
    main.lists().buildAll();
    QVERIFY2(main.findChild<TButtonXPMACCorel*>(QLatin1String(topic.button)), topic.button);
    QCOMPARE(Catalogue::topicOfButton(QString::fromLatin1(topic.button)), &topic);
    RecordingEditor editor;
    if (topic.changes)
        topic.changes(editor);
    const QString wrong = firstProblem(page, editor.touched);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestCatalogue::solvers_data()
{
    entryRows(Catalogue::solvers(), &Solver::button);
}

void TestCatalogue::solvers()
{
    QFETCH(int, index);
    const Solver& solver = Catalogue::solvers()[index];
    const QString pageName = forms().pageOfButton(QString::fromLatin1(solver.button));
    QVERIFY2(!pageName.isEmpty(), solver.button);
    QCOMPARE(Catalogue::solverOfButton(QString::fromLatin1(solver.button)), &solver);
    const Touches touched = solverTouches(solver);
    QVERIFY(!touched.empty());
    const QString wrong = firstProblem(forms().page(pageName), touched);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestCatalogue::everyCalcularHasItsSolver()
{
    for (const auto& [name, page] : forms().pages()) {
        for (const TJLAqua* button : page->findChildren<TJLAqua*>())
            QVERIFY2(Catalogue::solverOfButton(button->objectName()), qPrintable(button->objectName()));
    }
}

// The main window's components: its own form, every topic list and every page.
void TestCatalogue::noNameTwice()
{
    TfrmMain main;
    main.lists().buildAll();
    std::map<QString, int> seen;
    for (const QObject* o : main.findChildren<QObject*>())
        ++seen[o->objectName()];
    for (const auto& [name, page] : forms().pages()) {
        ++seen[name];
        for (const QObject* o : page->findChildren<QObject*>())
            ++seen[o->objectName()];
    }
    seen.erase(QString());
    QStringList twice;
    for (const auto& [name, count] : seen) {
        if (count > 1 && !name.startsWith(QLatin1String("qt_")))
            twice << name;
    }
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(u' ')));
}

VELQUORA_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
