// Paint times of the header, a page background and an opening menu.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_painters
#include "controls/Gradpan.h"
#include "controls/TileImage.h"
#include "controls/XPMenu.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenu>
#include <QPainter>

namespace {

void configureHeader(TGradPan& p, QSize size)
{
    p.resize(size);
    p.setBevelOuter(TGradPan::bvNone);
    p.setCaption(QStringLiteral("Movimento Uniforme"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setFontColor(TColors::clBlue);
    p.setBackGroundEffect(TGradPan::bdUp);
    p.setColorStart(TColors::clWhite);
    p.setColorEnd(0xCFCFCF);
    p.setColorShadow(TColors::clWhite);
}

// The header painted again and again, as it is on every topic change.
void BM_HeaderPaint(benchmark::State& state)
{
    TGradPan p;
    configureHeader(p, QSize(int(state.range(0)), int(state.range(1))));
    QImage target(p.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        p.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_HeaderPaint)->Args({508, 31})->Args({1016, 62})->Args({2032, 124});

// The same with the gradient built afresh each time (a colour change), for comparison.
void BM_HeaderPaintRebuilt(benchmark::State& state)
{
    TGradPan p;
    configureHeader(p, QSize(int(state.range(0)), int(state.range(1))));
    QImage target(p.size(), QImage::Format_ARGB32_Premultiplied);
    bool flip = false;
    for (auto _ : state) {
        p.setColorEnd((flip = !flip) ? 0xCFCFCF : 0xCECECE);
        p.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_HeaderPaintRebuilt)->Args({508, 31})->Args({1016, 62})->Args({2032, 124});

void BM_PageBackground(benchmark::State& state)
{
    TTileImage t;
    t.resize(541, 329);
    t.setPicture(QPixmap(QStringLiteral(":/pictures/page_background.png")));
    t.setTileImage(true);
    if (t.picture().isNull()) {
        state.SkipWithError("page background picture missing");
        return;
    }
    QImage target(t.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        t.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PageBackground);

// Popping up the "Fórmulas" menu with the flat look and painting it once.
void BM_OpenMenu(benchmark::State& state)
{
    QWidget owner;
    auto* menu = new QMenu(&owner);
    QMenu* mecanica = menu->addMenu(QStringLiteral("&Mecânica     "));
    mecanica->addAction(QStringLiteral("&Cinemática"));
    for (const char* caption : {"&Hidrostática", "&Termologia", "&Óptica"}) {
        menu->addSeparator();
        menu->addAction(QString::fromUtf8(caption));
    }
    menu->addMenu(QStringLiteral("&Eletricidade     "))->addAction(QStringLiteral("&Eletrostática"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("O&ndas"));
    TXPMenu xp(&owner);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(12);
    xp.setFont(f);
    xp.setIconWidth(16);
    xp.setUseSystemColors(false);
    xp.setGradient(true);
    xp.setFlatMenu(true);
    xp.setColorDepth(32);
    xp.setActive(true);
    for (auto _ : state) {
        menu->popup(QPoint(20, 20));
        QImage shot = menu->grab().toImage();
        benchmark::DoNotOptimize(shot.constBits());
        menu->hide();
    }
}
BENCHMARK(BM_OpenMenu);

// The offscreen platform warns at every popup that it cannot raise or grab; that is no news.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

}

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
