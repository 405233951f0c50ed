#include "engine/WorkingText.h"

#include "engine/BookNumber.h"

using namespace Qt::Literals::StringLiterals;

namespace WorkingText {

namespace {

using Op = Working::Op;
using Kind = EngineError::Kind;

// How tightly a piece of a formula binds: a sum, a product or quotient (and a value in
// powers of ten, "2 · 10⁻⁶"), a negation (and a negative value), a square, a symbol or
// value (or a root, which carries its own bracket).
enum Binding { Sum = 1, Product, Negation, Square, Atom };

struct Piece
{
    QString text;
    Binding binding;
    // A value with its minus sign, bracketed wherever it stands inside an expression.
    bool negativeValue = false;
};

const QString times = QStringLiteral(" · ");

// A value in book form binds as it reads: "−20" as a negation, "9 · 10⁹" as a product.
Piece valuePiece(const QString& book)
{
    if (book.startsWith(u'−'))
        return {book, Negation, true};
    return {book, book.contains(times) ? Product : Atom};
}

// Writes a node of the working either in symbols or with the values used.
class Writer
{
public:
    Writer(const Working& working, const RowSymbols& rows, QChar separator, bool values)
        : w(working)
        , rows(rows)
        , separator(separator)
        , values(values)
    {
    }

    Piece write(int i) const
    {
        const Working::Node& n = w.node(i);
        switch (n.op) {
        case Op::Field:
            return values ? valuePiece(BookNumber::fromText(n.shown, separator)) : Piece{rows.symbol(n.name), Atom};
        case Op::Constant:
            return values || !n.name ? valuePiece(BookNumber::of(n.value, separator)) : Piece{QString::fromUtf8(n.name), Atom};
        case Op::Add:
            // A sum started from 0 leaves the 0 out.
            if (isBareZero(n.left))
                return write(n.right);
            return {inner(n.left) + u" + "_s + operand(n.right, Sum), Sum};
        case Op::Subtract:
            return {inner(n.left) + u" − "_s + operand(n.right, Product), Sum};
        case Op::Multiply:
            return product(n);
        case Op::Divide:
            return {dividend(n.left) + u" / "_s + operand(n.right, Square), Product};
        case Op::Negate:
            return {u"−"_s + operand(n.left, Square), Negation};
        case Op::SquareRoot:
            return {u"√"_s + operand(n.left, Atom), Atom};
        }
        return {};
    }

private:
    // Each factor as written; a square where one factor is used twice ("v²", "F · d²"),
    // and a bare number ahead of what it multiplies ("2 · a").
    Piece product(const Working::Node& n) const
    {
        if (n.left == n.right)
            return square(n.left);
        const Working::Node& left = w.node(n.left);
        if (left.op == Op::Multiply && left.right == n.right && left.left != left.right)
            return {factor(left.left) + times + square(n.right).text, Product};
        if (isBare(n.right) && !isBare(n.left))
            return {factor(n.right) + times + factor(n.left), Product};
        return {factor(n.left) + times + factor(n.right), Product};
    }
    Piece square(int i) const { return {operand(i, Atom) + u'²', Square}; }
    // A factor: a quotient is bracketed too, so "a · (b / c)" and "(a / b) · c" read as made.
    QString factor(int i) const
    {
        const Piece p = write(i);
        const bool bracket = p.binding < Product || (p.binding == Product && w.node(i).op == Op::Divide)
                             || p.binding == Negation;
        return bracket ? bracketed(p.text) : p.text;
    }
    // A dividend that is a sum or a quotient is bracketed: "(S − S₀) / V", "(a / b) / c".
    QString dividend(int i) const
    {
        const Piece p = write(i);
        return p.binding < Product || w.node(i).op == Op::Divide || p.negativeValue ? bracketed(p.text) : p.text;
    }
    // An operand that binds less tightly than `least` is bracketed, and so is a negation
    // after an operator.
    QString operand(int i, Binding least) const
    {
        const Piece p = write(i);
        return p.binding < least || p.binding == Negation ? bracketed(p.text) : p.text;
    }
    // The first term of a sum: bracketed only if it is a negative value.
    QString inner(int i) const
    {
        const Piece p = write(i);
        return p.negativeValue ? bracketed(p.text) : p.text;
    }
    static QString bracketed(const QString& text) { return u'(' + text + u')'; }
    bool isBare(int i) const { return w.node(i).op == Op::Constant && !w.node(i).name; }
    bool isBareZero(int i) const { return isBare(i) && w.node(i).value == Number(0); }

