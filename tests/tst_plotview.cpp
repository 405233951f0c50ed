// The plot as a student sees it, drawn offscreen with no window around it: what is in view,
// the asymptote's line, the legend, the tick texts at the edges, the tracer's signal, hostile
// ranges and values, and the saved picture's texts. With VELQUORA_PLOT_SHOTS set to a
// folder, each picture looked at is also saved there at 1x and 2x.
#include "plot/AxisRange.h"
#include "plot/PlotView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

namespace {

using Curve = double (*)(double);

const QColor curveBlue(25, 80, 190);
const QColor comparisonGrey(165, 165, 165);

std::vector<QPointF> sampled(double low, double high, Curve f, int count = 501)
{
    std::vector<QPointF> samples;
    for (int i = 0; i < count; ++i) {
        const double x = low + (high - low) * i / (count - 1);
        samples.emplace_back(x, f(x));
    }
    return samples;
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of about `colour` in `area` of the image.
int count(const QImage& image, const QRect& area, QColor colour, int tolerance = 40)
{
    int n = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y) {
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            n += near(image.pixelColor(x, y), colour, tolerance);
    }
    return n;
}

// The longest run of pixels of about `colour` along a row of `area`: a stroke, not a glyph.
int stroke(const QImage& image, const QRect& area, QColor colour, int tolerance)
{
    int longest = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y) {
        int run = 0;
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x) {
            run = near(image.pixelColor(x, y), colour, tolerance) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

bool dark(QColor c)
{
    return c.lightness() < 160;
}

QImage shot(const PlotView& view, const QString& name)
{
    const QImage image = view.picture(1);
    if (const QString folder = qEnvironmentVariable("VELQUORA_PLOT_SHOTS"); !folder.isEmpty()) {
        image.save(QStringLiteral("%1/%2.png").arg(folder, name));
        view.picture(2).save(QStringLiteral("%1/%2@2x.png").arg(folder, name));
    }
    return image;
}

// A plot of f over [low, high] at the size a graph window gives it, the vertical range fitted.
void show(PlotView& view, double low, double high, Curve f)
{
    view.resize(640, 420);
    view.setAxisLabels(QStringLiteral("v (m/s)"), QStringLiteral("Ec (J)"));
    view.setXRange(low, high);
    view.setCurve(sampled(low, high, f));
    view.fitY();
}

}

Q_DECLARE_METATYPE(Curve)

class TestPlotView : public QObject
{
    Q_OBJECT

private slots:
    void holdsEveryPoint_data();
    void holdsEveryPoint();
    void asymptoteIsMarked_data();
    void asymptoteIsMarked();
    void legend_data();
    void legend();
    void endTicksInside_data();
    void endTicksInside();
    void tracerFollows_data();
    void tracerFollows();
    void hostileRanges_data();
    void hostileRanges();
    void unplottableValues_data();
    void unplottableValues();
    void caption_data();
    void caption();
};

void TestPlotView::holdsEveryPoint_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<Curve>("f");
    // Energia Cinética with m = 2 and v = 30, v from 0 to 60: Ec(60) = 3 600 J.
    QTest::newRow("Ec") << 0.0 << 60.0 << Curve([](double v) { return 2 * v * v / 2; });
    QTest::newRow("falling") << 0.0 << 10.0 << Curve([](double t) { return 100 - 4.9 * t * t; });
    QTest::newRow("line through zero") << -5.0 << 5.0 << Curve([](double x) { return 3 * x + 1; });
    QTest::newRow("exponential") << 0.0 << 20.0 << Curve([](double x) { return std::exp(x); });
}

// After fitting, every sample is drawn inside the axes, the ends of the curve included.
void TestPlotView::holdsEveryPoint()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(Curve, f);
    PlotView view;
    show(view, low, high, f);
    const QImage image = shot(view, QStringLiteral("holds %1").arg(QTest::currentDataTag()));
    const QRectF area = view.plotRect();
    for (const QPointF& p : view.curve()) {
        const QPointF at = view.pixelOf(p);
        QVERIFY2(at.y() >= area.top() - 0.5 && at.y() <= area.bottom() + 0.5, qPrintable(QString::number(p.y())));
    }
    // The curve's two ends are drawn, in its blue.
    for (const QPointF& p : {view.curve().front(), view.curve().back()}) {
        const QPoint at = view.pixelOf(p).toPoint();
        QVERIFY2(count(image, QRect(at - QPoint(2, 2), QSize(5, 5)), curveBlue) > 0, qPrintable(QString::number(p.y())));
    }
}

