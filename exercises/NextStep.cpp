#include "exercises/NextStep.h"

#include "engine/WorkingText.h"
#include "exercises/Notation.h"

#include <cmath>
#include <functional>

namespace {

// Figures a converted given keeps beyond the statement's, at most: enough for any working.
constexpr int mostExtraFigures = 6;

// A given's value in the page's unit as a book writes it: as the statement printed it, or
// converted with `extra` figures more than the statement gave, the zeros that add nothing
// left out ("72 km/h" is "20 m/s", "51,1 km/h" is "14,19 m/s").
QString quoted(const Given& g, int extra)
{
    if (!g.converted())
        return Notation::number({g.plain, g.shown, g.figures});
    const long double value = g.inRow.value();
    const int most = std::max(g.figures, 1) + extra;
    const long double kept = Figures::rounded(value, most).value.value();
    int figures = 1;
    while (figures < most && Figures::rounded(value, figures).value.value() != kept)
        ++figures;
    return Notation::number(Figures::rounded(value, figures));
}

// The unit a given's line is in: the page's, or the one its statement measures in where
// the page shows none.
QString unitOf(const Given& g)
{
    return g.rowUnit ? QString::fromUtf8(g.rowUnit->name) : QString::fromUtf8(g.row->unit);
}

// The working with the text each field shows replaced, so that its substitution quotes the
// numbers so. A node's operands come before it, so each step's root is the last of its tree.
Working quoting(const Working& w, const std::function<QString(const Working::Node&)>& shown)
{
    int last = -1;
    for (const Working::Step& s : w.steps())
        last = std::max(last, s.root);
    Working out;
    for (int i = 0; i <= last; ++i) {
        const Working::Node& n = w.node(i);
        if (n.op == Working::Op::Field)
            out.field(n.name, shown(n), n.value);
        else if (n.op == Working::Op::Constant)
            out.constant(n.name, n.value);
        else
            out.operation(n.op, n.left, n.right, n.value);
    }
    for (const Working::Step& s : w.steps()) {
        out.begin(s.target);
        if (s.textbook)
            out.textbook(s.textbook);
        out.wrote(s.root, s.written);
    }
    return out;
}

// A substitution whose numbers give the working's value by more than 0,1 % off.
bool strays(const LineCheck& check, const QStringList& step, const Row* target)
{
    const int s = check.symbolOf(target);
    if (step.size() < 3 || s < 0 || !check.solutions().front()[std::size_t(s)])
        return false;
    const long double truth = *check.solutions().front()[std::size_t(s)];
    const LineReader::Line read = LineReader::read(step[step.size() - 2], check.symbols());
    if (!read.right)
        return true;
    const auto value = LineReader::evaluate(*read.right, check.solutions().front());
    return !value || std::fabs(*value - truth) > 1e-3L * std::fabs(truth);
}

}

