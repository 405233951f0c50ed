// The graph window: every point is what Calcular writes for that value, on every page;
// gaps where the formula has no value; the range fields and the plot agree; the vertical
// quantity chosen; why nothing is drawn; the tracer's line; the table as the model holds
// it; the pictures open at their size, with their caption.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/GraphWindow.h"
#include "app/OperandSlider.h"
#include "app/Resolution.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/JLAqua.h"
#include "controls/TEdit.h"
#include "engine/BookNumber.h"
#include "engine/NumberText.h"
#include "plot/Branches.h"
#include "plot/PlotView.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
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
    void followsTheMainWindow();
    void tableAndDescription();
    void sliderMovesTheCurve();
    void rangeFields_data();
    void rangeFields();
    void verticalAxis();
    void whyNothingIsDrawn();
    void tracerLineFollows();
    void pictures_data();
    void pictures();
    void picturesCarryTheCaption();

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

// The table shows the model's rows, the student's in bold, for a range typed in the fields
// (the rows themselves are tried in tst_graphmodel); the plot says what the model says.
void TestGraph::tableAndDescription()
{
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    graph->chooseX("eV");
    m_window->student.fill({{"grMin", "20"}, {"grMax", "30"}});
    emit graph->findChild<QLineEdit*>("grMax")->editingFinished();
    const auto* model = graph->findChild<QTableView*>("grTable")->model();
    const std::vector<GraphModel::TableRow>& rows = graph->model().table();
    QCOMPARE(model->rowCount(), 12);
    QCOMPARE(int(rows.size()), 12);
    for (int r = 0; r < model->rowCount(); ++r) {
        QCOMPARE(model->headerData(r, Qt::Vertical).toString(), rows[std::size_t(r)].name);
        QCOMPARE(model->index(r, 0).data().toString() + u'|' + model->index(r, 1).data().toString(),
                 rows[std::size_t(r)].x + u'|' + rows[std::size_t(r)].y);
        QCOMPARE(model->index(r, 1).data(Qt::FontRole).value<QFont>().bold(), r == 0);
    }
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("seu ponto"));
    QCOMPARE(model->index(11, 1).data().toString(), QStringLiteral("2,66666666666667"));
    const QString description = QStringLiteral("t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; no seu ponto, V = 16 m/s e t = 5 s.");
    QCOMPARE(graph->plot()->accessibleDescription(), description);
    QCOMPARE(graph->plot()->accessibleName(), QStringLiteral("Gráfico de t em função de V"));
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

void TestGraph::rangeFields_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    // The field whose editing finished, and the problem each field then shows.
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("lowProblem");
    QTest::addColumn<QString>("highProblem");
    QTest::addColumn<double>("plotLow");
    QTest::addColumn<double>("plotHigh");
    // On S, first shown from 0 to 200.
    QTest::newRow("good") << "50" << "150" << "grMax" << "" << "" << 50.0 << 150.0;
    QTest::newRow("reversed") << "200" << "0" << "grMax" << "" << "O fim deve ser maior que o início (200)." << 0.0 << 200.0;
    QTest::newRow("equal") << "5" << "5" << "grMin" << "O início deve ser menor que o fim (5)." << "" << 0.0 << 200.0;
    QTest::newRow("a word") << "abc" << "200" << "grMin" << "“abc” não é um número." << "" << 0.0 << 200.0;
    QTest::newRow("two commas") << "0" << "2,,5" << "grMax" << "" << "“2,,5” não é um número." << 0.0 << 200.0;
    // Once these froze the program.
    QTest::newRow("a hundred-trillionth wide") << "10" << "10,00000000000001" << "grMax" << ""
                                               << "Intervalo estreito demais para o gráfico: alargue-o." << 0.0 << 200.0;
    QTest::newRow("subnormal width") << "0" << "1E-323" << "grMax" << "" << "Intervalo estreito demais para o gráfico: alargue-o."
                                     << 0.0 << 200.0;
    QTest::newRow("too wide") << "-9E299" << "9E299" << "grMax" << "" << "Intervalo largo demais para o gráfico." << 0.0 << 200.0;
}

