#include "exercises/NextStep.h"

#include "engine/WorkingText.h"
#include "exercises/Notation.h"

namespace {

QString withUnit(const QString& number, const char* unit)
{
    const QString u = QString::fromUtf8(unit);
    return u.isEmpty() ? number : number + QChar(0x00A0) + u;
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
    bool first = true;
    for (const Given& g : ex.givens) {
        const QString s = symbol(g.row);
        Step step{Kind::Given, g.row, {}, {}, {}};
        step.what = converts ? QStringLiteral("Escreva os dados no SI, começando por %1.").arg(s)
                             : QStringLiteral("Escreva os dados, começando por %1.").arg(s);
        if (!first)
            step.what = QStringLiteral("Escreva o dado %1.").arg(s);
        first = false;
        if (g.converted()) {
            step.how = QStringLiteral("%1 = %2; %3.").arg(s, g.text(), conversionHow(g));
            step.line = s + QStringLiteral(" = ") + withUnit(Notation::plain(g.inRow.value()), g.row->unit);
        } else {
            step.how = QStringLiteral("%1 = %2, como diz o enunciado.").arg(s, g.text());
            step.line = s + QStringLiteral(" = ") + g.text();
        }
        m_steps.push_back(step);
    }
    const RowTable rows(ex.topic->rows);
    const std::vector<QStringList> lines = WorkingText::steps(ex.working, rows, u',');
    const std::vector<Working::Step>& done = ex.working.steps();
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
                           l[l.size() - 2]});
        if (target && target != ex.asked)
            m_steps.push_back({Kind::Value, target, QStringLiteral("Escreva o valor de %1.").arg(s),
                               QStringLiteral("Faça a conta de %1.").arg(l[l.size() - 2]), l.last()});
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
