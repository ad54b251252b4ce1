#include <ploxen/render/ColumnCutter.h>

#include <algorithm>
#include <cmath>

#include <ploxen/render/Gallop.h>

int ColumnCutter::cut(int s, int len) {
    const double p = m_xmap.toPixel(m_v[s - 1].x);
    if (!m_roundable || !(p >= m_left && p <= m_right)) return len;
    if (const int c = PlotLayout::rndInRange(p); c != m_column || std::isnan(m_lo)) {
        const double a = m_xmap.toValue(c - 0.5), b = m_xmap.toValue(c + 0.5);
        m_column = c, m_lo = std::min(a, b), m_hi = std::max(a, b);
        m_length = s - 1 - m_start, m_start = s - 1;
    }
    // The first vertex outside, from where the last column's length suggests.
    const int end = s + len - 2;
    const int first = gallopFrom(std::clamp(m_start + m_length, s, end), s, end,
                                 [this](int i) { return outside(i); });
    return first > end ? len : std::max(first - s + 1, 2); // at least the segment that leaves
}
