#include "exercises/LineCheck.h"

#include "engine/WorkingText.h"
#include "exercises/AnswerReader.h"
#include "exercises/Judge.h"
#include "exercises/Notation.h"

#include <cmath>
#include <cstring>

using LineReader::Expression;
using LineReader::Line;
using LineReader::Node;

namespace {

// Three more solutions of the same statement: a relation that holds for all four holds
// for the physics, not for these numbers.
constexpr int others = 3;
constexpr long double relationTolerance = 1e-6L;

// Every node of a step's tree, once each, in no particular order.
template<class Visit>
void walk(const Working& w, int root, Visit visit)
{
    std::vector<int> stack{root};
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        if (n < 0)
            continue;
        const Working::Node& node = w.node(n);
        visit(node);
        stack.push_back(node.left);
        stack.push_back(node.right);
    }
}

bool within(long double a, long double b, long double relative)
{
    const long double scale = std::max(std::fabs(a), std::fabs(b));
    return scale == 0 || std::fabs(a - b) <= relative * scale;
}

bool nearPercent(long double a, long double b)
{
    return within(a, b, 0.01L);
}

std::optional<long double> toRow(long double v, const Units::Unit& from, const Units::Unit& row, bool difference)
{
    try {
        return Units::toRow(Number(v), from, row, difference).value();
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

LineCheck::Verdict verdict(LineCheck::Verdict::Kind kind, LineCheck::Verdict::Role role, QString feedback,
                           const Row* row = nullptr)
{
    LineCheck::Verdict v;
    v.kind = kind;
    v.role = role;
    v.feedback = std::move(feedback);
    v.row = row;
    return v;
}

}

QString conversionHow(const Given& given)
{
    if (!given.converted())
        return {};
    const bool difference = given.row->difference();
    const auto zero = toRow(0, *given.unit, *given.rowUnit, difference);
    const auto one = toRow(1, *given.unit, *given.rowUnit, difference);
    if (!zero || !one)
        return {};
    const long double factor = *one - *zero;
    if (*zero != 0 && within(factor, 1, 1e-9L)) {
        return *zero > 0 ? QStringLiteral("some %1").arg(Notation::plain(*zero))
                         : QStringLiteral("subtraia %1").arg(Notation::plain(-*zero));
    }
    QString how = factor >= 1 ? QStringLiteral("multiplique por %1").arg(Notation::plain(factor))
                              : QStringLiteral("divida por %1").arg(Notation::plain(1 / factor));
    if (*zero != 0)
        how += QStringLiteral(" e some %1").arg(Notation::plain(*zero));
    return how;
}

LineCheck::LineCheck(const Exercise& exercise)
    : m_exercise(&exercise)
{
    if (!exercise.valid || !exercise.topic)
        return;
    m_symbols = LineReader::Symbols(exercise.topic->rows);
    for (const Row& r : exercise.topic->rows)
        m_rows.push_back(&r);
    // The page's constants ("g", "k") are symbols too.
    const Working& w = exercise.working;
    for (const Working::Step& step : w.steps()) {
        walk(w, step.root, [&](const Working::Node& node) {
            if (node.op == Working::Op::Constant && node.name)
                m_symbols.add(QString::fromUtf8(node.name));
        });
    }
    // A relation with a square ("Q = F · d² / (k · q)") squares a bracket once values are
    // in ("(3 · 10⁸)²", "(−15)²"), or once it is rearranged ("F = (√(k · Q · q) / d)²").
    for (const QStringList& lines : WorkingText::steps(w, RowTable(exercise.topic->rows), u',')) {
        for (const QString& line : lines.mid(0, lines.size() - 2))
            m_squares = m_squares || line.contains(u'²');
    }
    m_solutions.push_back(valuesOf(exercise));
    if (!exercise.problems || !exercise.statement)
        return;
    const int statement = int(exercise.statement - exercise.problems->statements.data());
    for (std::uint32_t k = 1; k <= 12 && int(m_solutions.size()) <= others; ++k) {
        const Exercise other = ExerciseGenerator::make(*exercise.topic, *exercise.problems, exercise.level,
                                                       exercise.number + 7919u * k, exercise.index, statement);
        if (other.valid && other.asked == exercise.asked)
            m_solutions.push_back(valuesOf(other));
    }
}

int LineCheck::symbolOf(const Row* row) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i] == row)
            return int(i);
    }
    return -1;
}

