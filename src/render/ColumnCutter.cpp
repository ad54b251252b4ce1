#include <ploxen/render/ColumnCutter.h>

#include <algorithm>
#include <cmath>

int ColumnCutter::cut(int s, int len) {
    const double p = m_xmap.toPixel(m_v[s - 1].x);
    if (!m_roundable || !(p >= m_left && p <= m_right)) return len;
    if (const int c = PlotLayout::rndInRange(p); c != m_column || std::isnan(m_lo)) {
        const double a = m_xmap.toValue(c - 0.5), b = m_xmap.toValue(c + 0.5);
        m_column = c, m_lo = std::min(a, b), m_hi = std::max(a, b);
        m_length = s - 1 - m_start, m_start = s - 1;
    }
    // The first vertex outside, in lo..hi, where hi == end + 1 stands for none.
    const int end = s + len - 2;
    int lo = s, hi = end + 1;
    const int guess = std::clamp(m_start + m_length, s, end);
    if (outside(guess)) {
        hi = guess;
        for (int step = 1; hi - step >= lo; step *= 2) {
            if (!outside(hi - step)) {
                lo = hi - step + 1;
                break;
            }
            hi -= step;
        }
    } else {
        lo = guess + 1;
        for (int step = 1; lo + step - 1 <= end; step *= 2) {
            if (outside(lo + step - 1)) {
                hi = lo + step - 1;
                break;
            }
            lo += step;
        }
    }
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (outside(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo > end ? len : std::max(lo - s + 1, 2); // at least the segment that leaves
}
