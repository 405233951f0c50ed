// The notebook's rules on every topic: the working's own lines are right, a slip in
// them is wrong, the givens are right under their symbol only, and the help always
// leads to the answer. Hostile lines are sentences.
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"
#include "engine/WorkingText.h"
#include "exercises/LineCheck.h"
#include "exercises/NextStep.h"
#include "exercises/Notation.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

using Verdict = LineCheck::Verdict;
Q_DECLARE_METATYPE(const Topic*)
Q_DECLARE_METATYPE(const Problems::TopicProblems*)

namespace {

constexpr int numbers = 5;

QString describe(const Exercise& ex, const QString& line, const Verdict& v)
{
    return QStringLiteral("%1 %2: “%3” → %4 “%5”\n%6")
        .arg(QString::fromLatin1(ex.topic->button), ex.code(), line)
        .arg(int(v.kind))
        .arg(v.feedback, ex.text);
}

// The line with one symbol of its right side in brackets with a minus: "t = (S − (−S₀)) / V".
QStringList signFlips(const QString& line, const LineReader::Symbols& symbols)
{
    QStringList out;
    const qsizetype eq = line.indexOf(u'=');
    for (qsizetype i = eq + 1; i < line.size(); ++i) {
        if (i > 0 && (line[i - 1].isLetterOrNumber()))
            continue;
        const auto s = symbols.longest(QStringView(line).mid(i));
        if (!s)
            continue;
        out << line.left(i) + QStringLiteral("(−") + line.mid(i, s->second) + u')' + line.mid(i + s->second);
        i += s->second - 1;
    }
    return out;
}

// Every fraction of a line turned upside down, one at a time.
std::vector<LineReader::Line> inversions(const LineReader::Line& line)
{
    std::vector<LineReader::Line> out;
    for (bool left : {true, false}) {
        const LineReader::Expression& side = left ? line.left : *line.right;
        for (std::size_t i = 0; i < side.nodes.size(); ++i) {
            if (side.nodes[i].kind != LineReader::Node::Divide)
                continue;
            LineReader::Line copy = line;
            LineReader::Node& n = (left ? copy.left : *copy.right).nodes[i];
            std::swap(n.left, n.right);
            out.push_back(copy);
        }
    }
    return out;
}

// One row per topic with problems: its button.
void everyTopic()
{
    QTest::addColumn<QString>("button");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems)
            QTest::newRow(p.button) << QString::fromLatin1(p.button);
    }
}

// The line with each symbol whose name has no twin in the other case written in the other
// case: "s = s₀ + v · t".
QString inOtherCase(const QString& line, const LineCheck& check)
{
    QString out = line;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (i > 0 && out[i - 1].isLetterOrNumber())
            continue;
        const auto s = check.symbols().longest(QStringView(out).mid(i));
        if (!s)
            continue;
        if (check.otherCase(s->first) < 0 && out[i].unicode() < 128 && out[i].isLetter())
            out[i] = out[i].isUpper() ? out[i].toLower() : out[i].toUpper();
        i += s->second - 1;
    }
    return out;
}

// The line with its first value squared in powers of ten, in brackets, with or without
// the square: "d = √(9 · 10⁹ · 2,01 · 10⁻⁶ / 79 000)" has none, "P = (1,27 · 10^2)² / 3,33"
// one. Empty when no value is squared.
QString squaredInPowers(const QString& line, bool square)
{
    static const QRegularExpression value(QStringLiteral("(\\d[\\d\\x{202F}]*(?:,\\d+)?)²"));
    const QRegularExpressionMatch m = value.match(line);
    if (!m.hasMatch())
        return {};
    const double v = m.captured(1).remove(QChar(0x202F)).replace(u',', u'.').toDouble();
    const int e = int(std::floor(std::log10(v)));
    const QString mantissa = QString::number(v / std::pow(10.0, e), 'g', 12).replace(u'.', u',');
    return line.left(m.capturedStart()) + QStringLiteral("(%1 · 10^%2)").arg(mantissa).arg(e)
        + (square ? QStringLiteral("²") : QString()) + line.mid(m.capturedEnd());
}

