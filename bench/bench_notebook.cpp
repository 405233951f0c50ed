// What the notebook makes a student wait for: checking one line (at most 1 ms, a wrong
// relation the slowest, as every usual slip is tried on it), opening the notebook on an
// exercise (three more solutions drawn) and the help's ladder for it.
// Run: ./bench_notebook
#include "exercises/LineCheck.h"
#include "exercises/NextStep.h"

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
void BM_OtherCase(benchmark::State& state) { checkLine(state, "v² = v0² + 2·A·ds"); }
void BM_Identity(benchmark::State& state) { checkLine(state, "V·a = a·V"); }
// Every slip tried on every node, none found.
void BM_WrongRelationNoHint(benchmark::State& state) { checkLine(state, "V² = V0² + 3·a·Δs − V0·a/(V + Δs)"); }
// Each bracket squared in turn.
void BM_WrongSubstitution(benchmark::State& state) { checkLine(state, "Δs = (21,56 − 2,61²) / (2 · 9,8)"); }
void BM_LongLine(benchmark::State& state)
{
    checkLine(state, QStringLiteral("V = 1").append(QStringLiteral("+1").repeated(999)).toUtf8().constData());
}
BENCHMARK(BM_RightRelation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrongRelation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Given)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Substitution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OtherCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Identity)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrongRelationNoHint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrongSubstitution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LongLine)->Unit(benchmark::kMicrosecond);

void BM_OpenNotebook(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LineCheck(exercise()));
}
BENCHMARK(BM_OpenNotebook)->Unit(benchmark::kMicrosecond);

// The ladder writes its substitution again with the statement's numbers.
void BM_Ladder(benchmark::State& state)
{
    const LineCheck check(exercise());
    for (auto _ : state)
        benchmark::DoNotOptimize(NextStep(check));
}
BENCHMARK(BM_Ladder)->Unit(benchmark::kMicrosecond);

}

BENCHMARK_MAIN();