void TestPlotView::asymptoteIsMarked_data()
{
    QTest::addColumn<Curve>("f");
    QTest::addColumn<double>("pole");
    // The image distance p' = p·f / (p − f) with f = 0,3: between two samples, and on one.
    QTest::newRow("between samples") << Curve([](double p) { return p * 0.301 / (p - 0.301); }) << 0.301;
    QTest::newRow("on a sample") << Curve([](double p) { return std::abs(p - 0.3) < 1e-12 ? std::nan("") : p * 0.3 / (p - 0.3); })
                                 << 0.3;
    QTest::newRow("none") << Curve([](double x) { return 1000 * (x - 0.3); }) << std::nan("");
}

// A dashed line runs down the plot where the curve crosses an asymptote, and nowhere else.
void TestPlotView::asymptoteIsMarked()
{
    QFETCH(Curve, f);
    QFETCH(double, pole);
    PlotView view;
    show(view, -1, 1, f);
    const QImage image = shot(view, QStringLiteral("asymptote %1").arg(QTest::currentDataTag()));
    const std::vector<double> found = view.asymptotes();
    QCOMPARE(found.size(), std::size_t(std::isnan(pole) ? 0 : 1));
    // Within a fortieth of the samples' spacing: well inside its pixel.
    if (!found.empty())
        QVERIFY2(std::abs(found.front() - pole) < 1e-4, qPrintable(QString::number(found.front(), 'g', 17)));
    const QRectF area = view.plotRect();
    const int column = int(std::round(view.pixelOf({std::isnan(pole) ? 0.3 : pole, 0}).x()));
    int dashed = 0;
    for (int y = int(area.top()) + 2; y < int(area.bottom()) - 1; ++y) {
        bool grey = false;
        for (int x = column - 1; x <= column + 1; ++x)
            grey = grey || near(image.pixelColor(x, y), QColor(120, 120, 120), 60);
        dashed += grey;
    }
    const double part = dashed / area.height();
    QVERIFY2(std::isnan(pole) ? part < 0.1 : part > 0.4, qPrintable(QString::number(part)));
}

void TestPlotView::legend_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("comparison");
    QTest::newRow("named, alone") << "S (agora)" << false;
    QTest::newRow("named, with the grey curve") << "S (agora)" << true;
    QTest::newRow("unnamed") << QString() << true;
}

// The legend names the blue curve, and the grey one only while it is shown; its box takes a
// corner the curves leave free (here the top left, above a rising line).
void TestPlotView::legend()
{
    QFETCH(QString, current);
    QFETCH(bool, comparison);
    PlotView view;
    view.setCurveNames(current, QStringLiteral("S (seus valores)"));
    show(view, 0, 1, [](double x) { return x; });
    if (comparison)
        view.setComparison(sampled(0, 1, [](double x) { return x / 2; }));
    const QImage image = shot(view, QStringLiteral("legend %1").arg(QTest::currentDataTag()));
    const QRectF area = view.plotRect();
    const QRect corner = QRectF(area.topLeft(), area.size() / 2).toRect().adjusted(2, 2, 0, 0);
    QCOMPARE(stroke(image, corner, curveBlue, 30) >= 15, !current.isEmpty());
    QCOMPARE(stroke(image, corner, comparisonGrey, 20) >= 15, !current.isEmpty() && comparison);
    bool text = false;
    for (int y = corner.top(); y <= corner.bottom() && !text; ++y) {
        for (int x = corner.left(); x <= corner.right() && !text; ++x)
            text = dark(image.pixelColor(x, y)) && !near(image.pixelColor(x, y), curveBlue, 60);
    }
    QCOMPARE(text, !current.isEmpty());
}

void TestPlotView::endTicksInside_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("width");
    QTest::newRow("0 to 1 · 10⁹, 320 wide") << 0.0 << 1e9 << 320;
    QTest::newRow("0 to 1 · 10⁹, 640 wide") << 0.0 << 1e9 << 640;
    QTest::newRow("0 to 1 · 10⁹, 1000 wide") << 0.0 << 1e9 << 1000;
    QTest::newRow("−1 · 10⁹ to 0, 640 wide") << -1e9 << 0.0 << 640;
    QTest::newRow("−1 · 10⁹ to 1 · 10⁹, 480 wide") << -1e9 << 1e9 << 480;
}

