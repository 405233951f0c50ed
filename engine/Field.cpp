#include "engine/Field.h"

#include "engine/KeyFilters.h"

std::optional<QChar> Field::filterKey(Keys keys, QChar key, QChar decimalSeparator)
{
    return keys == Keys::tiCos ? KeyFilters::tiCosKeyPress(key) : KeyFilters::eSKeyPress(key, decimalSeparator);
}
