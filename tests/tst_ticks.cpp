// The axes' numbers without a window: round tick steps and their multiples for any pair of
// doubles, hostile ones included; which ranges an axis can be drawn over and the nearest one
// that can; the vertical range fitted to a curve's values.
#include "plot/AxisRange.h"
#include "plot/Ticks.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const double noValue = std::nan("");

// Samples of f at `count` evenly spaced x from low to high.
QList<double> values(double low, double high, double (*f)(double), int count = 501)
{
    QList<double> ys;
    for (int i = 0; i < count; ++i)
        ys << f(low + (high - low) * i / (count - 1));
    return ys;
}

}

class TestTicks : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void boundedForAnyRange_data();
    void boundedForAnyRange();
    void ranges_data();
    void ranges();
    void fitted_data();
    void fitted();
};

void TestTicks::steps_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("most");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("count");
    QTest::newRow("a millionth") << 0.0 << 1e-6 << 5 << 2e-7 << 6;
    QTest::newRow("ten millionths") << 0.0 << 1e-5 << 10 << 1e-6 << 11;
    QTest::newRow("three millionths") << 0.0 << 3e-6 << 8 << 5e-7 << 7;
    QTest::newRow("one") << 0.0 << 1.0 << 10 << 0.1 << 11;
    QTest::newRow("32") << 0.0 << 32.0 << 7 << 5.0 << 7;
    QTest::newRow("200") << 0.0 << 200.0 << 7 << 50.0 << 5;
    QTest::newRow("a billion") << 0.0 << 1e9 << 10 << 1e8 << 11;
    QTest::newRow("up to a billion") << 2e8 << 1e9 << 5 << 2e8 << 5;
    QTest::newRow("negative") << -50.0 << -10.0 << 8 << 5.0 << 9;
    QTest::newRow("around zero") << -1e-6 << 1e-6 << 4 << 5e-7 << 5;
    QTest::newRow("far from zero") << 1e9 << 1e9 + 10 << 5 << 2.0 << 6;
    QTest::newRow("far below zero") << -1e9 - 3 << -1e9 + 3 << 6 << 1.0 << 7;
    QTest::newRow("thousandths") << 0.001 << 0.0013 << 3 << 1e-4 << 4;
    QTest::newRow("reversed") << 10.0 << 0.0 << 5 << 2.0 << 6;
}

// The smallest of 1, 2 or 5 × 10ⁿ that takes at most `most` intervals; the ticks are its
// multiples inside the range, zero exactly zero.
void TestTicks::steps()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, most);
    QFETCH(double, step);
    QFETCH(int, count);
    const double s = Ticks::step(low, high, most);
    QVERIFY2(std::abs(s - step) <= step * 1e-12, qPrintable(QString::number(s)));
    const std::vector<double> ticks = Ticks::values(low, high, s);
    QCOMPARE(int(ticks.size()), count);
    for (double t : ticks) {
        QVERIFY(t >= std::min(low, high) - s * 1e-9 && t <= std::max(low, high) + s * 1e-9);
        QVERIFY(std::abs(t / s - std::round(t / s)) < 1e-6);
    }
    if (low <= 0 && high >= 0)
        QVERIFY(std::find(ticks.begin(), ticks.end(), 0.0) != ticks.end());
}

