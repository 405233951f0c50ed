#include "exercises/LineReader.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// A reader of our own, not muparser: what students write is not a programming language.
// A decimal comma beside a comma that is no separator, products without a sign ("Vt",
// "2at²", "m g h") split into the topic's symbols by the longest match, subscripts typed
// four ways ("S0", "So", "S₀", "Sₒ"), "Δs" typed "DeltaS" or "dS", "v" for "V" where the
// topic has no v, "x" a product only where it has no symbol x, superscript powers, "√(…)",
// "raiz(…)", "sen", "tg", 80-bit values throughout, and a sentence that says where a line
// stopped making sense.
// muparser's grammar has none of these; the pre-processor it would need is a parser.

namespace LineReader {

namespace {

constexpr int maxDepth = 100;
constexpr qsizetype maxLength = 2000;

QChar plainSubscript(QChar c)
{
    static const QString subs = QString::fromUtf8("₀₁₂₃₄₅₆₇₈₉ₐₑₒₓₕₖₗₘₙₚₛₜᵢⱼᵣᵤᵥ");
    static const QString plain = QStringLiteral("0123456789aeoxhklmnpstijruv");
    const qsizetype i = subs.indexOf(c);
    return i < 0 ? c : plain[i];
}

bool isSubscript(QChar c)
{
    return plainSubscript(c) != c;
}

int superscriptDigit(QChar c)
{
    static const QString sups = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    return int(sups.indexOf(c));
}

bool letterLike(QChar c)
{
    return c.isLetter() || isSubscript(c);
}

// The spelling with its first letter in the other case ("v₀" for "V₀"); itself when that
// is no Latin letter (µ, π, ƒ have no other case a keyboard types for them).
QString otherCase(const QString& spelling)
{
    if (spelling.isEmpty() || spelling[0].unicode() >= 128 || !spelling[0].isLetter())
        return spelling;
    QString out = spelling;
    out[0] = out[0].isUpper() ? out[0].toLower() : out[0].toUpper();
    return out;
}

}

Symbols::Symbols(std::span<const Row> rows)
{
    for (const Row& r : rows)
        add(QString::fromUtf8(r.symbol));
}

int Symbols::add(const QString& symbol)
{
    for (int i = 0; i < size(); ++i) {
        if (m_names[std::size_t(i)] == symbol)
            return i;
    }
    const int index = size();
    m_names.push_back(symbol);
    spell(symbol, index, Own);
    const bool delta = symbol.startsWith(u'Δ');
    const QString body = delta ? symbol.mid(1) : symbol;
    // The body as typed without subscripts, and with a zero typed as the letter o.
    QStringList bodies{body};
    QString plain;
    for (QChar c : body)
        plain += plainSubscript(c);
    bodies << plain;
    // The books' hooked ƒ (frequency, friction) is an f on a keyboard.
    if (plain.contains(QChar(0x0192)))
        bodies << QString(plain).replace(QChar(0x0192), u'f');
    if (body.contains(QChar(0x2080))) {
        bodies << QString(plain).replace(u'0', u'o') << QString(plain).replace(u'0', u'O')
               << QString(body).replace(QChar(0x2080), QChar(0x2092));
    }
    if (delta) {
        // "dS" and "ds" are both a change: the case of a delta's body is never read.
        QStringList cased;
        for (const QString& b : bodies)
            cased << b << otherCase(b);
        for (const QString& head : {QStringLiteral("Δ"), QStringLiteral("Delta"), QStringLiteral("delta"),
                                    QStringLiteral("d"), QStringLiteral("D")}) {
            for (const QString& b : cased)
                spell(head + b, index, Typed);
        }
    } else {
        for (const QString& b : bodies)
            spell(b, index, Typed);
        // A student's "v" for the book's "V": read so unless the topic has a v too.
        for (const QString& b : bodies)
            spell(otherCase(b), index, OtherCase);
    }
    return index;
}

void Symbols::spell(const QString& spelling, int symbol, Standing standing)
{
    // An empty spelling would match everywhere and read nothing.
    if (spelling.isEmpty())
        return;
    for (Spelling& s : m_spellings) {
        if (s.text != spelling)
            continue;
        if (s.symbol == symbol)
            s.standing = std::max(s.standing, standing);
        else if (standing > s.standing)
            s = {spelling, symbol, standing};
        else if (standing == s.standing)
            // Two symbols typed the same way: neither is read from it.
            s.symbol = -1;
        return;
    }
    m_spellings.push_back({spelling, symbol, standing});
}

std::optional<std::pair<int, int>> Symbols::longest(QStringView text) const
{
    std::optional<std::pair<int, int>> best;
    for (const Spelling& s : m_spellings) {
        if (s.symbol < 0 || !text.startsWith(s.text))
            continue;
        if (!best || s.text.size() > best->second)
            best = std::pair{s.symbol, int(s.text.size())};
    }
    return best;
}

bool Symbols::has(QStringView spelling) const
{
    for (const Spelling& s : m_spellings) {
        if (s.symbol >= 0 && s.text == spelling)
            return true;
    }
    return false;
}

bool Expression::symbols() const
{
    for (const Node& n : nodes) {
        if (n.kind == Node::Symbol)
            return true;
    }
    return false;
}

bool Expression::operations() const
{
    for (const Node& n : nodes) {
        if (n.kind != Node::Number && n.kind != Node::Symbol)
            return true;
    }
    return false;
}

int Expression::single() const
{
    return root >= 0 && nodes[std::size_t(root)].kind == Node::Symbol ? nodes[std::size_t(root)].symbol : -1;
}

namespace {

struct Token
{
    enum Kind { Number, Symbol, Operator, Function, Power, End } kind = End;
    long double value = 0;
    int symbol = -1;
    QChar op;
    Node::Kind function = Node::Root;
    qsizetype at = 0;
};

struct Failure
{
    qsizetype at;
    QString unknown;
    QString sentence;
};

class Lexer
{
public:
    Lexer(QStringView text, const Symbols& symbols) : m_text(text), m_symbols(symbols) { }

