// What a student waits for: a Calcular click (alone and with the page painted after
// it), a switch between topics on different pages (alone and painted), the first
// build of each page from the topic click to the page painted, a whole-window paint;
// and the number rules per second.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_window
#include "app/Application.h"
#include "app/Fonts.h"
#include "app/PageRegistry.h"
#include "app/Resolution.h"
#include "app/ResolutionPanel.h"
#include "app/TfrmMain.h"
#include "app/TopicLists.h"
#include "catalogue/Catalogue.h"
#include "app/DecimalSeparator.h"
#include "engine/NumberText.h"

#include <QAbstractButton>
#include <QAction>
#include <QListWidget>
#include <QLineEdit>
#include <QStackedWidget>
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

// Press and release on the uniform-motion Calcular button, S blank each time; painted,
// the page is drawn again after each click as the screen would show it. With the
// "Resolução" panel shown, each click also writes its working there and in the record
// (emptied now and then while the clock is stopped, as a session is not millions long).
void calcularClick(benchmark::State& state, bool painted, bool resolution = false)
{
    child<QAction>("Resolucao1")->setChecked(resolution);
    ResolutionPanel* panel = g_main->resolution().panel();
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
        if (resolution && panel->list()->count() >= 256)
            panel->clearRecord();
        state.ResumeTiming();
        QTest::mousePress(calcular, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(calcular, Qt::LeftButton, {}, centre);
        if (painted) {
            calcular->parentWidget()->repaint();
            if (resolution)
                panel->repaint();
        }
    }
    child<QAction>("Resolucao1")->setChecked(false);
    if (S->text() != QLatin1String("14"))
        state.SkipWithError("wrong result");
}
void BM_CalcularClick(benchmark::State& state) { calcularClick(state, false); }
void BM_CalcularClickPainted(benchmark::State& state) { calcularClick(state, true); }
void BM_CalcularClickResolution(benchmark::State& state) { calcularClick(state, false, true); }
void BM_CalcularClickResolutionPainted(benchmark::State& state) { calcularClick(state, true, true); }
BENCHMARK(BM_CalcularClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcularClickPainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcularClickResolution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcularClickResolutionPainted)->Unit(benchmark::kMicrosecond);

// Every topic of the catalogue in turn, so nearly every switch changes the page and the
// shared pages are relabelled; a field of the page on show is filled before each one.
void topicSwitch(benchmark::State& state, bool painted)
{
    g_main->lists().buildAll();
    std::vector<QAbstractButton*> topics;
    for (const Topic& topic : Catalogue::topics())
        topics.push_back(child<QAbstractButton>(topic.button));
    for (QAbstractButton* topic : topics)
        topic->click(); // every page built once
    auto* equacoes = child<QStackedWidget>("Equacoes");
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (auto* field = equacoes->currentWidget()->findChild<QLineEdit*>(); field && !field->isReadOnly())
            field->setText(QStringLiteral("12,5"));
        state.ResumeTiming();
        topics[next]->click();
        if (painted)
            g_main->repaint();
        next = (next + 1) % topics.size();
    }
}
void BM_TopicSwitch(benchmark::State& state) { topicSwitch(state, false); }
void BM_TopicSwitchPainted(benchmark::State& state) { topicSwitch(state, true); }
BENCHMARK(BM_TopicSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TopicSwitchPainted)->Unit(benchmark::kMicrosecond);

// A page built on its first use: from the click on a topic that shows it, on a window
// where it was never shown, to the window painted.
void firstPageBuild(benchmark::State& state, const Topic* topic)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<TfrmMain>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("window not shown");
        window->lists().buildAll();
        auto* button = window->findChild<QAbstractButton*>(QLatin1String(topic->button));
        state.ResumeTiming();
        button->click();
        window->repaint();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

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
    // One first-build benchmark per page, through the first topic that shows it; the
    // page the window opens on is built at start-up and has none.
    for (const PageRegistry::Entry& page : PageRegistry::entries()) {
        for (const Topic& topic : Catalogue::topics()) {
            if (page.name != QLatin1String(topic.page) || page.name == u"TabSheet2")
                continue;
            const std::string name = "BM_FirstPageBuild/" + page.name.toString().toStdString();
            benchmark::RegisterBenchmark(name.c_str(), firstPageBuild, &topic)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(10);
            break;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
