#include "app/GraphWindow.h"

#include "app/EquationPages.h"
#include "app/OperandSlider.h"
#include "app/TfrmMain.h"
#include "catalogue/Catalogue.h"
#include "controls/TEdit.h"
#include "engine/BookNumber.h"
#include "engine/NumberText.h"
#include "engine/WorkingText.h"
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
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

const QString GraphWindow::title = QStringLiteral("Gráfico – Velquora");

namespace {

// The horizontal range a result is first shown on: from zero to twice the value.
std::pair<long double, long double> defaultRange(long double x)
{
    if (x == 0)
        return {-1, 1};
    return x > 0 ? std::pair{0.0L, 2 * x} : std::pair{2 * x, 0.0L};
}

double plotted(const std::optional<Number>& y)
{
    return y ? double(y->value()) : std::nan("");
}

}

GraphWindow::GraphWindow(TfrmMain& main, const Topic* topic, const std::optional<Working>& last)
    : QWidget(&main, Qt::Window)
    , m_main(main)
    , m_topic(topic)
    , m_xChooser(new QComboBox(this))
    , m_min(new QLineEdit(this))
    , m_max(new QLineEdit(this))
    , m_plot(new PlotView(this))
    , m_table(new QTableView(this))
    , m_model(new QStandardItemModel(this))
    , m_sliderBox(new QGroupBox(QStringLiteral("Outras grandezas"), this))
    , m_sliderRows(new QGridLayout(m_sliderBox))
    , m_tracer(new QLabel(this))
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("frmGrafico"));
    m_xChooser->setObjectName(QStringLiteral("grX"));
    m_xChooser->setAccessibleName(QStringLiteral("Eixo horizontal"));
    m_min->setObjectName(QStringLiteral("grMin"));
    m_min->setAccessibleName(QStringLiteral("Início do eixo horizontal"));
    m_max->setObjectName(QStringLiteral("grMax"));
    m_max->setAccessibleName(QStringLiteral("Fim do eixo horizontal"));
    for (QLineEdit* e : {m_min, m_max})
        e->setMaximumWidth(130);
    m_plot->setObjectName(QStringLiteral("grPlot"));
    m_table->setObjectName(QStringLiteral("grTable"));
    m_table->setAccessibleName(QStringLiteral("Tabela de valores"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tracer->setObjectName(QStringLiteral("grTracer"));

    auto* adjust = new QPushButton(QStringLiteral("A&justar"), this);
    adjust->setObjectName(QStringLiteral("grAjustar"));
    adjust->setToolTip(QStringLiteral("Volta ao intervalo de 0 ao dobro do seu valor e ajusta a escala"));
    auto* save = new QPushButton(QStringLiteral("&Salvar imagem…"), this);
    save->setObjectName(QStringLiteral("grSalvar"));
    auto* copy = new QPushButton(QStringLiteral("&Copiar imagem"), this);
    copy->setObjectName(QStringLiteral("grCopiar"));

    auto* axisRow = new QHBoxLayout;
    auto* xLabel = new QLabel(QStringLiteral("Eixo &horizontal:"), this);
    xLabel->setBuddy(m_xChooser);
    auto* fromLabel = new QLabel(QStringLiteral("&de"), this);
    fromLabel->setBuddy(m_min);
    auto* toLabel = new QLabel(QStringLiteral("&até"), this);
    toLabel->setBuddy(m_max);
    axisRow->addWidget(xLabel);
    axisRow->addWidget(m_xChooser, 1);
    axisRow->addSpacing(12);
    axisRow->addWidget(fromLabel);
    axisRow->addWidget(m_min);
    axisRow->addWidget(toLabel);
    axisRow->addWidget(m_max);
    axisRow->addWidget(adjust);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(m_plot, QStringLiteral("Gráfico"));
    tabs->addTab(m_table, QStringLiteral("Tabela"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_tracer, 1);
    buttons->addWidget(save);
    buttons->addWidget(copy);

    auto* column = new QVBoxLayout(this);
    column->addLayout(axisRow);
    column->addWidget(tabs, 1);
    column->addWidget(m_sliderBox);
    column->addLayout(buttons);
    resize(640, 600);

    const QChar sep = separator();
    m_plot->setTickText([sep](double v) { return BookNumber::of(Number(v), sep); });
    m_plot->setPointText([this](QPointF p) { return pointText(p.x(), p.y()); });
    // On the plot the tracer's values are rounded; the line under it gives every digit.
    m_plot->setTracerText([this](QPointF p) { return pointText(p.x(), p.y(), 6); });
    connect(m_xChooser, &QComboBox::activated, this, [this](int i) { chooseX(m_xChooser->itemData(i).toByteArray().constData()); });
    connect(m_min, &QLineEdit::editingFinished, this, &GraphWindow::rangeTyped);
    connect(m_max, &QLineEdit::editingFinished, this, &GraphWindow::rangeTyped);
    connect(adjust, &QPushButton::clicked, this, &GraphWindow::adjust);
    connect(save, &QPushButton::clicked, this, &GraphWindow::saveImage);
    connect(copy, &QPushButton::clicked, this, &GraphWindow::copyImage);
    connect(m_plot, &PlotView::xRangeChanged, this, &GraphWindow::rangeDragged);
    connect(m_plot, &PlotView::tracerMoved, this, [this](int i) {
        const Point& p = m_samples.at(std::size_t(i));
        if (p.y)
            m_tracer->setText(pointText(p.x, p.y->value()));
    });
    connect(&m_main.pages(), &EquationPages::calculated, this, &GraphWindow::calculated);

    if (m_topic)
        m_rows = RowTable(m_topic->rows);
    if (m_topic && last)
        calculated(*last);
    else
        showHint();
}

QChar GraphWindow::separator() const
{
    return m_main.pages().decimalSeparator();
}

// In book form, with the display's 15 digits or fewer.
QString GraphWindow::number(long double v, int digits) const
{
    if (digits >= 15)
        return BookNumber::of(v, separator());
    const QString text = QString::number(double(v), 'g', digits).replace(u'e', u'E').replace(u'.', separator());
    return BookNumber::fromText(text, separator());
}

QString GraphWindow::axisLabel(const char* field) const
{
    const QString unit = m_rows.unit(field);
    return m_rows.symbol(field) + (unit.isEmpty() ? QString() : QStringLiteral(" (") + unit + u')');
}

// "V = 16 m/s; t = 5 s"
QString GraphWindow::pointText(long double x, long double y, int digits) const
{
    if (!m_relation)
        return {};
    const auto said = [&](const char* field, long double v) {
        const QString unit = m_rows.unit(field);
        return m_rows.symbol(field) + QStringLiteral(" = ") + number(v, digits) + (unit.isEmpty() ? QString() : u' ' + unit);
    };
    return said(m_x, x) + QStringLiteral("; ") + said(m_relation->target(), y);
}

Number GraphWindow::studentValue(const char* field) const
{
    for (const Relation::Operand& o : m_relation->operands()) {
        if (std::strcmp(o.field, field) == 0)
            return o.value;
    }
    return {};
}

void GraphWindow::topicChosen(const Topic& topic)
{
    m_topic = &topic;
    m_rows = RowTable(topic.rows);
    m_relation.reset();
    showHint();
}

void GraphWindow::showHint()
{
    m_relation.reset();
    m_samples.clear();
    m_x = nullptr;
    m_xChooser->clear();
    m_model->clear();
    m_tracer->clear();
    buildSliders();
    for (QWidget* w : {static_cast<QWidget*>(m_xChooser), static_cast<QWidget*>(m_min), static_cast<QWidget*>(m_max)})
        w->setEnabled(false);
    const QString topic = m_topic ? QStringLiteral(" de “%1”").arg(QString::fromUtf8(m_topic->header)) : QString();
    const QString hint = QStringLiteral("Preencha os campos%1 e clique em Calcular: o gráfico mostra o resultado "
                                        "em função de um dos valores que você deu.").arg(topic);
    m_plot->setCurve({});
    m_plot->setComparison({});
    m_plot->setMarked(std::nullopt);
    m_plot->setMessage(hint);
    m_plot->setAccessibleName(QStringLiteral("Gráfico"));
    m_plot->setAccessibleDescription(hint);
}

void GraphWindow::calculated(const Working& working)
{
    if (!m_topic || working.steps().empty())
        return;
    const Sheet blank(*m_topic, *Catalogue::solverOfPage(QString::fromUtf8(m_topic->page)));
    QHash<QByteArray, QString> texts;
    for (const TEdit* field : m_main.pages().fields()) {
        if (field->parentWidget() == m_main.pages().currentPage())
            texts.insert(field->objectName().toLatin1(), field->text());
    }
    std::optional<Relation> relation = Relation::of(blank, working, texts);
    if (!relation || relation->operands().empty())
        return;
    const QByteArray previous = m_x && m_relation && std::strcmp(m_relation->target(), relation->target()) == 0 ? QByteArray(m_x) : QByteArray();
    m_relation = std::move(relation);
    m_greyKey = {};
    m_formula = WorkingText::lines(working, m_rows, separator()).value(0);
    m_xChooser->clear();
    m_x = m_relation->operands().front().field;
    for (const Relation::Operand& o : m_relation->operands()) {
        const Row* row = m_rows.find(o.field);
        m_xChooser->addItem(axisLabel(o.field) + (row ? QStringLiteral(" — ") + QString::fromUtf8(row->quantity) : QString()),
                            QByteArray(o.field));
        if (previous == o.field)
            m_x = o.field;
    }
    for (QWidget* w : {static_cast<QWidget*>(m_xChooser), static_cast<QWidget*>(m_min), static_cast<QWidget*>(m_max)})
        w->setEnabled(true);
    showRelation();
}

void GraphWindow::chooseX(const char* field)
{
    if (!m_relation)
        return;
    for (const Relation::Operand& o : m_relation->operands()) {
        if (std::strcmp(o.field, field) == 0) {
            m_x = o.field;
            showRelation();
            return;
        }
    }
}

// A new horizontal operand: its sliders, the default range, the curve at the student's
// values in grey.
void GraphWindow::showRelation()
{
    for (const Relation::Operand& o : m_relation->operands())
        m_relation->hold(o.field, o.value);
    m_xChooser->setCurrentIndex(m_xChooser->findData(QByteArray(m_x)));
    m_plot->setAxisLabels(axisLabel(m_x), axisLabel(m_relation->target()));
    m_plot->setMessage({});
    m_tracer->clear();
    buildSliders();
    const auto [low, high] = defaultRange(studentValue(m_x).value());
    m_low = low;
    m_high = high;
    m_min->setText(NumberText::format(m_low, separator()));
    m_max->setText(NumberText::format(m_high, separator()));
    m_plot->setMarked(QPointF(double(studentValue(m_x).value()), double(m_relation->result().value())));
    redraw(true);
}

void GraphWindow::buildSliders()
{
    for (OperandSlider* s : m_sliders)
        delete s;
    m_sliders.clear();
    m_sliderBox->setVisible(m_relation && m_relation->operands().size() > 1);
    if (!m_relation)
        return;
    for (const Relation::Operand& o : m_relation->operands()) {
        if (o.field == m_x)
            continue;
        const char* field = o.field;
        auto* s = new OperandSlider(axisLabel(field), m_rows.symbol(field), o.value, separator(), m_sliderBox);
        s->setObjectName(QStringLiteral("gr_") + QLatin1String(field));
        m_sliderRows->addWidget(s, int(m_sliders.size()), 0);
        m_sliders.push_back(s);
        connect(s, &OperandSlider::valueChanged, this, [this, field](Number v) {
            m_relation->hold(field, v);
            redraw(false);
        });
    }
}

// The curve over the range, the grey one at the student's values, the table and the
// description. The vertical scale is kept while a slider moves, so the curve is seen move.
void GraphWindow::redraw(bool fit)
{
    if (!m_relation)
        return;
    const std::vector<std::optional<Number>> ys = m_relation->sample(m_x, m_low, m_high, points);
    m_samples.clear();
    std::vector<QPointF> curve;
    for (int i = 0; i < points; ++i) {
        const long double x = Relation::pointOf(m_low, m_high, i, points);
        m_samples.push_back({x, ys[std::size_t(i)]});
        curve.emplace_back(double(x), plotted(ys[std::size_t(i)]));
    }
    // The comparison is the curve with every operand at the student's value, made once
    // for each axis and range while the sliders move.
    bool atStudent = true;
    for (const Relation::Operand& o : m_relation->operands())
        atStudent = atStudent && (o.field == m_x || m_relation->held(o.field) == o.value);
    const Grey key{m_x, m_low, m_high};
    if (!atStudent && !(m_greyKey == key)) {
        Relation student = *m_relation;
        for (const Relation::Operand& o : m_relation->operands())
            student.hold(o.field, o.value);
        const auto grey = student.sample(m_x, m_low, m_high, points);
        m_grey.clear();
        for (int i = 0; i < points; ++i)
            m_grey.emplace_back(double(Relation::pointOf(m_low, m_high, i, points)), plotted(grey[std::size_t(i)]));
        m_greyKey = key;
    }
    m_plot->setXRange(double(m_low), double(m_high));
    m_plot->setCurve(std::move(curve));
    m_plot->setComparison(atStudent ? std::vector<QPointF>() : m_grey);
    if (fit)
        m_plot->fitY();
    fillTable();
    describe();
}

void GraphWindow::fillTable()
{
    m_model->clear();
    m_model->setHorizontalHeaderLabels({axisLabel(m_x), axisLabel(m_relation->target())});
    const long double mine = studentValue(m_x).value();
    bool placed = false;
    const auto add = [&](long double x, const QString& name) {
        const std::optional<Number> y = m_relation->at(m_x, x);
        QList<QStandardItem*> row{new QStandardItem(number(x)),
                                  new QStandardItem(y ? number(y->value()) : QStringLiteral("sem valor"))};
        const bool student = x == mine;
        for (QStandardItem* item : row) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (student) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
        }
        m_model->appendRow(row);
        m_model->setVerticalHeaderItem(m_model->rowCount() - 1, new QStandardItem(name));
    };
    for (int i = 0; i < tablePoints; ++i) {
        const long double x = Relation::pointOf(m_low, m_high, i, tablePoints);
        if (!placed && mine < x) {
            add(mine, QStringLiteral("seu ponto"));
            placed = true;
        }
        if (x == mine && !placed) {
            add(x, QStringLiteral("seu ponto"));
            placed = true;
            continue;
        }
        add(x, QString::number(i + 1));
    }
    if (!placed)
        add(mine, QStringLiteral("seu ponto"));
}

// "t em função de V: t = (S − Sₒ) / V; t diminui quando V aumenta; no seu ponto, V = 16 m/s e t = 5 s."
void GraphWindow::describe()
{
    const QString y = m_rows.symbol(m_relation->target());
    const QString x = m_rows.symbol(m_x);
    int rises = 0, falls = 0;
    bool gaps = false;
    std::optional<Number> before;
    for (const Point& p : m_samples) {
        if (!p.y) {
            gaps = true;
            continue;
        }
        if (before && p.y->value() > before->value())
            ++rises;
        if (before && p.y->value() < before->value())
            ++falls;
        before = p.y;
    }
    QString trend;
    if (rises && !falls)
        trend = QStringLiteral("%1 aumenta quando %2 aumenta").arg(y, x);
    else if (falls && !rises)
        trend = QStringLiteral("%1 diminui quando %2 aumenta").arg(y, x);
    else if (!rises && !falls)
        trend = QStringLiteral("%1 não muda quando %2 muda").arg(y, x);
    else
        trend = QStringLiteral("%1 aumenta e diminui conforme %2 aumenta").arg(y, x);
    if (gaps)
        trend += QStringLiteral("; em parte do intervalo não há valor");
    const auto said = [this](const char* field, long double v) {
        const QString unit = m_rows.unit(field);
        return m_rows.symbol(field) + QStringLiteral(" = ") + number(v) + (unit.isEmpty() ? QString() : u' ' + unit);
    };
    const QString name = QStringLiteral("%1 em função de %2").arg(y, x);
    m_plot->setAccessibleName(QStringLiteral("Gráfico de ") + name);
    m_plot->setAccessibleDescription(QStringLiteral("%1: %2; %3; no seu ponto, %4 e %5.")
                                         .arg(name, m_formula, trend, said(m_x, studentValue(m_x).value()),
                                              said(m_relation->target(), m_relation->result().value())));
}

void GraphWindow::setRange(long double low, long double high)
{
    // The plot draws in doubles.
    const auto drawable = [](long double v) { return std::abs(v) < 1e300L; };
    if (!m_relation || !(low < high) || !drawable(low) || !drawable(high) || double(low) == double(high))
        return;
    m_low = low;
    m_high = high;
    m_min->setText(NumberText::format(m_low, separator()));
    m_max->setText(NumberText::format(m_high, separator()));
    redraw(true);
}

// A text that is no number goes back to the end in use; a pair in the wrong order waits
// for the other end to be typed (50 into "de" before 100 into "até").
void GraphWindow::rangeTyped()
{
    const auto read = [this](QLineEdit* field, long double current) -> std::optional<long double> {
        try {
            return NumberText::toNumber(field->text(), separator()).value();
        } catch (const EngineError&) {
            field->setText(NumberText::format(current, separator()));
            return std::nullopt;
        }
    };
    const auto low = read(m_min, m_low);
    const auto high = read(m_max, m_high);
    if (low && high && (*low != m_low || *high != m_high))
        setRange(*low, *high);
}

// A zoom or a pan: the ends are rounded to a hundredth of the range, so the fields and the
// table show short numbers, and written as the fields read them.
void GraphWindow::rangeDragged(double low, double high)
{
    if (!m_relation || !(low < high) || !std::isfinite(low) || !std::isfinite(high))
        return;
    const double step = Ticks::step(low, high, 100);
    const auto rounded = [&](double v) {
        const QString text = NumberText::format((long double)(std::round(v / step) * step), separator());
        return NumberText::toNumber(text, separator()).value();
    };
    const long double l = rounded(low), h = rounded(high);
    if (!(l < h))
        return;
    m_low = l;
    m_high = h;
    m_min->setText(NumberText::format(m_low, separator()));
    m_max->setText(NumberText::format(m_high, separator()));
    redraw(false);
}

void GraphWindow::adjust()
{
    if (!m_relation)
        return;
    const auto [low, high] = defaultRange(studentValue(m_x).value());
    setRange(low, high);
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
    if (!m_plot->savePicture(path, devicePixelRatioF()))
        QMessageBox::warning(this, title, QStringLiteral("Não foi possível salvar a imagem em “%1”.").arg(path));
}

void GraphWindow::copyImage()
{
    QGuiApplication::clipboard()->setImage(m_plot->picture(devicePixelRatioF()));
}

// Beside the main window on the side with room; where neither side has room, at the left
// edge of the screen, over the topic list rather than the fields and Calcular, unless the
// main window is near that edge.
void GraphWindow::showBeside(QWidget* main)
{
    if (!isVisible() && main->screen()) {
        const QRect frame = main->frameGeometry();
        const QRect area = main->screen()->availableGeometry();
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
