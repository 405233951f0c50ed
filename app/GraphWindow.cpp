#include "app/GraphWindow.h"

#include "app/EquationPages.h"
#include "app/OperandSlider.h"
#include "catalogue/Catalogue.h"
#include "engine/BookNumber.h"
#include "engine/NumberText.h"
#include "plot/AxisRange.h"
#include "plot/PlotView.h"
#include "plot/Ticks.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

const QString GraphWindow::title = QStringLiteral("Gráfico – Velquora");

namespace {

// The model's caption as the plot draws it: a title, then the other quantities' values.
// A range the plot can draw and whose ticks still say something: under 10³⁰⁰ wide.
bool drawable(double low, double high)
{
    return AxisRange::acceptable(low, high) && high - low < 1e300;
}

PlotView::Caption captionOf(const QStringList& lines)
{
    return {lines.value(0), lines.mid(1)};
}

// What is wrong with a range field, in the dark red of the panel's reasons.
QLabel* problemLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(160, 0, 0));
    label->setPalette(p);
    label->hide();
    return label;
}

}

GraphWindow::GraphWindow(EquationPages& pages, const Topic* topic, const Working* last, const QHash<QByteArray, QString>& texts,
                         QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_pages(pages)
    , m_topic(topic)
    , m_model(pages.decimalSeparator())
    , m_yChooser(new QComboBox(this))
    , m_xChooser(new QComboBox(this))
    , m_min(new QLineEdit(this))
    , m_max(new QLineEdit(this))
    , m_minProblem(problemLabel(this))
    , m_maxProblem(problemLabel(this))
    , m_plot(new PlotView(this))
    , m_legend(new QLabel(this))
    , m_table(new QTableView(this))
    , m_rows(new QStandardItemModel(this))
    , m_sliderBox(new QGroupBox(QStringLiteral("Outras grandezas"), this))
    , m_sliderRows(new QGridLayout(m_sliderBox))
    , m_tracer(new QLabel(this))
    , m_save(new QPushButton(QStringLiteral("&Salvar imagem…"), this))
    , m_copy(new QPushButton(QStringLiteral("&Copiar imagem"), this))
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("frmGrafico"));
    m_yChooser->setObjectName(QStringLiteral("grY"));
    m_yChooser->setAccessibleName(QStringLiteral("Eixo vertical"));
    m_xChooser->setObjectName(QStringLiteral("grX"));
    m_xChooser->setAccessibleName(QStringLiteral("Eixo horizontal"));
    // A chooser is as wide as its longest quantity, so no name is cut.
    for (QComboBox* c : {m_yChooser, m_xChooser})
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_min->setObjectName(QStringLiteral("grMin"));
    m_min->setAccessibleName(QStringLiteral("Início do eixo horizontal"));
    m_max->setObjectName(QStringLiteral("grMax"));
    m_max->setAccessibleName(QStringLiteral("Fim do eixo horizontal"));
    m_minProblem->setObjectName(QStringLiteral("grMinProblema"));
    m_maxProblem->setObjectName(QStringLiteral("grMaxProblema"));
    for (QLineEdit* e : {m_min, m_max})
        e->setMaximumWidth(130);
    m_plot->setObjectName(QStringLiteral("grPlot"));
    m_legend->setObjectName(QStringLiteral("grLegenda"));
    m_legend->setWordWrap(true);
    m_table->setObjectName(QStringLiteral("grTable"));
    m_table->setAccessibleName(QStringLiteral("Tabela de valores"));
    m_table->setModel(m_rows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tracer->setObjectName(QStringLiteral("grTracer"));
    m_save->setObjectName(QStringLiteral("grSalvar"));
    m_copy->setObjectName(QStringLiteral("grCopiar"));

    auto* adjust = new QPushButton(QStringLiteral("A&justar"), this);
    adjust->setObjectName(QStringLiteral("grAjustar"));
    adjust->setToolTip(QStringLiteral("Volta ao intervalo de 0 ao dobro do seu valor e ajusta a escala"));
    // Tab goes from the range's end to Ajustar, then to the plot.
    setTabOrder(m_max, adjust);

    // The two quantities, one above the other; the range under the horizontal one, each
    // end's problem under its field.
    auto* axes = new QGridLayout;
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    axes->addWidget(label(QStringLiteral("Eixo &vertical:"), m_yChooser), 0, 0);
    axes->addWidget(m_yChooser, 0, 1, 1, 5, Qt::AlignLeft);
    axes->addWidget(label(QStringLiteral("Eixo &horizontal:"), m_xChooser), 1, 0);
    axes->addWidget(m_xChooser, 1, 1, 1, 5, Qt::AlignLeft);
    axes->addWidget(label(QStringLiteral("&de"), m_min), 2, 0, Qt::AlignRight);
    axes->addWidget(m_min, 2, 1);
    axes->addWidget(label(QStringLiteral("&até"), m_max), 2, 2, Qt::AlignRight);
    axes->addWidget(m_max, 2, 3);
    axes->addWidget(adjust, 2, 4);
    axes->addWidget(m_minProblem, 3, 1);
    axes->addWidget(m_maxProblem, 3, 3, 1, 2);
    axes->setColumnStretch(5, 1);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(m_plot, QStringLiteral("Gráfico"));
    tabs->addTab(m_table, QStringLiteral("Tabela"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_tracer, 1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_copy);

    auto* column = new QVBoxLayout(this);
    column->addLayout(axes);
    column->addWidget(tabs, 1);
    column->addWidget(m_legend);
    column->addWidget(m_sliderBox);
    column->addLayout(buttons);
    resize(640, 640);

    const QChar sep = separator();
    m_plot->setTickText([sep](double v) { return BookNumber::of(Number(v), sep); });
    m_plot->setPointText([this](QPointF p) { return m_model.pointText(p.x(), p.y()); });
    // On the plot the tracer's values are rounded; the line under it gives every digit.
    m_plot->setTracerText([this](QPointF p) { return m_model.pointText(p.x(), p.y(), 6); });
    connect(m_yChooser, &QComboBox::activated, this, [this](int i) { chooseY(m_yChooser->itemData(i).toByteArray().constData()); });
    connect(m_xChooser, &QComboBox::activated, this, [this](int i) { chooseX(m_xChooser->itemData(i).toByteArray().constData()); });
    connect(m_min, &QLineEdit::editingFinished, this, [this] { rangeTyped(GraphModel::End::Low); });
    connect(m_max, &QLineEdit::editingFinished, this, [this] { rangeTyped(GraphModel::End::High); });
    connect(adjust, &QPushButton::clicked, this, &GraphWindow::adjust);
    connect(m_save, &QPushButton::clicked, this, &GraphWindow::saveImage);
    connect(m_copy, &QPushButton::clicked, this, &GraphWindow::copyImage);
    connect(m_plot, &PlotView::xRangeChanged, this, &GraphWindow::rangeDragged);
    connect(m_plot, &PlotView::tracerMoved, this, &GraphWindow::showTracer);
    connect(&m_pages, &EquationPages::calculated, this, &GraphWindow::calculated);

    m_model.showTopic(m_topic);
    if (m_topic && last)
        m_model.calculated(Sheet(*m_topic, *Catalogue::solverOfPage(QString::fromUtf8(m_topic->page))), *last, texts);
    buildChoosers();
    buildSliders();
    if (m_model.hasRelation())
        showRangeFields();
    redraw(true);
}

QChar GraphWindow::separator() const
{
    return m_pages.decimalSeparator();
}

void GraphWindow::topicChosen(const Topic& topic)
{
    m_topic = &topic;
    m_model.showTopic(&topic);
    buildChoosers();
    buildSliders();
    redraw(true);
}

void GraphWindow::calculated(const Working& working, const QHash<QByteArray, QString>& texts)
{
    if (!m_topic)
        return;
    m_model.setSeparator(separator());
    const Sheet blank(*m_topic, *Catalogue::solverOfPage(QString::fromUtf8(m_topic->page)));
    if (!m_model.calculated(blank, working, texts)) {
        // Nothing new is drawn; with nothing drawn, the plot says why.
        if (!m_model.hasRelation())
            redraw(true);
        return;
    }
    buildChoosers();
    buildSliders();
    showRangeFields();
    redraw(true);
}

void GraphWindow::buildChoosers()
{
    const bool on = m_model.hasRelation();
    for (auto [chooser, choices, current] : {std::tuple{m_yChooser, &m_model.yChoices(), m_model.y()},
                                             std::tuple{m_xChooser, &m_model.xChoices(), m_model.x()}}) {
        const QSignalBlocker quiet(chooser);
        chooser->clear();
        for (const GraphModel::Choice& c : *choices)
            chooser->addItem(c.text, QByteArray(c.field));
        if (current)
            chooser->setCurrentIndex(chooser->findData(QByteArray(current)));
        chooser->setEnabled(on);
    }
    for (QWidget* w : {static_cast<QWidget*>(m_min), static_cast<QWidget*>(m_max)})
        w->setEnabled(on);
    if (!on) {
        m_min->clear();
        m_max->clear();
        showProblems({});
    }
}

void GraphWindow::chooseY(const char* field)
{
    if (!m_model.chooseY(field))
        return;
    buildChoosers();
    buildSliders();
    showRangeFields();
    redraw(true);
}

// A new horizontal quantity: its sliders, the default range.
void GraphWindow::chooseX(const char* field)
{
    if (!m_model.chooseX(field))
        return;
    buildChoosers();
    buildSliders();
    showRangeFields();
    redraw(true);
}

void GraphWindow::buildSliders()
{
    for (OperandSlider* s : m_sliders)
        delete s;
    m_sliders.clear();
    const std::vector<Relation::Operand> others = m_model.others();
    m_sliderBox->setVisible(!others.empty());
    for (const Relation::Operand& o : others) {
        const char* field = o.field;
        auto* s = new OperandSlider(m_model.axisLabel(field), m_model.symbol(field), o.value, separator(),
                                    m_sliderBox);
        s->setObjectName(QStringLiteral("gr_") + QLatin1String(field));
        m_sliderRows->addWidget(s, int(m_sliders.size()), 0);
        m_sliders.push_back(s);
        connect(s, &OperandSlider::valueChanged, this, [this, field](Number v) {
            m_model.hold(field, v);
            redraw(false);
        });
    }
}

// What the model holds, on the plot, in the table and in words. The vertical scale is kept
// while a slider moves or the view is dragged, so the curve is seen move.
void GraphWindow::redraw(bool fit)
{
    const bool on = m_model.hasRelation();
    m_save->setEnabled(m_model.drawn());
    m_copy->setEnabled(m_model.drawn());
    m_plot->setMessage(m_model.message());
    if (!on) {
        m_plot->setCurve({});
        m_plot->setComparison({});
        m_plot->setMarked(std::nullopt);
        m_plot->setAccessibleName(QStringLiteral("Gráfico"));
        m_plot->setAccessibleDescription(m_model.message());
        m_rows->clear();
        m_tracer->clear();
        m_legend->hide();
        return;
    }
    m_plot->setAxisLabels(m_model.axisLabel(m_model.x()), m_model.axisLabel(m_model.y()));
    m_plot->setXRange(double(m_model.low()), double(m_model.high()));
    m_plot->setCurve(m_model.curve());
    m_plot->setComparison(m_model.comparison());
    m_plot->setMarked(m_model.studentPoint());
    if (fit)
        m_plot->fitY();
    m_plot->setAccessibleName(QStringLiteral("Gráfico de ") + m_model.name());
    m_plot->setAccessibleDescription(m_model.description());
    // The plot names its two curves; the line under it says the same with every value,
    // and the part of the range the plot cannot draw.
    m_plot->setCurveNames(QStringLiteral("Agora"), QStringLiteral("Seus valores"));
    QStringList under = m_model.legend();
    if (!under.isEmpty())
        under = {under.join(QStringLiteral("; ")) + u'.'};
    if (!m_model.note().isEmpty())
        under << m_model.note();
    m_legend->setText(under.join(u' '));
    m_legend->setVisible(!under.isEmpty());
    showTable();
    showTracer();
}

void GraphWindow::showTable()
{
    m_rows->clear();
    m_rows->setHorizontalHeaderLabels({m_model.axisLabel(m_model.x()), m_model.axisLabel(m_model.y())});
    for (const GraphModel::TableRow& r : m_model.table()) {
        QList<QStandardItem*> row{new QStandardItem(r.x), new QStandardItem(r.y)};
        for (QStandardItem* item : row) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r.student) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
        }
        m_rows->appendRow(row);
        m_rows->setVerticalHeaderItem(m_rows->rowCount() - 1, new QStandardItem(r.name));
    }
}

