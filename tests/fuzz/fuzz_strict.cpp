// Strict conversion: either the value MPFR reads from the same digits and exponent at
// 64-bit precision in the extended range, or the conversion error with its exact
// message (for a text the syntax refuses, or whose value overflows).
#include "FuzzInput.h"
#include "Oracle.h"

#include "engine/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    const auto written = Oracle::readStrict(in.bytes, in.separator);
    const auto expected = written ? Oracle::value<long double>(*written, Oracle::extended) : std::nullopt;
    try {
        const long double got = NumberText::toNumber(in.text, QChar(in.separator)).value();
        if (!expected)
            disagree("accepted", in.bytes, std::to_string(double(got)));
        if (got != *expected)
            disagree("value differs", in.bytes, std::to_string(double(got)) + " vs " + std::to_string(double(*expected)));
    } catch (const ConversionError& e) {
        if (expected)
            disagree("refused", in.bytes, e.what());
        if (e.message() != QStringLiteral("'%1' is not a valid floating point value").arg(in.text))
            disagree("message", in.bytes, e.what());
    }
    return 0;
}
