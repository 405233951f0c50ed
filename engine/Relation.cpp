#include "engine/Relation.h"

#include <algorithm>
#include <cstring>
#include <functional>

std::optional<Relation> Relation::of(const Sheet& blank, const Working& working, const QHash<QByteArray, QString>& texts)
{
    if (working.steps().empty())
        return std::nullopt;
    Relation r(blank);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (blank.text(it.key().constData()).isEmpty())
            r.m_sheet.setText(it.key().constData(), it.value());
    }
    r.takeStep(working, working.steps().front().target);
    return r;
}

bool Relation::takeStep(Working working, const char* target)
{
    const auto step = std::find_if(working.steps().begin(), working.steps().end(),
                                   [&](const Working::Step& s) { return std::strcmp(s.target, target) == 0; });
    if (step == working.steps().end())
        return false;
    m_target = step->target;
    m_result = working.node(step->root).value;
    m_operands.clear();
    // The fields the result was computed from, in the order the formula read them; a
    // constant the topic wrote on the page is part of the formula, not an operand.
    const std::function<void(int)> collect = [&](int i) {
        if (i < 0)
            return;
        const Working::Node& n = working.node(i);
        if (n.op == Working::Op::Field) {
            const bool known = std::any_of(m_operands.begin(), m_operands.end(),
                                           [&](const Operand& o) { return std::strcmp(o.field, n.name) == 0; });
            if (!known && m_blank.text(n.name).isEmpty())
                m_operands.push_back({n.name, n.value});
            return;
        }
        collect(n.left);
        if (n.right != n.left)
            collect(n.right);
    };
    collect(step->root);
    m_working = std::move(working);
    m_held.clear();
    for (const Operand& o : m_operands)
        hold(o.field, o.value);
    return true;
}

std::optional<Relation> Relation::solvedFor(const char* target) const
{
    Relation r(*this);
    for (const Operand& o : m_operands)
        r.m_sheet.set(o.field, o.value);
    r.m_sheet.set(m_target, m_result);
    r.m_sheet.setText(target, QString());
    if (!r.takeStep(r.m_sheet.calculate(), target) || r.m_operands.empty())
        return std::nullopt;
    // The sheet keeps the student's values; the new target is blanked at every point.
    r.m_sheet.set(target, r.m_result);
    return r;
}

void Relation::hold(const char* field, Number value)
{
    m_held.insert(field, value);
    m_sheet.set(field, value);
}

Number Relation::held(const char* field) const
{
    return m_held.value(field);
}

Working Relation::computed(const char* x, Number value)
{
    m_sheet.set(x, value);
    m_sheet.setText(m_target, QString());
    return m_sheet.calculate();
}

std::optional<Number> Relation::at(const char* x, Number value)
{
    const std::optional<Number> y = resultOf(computed(x, value), m_target);
    m_sheet.set(x, held(x));
    return y;
}

Working Relation::workingAt(const char* x, Number value)
{
    Working w = computed(x, value);
    m_sheet.set(x, held(x));
    return w;
}

long double Relation::pointOf(long double low, long double high, int i, int count)
{
    return i == count - 1 ? high : low + (high - low) * i / (count - 1);
}

std::vector<std::optional<Number>> Relation::sample(const char* x, long double low, long double high, int count)
{
    std::vector<std::optional<Number>> ys;
    ys.reserve(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        ys.push_back(resultOf(computed(x, pointOf(low, high, i, count)), m_target));
    m_sheet.set(x, held(x));
    return ys;
}
