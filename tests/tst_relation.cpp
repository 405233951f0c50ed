// A relation without a window: every point is what the page's Calcular writes for that
// value, on every page, for the result the click computed and for every other row of the
// page solved for; gaps where the formula has no value.
#include "SheetClick.h"

#include "engine/NumberText.h"
#include "engine/Relation.h"

#include <QTest>
#include <cmath>
#include <cstring>

namespace {

// Calcular on the page as the click left it, `target` blanked, `x` set exactly to `value`
// and every field in `exact` at its value.
std::optional<Number> calcular(const SheetClick& click, const char* target, const char* x, Number value,
                               const std::vector<Relation::Operand>& exact = {})
{
    Sheet sheet = click.blank;
    for (auto it = click.texts.cbegin(); it != click.texts.cend(); ++it)
        sheet.setText(it.key().constData(), it.value());
    for (const Relation::Operand& o : exact)
        sheet.set(o.field, o.value);
    sheet.setText(target, QString());
    sheet.set(x, value);
    return resultOf(sheet.calculate(), target);
}

// Every value of x the graph samples by default, and a few more: from 0 to twice the
// value read, with the middle exactly the value.
std::vector<long double> someXs(long double read)
{
    const long double high = read == 0 ? 1 : 2 * read;
    std::vector<long double> xs;
    for (int i : {0, 125, 250, 312, 500})
        xs.push_back(Relation::pointOf(read == 0 ? -1 : 0, high, i, 501));
    return xs;
}

bool close(long double a, long double b)
{
    return std::abs(a - b) <= 1e-12L * std::max(std::abs(a), std::abs(b)) || std::abs(a - b) < 1e-300L;
}

}

class TestRelation : public QObject
{
    Q_OBJECT

private slots:
    void pointsAreCalcular_data();
    void pointsAreCalcular();
    void everyRowSolvedFor_data();
    void everyRowSolvedFor();
    void gaps_data();
    void gaps();
    void heldValues();
};

void TestRelation::pointsAreCalcular_data()
{
    QTest::addColumn<QString>("button");
    for (const Topic& topic : Catalogue::topics())
        QTest::addRow("%s", topic.header) << QString::fromLatin1(topic.button);
}

// With the other fields at the click's values, each operand in turn: the points are, bit
// for bit, what Calcular writes with the operand at that value; a gap is where it writes
// nothing. The operands are the fields the formula read, the page's constants aside.
void TestRelation::pointsAreCalcular()
{
    QFETCH(QString, button);
    const Topic& topic = *Catalogue::topicOfButton(button);
    const auto computed = SheetClick::firstComputed(topic);
    QVERIFY2(computed, "no field of the page is computed from the others");
    const auto& [target, click] = *computed;
    std::optional<Relation> relation = Relation::of(click.blank, click.working, click.texts);
    QVERIFY(relation);
    QCOMPARE(QByteArray(relation->target()), target);
    QVERIFY(!relation->operands().empty());
    for (const Relation::Operand& o : relation->operands()) {
        QVERIFY2(click.blank.text(o.field).isEmpty(), o.field);
        QCOMPARE(NumberText::toNumber(click.texts.value(o.field), u',').value(), o.value.value());
        const long double read = o.value.value();
        const std::vector<std::optional<Number>> ys = relation->sample(o.field, read == 0 ? -1 : 0, read == 0 ? 1 : 2 * read, 501);
        const std::vector<long double> xs = someXs(read);
        for (std::size_t k = 0; k < xs.size(); ++k) {
            const std::optional<Number>& y = ys[std::size_t(std::array{0, 125, 250, 312, 500}[k])];
            const std::optional<Number> written = calcular(click, target.constData(), o.field, xs[k]);
            const QString at = QStringLiteral("%1 = %2").arg(QLatin1String(o.field)).arg(double(xs[k]));
            QVERIFY2(written.has_value() == y.has_value(), qPrintable(at));
            if (written)
                QVERIFY2(written->value() == y->value(), qPrintable(at));
            QCOMPARE(relation->at(o.field, xs[k]).has_value(), y.has_value());
        }
    }
}

void TestRelation::everyRowSolvedFor_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("row");
    for (const Topic& topic : Catalogue::topics()) {
        for (const QByteArray& field : SheetClick::editable(topic))
            QTest::addRow("%s: %s", topic.header, field.constData()) << QString::fromLatin1(topic.button) << field;
    }
}

