#include "engine/WorkingText.h"

#include "engine/NumberText.h"

using namespace Qt::Literals::StringLiterals;

namespace WorkingText {

namespace {

using Op = Working::Op;
using Kind = EngineError::Kind;

// How tightly a piece of a formula binds: a sum, a product or quotient, a negation, a
// square, a symbol or value (or a root, which carries its own bracket).
enum Binding { Sum = 1, Product, Negation, Square, Atom };

struct Piece
{
    QString text;
    Binding binding;
};

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
            return {values ? signedValue(n.shown) : rows.symbol(n.name), Atom};
        case Op::Constant:
            return {values || !n.name ? signedValue(NumberText::format(n.value, separator)) : QString::fromUtf8(n.name), Atom};
        case Op::Add:
            // A sum started from 0 leaves the 0 out.
            if (isBareZero(n.left))
                return write(n.right);
            return {write(n.left).text + u" + "_s + operand(n.right, Sum), Sum};
        case Op::Subtract:
            return {write(n.left).text + u" − "_s + operand(n.right, Product), Sum};
        case Op::Multiply:
            return product(n);
        case Op::Divide:
            return {dividend(n.left) + u" / "_s + operand(n.right, Square), Product};
        case Op::Negate:
            return {u"−"_s + operand(n.left, Square), Negation};
        case Op::SquareRoot: {
            const Piece radicand = write(n.left);
            return {u"√"_s + (radicand.binding == Atom ? radicand.text : u'(' + radicand.text + u')'), Atom};
        }
        }
        return {};
    }

private:
    // Each factor as written; a square where one factor is used twice ("v²", "F·d²"), and
    // a bare number ahead of what it multiplies ("2·a").
    Piece product(const Working::Node& n) const
    {
        if (n.left == n.right)
            return square(n.left);
        const Working::Node& left = w.node(n.left);
        if (left.op == Op::Multiply && left.right == n.right && left.left != left.right)
            return {factor(left.left) + u'·' + square(n.right).text, Product};
        if (isBare(n.right) && !isBare(n.left))
            return {factor(n.right) + u'·' + factor(n.left), Product};
        return {factor(n.left) + u'·' + factor(n.right), Product};
    }
    Piece square(int i) const { return {operand(i, Atom) + u'²', Square}; }
    // A factor: a quotient is bracketed too, so "a·(b / c)" and "(a / b)·c" read as made.
    QString factor(int i) const
    {
        const Piece p = write(i);
        const bool bracket = p.binding < Product || (p.binding == Product && w.node(i).op == Op::Divide)
                             || p.binding == Negation;
        return bracket ? u'(' + p.text + u')' : p.text;
    }
    QString dividend(int i) const
    {
        const Piece p = write(i);
        return p.binding < Product || w.node(i).op == Op::Divide ? u'(' + p.text + u')' : p.text;
    }
    // An operand that binds less tightly than `least` is bracketed, and so is a negation
    // after an operator.
    QString operand(int i, Binding least) const
    {
        const Piece p = write(i);
        return p.binding < least || p.binding == Negation ? u'(' + p.text + u')' : p.text;
    }
    static QString signedValue(const QString& text)
    {
        return text.trimmed().startsWith(u'-') ? u'(' + text.trimmed() + u')' : text.trimmed();
    }
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

QStringList lines(const Working& working, const RowSymbols& rows, QChar decimalSeparator)
{
    const Writer inSymbols(working, rows, decimalSeparator, false);
    const Writer inValues(working, rows, decimalSeparator, true);
    QStringList out;
    for (const Working::Step& step : working.steps()) {
        const QString lhs = rows.symbol(step.target) + u" = "_s;
        const QString unit = rows.unit(step.target);
        out << lhs + inSymbols.write(step.root).text << lhs + inValues.write(step.root).text
            << lhs + step.written + (unit.isEmpty() ? QString() : u' ' + unit);
    }
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
                .arg(inSymbols.write(f->left).text, NumberText::format(working.node(f->left).value, decimalSeparator));
        return QStringLiteral("Operação inválida.");
    }
    return {};
}

}
