// Paint cost of the two painted buttons: one Calcular button on its page and one
// topic button, each drawn through grab() and through a paint alone. The counters
// say what one paint allocates; "pictures" are blocks of 4 KiB or more (pixel
// buffers; the painter's own bookkeeping stays below that). A topic button's paint
// makes exactly one: its off-screen picture. A Calcular button keeps the pictures of
// the looks it showed last, so a paint makes one only when its look is new
// (BM_CalcularPaintNewLook, where each paint shows another caption colour).
//
// A click: press and release on the Calcular button, and the same on a plain widget
// of its size, which is what delivering the two mouse events costs by itself.
//
// Run: QT_QPA_PLATFORM=offscreen bench_buttons

#include "controls/ButtonXPMACCorel.h"
#include "controls/JLAqua.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdlib>
#include <iterator>

// Every allocation of the process (Qt's included) passes through these, so the
// counters see the pixel buffers that QImage takes straight from malloc.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t n, size_t size);
void* __libc_realloc(void* p, size_t size);
void __libc_free(void* p);
}

namespace {

struct AllocationCount
{
    bool on = false;
    long blocks = 0;
    long pictures = 0;
    long bytes = 0;

    void note(size_t size)
    {
        if (!on)
            return;
        ++blocks;
        bytes += long(size);
        pictures += size >= 4096;
    }
};

AllocationCount counted;

}

extern "C" {
void* malloc(size_t size)
{
    counted.note(size);
    return __libc_malloc(size);
}

void* calloc(size_t n, size_t size)
{
    counted.note(n * size);
    return __libc_calloc(n, size);
}

void* realloc(void* p, size_t size)
{
    counted.note(size);
    return __libc_realloc(p, size);
}

void free(void* p)
{
    __libc_free(p);
}
}

namespace {

// Stands for the page's tiled picture under the button.
class Backdrop : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        for (int y = 0; y < height(); y += 16)
            for (int x = 0; x < width(); x += 16)
                p.fillRect(x, y, 16, 16, (x + y) / 16 % 2 ? QColor(236, 240, 248) : QColor(226, 232, 244));
    }
};

struct Page
{
    QWidget window;
    TJLAqua* calcular;
    TButtonXPMACCorel* topic;
    QWidget* plain;

    Page()
    {
        window.resize(541, 329);
        auto* backdrop = new Backdrop(&window);
        backdrop->setGeometry(window.rect());
        calcular = new TJLAqua(&window);
        calcular->setGeometry(388, 86, 103, 33);
        calcular->setButtonColor(TColors::clYellow);
        calcular->setCustomColor(TJLAqua::ccOrange);
        calcular->setFontColor(TColors::clRed);
        QFont comic(QStringLiteral("Comic Sans MS"));
        comic.setPixelSize(16);
        comic.setBold(false);
        calcular->setButtonFont(comic);
        calcular->setCaption(QStringLiteral("Calcular"));
        calcular->setBackgroundError(TColors::clWhite);
        topic = new TButtonXPMACCorel(&window);
        topic->setGeometry(1, 24, 164, 25);
        topic->setSkinGlyph(TButtonXPMACCorel::sMac);
        topic->setGlyphKind(TButtonXPMACCorel::glNone);
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(12);
        arial.setBold(true);
        topic->setFont(arial);
        topic->setText(QStringLiteral("Movimento Uniforme"));
        plain = new QWidget(&window);
        plain->setGeometry(388, 150, 103, 33);
        window.show();
        // The button paints on the screen only once the window is there.
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the page window was not exposed");
    }
};

Page& page()
{
    static Page p;
    return p;
}

void grabOf(benchmark::State& state, QWidget* w)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(w->grab());
}

// A paint alone: the widget renders into a picture made once, outside the count.
void paintOf(benchmark::State& state, QWidget* w)
{
    QImage target(w->size(), QImage::Format_ARGB32_Premultiplied);
    w->render(&target);
    long blocks = 0, pictures = 0, bytes = 0;
    for (auto _ : state) {
        counted = AllocationCount{true};
        w->render(&target);
        counted.on = false;
        blocks += counted.blocks;
        pictures += counted.pictures;
        bytes += counted.bytes;
    }
    const double n = double(state.iterations());
    state.counters["allocs/paint"] = double(blocks) / n;
    state.counters["pictures/paint"] = double(pictures) / n;
    state.counters["bytes/paint"] = double(bytes) / n;
}

// Each paint shows a look not kept: the caption colour cycles through more colours
// than the button keeps looks of.
void BM_CalcularPaintNewLook(benchmark::State& state)
{
    TJLAqua* button = page().calcular;
    const TColor colours[] = {TColors::clRed, TColors::clNavy, TColors::clBlack, TColors::clMaroon,
                              TColors::clTeal, TColors::clGray, TColors::clBlue, TColors::clLime};
    std::size_t next = 0;
    QImage target(button->size(), QImage::Format_ARGB32_Premultiplied);
    long blocks = 0, pictures = 0, bytes = 0;
    for (auto _ : state) {
        button->setFontColor(colours[next++ % std::size(colours)]);
        counted = AllocationCount{true};
        button->render(&target);
        counted.on = false;
        blocks += counted.blocks;
        pictures += counted.pictures;
        bytes += counted.bytes;
    }
    button->setFontColor(TColors::clRed);
    const double n = double(state.iterations());
    state.counters["allocs/paint"] = double(blocks) / n;
    state.counters["pictures/paint"] = double(pictures) / n;
    state.counters["bytes/paint"] = double(bytes) / n;
}

void pressAndRelease(benchmark::State& state, QWidget* w)
{
    const QPoint centre = w->rect().center();
    for (auto _ : state) {
        QTest::mousePress(w, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(w, Qt::LeftButton, {}, centre);
    }
}

void BM_CalcularGrab(benchmark::State& state) { grabOf(state, page().calcular); }
void BM_CalcularPaint(benchmark::State& state) { paintOf(state, page().calcular); }
void BM_TopicGrab(benchmark::State& state) { grabOf(state, page().topic); }
void BM_TopicPaint(benchmark::State& state) { paintOf(state, page().topic); }
void BM_CalcularPressRelease(benchmark::State& state) { pressAndRelease(state, page().calcular); }
void BM_PlainWidgetPressRelease(benchmark::State& state) { pressAndRelease(state, page().plain); }

}

BENCHMARK(BM_CalcularGrab)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcularPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcularPaintNewLook)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TopicGrab)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TopicPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcularPressRelease)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWidgetPressRelease)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
