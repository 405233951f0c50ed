// The graph: every point is what Calcular writes for that value, on every page; gaps where
// the formula has no value; round ticks for any range; the table and the description say
// the same; the pictures open at their size.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/GraphWindow.h"
#include "app/OperandSlider.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/JLAqua.h"
#include "controls/TEdit.h"
#include "engine/BookNumber.h"
#include "engine/NumberText.h"
#include "plot/Branches.h"
#include "plot/PlotView.h"
#include "plot/Ticks.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QSlider>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using TestSupport::currentPage;
using TestSupport::editableFields;

namespace {

// The operands of the pages that compute their total alone.
const QStringList notComputed = {"rdr1", "rdr2", "r1", "r2", "r3", "r4", "rp1", "rp2", "rp3"};

}

class TestGraph : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pointsAreCalcular_data();
    void pointsAreCalcular();
    void gaps_data();
    void gaps();
    void tickSteps_data();
    void tickSteps();
    void followsTheMainWindow();
    void tableAndDescription_data();
    void tableAndDescription();
    void sliderMovesTheCurve();
    void pictures_data();
    void pictures();

private:
    GraphWindow* openGraph();
    // Presses the page's Calcular; the value written into `target`, if any.
    std::optional<Number> calcular(const char* target);
    void solveUniformMotion();

    std::unique_ptr<TestSupport::ShownWindow> m_window;
    TfrmMain* m_main = nullptr;
};

void TestGraph::init()
{
    m_window = std::make_unique<TestSupport::ShownWindow>();
    m_main = m_window->main;
}

void TestGraph::cleanup()
{
    m_window.reset();
}

GraphWindow* TestGraph::openGraph()
{
    m_main->findChild<QAction*>("Grafico1")->trigger();
    return m_main->graph();
}

std::optional<Number> TestGraph::calcular(const char* target)
{
    std::optional<Number> written;
    const auto c = connect(&m_main->pages(), &EquationPages::calculated, this,
                           [&](const Working& w) { written = resultOf(w, target); });
    m_window->student.click(currentPage(m_main)->findChild<TJLAqua*>()->objectName().toLatin1());
    disconnect(c);
    return written;
}

void TestGraph::solveUniformMotion()
{
    m_window->student.solve("ButtonXPMACCorel1", {{"eSS", "100"}, {"eSSo", "20"}, {"eV", "16"}}, "JLAqua3", "eST");
}

void TestGraph::pointsAreCalcular_data()
{
    QTest::addColumn<QString>("topic");
    for (const Topic& topic : Catalogue::topics())
        QTest::addRow("%s", topic.header) << QString::fromLatin1(topic.button);
}

// With the other fields at the student's values, each operand in turn on the horizontal
// axis: a few of the points drawn are, bit for bit, what the page's Calcular writes when
// the operand holds that value (exactly, as a conversion leaves it), and a gap is where
// Calcular writes nothing.
void TestGraph::pointsAreCalcular()
{
    QFETCH(QString, topic);
    m_window->student.click(topic.toLatin1());
    const std::vector<TEdit*> fields = editableFields(m_main);
    const char* values[] = {"7", "3", "2", "5", "11"};
    QByteArray target;
    for (const TEdit* candidate : fields) {
        if (notComputed.contains(candidate->objectName()))
            continue;
        int i = 0;
        for (TEdit* f : fields)
            f->setText(f == candidate ? QString() : QString::fromLatin1(values[i++ % 5]));
        if (calcular(candidate->objectName().toLatin1().constData())) {
            target = candidate->objectName().toLatin1();
            break;
        }
    }
    QVERIFY2(!target.isEmpty(), "no field of the page is computed from the others");
    QHash<TEdit*, QString> given;
    for (TEdit* f : fields)
        given.insert(f, f->objectName() == target ? QString() : f->text());

    GraphWindow* graph = openGraph();
    QVERIFY(graph->xField());
    auto* chooser = graph->findChild<QComboBox*>("grX");
    struct Check
    {
        QByteArray x;
        GraphWindow::Point point;
    };
    std::vector<Check> checks;
    for (int c = 0; c < chooser->count(); ++c) {
        const QByteArray x = chooser->itemData(c).toByteArray();
        graph->chooseX(x.constData());
        QCOMPARE(graph->samples().size(), std::size_t(GraphWindow::points));
        for (std::size_t i : {0, 125, 250, 312, 500})
            checks.push_back({x, graph->samples()[i]});
    }
    for (const Check& check : checks) {
        for (auto it = given.cbegin(); it != given.cend(); ++it)
            it.key()->setText(it.value());
        auto* x = m_main->findChild<TEdit*>(check.x);
        x->setConverted(NumberText::format(check.point.x, u','), check.point.x);
        const std::optional<Number> written = calcular(target.constData());
        const QString at = QStringLiteral("%1 = %2").arg(QString::fromLatin1(check.x), x->text());
        QVERIFY2(written.has_value() == check.point.y.has_value(), qPrintable(at));
        if (written)
            QVERIFY2(written->value() == check.point.y->value(), qPrintable(at));
    }
}

