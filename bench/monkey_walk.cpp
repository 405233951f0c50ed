// The monkey test's long walk: a million random actions over the real main window, with
// every promise checked after each, and the pace it kept.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./monkey_walk [actions] [seed]
#include "Monkey.h"
#include "TestSupport.h"

#include "app/Application.h"

#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestSupport::prepare();
    const long actions = argc > 1 ? std::atol(argv[1]) : 1000000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209;
    QElapsedTimer clock;
    clock.start();
    const Monkey::Result r = Monkey::walk(seed, actions);
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf("seed %llu: %ld actions in %.1f s (%.0f per second), %ld calculations, %ld results, %ld warning boxes, "
                "%ld conversions\n",
                seed, r.actions, seconds, r.actions / seconds, r.calculations, r.results, r.warnings, r.conversions);
    if (!r.failure.isEmpty()) {
        std::printf("FAILED: %s\n", qPrintable(r.failure));
        return 1;
    }
    return 0;
}
