#include "plot/CurvePath.h"

#include <algorithm>

namespace CurvePath {

namespace {

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

std::vector<QPolygonF> lines(const std::vector<QPointF>& branch, const QRectF& bounds)
{
    std::vector<QPolygonF> out;
    QPolygonF run;
    const auto close = [&] {
        if (run.size() > 1)
            out.push_back(run);
        run.clear();
    };
    for (std::size_t i = 1; i < branch.size(); ++i) {
        QPointF a = branch[i - 1], b = branch[i];
        const QPointF end = b;
        if (!clip(a, b, bounds)) {
            close();
            continue;
        }
        if (run.isEmpty())
            run << a;
        run << b;
        // Cut where the segment left the bounds.
        if (b != end)
            close();
    }
    close();
    return out;
}

}
