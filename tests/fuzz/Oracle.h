#pragma once

// The independent judges of the number rules: each reads a text or a value the plain way
// the rule is written, and lets MPFR do the arithmetic, so neither the C library nor the
// engine's own code judges itself.
#include <mpfr.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace Oracle {

// A number as its text writes it: sign, all mantissa digits, how many of them follow
// the decimal point, and the written exponent.
struct Written
{
    bool negative = false;
    std::string digits;
    long fractionDigits = 0;
    long exponent = 0;
};

inline bool digit(char c) { return c >= '0' && c <= '9'; }

// The strict syntax: blanks, a sign, digits, the separator and digits (one of the two
// at least), an exponent whose digits are read while it is below 500, blanks, the end.
inline std::optional<Written> readStrict(std::string_view s, char separator)
{
    Written w;
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        w.negative = s[i++] == '-';
    bool any = false;
    for (; i < s.size() && digit(s[i]); ++i, any = true)
        w.digits += s[i];
    if (i < s.size() && s[i] == separator) {
        any = true;
        for (++i; i < s.size() && digit(s[i]); ++i, ++w.fractionDigits)
            w.digits += s[i];
    }
    if (!any)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negative = s[i++] == '-';
        for (; i < s.size() && digit(s[i]) && w.exponent < 500; ++i)
            w.exponent = w.exponent * 10 + (s[i] - '0');
        if (negative)
            w.exponent = -w.exponent;
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i != s.size())
        return std::nullopt;
    return w;
}

// The tolerant syntax: blanks, a sign, digits, "." (or the separator) and digits, an
// exponent with at least one digit, the end; anything else reads as not a number.
inline std::optional<Written> readTolerant(std::string_view s, char separator)
{
    Written w;
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        w.negative = s[i++] == '-';
    for (; i < s.size() && digit(s[i]); ++i)
        w.digits += s[i];
    if (i < s.size() && (s[i] == '.' || s[i] == separator))
        for (++i; i < s.size() && digit(s[i]); ++i, ++w.fractionDigits)
            w.digits += s[i];
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negative = s[i++] == '-';
        if (i == s.size() || !digit(s[i]))
            return std::nullopt;
        // Past a few thousand any exponent over- or underflows; the cap only keeps the
        // count from wrapping.
        for (; i < s.size() && digit(s[i]); ++i)
            w.exponent = std::min(w.exponent * 10 + (s[i] - '0'), 1000000000L);
        if (negative)
            w.exponent = -w.exponent;
    }
    if (i != s.size())
        return std::nullopt;
    return w;
}

// A binary floating-point format: significand bits and MPFR's exponent range, with
// subnormals.
struct Format
{
    mpfr_prec_t precision;
    mpfr_exp_t emin, emax;
};
inline constexpr Format extended{64, -16444, 16384};
inline constexpr Format binary64{53, -1073, 1024};

// The written number rounded to nearest even in `format`; nullopt when it overflows.
template <class Float>
std::optional<Float> value(const Written& w, Format format)
{
    const std::string text = (w.negative ? "-" : "") + (w.digits.empty() ? std::string("0") : w.digits) + "e"
        + std::to_string(w.exponent - w.fractionDigits);
    const mpfr_exp_t emin = mpfr_get_emin(), emax = mpfr_get_emax();
    mpfr_set_emin(format.emin);
    mpfr_set_emax(format.emax);
    mpfr_t x;
    mpfr_init2(x, format.precision);
    const int inexact = mpfr_strtofr(x, text.c_str(), nullptr, 10, MPFR_RNDN);
    mpfr_subnormalize(x, mpfr_check_range(x, inexact, MPFR_RNDN), MPFR_RNDN);
    std::optional<Float> result;
    if (!mpfr_inf_p(x))
        result = Float(mpfr_get_ld(x, MPFR_RNDN));
    mpfr_clear(x);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
    return result;
}

// The display of an extended value: 18 digits correctly rounded, then 15 by the 16th
// digit alone, trailing zeros dropped, fixed form for exponents -3..15.
inline std::string display(long double v, char separator)
{
    if (v == 0)
        return "0";
    mpfr_t x;
    mpfr_init2(x, 64);
    mpfr_set_ld(x, v, MPFR_RNDN);
    mpfr_exp_t e = 0;
    char* raw = mpfr_get_str(nullptr, &e, 10, 18, x, MPFR_RNDN);
    std::string digits = raw[0] == '-' ? raw + 1 : raw;
    mpfr_free_str(raw);
    mpfr_clear(x);
    const bool up = digits[15] >= '5';
    digits.resize(15);
    if (up) {
        int k = 14;
        for (; k >= 0 && digits[k] == '9'; --k)
            digits[k] = '0';
        if (k < 0) {
            digits = "1" + digits.substr(0, 14);
            ++e;
        } else {
            ++digits[k];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string out = v < 0 ? "-" : "";
    if (e > 15 || e < -3) {
        out += digits[0];
        if (digits.size() > 1)
            out += separator + digits.substr(1);
        out += "E" + std::to_string(e - 1);
    } else if (e <= 0) {
        out += "0" + std::string(1, separator) + std::string(size_t(-e), '0') + digits;
    } else if (digits.size() <= size_t(e)) {
        out += digits + std::string(size_t(e) - digits.size(), '0');
    } else {
        out += digits.substr(0, size_t(e)) + separator + digits.substr(size_t(e));
    }
    return out;
}

}
