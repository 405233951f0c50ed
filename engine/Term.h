#pragma once

#include "engine/Number.h"
#include "engine/Working.h"

// A value in a solver's formula. Its arithmetic is the checked 80-bit arithmetic of
// Number, done at once and in the same order, so a formula written with terms computes
// exactly what it computed with numbers; each operation is also recorded in the click's
// Working, so the formula can be shown as it was computed.
//
// A term read from a field belongs to the click's working. A bare number or a named
// constant belongs to none until it meets one that does.
class Term
{
    using Op = Working::Op;

public:
    // A bare number, shown as its value ("2", "273").
    Term(Number value) : m_value(value) { }
    // A constant the solver holds, shown by its symbol in the formula and by its value
    // beside the values used.
    static Term constant(const char* symbol, Number value)
    {
        Term t(value);
        t.m_symbol = symbol;
        return t;
    }
    static Term read(Working* working, const char* field, const QString& shown, Number value)
    {
        Term t(value);
        if (working) {
            t.m_working = working;
            t.m_node = working->field(field, shown, value);
        }
        return t;
    }

    // The same constant, made a node of `working` now (where there is one), so it keeps
    // its symbol whatever it meets.
    Term boundTo(Working* working) const
    {
        Term t = *this;
        if (working && m_node < 0) {
            t.m_working = working;
            t.m_node = working->constant(m_symbol, m_value);
        }
        return t;
    }

    Number number() const { return m_value; }
    // Its node in `working`, made there now if it is a bare number or a constant.
    int node(Working& working) const { return m_node >= 0 ? m_node : working.constant(m_symbol, m_value); }

    friend Term operator+(const Term& a, const Term& b) { return combine(Op::Add, a, b, [](Number x, Number y) { return x + y; }); }
    friend Term operator-(const Term& a, const Term& b) { return combine(Op::Subtract, a, b, [](Number x, Number y) { return x - y; }); }
    friend Term operator*(const Term& a, const Term& b) { return combine(Op::Multiply, a, b, [](Number x, Number y) { return x * y; }); }
    friend Term operator/(const Term& a, const Term& b) { return combine(Op::Divide, a, b, [](Number x, Number y) { return x / y; }); }
    friend Term operator-(const Term& a) { return combine(Op::Negate, a, a, [](Number x, Number) { return -x; }); }
    friend Term sqrt(const Term& a) { return combine(Op::SquareRoot, a, a, [](Number x, Number) { return sqrt(x); }); }

private:
    template <class Compute>
    static Term combine(Op op, const Term& a, const Term& b, Compute compute)
    {
        Working* w = a.m_working ? a.m_working : b.m_working;
        Number value;
        try {
            value = compute(a.m_value, b.m_value);
        } catch (const MathError& e) {
            if (w)
                w->operationFailed(e.kind(), op, a.node(*w), b.node(*w));
            throw;
        }
        Term t(value);
        if (w) {
            t.m_working = w;
            t.m_node = w->operation(op, a.node(*w), b.node(*w), value);
        }
        return t;
    }

    Number m_value;
    Working* m_working = nullptr;
    int m_node = -1;
    const char* m_symbol = nullptr;
};
