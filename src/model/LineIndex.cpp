#include <ploxen/model/LineIndex.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using Pair = double __attribute__((vector_size(16)));
constexpr double noValue = std::numeric_limits<double>::quiet_NaN();
constexpr std::uintptr_t prefetchDistance = 8192; // bytes read ahead, past page boundaries

Pair load(const Vertex2D& v) {
    Pair p;
    __builtin_memcpy(&p, &v, sizeof p);
    return p;
}

// Folds r into (lo, hi); a NaN range makes both NaN for good.
void take(const LineIndex::YRange& r, double& lo, double& hi) {
    if (std::isnan(r.lo) || std::isnan(lo)) {
        lo = hi = noValue;
        return;
    }
    lo = std::min(lo, r.lo), hi = std::max(hi, r.hi);
}

// The y range of v[0..n), n >= 1, read as (x, y) pairs: x's lane is ignored.
LineIndex::YRange rangeOf(const Vertex2D* v, int n) {
    Pair lo = load(v[0]), hi = lo, bad = lo - lo;
    for (int i = 1; i < n; ++i) {
        const Pair p = load(v[i]);
        lo = lo < p ? lo : p, hi = hi > p ? hi : p, bad += p - p;
    }
    return bad[1] == 0 ? LineIndex::YRange{lo[1], hi[1]} : LineIndex::YRange{noValue, noValue};
}

} // namespace

void LineIndex::update(const Vertex2D* v, int n, int from) {
    n = std::max(n, 0);
    from = v == m_v ? std::clamp(from, 0, std::min(n, m_n)) : 0;
    m_v = v, m_n = n;
    const int fromLeaf = from / leafSize;
    if (m_unsortedLeaf >= fromLeaf) m_unsortedLeaf = noLeaf; // to be found again
    buildLeaves(fromLeaf);
    for (size_t k = 1, from = size_t(fromLeaf) / fanout; m_levels[k - 1].size() > 1;
         ++k, from /= fanout)
        buildLevel(k, int(from));
    size_t levels = 1;
    while (m_levels[levels - 1].size() > 1) ++levels;
    m_levels.resize(levels);
}

// Each leaf's y range from leaf f on, in one read of its vertices, which also checks that x
// is finite and does not decrease, from the last vertex of the leaf before.
void LineIndex::buildLeaves(int f) {
    if (m_levels.empty()) m_levels.resize(1);
    std::vector<YRange>& leaves = m_levels[0];
    const int nleaves = (m_n + leafSize - 1) / leafSize;
    leaves.resize(size_t(nleaves));
    for (int b = f; b < nleaves; ++b) {
        const int first = b * leafSize, end = std::min(m_n, first + leafSize);
        const Vertex2D* v = m_v;
        __builtin_prefetch(
            reinterpret_cast<const void*>(std::uintptr_t(v + first) + prefetchDistance));
        // step: the smallest difference to the vertex before (x's lane); bad: NaN in a lane once
        // a value of it is not finite.
        Pair lo = load(v[first]), hi = lo, bad = lo - lo, step = bad;
        Pair previous = first > 0 ? load(v[first - 1]) : lo;
        for (int i = first; i < end; ++i) {
            const Pair p = load(v[i]), d = p - previous;
            lo = lo < p ? lo : p, hi = hi > p ? hi : p, bad += p - p;
            step = step < d ? step : d;
            previous = p;
        }
        const bool xGood = bad[0] == 0 && step[0] >= 0;
        if (!xGood && m_unsortedLeaf == noLeaf) m_unsortedLeaf = b;
        const bool yGood = bad[1] == 0;
        leaves[size_t(b)] = yGood ? YRange{lo[1], hi[1]} : YRange{noValue, noValue};
    }
}

// Level k's entries from entry f on, each gathering fanout entries of level k - 1.
void LineIndex::buildLevel(size_t k, int f) {
    if (m_levels.size() <= k) m_levels.resize(k + 1);
    const std::vector<YRange>& below = m_levels[k - 1];
    std::vector<YRange>& level = m_levels[k];
    const size_t entries = (below.size() + fanout - 1) / fanout;
    level.resize(entries);
    for (size_t e = size_t(f); e < entries; ++e) {
        const size_t first = e * fanout, end = std::min(below.size(), first + fanout);
        double lo = below[first].lo, hi = below[first].hi;
        for (size_t i = first + 1; i < end; ++i) take(below[i], lo, hi);
        level[e] = {lo, hi};
    }
}

LineIndex::YRange LineIndex::yRange(int first, int count) const {
    const int end = first + count;
    int a = (first + leafSize - 1) / leafSize, b = end / leafSize; // whole leaves a..b-1
    if (a >= b) return rangeOf(m_v + first, count);
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    if (first < a * leafSize) take(rangeOf(m_v + first, a * leafSize - first), lo, hi);
    if (b * leafSize < end) take(rangeOf(m_v + b * leafSize, end - b * leafSize), lo, hi);
    // Up the pyramid: the entries at either end that do not fill an entry of the level above.
    for (size_t k = 0; a < b; ++k, a /= fanout, b /= fanout) {
        const std::vector<YRange>& level = m_levels[k];
        if (k + 1 == m_levels.size()) {
            while (a < b) take(level[size_t(a++)], lo, hi);
            break;
        }
        while (a < b && a % fanout != 0) take(level[size_t(a++)], lo, hi);
        while (b > a && b % fanout != 0) take(level[size_t(--b)], lo, hi);
        if (std::isnan(lo)) break;
    }
    return {lo, hi};
}

std::size_t LineIndex::bytes() const {
    std::size_t n = sizeof *this;
    for (const std::vector<YRange>& level : m_levels) n += level.capacity() * sizeof(YRange);
    return n + m_levels.capacity() * sizeof(std::vector<YRange>);
}