// The line under the plot says, with every digit, where the tracer is on the curve drawn
// now: after a slider moves or the view is zoomed the plot keeps its tracer at its x.
void GraphWindow::showTracer()
{
    const std::optional<QPointF> at = m_plot->tracer();
    const std::vector<Point>& samples = m_model.samples();
    const auto p = at ? std::find_if(samples.begin(), samples.end(), [&](const Point& s) { return double(s.x) == at->x(); })
                      : samples.end();
    if (p == samples.end() || !p->y)
        m_tracer->clear();
    else
        m_tracer->setText(m_model.pointText(p->x, p->y->value()));
}

void GraphWindow::showRangeFields()
{
    m_min->setText(NumberText::format(m_model.low(), separator()));
    m_max->setText(NumberText::format(m_model.high(), separator()));
    showProblems({});
}

// Each field's problem under it, and on it for a screen reader.
void GraphWindow::showProblems(const GraphModel::RangeReading& reading)
{
    for (auto [field, label, problem] : {std::tuple{m_min, m_minProblem, reading.lowProblem}, std::tuple{m_max, m_maxProblem, reading.highProblem}}) {
        label->setText(problem);
        label->setVisible(!problem.isEmpty());
        field->setAccessibleDescription(problem);
    }
}

void GraphWindow::setRange(long double low, long double high)
{
    if (!m_model.hasRelation() || !(low < high) || !drawable(double(low), double(high))
        || !(std::abs(low) < 1e300L && std::abs(high) < 1e300L))
        return;
    m_model.setRange(low, high);
    showRangeFields();
    redraw(true);
}

