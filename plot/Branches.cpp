#include "plot/Branches.h"

#include <cmath>

namespace Branches {

namespace {

bool finite(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Whether the samples on each side of the step i → i + 1 grow in magnitude toward it.
bool growsTowardStep(const std::vector<QPointF>& s, std::size_t i)
{
    const auto grows = [&](std::size_t outer, std::size_t inner) {
        return !finite(s[outer]) || std::abs(s[inner].y()) >= std::abs(s[outer].y());
    };
    const bool before = i == 0 || grows(i - 1, i);
    const bool after = i + 2 >= s.size() || grows(i + 2, i + 1);
    return before && after;
}

}

std::vector<std::vector<QPointF>> of(const std::vector<QPointF>& samples, double jumpLimit)
{
    std::vector<std::vector<QPointF>> branches;
    std::vector<QPointF> current;
    const auto close = [&] {
        if (!current.empty())
            branches.push_back(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const QPointF& p = samples[i];
        if (!finite(p)) {
            close();
            continue;
        }
        if (!current.empty()) {
            const QPointF& q = current.back();
            const bool signChange = (q.y() < 0 && p.y() > 0) || (q.y() > 0 && p.y() < 0);
            if (signChange && std::abs(p.y() - q.y()) > jumpLimit && growsTowardStep(samples, i - 1))
                close();
        }
        current.push_back(p);
    }
    close();
    return branches;
}

}
