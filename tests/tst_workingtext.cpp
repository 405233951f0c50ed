// The working's text without a window: a working built by hand, as a solver's terms
// record it, and the lines a student reads for it; the textbook lines the solvers state.
#include "catalogue/Catalogue.h"
#include "engine/NumberText.h"
#include "engine/Sheet.h"
#include "engine/Term.h"
#include "engine/WorkingText.h"

#include <QTest>
#include <functional>
#include <map>

namespace {

// The rows are named by their symbols here; the unit is the row's.
class Symbols final : public RowSymbols
{
public:
    QString symbol(const char* field) const override { return QString::fromUtf8(field); }
    QString unit(const char* field) const override
    {
        static const QHash<QString, QString> units = {{"a", "m/s²"}, {"t", "s"}, {"S", "m"}, {"V", "m/s"},
                                                      {"F", "N"}, {"P", "N/m²"}, {"y", "C"}, {"R", "Ω"}};
        return units.value(symbol(field));
    }
};

// A solver's formula on fields holding the given texts.
using Formula = std::function<Term(const std::function<Term(const char*)>& field)>;

}

Q_DECLARE_METATYPE(Formula)

class TestWorkingText : public QObject
{
    Q_OBJECT

private slots:
    void stepText_data();
    void stepText();
    void textbookLines();
};

void TestWorkingText::stepText_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<Formula>("formula");
    QTest::addColumn<QString>("textbook");
    QTest::addColumn<QStringList>("expected");
    const Term two = Number(2);
    const Term k = Term::constant("k", Number(9000000000));

    QTest::newRow("divisor bracketed") << "a" << QStringList{"ΔL=7", "L₀=3", "Δt=2"}
        << Formula([](auto f) { return f("ΔL") / (f("L₀") * f("Δt")); }) << QString()
        << QStringList{"a = ΔL / (L₀ · Δt)", "a = 7 / (3 · 2)", "a = 1,16666666666667 m/s²"};
    QTest::newRow("dividend bracketed, negative value") << "t" << QStringList{"S=100", "S₀=-20", "V=16"}
        << Formula([](auto f) { return (f("S") - f("S₀")) / f("V"); }) << QString()
        << QStringList{"t = (S − S₀) / V", "t = (100 − (−20)) / 16", "t = 7,5 s"};
    QTest::newRow("lone negative result") << "a" << QStringList{"V=0", "V₀=4", "t=2"}
        << Formula([](auto f) { return (f("V") - f("V₀")) / f("t"); }) << QString()
        << QStringList{"a = (V − V₀) / t", "a = (0 − 4) / 2", "a = −2 m/s²"};
    QTest::newRow("negative terms and factors") << "S" << QStringList{"S₀=-20", "V=-2", "t=5"}
        << Formula([](auto f) { return f("S₀") + f("V") * f("t"); }) << QString()
        << QStringList{"S = S₀ + V · t", "S = (−20) + (−2) · 5", "S = −30 m"};
    QTest::newRow("radicand bracketed") << "V" << QStringList{"V₀=2", "a=10", "Δs=5"}
        << Formula([two](auto f) { return sqrt(f("V₀") * f("V₀") + two * f("a") * f("Δs")); }) << QString()
        << QStringList{"V = √(V₀² + 2 · a · Δs)", "V = √(2² + 2 · 10 · 5)", "V = 10,1980390271856 m/s"};
    QTest::newRow("atom radicand") << "V" << QStringList{"x=9"}
        << Formula([](auto f) { return sqrt(f("x")); }) << QString()
        << QStringList{"V = √x", "V = √9", "V = 3 m/s"};
    // A constant by its symbol and its value, typed E forms, a square of a power of ten,
    // and a result under 10⁻³, all in powers of ten.
    QTest::newRow("powers of ten") << "F" << QStringList{"Q=2E-6", "q=3e-6", "d=3E8"}
        << Formula([k](auto f) { return k * f("Q") * f("q") / (f("d") * f("d")); }) << QString()
        << QStringList{"F = k · Q · q / d²", "F = 9 · 10⁹ · 2 · 10⁻⁶ · 3 · 10⁻⁶ / (3 · 10⁸)²", "F = 6 · 10⁻¹⁹ N"};
    QTest::newRow("power of ten divisor, large result") << "P" << QStringList{"F=8", "A=2E-6"}
        << Formula([](auto f) { return f("F") / f("A"); }) << QString()
        << QStringList{"P = F / A", "P = 8 / (2 · 10⁻⁶)", "P = 4 · 10⁶ N/m²"};
    QTest::newRow("negated power of ten") << "y" << QStringList{"Q=0,0002"}
        << Formula([](auto f) { return -f("Q"); }) << QString()
        << QStringList{"y = −Q", "y = −(2 · 10⁻⁴)", "y = −2 · 10⁻⁴ C"};
    QTest::newRow("textbook line") << "R" << QStringList{"R₁=3", "R₂=6"}
        << Formula([](auto f) { return (f("R₁") * f("R₂")) / (f("R₁") + f("R₂")); }) << "1 / R = 1 / R₁ + 1 / R₂"
        << QStringList{"1 / R = 1 / R₁ + 1 / R₂", "R = R₁ · R₂ / (R₁ + R₂)", "R = 3 · 6 / (3 + 6)", "R = 2 Ω"};
}