std::vector<std::optional<long double>> LineCheck::valuesOf(const Exercise& ex) const
{
    std::vector<std::optional<long double>> values(std::size_t(m_symbols.size()));
    auto byField = [&](const char* field) -> int {
        if (!field)
            return -1;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if (std::strcmp(m_rows[i]->field, field) == 0)
                return int(i);
        }
        return -1;
    };
    const Working& w = ex.working;
    for (const Working::Step& s : w.steps()) {
        // Walk the step's tree for the fields and constants it read.
        walk(w, s.root, [&](const Working::Node& node) {
            if (node.op == Working::Op::Field) {
                const int sym = byField(node.name);
                if (sym >= 0 && !values[std::size_t(sym)])
                    values[std::size_t(sym)] = node.value.value();
            } else if (node.op == Working::Op::Constant && node.name) {
                const QString name = QString::fromUtf8(node.name);
                for (int i = 0; i < m_symbols.size(); ++i) {
                    if (m_symbols.name(i) == name && !values[std::size_t(i)])
                        values[std::size_t(i)] = node.value.value();
                }
            }
        });
        const int target = byField(s.target);
        if (target >= 0)
            values[std::size_t(target)] = w.node(s.root).value.value();
    }
    for (const Given& g : ex.givens) {
        const int sym = symbolOf(g.row);
        if (sym >= 0)
            values[std::size_t(sym)] = g.inRow.value();
    }
    return values;
}

bool LineCheck::holds(const Line& line) const
{
    if (line.status != Line::Read || !line.right || m_solutions.empty())
        return false;
    for (const auto& values : m_solutions) {
        const auto l = LineReader::evaluate(line.left, values);
        const auto r = LineReader::evaluate(*line.right, values);
        if (!l || !r || !within(*l, *r, relationTolerance))
            return false;
    }
    return true;
}

bool LineCheck::identity(const Line& line) const
{
    if (line.status != Line::Read || !line.right)
        return false;
    bool evaluated = false;
    for (std::size_t k = 0; k < m_solutions.size(); ++k) {
        // Factors between 0,6 and 1,6 spread by the golden ratio: no two alike, so a ratio
        // of two symbols moves too, and a zero becomes a value.
        std::vector<std::optional<long double>> moved = m_solutions[k];
        for (std::size_t i = 0; i < moved.size(); ++i) {
            if (!moved[i])
                continue;
            const long double phase = 0.6180339887L * (i + 1) + 0.4142135624L * (k + 1);
            const long double factor = 0.6L + (phase - std::floor(phase));
            moved[i] = *moved[i] == 0 ? factor - 0.5L : *moved[i] * factor;
        }
        const auto l = LineReader::evaluate(line.left, moved);
        const auto r = LineReader::evaluate(*line.right, moved);
        if (!l || !r)
            continue;
        if (!within(*l, *r, relationTolerance))
            return false;
        evaluated = true;
    }
    return evaluated;
}

bool LineCheck::relates(const Line& line) const
{
    return holds(line) && !identity(line);
}