    std::optional<Failure> run(std::vector<Token>& out)
    {
        qsizetype i = 0;
        const qsizetype n = m_text.size();
        while (i < n) {
            const QChar c = m_text[i];
            if (c.isSpace()) {
                ++i;
                continue;
            }
            Token t;
            t.at = i;
            // ASCII digits only: another script's digit must not start a number it cannot end.
            if ((c >= u'0' && c <= u'9') || ((c == u',' || c == u'.') && i + 1 < n && m_text[i + 1] >= u'0' && m_text[i + 1] <= u'9')) {
                i = number(i, t);
            } else if (superscriptDigit(c) >= 0 || c == QChar(0x207B)) {
                t.kind = Token::Power;
                bool negative = c == QChar(0x207B);
                if (negative)
                    ++i;
                long double v = 0;
                qsizetype digits = 0;
                while (i < n && superscriptDigit(m_text[i]) >= 0 && digits < 6) {
                    v = v * 10 + superscriptDigit(m_text[i++]);
                    ++digits;
                }
                if (digits == 0)
                    return Failure{t.at, {}, {}};
                t.value = negative ? -v : v;
            } else if (QStringLiteral("+-*/^()=").contains(c) || c == QChar(0x2212) || c == QChar(0x2013)
                       || c == QChar(0x00B7) || c == QChar(0x22C5) || c == QChar(0x00D7) || c == QChar(0x00F7)
                       || c == u'[' || c == u']' || c == u'{' || c == u'}') {
                t.kind = Token::Operator;
                t.op = c == QChar(0x2212) || c == QChar(0x2013) ? u'-'
                    : (c == QChar(0x00B7) || c == QChar(0x22C5) || c == QChar(0x00D7)) ? u'*'
                    : c == QChar(0x00F7)                                                 ? u'/'
                    : (c == u'[' || c == u'{')                                           ? u'('
                    : (c == u']' || c == u'}')                                           ? u')'
                                                                                         : c;
                ++i;
            } else if (c == QChar(0x221A)) {
                t.kind = Token::Function;
                t.function = Node::Root;
                ++i;
            } else if (c == QChar(0x03C0) && !m_symbols.longest(m_text.mid(i))) {
                t.kind = Token::Number;
                t.value = std::numbers::pi_v<long double>;
                ++i;
            } else if (letterLike(c) || c == QChar(0x0394)) {
                if (auto f = function(i, t)) {
                    i = *f;
                } else if (auto s = m_symbols.longest(m_text.mid(i)); s && s->second > 0) {
                    t.kind = Token::Symbol;
                    t.symbol = s->first;
                    i += s->second;
                } else if (c == u'x') {
                    t.kind = Token::Operator;
                    t.op = u'*';
                    ++i;
                } else {
                    qsizetype e = i + 1;
                    while (e < n && letterLike(m_text[e]))
                        ++e;
                    return Failure{i, m_text.mid(i, e - i).toString(), {}};
                }
            } else {
                return Failure{i, {}, {}};
            }
            out.push_back(t);
        }
        Token end;
        end.at = n;
        out.push_back(end);
        return std::nullopt;
    }

private:
    // Digits with a decimal comma or point; groups of three after a space ("12 500").
    qsizetype number(qsizetype i, Token& t)
    {
        const qsizetype n = m_text.size();
        QString digits;
        bool point = false;
        while (i < n) {
            const QChar c = m_text[i];
            if (c.isDigit() && c.unicode() < 128) {
                digits += c;
                ++i;
            } else if ((c == u',' || c == u'.') && !point && i + 1 < n && m_text[i + 1].isDigit()) {
                digits += u'.';
                point = true;
                ++i;
            } else if (!point && (c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F)) && i + 3 < n + 0
                       && m_text[i + 1].isDigit() && m_text[i + 2].isDigit() && m_text[i + 3].isDigit()
                       && (i + 4 >= n || !m_text[i + 4].isDigit()) && digits.size() <= 3 && !digits.isEmpty()) {
                // A thousands group, as the statement prints it.
                ++i;
            } else {
                break;
            }
        }
        t.kind = Token::Number;
        bool ok = false;
        t.value = std::strtold(digits.toLatin1().constData(), nullptr);
        ok = std::isfinite(t.value);
        if (!ok)
            t.value = HUGE_VALL;
        return i;
    }