// Whether the line has the number whole: not the start of a longer one ("15,83" of
// "15,8333333333333"), nor the end of one.
bool quotes(const QString& line, const QString& number)
{
    auto inNumber = [](QChar c) { return c.isDigit() || c == u',' || c == QChar(0x202F); };
    for (qsizetype at = line.indexOf(number); at >= 0; at = line.indexOf(number, at + 1)) {
        const qsizetype end = at + number.size();
        if ((at == 0 || !inNumber(line[at - 1])) && (end == line.size() || !inNumber(line[end])))
            return true;
    }
    return false;
}

// An exercise of the topic at the level, the first the numbers from 1 draw.
Exercise drawn(const QString& button, Level level)
{
    for (std::uint32_t n = 1; n < 50; ++n) {
        Exercise ex = ExerciseGenerator::make(button, level, n, 1);
        if (ex.valid)
            return ex;
    }
    return {};
}

// The exercises of the topic the numbers 1 to `count` draw, at both levels.
std::vector<Exercise> drawnAll(const QString& button, std::uint32_t count)
{
    std::vector<Exercise> all;
    for (Level level : {Level::Formula, Level::Conversions}) {
        for (std::uint32_t n = 1; n <= count; ++n) {
            Exercise ex = ExerciseGenerator::make(button, level, n, 1);
            if (ex.valid)
                all.push_back(std::move(ex));
        }
    }
    return all;
}

}

class TestNotebook : public QObject
{
    Q_OBJECT

private slots:
    void everyStatement_data();
    void everyStatement();
    void studentSyntax_data();
    void studentSyntax();
    void ladderWords();
    void hostile_data();
    void hostile();
    void identities_data() { everyTopic(); }
    void identities();
    void otherCase_data() { everyTopic(); }
    void otherCase();
    void lineRows_data();
    void lineRows();
    void bracketSquare_data();
    void bracketSquare();
    void ladderNumbers_data() { everyTopic(); }
    void ladderNumbers();
};

void TestNotebook::everyStatement_data()
{
    QTest::addColumn<const Topic*>("topic");
    QTest::addColumn<const Problems::TopicProblems*>("problems");
    QTest::addColumn<int>("statement");
    int topics = 0;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            const Topic* t = Catalogue::topicOfButton(QString::fromLatin1(p.button));
            QVERIFY(t);
            ++topics;
            for (std::size_t s = 0; s < p.statements.size(); ++s)
                QTest::addRow("%s #%d", p.button, int(s)) << t << &p << int(s);
        }
    }
    QCOMPARE(topics, 88);
}

