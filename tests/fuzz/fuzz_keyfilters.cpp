// Key filters: whatever is typed, only characters of the filter's set come out; in a
// field "." and "," are the only characters replaced, and only by the field's separator.
#include "FuzzInput.h"

#include "engine/KeyFilters.h"

#include <QStringView>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    const QChar separator(in.separator);
    const QString eS = QStringLiteral("0123456789-+eE\b") + separator;
    const QString tiCos = QStringLiteral("0123456789-,.\b");
    // Every pair of bytes is one UTF-16 character, so any key a keyboard can send comes up.
    for (size_t i = 0; i + 1 < in.bytes.size(); i += 2) {
        const QChar key(char16_t(uint8_t(in.bytes[i]) | (uint8_t(in.bytes[i + 1]) << 8)));
        if (const auto kept = KeyFilters::eSKeyPress(key, separator)) {
            if (!eS.contains(*kept) || (*kept != key && ((key != u'.' && key != u',') || *kept != separator)))
                disagree("eSKeyPress", in.bytes, QString(*kept).toStdString());
        }
        if (const auto kept = KeyFilters::tiCosKeyPress(key)) {
            if (!tiCos.contains(*kept) || *kept != key)
                disagree("tiCosKeyPress", in.bytes, QString(*kept).toStdString());
        }
    }
    return 0;
}
