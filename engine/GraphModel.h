#pragma once

#include "engine/Relation.h"
#include "engine/Row.h"

#include <QPointF>
#include <QStringList>
#include <optional>
#include <vector>

// The graph without its window: the relation the last click computed, seen against one of
// its operands (or another row of the page, solved for by the page's own solver), the
// range shown, the operands held elsewhere, the samples, the grey curve at the student's
// values, the table's rows and the words a screen reader says. The window draws what this
// holds and hands it what the student does; the page hands it each click and the texts
// the click read.
class GraphModel
{
public:
    // 500 steps: a round step on a round range, so the tracer stops at round values.
    static constexpr int points = 501;
    static constexpr int tablePoints = 11;

    // The points drawn, exactly as computed: x, and the result there (none in a gap).
    struct Point
    {
        long double x;
        std::optional<Number> y;
    };
    // A quantity a chooser offers: its field and "t (s) — Tempo".
    struct Choice
    {
        const char* field;
        QString text;
    };
    // One row of the table, in book form; "seu ponto" is the student's.
    struct TableRow
    {
        QString name;
        QString x;
        QString y;
        bool student = false;
    };
    // What the two range fields say: the ends read, or what is wrong beside each field.
    struct RangeReading
    {
        std::optional<long double> low;
        std::optional<long double> high;
        QString lowProblem;
        QString highProblem;
        bool ok() const { return low && high && lowProblem.isEmpty() && highProblem.isEmpty(); }
    };
    enum class End { Low, High };
    // Whether the plot can draw a horizontal range.
    using Drawable = bool (*)(double low, double high);

    explicit GraphModel(QChar separator = u',') : m_separator(separator) { }
    void setSeparator(QChar separator) { m_separator = separator; }

    // A topic chosen (or none yet): nothing is drawn and the message says what to do.
    void showTopic(const Topic* topic);
    // A click of the page's Calcular: `blank` is the page as its topic leaves it, `texts`
    // its fields as the click left them. A click that wrote a result is drawn, on the
    // vertical and horizontal quantities chosen before where the click computed the same
    // result; one that wrote nothing leaves what is drawn, or, with nothing drawn, says why.
    // True when the click is drawn.
    bool calculated(const Sheet& blank, const Working& working, const QHash<QByteArray, QString>& texts);

    bool hasRelation() const { return m_relation.has_value(); }
    const char* x() const { return m_x; }
    const char* y() const { return m_relation ? m_relation->target() : nullptr; }
    // The click's result first, then every other row of the page the solver computes from
    // the values read; against the vertical one, the operands it is computed from.
    const std::vector<Choice>& yChoices() const { return m_yChoices; }
    const std::vector<Choice>& xChoices() const { return m_xChoices; }
    bool chooseY(const char* field);
    bool chooseX(const char* field);

    long double low() const { return m_low; }
    long double high() const { return m_high; }
    // The range is taken as it is: the window checks it first (readRange, Drawable).
    void setRange(long double low, long double high);
    // From zero to twice the student's value.
    void resetRange();
    // The range fields' texts read, with the reason beside the field that is wrong: a
    // text that is no number, an end past what the plot draws, ends in the wrong order
    // (beside the end just `edited`), a range the plot cannot draw.
    RangeReading readRange(QStringView lowText, QStringView highText, End edited, Drawable drawable) const;

    // The operands other than the horizontal one, at the values the click read.
    std::vector<Relation::Operand> others() const;
    Number held(const char* field) const { return m_relation->held(field); }
    void hold(const char* field, Number value);

    const std::vector<Point>& samples() const { return m_samples; }
    // The samples as the plot takes them: a gap, or a value beyond the doubles, is NaN.
    std::vector<QPointF> curve() const;
    // The curve at the student's values, while an operand is held at another.
    const std::vector<QPointF>& comparison() const { return m_comparison; }
    std::optional<QPointF> studentPoint() const;
    // Whether some point of the range is drawn.
    bool drawn() const { return m_drawn; }
    // Why nothing is drawn, or what to do; empty while something is.
    const QString& message() const { return m_message; }
    // While something is drawn: that part of the range has values too large to draw.
    const QString& note() const { return m_note; }

    const std::vector<TableRow>& table() const { return m_table; }
    // "t em função de V"
    QString name() const;
    // "t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; no seu ponto, …"
    QString description() const;
    // Above an exported picture: the topic and the relation, the other operands' values,
    // and the legend while the grey curve is shown.
    QStringList caption() const;
    // What the blue and the grey curves are, while both are shown.
    QStringList legend() const;

    QString symbol(const char* field) const { return m_rows.symbol(field); }
    QString axisLabel(const char* field) const;
    // "V = 16 m/s; t = 5 s", with the display's 15 digits or fewer.
    QString pointText(long double x, long double y, int digits = 15) const;
    QString number(long double v, int digits = 15) const;
    QString said(const char* field, long double v) const;

private:
    void showRelation(const char* x);
    void update();
    void sampleComparison();
    void fillTable();
    Number studentValue(const char* field) const;
    QString choiceText(const char* field) const;

    QChar m_separator;
    const Topic* m_topic = nullptr;
    RowTable m_rows;
    // The click's own relation, and the one drawn (the same, or another row solved for).
    std::optional<Relation> m_click;
    std::optional<Relation> m_relation;
    QString m_formula;
    const char* m_x = nullptr;
    long double m_low = 0;
    long double m_high = 1;
    std::vector<Choice> m_yChoices;
    std::vector<Choice> m_xChoices;
    std::vector<Point> m_samples;
    bool m_drawn = false;
    QString m_message;
    QString m_note;
    std::vector<TableRow> m_table;
    // The grey curve and the axes and range it was made for.
    struct Grey
    {
        const char* x = nullptr;
        const char* y = nullptr;
        long double low = 0;
        long double high = 0;
        bool operator==(const Grey&) const = default;
    };
    Grey m_greyKey;
    std::vector<QPointF> m_grey;
    std::vector<QPointF> m_comparison;
};
