#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

// A graph of one sampled curve, drawn with QPainter: axes with round ticks and their
// labels, the curve cut into its branches, a grey comparison curve, one marked point and
// a tracer that follows the pointer or the arrow keys along the samples. The wheel zooms
// about the pointer, a drag pans; the owner resamples on `xRangeChanged`. The plot knows
// numbers only: how a number or a point is written is passed in.
class PlotView : public QWidget
{
    Q_OBJECT

public:
    using TickText = std::function<QString(double)>;
    using PointText = std::function<QString(QPointF)>;

    explicit PlotView(QWidget* parent = nullptr);

    void setTickText(TickText text);
    void setPointText(PointText text);
    // The tracer's coordinates, shorter than the marked point's where the owner wishes.
    void setTracerText(PointText text);
    void setAxisLabels(const QString& x, const QString& y);
    // Samples in order of x; a NaN y is a gap.
    void setCurve(std::vector<QPointF> samples);
    void setComparison(std::vector<QPointF> samples);
    void setMarked(std::optional<QPointF> point);
    // What is shown while there is no curve.
    void setMessage(const QString& text);
    // Sets the horizontal range without telling: the owner chose it.
    void setXRange(double low, double high);
    // Fits the vertical range to the curves and the marked point.
    void fitY();

    double xLow() const { return m_x0; }
    double xHigh() const { return m_x1; }
    double yLow() const { return m_y0; }
    double yHigh() const { return m_y1; }
    const std::vector<QPointF>& curve() const { return m_curve; }
    std::optional<QPointF> tracer() const;

    // The picture as the screen shows it, at `ratio` device pixels per pixel.
    QImage picture(qreal ratio) const;
    // PNG at `ratio`, or SVG (by the file's suffix); false when it could not be written.
    bool savePicture(const QString& path, qreal ratio) const;
    // Draws the whole graph into `frame`.
    void draw(QPainter& p, const QRectF& frame) const;

    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {320, 220}; }

signals:
    // The user zoomed or panned.
    void xRangeChanged(double low, double high);
    // The tracer is on this sample of the curve.
    void tracerMoved(int sample);

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
    void drawCurve(QPainter& p, const QRectF& area, const std::vector<QPointF>& samples) const;
    void drawLabel(QPainter& p, const QRectF& area, QPointF at, const QString& text, bool above) const;
    void zoom(QPointF about, double factor);
    void moveTracer(std::optional<std::size_t> index);
    std::optional<std::size_t> nearestSample(double x) const;
    std::optional<std::size_t> nextSample(std::size_t from, int step) const;
    bool hasCurve() const;

    TickText m_tickText;
    PointText m_pointText;
    PointText m_tracerText;
    QString m_xLabel;
    QString m_yLabel;
    QString m_message;
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