void TestNotebook::everyStatement()
{
    QFETCH(const Topic*, topic);
    QFETCH(const Problems::TopicProblems*, problems);
    QFETCH(int, statement);
    const RowTable rows(topic->rows);
    int checked = 0;
    for (int n = 1; n <= numbers; ++n) {
        const Level level = n % 2 ? Level::Formula : Level::Conversions;
        const Exercise ex = ExerciseGenerator::make(*topic, *problems, level, 1000u + 37u * std::uint32_t(n), 1, statement);
        if (!ex.valid)
            continue;
        ++checked;
        const LineCheck check(ex);
        QVERIFY2(check.solutions().size() == 4, qPrintable(ex.code()));
        auto expect = [&](const QString& line, Verdict::Kind kind) {
            const Verdict v = check.check(line);
            QVERIFY2(v.kind == kind, qPrintable(describe(ex, line, v)));
            if (kind == Verdict::Right)
                QVERIFY2(v.feedback.startsWith(QStringLiteral("Certo")), qPrintable(describe(ex, line, v)));
            if (kind == Verdict::Wrong)
                QVERIFY2(v.feedback.startsWith(QStringLiteral("Ainda não")), qPrintable(describe(ex, line, v)));
        };
        // The working's formula and substitution, step by step.
        for (const QStringList& step : WorkingText::steps(ex.working, rows, u',')) {
            QVERIFY(step.size() >= 3);
            const QString formula = step[step.size() - 3];
            const QString substitution = step[step.size() - 2];
            QStringList relations{formula};
            if (step.size() > 3)
                relations << step.first();
            for (const QString& relation : relations) {
                expect(relation, Verdict::Right);
                for (const QString& flipped : signFlips(relation, check.symbols())) {
                    // A flip under a square changes nothing: that line is still right.
                    const LineReader::Line f = LineReader::read(flipped, check.symbols());
                    const LineReader::Line o = LineReader::read(relation, check.symbols());
                    const auto a = LineReader::evaluate(*f.right, check.solutions().front());
                    const auto b = LineReader::evaluate(*o.right, check.solutions().front());
                    if (a && b && std::fabs(*a - *b) <= 1e-9L * std::fabs(*b))
                        continue;
                    expect(flipped, Verdict::Wrong);
                }
                const LineReader::Line read = LineReader::read(relation, check.symbols());
                for (const LineReader::Line& inverted : inversions(read))
                    QVERIFY2(!check.holds(inverted), qPrintable(ex.code() + u' ' + relation));
            }
            expect(substitution, Verdict::Right);
        }
        // Every given under its symbol, and under every other that has another value.
        for (const Given& g : ex.givens) {
            const int s = check.symbolOf(g.row);
            QVERIFY(s >= 0);
            expect(check.symbols().name(s) + QStringLiteral(" = ") + g.text(), Verdict::Right);
            for (int o = 0; o < int(topic->rows.size()); ++o) {
                const auto value = check.solutions().front()[std::size_t(o)];
                if (o == s || &topic->rows[std::size_t(o)] == ex.asked || !value
                    || std::fabs(*value - g.inRow.value()) <= 0.02L * std::fabs(*value))
                    continue;
                const Verdict v = check.check(check.symbols().name(o) + QStringLiteral(" = ") + g.text());
                QVERIFY2(v.kind == Verdict::Wrong, qPrintable(describe(ex, g.text(), v)));
            }
        }
        expect(check.symbols().name(check.symbolOf(ex.asked)) + QStringLiteral(" = ") + ex.answerText(), Verdict::Right);
        // The help, pressed until it writes a line, leads to the answer.
        NextStep help(check);
        int presses = 0;
        while (!help.finished() && presses < 200) {
            ++presses;
            const NextStep::Help h = help.press();
            QVERIFY2(!h.text.isEmpty(), qPrintable(ex.code()));
            if (!h.line.isEmpty()) {
                const Verdict v = help.write(h.line, true);
                QVERIFY2(v.kind == Verdict::Right, qPrintable(describe(ex, h.line, v)));
            }
        }
        QVERIFY2(help.finished(), qPrintable(ex.code()));
    }
    QVERIFY2(checked > 0, "no exercise drawn");
}

void TestNotebook::studentSyntax_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("feedback");
    // ButtonXPMACCorel1, level 1, number 1: S = S₀ + V·t.
    const int right = Verdict::Right, wrong = Verdict::Wrong, unreadable = Verdict::Unreadable;
    QTest::newRow("book") << QString::fromUtf8("S = S₀ + V·t") << right << QString();
    QTest::newRow("typed subscript") << QString::fromUtf8("S = S0 + V*t") << right << QString();
    QTest::newRow("o for zero") << QString::fromUtf8("S = So + Vt") << right << QString();
    QTest::newRow("subscript o") << QString::fromUtf8("Vt = S − Sₒ") << right << QString();
    QTest::newRow("solved") << QString::fromUtf8("t = (S − S₀)/V") << right << QString();
    QTest::newRow("x product") << QString::fromUtf8("S - S0 = V x t") << right << QString();
    QTest::newRow("inverted") << QString::fromUtf8("t = V/(S − S₀)") << wrong << QString::fromUtf8("cabeça para baixo");
    QTest::newRow("sign") << QString::fromUtf8("S = S₀ − V·t") << wrong << QString::fromUtf8("sinal");
    QTest::newRow("half missing") << QString::fromUtf8("S = S₀ + 2·V·t") << wrong << QString::fromUtf8("½ ou um 2");
    QTest::newRow("times for over") << QString::fromUtf8("t = (S − S₀)·V") << wrong << QString::fromUtf8("multiplica e o que divide");
    QTest::newRow("square") << QString::fromUtf8("S = S₀ + V²·t") << wrong << QString::fromUtf8("quadrado ou uma raiz");
    QTest::newRow("given in a sum") << QString::fromUtf8("S - S0 = V·t + 0") << right << QString();
    QTest::newRow("S = S") << QString::fromUtf8("S = S") << wrong << QString::fromUtf8("quaisquer valores");
    QTest::newRow("commuted") << QString::fromUtf8("V·t = t·V") << wrong << QString::fromUtf8("quaisquer valores");
    QTest::newRow("sum twice") << QString::fromUtf8("S + S₀ = S₀ + S") << wrong << QString::fromUtf8("quaisquer valores");
    QTest::newRow("no equals") << QString::fromUtf8("S0 + V·t") << unreadable << QString::fromUtf8("“=”");
    QTest::newRow("not a symbol") << QString::fromUtf8("d = V·t") << wrong << QString::fromUtf8("não há símbolo d");
    QTest::newRow("bracket") << QString::fromUtf8("t = (S − S₀))/V") << unreadable << QString::fromUtf8("Não entendi a partir de “)");
}

