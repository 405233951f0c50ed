// Number rules per second, a Calcular click, a topic switch and a whole-window paint.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_window
#include "app/Application.h"
#include "app/Fonts.h"
#include "app/TfrmMain.h"
#include "engine/DecimalSeparator.h"
#include "engine/NumberText.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

TfrmMain* g_main = nullptr;

void BM_StrictConversion(benchmark::State& state)
{
    const QString text = QStringLiteral("-12345,6789E-3");
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberText::toNumber(text, u','));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StrictConversion);

void BM_TolerantParser(benchmark::State& state)
{
    const QString text = QStringLiteral("-12345.6789e-3");
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberText::parseTolerant(text, u','));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TolerantParser);

void BM_GeneralFormat(benchmark::State& state)
{
    const Number value = Number(2) / Number(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberText::format(value, u','));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GeneralFormat);

template <class T>
T* child(const char* name)
{
    return g_main->findChild<T*>(QLatin1String(name));
}

// Press and release on the uniform-motion Calcular button, S blank each time.
void BM_CalcularClick(benchmark::State& state)
{
    child<QAbstractButton>("ButtonXPMACCorel1")->click();
    auto* S = child<QLineEdit>("eSS");
    child<QLineEdit>("eSSo")->setText(QStringLiteral("2"));
    child<QLineEdit>("eV")->setText(QStringLiteral("3"));
    child<QLineEdit>("eST")->setText(QStringLiteral("4"));
    QWidget* calcular = child<QWidget>("JLAqua3");
    const QPoint centre = calcular->rect().center();
    for (auto _ : state) {
        state.PauseTiming();
        S->clear();
        state.ResumeTiming();
        QTest::mousePress(calcular, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(calcular, Qt::LeftButton, {}, centre);
    }
    if (S->text() != QLatin1String("14"))
        state.SkipWithError("wrong result");
}
BENCHMARK(BM_CalcularClick)->Unit(benchmark::kMicrosecond);

// Choosing a topic: every field cleared, the header and the page changed.
void BM_TopicSwitch(benchmark::State& state)
{
    auto* topic = child<QAbstractButton>("ButtonXPMACCorel1");
    for (auto _ : state)
        topic->click();
}
BENCHMARK(BM_TopicSwitch)->Unit(benchmark::kMicrosecond);

void BM_WholeWindowPaint(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(g_main->grab());
}
BENCHMARK(BM_WholeWindowPaint)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    DecimalSeparator::set(u',');
    TfrmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    g_main = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
