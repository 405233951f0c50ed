#include "exercises/Exercise.h"

#include "engine/WorkingText.h"
#include "exercises/Notation.h"

#include <QHash>
#include <cmath>
#include <cstring>

// The key as a teacher writes it. The page's own working gives the formula and the
// substitution; the values it shows are those of the statement, a conversion or an
// intermediate result has four significant figures ("≈" where rounded), and the answer
// has the data's (answerText()). The calculator's own panel, which keeps every digit,
// is made from the working unchanged.

namespace {

struct Rounded
{
    Figures::Decimal decimal;
    bool exact = false;
};

// The fewest figures, up to four, that write `value`; four if none does.
Rounded fourFigures(long double value)
{
    for (int n = 1; n <= 4; ++n) {
        const Figures::Decimal d = Figures::rounded(value, n);
        if (std::fabs(d.value.value() - value) <= 1e-12L * std::fabs(value))
            return {d, true};
    }
    return {Figures::rounded(value, 4), false};
}

// A value as the working is to quote it, with its figures: in the fields' syntax, with a
// power of ten where the key prints one ("3,0E-4" for 0,00030, so that the working
// shows 3,0 · 10⁻⁴).
QString fieldText(const Figures::Decimal& d)
{
    const long double size = std::fabs(d.value.value());
    // Grouped as the statement prints it ("12 500"): the working quotes a text that is
    // not in the fields' syntax as it stands.
    if (d.value.value() >= 1e4L && size < 1e6L)
        return Notation::number(d);
    if (size == 0 || (size < 1e6L && size >= 1e-3L))
        return d.plain;
    QString digits;
    for (QChar c : d.plain) {
        if (c.isDigit() && !(digits.isEmpty() && c == u'0'))
            digits += c;
    }
    while (digits.size() < d.figures)
        digits += u'0';
    digits.truncate(std::max(d.figures, 1));
    const QString mantissa = digits.size() > 1 ? digits.left(1) + u',' + digits.mid(1) : digits;
    return (d.value.value() < 0 ? QStringLiteral("-") : QString()) + mantissa + u'E' + QString::number(Figures::decade(size));
}

QString equals(bool exact)
{
    return exact ? QStringLiteral(" = ") : QStringLiteral(" ≈ ");
}

QString withUnit(const Figures::Decimal& d, const QString& unit)
{
    return Notation::withUnit(Notation::number(d), unit);
}

// A copy of a working whose fields show other texts, by field: the values are the same,
// so is every line but those that quote them.
class Retold
{
public:
    Retold(const Working& from, QHash<QByteArray, QString> shown)
        : m_from(from)
        , m_shown(std::move(shown))
    {
        for (const Working::Step& s : from.steps()) {
            m_copy.begin(s.target);
            if (s.textbook)
                m_copy.textbook(s.textbook);
            m_copy.wrote(copy(s.root), s.written);
            // A later step that reads this result quotes it as the key wrote it.
            m_shown.insert(QByteArray(s.target), fieldText(fourFigures(from.node(s.root).value.value()).decimal));
        }
    }
    const Working& working() const { return m_copy; }

private:
    int copy(int i)
    {
        if (const auto it = m_copies.constFind(i); it != m_copies.cend())
            return *it;
        const Working::Node& n = m_from.node(i);
        int made = 0;
        switch (n.op) {
        case Working::Op::Field:
            made = m_copy.field(n.name, m_shown.value(QByteArray(n.name), n.shown), n.value);
            break;
        case Working::Op::Constant:
            made = m_copy.constant(n.name, n.value);
            break;
        default: {
            const int left = n.left >= 0 ? copy(n.left) : -1;
            const int right = n.right >= 0 ? copy(n.right) : -1;
            made = m_copy.operation(n.op, left, right, n.value);
        }
        }
        m_copies.insert(i, made);
        return made;
    }

    const Working& m_from;
    QHash<QByteArray, QString> m_shown;
    QHash<int, int> m_copies;
    Working m_copy;
};

}

QStringList Exercise::solution() const
{
    QStringList lines;
    QHash<QByteArray, QString> shown;
    for (const Given& g : givens) {
        QString text = fieldText({g.plain, g.shown, g.figures});
        if (g.converted()) {
            const Rounded r = fourFigures(g.inRow.value());
            lines << QString::fromUtf8(g.row->symbol) + QStringLiteral(" = ") + g.text() + equals(r.exact)
                         + withUnit(r.decimal, QString::fromUtf8(g.rowUnit->name));
            text = fieldText(r.decimal);
        }
        shown.insert(QByteArray(g.row->field), text);
    }
    const RowTable rows(topic->rows);
    const Retold key(working, shown);
    const std::vector<QStringList> steps = WorkingText::steps(key.working(), rows, u',');
    const QString answerKey = answerText();
    // Whether the key's answer is the answer itself, not a rounding of it.
    // The value the key prints, to tell "=" from "≈".
    const long double exact = answerAsked.value();
    const long double keyValue = counts() && std::fabs(exact) < 1e6L
        ? exact
        : Figures::rounded(exact, std::max(dataFigures(), 2)).value.value();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Working::Step& step = key.working().steps()[i];
        QStringList stepLines = steps[i];
        // The page's result line, every digit, gives way to the key's.
        stepLines.removeLast();
        QString& substitution = stepLines.last();
        const long double value = key.working().node(step.root).value.value();
        const bool isAsked = std::strcmp(step.target, asked->field) == 0;
        QString unit = rows.unit(step.target);
        if (unit.isEmpty() && isAsked && askedRow.unit)
            unit = QString::fromUtf8(askedRow.unit->name);
        const QString symbol = rows.symbol(step.target);
        const Rounded r = fourFigures(value);
        if (!isAsked) {
            substitution += equals(r.exact) + withUnit(r.decimal, unit);
            lines << stepLines;
        } else if (askedValue.completed) {
            substitution += equals(r.exact) + withUnit(r.decimal, unit);
            QString counted = Notation::counted(QString::fromUtf8(asked->quantity));
            lines << stepLines
                  << QStringLiteral("Contam só as %1 completas: %2 = %3")
                         .arg(counted.isEmpty() ? QStringLiteral("voltas") : counted, symbol, answerKey);
        } else if (answerConverted()) {
            // The result in the formula's unit is an intermediate value, converted next.
            const QString inRow = withUnit(r.decimal, unit);
            substitution += equals(r.exact) + inRow;
            lines << stepLines << symbol + equals(r.exact) + inRow + equals(r.exact && keyValue == exact) + answerKey;
        } else {
            substitution += equals(keyValue == value) + answerKey;
            lines << stepLines;
        }
    }
    lines << QStringLiteral("Resposta: %1").arg(answerKey);
    return lines;
}