int LineCheck::otherCase(int symbol) const
{
    if (symbol < 0 || symbol >= m_symbols.size())
        return -1;
    const QString& name = m_symbols.name(symbol);
    for (int i = 0; i < m_symbols.size(); ++i) {
        if (i != symbol && m_symbols.name(i) != name && m_symbols.name(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// "Neste tópico há R e r: …", the capital first.
QString LineCheck::bothCases(int symbol, int other) const
{
    QString a = m_symbols.name(symbol), b = m_symbols.name(other);
    if (a[0].isLower())
        std::swap(a, b);
    return QStringLiteral("Neste tópico há %1 e %2: a maiúscula e a minúscula são grandezas diferentes.").arg(a, b);
}

QString LineCheck::suggestion(const QString& unknown) const
{
    auto bare = [](const QString& s) {
        QString out;
        for (QChar c : s) {
            if (c != QChar(0x0394) && c.isLetter() && c.unicode() < 0x2000)
                out += c.toLower();
        }
        return out;
    };
    for (int i = 0; i < m_symbols.size(); ++i) {
        if (bare(m_symbols.name(i)) == unknown.toLower())
            return m_symbols.name(i);
    }
    if (unknown.startsWith(u'd', Qt::CaseInsensitive)) {
        for (int i = 0; i < m_symbols.size(); ++i) {
            if (m_symbols.name(i).startsWith(QChar(0x0394)))
                return m_symbols.name(i);
        }
    }
    return {};
}

LineCheck::Verdict LineCheck::check(QStringView text) const
{
    if (text.trimmed().isEmpty())
        return {};
    if (!m_exercise->valid || m_solutions.empty())
        return verdict(Verdict::Unreadable, Verdict::None, QStringLiteral("Não há exercício para conferir."));
    const qsizetype eq = text.indexOf(u'=');
    if (eq > 0 && text.indexOf(u'=', eq + 1) < 0) {
        if (auto v = valueLine(text.left(eq).trimmed(), text.mid(eq + 1).trimmed()))
            return *v;
    }
    const Line line = LineReader::read(text, m_symbols);
    if (line.status == Line::Empty)
        return {};
    if (line.status == Line::Unreadable) {
        if (!line.unknown.isEmpty()) {
            const QString s = suggestion(line.unknown);
            return verdict(Verdict::Wrong, Verdict::Relation,
                           s.isEmpty() ? QStringLiteral("Ainda não: neste tópico não há símbolo %1.").arg(line.unknown)
                                       : QStringLiteral("Ainda não: neste tópico não há símbolo %1; quis dizer %2?")
                                             .arg(line.unknown, s));
        }
        return verdict(Verdict::Unreadable, Verdict::None, line.problem);
    }
    if (!line.right)
        return verdict(Verdict::Unreadable, Verdict::None,
                       QStringLiteral("Escreva a linha com um “=”: o que é igual a quê?"));
    if (!line.left.symbols() && !line.right->symbols())
        return verdict(Verdict::Unreadable, Verdict::None,
                       QStringLiteral("Escreva de que símbolo é esse valor, como em “t = …”."));
    const int single = line.left.single();
    if (single >= 0 && !line.right->symbols())
        return substitution(line);
    return relation(line);
}

std::optional<LineCheck::Verdict> LineCheck::valueLine(QStringView lhs, QStringView rhs) const
{
    const auto sym = m_symbols.longest(lhs);
    if (!sym || sym->second != lhs.size())
        return std::nullopt;
    const AnswerReader::Answer answer = AnswerReader::read(rhs);
    if (answer.status != AnswerReader::Answer::Read)
        return std::nullopt;
    const int s = sym->first;
    const Row* row = std::size_t(s) < m_rows.size() ? m_rows[std::size_t(s)] : nullptr;
    const Exercise& ex = *m_exercise;
    const QString symbol = m_symbols.name(s);
    if (row && row == ex.asked) {
        Judge::Verdict j = Judge::judge(ex, rhs, nullptr);
        Verdict v;
        v.role = Verdict::Answer;
        v.row = row;
        if (j.kind == Judge::Verdict::Right) {
            v.kind = Verdict::Right;
            v.finishes = true;
            v.feedback = QStringLiteral("Certo: %1 = %2 é a resposta.").arg(symbol, ex.answerText());
            if (!j.note.isEmpty())
                v.feedback += u' ' + j.note;
        } else if (j.kind == Judge::Verdict::Wrong) {
            v.kind = Verdict::Wrong;
            v.feedback = j.feedback;
        } else {
            v.kind = Verdict::Unreadable;
            v.feedback = j.feedback;
        }
        return v;
    }
    // The typed value in the page's unit of a row, or nothing if its unit is not of the row's kind.
    const QString spelt = AnswerReader::unitSpelling(answer.unit);
    auto inRowOf = [&](const Row* r) -> std::optional<long double> {
        Units::RowUnit ru;
        if (r)
            ru = Units::ofRow(QString::fromUtf8(r->unit)).value_or(Units::RowUnit{});
        // A row whose page shows no unit is in the one its statement measures in.
        for (const Given& g : ex.givens) {
            if (g.row == r && g.rowUnit && !ru.unit)
                ru = Units::ofRow(QString::fromUtf8(g.rowUnit->name)).value_or(Units::RowUnit{});
        }
        if (r == ex.asked && ex.askedRow.unit && !ru.unit)
            ru = ex.askedRow;
        if (ru.unit && spelt == AnswerReader::unitSpelling(QString::fromUtf8(ru.unit->name)))
            return answer.value.value();
        if (spelt.isEmpty() || (r && spelt == AnswerReader::unitSpelling(QString::fromUtf8(r->unit))))
            return answer.value.value();
        if (!ru.kind || !ru.unit)
            return std::nullopt;
        const Units::Unit* u = ExerciseGenerator::unitOfKind(ru.kind, spelt);
        if (!u)
            return std::nullopt;
        return toRow(answer.value.value(), *u, *ru.unit, r->difference());
    };
    const Given* given = nullptr;
    for (const Given& g : ex.givens) {
        if (g.row == row)
            given = &g;
    }
    const std::optional<long double> truth = m_solutions.front()[std::size_t(s)];
    const std::optional<long double> typed = inRowOf(row);
    const Verdict::Role role = given ? Verdict::Given : Verdict::Value;
    if (truth && typed) {
        const bool asShown = given && spelt.isEmpty() && nearPercent(answer.value.value(), given->shown.value());
        if (nearPercent(*typed, *truth) || asShown)
            return verdict(Verdict::Right, role,
                           given ? QStringLiteral("Certo: %1 = %2 é um dado.").arg(symbol, given->text())
                                 : QStringLiteral("Certo: esse é o valor de %1.").arg(symbol),
                           row);
    }
    // The value of another symbol, written under this one.
    for (int o = 0; o < m_symbols.size(); ++o) {
        const auto other = m_solutions.front()[std::size_t(o)];
        const Row* orow = std::size_t(o) < m_rows.size() ? m_rows[std::size_t(o)] : nullptr;
        if (o == s || !other || (orow && orow == ex.asked))
            continue;
        const auto v = inRowOf(orow);
        if (v && nearPercent(*v, *other))
            return verdict(Verdict::Wrong, role,
                           QStringLiteral("Ainda não: %1 é o valor de %2, não de %3.")
                                   .arg(rhs.toString(), m_symbols.name(o), symbol)
                               + (otherCase(s) == o ? u' ' + bothCases(s, o) : QString()),
                           row);
    }
    if (!spelt.isEmpty() && !typed)
        return verdict(Verdict::Unreadable, Verdict::None,
                       QStringLiteral("“%1” não é unidade de %2.").arg(answer.unit, symbol), row);
    if (!truth)
        return verdict(Verdict::Wrong, role, QStringLiteral("Ainda não: %1 não entra neste exercício.").arg(symbol), row);
    if (given && given->converted() && nearPercent(answer.value.value(), given->shown.value()))
        return verdict(Verdict::Wrong, role,
                       QStringLiteral("Ainda não: %1 = %2 %3; %4.")
                           .arg(given->text(), Notation::plain(given->inRow.value()),
                                Notation::unit(QString::fromUtf8(given->rowUnit->name)), conversionHow(*given)),
                       row);
    return verdict(Verdict::Wrong, role,
                   given ? QStringLiteral("Ainda não: confira o valor de %1 no enunciado.").arg(symbol)
                         : QStringLiteral("Ainda não: esse não é o valor de %1.").arg(symbol),
                   row);
}

LineCheck::Verdict LineCheck::substitution(const Line& line) const
{
    const int s = line.left.single();
    const Row* row = std::size_t(s) < m_rows.size() ? m_rows[std::size_t(s)] : nullptr;
    const auto value = LineReader::evaluate(*line.right, m_solutions.front());
    const QString symbol = m_symbols.name(s);
    const auto truth = m_solutions.front()[std::size_t(s)];
    if (!value) {
        const QString hint = truth ? bracketSquared(*line.right, *truth) : QString();
        return verdict(Verdict::Wrong, Verdict::Substitution,
                       QStringLiteral("Ainda não: essa conta não tem resultado (divisão por zero ou raiz de negativo).")
                           + (hint.isEmpty() ? QString() : u' ' + hint),
                       row);
    }
    const bool asked = row && row == m_exercise->asked;
    if ((truth && nearPercent(*value, *truth)) || (asked && nearPercent(*value, m_exercise->answerAsked.value())))
        return verdict(Verdict::Right, Verdict::Substitution,
                       QStringLiteral("Certo: a conta dá %1.").arg(Notation::plain(*value)),
                       row);
    if (!truth)
        return verdict(Verdict::Wrong, Verdict::Substitution,
                       QStringLiteral("Ainda não: %1 não entra neste exercício.").arg(symbol), row);
    const QString hint = bracketSquared(*line.right, *truth);
    return verdict(Verdict::Wrong, Verdict::Substitution,
                   QStringLiteral("Ainda não: a conta dá %1, que não é o valor de %2. %3")
                       .arg(Notation::plain(*value), symbol,
                            hint.isEmpty() ? QStringLiteral("Confira os números no lugar de cada símbolo.") : hint),
                   row);
}

LineCheck::Verdict LineCheck::relation(const Line& line) const
{
    const int single = line.left.single() >= 0 ? line.left.single() : line.right->single();
    const Row* row = single >= 0 && std::size_t(single) < m_rows.size() ? m_rows[std::size_t(single)] : nullptr;
    for (const Expression* e : {&line.left, &*line.right}) {
        for (const Node& n : e->nodes) {
            if (n.kind == Node::Symbol && !m_solutions.front()[std::size_t(n.symbol)])
                return verdict(Verdict::Wrong, Verdict::Relation,
                               QStringLiteral("Ainda não: %1 não entra neste exercício.").arg(m_symbols.name(n.symbol)),
                               row);
        }
    }
    if (holds(line)) {
        if (identity(line))
            return verdict(Verdict::Wrong, Verdict::Relation,
                           QStringLiteral("Ainda não: essa igualdade vale para quaisquer valores, e por isso não "
                                          "relaciona as grandezas do exercício. Parta de uma fórmula do tópico."),
                           row);
        return verdict(Verdict::Right, Verdict::Relation, QStringLiteral("Certo: essa relação vale."), row);
    }
    // Some of this exercise's values in place of their symbols: right if it holds for them.
    bool numbers = false;
    for (const Expression* e : {&line.left, &*line.right}) {
        for (const Node& n : e->nodes) {
            if (n.kind != Node::Number)
                continue;
            for (const Given& g : m_exercise->givens)
                numbers = numbers || within(n.value, g.inRow.value(), 1e-9L) || within(n.value, g.shown.value(), 1e-9L);
        }
    }
    if (numbers) {
        const auto l = LineReader::evaluate(line.left, m_solutions.front());
        const auto r = LineReader::evaluate(*line.right, m_solutions.front());
        if (l && r && nearPercent(*l, *r))
            return verdict(Verdict::Right, Verdict::Substitution, QStringLiteral("Certo: os valores conferem."), row);
    }
    const QString hint = slip(line);
    return verdict(Verdict::Wrong, Verdict::Relation,
                   QStringLiteral("Ainda não: essa relação não vale para os valores deste exercício.")
                       + (hint.isEmpty() ? QString() : u' ' + hint),
                   row);
}
