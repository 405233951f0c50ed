#pragma once

// A fuzzer's bytes as a field text: the first byte picks the decimal separator, the rest
// is the text, one 8-bit character per byte as the fields hold it.
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

struct FuzzInput
{
    char separator;
    std::string bytes;
    QString text;

    FuzzInput(const uint8_t* data, size_t size)
        : separator(size > 0 && (data[0] & 1) ? '.' : ',')
        , bytes(size > 0 ? reinterpret_cast<const char*>(data) + 1 : "", size > 0 ? size - 1 : 0)
        , text(QString::fromLatin1(bytes.data(), qsizetype(bytes.size())))
    {
    }
};

// A disagreement with the judge: say what and stop, so the fuzzer keeps the input.
[[noreturn]] inline void disagree(const char* what, const std::string& text, const std::string& detail)
{
    std::fprintf(stderr, "%s for '%s': %s\n", what, text.c_str(), detail.c_str());
    std::abort();
}
