// What the exercise mode makes a student or teacher wait for: drawing and solving one
// exercise (at most 1 ms), opening the window the first time (at most 100 ms), writing a
// 20-exercise list (at most 1 s).
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_exercises
#include "app/Application.h"
#include "app/ExerciseList.h"
#include "app/ExerciseWindow.h"
#include "app/Fonts.h"
#include "catalogue/ProblemCatalogue.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_DrawAndSolve(benchmark::State& state)
{
    const auto& area = ProblemCatalogue::areas().front();
    std::uint32_t number = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(ExerciseGenerator::mixed(area, Level::Conversions, number++, 1));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawAndSolve)->Unit(benchmark::kMicrosecond);

void BM_OpenWindow(benchmark::State& state)
{
    for (auto _ : state) {
        ExerciseWindow window;
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TwentyExerciseList(benchmark::State& state)
{
    QTemporaryDir dir;
    ExerciseList::Request request;
    request.topics = {QStringLiteral("ButtonXPMACCorel1"), QStringLiteral("ButtonXPMACCorel9")};
    request.level = Level::Conversions;
    request.count = 20;
    request.number = 4821;
    for (auto _ : state)
        benchmark::DoNotOptimize(ExerciseList::write(request, dir.filePath(QStringLiteral("lista.pdf")), nullptr));
}
BENCHMARK(BM_TwentyExerciseList)->Unit(benchmark::kMillisecond)->Iterations(5);

}

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Fonts::installApplicationFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