void TestGraph::gaps_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("x");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // Where the relation has no value, and how many branches are drawn.
    QTest::addColumn<double>("gapFrom");
    QTest::addColumn<double>("gapTo");
    QTest::addColumn<int>("branches");
    const QStringList uniform = {"eSS", "eSSo", "eV", "eST"};
    // t = (S − S₀) / V: no value at V = 0 and an asymptote there, never crossed.
    QTest::newRow("division by zero") << "ButtonXPMACCorel1" << uniform << QStringList{"100", "20", "16", ""} << "eV" << -1.0 << 1.0 << 0.0 << 0.0 << 2;
    // The same, sampled on both sides of zero without touching it.
    QTest::newRow("asymptote between samples") << "ButtonXPMACCorel1" << uniform << QStringList{"100", "20", "16", ""}
                                               << "eV" << -1.001 << 0.999 << 1.0 << 0.0 << 2;
    // V = √(V₀² + 2·a·Δs) with V₀ = 1, a = −3: no value for Δs > 1/6.
    QTest::newRow("square root of a negative") << "ButtonXPMACCorel9" << QStringList{"tcV", "tcVo", "tcA", "tcDS"}
                                               << QStringList{"", "1", "-3", "0,1"} << "tcDS" << -1.0 << 1.0
                                               << 0.16667 << 1.0 << 1;
    // A line crossing zero steeply stays one branch, however far the view is zoomed in.
    QTest::newRow("steep line") << "ButtonXPMACCorel1" << uniform << QStringList{"", "0", "1000000", "2"} << "eST" << -1.001 << 0.999 << 1.0 << 0.0 << 1;
}

void TestGraph::gaps()
{
    QFETCH(QString, topic);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    QFETCH(QString, x);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, gapFrom);
    QFETCH(double, gapTo);
    QFETCH(int, branches);
    m_window->student.click(topic.toLatin1());
    for (int i = 0; i < fields.size(); ++i)
        qobject_cast<TEdit*>(m_window->student.widget(fields[i].toLatin1()))->setText(texts[i]);
    QVERIFY(calcular(fields[texts.indexOf(QString())].toLatin1().constData()));
    GraphWindow* graph = openGraph();
    graph->chooseX(x.toLatin1().constData());
    graph->setRange(low, high);
    for (const GraphWindow::Point& p : graph->samples()) {
        const bool inGap = p.x >= gapFrom && p.x <= gapTo;
        QVERIFY2(p.y.has_value() != inGap, qPrintable(QString::number(double(p.x))));
    }
    // As drawn, and with the view zoomed in ten thousand times on the vertical axis.
    PlotView* plot = graph->plot();
    const double height = plot->yHigh() - plot->yLow();
    QCOMPARE(int(Branches::of(plot->curve(), 3 * height).size()), branches);
    QCOMPARE(int(Branches::of(plot->curve(), 3 * height / 10000).size()), branches);
}

void TestGraph::tickSteps_data()
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
void TestGraph::tickSteps()
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

// Built on first use; before a result it says what to do; a Calcular draws, a topic switch
// clears, a click that writes nothing keeps what is drawn.
void TestGraph::followsTheMainWindow()
{
    QVERIFY(!m_main->graph());
    GraphWindow* graph = openGraph();
    QCOMPARE(graph->windowTitle(), QStringLiteral("Gráfico – Velquora"));
    QVERIFY(graph->samples().empty());
    QVERIFY(graph->plot()->accessibleDescription().contains(QStringLiteral("clique em Calcular")));
    solveUniformMotion();
    QCOMPARE(graph->samples().size(), std::size_t(GraphWindow::points));
    QCOMPARE(QByteArray(graph->xField()), QByteArray("eSS"));
    m_window->student.fill({{"eV", "0"}, {"eST", ""}});
    m_window->student.click("JLAqua3");
    QCOMPARE(graph->samples().size(), std::size_t(GraphWindow::points));
    m_window->student.click("ButtonXPMACCorel9");
    QVERIFY(graph->samples().empty());
    QVERIFY(graph->plot()->accessibleDescription().contains(QStringLiteral("Torricelli")));
    m_window->student.fill({{"tcVo", "1"}, {"tcA", "2"}, {"tcDS", "3"}});
    QVERIFY(calcular("tcV"));
    QCOMPARE(QByteArray(graph->xField()), QByteArray("tcVo"));
}

