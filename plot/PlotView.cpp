#include "plot/PlotView.h"

#include "plot/AxisRange.h"
#include "plot/Branches.h"
#include "plot/CurvePath.h"
#include "plot/Legend.h"
#include "plot/Ticks.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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
const QColor asymptoteColor(120, 120, 120);
constexpr double curvePen = 2.2;
constexpr double comparisonPen = 1.5;

// Room left around the plot area, in pixels, besides the tick texts.
constexpr double gap = 6;
// A sign change bigger than this many view heights between two samples is an asymptote.
constexpr double asymptoteHeights = 3;

bool finite(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Beyond the largest axis end a sample could not be drawn with its neighbours: it is a gap.
std::vector<QPointF> drawable(std::vector<QPointF> samples)
{
    for (QPointF& p : samples) {
        if (!finite(p) || std::abs(p.x()) > AxisRange::largest || std::abs(p.y()) > AxisRange::largest)
            p.setY(std::nan(""));
    }
    return samples;
}

QString defaultText(double v)
{
    return QString::number(v, 'g', 6).replace(u'.', u',');
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

void PlotView::setCurveNames(const QString& current, const QString& comparison)
{
    m_currentName = current;
    m_comparisonName = comparison;
    update();
}

// The tracer stays at its x while the curve changes under it, and says so: the point it is
// on has new coordinates.
void PlotView::setCurve(std::vector<QPointF> samples)
{
    const std::optional<QPointF> traced = tracer();
    m_curve = drawable(std::move(samples));
    m_tracer.reset();
    if (traced) {
        m_tracer = nearestSample(traced->x());
        if (m_tracer)
            emit tracerMoved(int(*m_tracer));
        else
            emit tracerCleared();
    }
    update();
}

void PlotView::setComparison(std::vector<QPointF> samples)
{
    m_comparison = drawable(std::move(samples));
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
    if (const auto range = AxisRange::nearest(low, high)) {
        std::tie(m_x0, m_x1) = *range;
        update();
    }
}

void PlotView::setYRange(double low, double high)
{
    if (const auto range = AxisRange::nearest(low, high)) {
        std::tie(m_y0, m_y1) = *range;
        update();
    }
}

void PlotView::fitY()
{
    std::vector<double> ys;
    for (const auto* curve : {&m_curve, &m_comparison}) {
        for (const QPointF& p : *curve) {
            if (finite(p) && p.x() >= m_x0 && p.x() <= m_x1)
                ys.push_back(p.y());
        }
    }
    const std::optional<double> kept = m_marked ? std::optional(m_marked->y()) : std::nullopt;
    std::tie(m_y0, m_y1) = AxisRange::fitted(std::move(ys), kept);
    update();
}

std::optional<QPointF> PlotView::tracer() const
{
    if (!m_tracer || *m_tracer >= m_curve.size())
        return std::nullopt;
    return m_curve[*m_tracer];
}

double PlotView::asymptoteJump() const
{
    return asymptoteHeights * (m_y1 - m_y0);
}

std::vector<double> PlotView::asymptotes() const
{
    std::vector<double> xs = Branches::asymptotes(m_curve, asymptoteJump());
    std::erase_if(xs, [this](double x) { return !(x > m_x0 && x < m_x1); });
    return xs;
}

QRectF PlotView::plotRect() const
{
    return plotArea(rect());
}

QPointF PlotView::pixelOf(QPointF point) const
{
    return toPixel(point, plotRect());
}

bool PlotView::hasCurve() const
{
    return std::any_of(m_curve.begin(), m_curve.end(), [](const QPointF& p) { return finite(p); });
}

bool PlotView::showsComparison() const
{
    return std::any_of(m_comparison.begin(), m_comparison.end(), [](const QPointF& p) { return finite(p); });
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
    const double top = frame.top() + line + 3 * gap;
    const double bottom = frame.bottom() - 2 * line - 2 * gap;
    Axis vertical = axis(m_y0, m_y1, bottom - top, false);
    double widest = 0;
    for (const QString& t : vertical.texts)
        widest = std::max(widest, metrics.horizontalAdvance(t));
    double left = frame.left() + widest + 2 * gap;
    double right = frame.right() - 3 * gap;
    // A tick's text is centred on it: where the first or the last would pass the edge, the
    // plot starts later or ends sooner ("1 · 10⁹" at the right end of 0 to 1 · 10⁹).
    Axis horizontal = axis(m_x0, m_x1, right - left, true);
    if (!horizontal.ticks.empty()) {
        const auto at = [&](double t) { return left + (t - m_x0) / (m_x1 - m_x0) * (right - left); };
        const double before = frame.left() + gap - (at(horizontal.ticks.front()) - metrics.horizontalAdvance(horizontal.texts.front()) / 2);
        const double after = at(horizontal.ticks.back()) + metrics.horizontalAdvance(horizontal.texts.back()) / 2 - (frame.right() - gap);
        if (before > 0 || after > 0) {
            left += std::max(before, 0.0);
            right -= std::max(after, 0.0);
            horizontal = axis(m_x0, m_x1, right - left, true);
        }
    }
    if (y)
        *y = std::move(vertical);
    if (x)
        *x = std::move(horizontal);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// Far outside the view a point is kept a long way off, so that no coordinate overflows the
// painter; the part of a segment inside keeps its slope to well under a pixel.
QPointF PlotView::toPixel(QPointF d, const QRectF& a) const
{
    constexpr double far = 1e7;
    const double x = a.left() + (d.x() - m_x0) / (m_x1 - m_x0) * a.width();
    const double y = a.bottom() - (d.y() - m_y0) / (m_y1 - m_y0) * a.height();
    return {std::clamp(x, -far, far), std::clamp(y, -far, far)};
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
    drawAxes(p, frame, area, xAxis, yAxis);

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    drawAsymptotes(p, area);
    p.setPen(QPen(comparisonColor, comparisonPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawCurve(p, area, m_comparison);
    p.setPen(QPen(curveColor, curvePen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
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
    drawLegend(p, area, drawMessage(p, area));
    p.restore();
}

// Grid, zero lines and frame, on whole pixels so that thin lines stay sharp; the tick texts,
// each kept inside the frame; the axis labels, the vertical one above its axis, the
// horizontal one under the middle of its ticks.
void PlotView::drawAxes(QPainter& p, const QRectF& frame, const QRectF& area, const Axis& xAxis, const Axis& yAxis) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const auto column = [&](double x) { return std::round(toPixel({x, 0}, area).x()); };
    const auto row = [&](double y) { return std::round(toPixel({0, y}, area).y()); };
    p.setPen(QPen(gridColor, 0));
    for (double t : xAxis.ticks)
        p.drawLine(QPointF(column(t), area.top()), QPointF(column(t), area.bottom()));
    for (double t : yAxis.ticks)
        p.drawLine(QPointF(area.left(), row(t)), QPointF(area.right(), row(t)));
    p.setPen(QPen(zeroColor, 0));
    if (m_x0 < 0 && m_x1 > 0)
        p.drawLine(QPointF(column(0), area.top()), QPointF(column(0), area.bottom()));
    if (m_y0 < 0 && m_y1 > 0)
        p.drawLine(QPointF(area.left(), row(0)), QPointF(area.right(), row(0)));
    p.setPen(QPen(frameColor, 0));
    p.drawRect(area);

    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    p.setPen(textColor);
    for (std::size_t i = 0; i < xAxis.ticks.size(); ++i) {
        const QString& text = xAxis.texts[int(i)];
        const double width = metrics.horizontalAdvance(text) + 2;
        const double left = std::clamp(toPixel({xAxis.ticks[i], 0}, area).x() - width / 2, frame.left(),
                                       std::max(frame.left(), frame.right() - width));
        p.drawText(QRectF(left, area.bottom() + gap / 2, width, line), Qt::AlignCenter | Qt::TextDontClip, text);
    }
    for (std::size_t i = 0; i < yAxis.ticks.size(); ++i) {
        const double y = toPixel({0, yAxis.ticks[i]}, area).y();
        p.drawText(QRectF(frame.left(), y - line / 2, area.left() - frame.left() - gap, line), Qt::AlignRight | Qt::AlignVCenter,
                   yAxis.texts[int(i)]);
    }
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRectF(frame.left() + gap, frame.top() + gap, frame.width() - 2 * gap, line), Qt::AlignLeft | Qt::AlignVCenter, m_yLabel);
    p.drawText(QRectF(area.left(), area.bottom() + line + gap, area.width(), line), Qt::AlignHCenter | Qt::AlignVCenter, m_xLabel);
    p.setFont(font());
}

void PlotView::drawCurve(QPainter& p, const QRectF& area, const std::vector<QPointF>& samples) const
{
    // Far outside the view a segment is cut at a margin, so the part inside keeps its slope.
    const QRectF bounds = area.adjusted(-8, -8, 8, 8);
    for (const std::vector<QPointF>& branch : Branches::of(samples, asymptoteJump())) {
        if (branch.size() == 1) {
            const QPointF at = toPixel(branch.front(), area);
            if (area.contains(at))
                p.drawPoint(at);
            continue;
        }
        std::vector<QPointF> pixels;
        pixels.reserve(branch.size());
        for (const QPointF& point : branch)
            pixels.push_back(toPixel(point, area));
        for (const QPolygonF& line : CurvePath::lines(pixels, bounds))
            p.drawPolyline(line);
    }
}

void PlotView::drawAsymptotes(QPainter& p, const QRectF& area) const
{
    QPen pen(asymptoteColor, 1.2);
    pen.setDashPattern({6, 4});
    p.setPen(pen);
    // On a pixel's middle, so that the thin line stays sharp.
    for (double x : asymptotes()) {
        const double at = std::floor(toPixel({x, 0}, area).x()) + 0.5;
        p.drawLine(QPointF(at, area.top()), QPointF(at, area.bottom()));
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

// The message over a curve, in a box at the top of the plot area; the box, or an empty one.
QRectF PlotView::drawMessage(QPainter& p, const QRectF& area) const
{
    if (m_message.isEmpty())
        return {};
    const QFontMetricsF metrics(font());
    const double most = std::max(40.0, area.width() - 4 * gap);
    const QRectF text = metrics.boundingRect(QRectF(0, 0, most, 1e6), Qt::AlignCenter | Qt::TextWordWrap, m_message);
    QRectF box(0, 0, text.width() + 2 * gap, text.height() + gap);
    box.moveCenter(QPointF(area.center().x(), area.top() + gap + box.height() / 2));
    p.setPen(QPen(frameColor, 1));
    p.setBrush(QColor(255, 250, 225, 240));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(textColor);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, m_message);
    return box;
}

// The legend keeps clear of the message, of the marked point and as much as it can of the
// curves.
void PlotView::drawLegend(QPainter& p, const QRectF& area, const QRectF& message) const
{
    if (m_currentName.isEmpty())
        return;
    std::vector<Legend::Entry> entries{{curveColor, curvePen, m_currentName}};
    if (showsComparison() && !m_comparisonName.isEmpty())
        entries.push_back({comparisonColor, comparisonPen, m_comparisonName});
    std::vector<QPointF> points;
    for (const auto* curve : {&m_curve, &m_comparison}) {
        for (const QPointF& s : *curve) {
            if (finite(s))
                points.push_back(toPixel(s, area));
        }
    }
    std::vector<QRectF> avoid{message};
    if (m_marked && finite(*m_marked))
        avoid.emplace_back(toPixel(*m_marked, area) - QPointF(12, 12), QSizeF(24, 24));
    Legend::draw(p, font(), entries, area, points, avoid);
}

QImage PlotView::picture(qreal ratio, const Caption& caption) const
{
    return PlotPicture::image(size(), ratio, font(), caption, [this](QPainter& p, const QRectF& frame) { draw(p, frame); });
}

bool PlotView::savePicture(const QString& path, qreal ratio, const Caption& caption) const
{
    return PlotPicture::save(path, size(), ratio, font(), caption, [this](QPainter& p, const QRectF& frame) { draw(p, frame); });
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
        // Dragged toward the largest numbers, the view stops where an axis could not go on.
        const double x0 = m_drag->x0 - dx, x1 = m_drag->x1 - dx, y0 = m_drag->y0 + dy, y1 = m_drag->y1 + dy;
        moveView(x0, x1, y0, y1);
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
        emit tracerCleared();
    }
    QWidget::leaveEvent(e);
}

// Zooming stops while a range would lose its width in the doubles or overflow them.
void PlotView::zoom(QPointF about, double factor)
{
    const double x0 = about.x() + (m_x0 - about.x()) * factor, x1 = about.x() + (m_x1 - about.x()) * factor;
    const double y0 = about.y() + (m_y0 - about.y()) * factor, y1 = about.y() + (m_y1 - about.y()) * factor;
    moveView(x0, x1, y0, y1);
}

// A zoom or a pan: the view moves only to ranges both axes can still draw.
void PlotView::moveView(double x0, double x1, double y0, double y1)
{
    if (!AxisRange::acceptable(x0, x1) || !AxisRange::acceptable(y0, y1))
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
