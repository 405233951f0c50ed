#pragma once

#include "engine/Number.h"

#include <QString>
#include <optional>

// One variable of an equation page as the engine sees it: its text is its whole state.
class Field
{
public:
    virtual ~Field() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // Sets the font colour to the given colour (blue), the colour every field has at rest.
    virtual void paintGiven() = 0;

    // The exact value behind the text, where one stands behind it: a conversion writes 15
    // digits of an 80-bit value and the calculation reads the value, not its digits.
    virtual std::optional<Number> exactValue() const { return std::nullopt; }

    bool isBlank() const { return text().isEmpty(); }

    // The two key filters of KeyFilters, as a field applies them to each typed character: the
    // character to insert, or nothing. The painted field sees the engine through this class alone.
    enum class Keys { eS, tiCos };
    static std::optional<QChar> filterKey(Keys keys, QChar key, QChar decimalSeparator);
};

// Finds a field of the window by its component name.
class FieldLookup
{
public:
    virtual ~FieldLookup() = default;
    virtual Field& field(const char* name) = 0;
};