void TestNotebook::studentSyntax()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QString, feedback);
    const Exercise ex = ExerciseGenerator::make(u"ButtonXPMACCorel1", Level::Formula, 1, 1);
    QVERIFY(ex.valid);
    const LineCheck check(ex);
    const Verdict v = check.check(line);
    QVERIFY2(int(v.kind) == kind, qPrintable(describe(ex, line, v)));
    QVERIFY2(v.feedback.contains(feedback), qPrintable(v.feedback));
}

// The first presses on a given in km/h, as a student reads them.
void TestNotebook::ladderWords()
{
    const Topic* topic = Catalogue::topicOfButton(u"ButtonXPMACCorel9");
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(u"ButtonXPMACCorel9");
    for (std::uint32_t n = 1; n < 400; ++n) {
        const Exercise ex = ExerciseGenerator::make(*topic, *problems, Level::Conversions, n, 1);
        if (!ex.valid || ex.givens.empty() || !ex.givens.front().converted()
            || QString::fromUtf8(ex.givens.front().unit->name) != QStringLiteral("km/h"))
            continue;
        const LineCheck check(ex);
        NextStep help(check);
        const Given& g = ex.givens.front();
        const QString s = QString::fromUtf8(g.row->symbol);
        QCOMPARE(help.press().text, QStringLiteral("Escreva os dados no SI, começando por %1.").arg(s));
        QCOMPARE(help.press().text, QStringLiteral("%1 = %2; divida por 3,6.").arg(s, g.text()));
        const NextStep::Help line = help.press();
        QCOMPARE(line.text, line.line);
        // The given under the asked row's neighbour: named as the other symbol's value.
        for (const Given& other : ex.givens) {
            if (&other == &g)
                continue;
            const Verdict v = check.check(QString::fromUtf8(other.row->symbol) + QStringLiteral(" = ") + g.text());
            QCOMPARE(v.feedback, QStringLiteral("Ainda não: %1 é o valor de %2, não de %3.")
                                     .arg(g.text(), s, QString::fromUtf8(other.row->symbol)));
        }
        // Written unconverted, in the row's unit: the conversion is named.
        const Verdict v = check.check(s + QStringLiteral(" = ") + g.plain + QStringLiteral(" m/s"));
        QVERIFY2(v.kind == Verdict::Wrong && v.feedback.contains(QStringLiteral("divida por 3,6")), qPrintable(v.feedback));
        QVERIFY(help.write(line.line, true).kind == Verdict::Right);
        QVERIFY(help.lines().back().byHelp);
        QVERIFY(help.steps().front().done);
        QVERIFY(help.press().text != line.text);
        // A step the student wrote is not asked for; deleting the line asks for it again.
        NextStep own(check);
        QCOMPARE(own.write(line.line).kind, Verdict::Right);
        QVERIFY(!own.lines().back().byHelp);
        QVERIFY(own.press().text != QStringLiteral("Escreva os dados no SI, começando por %1.").arg(s));
        own.remove(0);
        QCOMPARE(own.press().text, QStringLiteral("Escreva os dados no SI, começando por %1.").arg(s));
        QCOMPARE(own.write(QStringLiteral("1/0")).kind, Verdict::Unreadable);
        QCOMPARE(own.edit(0, line.line).kind, Verdict::Right);
        QVERIFY(own.steps().front().done);
        return;
    }
    QFAIL("no exercise gives a speed in km/h");
}