void TestGraph::tableAndDescription_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    // Rows given as "header|x|y", the others unchecked.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("description");
    QTest::newRow("t of V") << "eV" << "" << "" << QStringList{"1|0|sem valor", "2|3,2|25", "seu ponto|16|5", "11|32|2,5"} << 11
                            << "t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; em parte do intervalo não há "
                               "valor; no seu ponto, V = 16 m/s e t = 5 s.";
    QTest::newRow("t of S") << "eSS" << "" << "" << QStringList{"1|0|−1,25", "seu ponto|100|5", "11|200|11,25"} << 11
                            << "t em função de S: t = (S − S₀) / V; t aumenta quando S aumenta; no seu ponto, S = 100 m e t = 5 s.";
    QTest::newRow("point outside, first") << "eV" << "20" << "30" << QStringList{"seu ponto|16|5", "1|20|4", "11|30|2,66666666666667"}
                                          << 12 << "t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; no seu ponto, V = 16 m/s e t = 5 s.";
    QTest::newRow("millionths") << "eSS" << "0,00002" << "0,00003" << QStringList{"1|2 · 10⁻⁵|−1,24999875", "11|3 · 10⁻⁵|−1,249998125"}
                                << 12 << "t em função de S: t = (S − S₀) / V; t aumenta quando S aumenta; no seu ponto, S = 100 m e t = 5 s.";
}

// The table lists 11 evenly spaced points of the range and the student's point, in place,
// with the numbers the working prints; the description says the relation in words.
void TestGraph::tableAndDescription()
{
    QFETCH(QString, x);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QStringList, rows);
    QFETCH(int, count);
    QFETCH(QString, description);
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    graph->chooseX(x.toLatin1().constData());
    if (!low.isEmpty()) {
        m_window->student.fill({{"grMin", low}, {"grMax", high}});
        emit graph->findChild<QLineEdit*>("grMax")->editingFinished();
    }
    const auto* model = graph->findChild<QTableView*>("grTable")->model();
    QCOMPARE(model->rowCount(), count);
    for (const QString& expected : rows) {
        const QStringList parts = expected.split(u'|');
        int r = 0;
        while (r < model->rowCount() && model->headerData(r, Qt::Vertical).toString() != parts[0])
            ++r;
        QVERIFY2(r < model->rowCount(), qPrintable(expected));
        QCOMPARE(model->index(r, 0).data().toString() + u'|' + model->index(r, 1).data().toString(), parts[1] + u'|' + parts[2]);
    }
    QCOMPARE(graph->plot()->accessibleDescription(), description);
    QCOMPARE(graph->plot()->accessibleName(), QStringLiteral("Gráfico de ") + description.section(u':', 0, 0));
}

// A slider holds its operand at another value: the curve is what Calcular writes there,
// the grey copy stays at the student's values; back in the middle, they are one.
void TestGraph::sliderMovesTheCurve()
{
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    graph->chooseX("eV");
    auto* s = graph->findChild<OperandSlider*>("gr_eSS");
    s->slider()->setValue(OperandSlider::steps * 3 / 4);
    QCOMPARE(s->value().value(), 150.0L);
    const GraphWindow::Point p = graph->samples()[300];
    m_window->student.fill({{"eSS", "150"}, {"eST", ""}});
    qobject_cast<TEdit*>(m_window->student.widget("eV"))->setConverted(NumberText::format(p.x, u','), p.x);
    QCOMPARE(calcular("eST")->value(), p.y->value());
    // The graph followed that click (S = 150 now) and its slider is in the middle again.
    graph->chooseX("eV");
    graph->setRange(0, 32);
    s = graph->findChild<OperandSlider*>("gr_eSS");
    s->slider()->setValue(OperandSlider::steps / 4);
    QCOMPARE(s->value().value(), 75.0L);
    QVERIFY(graph->samples()[300].y->value() < p.y->value());
    s->slider()->setValue(OperandSlider::steps / 2);
    QCOMPARE(graph->samples()[300].y->value(), p.y->value());
}

void TestGraph::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("PNG") << "grafico.png" << 1.0;
    QTest::newRow("PNG at 2x") << "grafico.png" << 2.0;
    QTest::newRow("SVG") << "grafico.svg" << 1.0;
}

// Saved and copied pictures open, at the plot's size times the pixel ratio.
void TestGraph::pictures()
{
    QFETCH(QString, file);
    QFETCH(qreal, ratio);
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    PlotView* plot = graph->plot();
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QVERIFY(plot->savePicture(path, ratio));
    if (file.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), plot->size()));
    } else {
        const QImage image(path);
        QCOMPARE(image.size(), plot->size() * ratio);
        // Drawn: the curve's blue and the point's red are in it.
        QVERIFY(!image.allGray());
    }
    m_window->student.click("grCopiar");
    QCOMPARE(QGuiApplication::clipboard()->image().size(), plot->size() * plot->devicePixelRatioF());
}

VELQUORA_TEST_MAIN(TestGraph)
#include "tst_graph.moc"