// Any row of the page on the vertical axis: where the page computes it from the others
// (the click's result at the value written, the operands at the values read), the
// relation gives back the value the student gave that row, and its points are Calcular's
// with the row blanked; where the page does not (a resistor of a total the page always
// recomputes), there is no relation.
void TestRelation::everyRowSolvedFor()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, row);
    const Topic& topic = *Catalogue::topicOfButton(button);
    const auto computed = SheetClick::firstComputed(topic);
    QVERIFY(computed);
    const auto& [target, click] = *computed;
    const Relation relation = *Relation::of(click.blank, click.working, click.texts);
    std::vector<Relation::Operand> student = relation.operands();
    student.push_back({relation.target(), relation.result()});
    const std::optional<Relation> solved = relation.solvedFor(row.constData());
    if (row == target) {
        QVERIFY(solved);
        QCOMPARE(solved->result().value(), relation.result().value());
        return;
    }
    // The row's own value, read where the page computes it.
    std::optional<Number> back;
    {
        Sheet sheet = click.blank;
        for (auto it = click.texts.cbegin(); it != click.texts.cend(); ++it)
            sheet.setText(it.key().constData(), it.value());
        for (const Relation::Operand& o : student)
            sheet.set(o.field, o.value);
        sheet.setText(row.constData(), QString());
        back = resultOf(sheet.calculate(), row.constData());
    }
    if (!back) {
        QVERIFY(!solved);
        return;
    }
    QVERIFY(solved);
    QCOMPARE(QByteArray(solved->target()), row);
    const long double given = NumberText::toNumber(click.texts.value(row), u',').value();
    QVERIFY2(close(solved->result().value(), given), qPrintable(QString::number(double(solved->result().value()))));
    Relation moving = *solved;
    for (const Relation::Operand& o : solved->operands()) {
        for (long double x : someXs(o.value.value())) {
            const std::optional<Number> written = calcular(click, row.constData(), o.field, x, student);
            const std::optional<Number> y = moving.at(o.field, x);
            const QString at = QStringLiteral("%1 = %2").arg(QLatin1String(o.field)).arg(double(x));
            QVERIFY2(written.has_value() == y.has_value(), qPrintable(at));
            if (written)
                QVERIFY2(written->value() == y->value(), qPrintable(at));
        }
    }
}

void TestRelation::gaps_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QByteArray>("x");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // Where the relation has no value.
    QTest::addColumn<double>("gapFrom");
    QTest::addColumn<double>("gapTo");
    // t = (S − S₀) / V: no value at V = 0, a value on both sides.
    QTest::newRow("division by zero") << "ButtonXPMACCorel1" << QStringList{"eSS=100", "eSSo=20", "eV=16"} << QByteArray("eV")
                                      << -1.0 << 1.0 << 0.0 << 0.0;
    // V = √(V₀² + 2·a·Δs) with V₀ = 1, a = −3: no value for Δs > 1/6.
    QTest::newRow("square root of a negative") << "ButtonXPMACCorel9" << QStringList{"tcVo=1", "tcA=-3", "tcDS=0,1"}
                                               << QByteArray("tcDS") << -1.0 << 1.0 << 0.16667 << 1.0;
    // S = S₀ + V·t solved for S₀ = S − V·t has a value everywhere.
    QTest::newRow("no gap") << "ButtonXPMACCorel1" << QStringList{"eSS=100", "eSSo=20", "eV=16"} << QByteArray("eSS")
                            << -1e6 << 1e6 << 1.0 << 0.0;
}

void TestRelation::gaps()
{
    QFETCH(QString, button);
    QFETCH(QStringList, given);
    QFETCH(QByteArray, x);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, gapFrom);
    QFETCH(double, gapTo);
    QList<std::pair<QByteArray, QString>> texts;
    for (const QString& g : given)
        texts.append({g.section(u'=', 0, 0).toLatin1(), g.section(u'=', 1)});
    const SheetClick click = SheetClick::on(button.toLatin1().constData(), texts);
    std::optional<Relation> relation = Relation::of(click.blank, click.working, click.texts);
    QVERIFY(relation);
    const auto ys = relation->sample(x.constData(), low, high, 501);
    for (int i = 0; i < 501; ++i) {
        const long double at = Relation::pointOf(low, high, i, 501);
        QVERIFY2(ys[std::size_t(i)].has_value() != (at >= gapFrom && at <= gapTo), qPrintable(QString::number(double(at))));
    }
}

// An operand held at another value moves every point but the one asked for, and a point
// asked for leaves the held values as they were.
void TestRelation::heldValues()
{
    const SheetClick click = SheetClick::on("ButtonXPMACCorel1", {{"eSS", "100"}, {"eSSo", "20"}, {"eV", "16"}});
    Relation relation = *Relation::of(click.blank, click.working, click.texts);
    QCOMPARE(relation.at("eV", 16)->value(), 5.0L);
    relation.hold("eSS", 180);
    QCOMPARE(relation.held("eSS").value(), 180.0L);
    QCOMPARE(relation.at("eV", 16)->value(), 10.0L);
    QCOMPARE(relation.sample("eV", 8, 16, 2).back()->value(), 10.0L);
    QCOMPARE(relation.at("eSS", 100)->value(), 5.0L);
    QCOMPARE(relation.at("eV", 16)->value(), 10.0L);
    // Solved for another row, the student's values come back, whatever is held.
    const Relation s = *relation.solvedFor("eSS");
    QCOMPARE(s.result().value(), 100.0L);
    QCOMPARE(s.operands().size(), std::size_t(3));
}

QTEST_GUILESS_MAIN(TestRelation)
#include "tst_relation.moc"
