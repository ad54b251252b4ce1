#include <ploxen/model/LineIndex.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Pair = double __attribute__((vector_size(16)));
constexpr double noValue = std::numeric_limits<double>::quiet_NaN();

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

// What one leaf's read finds: its y range (NaN when a y is not finite) and whether no x of
// it is NaN or below the one before.
struct Leaf {
    LineIndex::YRange y;
    bool sorted;
};

// leaf() in vectors of type Vec (one vertex or two), two accumulators against latency. Each
// vertex is compared with the one before read as a vector one vertex earlier. Flags are
// doubles kept by selection, a form the compiler vectorises: sorted in the x lanes, number
// (no NaN) in the y lanes.
template <class Vec>
[[gnu::always_inline]] inline Leaf leafOf(const Vertex2D* v, int first, int end) {
    constexpr int per = sizeof(Vec) / sizeof(Vertex2D);
    Vec lo[2], hi[2], zero = Vec{} * 0, sorted = zero + 1, number = sorted;
    for (int k = 0; k < per; ++k)
        for (int c = 0; c < 2; ++c) lo[0][2 * k + c] = c ? v[first].y : v[first].x;
    lo[1] = hi[0] = hi[1] = lo[0];
    if (first == 0 && v[0].x != v[0].x) sorted = zero;
    if (v[first].y != v[first].y) number = zero;
    int i = std::max(first, 1);
    for (; i + 2 * per <= end; i += 2 * per)
        for (int k = 0; k < 2; ++k) {
            Vec p, q;
            __builtin_memcpy(&p, v + i + k * per, sizeof p);
            __builtin_memcpy(&q, v + i + k * per - 1, sizeof q);
            sorted = p >= q ? sorted : zero, number = p == p ? number : zero;
            lo[k] = lo[k] < p ? lo[k] : p, hi[k] = hi[k] > p ? hi[k] : p;
        }
    double ylo = lo[0][1], yhi = hi[0][1];
    bool ok = true, num = true;
    for (int k = 0; k < 2; ++k)
        for (int j = 0; j < per; ++j) {
            ylo = std::min(ylo, lo[k][2 * j + 1]), yhi = std::max(yhi, hi[k][2 * j + 1]);
            ok = ok && sorted[2 * j] != 0, num = num && number[2 * j + 1] != 0;
        }
    for (; i < end; ++i) {
        ok = ok && v[i].x >= v[i - 1].x, num = num && v[i].y == v[i].y;
        ylo = std::min(ylo, v[i].y), yhi = std::max(yhi, v[i].y);
    }
    const bool finite = num && std::isfinite(ylo) && std::isfinite(yhi);
    return {finite ? LineIndex::YRange{ylo, yhi} : LineIndex::YRange{noValue, noValue}, ok};
}

#if defined(__x86_64__) || defined(__i386__)
using Quad = double __attribute__((vector_size(32)));
[[gnu::target("avx2")]] Leaf leafAvx2(const Vertex2D* v, int first, int end) {
    return leafOf<Quad>(v, first, end);
}
const bool hasAvx2 = [] {
    __builtin_cpu_init(); // this may run before the runtime's own start-up
    return __builtin_cpu_supports("avx2") != 0;
}();
#endif

// The leaf of vertices first..end-1, checked against vertex first - 1 where there is one.
Leaf leaf(const Vertex2D* v, int first, int end) {
#if defined(__x86_64__) || defined(__i386__)
    if (hasAvx2) return leafAvx2(v, first, end);
#endif
    return leafOf<Pair>(v, first, end);
}

} // namespace

void LineIndex::update(const Vertex2D* v, int n, int from) {
    n = std::max(n, 0);
    from = v == m_v ? std::clamp(from, 0, std::min(n, m_n)) : 0;
    m_v = v, m_n = n;
    m_from[m_updates++ % recent] = from;
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

int LineIndex::changedSince(std::uint64_t since) const {
    if (since > m_updates || m_updates - since > recent) return 0;
    int first = m_n;
    for (std::uint64_t u = since; u < m_updates; ++u) first = std::min(first, m_from[u % recent]);
    return first;
}

// Each leaf's y range from leaf f on, in one read of its vertices, which also checks that no
// x is NaN or below the one before (from the last vertex of the leaf before).
void LineIndex::buildLeaves(int f) {
    if (m_levels.empty()) m_levels.resize(1);
    std::vector<YRange>& leaves = m_levels[0];
    const int nleaves = (m_n + leafSize - 1) / leafSize;
    leaves.resize(size_t(nleaves));
    for (int b = f; b < nleaves; ++b) {
        const int first = b * leafSize;
        const Leaf l = leaf(m_v, first, std::min(m_n, first + leafSize));
        if (!l.sorted && m_unsortedLeaf == noLeaf) m_unsortedLeaf = b;
        leaves[size_t(b)] = l.y;
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

namespace {

// Folds the finite y of v[0..n) into (lo, hi).
void takeFiniteOf(const Vertex2D* v, int n, double& lo, double& hi) {
    for (int i = 0; i < n; ++i)
        if (std::isfinite(v[i].y)) lo = std::min(lo, v[i].y), hi = std::max(hi, v[i].y);
}

} // namespace

// Entry entry of level `level`: its range, or where it holds a y that is not finite, those of
// its entries below, down to the vertices of its leaves. False when the budget runs out.
bool LineIndex::takeFinite(size_t level, int entry, double& lo, double& hi, int& budget) const {
    const YRange& r = m_levels[level][size_t(entry)];
    if (!std::isnan(r.lo)) {
        lo = std::min(lo, r.lo), hi = std::max(hi, r.hi);
        return true;
    }
    if (level == 0) {
        if (--budget < 0) return false;
        const int first = entry * leafSize;
        takeFiniteOf(m_v + first, std::min(m_n, first + leafSize) - first, lo, hi);
        return true;
    }
    const int end = std::min<int>((entry + 1) * fanout, int(m_levels[level - 1].size()));
    for (int e = entry * fanout; e < end; ++e)
        if (!takeFinite(level - 1, e, lo, hi, budget)) return false;
    return true;
}

LineIndex::YRange LineIndex::finiteYRange(int first, int count, int budget) const {
    const int end = first + count;
    int a = (first + leafSize - 1) / leafSize, b = end / leafSize; // whole leaves a..b-1
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    if (a >= b) {
        takeFiniteOf(m_v + first, count, lo, hi);
        return {lo, hi};
    }
    takeFiniteOf(m_v + first, a * leafSize - first, lo, hi);
    takeFiniteOf(m_v + b * leafSize, end - b * leafSize, lo, hi);
    for (size_t k = 0; a < b; ++k, a /= fanout, b /= fanout) {
        const bool top = k + 1 == m_levels.size();
        while (a < b && (top || a % fanout != 0))
            if (!takeFinite(k, a++, lo, hi, budget)) return {noValue, noValue};
        while (b > a && b % fanout != 0)
            if (!takeFinite(k, --b, lo, hi, budget)) return {noValue, noValue};
    }
    return {lo, hi};
}

std::size_t LineIndex::bytes() const {
    std::size_t n = sizeof *this;
    for (const std::vector<YRange>& level : m_levels) n += level.capacity() * sizeof(YRange);
    return n + m_levels.capacity() * sizeof(std::vector<YRange>);
}