    std::optional<qsizetype> function(qsizetype i, Token& t) const
    {
        struct Name
        {
            const char* text;
            Node::Kind kind;
        };
        static const Name names[] = {{"sqrt", Node::Root},   {"raiz", Node::Root},   {"sen", Node::Sine},
                                     {"sin", Node::Sine},    {"cos", Node::Cosine},  {"tg", Node::Tangent},
                                     {"tan", Node::Tangent}};
        for (const Name& name : names) {
            const QString s = QString::fromLatin1(name.text);
            if (!m_text.mid(i).startsWith(s, Qt::CaseInsensitive))
                continue;
            // A function is followed by its argument; "tg" between symbols t and g is t·g
            // unless a bracket follows.
            qsizetype j = i + s.size();
            while (j < m_text.size() && m_text[j].isSpace())
                ++j;
            if (j < m_text.size() && (m_text[j] == u'(' || m_text[j].isDigit() || m_text[j] == u'[')) {
                t.kind = Token::Function;
                t.function = name.kind;
                return i + s.size();
            }
        }
        return std::nullopt;
    }

    QStringView m_text;
    const Symbols& m_symbols;
};

class Parser
{
public:
    Parser(const std::vector<Token>& tokens, std::size_t from, Expression& out) : m_tokens(tokens), m_i(from), m_out(out) { }

