// The usual slips of a line that does not hold, each named in a sentence for the hint.
#include "exercises/LineCheck.h"

#include <algorithm>
#include <cmath>

using LineReader::Expression;
using LineReader::Line;
using LineReader::Node;

namespace {

// The side with node i squared: "(a + b)" becomes "(a + b)²".
Expression squared(Expression e, std::size_t i)
{
    const Node inner = e.nodes[i];
    e.nodes.push_back(inner);
    e.nodes.push_back({Node::Number, 2});
    e.nodes[i] = {Node::Power, 0, -1, int(e.nodes.size()) - 2, int(e.nodes.size()) - 1};
    return e;
}

// A node a student writes in brackets to square it whole: neither a number nor a symbol.
bool bracketed(const Node& n)
{
    return n.kind != Node::Number && n.kind != Node::Symbol;
}

const QString bracketSquareHint =
    QStringLiteral("Esqueceu o quadrado de um parêntese inteiro? O ² depois do “)” vale para tudo o que está dentro.");

}

// The numbers of a substitution give the value once a bracket of them is squared.
QString LineCheck::bracketSquared(const Expression& e, long double truth) const
{
    if (!m_squares)
        return {};
    for (std::size_t i = 0; i < e.nodes.size(); ++i) {
        if (!bracketed(e.nodes[i]))
            continue;
        const auto v = LineReader::evaluate(squared(e, i), m_solutions.front());
        // Within 1 %, as a substitution is judged.
        if (v && std::fabs(*v - truth) <= 0.01L * std::max(std::fabs(*v), std::fabs(truth)))
            return bracketSquareHint;
    }
    return {};
}

// The usual slips, tried one at a time on the line as written: the first one that makes
// it hold is named.
QString LineCheck::slip(const Line& line) const
{
    auto tryOn = [&](bool leftSide, auto&& change) -> bool {
        const Expression& side = leftSide ? line.left : *line.right;
        for (std::size_t i = 0; i < side.nodes.size(); ++i) {
            Line copy = line;
            Expression& e = leftSide ? copy.left : *copy.right;
            if (change(e, i) && relates(copy))
                return true;
        }
        return false;
    };
    auto bothSides = [&](auto&& change) { return tryOn(true, change) || tryOn(false, change); };
    // A symbol for the one that differs from it in case alone: the letter was read as written.
    for (bool leftSide : {true, false}) {
        const Expression& side = leftSide ? line.left : *line.right;
        for (std::size_t i = 0; i < side.nodes.size(); ++i) {
            const int twin = side.nodes[i].kind == Node::Symbol ? otherCase(side.nodes[i].symbol) : -1;
            if (twin < 0)
                continue;
            Line copy = line;
            (leftSide ? copy.left : *copy.right).nodes[i].symbol = twin;
            if (relates(copy))
                return bothCases(side.nodes[i].symbol, twin);
        }
    }
    if (bothSides([](Expression& e, std::size_t i) {
            if (e.nodes[i].kind != Node::Divide)
                return false;
            std::swap(e.nodes[i].left, e.nodes[i].right);
            return true;
        }))
        return QStringLiteral("A fração parece estar de cabeça para baixo: confira o numerador e o denominador.");
    if (bothSides([](Expression& e, std::size_t i) {
            Node& n = e.nodes[i];
            if (n.kind != Node::Divide && n.kind != Node::Multiply)
                return false;
            n.kind = n.kind == Node::Divide ? Node::Multiply : Node::Divide;
            return true;
        }))
        return QStringLiteral("Confira o que multiplica e o que divide.");
    if (bothSides([](Expression& e, std::size_t i) {
            Node& n = e.nodes[i];
            if (n.kind == Node::Add || n.kind == Node::Subtract) {
                n.kind = n.kind == Node::Add ? Node::Subtract : Node::Add;
                return true;
            }
            if (n.kind == Node::Negate) {
                n = e.nodes[std::size_t(n.left)];
                return true;
            }
            if (n.kind == Node::Symbol) {
                // A copy first: growing the vector moves `n`.
                const Node symbol = n;
                e.nodes.push_back(symbol);
                e.nodes[i] = {Node::Negate, 0, -1, int(e.nodes.size()) - 1, -1};
                return true;
            }
            return false;
        }))
        return QStringLiteral("Confira um sinal.");
    // A ½ or a 2 missing from any term, or from a whole side.
    for (long double k : {2.0L, 0.5L}) {
        if (bothSides([k](Expression& e, std::size_t i) {
                const Node term = e.nodes[i];
                if (term.kind == Node::Number)
                    return false;
                e.nodes.push_back(term);
                e.nodes.push_back({Node::Number, k});
                e.nodes[i] = {Node::Multiply, 0, -1, int(e.nodes.size()) - 2, int(e.nodes.size()) - 1};
                return true;
            }))
            return QStringLiteral("Falta um ½ ou um 2?");
    }
    if (m_squares && bothSides([](Expression& e, std::size_t i) {
            if (!bracketed(e.nodes[i]))
                return false;
            e = squared(std::move(e), i);
            return true;
        }))
        return bracketSquareHint;
    if (bothSides([](Expression& e, std::size_t i) {
            Node& n = e.nodes[i];
            if (n.kind == Node::Power) {
                n = e.nodes[std::size_t(n.left)];
                return true;
            }
            if (n.kind == Node::Root) {
                n = e.nodes[std::size_t(n.left)];
                return true;
            }
            if (n.kind != Node::Symbol)
                return false;
            const Node symbol = n;
            e.nodes.push_back(symbol);
            e.nodes.push_back({Node::Number, 2});
            e.nodes[i] = {Node::Power, 0, -1, int(e.nodes.size()) - 2, int(e.nodes.size()) - 1};
            return true;
        }))
        return QStringLiteral("Esqueceu um quadrado ou uma raiz?");
    for (bool leftSide : {true, false}) {
        Line copy = line;
        Expression& e = leftSide ? copy.left : *copy.right;
        e.nodes.push_back({Node::Root, 0, -1, e.root, -1});
        e.root = int(e.nodes.size()) - 1;
        if (relates(copy))
            return QStringLiteral("Esqueceu um quadrado ou uma raiz?");
    }
    return {};
}
