#include "engine/KeyFilters.h"

namespace KeyFilters {

static bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

std::optional<QChar> eSKeyPress(QChar key, QChar decimalSeparator)
{
    // Either mark is taken as the locale's separator, so a number typed either way reads
    // as typed.
    if (key == u'.' || key == u',')
        key = decimalSeparator;
    if (isDigit(key) || key == u'-' || key == u'+' || key == u'e' || key == u'E' || key == backspace
        || key == u',' || key == decimalSeparator)
        return key;
    return std::nullopt;
}

std::optional<QChar> tiCosKeyPress(QChar key)
{
    if (isDigit(key) || key == u'-' || key == u',' || key == backspace || key == u'.')
        return key;
    return std::nullopt;
}

}
