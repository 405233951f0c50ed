// General format: an 80-bit bit pattern (any finite value, denormals included) or a
// decimal text the strict conversion reads. The output has the display syntax, equals
// the judge's (MPFR's 18 digits, then 15 by the 16th), and reads back to itself.
#include "FuzzInput.h"
#include "Oracle.h"

#include "engine/NumberText.h"

#include <cstring>
#include <regex>

namespace {

// The 80-bit value the bytes spell, made a finite and canonical one: exponent below all
// ones, integer bit set exactly when the exponent is not zero.
long double extendedFrom(const std::string& bytes)
{
    unsigned char raw[16] = {};
    std::memcpy(raw, bytes.data(), std::min<size_t>(bytes.size(), 10));
    unsigned exponent = (raw[8] | (raw[9] << 8)) & 0x7FFF;
    if (exponent == 0x7FFF)
        exponent = 0x7FFE;
    raw[8] = exponent & 0xFF;
    raw[9] = (raw[9] & 0x80) | (exponent >> 8);
    raw[7] = exponent ? (raw[7] | 0x80) : (raw[7] & 0x7F);
    long double v;
    std::memcpy(&v, raw, sizeof v);
    return v;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    long double v;
    if (size > 0 && (data[0] & 2)) {
        try {
            v = NumberText::toNumber(in.text, QChar(in.separator)).value();
        } catch (const ConversionError&) {
            return 0;
        }
    } else {
        v = extendedFrom(in.bytes);
    }
    const std::string got = NumberText::format(Number(v), QChar(in.separator)).toStdString();
    const std::string sep = in.separator == '.' ? "\\." : ",";
    static const std::regex comma("-?(0|[1-9][0-9]*)(,[0-9]*[1-9])?(E-?[1-9][0-9]*)?");
    static const std::regex point("-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E-?[1-9][0-9]*)?");
    if (!std::regex_match(got, in.separator == '.' ? point : comma))
        disagree("display syntax", in.bytes, got);
    size_t significant = 0;
    for (size_t i = got.find_first_not_of("-0,."); i < got.size() && got[i] != 'E'; ++i)
        significant += Oracle::digit(got[i]);
    if (significant > 15)
        disagree("more than 15 digits", in.bytes, got);
    const std::string expected = Oracle::display(v, in.separator);
    if (got != expected)
        disagree("display differs", in.bytes, got + " vs " + expected);
    const QString again = NumberText::format(NumberText::toNumber(QString::fromStdString(got), QChar(in.separator)),
                                             QChar(in.separator));
    if (again.toStdString() != got)
        disagree("round trip", in.bytes, got + " became " + again.toStdString());
    return 0;
}