void TestNotebook::hostile_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("1/0") << QStringLiteral("t = 1/0");
    QTest::newRow("bare 1/0") << QStringLiteral("1/0");
    QTest::newRow("root of negative") << QString::fromUtf8("t = √(−1)");
    QTest::newRow("nested") << QStringLiteral("t = ") + QString(500, u'(') + u'1' + QString(500, u')');
    QTest::newRow("unclosed") << QStringLiteral("t = ") + QString(500, u'(');
    QTest::newRow("minus chain") << QStringLiteral("t = ") + QString(5000, u'-') + u'1';
    QTest::newRow("long sum") << QStringLiteral("t = 1") + QStringLiteral("+1").repeated(4998);
    QTest::newRow("long symbols") << QStringLiteral("S = ") + QStringLiteral("V").repeated(10000);
    QTest::newRow("empty") << QString();
    QTest::newRow("equals") << QStringLiteral("=");
    QTest::newRow("two equals") << QStringLiteral("S = = 2");
    QTest::newRow("huge") << QStringLiteral("t = 1e99999");
    QTest::newRow("power overflow") << QStringLiteral("t = 10^99999");
    QTest::newRow("superscripts") << QString::fromUtf8("t = 10⁹⁹⁹⁹⁹⁹⁹⁹");
}

void TestNotebook::hostile()
{
    QFETCH(QString, line);
    const Exercise ex = ExerciseGenerator::make(u"ButtonXPMACCorel1", Level::Formula, 1, 1);
    const LineCheck check(ex);
    QElapsedTimer clock;
    clock.start();
    const Verdict v = check.check(line);
    QVERIFY(clock.elapsed() < 500);
    QVERIFY2(v.kind != Verdict::Right, qPrintable(v.feedback));
    QVERIFY(line.trimmed().isEmpty() ? v.kind == Verdict::Empty : !v.feedback.isEmpty());
}

// A line true whatever the values relates nothing: never a right relation, on any topic,
// while the topic's own relation stays right (everyStatement).
void TestNotebook::identities()
{
    QFETCH(QString, button);
    const Exercise ex = drawn(button, Level::Conversions);
    QVERIFY(ex.valid);
    const LineCheck check(ex);
    std::vector<QString> valued;
    for (int i = 0; i < check.symbols().size(); ++i) {
        const auto v = check.solutions().front()[std::size_t(i)];
        if (v && *v != 0)
            valued.push_back(check.symbols().name(i));
    }
    QVERIFY(valued.size() >= 2);
    const QString a = valued[0], b = valued[1];
    const QStringList lines = WorkingText::steps(ex.working, RowTable(ex.topic->rows), u',').front();
    const QString formula = lines[lines.size() - 3];
    const QString rhs = formula.mid(formula.indexOf(u'=') + 1).trimmed();
    for (const QString& line : {a + QStringLiteral(" = ") + a, a + u'·' + b + QStringLiteral(" = ") + b + u'·' + a,
                                QStringLiteral("(%1 + %2)/%2 = %1/%2 + 1").arg(a, b),
                                QStringLiteral("(%1) · 2 = %1 + %1").arg(rhs)}) {
        const Verdict v = check.check(line);
        QVERIFY2(v.kind == Verdict::Wrong && v.feedback.startsWith(QStringLiteral("Ainda não"))
                     && v.feedback.contains(QStringLiteral("quaisquer valores")),
                 qPrintable(describe(ex, line, v)));
    }
}

// A letter in the other case is the topic's symbol where the topic has no symbol so
// spelt; where it has, the line is read as written and the hint names both.
void TestNotebook::otherCase()
{
    QFETCH(QString, button);
    for (Level level : {Level::Formula, Level::Conversions}) {
        const Exercise ex = drawn(button, level);
        QVERIFY(ex.valid);
        const LineCheck check(ex);
        const QStringList lines = WorkingText::steps(ex.working, RowTable(ex.topic->rows), u',').front();
        const QString relation = inOtherCase(lines[lines.size() - 3], check);
        const Verdict r = check.check(relation);
        QVERIFY2(r.kind == Verdict::Right, qPrintable(describe(ex, relation, r)));
        for (const Given& g : ex.givens) {
            const int s = check.symbolOf(g.row);
            const QString name = check.symbols().name(s);
            if (name[0].unicode() >= 128 || !name[0].isLetter())
                continue;
            const QString swapped = (name[0].isUpper() ? name[0].toLower() : name[0].toUpper()) + name.mid(1);
            const QString line = swapped + QStringLiteral(" = ") + g.text();
            const Verdict v = check.check(line);
            const int twin = check.otherCase(s);
            if (twin < 0) {
                QVERIFY2(v.kind == Verdict::Right && v.row == g.row, qPrintable(describe(ex, line, v)));
                continue;
            }
            QCOMPARE(check.symbols().name(twin), swapped);
            QVERIFY2(v.kind == Verdict::Wrong && v.row != g.row, qPrintable(describe(ex, line, v)));
            if (&ex.topic->rows[std::size_t(twin)] != ex.asked && check.solutions().front()[std::size_t(twin)])
                QVERIFY2(v.feedback.contains(QStringLiteral("Neste tópico há")), qPrintable(describe(ex, line, v)));
        }
    }
}

