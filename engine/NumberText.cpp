#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <string>

namespace NumberText {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A number taken apart by one of the two syntaxes: its digits as one integer, the count
// of those that were fraction digits, and the written exponent.
struct Parts
{
    bool negative = false;
    std::string digits;
    long fractionDigits = 0;
    long exponent = 0;
};

// Builds "[-]digitsE<scale>" and converts it with correct rounding. Overflow throws
// `overflowError`; underflow quietly gives the nearest subnormal value, or zero.
template <class Float>
Float toFloat(const Parts& p, const auto& overflowError)
{
    std::string s;
    if (p.negative)
        s += '-';
    s += p.digits.empty() ? std::string("0") : p.digits;
    s += 'e';
    s += std::to_string(p.exponent - p.fractionDigits);
    Float value {};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const auto first = p.digits.find_first_not_of('0');
        const long magnitude = long(p.digits.size() - first) - p.fractionDigits + p.exponent;
        if (magnitude > 0)
            overflowError();
        // from_chars leaves a subnormal result unset; the C library rounds it correctly
        // (the text has no decimal point, so the C locale's does not matter).
        if constexpr (std::is_same_v<Float, long double>)
            return std::strtold(s.c_str(), nullptr);
        else
            return std::strtod(s.c_str(), nullptr);
    }
    return value;
}

}

QString localized(QStringView commaText, QChar decimalSeparator)
{
    QString text = commaText.toString();
    text.replace(u',', decimalSeparator);
    return text;
}

QString conversionMessage(QStringView text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

Number toNumber(QStringView text, QChar decimalSeparator)
{
    const auto invalid = [text] { throw ConversionError(text, conversionMessage(text)); };
    const auto outOfRange = [text](EngineError::Kind kind) { throw ConversionError(text, conversionMessage(text), kind); };
    const qsizetype n = text.size();
    qsizetype i = 0;
    Parts p;
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        p.negative = text[i++] == u'-';
    bool consumed = false;
    for (; i < n && isDigit(text[i]); ++i, consumed = true)
        p.digits += char(text[i].unicode());
    if (i < n && text[i] == decimalSeparator) {
        ++i;
        consumed = true;
        for (; i < n && isDigit(text[i]); ++i, ++p.fractionDigits)
            p.digits += char(text[i].unicode());
    }
    if (!consumed)
        invalid();
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            negativeExponent = text[i++] == u'-';
        // Exponent digits stop being read once the exponent reaches 500; any left over
        // make the text invalid below.
        for (; i < n && isDigit(text[i]) && p.exponent < 500; ++i)
            p.exponent = p.exponent * 10 + (text[i].unicode() - u'0');
        // Exponent digits left over that would otherwise make a well-formed number: the
        // text is a number, just out of range.
        qsizetype rest = i;
        while (rest < n && isDigit(text[rest]))
            ++rest;
        while (rest < n && text[rest] == u' ')
            ++rest;
        if (i < n && isDigit(text[i]) && rest == n)
            outOfRange(negativeExponent ? EngineError::Kind::OutOfRange : EngineError::Kind::Overflow);
        if (negativeExponent)
            p.exponent = -p.exponent;
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        invalid();
    return Number(toFloat<long double>(p, [&] { outOfRange(EngineError::Kind::Overflow); }));
}

bool isNumber(QStringView text, QChar decimalSeparator)
{
    try {
        toNumber(text, decimalSeparator);
        return true;
    } catch (const EngineError&) {
        return false;
    }
}

Number parseTolerant(QStringView text, QChar decimalSeparator, bool* isNumber)
{
    if (text.isEmpty())
        throw ConversionError(text, conversionMessage(text));
    const qsizetype n = text.size();
    qsizetype i = 0;
    Parts p;
    const auto notANumber = [isNumber] {
        if (isNumber)
            *isNumber = false;
        return Number(0);
    };
    if (isNumber)
        *isNumber = true;
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        p.negative = text[i++] == u'-';
    for (; i < n && isDigit(text[i]); ++i)
        p.digits += char(text[i].unicode());
    bool point = false;
    if (i < n && (text[i] == u'.' || text[i] == decimalSeparator)) {
        point = true;
        ++i;
        for (; i < n && isDigit(text[i]); ++i, ++p.fractionDigits)
            p.digits += char(text[i].unicode());
    }
    // A lone point reads 0; a lone sign is no number.
    if (p.digits.empty() && !point)
        return notANumber();
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            negativeExponent = text[i++] == u'-';
        if (i == n || !isDigit(text[i]))
            return notANumber();
        // Any exponent beyond a few thousand over- or underflows a double anyway.
        for (; i < n && isDigit(text[i]); ++i)
            p.exponent = std::min(p.exponent * 10 + (text[i].unicode() - u'0'), 100000L);
        if (negativeExponent)
            p.exponent = -p.exponent;
    }
    if (i != n)
        return notANumber();
    return Number(toFloat<double>(p, [] { throw MathError(EngineError::Kind::Overflow); }));
}

QString format(Number value, QChar decimalSeparator)
{
    const long double x = value.value();
    // A Number is finite by construction; a value that is not would print as digits of
    // nothing, so it is refused like the arithmetic refuses it.
    if (!std::isfinite(x))
        throw MathError(std::isnan(x) ? EngineError::Kind::InvalidOperation : EngineError::Kind::Overflow);
    if (x == 0)
        return QStringLiteral("0");

    // Rounded twice on purpose, as the display has always done: first to the 18 digits
    // that an extended value holds, correctly rounded; then to 15 by the 16th digit
    // alone, so 0.1234567890123454995 prints 0,123456789012346 where one correct
    // rounding to 15 digits would give ...345.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", x);
    std::string digits;
    const char* c = buf;
    const bool negative = *c == '-';
    for (; *c && *c != 'e'; ++c) {
        if (*c >= '0' && *c <= '9')
            digits += *c;
    }
    int exponent = std::atoi(c + 1) + 1; // value = 0.d1d2d3... * 10^exponent

    // Then to 15, by the 16th digit alone.
    const bool roundUp = digits[15] >= '5';
    digits.resize(15);
    if (roundUp) {
        int k = 14;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits.insert(digits.begin(), '1');
            digits.resize(15);
            ++exponent;
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    QString out;
    if (negative)
        out += u'-';
    if (exponent > 15 || exponent < -3) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            out += decimalSeparator + QLatin1String(digits.data() + 1, qsizetype(digits.size() - 1));
        out += u'E';
        out += QString::number(exponent - 1);
    } else if (exponent <= 0) {
        out += u'0';
        out += decimalSeparator;
        out += QString(-exponent, u'0');
        out += QLatin1String(digits.data(), qsizetype(digits.size()));
    } else {
        const qsizetype whole = exponent;
        const QLatin1String all(digits.data(), qsizetype(digits.size()));
        if (all.size() <= whole) {
            out += all;
            out += QString(whole - all.size(), u'0');
        } else {
            out += all.left(whole);
            out += decimalSeparator;
            out += all.mid(whole);
        }
    }
    return out;
}

}
