#include "exercises/Exercise.h"

#include "engine/BookNumber.h"
#include "engine/WorkingText.h"
#include "exercises/Notation.h"

QStringList Exercise::solution() const
{
    QStringList lines;
    const auto unitOf = [this](const Units::Unit* unit) {
        return unit ? QString::fromUtf8(unit->name) : QString::fromUtf8(asked->unit);
    };
    for (const Given& g : givens) {
        if (g.converted()) {
            lines << QStringLiteral("%1 = %2 = %3").arg(QString::fromUtf8(g.row->symbol), g.text(),
                                                        Notation::withUnit(BookNumber::of(g.inRow, u','),
                                                                           QString::fromUtf8(g.rowUnit->name)));
        }
    }
    const RowTable rows(topic->rows);
    lines << WorkingText::lines(working, rows, u',');
    if (answerConverted()) {
        lines << QStringLiteral("%1 = %2 = %3").arg(QString::fromUtf8(asked->symbol),
                                                    Notation::withUnit(BookNumber::of(answer, u','), unitOf(askedRow.unit)),
                                                    Notation::withUnit(BookNumber::of(answerAsked, u','), askedUnitName()));
    }
    lines << QStringLiteral("Resposta: %1").arg(answerText());
    return lines;
}