void TestTicks::boundedForAnyRange_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("intervals");
    QTest::newRow("0 to 1") << 0.0 << 1.0 << 10;
    QTest::newRow("negative") << -50.0 << -10.0 << 8;
    QTest::newRow("reversed") << 10.0 << 0.0 << 5;
    QTest::newRow("far from zero") << 1e9 << 1e9 + 10 << 5;
    QTest::newRow("a billionth of the ends") << 10.0 << 10.00000002 << 8;
    // Past 2⁵³ multiples of the step one more multiple is the same double.
    QTest::newRow("10 to 10,00000000000001") << 10.0 << 10.00000000000001 << 8;
    QTest::newRow("one ulp") << 1.0 << std::nextafter(1.0, 2.0) << 8;
    QTest::newRow("0 to 1e-323") << 0.0 << 1e-323 << 8;
    QTest::newRow("subnormal ends") << 1e-320 << 3e-320 << 8;
    QTest::newRow("smallest normal width") << 0.0 << DBL_MIN << 8;
    QTest::newRow("no width") << 5.0 << 5.0 << 8;
    QTest::newRow("infinite") << -inf << inf << 8;
    QTest::newRow("an infinite end") << 0.0 << inf << 8;
    QTest::newRow("NaN") << noValue << 1.0 << 8;
    QTest::newRow("wider than the doubles") << -1e308 << 1e308 << 8;
    QTest::newRow("up to the largest double") << 0.0 << DBL_MAX << 8;
    QTest::newRow("near the largest double") << 1e308 << 1.7e308 << 8;
    QTest::newRow("a million intervals") << 0.0 << 1.0 << 1000000;
    QTest::newRow("no intervals") << 0.0 << 1.0 << 0;
}

// Every range ends at once with a positive finite step and at most `intervals` + 1 (and at
// most Ticks::most) distinct ticks, in order, inside the range; a range an axis can be drawn
// over has at least one.
void TestTicks::boundedForAnyRange()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, intervals);
    QElapsedTimer clock;
    clock.start();
    const double step = Ticks::step(low, high, intervals);
    const std::vector<double> ticks = Ticks::values(low, high, step);
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY2(step > 0 && std::isfinite(step), qPrintable(QString::number(step)));
    QVERIFY(int(ticks.size()) <= std::max(intervals, 1) + 1);
    QVERIFY(int(ticks.size()) <= Ticks::most);
    const double a = std::min(low, high), b = std::max(low, high);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        QVERIFY2(ticks[i] >= a - step * 1e-6 && ticks[i] <= b + step * 1e-6, qPrintable(QString::number(ticks[i], 'g', 17)));
        if (i > 0)
            QVERIFY(ticks[i] > ticks[i - 1]);
    }
    if (AxisRange::acceptable(a, b) && intervals >= 3 && intervals < Ticks::most)
        QVERIFY(!ticks.empty());
}

void TestTicks::ranges_data()
{
    using F = AxisRange::Fault;
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<F>("fault");
    QTest::newRow("0 to 1") << 0.0 << 1.0 << F::None;
    QTest::newRow("negative") << -1e-6 << -5e-7 << F::None;
    QTest::newRow("10 to 10,0000001") << 10.0 << 10.0000001 << F::None;
    QTest::newRow("narrowest") << 0.0 << 1e-300 << F::None;
    QTest::newRow("largest") << -1e307 << 1e307 << F::None;
    QTest::newRow("10 to 10,00000000000001") << 10.0 << 10.00000000000001 << F::TooNarrow;
    QTest::newRow("10 to 10,000000001") << 10.0 << 10.000000001 << F::TooNarrow;
    QTest::newRow("0 to 1e-323") << 0.0 << 1e-323 << F::TooNarrow;
    QTest::newRow("subnormal ends") << 1e-320 << 3e-320 << F::TooNarrow;
    QTest::newRow("0 to 1e-301") << 0.0 << 1e-301 << F::TooNarrow;
    QTest::newRow("equal ends") << 5.0 << 5.0 << F::Empty;
    QTest::newRow("reversed") << 10.0 << 0.0 << F::Empty;
    QTest::newRow("0 to 1e308") << 0.0 << 1e308 << F::TooLarge;
    QTest::newRow("huge and narrow") << 1e308 << 1.0000000000001e308 << F::TooLarge;
    QTest::newRow("infinite") << -inf << inf << F::NotFinite;
    QTest::newRow("an infinite end") << 0.0 << inf << F::NotFinite;
    QTest::newRow("NaN") << noValue << 1.0 << F::NotFinite;
    QTest::newRow("both NaN") << noValue << noValue << F::NotFinite;
}

