#include "engine/Relation.h"

#include <algorithm>
#include <cstring>
#include <functional>

std::optional<Relation> Relation::of(const Sheet& blank, const Working& working, const QHash<QByteArray, QString>& texts)
{
    if (working.steps().empty())
        return std::nullopt;
    const Working::Step& step = working.steps().front();
    Relation r(blank);
    r.m_target = step.target;
    r.m_result = working.node(step.root).value;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (blank.text(it.key().constData()).isEmpty())
            r.m_sheet.setText(it.key().constData(), it.value());
    }
    // The fields the result was computed from, in the order the formula read them; a
    // constant the topic wrote on the page is part of the formula, not an operand.
    const std::function<void(int)> collect = [&](int i) {
        if (i < 0)
            return;
        const Working::Node& n = working.node(i);
        if (n.op == Working::Op::Field) {
            const bool known = std::any_of(r.m_operands.begin(), r.m_operands.end(),
                                           [&](const Operand& o) { return std::strcmp(o.field, n.name) == 0; });
            if (!known && blank.text(n.name).isEmpty())
                r.m_operands.push_back({n.name, n.value});
            return;
        }
        collect(n.left);
        if (n.right != n.left)
            collect(n.right);
    };
    collect(step.root);
    for (const Operand& o : r.m_operands)
        r.hold(o.field, o.value);
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

std::optional<Number> Relation::computed(const char* x, Number value)
{
    m_sheet.set(x, value);
    m_sheet.setText(m_target, QString());
    return resultOf(m_sheet.calculate(), m_target);
}

std::optional<Number> Relation::at(const char* x, Number value)
{
    const std::optional<Number> y = computed(x, value);
    m_sheet.set(x, held(x));
    return y;
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
        ys.push_back(computed(x, pointOf(low, high, i, count)));
    m_sheet.set(x, held(x));
    return ys;
}
