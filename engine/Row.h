#pragma once

#include "engine/WorkingText.h"

#include <QString>
#include <span>

// A label of a row on its page and the caption it shows there. A picture standing for
// one character (the Δ before a symbol, the Ω of a unit) is named by that character.
struct Caption
{
    const char* label = nullptr;
    const char* text = nullptr;
    bool picture = false;
};

constexpr Caption picture(const char* label, const char* sign)
{
    return {label, sign, true};
}

// One row of an equation page as a topic shows it, declared beside the topic: its field,
// its symbol as a book prints it ("S₀", "Δt"), its unit as the unit table names it ("m/s²",
// "" for none), the quantity's name, and the labels that print it. The captions a topic
// writes come from here; the working, the screen reader, the unit lists and the tests
// read it.
struct Row
{
    const char* field;
    const char* symbol;
    const char* unit;
    const char* quantity;
    Caption symbolCaptions[3] = {};
    Caption unitCaptions[3] = {};

    // A change of a quantity: a temperature difference has no offset between scales.
    bool difference() const { return QString::fromUtf8(symbol).startsWith(u'Δ'); }
};

// The rows of the topic on show, found by field.
class RowTable : public RowSymbols
{
public:
    RowTable() = default;
    explicit RowTable(std::span<const Row> rows) : m_rows(rows) { }

    std::span<const Row> rows() const { return m_rows; }
    // Null for a field the topic does not show.
    const Row* find(const char* field) const;

    // A field the topic does not declare goes by its component name.
    QString symbol(const char* field) const override;
    QString unit(const char* field) const override;

private:
    std::span<const Row> m_rows;
};
