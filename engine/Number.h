#pragma once

#include <QString>

#include <cmath>
#include <limits>
#include <stdexcept>

// Every result of the program is computed with a 64-bit significand (the x87 extended
// format); a platform whose long double is narrower would print other digits.
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended format");

// Every failure of a calculation has a kind: the window shows its warning for a blank
// operand only, and the working says in words what went wrong.
class EngineError : public std::runtime_error
{
public:
    // OutOfRange: a text whose exponent is beyond what the program reads at all.
    enum class Kind { BlankOperand, NotANumber, DivisionByZero, InvalidOperation, Overflow, OutOfRange };

    EngineError(Kind kind, const std::string& message)
        : std::runtime_error(message)
        , m_kind(kind)
    {
    }
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// Text that is not a number ("'%s' is not a valid floating point value"); an empty text
// is a blank operand. A number too large for the arithmetic, or with an exponent past
// what is read, fails with the same message but says so by its kind.
class ConversionError : public EngineError
{
public:
    ConversionError(QStringView text, const QString& message, Kind kind = Kind::NotANumber)
        : EngineError(text.isEmpty() ? Kind::BlankOperand : kind, message.toStdString())
        , m_message(message)
    {
    }
    // The whole message, also where the text holds a NUL character that what() stops at.
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Division by zero, overflow or an invalid operation in a formula.
class MathError : public EngineError
{
public:
    explicit MathError(Kind kind)
        : EngineError(kind, messageOf(kind))
    {
    }

private:
    static const char* messageOf(Kind kind)
    {
        switch (kind) {
        case Kind::DivisionByZero:
            return "Floating point division by zero";
        case Kind::Overflow:
            return "Floating point overflow";
        default:
            return "Invalid floating point operation";
        }
    }
};

// An 80-bit extended value (64-bit significand, round to nearest even) whose arithmetic
// raises MathError instead of producing an infinity or a NaN. The checks look at the
// operands and the result, not at the FPU status flags, so they hold whatever the
// optimiser or a sanitizer does with those flags. Underflow stays quiet.
class Number
{
    using Kind = EngineError::Kind;

public:
    constexpr Number() = default;
    // A value from outside the arithmetic (a conversion, a constant) is checked like a
    // result: an infinity or a NaN never becomes a Number.
    Number(long double v) : m_value(finite(v)) { }

    constexpr long double value() const { return m_value; }

    friend Number operator+(Number a, Number b) { return Number(a.m_value + b.m_value); }
    friend Number operator-(Number a, Number b) { return Number(a.m_value - b.m_value); }
    friend Number operator*(Number a, Number b) { return Number(a.m_value * b.m_value); }
    friend Number operator/(Number a, Number b)
    {
        if (b.m_value == 0)
            throw MathError(a.m_value == 0 || std::isnan(a.m_value) ? Kind::InvalidOperation : Kind::DivisionByZero);
        return Number(a.m_value / b.m_value);
    }
    friend Number operator-(Number a) { return Number(-a.m_value); }
    friend Number sqrt(Number a)
    {
        if (a.m_value < 0)
            throw MathError(Kind::InvalidOperation);
        return Number(std::sqrt(a.m_value));
    }
    friend bool operator==(Number a, Number b) { return a.m_value == b.m_value; }

private:
    static long double finite(long double r)
    {
        if (std::isnan(r))
            throw MathError(Kind::InvalidOperation);
        if (std::isinf(r))
            throw MathError(Kind::Overflow);
        return r;
    }

    long double m_value = 0;
};