// The fields keep what was typed while it is wrong, and the plot its range; a good pair
// of ends is drawn.
void GraphWindow::rangeTyped(GraphModel::End edited)
{
    if (!m_model.hasRelation())
        return;
    const GraphModel::RangeReading reading = m_model.readRange(m_min->text(), m_max->text(), edited, drawable);
    showProblems(reading);
    if (!reading.ok())
        return;
    if (*reading.low == m_model.low() && *reading.high == m_model.high())
        return showRangeFields();
    m_model.setRange(*reading.low, *reading.high);
    showRangeFields();
    redraw(true);
}

// A zoom or a pan: the ends are rounded to a hundredth of the range, so the fields and the
// table show short numbers, and written as the fields read them. A range the plot cannot
// draw is not taken, and the plot goes back to the one the fields show.
void GraphWindow::rangeDragged(double low, double high)
{
    if (!m_model.hasRelation())
        return;
    const auto refuse = [this] { m_plot->setXRange(double(m_model.low()), double(m_model.high())); };
    if (!drawable(low, high))
        return refuse();
    const double step = Ticks::step(low, high, 100);
    const auto rounded = [&](double v) {
        const QString text = NumberText::format((long double)(std::round(v / step) * step), separator());
        return NumberText::toNumber(text, separator()).value();
    };
    const long double l = rounded(low), h = rounded(high);
    if (!(l < h) || !drawable(double(l), double(h)))
        return refuse();
    m_model.setRange(l, h);
    showRangeFields();
    redraw(false);
}

