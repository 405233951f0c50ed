#pragma once

#include "engine/Relation.h"
#include "engine/Row.h"

#include <QPointF>
#include <QWidget>
#include <optional>
#include <vector>

class OperandSlider;
class PlotView;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;
class TfrmMain;

// "Gráfico": the result the main window computed last, drawn against one of its operands,
// every point by the page's own solver; the other operands on sliders, the student's
// values in grey, a table of the values for a report or a screen reader. It follows the
// main window: every Calcular that writes a result and every topic switch redraw it.
class GraphWindow : public QWidget
{
    Q_OBJECT

public:
    // `last`: the latest click that wrote a result on the topic on show, if any.
    GraphWindow(TfrmMain& main, const Topic* topic, const std::optional<Working>& last);

    static const QString title;
    // 500 steps: a round step on a round range, so the tracer stops at round values.
    static constexpr int points = 501;
    static constexpr int tablePoints = 11;

    void calculated(const Working& working);
    void topicChosen(const Topic& topic);
    // Shown beside the main window, where the screen has room.
    void showBeside(QWidget* main);

    PlotView* plot() const { return m_plot; }
    // The points drawn, exactly as computed: x, and the result there (none in a gap).
    struct Point
    {
        long double x;
        std::optional<Number> y;
    };
    const std::vector<Point>& samples() const { return m_samples; }
    const char* xField() const { return m_x; }
    // Moves the operand on the horizontal axis, or the range shown, as its field does.
    void chooseX(const char* field);
    void setRange(long double low, long double high);
    void adjust();

private:
    void showRelation();
    void showHint();
    void buildSliders();
    void redraw(bool fit);
    void fillTable();
    void describe();
    void rangeTyped();
    void rangeDragged(double low, double high);
    void saveImage();
    void copyImage();
    QString axisLabel(const char* field) const;
    QString pointText(long double x, long double y, int digits = 15) const;
    QString number(long double v, int digits = 15) const;
    // The value the click read for an operand.
    Number studentValue(const char* field) const;
    QChar separator() const;

    TfrmMain& m_main;
    const Topic* m_topic;
    RowTable m_rows;
    std::optional<Relation> m_relation;
    QString m_formula;
    const char* m_x = nullptr;
    long double m_low = 0;
    long double m_high = 1;
    std::vector<Point> m_samples;
    std::vector<OperandSlider*> m_sliders;
    // The grey curve and the axis and range it was made for.
    struct Grey
    {
        const char* x = nullptr;
        long double low = 0;
        long double high = 0;
        bool operator==(const Grey&) const = default;
    };
    Grey m_greyKey;
    std::vector<QPointF> m_grey;

    QComboBox* m_xChooser;
    QLineEdit* m_min;
    QLineEdit* m_max;
    PlotView* m_plot;
    QTableView* m_table;
    QStandardItemModel* m_model;
    QWidget* m_sliderBox;
    QGridLayout* m_sliderRows;
    QLabel* m_tracer;
};
