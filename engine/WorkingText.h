#pragma once

#include "engine/Working.h"

#include <QStringList>

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

// For each result written, three lines: the formula solved for it ("t = (S − S₀) / V"),
// the same with the values used ("t = (100 − 20) / 16"), the result as written with the
// row's unit ("t = 5 s").
QStringList lines(const Working& working, const RowSymbols& rows, QChar decimalSeparator);

// Why the click ended without a result, in one sentence; empty when it wrote one. The
// page's blank fields, by symbol, name what a blank operand or a click with nothing to
// do is about.
QString reason(const Working& working, const RowSymbols& rows, QChar decimalSeparator, const QStringList& blankFields);

// "S, t e V"
QString listed(const QStringList& symbols);

}
