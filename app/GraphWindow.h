#pragma once

#include "engine/GraphModel.h"

#include <QHash>
#include <QWidget>
#include <vector>

class EquationPages;
class OperandSlider;
class PlotView;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

// "Gráfico": the result the main window computed last, or another row of its page, drawn
// against one of the operands it is computed from, every point by the page's own solver;
// the other operands on sliders, the student's values in grey, a table of the values for a
// report or a screen reader. It follows the page: every Calcular and every topic switch
// reach it with what the click read. What it shows is held by a GraphModel; this window
// builds the widgets, hands the model what the student does and shows what it holds.
class GraphWindow : public QWidget
{
    Q_OBJECT

public:
    // `last`: the latest click that wrote a result on the topic on show, if any, and the
    // texts of its page's fields as it left them.
    GraphWindow(EquationPages& pages, const Topic* topic, const Working* last, const QHash<QByteArray, QString>& texts,
                QWidget* parent);

    static const QString title;
    static constexpr int points = GraphModel::points;
    static constexpr int tablePoints = GraphModel::tablePoints;
    using Point = GraphModel::Point;

    void calculated(const Working& working, const QHash<QByteArray, QString>& texts);
    void topicChosen(const Topic& topic);
    // Shown beside the main window, where the screen has room.
    void showBeside(QWidget* main);

    const GraphModel& model() const { return m_model; }
    PlotView* plot() const { return m_plot; }
    const std::vector<Point>& samples() const { return m_model.samples(); }
    const char* xField() const { return m_model.x(); }
    const char* yField() const { return m_model.y(); }
    // Moves the quantity on an axis, or the range shown, as its field does; a range the
    // plot cannot draw is refused.
    void chooseX(const char* field);
    void chooseY(const char* field);
    void setRange(long double low, long double high);
    void adjust();

private:
    void buildChoosers();
    void buildSliders();
    void redraw(bool fit);
    void showTable();
    void showRangeFields();
    void showProblems(const GraphModel::RangeReading& reading);
    void showTracer();
    void rangeTyped(GraphModel::End edited);
    void rangeDragged(double low, double high);
    void saveImage();
    void copyImage();
    QChar separator() const;

    EquationPages& m_pages;
    const Topic* m_topic;
    GraphModel m_model;
    std::vector<OperandSlider*> m_sliders;

    QComboBox* m_yChooser;
    QComboBox* m_xChooser;
    QLineEdit* m_min;
    QLineEdit* m_max;
    QLabel* m_minProblem;
    QLabel* m_maxProblem;
    PlotView* m_plot;
    QLabel* m_legend;
    QTableView* m_table;
    QStandardItemModel* m_rows;
    QWidget* m_sliderBox;
    QGridLayout* m_sliderRows;
    QLabel* m_tracer;
    QPushButton* m_save;
    QPushButton* m_copy;
};
