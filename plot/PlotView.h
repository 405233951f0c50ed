#pragma once

#include "plot/PlotPicture.h"

#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

// A graph of one sampled curve, drawn with QPainter: axes with round ticks and their
// labels, the curve cut into its branches with its asymptotes dashed, a grey comparison
// curve, a legend naming both, one marked point and a tracer that follows the pointer or
// the arrow keys along the samples. The wheel zooms about the pointer, a drag pans; the
// owner resamples on `xRangeChanged`. The plot knows numbers only: how a number or a point
// is written, and every word shown, is passed in. Whatever ranges and samples come in, the
// view holds an acceptable range (AxisRange) and drawing ends promptly.
class PlotView : public QWidget
{
    Q_OBJECT

public:
    using TickText = std::function<QString(double)>;
    using PointText = std::function<QString(QPointF)>;

    // Texts around a saved or copied picture: the title above the graph, the notes under it.
    using Caption = PlotPicture::Caption;

    explicit PlotView(QWidget* parent = nullptr);

    void setTickText(TickText text);
    void setPointText(PointText text);
    // The tracer's coordinates, shorter than the marked point's where the owner wishes.
    void setTracerText(PointText text);
    void setAxisLabels(const QString& x, const QString& y);
    // The legend's names of the blue curve and of the grey one; no legend while `current`
    // is empty, and the grey line only while a comparison curve is shown.
    void setCurveNames(const QString& current, const QString& comparison);
    // Samples in order of x; a NaN or infinite y is a gap, and so is one beyond
    // ±AxisRange::largest, which no axis reaches: `curve()` gives them as NaN.
    void setCurve(std::vector<QPointF> samples);
    void setComparison(std::vector<QPointF> samples);
    void setMarked(std::optional<QPointF> point);
    // Shown alone, in the middle, while no sample of the curve is finite; over the plot, in
    // a box at its top, while there is one. Empty for none.
    void setMessage(const QString& text);
    // Set without telling: the owner chose them. Any range is taken: reversed ends are
    // swapped, and a range that cannot be drawn becomes the nearest acceptable one
    // (AxisRange::nearest); a NaN end leaves the range as it was.
    void setXRange(double low, double high);
    void setYRange(double low, double high);
    // Fits the vertical range to the curves in the horizontal range and the marked point
    // (AxisRange::fitted).
    void fitY();

    double xLow() const { return m_x0; }
    double xHigh() const { return m_x1; }
    double yLow() const { return m_y0; }
    double yHigh() const { return m_y1; }
    const std::vector<QPointF>& curve() const { return m_curve; }
    std::optional<QPointF> tracer() const;
    // Where the curve crosses an asymptote in view, in order of x (Branches::asymptotes).
    std::vector<double> asymptotes() const;
    // The rectangle inside the axes, and where a point of the curve is drawn, in the
    // widget's coordinates.
    QRectF plotRect() const;
    QPointF pixelOf(QPointF point) const;

    // The picture as the screen shows it, at `ratio` device pixels per pixel, with the
    // caption's texts above and under it.
    QImage picture(qreal ratio, const Caption& caption = {}) const;
    // PNG at `ratio`, or SVG (by the file's suffix); false when it could not be written.
    bool savePicture(const QString& path, qreal ratio, const Caption& caption = {}) const;
    // Draws the whole graph into `frame`.
    void draw(QPainter& p, const QRectF& frame) const;

    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {320, 220}; }

signals:
    // The user zoomed or panned.
    void xRangeChanged(double low, double high);
    // The tracer is on this sample of the curve: sent whenever the tracer's point changes,
    // by the pointer, the keys, or new samples under it (after a zoom, a pan or a slider).
    void tracerMoved(int sample);
    // The tracer is gone: the pointer left the plot, or no sample of a new curve is finite.
    void tracerCleared();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    struct Axis
    {
        std::vector<double> ticks;
        QStringList texts;
    };
    QRectF plotArea(const QRectF& frame, Axis* x = nullptr, Axis* y = nullptr) const;
    Axis axis(double low, double high, double length, bool horizontal) const;
    QPointF toPixel(QPointF data, const QRectF& area) const;
    QPointF toData(QPointF pixel, const QRectF& area) const;
    void drawAxes(QPainter& p, const QRectF& frame, const QRectF& area, const Axis& x, const Axis& y) const;
    void drawCurve(QPainter& p, const QRectF& area, const std::vector<QPointF>& samples) const;
    void drawAsymptotes(QPainter& p, const QRectF& area) const;
    void drawLabel(QPainter& p, const QRectF& area, QPointF at, const QString& text, bool above) const;
    QRectF drawMessage(QPainter& p, const QRectF& area) const;
    void drawLegend(QPainter& p, const QRectF& area, const QRectF& message) const;
    double asymptoteJump() const;
    void zoom(QPointF about, double factor);
    void moveView(double x0, double x1, double y0, double y1);
    void moveTracer(std::optional<std::size_t> index);
    std::optional<std::size_t> nearestSample(double x) const;
    std::optional<std::size_t> nextSample(std::size_t from, int step) const;
    bool hasCurve() const;
    bool showsComparison() const;

    TickText m_tickText;
    PointText m_pointText;
    PointText m_tracerText;
    QString m_xLabel;
    QString m_yLabel;
    QString m_message;
    QString m_currentName;
    QString m_comparisonName;
    std::vector<QPointF> m_curve;
    std::vector<QPointF> m_comparison;
    std::optional<QPointF> m_marked;
    std::optional<std::size_t> m_tracer;
    double m_x0 = 0, m_x1 = 1, m_y0 = 0, m_y1 = 1;
    struct Drag
    {
        QPointF from;
        double x0, x1, y0, y1;
    };
    std::optional<Drag> m_drag;
};