void GraphWindow::adjust()
{
    if (!m_model.hasRelation())
        return;
    m_model.resetRange();
    showRangeFields();
    redraw(true);
}

void GraphWindow::saveImage()
{
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar imagem"), QStringLiteral("grafico.png"),
                                                QStringLiteral("Imagem PNG (*.png);;Imagem SVG (*.svg)"), &filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) && !path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        path += filter.contains(QLatin1String("svg")) ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!m_plot->savePicture(path, devicePixelRatioF(), captionOf(m_model.caption())))
        QMessageBox::warning(this, title, QStringLiteral("Não foi possível salvar a imagem em “%1”.").arg(path));
}

void GraphWindow::copyImage()
{
    QGuiApplication::clipboard()->setImage(m_plot->picture(devicePixelRatioF(), captionOf(m_model.caption())));
}

// Beside the main window on the side with room; where neither side has room, at the left
// edge of the screen, over the topic list rather than the fields and Calcular, unless the
// main window is near that edge.
void GraphWindow::showBeside(QWidget* main)
{
    if (!isVisible() && main->screen()) {
        const QRect frame = main->frameGeometry();
        const QRect area = main->screen()->availableGeometry();
        // No taller than the screen: the plot gives up the height.
        const int titleBar = std::max(frameGeometry().height() - geometry().height(), style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
        if (height() + titleBar > area.height())
            resize(width(), std::max(minimumSizeHint().height(), area.height() - titleBar));
        const int outer = width() + (frameGeometry().width() - geometry().width());
        const int rightRoom = area.right() - frame.right(), leftRoom = frame.left() - area.left();
        int x = rightRoom >= outer + 8 ? frame.right() + 8 : leftRoom >= outer + 8 ? frame.left() - outer - 8
                : 2 * leftRoom < rightRoom                 ? area.right() - outer
                                                           : area.left();
        move(x, std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - frameGeometry().height())));
    }
    show();
    raise();
    activateWindow();
}
