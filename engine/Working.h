#pragma once

#include "engine/Number.h"

#include <QString>
#include <optional>
#include <vector>

// The working of one Calcular click, as the solver made it: every operand it read, every
// operation on them with its 80-bit value, the result each block wrote, and what ended
// the click if something did. The text a student reads is made from this record alone
// (WorkingText), so it cannot disagree with the number written.
class Working
{
public:
    enum class Op : unsigned char { Field, Constant, Add, Subtract, Multiply, Divide, Negate, SquareRoot };

    struct Node
    {
        Op op;
        int left = -1;
        int right = -1;
        Number value;
        // A field's component name, or a constant's symbol (none for a bare number).
        const char* name = nullptr;
        // A field: the text shown for it, which is what it held unless a tolerant read
        // took that text as another value.
        QString shown;
    };

    // One result written into a field.
    struct Step
    {
        const char* target;
        int root;
        QString written;
        // The relation as a book states it, where the solver computes another form of it.
        const char* textbook = nullptr;
    };

    // What ended the click: a read that failed (field and its text), or an operation
    // (its operands' nodes), while `target` was being computed.
    struct Failure
    {
        EngineError::Kind kind;
        const char* target = nullptr;
        const char* field = nullptr;
        QString text;
        Op op = Op::Field;
        int left = -1;
        int right = -1;
    };

    Working() { m_nodes.reserve(32); }

    int field(const char* name, const QString& shown, Number value) { return add({Op::Field, -1, -1, value, name, shown}); }
    int constant(const char* symbol, Number value) { return add({Op::Constant, -1, -1, value, symbol, {}}); }
    int operation(Op op, int left, int right, Number value) { return add({op, left, right, value, nullptr, {}}); }

    // The block about to compute `target`; a failure from here on is this target's.
    void begin(const char* target) { m_target = target; }
    // The textbook's form of the relation the solver is about to compute in another form
    // ("1 / R = 1 / R₁ + 1 / R₂"); the next result written carries it. A click that fails
    // first ends before it could reach another result.
    void textbook(const char* form) { m_textbook = form; }
    void wrote(int root, const QString& text)
    {
        m_steps.push_back({m_target, root, text, m_textbook});
        m_textbook = nullptr;
    }
    void readFailed(EngineError::Kind kind, const char* field, const QString& text)
    {
        m_failure = Failure{kind, m_target, field, text};
    }
    void operationFailed(EngineError::Kind kind, Op op, int left, int right)
    {
        m_failure = Failure{kind, m_target, nullptr, {}, op, left, right};
    }

    const Node& node(int i) const { return m_nodes[std::size_t(i)]; }
    const std::vector<Step>& steps() const { return m_steps; }
    const std::optional<Failure>& failure() const { return m_failure; }

private:
    int add(Node n)
    {
        m_nodes.push_back(std::move(n));
        return int(m_nodes.size()) - 1;
    }

    std::vector<Node> m_nodes;
    std::vector<Step> m_steps;
    std::optional<Failure> m_failure;
    const char* m_target = nullptr;
    const char* m_textbook = nullptr;
};
