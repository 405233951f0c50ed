#include "exercises/Judge.h"

#include "engine/BookNumber.h"
#include "exercises/AnswerReader.h"
#include "exercises/Figures.h"

#include <algorithm>
#include <cmath>

namespace Judge {

namespace {

constexpr long double tolerance = 0.01L;

QString quoted(QStringView text) { return u'“' + text.toString() + u'”'; }

long double floorOf(const Exercise& ex)
{
    return ex.tolerance;
}

QString unitName(const Units::Unit* u) { return QString::fromUtf8(u->name); }

// The typical slips, in the order a teacher checks them. Values are in the unit asked,
// `typedInRow` in the row's unit.
QString hint(const Exercise& ex, long double typed, long double typedInRow, long double floor)
{
    const auto inAsked = [&](Number rowValue) {
        return ex.answerConverted() ? Units::fromRow(rowValue, *ex.askedUnit, *ex.askedRow.unit, ex.asked->difference())
                                    : rowValue;
    };
    const auto matches = [&](std::optional<Number> rowValue) {
        if (!rowValue)
            return false;
        try {
            return near(typed, rowValue->value(), floor) || near(typed, inAsked(*rowValue).value(), floor);
        } catch (const EngineError&) {
            return false;
        }
    };
    for (const Given& g : ex.givens) {
        if (g.converted() && matches(g.unconverted))
            return QStringLiteral("Parece que %1 não foi convertido para %2.").arg(g.text(), unitName(g.rowUnit));
    }
    if (matches(ex.allUnconverted))
        return QStringLiteral("Parece que os valores não foram convertidos para as unidades da fórmula.");
    const long double answer = ex.answer.value(), asked = ex.answerAsked.value();
    if (ex.answerConverted() && near(typed, answer, floor))
        return QStringLiteral("Parece que o resultado, em %1, não foi convertido para %2.")
            .arg(unitName(ex.askedRow.unit), unitName(ex.askedUnit));
    for (int k = -15; k <= 15; ++k) {
        if (k != 0 && near(typed, asked * Figures::power(k), 0))
            return QStringLiteral("A ordem de grandeza não confere: confira as potências de 10.");
    }
    if (asked != 0 && near(typed, -asked, 0))
        return QStringLiteral("Confira o sinal do resultado.");
    if (answer != 0 && asked != 0 && (near(typedInRow, 1 / answer, 0) || near(typed, 1 / asked, 0)))
        return QStringLiteral("Parece que a fórmula foi usada invertida: confira o que vai no numerador e o que vai no "
                              "denominador.");
    return {};
}

}

bool near(long double value, long double target, long double floor)
{
    const long double allowed = std::fabs(target) * tolerance;
    return std::fabs(value - target) <= std::max(allowed, floor);
}

Verdict judge(const Exercise& ex, QStringView typed, const Units::Unit* chosen)
{
    Verdict v;
    const AnswerReader::Answer a = AnswerReader::read(typed);
    if (a.status == AnswerReader::Answer::Empty)
        return v;
    if (a.status == AnswerReader::Answer::Unreadable) {
        v.kind = Verdict::Unreadable;
        v.feedback = QStringLiteral("Não entendi o número: %1.").arg(quoted(typed.trimmed()));
        return v;
    }
    const Units::Unit* unit = chosen ? chosen : ex.askedUnit;
    if (!a.unit.isEmpty()) {
        const Units::Unit* typedUnit = ExerciseGenerator::unitOfKind(ex.askedRow.kind, a.unit);
        // A count ("12 voltas") or a unit with nothing else to be given in takes its word.
        const QString own = QString::fromUtf8(ex.asked->unit);
        const bool ownWord = !ex.askedRow.kind && (own.isEmpty() || a.unit == own);
        if (!typedUnit && !ownWord) {
            v.kind = Verdict::Unreadable;
            v.feedback = Units::ofRow(a.unit)
                ? QStringLiteral("A unidade %1 não é de %2.").arg(quoted(a.unit), QString::fromUtf8(ex.asked->quantity))
                : QStringLiteral("Não conheço a unidade %1.").arg(quoted(a.unit));
            return v;
        }
        if (typedUnit)
            unit = typedUnit;
    }
    // The value typed, in the row's unit and in the unit asked.
    const bool difference = ex.asked->difference();
    long double inRow = a.value.value(), inAsked = inRow;
    try {
        if (unit && ex.askedRow.unit && unit != ex.askedRow.unit)
            inRow = Units::toRow(a.value, *unit, *ex.askedRow.unit, difference).value();
        inAsked = ex.answerConverted() ? Units::fromRow(inRow, *ex.askedUnit, *ex.askedRow.unit, difference).value() : inRow;
    } catch (const EngineError&) {
        v.kind = Verdict::Unreadable;
        v.feedback = QStringLiteral("Não entendi o número: %1.").arg(quoted(typed.trimmed()));
        return v;
    }
    const long double floor = floorOf(ex);
    if (near(inAsked, ex.answerAsked.value(), floor)) {
        v.kind = Verdict::Right;
        v.feedback = QStringLiteral("Correto!");
        const int data = ex.dataFigures();
        const int figures = Figures::significantOf(a.mantissa);
        if (data > 0 && figures > data + 1) {
            const QString unitText = unit ? u' ' + unitName(unit) : QString();
            v.note = QStringLiteral("Os dados têm %1 algarismos significativos; %2%3 pode ser escrito %4%3.")
                         .arg(data)
                         .arg(BookNumber::of(a.value, u','), unitText,
                              BookNumber::fromText(Figures::rounded(a.value.value(), data).plain, u','));
        }
        return v;
    }
    v.kind = Verdict::Wrong;
    const QString h = hint(ex, inAsked, inRow, floor);
    v.feedback = h.isEmpty() ? QStringLiteral("Ainda não.") : QStringLiteral("Ainda não. ") + h;
    return v;
}

}