void TestNotebook::lineRows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("feedback");
    // What the feedback must not say.
    QTest::addColumn<QString>("unwanted");
    const int right = Verdict::Right, wrong = Verdict::Wrong;
    const QString square = QStringLiteral("quadrado de um parêntese inteiro");
    QTest::newRow("PV = nRT") << "ButtonXPMACCorel51" << QStringLiteral("PV = nRT") << right << QString() << QString();
    QTest::newRow("lower-case S") << "ButtonXPMACCorel1" << QString::fromUtf8("s = so + v·t") << right << QString() << QString();
    QTest::newRow("x a symbol") << "ButtonXPMACCorel33" << QStringLiteral("F = kx") << right << QString() << QString();
    QTest::newRow("X a symbol") << "ButtonXPMACCorel33" << QStringLiteral("F = K·X") << right << QString() << QString();
    QTest::newRow("x a product") << "ButtonXPMACCorel1" << QString::fromUtf8("s − s0 = v x t") << right << QString() << QString();
    QTest::newRow("C for c") << "ButtonXPMACCorel97" << QString::fromUtf8("C = m·C") << wrong
                             << QString::fromUtf8("Neste tópico há C e c: a maiúscula e a minúscula") << QString();
    QTest::newRow("C and c") << "ButtonXPMACCorel97" << QString::fromUtf8("C = M·c") << right << QString() << QString();
    QTest::newRow("f for ƒ") << "ButtonXPMACCorel14" << QString::fromUtf8("f = µ·N") << right << QString() << QString();
    QTest::newRow("F for ƒ") << "ButtonXPMACCorel14" << QString::fromUtf8("F = µN") << right << QString() << QString();
    QTest::newRow("f for ƒ, inverted") << "ButtonXPMACCorel14" << QString::fromUtf8("f = N/µ") << wrong << QString() << QString();
    QTest::newRow("r for R") << "ButtonXPMACCorel106" << QString::fromUtf8("I = E/(r + r)") << wrong
                             << QString::fromUtf8("Neste tópico há R e r") << QString();
    // Relations rearranged to square a whole bracket, the square forgotten.
    QTest::newRow("Coulomb") << "ButtonXPMACCorel80" << QString::fromUtf8("F = (√(k·Q·q)/d)") << wrong << square << QString();
    QTest::newRow("Torricelli") << "ButtonXPMACCorel9" << QString::fromUtf8("V² = (√(V0² + 2·a·Δs))") << wrong << square << QString();
    QTest::newRow("Joule") << "ButtonXPMACCorel110" << QString::fromUtf8("P = (√R · i)") << wrong << square << QString();
    // A topic whose relation squares nothing is not told of squares.
    QTest::newRow("no square") << "ButtonXPMACCorel1" << QString::fromUtf8("S·S = (S0 + V·t)") << wrong << QString() << square;
}

void TestNotebook::lineRows()
{
    QFETCH(QString, button);
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QString, feedback);
    QFETCH(QString, unwanted);
    const Exercise ex = drawn(button, Level::Formula);
    const LineCheck check(ex);
    const Verdict v = check.check(line);
    QVERIFY2(int(v.kind) == kind, qPrintable(describe(ex, line, v)));
    QVERIFY2(v.feedback.contains(feedback), qPrintable(describe(ex, line, v)));
    QVERIFY2(unwanted.isEmpty() || !v.feedback.contains(unwanted), qPrintable(describe(ex, line, v)));
}

