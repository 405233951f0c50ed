// What the notebook makes a student wait for: checking one line (at most 1 ms, a wrong
// relation the slowest, as every usual slip is tried on it) and opening the notebook on
// an exercise (three more solutions drawn).
// Run: ./bench_notebook
#include "exercises/LineCheck.h"

#include <benchmark/benchmark.h>

namespace {

const Exercise& exercise()
{
    static const Exercise ex = ExerciseGenerator::make(u"ButtonXPMACCorel9", Level::Conversions, 1074, 1);
    return ex;
}

void checkLine(benchmark::State& state, const char* line)
{
    const LineCheck check(exercise());
    const QString text = QString::fromUtf8(line);
    for (auto _ : state)
        benchmark::DoNotOptimize(check.check(text));
}

void BM_RightRelation(benchmark::State& state) { checkLine(state, "V² = V0² + 2·a·Δs"); }
void BM_WrongRelation(benchmark::State& state) { checkLine(state, "V = V0² + 2·a·DeltaS"); }
void BM_Given(benchmark::State& state) { checkLine(state, "V0 = 51,1 km/h"); }
void BM_Substitution(benchmark::State& state) { checkLine(state, "V = √(14,19² + 2 · 1,3 · 130)"); }
void BM_LongLine(benchmark::State& state)
{
    checkLine(state, QStringLiteral("V = 1").append(QStringLiteral("+1").repeated(999)).toUtf8().constData());
}
BENCHMARK(BM_RightRelation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrongRelation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Given)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Substitution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LongLine)->Unit(benchmark::kMicrosecond);

void BM_OpenNotebook(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LineCheck(exercise()));
}
BENCHMARK(BM_OpenNotebook)->Unit(benchmark::kMicrosecond);

}

BENCHMARK_MAIN();