    // Reads one side, up to "=" or the end.
    std::optional<Failure> side()
    {
        if (atEnd())
            return std::nullopt;
        const int root = sum();
        if (m_failure)
            return m_failure;
        if (!atEnd())
            return Failure{peek().at, {}, {}};
        m_out.root = root;
        return std::nullopt;
    }
    std::size_t position() const { return m_i; }

private:
    const Token& peek() const { return m_tokens[m_i]; }
    bool atEnd() const { return peek().kind == Token::End || isOp(u'='); }
    bool isOp(QChar c) const { return peek().kind == Token::Operator && peek().op == c; }
    int node(Node n)
    {
        m_out.nodes.push_back(n);
        return int(m_out.nodes.size()) - 1;
    }
    int fail(qsizetype at, QString sentence = {})
    {
        if (!m_failure)
            m_failure = Failure{at, {}, std::move(sentence)};
        return -1;
    }

    int sum()
    {
        int left = product();
        while (!m_failure && (isOp(u'+') || isOp(u'-'))) {
            const Node::Kind k = peek().op == u'+' ? Node::Add : Node::Subtract;
            ++m_i;
            const int right = product();
            left = node({k, 0, -1, left, right});
        }
        return left;
    }

    bool startsFactor() const
    {
        const Token& t = peek();
        return t.kind == Token::Number || t.kind == Token::Symbol || t.kind == Token::Function
            || (t.kind == Token::Operator && t.op == u'(');
    }

    int product()
    {
        int left = unary();
        while (!m_failure) {
            Node::Kind k = Node::Multiply;
            if (isOp(u'*') || isOp(u'/')) {
                k = peek().op == u'*' ? Node::Multiply : Node::Divide;
                ++m_i;
            } else if (!startsFactor()) {
                break;
            }
            const int right = unary();
            left = node({k, 0, -1, left, right});
        }
        return left;
    }

    int unary()
    {
        if (isOp(u'-') || isOp(u'+')) {
            const bool minus = peek().op == u'-';
            ++m_i;
            Depth d(*this);
            if (m_failure)
                return -1;
            const int operand = unary();
            return minus ? node({Node::Negate, 0, -1, operand, -1}) : operand;
        }
        return power();
    }

    int power()
    {
        int base = primary();
        while (!m_failure && peek().kind == Token::Power) {
            const int exponent = node({Node::Number, peek().value});
            ++m_i;
            base = node({Node::Power, 0, -1, base, exponent});
        }
        if (!m_failure && isOp(u'^')) {
            ++m_i;
            Depth d(*this);
            if (m_failure)
                return -1;
            const int exponent = unary();
            return node({Node::Power, 0, -1, base, exponent});
        }
        return base;
    }

    int primary()
    {
        const Token& t = peek();
        switch (t.kind) {
        case Token::Number:
            ++m_i;
            return node({Node::Number, t.value});
        case Token::Symbol:
            ++m_i;
            return node({Node::Symbol, 0, t.symbol});
        case Token::Function: {
            ++m_i;
            Depth d(*this);
            if (m_failure)
                return -1;
            const int operand = power();
            return node({t.function, 0, -1, operand, -1});
        }
        case Token::Operator:
            if (t.op == u'(') {
                ++m_i;
                Depth d(*this);
                if (m_failure)
                    return -1;
                const int inner = sum();
                if (m_failure)
                    return -1;
                if (!isOp(u')'))
                    return fail(peek().at, peek().kind == Token::End ? QStringLiteral("Falta fechar um parêntese.") : QString());
                ++m_i;
                return inner;
            }
            return fail(t.at);
        default:
            return fail(t.at);
        }
    }

    // One level more of brackets or operators: deep nesting is a sentence, not a crash.
    struct Depth
    {
        explicit Depth(Parser& p) : parser(p)
        {
            if (++parser.m_depth > maxDepth)
                parser.fail(parser.peek().at, QStringLiteral("Há parênteses demais, uns dentro dos outros."));
        }
        ~Depth() { --parser.m_depth; }
        Parser& parser;
    };

