#include <ploxen/render/SortedColumns.h>

#include <ploxen/render/Gallop.h>
#include <ploxen/render/PlotLayout.h>

#include <algorithm>
#include <cmath>

const LineIndex* SortedColumns::usable(const GcGLine& line, const AxisMap& xmap) {
    const LineIndex* ix = line.index();
    const double d = xmap.perValue();
    const bool current = ix && ix->vertices() == line.vertex && ix->count() == line.nvertex;
    return current && ix->sorted() && std::isfinite(d) && d > 0 && std::isfinite(xmap.toPixel(0))
               ? ix
               : nullptr;
}

SortedColumns::SortedColumns(const LineIndex& ix, const AxisMap& xmap, double left, double right)
    : m_ix(ix), m_v(ix.vertices()), m_xmap(xmap), m_left(left), m_right(right) {
    // A segment is beside the strip when both its ends lie left of it, or both right of it.
    const int n = ix.count();
    const int a = firstWhere(0, n, [&](int i) { return pixel(i) >= m_left; });
    const int b = firstWhere(a, n, [&](int i) { return pixel(i) > m_right; });
    first = std::max(a, 1), last = std::min(b, n - 1);
}

bool SortedColumns::column(int i, int& c) const {
    const double p = pixel(i);
    if (!(p >= m_left && p <= m_right)) return false;
    c = PlotLayout::rndInRange(p);
    return true;
}

int SortedColumns::columnEnd(int s, int end, int c) {
    const auto outside = [&](int i) {
        const double p = pixel(i);
        return !(p <= m_right && PlotLayout::rndInRange(p) == c);
    };
    const int o = gallopFrom(std::clamp(s - 1 + m_length, s, end), s, end, outside);
    m_length = o - (s - 1);
    return o;
}

Extremes SortedColumns::extremes(int first, int count) const {
    const LineIndex::YRange y = m_ix.yRange(first, count);
    return {m_v[first].x, y.lo, m_v[first + count - 1].x, y.hi, !std::isnan(y.lo)};
}
