#pragma once

#include "engine/Working.h"

#include <QStringList>
#include <vector>

// How the page on show names its rows: a field's symbol ("Δt", "V₀") and unit ("m/s²").
class RowSymbols
{
public:
    virtual ~RowSymbols() = default;
    virtual QString symbol(const char* field) const = 0;
    virtual QString unit(const char* field) const = 0;
};

// A click's working as a student writes it down, in the page's own symbols.
namespace WorkingText {

// For each result written, its lines: the formula solved for it ("t = (S − S₀) / V"), the
// same with the values used ("t = (100 − 20) / 16"), the result with the row's unit
// ("t = 5 s"); ahead of them, where the solver stated it, the relation as the textbook
// writes it ("1 / Rₜₒₜₐₗ = 1 / R₁ + 1 / R₂"). Products are spaced ("2 · a · Δs"), numbers
// are in book form ("9 · 10⁹", "−20"), and a negative value inside an expression is
// bracketed ("(100 − (−20)) / 16").
std::vector<QStringList> steps(const Working& working, const RowSymbols& rows, QChar decimalSeparator);

// Every step's lines, one after the other.
QStringList lines(const Working& working, const RowSymbols& rows, QChar decimalSeparator);

// A field's written text as its result line shows it ("7,20000006704996 · 10¹⁸").
QString resultText(QStringView written, QChar decimalSeparator);

// One step's result line ("F = 7,20000006704996 · 10¹⁸ N").
QString resultLine(const Working::Step& step, const RowSymbols& rows, QChar decimalSeparator);

// Why the click ended without a result, in one sentence; empty when it wrote one. The
// page's blank fields, by symbol, name what a blank operand or a click with nothing to
// do is about.
QString reason(const Working& working, const RowSymbols& rows, QChar decimalSeparator, const QStringList& blankFields);

// "S, t e V"
QString listed(const QStringList& symbols);

}