    const std::vector<Token>& m_tokens;
    std::size_t m_i;
    Expression& m_out;
    std::optional<Failure> m_failure;
    int m_depth = 0;
};

QString where(QStringView text, qsizetype at)
{
    if (at >= text.size())
        return QStringLiteral("Não entendi o fim da linha.");
    QString from = text.mid(at, 12).toString().trimmed();
    if (at + 12 < text.size())
        from += u'…';
    return QStringLiteral("Não entendi a partir de “%1”.").arg(from);
}

}

Line read(QStringView text, const Symbols& symbols)
{
    Line line;
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return line;
    line.status = Line::Unreadable;
    if (trimmed.size() > maxLength) {
        line.problem = QStringLiteral("A linha é longa demais: escreva um passo por linha.");
        return line;
    }
    std::vector<Token> tokens;
    tokens.reserve(std::size_t(trimmed.size()) + 1);
    if (auto f = Lexer(trimmed, symbols).run(tokens)) {
        line.unknown = f->unknown;
        line.problem = f->unknown.isEmpty() ? where(trimmed, f->at)
                                            : QStringLiteral("Neste tópico não há símbolo %1.").arg(f->unknown);
        return line;
    }
    std::size_t equals = tokens.size();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Operator && tokens[i].op == u'=') {
            if (equals != tokens.size()) {
                line.problem = where(trimmed, tokens[i].at);
                return line;
            }
            equals = i;
        }
    }
    Parser left(tokens, 0, line.left);
    if (auto f = left.side()) {
        line.problem = f->sentence.isEmpty() ? where(trimmed, f->at) : f->sentence;
        return line;
    }
    if (equals != tokens.size()) {
        if (line.left.root < 0) {
            line.problem = QStringLiteral("Falta o que vem antes do “=”.");
            return line;
        }
        line.right.emplace();
        Parser right(tokens, equals + 1, *line.right);
        if (auto f = right.side()) {
            line.problem = f->sentence.isEmpty() ? where(trimmed, f->at) : f->sentence;
            return line;
        }
        if (line.right->root < 0) {
            line.problem = QStringLiteral("Falta o que vem depois do “=”.");
            return line;
        }
        line.rightText = trimmed.mid(tokens[equals].at + 1).trimmed().toString();
    }
    line.status = Line::Read;
    return line;
}

std::optional<long double> evaluate(const Expression& e, int i, std::span<const std::optional<long double>> values)
{
    if (i < 0 || std::size_t(i) >= e.nodes.size())
        return std::nullopt;
    const Node& n = e.nodes[std::size_t(i)];
    if (n.kind == Node::Number)
        return std::isfinite(n.value) ? std::optional(n.value) : std::nullopt;
    if (n.kind == Node::Symbol)
        return n.symbol >= 0 && std::size_t(n.symbol) < values.size() ? values[std::size_t(n.symbol)] : std::nullopt;
    const auto a = evaluate(e, n.left, values);
    if (!a)
        return std::nullopt;
    std::optional<long double> b;
    if (n.right >= 0) {
        b = evaluate(e, n.right, values);
        if (!b)
            return std::nullopt;
    }
    constexpr long double degree = std::numbers::pi_v<long double> / 180;
    long double r = 0;
    switch (n.kind) {
    case Node::Add: r = *a + *b; break;
    case Node::Subtract: r = *a - *b; break;
    case Node::Multiply: r = *a * *b; break;
    case Node::Divide:
        if (*b == 0)
            return std::nullopt;
        r = *a / *b;
        break;
    case Node::Power: r = std::pow(*a, *b); break;
    case Node::Negate: r = -*a; break;
    case Node::Root:
        if (*a < 0)
            return std::nullopt;
        r = std::sqrt(*a);
        break;
    case Node::Sine: r = std::sin(*a * degree); break;
    case Node::Cosine: r = std::cos(*a * degree); break;
    case Node::Tangent: r = std::tan(*a * degree); break;
    default: return std::nullopt;
    }
    return std::isfinite(r) ? std::optional(r) : std::nullopt;
}

std::optional<long double> evaluate(const Expression& e, std::span<const std::optional<long double>> values)
{
    return evaluate(e, e.root, values);
}

}
