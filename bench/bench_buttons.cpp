// Paint cost of the two painted buttons: one Calcular button on its page and one
// topic button, each drawn through grab() and through a paint alone. The counters
// say what one paint allocates; "pictures" are blocks of 4 KiB or more (pixel
// buffers; the painter's own bookkeeping stays below that), and a paint should
// make exactly one: its off-screen picture.
//
// Run: QT_QPA_PLATFORM=offscreen bench_buttons

#include "controls/ButtonXPMACCorel.h"
#include "controls/JLAqua.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdlib>

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
        window.show();
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

void BM_CalcularGrab(benchmark::State& state) { grabOf(state, page().calcular); }
void BM_CalcularPaint(benchmark::State& state) { paintOf(state, page().calcular); }
void BM_TopicGrab(benchmark::State& state) { grabOf(state, page().topic); }
void BM_TopicPaint(benchmark::State& state) { paintOf(state, page().topic); }

}

BENCHMARK(BM_CalcularGrab)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcularPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TopicGrab)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TopicPaint)->Unit(benchmark::kMicrosecond);

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