    const Working& w;
    const RowSymbols& rows;
    QChar separator;
    bool values;
};

QString symbolOf(const RowSymbols& rows, const char* field)
{
    return field ? rows.symbol(field) : QString();
}

}

QString listed(const QStringList& symbols)
{
    if (symbols.size() <= 1)
        return symbols.join(QString());
    return symbols.mid(0, symbols.size() - 1).join(u", "_s) + u" e "_s + symbols.last();
}

QString resultText(QStringView written, QChar decimalSeparator)
{
    return BookNumber::fromText(written, decimalSeparator);
}

QString resultLine(const Working::Step& step, const RowSymbols& rows, QChar decimalSeparator)
{
    const QString unit = rows.unit(step.target);
    return rows.symbol(step.target) + u" = "_s + resultText(step.written, decimalSeparator)
           + (unit.isEmpty() ? QString() : u' ' + unit);
}

std::vector<QStringList> steps(const Working& working, const RowSymbols& rows, QChar decimalSeparator)
{
    const Writer inSymbols(working, rows, decimalSeparator, false);
    const Writer inValues(working, rows, decimalSeparator, true);
    std::vector<QStringList> out;
    out.reserve(working.steps().size());
    for (const Working::Step& step : working.steps()) {
        const QString lhs = rows.symbol(step.target) + u" = "_s;
        QStringList lines;
        if (step.textbook)
            lines << QString::fromUtf8(step.textbook);
        lines << lhs + inSymbols.write(step.root).text << lhs + inValues.write(step.root).text
              << resultLine(step, rows, decimalSeparator);
        out.push_back(std::move(lines));
    }
    return out;
}

QStringList lines(const Working& working, const RowSymbols& rows, QChar decimalSeparator)
{
    QStringList out;
    for (const QStringList& step : steps(working, rows, decimalSeparator))
        out << step;
    return out;
}

QString reason(const Working& working, const RowSymbols& rows, QChar decimalSeparator, const QStringList& blankFields)
{
    const std::optional<Working::Failure>& f = working.failure();
    if (!f) {
        if (!working.steps().empty())
            return {};
        if (blankFields.isEmpty())
            return QStringLiteral("Nenhum campo em branco: nada a calcular.");
        return QStringLiteral("Nada a calcular: esta página não calcula %1.").arg(listed(blankFields));
    }
    const Writer inSymbols(working, rows, decimalSeparator, false);
    const QString field = symbolOf(rows, f->field);
    const QString target = symbolOf(rows, f->target);
    switch (f->kind) {
    case Kind::BlankOperand:
        if (blankFields.size() > 1)
            return QStringLiteral("Mais de um campo em branco: %1.").arg(listed(blankFields));
        return QStringLiteral("O campo %1 está em branco.").arg(field);
    case Kind::NotANumber:
        return QStringLiteral("O valor de %1 não é um número: “%2”.").arg(field, f->text);
    case Kind::DivisionByZero:
        return QStringLiteral("Divisão por zero: %1 = 0.").arg(inSymbols.write(f->right).text);
    case Kind::Overflow:
        if (f->field)
            return QStringLiteral("O valor de %1 é grande demais: “%2”.").arg(field, f->text);
        return target.isEmpty() ? QStringLiteral("Resultado grande demais.")
                                : QStringLiteral("Resultado grande demais para %1.").arg(target);
    case Kind::OutOfRange:
        return QStringLiteral("O valor de %1 está fora do alcance: “%2”.").arg(field, f->text);
    case Kind::InvalidOperation:
        if (f->op == Op::Divide)
            return QStringLiteral("Divisão de zero por zero: %1 = 0 e %2 = 0.")
                .arg(inSymbols.write(f->left).text, inSymbols.write(f->right).text);
        if (f->op == Op::SquareRoot)
            return QStringLiteral("Raiz quadrada de número negativo: %1 = %2.")
                .arg(inSymbols.write(f->left).text, BookNumber::of(working.node(f->left).value, decimalSeparator));
        return QStringLiteral("Operação inválida.");
    }
    return {};
}

}
