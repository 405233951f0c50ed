// Tolerant parser: for a text its syntax accepts, the value MPFR reads at 53-bit
// precision in the double range (an overflow raises the overflow error); 0 for any other
// non-empty text; the empty text alone raises the conversion error.
#include "FuzzInput.h"
#include "Oracle.h"

#include "engine/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    const auto written = Oracle::readTolerant(in.bytes, in.separator);
    const auto expected = written ? Oracle::value<double>(*written, Oracle::binary64) : std::optional<double>(0.0);
    try {
        const long double got = NumberText::parseTolerant(in.text, QChar(in.separator)).value();
        if (in.bytes.empty())
            disagree("empty text read", in.bytes, std::to_string(double(got)));
        if (!expected)
            disagree("overflow read", in.bytes, std::to_string(double(got)));
        if (got != *expected)
            disagree("value differs", in.bytes, std::to_string(double(got)) + " vs " + std::to_string(*expected));
    } catch (const ConversionError& e) {
        if (!in.bytes.empty())
            disagree("conversion error", in.bytes, e.what());
    } catch (const MathError& e) {
        if (expected)
            disagree("math error", in.bytes, e.what());
    }
    return 0;
}