// Why a range cannot be drawn; the nearest range that can is the range itself when it
// can, and otherwise one around the same numbers; only a NaN end has none.
void TestTicks::ranges()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(AxisRange::Fault, fault);
    QCOMPARE(AxisRange::fault(low, high), fault);
    const std::optional<AxisRange::Range> near = AxisRange::nearest(low, high);
    QCOMPARE(near.has_value(), !std::isnan(low) && !std::isnan(high));
    if (!near)
        return;
    QVERIFY2(AxisRange::acceptable(near->first, near->second),
             qPrintable(QStringLiteral("%1 to %2").arg(near->first, 0, 'g', 17).arg(near->second, 0, 'g', 17)));
    if (fault == AxisRange::Fault::None)
        QCOMPARE(*near, AxisRange::Range(low, high));
    // A finite range too narrow is widened about its middle, which stays inside.
    if (fault == AxisRange::Fault::TooNarrow || (fault == AxisRange::Fault::Empty && low == high)) {
        const double middle = low / 2 + high / 2;
        QVERIFY(near->first < middle && near->second > middle);
    }
}

void TestTicks::fitted_data()
{
    QTest::addColumn<QList<double>>("ys");
    QTest::addColumn<double>("kept");
    QTest::addColumn<bool>("holdsAll");
    // Ec = m·v²/2 with m = 2, v from 0 to 60: Ec(60) = 3 600 J is in view.
    QTest::newRow("Ec, v from 0 to 60") << values(0, 60, [](double v) { return 2 * v * v / 2; }) << noValue << true;
    QTest::newRow("a line") << values(-5, 5, [](double x) { return 3 * x + 1; }) << noValue << true;
    QTest::newRow("falling") << values(0, 10, [](double t) { return -4.9 * t * t; }) << noValue << true;
    QTest::newRow("exponential") << values(0, 20, [](double x) { return std::exp(x); }) << noValue << true;
    QTest::newRow("12th power") << values(0, 2, [](double x) { return std::pow(x, 12); }) << noValue << true;
    QTest::newRow("constant") << values(0, 1, [](double) { return 7.0; }) << noValue << true;
    QTest::newRow("marked point above") << values(0, 1, [](double x) { return x; }) << 10.0 << true;
    QTest::newRow("gaps") << values(-1, 1, [](double x) { return x < 0 ? std::nan("") : std::sqrt(x); }) << noValue << true;
    // F = k/d² from d = 0: the samples beside d = 0 would flatten the rest into the axis.
    QTest::newRow("division by zero at an end") << values(0, 2, [](double d) { return 1 / (d * d); }) << noValue << false;
    QTest::newRow("asymptote") << values(-1, 1, [](double x) { return 1 / (x - 0.3001); }) << noValue << false;
    QTest::newRow("none") << QList<double>() << noValue << true;
    QTest::newRow("none finite") << QList<double>{noValue, inf, -inf} << noValue << true;
    QTest::newRow("beyond the largest end") << QList<double>{1e308, 1.5e308, 1.7e308} << noValue << false;
    QTest::newRow("across the doubles") << QList<double>{-1.7e308, 0, 1.7e308} << noValue << false;
}

// The range can be drawn, holds the marked point, and holds every value unless a few would
// stretch it past AxisRange::stretch times: then it still holds nine tenths of them.
void TestTicks::fitted()
{
    QFETCH(QList<double>, ys);
    QFETCH(double, kept);
    QFETCH(bool, holdsAll);
    const auto [low, high] = AxisRange::fitted(std::vector<double>(ys.begin(), ys.end()),
                                               std::isnan(kept) ? std::nullopt : std::optional(kept));
    QVERIFY(AxisRange::acceptable(low, high));
    if (!std::isnan(kept))
        QVERIFY(low <= kept && kept <= high);
    qsizetype inside = 0, finite = 0;
    for (double y : ys) {
        finite += std::isfinite(y);
        inside += std::isfinite(y) && low <= y && y <= high;
    }
    QCOMPARE(inside == finite, holdsAll);
    QVERIFY(inside >= finite * 9 / 10 || finite < 20);
}

QTEST_GUILESS_MAIN(TestTicks)
#include "tst_ticks.moc"
