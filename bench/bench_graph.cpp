// The graph: a curve of 501 points computed by the page's own solver (the budget is
// 2 ms), and one repaint while a slider moves, curve recomputed, at device pixel ratio 2
// (the budget is 8 ms, so the curve follows a slider at 60 frames a second).
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_graph
#include "app/Application.h"
#include "app/DecimalSeparator.h"
#include "app/GraphWindow.h"
#include "app/OperandSlider.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "engine/Relation.h"
#include "plot/PlotView.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

TfrmMain* g_main = nullptr;

struct CurveCase
{
    const char* button;
    std::vector<std::pair<const char*, const char*>> given;
    const char* x;
};

// A relation as the graph builds it from a click on a sheet, then its curve over
// [0, 2 × the value].
void curve(benchmark::State& state, const CurveCase* c)
{
    const Topic& topic = *Catalogue::topicOfButton(QString::fromLatin1(c->button));
    const Sheet blank(topic, *Catalogue::solverOfPage(QString::fromUtf8(topic.page)));
    Sheet clicked = blank;
    QHash<QByteArray, QString> texts;
    for (const auto& [field, text] : c->given) {
        clicked.setText(field, QString::fromUtf8(text));
        texts.insert(field, QString::fromUtf8(text));
    }
    std::optional<Relation> relation = Relation::of(blank, clicked.calculate(), texts);
    if (!relation) {
        state.SkipWithError("no result");
        return;
    }
    long double x = 0;
    for (const Relation::Operand& o : relation->operands()) {
        if (QByteArrayView(o.field) == QByteArrayView(c->x))
            x = o.value.value();
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(relation->sample(c->x, 0, 2 * x, GraphWindow::points));
    state.SetItemsProcessed(state.iterations() * GraphWindow::points);
}

const CurveCase uniform{"ButtonXPMACCorel1", {{"eSS", "100"}, {"eSSo", "20"}, {"eV", "16"}}, "eV"};
const CurveCase torricelli{"ButtonXPMACCorel9", {{"tcVo", "3"}, {"tcA", "-2"}, {"tcDS", "2"}}, "tcDS"};
const CurveCase coulomb{"ButtonXPMACCorel80", {{"lcQ1", "1"}, {"lcq2", "2"}, {"lcd", "3"}}, "lcd"};
BENCHMARK_CAPTURE(curve, uniform_t_of_V, &uniform)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(curve, torricelli_V_of_ds, &torricelli)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(curve, coulomb_F_of_d, &coulomb)->Unit(benchmark::kMillisecond);

GraphWindow* openGraph()
{
    g_main->findChild<QAbstractButton*>("ButtonXPMACCorel1")->click();
    for (const auto& [field, text] : uniform.given)
        g_main->findChild<QLineEdit*>(field)->setText(QString::fromLatin1(text));
    g_main->findChild<QLineEdit*>("eST")->clear();
    QWidget* calcular = g_main->findChild<QWidget*>("JLAqua3");
    QTest::mouseClick(calcular, Qt::LeftButton, {}, calcular->rect().center());
    g_main->findChild<QAction*>("Grafico1")->trigger();
    GraphWindow* graph = g_main->graph();
    graph->resize(640, 600);
    if (!QTest::qWaitForWindowExposed(graph))
        qWarning("the graph was not exposed");
    graph->chooseX("eV");
    return graph;
}

// A step of the S slider: the curve, the table and the description made again, and the
// plot painted (synchronously) into the window's backing store.
void BM_SliderRepaint(benchmark::State& state)
{
    GraphWindow* graph = openGraph();
    QSlider* slider = graph->findChild<OperandSlider*>("gr_eSS")->slider();
    int position = slider->value();
    for (auto _ : state) {
        position = position >= OperandSlider::steps ? 0 : position + 7;
        slider->setValue(position);
        graph->plot()->repaint();
    }
    state.counters["dpr"] = graph->plot()->devicePixelRatioF();
}
BENCHMARK(BM_SliderRepaint)->Unit(benchmark::kMillisecond);

// The plot alone drawn into an image at 2x, as Copiar imagem does on such a screen.
void BM_PlotPicture2x(benchmark::State& state)
{
    GraphWindow* graph = openGraph();
    for (auto _ : state)
        benchmark::DoNotOptimize(graph->plot()->picture(2).constBits());
}
BENCHMARK(BM_PlotPicture2x)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    // The screen of the slider benchmark is a 2x one.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
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