// The texts of the end ticks are whole: nothing of them touches the plot's left or right edge,
// and the last one is drawn.
void TestPlotView::endTicksInside()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, width);
    PlotView view;
    // In book form, as the graph window writes them; the vertical axis's are short.
    view.setTickText([](double v) {
        const bool large = std::abs(v) >= 1e6;
        QString text = QString::number(large ? v / 1e9 : v, 'g', 6).replace(u'.', u',').replace(u'-', u'−');
        return large ? text + QStringLiteral(" · 10⁹") : text;
    });
    show(view, low, high, [](double x) { return x / 1e9; });
    view.resize(width, 420);
    const QImage image = shot(view, QStringLiteral("ticks %1").arg(QTest::currentDataTag()));
    const QRectF area = view.plotRect();
    const int line = QFontMetrics(view.font()).height();
    const QRect band(0, int(area.bottom()) + 2, width, line);
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x : {0, 1, width - 2, width - 1})
            QVERIFY2(!dark(image.pixelColor(x, y)), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }
    int rightmost = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = 0; x < width; ++x)
            rightmost = dark(image.pixelColor(x, y)) ? std::max(rightmost, x) : rightmost;
    }
    QVERIFY2(rightmost > area.right() - 40, qPrintable(QString::number(rightmost)));
}

void TestPlotView::tracerFollows_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("zoom") << "zoom";
    QTest::newRow("pan") << "pan";
    QTest::newRow("slider") << "slider";
    QTest::newRow("no value") << "no value";
}

// The owner resamples on every zoom and pan, as the graph window does; each time, and when a
// slider gives new values, the tracer says where it now is, on the point it shows; where the
// new curve has no value at all it says it is gone.
void TestPlotView::tracerFollows()
{
    QFETCH(QString, change);
    PlotView view;
    show(view, 0, 10, [](double t) { return 10 + 2 * t; });
    view.setMarked(QPointF(5, 20));
    connect(&view, &PlotView::xRangeChanged, &view,
            [&view](double low, double high) { view.setCurve(sampled(low, high, [](double t) { return 10 + 2 * t; })); });
    QSignalSpy moved(&view, &PlotView::tracerMoved);
    QSignalSpy cleared(&view, &PlotView::tracerCleared);
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(moved.size(), 1);
    const double x = view.tracer()->x();
    if (change == QLatin1String("zoom")) {
        QTest::keyClick(&view, Qt::Key_Plus);
    } else if (change == QLatin1String("pan")) {
        const QPointF from = view.plotRect().center();
        QMouseEvent press(QEvent::MouseButtonPress, from, view.mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&view, &press);
        const QPointF to = from + QPointF(-37, 0);
        QMouseEvent drag(QEvent::MouseMove, to, view.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&view, &drag);
        QMouseEvent release(QEvent::MouseButtonRelease, to, view.mapToGlobal(to), Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(&view, &release);
    } else if (change == QLatin1String("slider")) {
        view.setCurve(sampled(0, 10, [](double t) { return 20 + 3 * t; }));
    } else {
        view.setCurve(sampled(0, 10, [](double) { return std::nan(""); }));
        QCOMPARE(cleared.size(), 1);
        QVERIFY(!view.tracer());
        return;
    }
    QCOMPARE(moved.size(), 2);
    shot(view, QStringLiteral("tracer %1").arg(QTest::currentDataTag()));
    const int sample = moved.last().first().toInt();
    QCOMPARE(*view.tracer(), view.curve().at(std::size_t(sample)));
    const double spacing = (view.xHigh() - view.xLow()) / 500;
    QVERIFY(std::abs(view.tracer()->x() - x) <= spacing);
    QCOMPARE(cleared.size(), 0);
}

void TestPlotView::hostileRanges_data()
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("10 to 10,00000000000001") << 10.0 << 10.00000000000001;
    QTest::newRow("0 to 1e-323") << 0.0 << 1e-323;
    QTest::newRow("subnormal") << 1e-320 << 3e-320;
    QTest::newRow("equal ends") << 30.0 << 30.0;
    QTest::newRow("reversed") << 10.0 << 0.0;
    QTest::newRow("infinite") << -inf << inf;
    QTest::newRow("NaN") << std::nan("") << 1.0;
    QTest::newRow("huge") << -1e308 << 1e308;
    QTest::newRow("largest doubles") << 1.7e308 << 1.79e308;
}

