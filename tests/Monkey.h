#pragma once

// A seeded random walk over the real main window: areas, topics, typing, Calcular, Enter,
// the "&Fórmulas" items, the About window, unit conversions, the "Resolução" panel and its
// record, with the program's promises checked after every step. The same seed walks the
// same way.
#include <QString>
#include <cstdint>

namespace Monkey {

struct Result
{
    long actions = 0;
    long calculations = 0;   // Calcular clicks and Enter presses
    long results = 0;        // of which wrote a result
    long warnings = 0;       // warning boxes answered
    long conversions = 0;    // units chosen from a field's lists
    QString failure;         // the first broken promise, with the step that broke it
};

Result walk(std::uint64_t seed, long actions);

}