// The topics whose relation squares something.
void TestNotebook::bracketSquare_data()
{
    QTest::addColumn<QString>("button");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            if (QString::fromUtf8(Catalogue::topicOfButton(QString::fromLatin1(p.button))->formula).contains(u'²'))
                QTest::newRow(p.button) << QString::fromLatin1(p.button);
        }
    }
}

// A value squared, written in powers of ten in brackets: right with its square, and with
// the square forgotten, named as that slip.
void TestNotebook::bracketSquare()
{
    QFETCH(QString, button);
    int named = 0;
    for (const Exercise& ex : drawnAll(button, 12)) {
        const LineCheck check(ex);
        const NextStep help(check);
        for (const NextStep::Step& step : help.steps()) {
            if (step.kind != NextStep::Kind::Substitution || squaredInPowers(step.line, true).isEmpty())
                continue;
            const QString kept = squaredInPowers(step.line, true);
            const Verdict right = check.check(kept);
            QVERIFY2(right.kind == Verdict::Right, qPrintable(describe(ex, kept, right)));
            const QString forgotten = squaredInPowers(step.line, false);
            const Verdict v = check.check(forgotten);
            // A square that moves the result by less than the 1 % a substitution is
            // given (0,99², or a small term beside a large one) is not missed.
            if (v.kind == Verdict::Right)
                continue;
            ++named;
            QVERIFY2(v.kind == Verdict::Wrong && v.feedback.contains(QStringLiteral("quadrado de um parêntese inteiro")),
                     qPrintable(describe(ex, forgotten, v)));
        }
    }
    QVERIFY(named > 0);
}


// The ladder quotes the numbers as the statement and its own given lines print them, in
// the page's units, never the working's fifteen digits, and its substitution stays right.
void TestNotebook::ladderNumbers()
{
    QFETCH(QString, button);
    static const QRegularExpression book(
        QString::fromUtf8("−?\\d[\\d\\x{202F}]*(?:,\\d+)?(?: · 10[⁻⁰¹²³⁴⁵⁶⁷⁸⁹]+)?"));
    static const QRegularExpression longDigits(QStringLiteral("\\d{7}"));
    for (const Exercise& ex : drawnAll(button, 8)) {
        const LineCheck check(ex);
        std::vector<std::pair<int, QString>> quoted;
        std::vector<int> related;
        const NextStep help(check);
        for (const NextStep::Step& step : help.steps()) {
            const QString line = QString(step.line).replace(QChar(Notation::unitSpace), u' ');
            QVERIFY2(!line.contains(longDigits), qPrintable(ex.code() + u' ' + line));
            if (step.kind == NextStep::Kind::Given) {
                const auto g = std::find_if(ex.givens.begin(), ex.givens.end(),
                                            [&](const Given& each) { return each.row == step.row; });
                QVERIFY(g != ex.givens.end());
                const int s = check.symbolOf(g->row);
                if (!g->converted())
                    QCOMPARE(step.line, check.symbols().name(s) + QStringLiteral(" = ") + g->text());
                else
                    QVERIFY2(line.endsWith(u' ' + Notation::unit(QString::fromUtf8(g->rowUnit->name))), qPrintable(line));
                const QRegularExpressionMatch number = book.match(line, line.indexOf(u'=') + 2);
                QVERIFY2(number.hasMatch(), qPrintable(line));
                quoted.emplace_back(s, number.captured());
            } else if (step.kind == NextStep::Kind::Relation) {
                const LineReader::Line read = LineReader::read(step.line, check.symbols());
                for (const LineReader::Node& node : read.right->nodes)
                    related.push_back(node.symbol);
            } else if (step.kind == NextStep::Kind::Substitution) {
                const Verdict v = check.check(step.line);
                QVERIFY2(v.kind == Verdict::Right && v.role == Verdict::Substitution, qPrintable(describe(ex, line, v)));
                for (const auto& [symbol, number] : quoted) {
                    if (std::find(related.begin(), related.end(), symbol) != related.end())
                        QVERIFY2(quotes(line, number), qPrintable(ex.code() + u' ' + number + QStringLiteral(" not in ") + line));
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestNotebook)
#include "tst_notebook.moc"
