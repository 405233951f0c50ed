// A sampled curve cut into branches without a window: at gaps, and at jumps across an
// asymptote, whose x is found between the samples; and the lines that draw a branch, cut to
// the view however far outside it the samples lie.
#include "plot/Branches.h"
#include "plot/CurvePath.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

using Curve = double (*)(double);

// Samples of f at 501 evenly spaced x from low to high, as the graph window takes them.
std::vector<QPointF> sampled(double low, double high, Curve f)
{
    std::vector<QPointF> samples;
    for (int i = 0; i <= 500; ++i) {
        const double x = low + (high - low) * i / 500;
        samples.emplace_back(x, f(x));
    }
    return samples;
}

// A simple pole at `a`, as the image distance p' = p·f / (p − f) has at p = f: no value on
// it, and none either where the value would overflow.
template<int thousandths>
double pole(double x)
{
    const double a = thousandths / 1000.0;
    return std::abs(x - a) < 1e-12 ? std::nan("") : 10 / (x - a);
}

}

Q_DECLARE_METATYPE(Curve)

class TestBranches : public QObject
{
    Q_OBJECT

private slots:
    void branches_data();
    void branches();
    void lines_data();
    void lines();
};

void TestBranches::branches_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<Curve>("f");
    // About three heights of the view, as the plot cuts.
    QTest::addColumn<double>("jumpLimit");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<double>>("asymptotes");
    QTest::newRow("line") << -1.0 << 1.0 << Curve([](double x) { return 2 * x + 1; }) << 9.0 << 1 << QList<double>{};
    // Crossing zero steeply, it shrinks toward the crossing: whole however small the limit.
    QTest::newRow("steep line") << -1.001 << 0.999 << Curve([](double x) { return 1e6 * x; }) << 1e-3 << 1 << QList<double>{};
    QTest::newRow("pole between samples") << -1.0 << 1.0 << Curve(pole<301>) << 300.0 << 2 << QList<double>{0.301};
    // 0,3 is the 325th sample (give or take the last bit): a huge value or none there.
    QTest::newRow("pole on a sample") << -1.0 << 1.0 << Curve(pole<300>) << 300.0 << 2 << QList<double>{0.3};
    QTest::newRow("pole on the zero sample") << -1.0 << 1.0 << Curve(pole<0>) << 300.0 << 2 << QList<double>{0.0};
    QTest::newRow("overflow beside the pole") << -1.0 << 1.0
                                              << Curve([](double x) {
                                                     return std::abs(x - 0.5) < 0.005 ? std::numeric_limits<double>::infinity()
                                                                                     : 10 / (x - 0.5);
                                                 })
                                              << 300.0 << 2 << QList<double>{0.5};
    QTest::newRow("tangent") << -3.0 << 3.0 << Curve([](double x) { return std::tan(x); }) << 30.0 << 3
                             << QList<double>{-std::numbers::pi / 2, std::numbers::pi / 2};
    // No value across the middle, and the values shrink toward the gap: no asymptote.
    QTest::newRow("gap") << -1.0 << 1.0 << Curve([](double x) { return std::abs(x) < 0.5 ? std::nan("") : x; }) << 0.1 << 2
                         << QList<double>{};
    // A long gap between huge values of opposite signs: nothing says where the pole is.
    QTest::newRow("long gap beside a pole") << -1.0 << 1.0
                                            << Curve([](double x) { return std::abs(x) < 0.1 ? std::nan("") : 1 / x; }) << 3.0
                                            << 2 << QList<double>{};
    QTest::newRow("square root") << -1.0 << 1.0 << Curve([](double x) { return std::sqrt(x); }) << 3.0 << 1 << QList<double>{};
    QTest::newRow("nothing") << -1.0 << 1.0 << Curve([](double) { return std::nan(""); }) << 3.0 << 0 << QList<double>{};
}

// The branches are cut at the gaps and at the jumps across an asymptote, and nowhere else;
// each asymptote is found where the curve's 1 / y crosses zero.
void TestBranches::branches()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(Curve, f);
    QFETCH(double, jumpLimit);
    QFETCH(int, count);
    QFETCH(QList<double>, asymptotes);
    const std::vector<QPointF> samples = sampled(low, high, f);
    const auto branches = Branches::of(samples, jumpLimit);
    QCOMPARE(int(branches.size()), count);
    std::size_t drawn = 0;
    for (const auto& branch : branches)
        drawn += branch.size();
    const auto finite = std::count_if(samples.begin(), samples.end(), [](QPointF p) { return std::isfinite(p.y()); });
    QCOMPARE(qsizetype(drawn), qsizetype(finite));
    const std::vector<double> found = Branches::asymptotes(samples, jumpLimit);
    QCOMPARE(found.size(), std::size_t(asymptotes.size()));
    for (std::size_t i = 0; i < found.size(); ++i)
        QVERIFY2(std::abs(found[i] - asymptotes[qsizetype(i)]) < 1e-6, qPrintable(QString::number(found[i], 'g', 17)));
}

void TestBranches::lines_data()
{
    QTest::addColumn<QList<QPointF>>("branch");
    QTest::addColumn<int>("count");
    QTest::newRow("inside") << QList<QPointF>{{10, 10}, {50, 60}, {90, 20}} << 1;
    QTest::newRow("out and back") << QList<QPointF>{{10, 50}, {50, -1e6}, {90, 50}} << 2;
    QTest::newRow("far away") << QList<QPointF>{{-1e7, -1e7}, {-1e7, 1e7}} << 0;
    QTest::newRow("across from far away") << QList<QPointF>{{-1e7, 50}, {1e7, 50}} << 1;
    QTest::newRow("one point") << QList<QPointF>{{50, 50}} << 0;
}

// Every point of the lines lies within the bounds, and a segment that leaves them and comes
// back starts a new line.
void TestBranches::lines()
{
    QFETCH(QList<QPointF>, branch);
    QFETCH(int, count);
    const QRectF bounds(0, 0, 100, 100);
    const std::vector<QPolygonF> lines = CurvePath::lines(std::vector<QPointF>(branch.begin(), branch.end()), bounds);
    QCOMPARE(int(lines.size()), count);
    for (const QPolygonF& line : lines) {
        QVERIFY(line.size() >= 2);
        for (const QPointF& p : line)
            QVERIFY(bounds.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(p));
    }
}

QTEST_GUILESS_MAIN(TestBranches)
#include "tst_branches.moc"