void TestWorkingText::stepText()
{
    QFETCH(QString, target);
    QFETCH(QStringList, fields);
    QFETCH(Formula, formula);
    QFETCH(QString, textbook);
    QFETCH(QStringList, expected);
    QHash<QString, QString> texts;
    for (const QString& f : fields)
        texts.insert(f.section(u'=', 0, 0), f.section(u'=', 1));
    // The working keeps the names it is given, as it keeps the solvers' literals.
    const QByteArray targetName = target.toUtf8();
    Working w;
    w.begin(targetName.constData());
    const QByteArray form = textbook.toUtf8();
    if (!textbook.isEmpty())
        w.textbook(form.constData());
    // Each field is read once, as a solver's block reads it.
    std::map<QString, Term> read;
    const Term result = formula([&](const char* name) {
        const QString key = QString::fromUtf8(name);
        if (!read.contains(key))
            read.emplace(key, Term::read(&w, name, texts.value(key), NumberText::toNumber(texts.value(key), u',')));
        return read.at(key);
    });
    const QString written = NumberText::format(result.number(), u',');
    w.wrote(result.node(w), written);
    const Symbols rows;
    const std::vector<QStringList> steps = WorkingText::steps(w, rows, u',');
    QCOMPARE(steps.size(), std::size_t(1));
    QCOMPARE(steps.front(), expected);
    QCOMPARE(WorkingText::lines(w, rows, u','), expected);
    QCOMPARE(WorkingText::resultLine(w.steps().front(), rows, u','), expected.last());
}

// A solver's textbook line is its topic's formula, or the formula's beginning where the
// terms after it are not used (two resistors in parallel of three), so the relation a
// step starts with is the one the student reads for the page.
void TestWorkingText::textbookLines()
{
    int stated = 0;
    for (const Topic& topic : Catalogue::topics()) {
        const Sheet base(topic, *Catalogue::solverOfPage(QString::fromUtf8(topic.page)));
        for (const Row& target : topic.rows) {
            Sheet sheet = base;
            int i = 0;
            for (const Row& r : topic.rows) {
                if (r.field != target.field && base.text(r.field).isEmpty())
                    sheet.setText(r.field, QString::number(2 + i++ % 5));
            }
            const Working working = sheet.calculate();
            for (const Working::Step& step : working.steps()) {
                if (!step.textbook)
                    continue;
                ++stated;
                QVERIFY2(QString::fromUtf8(topic.formula).startsWith(QString::fromUtf8(step.textbook)),
                         qPrintable(QStringLiteral("%1: %2").arg(topic.header, step.textbook)));
            }
        }
    }
    QVERIFY(stated > 0);
}

QTEST_GUILESS_MAIN(TestWorkingText)
#include "tst_workingtext.moc"
