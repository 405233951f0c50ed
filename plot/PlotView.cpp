#include "plot/PlotView.h"

#include "plot/Branches.h"
#include "plot/SvgExport.h"
#include "plot/Ticks.h"

#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

const QColor gridColor(232, 232, 232);
const QColor frameColor(176, 176, 176);
const QColor zeroColor(110, 110, 110);
const QColor textColor(40, 40, 40);
const QColor curveColor(25, 80, 190);
const QColor comparisonColor(165, 165, 165);
const QColor markedColor(205, 30, 30);
const QColor tracerColor(20, 120, 60);

// Room left around the plot area, in pixels, besides the tick texts.
constexpr double gap = 6;
// A sign change bigger than this many view heights between two samples is an asymptote.
constexpr double asymptoteJump = 3;

bool finite(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QString defaultText(double v)
{
    return QString::number(v, 'g', 6).replace(u'.', u',');
}

// Liang–Barsky: the part of the segment a–b inside `r`, if any.
bool clip(QPointF& a, QPointF& b, const QRectF& r)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + t0 * QPointF(dx, dy);
    b = start + t1 * QPointF(dx, dy);
    return true;
}

}

PlotView::PlotView(QWidget* parent)
    : QWidget(parent)
    , m_tickText(defaultText)
    , m_pointText([](QPointF p) { return defaultText(p.x()) + QStringLiteral("; ") + defaultText(p.y()); })
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void PlotView::setTickText(TickText text)
{
    m_tickText = std::move(text);
    update();
}

void PlotView::setPointText(PointText text)
{
    m_pointText = std::move(text);
    update();
}

void PlotView::setTracerText(PointText text)
{
    m_tracerText = std::move(text);
    update();
}

void PlotView::setAxisLabels(const QString& x, const QString& y)
{
    m_xLabel = x;
    m_yLabel = y;
    update();
}

void PlotView::setCurve(std::vector<QPointF> samples)
{
    const std::optional<QPointF> traced = tracer();
    m_curve = std::move(samples);
    m_tracer.reset();
    // The tracer stays at its x while the curve changes under it.
    if (traced)
        m_tracer = nearestSample(traced->x());
    update();
}

void PlotView::setComparison(std::vector<QPointF> samples)
{
    m_comparison = std::move(samples);
    update();
}

void PlotView::setMarked(std::optional<QPointF> point)
{
    m_marked = point;
    update();
}

void PlotView::setMessage(const QString& text)
{
    m_message = text;
    update();
}

void PlotView::setXRange(double low, double high)
{
    if (low > high)
        std::swap(low, high);
    if (!(high > low)) {
        const double pad = low == 0 ? 1 : std::abs(low) / 2;
        low -= pad;
        high += pad;
    }
    m_x0 = low;
    m_x1 = high;
    update();
}

// The middle nine tenths of the values, so the samples beside an asymptote do not flatten
// the rest; zero joins in when that at most doubles the range, as a book's axes start there.
void PlotView::fitY()
{
    std::vector<double> ys;
    for (const auto* curve : {&m_curve, &m_comparison}) {
        for (const QPointF& p : *curve) {
            if (finite(p) && p.x() >= m_x0 && p.x() <= m_x1)
                ys.push_back(p.y());
        }
    }
    double low = -1, high = 1;
    if (!ys.empty()) {
        std::sort(ys.begin(), ys.end());
        const std::size_t cut = ys.size() / 20;
        low = ys[cut];
        high = ys[ys.size() - 1 - cut];
    }
    if (m_marked && finite(*m_marked)) {
        low = std::min(low, m_marked->y());
        high = std::max(high, m_marked->y());
    }
    if (low > 0 && low <= high - low)
        low = 0;
    if (high < 0 && -high <= high - low)
        high = 0;
    double span = high - low;
    if (!(span > 0)) {
        span = low == 0 ? 2 : std::abs(low);
        low -= span / 2;
        high += span / 2;
    }
    m_y0 = low == 0 ? 0 : low - span * 0.06;
    m_y1 = high == 0 ? 0 : high + span * 0.06;
    update();
}

std::optional<QPointF> PlotView::tracer() const
{
    if (!m_tracer || *m_tracer >= m_curve.size())
        return std::nullopt;
    return m_curve[*m_tracer];
}

bool PlotView::hasCurve() const
{
    return std::any_of(m_curve.begin(), m_curve.end(), [](const QPointF& p) { return finite(p); });
}

