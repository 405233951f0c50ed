#pragma once

#include "engine/Sheet.h"

#include <QHash>
#include <optional>
#include <vector>

// A result a click wrote, seen as a function of one of the operands it read. Every value
// comes from the page's own solver on a sheet holding what the click read (to the last
// bit), the result's field blank and one operand set to the value asked: what Calcular
// would write for that value, or nothing where Calcular writes nothing.
class Relation
{
public:
    struct Operand
    {
        const char* field;
        Number value;
    };

    // The relation behind the first result `working` wrote on the page of `blank` (a sheet
    // as the topic leaves it, constants written), with `texts` (field → text) the other
    // fields as the click left them; none when the click wrote nothing.
    static std::optional<Relation> of(const Sheet& blank, const Working& working, const QHash<QByteArray, QString>& texts);

    // Another row of the same page as the result: `target` blanked, the click's result and
    // every operand at the value the click wrote or read, the other fields as it left them.
    // None where the page's solver computes nothing for `target` from them, or computes it
    // from constants alone.
    std::optional<Relation> solvedFor(const char* target) const;

    const Topic& topic() const { return m_sheet.topic(); }
    const char* target() const { return m_target; }
    // What the click wrote, and the operands it read (the page's constants aside) in the
    // order it read them, with the values it read.
    Number result() const { return m_result; }
    const std::vector<Operand>& operands() const { return m_operands; }
    // The working that computed the result at the student's values.
    const Working& working() const { return m_working; }

    // An operand held at another value for every point from now on.
    void hold(const char* field, Number value);
    Number held(const char* field) const;

    // The result with `x` set to `value` and the others held.
    std::optional<Number> at(const char* x, Number value);
    // The whole click at that value: what it wrote, or what ended it.
    Working workingAt(const char* x, Number value);
    // `count` evenly spaced values from `low` to `high`, both included (the i-th is
    // `pointOf(low, high, i, count)`), and the result at each.
    std::vector<std::optional<Number>> sample(const char* x, long double low, long double high, int count);
    static long double pointOf(long double low, long double high, int i, int count);

private:
    explicit Relation(const Sheet& blank) : m_blank(blank), m_sheet(blank) { }
    // Takes the step that wrote `target` as the relation: its value and its operands.
    bool takeStep(Working working, const char* target);
    Working computed(const char* x, Number value);

    Sheet m_blank;
    Sheet m_sheet;
    const char* m_target = nullptr;
    Number m_result;
    std::vector<Operand> m_operands;
    Working m_working;
    QHash<QByteArray, Number> m_held;
};
