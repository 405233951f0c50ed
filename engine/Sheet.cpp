#include "engine/Sheet.h"

#include <cstring>

Sheet::Sheet(const Topic& topic, const Solver& solver)
    : m_topic(&topic)
    , m_solver(&solver)
{
    chooseTopic(*this, topic);
}

void Sheet::set(const char* name, Number value)
{
    m_cells[name].setExact(value, NumberText::format(value, decimalSeparator()));
}

void Sheet::setText(const char* name, const QString& text) { m_cells[name].setText(text); }

QString Sheet::text(const char* name) const { return m_cells.value(name).text(); }

Field& Sheet::field(const char* name) { return m_cells[name]; }

void Sheet::setConstantText(const char* name, const QString& commaText) { m_cells[name].setText(commaText); }

Working Sheet::calculate()
{
    Working working;
    Calcular calcular(*this, decimalSeparator(), m_mode, &working);
    try {
        m_solver->solve(calcular);
    } catch (const EngineError&) {
        // The working holds what ended the click.
    }
    return working;
}

std::optional<Number> resultOf(const Working& working, const char* target)
{
    for (const Working::Step& step : working.steps()) {
        if (std::strcmp(step.target, target) == 0)
            return working.node(step.root).value;
    }
    return std::nullopt;
}