NextStep::NextStep(const LineCheck& check)
    : m_check(&check)
{
    const Exercise& ex = check.exercise();
    if (!ex.valid)
        return;
    auto symbol = [&](const Row* r) {
        const int s = check.symbolOf(r);
        return s >= 0 ? check.symbols().name(s) : QString::fromUtf8(r->symbol);
    };
    bool converts = false;
    for (const Given& g : ex.givens)
        converts = converts || g.converted();
    const RowTable rows(ex.topic->rows);
    const std::vector<QStringList> lines = WorkingText::steps(ex.working, rows, u',');
    const std::vector<Working::Step>& done = ex.working.steps();
    // The givens as their lines write them, and the substitutions with those numbers: a
    // figure more than the statement's for a converted value, more while a substitution
    // strays from the working's value by more than 0,1 %.
    std::vector<QString> numbers;
    std::vector<QStringList> substituted;
    for (int extra = 1; extra <= mostExtraFigures; ++extra) {
        numbers.clear();
        for (const Given& g : ex.givens)
            numbers.push_back(quoted(g, extra));
        const Working inNumbers = quoting(ex.working, [&](const Working::Node& n) {
            for (std::size_t i = 0; i < ex.givens.size(); ++i) {
                if (qstrcmp(ex.givens[i].row->field, n.name) == 0)
                    // Spaced as the working spaces its products, so that it binds as one.
                    return QString(numbers[i]).replace(QChar(Notation::unitSpace), u' ');
            }
            return n.shown;
        });
        substituted = WorkingText::steps(inNumbers, rows, u',');
        bool close = true;
        for (std::size_t i = 0; i < substituted.size() && i < done.size(); ++i)
            close = close && !strays(check, substituted[i], rows.find(done[i].target));
        if (close)
            break;
    }
    bool first = true;
    for (std::size_t i = 0; i < ex.givens.size(); ++i) {
        const Given& g = ex.givens[i];
        const QString s = symbol(g.row);
        Step step{Kind::Given, g.row, {}, {}, {}};
        step.what = converts ? QStringLiteral("Escreva os dados no SI, começando por %1.").arg(s)
                             : QStringLiteral("Escreva os dados, começando por %1.").arg(s);
        if (!first)
            step.what = QStringLiteral("Escreva o dado %1.").arg(s);
        first = false;
        if (g.converted()) {
            step.how = QStringLiteral("%1 = %2; %3.").arg(s, g.text(), conversionHow(g));
            step.line = s + QStringLiteral(" = ") + Notation::withUnit(numbers[i], unitOf(g));
        } else {
            step.how = QStringLiteral("%1 = %2, como diz o enunciado.").arg(s, g.text());
            step.line = s + QStringLiteral(" = ") + g.text();
        }
        m_steps.push_back(step);
    }
    for (std::size_t i = 0; i < lines.size() && i < done.size(); ++i) {
        const QStringList& l = lines[i];
        if (l.size() < 3)
            continue;
        const Row* target = rows.find(done[i].target);
        const QString s = target ? symbol(target) : QString();
        const QString formula = l[l.size() - 3];
        const QString start = l.size() > 3 ? l.first() : QString::fromUtf8(ex.topic->formula);
        m_steps.push_back({Kind::Relation, target, QStringLiteral("Escreva a relação que dá %1.").arg(s),
                           QStringLiteral("Parta de %1 e isole %2.").arg(start, s), formula});
        m_steps.push_back({Kind::Substitution, target, QStringLiteral("Ponha os valores no lugar dos símbolos."),
                           QStringLiteral("Em %1, troque cada símbolo pelo seu valor.").arg(formula),
                           substituted[i][l.size() - 2]});
        if (target && target != ex.asked)
            m_steps.push_back({Kind::Value, target, QStringLiteral("Escreva o valor de %1.").arg(s),
                               QStringLiteral("Faça a conta de %1.").arg(substituted[i][l.size() - 2]), l.last()});
    }
    const QString asked = symbol(ex.asked);
    m_steps.push_back({Kind::Answer, ex.asked, QStringLiteral("Faça a conta e escreva a resposta, com a unidade."),
                       ex.askedUnitName().isEmpty()
                           ? QStringLiteral("Escreva %1 com os algarismos dos dados.").arg(asked)
                           : QStringLiteral("Escreva %1 em %2, com os algarismos dos dados.")
                                 .arg(asked, Notation::unit(ex.askedUnitName())),
                       asked + QStringLiteral(" = ") + ex.answerText()});
}

NextStep::Help NextStep::press()
{
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        if (m_steps[i].done)
            continue;
        m_helped = true;
        m_rung = m_pressed == int(i) ? std::min(m_rung + 1, 2) : 0;
        m_pressed = int(i);
        const Step& s = m_steps[i];
        if (m_rung == 0)
            return {s.what, {}};
        if (m_rung == 1)
            return {s.how, {}};
        return {s.line, s.line};
    }
    return {};
}

LineCheck::Verdict NextStep::write(const QString& line, bool byHelp)
{
    const LineCheck::Verdict v = m_check->check(line);
    m_lines.push_back({line, v, byHelp});
    mark();
    return v;
}

LineCheck::Verdict NextStep::edit(std::size_t index, const QString& line)
{
    if (index >= m_lines.size())
        return {};
    m_lines[index] = {line, m_check->check(line), false};
    mark();
    return m_lines[index].verdict;
}

void NextStep::remove(std::size_t index)
{
    if (index < m_lines.size())
        m_lines.erase(m_lines.begin() + std::ptrdiff_t(index));
    mark();
}

// Which steps the lines written right stand for.
void NextStep::mark()
{
    using Role = LineCheck::Verdict::Role;
    for (Step& s : m_steps) {
        s.done = false;
        for (const Written& w : m_lines) {
            const LineCheck::Verdict& v = w.verdict;
            if (v.kind != LineCheck::Verdict::Right)
                continue;
            switch (s.kind) {
            case Kind::Given:
            case Kind::Value: s.done = s.done || ((v.role == Role::Given || v.role == Role::Value) && v.row == s.row); break;
            case Kind::Relation: s.done = s.done || (v.role == Role::Relation && v.row == s.row); break;
            case Kind::Substitution: s.done = s.done || (v.role == Role::Substitution && v.row == s.row); break;
            case Kind::Answer: s.done = s.done || v.finishes; break;
            }
        }
    }
    // The answer written right ends the exercise, whatever was skipped on the way.
    if (finished()) {
        for (Step& s : m_steps)
            s.done = true;
    }
}

bool NextStep::finished() const
{
    for (const Written& w : m_lines) {
        if (w.verdict.finishes)
            return true;
    }
    return false;
}