PlotView::Axis PlotView::axis(double low, double high, double length, bool horizontal) const
{
    const QFontMetricsF metrics(font());
    int most = std::max(2, int(length / (horizontal ? 90 : 42)));
    Axis a;
    for (;; --most) {
        a.ticks = Ticks::values(low, high, Ticks::step(low, high, most));
        a.texts.clear();
        double widest = 0;
        for (double t : a.ticks) {
            a.texts << m_tickText(t);
            widest = std::max(widest, metrics.horizontalAdvance(a.texts.back()));
        }
        // Long texts ("1,000002 · 10⁹") take fewer ticks than short ones.
        if (!horizontal || most <= 2 || (widest + 14) * double(a.ticks.size()) <= length)
            return a;
    }
}

QRectF PlotView::plotArea(const QRectF& frame, Axis* x, Axis* y) const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    // The height is known before the vertical ticks' texts, whose width sets the left side.
    const double top = frame.top() + line + 2 * gap;
    const double bottom = frame.bottom() - 2 * line - 2 * gap;
    Axis vertical = axis(m_y0, m_y1, bottom - top, false);
    double widest = 0;
    for (const QString& t : vertical.texts)
        widest = std::max(widest, metrics.horizontalAdvance(t));
    const double left = frame.left() + widest + 2 * gap;
    const double right = frame.right() - 3 * gap;
    const QRectF area(QPointF(left, top), QPointF(right, bottom));
    if (y)
        *y = std::move(vertical);
    if (x)
        *x = axis(m_x0, m_x1, area.width(), true);
    return area;
}

QPointF PlotView::toPixel(QPointF d, const QRectF& a) const
{
    return {a.left() + (d.x() - m_x0) / (m_x1 - m_x0) * a.width(), a.bottom() - (d.y() - m_y0) / (m_y1 - m_y0) * a.height()};
}

QPointF PlotView::toData(QPointF px, const QRectF& a) const
{
    return {m_x0 + (px.x() - a.left()) / a.width() * (m_x1 - m_x0), m_y0 + (a.bottom() - px.y()) / a.height() * (m_y1 - m_y0)};
}

void PlotView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    draw(p, rect());
}