// Any range, given to either axis, leaves one that can be drawn, and the plot is drawn at once.
void TestPlotView::hostileRanges()
{
    QFETCH(double, low);
    QFETCH(double, high);
    PlotView view;
    // S = 10 + 2·t over the range: the vertical axis then spans as little as the horizontal.
    show(view, 0, 10, [](double t) { return 10 + 2 * t; });
    QElapsedTimer clock;
    clock.start();
    // Sampled over the range typed, as the window did before it checked the range.
    view.setXRange(low, high);
    const bool finite = std::isfinite(low) && std::isfinite(high);
    view.setCurve(sampled(finite ? low : view.xLow(), finite ? high : view.xHigh(), [](double t) { return 10 + 2 * t; }));
    view.fitY();
    QVERIFY(AxisRange::acceptable(view.xLow(), view.xHigh()));
    QVERIFY(AxisRange::acceptable(view.yLow(), view.yHigh()));
    shot(view, QStringLiteral("range x %1").arg(QTest::currentDataTag()));
    view.setYRange(low, high);
    QVERIFY(AxisRange::acceptable(view.yLow(), view.yHigh()));
    shot(view, QStringLiteral("range y %1").arg(QTest::currentDataTag()));
    if (std::isnan(low))
        QCOMPARE(view.xLow(), 0.0);
    QTest::keyClick(&view, Qt::Key_Minus);
    view.grab();
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

void TestPlotView::unplottableValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("drawn");
    // A slider at 1e308: the results overflow, or are too large for any axis.
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("1e308") << 1e308 << false;
    QTest::newRow("1e300") << 1e300 << true;
}

// A curve whose values cannot be drawn shows the owner's message alone, in the middle; one that
// can shows the axes, and the message over them.
void TestPlotView::unplottableValues()
{
    QFETCH(double, value);
    QFETCH(bool, drawn);
    PlotView view;
    view.resize(640, 420);
    view.setXRange(0, 1);
    std::vector<QPointF> samples = sampled(0, 1, [](double x) { return x; });
    for (QPointF& p : samples)
        p.setY(value * (0.5 + p.y() / 2));
    view.setCurve(samples);
    view.fitY();
    QVERIFY(AxisRange::acceptable(view.yLow(), view.yHigh()));
    const QImage silent = shot(view, QStringLiteral("values %1 silent").arg(QTest::currentDataTag()));
    QCOMPARE(silent.allGray() && count(silent, silent.rect(), Qt::white, 0) == silent.width() * silent.height(), !drawn);
    view.setMessage(QStringLiteral("Os valores passam do maior número que o gráfico mostra."));
    const QImage told = shot(view, QStringLiteral("values %1 told").arg(QTest::currentDataTag()));
    if (!drawn)
        QVERIFY(count(told, QRect(0, told.height() / 2 - 30, told.width(), 60), Qt::black, 120) > 50);
    QCOMPARE(count(told, told.rect(), QColor(255, 250, 225), 2) > 100, drawn);
}

void TestPlotView::caption_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("file");
    QTest::newRow("1x") << 1.0 << "grafico.png";
    QTest::newRow("2x") << 2.0 << "grafico.png";
    QTest::newRow("SVG") << 1.0 << "grafico.svg";
}

// The saved picture carries the title above the graph and the notes under it; the graph in
// it is the one on the screen.
void TestPlotView::caption()
{
    QFETCH(qreal, ratio);
    QFETCH(QString, file);
    PlotView view;
    show(view, 0, 60, [](double v) { return v * v; });
    const PlotView::Caption caption{QStringLiteral("Energia Cinética: Ec em função de v"),
                                    {QStringLiteral("m = 2 kg"), QStringLiteral("Ec = m · v² / 2")}};
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QVERIFY(view.savePicture(path, ratio, caption));
    if (file.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox().width(), view.width());
        QVERIFY(svg.viewBox().height() > view.height() + 2 * QFontMetrics(view.font()).height());
        return;
    }
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage plain = view.picture(ratio).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(image.width(), plain.width());
    QVERIFY(image.height() > plain.height());
    if (qEnvironmentVariableIsSet("VELQUORA_PLOT_SHOTS"))
        image.save(qEnvironmentVariable("VELQUORA_PLOT_SHOTS") + QStringLiteral("/caption %1.png").arg(QTest::currentDataTag()));
    // The graph is found whole at some height, with text above it and under it.
    int top = -1;
    for (int y = 1; y + plain.height() < image.height() && top < 0; ++y) {
        if (image.copy(0, y, plain.width(), plain.height()) == plain)
            top = y;
    }
    QVERIFY(top > 0);
    QVERIFY(count(image, QRect(0, 0, image.width(), top), Qt::black, 120) > 20);
    QVERIFY(count(image, QRect(0, top + plain.height(), image.width(), image.height()), Qt::black, 120) > 20);
}

QTEST_MAIN(TestPlotView)
#include "tst_plotview.moc"
