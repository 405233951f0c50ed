#pragma once

#include "engine/Row.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

// One line of the Caderno as a student writes it ("S = S0 + V·t", "t = (910 − 290)/10,4"),
// read against the symbols of a topic into a small expression tree per side.
namespace LineReader {

// The symbols a line may use, with the spellings a keyboard types for them: "S₀" is also
// "S0", "So" and "Sₒ"; "Δs" is also "DeltaS", "dS" and "ΔS"; "V" is also "v" where the
// topic has no v. A spelling that could be two symbols belongs to the one spelt so, then to
// the one typed so, a letter in the other case last; two of the same standing, to none.
class Symbols
{
public:
    Symbols() = default;
    explicit Symbols(std::span<const Row> rows);
    // A symbol that is not a row (a constant of the page: "g", "k"); its index is returned.
    int add(const QString& symbol);

    int size() const { return int(m_names.size()); }
    const QString& name(int i) const { return m_names[std::size_t(i)]; }
    // The longest spelling of a symbol that `text` begins with: its symbol and length.
    std::optional<std::pair<int, int>> longest(QStringView text) const;
    bool has(QStringView spelling) const;

private:
    // How firmly a spelling belongs to its symbol.
    enum Standing : unsigned char { OtherCase, Typed, Own };
    void spell(const QString& spelling, int symbol, Standing standing);

    std::vector<QString> m_names;
    struct Spelling
    {
        QString text;
        int symbol;
        Standing standing;
    };
    std::vector<Spelling> m_spellings;
};

struct Node
{
    enum Kind : unsigned char { Number, Symbol, Add, Subtract, Multiply, Divide, Power, Negate, Root, Sine, Cosine, Tangent };
    Kind kind = Number;
    long double value = 0;
    int symbol = -1;
    int left = -1;
    int right = -1;
};

// One side of a line; `root` is -1 for an empty side.
struct Expression
{
    std::vector<Node> nodes;
    int root = -1;

    bool symbols() const;
    bool operations() const;
    // The symbol the side is, when it is a symbol alone.
    int single() const;
};

struct Line
{
    enum Status { Empty, Read, Unreadable } status = Empty;
    Expression left;
    // Present for a line "lhs = rhs".
    std::optional<Expression> right;
    // The right side as typed, for reading it as a value with a unit ("72 km/h").
    QString rightText;
    // Why it could not be read, as a sentence: "Não entendi a partir de “)”."
    QString problem;
    // A run of letters that is no symbol of the topic ("d"), when that is what failed.
    QString unknown;
};

// Never throws; nesting deeper than 100 and lines longer than 2000 characters are
// sentences, not crashes.
Line read(QStringView text, const Symbols& symbols);

// The value of an expression with `values[i]` for symbol i, in 80 bits; empty for what
// has none (a division by zero, the root of a negative, a symbol with no value).
std::optional<long double> evaluate(const Expression& e, std::span<const std::optional<long double>> values);
std::optional<long double> evaluate(const Expression& e, int node, std::span<const std::optional<long double>> values);

}