// A range the plot does not take leaves the plot and the model as they were, each field
// keeping what was typed with its problem beside it; mended, the new range is drawn; a
// zoom writes its range into both fields and clears the problems.
void TestGraph::rangeFields()
{
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, edited);
    QFETCH(QString, lowProblem);
    QFETCH(QString, highProblem);
    QFETCH(double, plotLow);
    QFETCH(double, plotHigh);
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    QCOMPARE(QByteArray(graph->xField()), QByteArray("eSS"));
    m_window->student.fill({{"grMin", low}, {"grMax", high}});
    emit graph->findChild<QLineEdit*>(edited)->editingFinished();
    auto* lowNote = graph->findChild<QLabel*>("grMinProblema");
    auto* highNote = graph->findChild<QLabel*>("grMaxProblema");
    QCOMPARE(lowNote->isVisibleTo(graph) ? lowNote->text() : QString(), lowProblem);
    QCOMPARE(highNote->isVisibleTo(graph) ? highNote->text() : QString(), highProblem);
    QCOMPARE(graph->findChild<QLineEdit*>("grMax")->accessibleDescription(), highProblem);
    QCOMPARE(graph->plot()->xLow(), plotLow);
    QCOMPARE(graph->plot()->xHigh(), plotHigh);
    QCOMPARE(double(graph->model().low()), plotLow);
    QCOMPARE(double(graph->model().high()), plotHigh);
    QCOMPARE(double(graph->samples().back().x), plotHigh);
    if (lowProblem.isEmpty() && highProblem.isEmpty()) {
        QCOMPARE(m_window->student.text("grMin") + u'|' + m_window->student.text("grMax"), low + u'|' + high);
        return;
    }
    QCOMPARE(m_window->student.text("grMin") + u'|' + m_window->student.text("grMax"), low + u'|' + high);
    // A zoom on the plot: the fields show its range again.
    graph->plot()->setFocus();
    QTest::keyClick(graph->plot(), Qt::Key_Minus);
    QVERIFY(graph->plot()->xHigh() > 200);
    QCOMPARE(NumberText::toNumber(m_window->student.text("grMax"), u',').value(), graph->model().high());
    QCOMPARE(double(graph->model().high()), graph->plot()->xHigh());
    QVERIFY(!lowNote->isVisibleTo(graph) && !highNote->isVisibleTo(graph));
}

// The vertical quantity chosen among the page's rows: the plot, the sliders, the table and
// the words follow; the two choosers show their whole texts.
void TestGraph::verticalAxis()
{
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    auto* yChooser = graph->findChild<QComboBox*>("grY");
    auto* xChooser = graph->findChild<QComboBox*>("grX");
    QCOMPARE(yChooser->count(), 4);
    QCOMPARE(yChooser->itemData(0).toByteArray(), QByteArray("eST"));
    const int s = yChooser->findData(QByteArray("eSS"));
    QVERIFY(s > 0);
    yChooser->setCurrentIndex(s);
    emit yChooser->activated(s);
    QCOMPARE(QByteArray(graph->yField()), QByteArray("eSS"));
    QStringList xs;
    for (int i = 0; i < xChooser->count(); ++i)
        xs << QString::fromLatin1(xChooser->itemData(i).toByteArray());
    QCOMPARE(xs, QStringList({"eSSo", "eV", "eST"}));
    QCOMPARE(QByteArray(graph->xField()), QByteArray("eSSo"));
    QVERIFY(graph->findChild<OperandSlider*>("gr_eV") && graph->findChild<OperandSlider*>("gr_eST"));
    QVERIFY(!graph->findChild<OperandSlider*>("gr_eSS"));
    QCOMPARE(graph->plot()->accessibleName(), QStringLiteral("Gráfico de S em função de S₀"));
    QCOMPARE(graph->findChild<QTableView*>("grTable")->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("S (m)"));
    // S = S₀ + V · t at the student's S₀ of 20 m: 100 m.
    QCOMPARE(graph->plot()->curve()[250].y(), 100.0);
    for (QComboBox* chooser : {yChooser, xChooser}) {
        for (int i = 0; i < chooser->count(); ++i)
            QVERIFY2(chooser->fontMetrics().horizontalAdvance(chooser->itemText(i)) < chooser->width() - 20, qPrintable(chooser->itemText(i)));
    }
    // The next click on the same result keeps the quantities chosen.
    m_window->student.fill({{"eSS", "60"}, {"eST", ""}});
    QVERIFY(calcular("eST"));
    QCOMPARE(QByteArray(graph->yField()), QByteArray("eSS"));
    QCOMPARE(yChooser->currentData().toByteArray(), QByteArray("eSS"));
}