void PlotView::draw(QPainter& p, const QRectF& frame) const
{
    p.save();
    p.setFont(font());
    p.fillRect(frame, Qt::white);
    if (!hasCurve()) {
        p.setPen(textColor);
        p.drawText(frame.adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        p.restore();
        return;
    }
    Axis xAxis, yAxis;
    const QRectF area = plotArea(frame, &xAxis, &yAxis);
    const QFontMetricsF metrics(font());

    // Grid, zero lines and frame, on whole pixels so that thin lines stay sharp.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(gridColor, 0));
    for (double t : xAxis.ticks)
        p.drawLine(QPointF(std::round(toPixel({t, 0}, area).x()), area.top()), QPointF(std::round(toPixel({t, 0}, area).x()), area.bottom()));
    for (double t : yAxis.ticks)
        p.drawLine(QPointF(area.left(), std::round(toPixel({0, t}, area).y())), QPointF(area.right(), std::round(toPixel({0, t}, area).y())));
    p.setPen(QPen(zeroColor, 0));
    if (m_x0 < 0 && m_x1 > 0)
        p.drawLine(QPointF(std::round(toPixel({0, 0}, area).x()), area.top()), QPointF(std::round(toPixel({0, 0}, area).x()), area.bottom()));
    if (m_y0 < 0 && m_y1 > 0)
        p.drawLine(QPointF(area.left(), std::round(toPixel({0, 0}, area).y())), QPointF(area.right(), std::round(toPixel({0, 0}, area).y())));
    p.setPen(QPen(frameColor, 0));
    p.drawRect(area);

    // Tick texts and the axis labels: the vertical one above its axis, the horizontal
    // one under the middle of its ticks.
    p.setPen(textColor);
    const double line = metrics.height();
    for (std::size_t i = 0; i < xAxis.ticks.size(); ++i) {
        const double x = toPixel({xAxis.ticks[i], 0}, area).x();
        p.drawText(QRectF(x - 100, area.bottom() + gap / 2, 200, line), Qt::AlignHCenter | Qt::AlignTop, xAxis.texts[int(i)]);
    }
    for (std::size_t i = 0; i < yAxis.ticks.size(); ++i) {
        const double y = toPixel({0, yAxis.ticks[i]}, area).y();
        p.drawText(QRectF(frame.left(), y - line / 2, area.left() - frame.left() - gap, line), Qt::AlignRight | Qt::AlignVCenter,
                   yAxis.texts[int(i)]);
    }
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRectF(frame.left() + gap, frame.top() + gap, frame.width(), line), Qt::AlignLeft | Qt::AlignVCenter, m_yLabel);
    p.drawText(QRectF(area.left(), area.bottom() + line + gap, area.width(), line), Qt::AlignHCenter | Qt::AlignVCenter, m_xLabel);
    p.setFont(font());

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    p.setPen(QPen(comparisonColor, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawCurve(p, area, m_comparison);
    p.setPen(QPen(curveColor, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawCurve(p, area, m_curve);
    p.setClipping(false);

    if (m_marked && finite(*m_marked) && area.contains(toPixel(*m_marked, area))) {
        const QPointF at = toPixel(*m_marked, area);
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(markedColor);
        p.drawEllipse(at, 5, 5);
        drawLabel(p, area, at, m_pointText(*m_marked), true);
    }
    if (const auto t = tracer(); t && finite(*t) && area.contains(toPixel(*t, area))) {
        const QPointF at = toPixel(*t, area);
        p.setPen(QPen(tracerColor, 1, Qt::DashLine));
        p.drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
        p.setPen(QPen(tracerColor, 2));
        p.setBrush(Qt::white);
        p.drawEllipse(at, 4, 4);
        drawLabel(p, area, at, m_tracerText ? m_tracerText(*t) : m_pointText(*t), false);
    }
    p.restore();
}

void PlotView::drawCurve(QPainter& p, const QRectF& area, const std::vector<QPointF>& samples) const
{
    const double height = m_y1 - m_y0;
    // Far outside the view a segment is cut at a margin, so no coordinate overflows the
    // painter and the part inside keeps its slope.
    const QRectF bounds = area.adjusted(-8, -8, 8, 8);
    for (const std::vector<QPointF>& branch : Branches::of(samples, asymptoteJump * height)) {
        if (branch.size() == 1) {
            const QPointF at = toPixel(branch.front(), area);
            if (area.contains(at))
                p.drawPoint(at);
            continue;
        }
        QPolygonF run;
        for (std::size_t i = 1; i < branch.size(); ++i) {
            QPointF a = toPixel(branch[i - 1], area), b = toPixel(branch[i], area);
            const QPointF b0 = b;
            if (!clip(a, b, bounds)) {
                if (run.size() > 1)
                    p.drawPolyline(run);
                run.clear();
                continue;
            }
            if (run.isEmpty())
                run << a;
            run << b;
            // Cut where the segment left the bounds.
            if (b != b0) {
                p.drawPolyline(run);
                run.clear();
            }
        }
        if (run.size() > 1)
            p.drawPolyline(run);
    }
}

// A text in a white box beside a point, kept inside the plot area.
void PlotView::drawLabel(QPainter& p, const QRectF& area, QPointF at, const QString& text, bool above) const
{
    const QFontMetricsF metrics(font());
    const QSizeF size(metrics.horizontalAdvance(text) + 10, metrics.height() + 4);
    QRectF box(at + QPointF(10, above ? -size.height() - 8 : 8), size);
    if (box.right() > area.right() - 2)
        box.moveRight(at.x() - 10);
    if (box.top() < area.top() + 2)
        box.moveTop(at.y() + 8);
    if (box.bottom() > area.bottom() - 2)
        box.moveBottom(at.y() - 8);
    box.moveLeft(std::max(box.left(), area.left() + 2));
    p.setPen(QPen(frameColor, 1));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(textColor);
    p.drawText(box, Qt::AlignCenter, text);
}

QImage PlotView::picture(qreal ratio) const
{
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    draw(p, QRectF(QPointF(0, 0), QSizeF(size())));
    return image;
}

bool PlotView::savePicture(const QString& path, qreal ratio) const
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) != 0)
        return picture(ratio).save(path, "PNG");
    return SvgExport::write({path, size(), m_yLabel + QStringLiteral(" × ") + m_xLabel,
                             [this](QPainter& p) { draw(p, QRectF(QPointF(0, 0), QSizeF(size()))); }});
}

std::optional<std::size_t> PlotView::nearestSample(double x) const
{
    std::optional<std::size_t> best;
    double distance = 0;
    for (std::size_t i = 0; i < m_curve.size(); ++i) {
        if (!finite(m_curve[i]))
            continue;
        const double d = std::abs(m_curve[i].x() - x);
        if (!best || d < distance) {
            best = i;
            distance = d;
        }
    }
    return best;
}

std::optional<std::size_t> PlotView::nextSample(std::size_t from, int step) const
{
    std::optional<std::size_t> found;
    const int direction = step < 0 ? -1 : 1;
    for (long i = long(from) + direction, left = std::abs(step); i >= 0 && i < long(m_curve.size()); i += direction) {
        if (!finite(m_curve[std::size_t(i)]))
            continue;
        found = std::size_t(i);
        if (--left == 0)
            break;
    }
    return found;
}

void PlotView::moveTracer(std::optional<std::size_t> index)
{
    if (!index || index == m_tracer)
        return;
    m_tracer = index;
    update();
    emit tracerMoved(int(*index));
}

void PlotView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !hasCurve())
        return QWidget::mousePressEvent(e);
    m_drag = Drag{e->position(), m_x0, m_x1, m_y0, m_y1};
    setCursor(Qt::ClosedHandCursor);
}