// Nothing drawn, the plot says why, as the panel does, and there is no picture to save or
// copy: a Calcular that computed nothing, or a slider typed past what the plot draws.
void TestGraph::whyNothingIsDrawn()
{
    GraphWindow* graph = openGraph();
    auto* save = graph->findChild<QPushButton*>("grSalvar");
    auto* copy = graph->findChild<QPushButton*>("grCopiar");
    QVERIFY(!save->isEnabled() && !copy->isEnabled());
    m_window->student.fill({{"eSS", "100"}, {"eSSo", "20"}, {"eV", "0"}});
    QVERIFY(!calcular("eST"));
    const QString said = m_main->resolution().sessionRecord().entries().front().lines.constLast();
    QCOMPARE(said, QStringLiteral("Sem resultado — Divisão por zero: V = 0."));
    QCOMPARE(graph->plot()->accessibleDescription(), said);
    QCOMPARE(graph->model().message(), said);
    QVERIFY(!save->isEnabled() && !copy->isEnabled());
    m_window->student.fill({{"eV", "16"}});
    QVERIFY(calcular("eST"));
    QVERIFY(save->isEnabled() && copy->isEnabled());
    graph->chooseX("eV");
    QLineEdit* s = graph->findChild<OperandSlider*>("gr_eSS")->edit();
    s->setText(QStringLiteral("1E308"));
    emit s->editingFinished();
    QCOMPARE(graph->plot()->accessibleDescription(), QStringLiteral("Os valores de t para V de 0 a 32 são grandes demais para o gráfico."));
    QVERIFY(!save->isEnabled() && !copy->isEnabled());
    QVERIFY(std::none_of(graph->plot()->curve().begin(), graph->plot()->curve().end(), [](QPointF p) { return std::isfinite(p.y()); }));
}

// The line under the plot gives the tracer's point with every digit, on the curve drawn
// now: after a slider moves and after a zoom.
void TestGraph::tracerLineFollows()
{
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    graph->chooseX("eV");
    PlotView* plot = graph->plot();
    auto* line = graph->findChild<QLabel*>("grTracer");
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_Right);
    QCOMPARE(line->text(), QStringLiteral("V = 16 m/s; t = 5 s"));
    graph->findChild<OperandSlider*>("gr_eSS")->slider()->setValue(OperandSlider::steps * 3 / 4);
    QCOMPARE(line->text(), QStringLiteral("V = 16 m/s; t = 8,125 s"));
    QTest::keyClick(plot, Qt::Key_Plus);
    QVERIFY(plot->xHigh() < 32);
    const QPointF at = *plot->tracer();
    QCOMPARE(line->text(), graph->model().pointText(at.x(), at.y()));
    QTest::keyClick(plot, Qt::Key_Right);
    QCOMPARE(line->text(), graph->model().pointText(plot->tracer()->x(), plot->tracer()->y()));
    QVERIFY(plot->tracer()->x() > at.x());
}

void TestGraph::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("PNG") << "grafico.png" << 1.0;
    QTest::newRow("PNG at 2x") << "grafico.png" << 2.0;
    QTest::newRow("SVG") << "grafico.svg" << 1.0;
}

// Saved and copied pictures open, at the plot's size times the pixel ratio, the copy with
// its caption.
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
    // The copy carries the caption above the plot: as wide, and taller by its lines.
    m_window->student.click("grCopiar");
    const QSize copied = QGuiApplication::clipboard()->image().size();
    QCOMPARE(copied.width(), qRound(plot->width() * plot->devicePixelRatioF()));
    QVERIFY(copied.height() > qRound(plot->height() * plot->devicePixelRatioF()));
}

// What Salvar and Copiar write carries the topic, the relation and the other quantities'
// values above the graph, at the plot's size.
void TestGraph::picturesCarryTheCaption()
{
    solveUniformMotion();
    GraphWindow* graph = openGraph();
    graph->chooseX("eV");
    graph->findChild<OperandSlider*>("gr_eSS")->slider()->setValue(OperandSlider::steps * 3 / 4);
    const QStringList caption = graph->model().caption();
    QCOMPARE(caption.mid(0, 2), QStringList({"Movimento Uniforme — t em função de V", "S = 150 m; S₀ = 20 m"}));
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("grafico.svg"));
    QVERIFY(graph->plot()->savePicture(svg, 1, {caption.value(0), caption.mid(1)}));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("<title>Movimento Uniforme — t em função de V</title>")));
    QVERIFY(text.contains(QStringLiteral("S = 150 m; S₀ = 20 m")));
    m_window->student.click("grCopiar");
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.width(), qRound(graph->plot()->width() * graph->plot()->devicePixelRatioF()));
    QVERIFY(copied.height() > qRound(graph->plot()->height() * graph->plot()->devicePixelRatioF()));
}

VELQUORA_TEST_MAIN(TestGraph)
#include "tst_graph.moc"