void PlotView::mouseMoveEvent(QMouseEvent* e)
{
    const QRectF area = plotArea(rect());
    if (m_drag && (e->buttons() & Qt::LeftButton)) {
        const QPointF moved = e->position() - m_drag->from;
        const double dx = moved.x() / area.width() * (m_drag->x1 - m_drag->x0);
        const double dy = moved.y() / area.height() * (m_drag->y1 - m_drag->y0);
        m_x0 = m_drag->x0 - dx;
        m_x1 = m_drag->x1 - dx;
        m_y0 = m_drag->y0 + dy;
        m_y1 = m_drag->y1 + dy;
        update();
        emit xRangeChanged(m_x0, m_x1);
        return;
    }
    if (hasCurve() && area.contains(e->position()))
        moveTracer(nearestSample(toData(e->position(), area).x()));
}

void PlotView::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && m_drag) {
        m_drag.reset();
        setCursor(Qt::CrossCursor);
        return;
    }
    QWidget::mouseReleaseEvent(e);
}

void PlotView::leaveEvent(QEvent* e)
{
    // The keyboard's tracer stays while the plot has the focus.
    if (m_tracer && !hasFocus()) {
        m_tracer.reset();
        update();
    }
    QWidget::leaveEvent(e);
}

// Zooming stops while a range would lose its width in the doubles or overflow them.
void PlotView::zoom(QPointF about, double factor)
{
    const double x0 = about.x() + (m_x0 - about.x()) * factor, x1 = about.x() + (m_x1 - about.x()) * factor;
    const double y0 = about.y() + (m_y0 - about.y()) * factor, y1 = about.y() + (m_y1 - about.y()) * factor;
    const auto usable = [](double low, double high) {
        return std::isfinite(low) && std::isfinite(high) && high - low > 1e-9 * std::max(std::abs(low), std::abs(high))
               && high - low < 1e300;
    };
    if (!usable(x0, x1) || !usable(y0, y1))
        return;
    m_x0 = x0;
    m_x1 = x1;
    m_y0 = y0;
    m_y1 = y1;
    update();
    emit xRangeChanged(m_x0, m_x1);
}

void PlotView::wheelEvent(QWheelEvent* e)
{
    if (!hasCurve() || e->angleDelta().y() == 0)
        return QWidget::wheelEvent(e);
    const QRectF area = plotArea(rect());
    const QPointF at = area.contains(e->position()) ? e->position() : area.center();
    zoom(toData(at, area), std::pow(0.85, e->angleDelta().y() / 120.0));
    e->accept();
}

void PlotView::keyPressEvent(QKeyEvent* e)
{
    if (!hasCurve())
        return QWidget::keyPressEvent(e);
    const QRectF area = plotArea(rect());
    const std::size_t here = m_tracer ? *m_tracer : nearestSample(m_marked ? m_marked->x() : (m_x0 + m_x1) / 2).value_or(0);
    const bool fast = e->modifiers() & Qt::ShiftModifier;
    switch (e->key()) {
    case Qt::Key_Left:
        moveTracer(m_tracer ? nextSample(here, fast ? -10 : -1) : here);
        break;
    case Qt::Key_Right:
        moveTracer(m_tracer ? nextSample(here, fast ? 10 : 1) : here);
        break;
    case Qt::Key_Home:
        moveTracer(nextSample(std::size_t(-1), 1));
        break;
    case Qt::Key_End:
        moveTracer(nextSample(m_curve.size(), -1));
        break;
    case Qt::Key_Plus:
        zoom(toData(area.center(), area), 0.8);
        break;
    case Qt::Key_Minus:
        zoom(toData(area.center(), area), 1.25);
        break;
    default:
        return QWidget::keyPressEvent(e);
    }
}
