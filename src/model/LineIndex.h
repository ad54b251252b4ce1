// What an indexed series keeps beside its host's vertices so that a drawing need not read them
// all: whether x never decreases, and the lowest and highest y of every leaf of leafSize
// vertices, with those of fanout entries of each level gathered in the level above (a pyramid
// of about 1/60 of the vertices' memory). Extended where vertices are appended, rebuilt from
// the first changed one.
#pragma once

#include <ploxen/model/Vertex2D.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

class LineIndex {
public:
    static constexpr int leafSize = 64, fanout = 16;

    // The lowest and highest y of some vertices; both NaN when one of them is not finite.
    struct YRange {
        double lo, hi;
    };

    // Brings the index up to the n vertices at v, of which those from index from on are new or
    // changed (all of them when v is not the array the index was built over).
    void update(const Vertex2D* v, int n, int from);

    // The vertices the index describes, and their count.
    const Vertex2D* vertices() const { return m_v; }
    int count() const { return m_n; }
    // Whether no x is NaN or smaller than the one before it.
    bool sorted() const { return m_unsortedLeaf == noLeaf; }
    // The lowest and highest y of the count >= 1 vertices from first on.
    YRange yRange(int first, int count) const;
    // The same over the finite y alone (lo > hi when there is none), reading the vertices of at
    // most budget leaves that hold a y that is not finite: NaN when that is not enough.
    YRange finiteYRange(int first, int count, int budget) const;
    // The last vertex from first to end - 1 whose y inside(y, y) refuses, first - 1 for none.
    // inside(lo, hi) says whether it accepts every y from lo to hi (finite), and accepts a
    // range within one it accepts; the y from first to end - 1 must be finite.
    template <class Inside> int lastOutside(int first, int end, Inside inside) const;
    // The memory the index takes, in bytes.
    std::size_t bytes() const;
    // Updates so far, and the first vertex changed by those after the first `since` of them:
    // count() when there were none, 0 when they are too many to have been remembered.
    std::uint64_t updates() const { return m_updates; }
    int changedSince(std::uint64_t since) const;

private:
    static constexpr int noLeaf = -1;
    void buildLeaves(int fromLeaf);
    void buildLevel(size_t level, int fromEntry);
    bool takeFinite(size_t level, int entry, double& lo, double& hi, int& budget) const;

    const Vertex2D* m_v = nullptr;
    int m_n = 0;
    // The first changed vertex of each of the last recent updates, by update number.
    static constexpr int recent = 64;
    std::uint64_t m_updates = 0;
    int m_from[recent] = {};
    int m_unsortedLeaf = noLeaf; // the first leaf where x decreases or is NaN
    // m_levels[0] holds the leaves; each entry of level k + 1 gathers fanout entries of level k.
    std::vector<std::vector<YRange>> m_levels;
};

// Back from end to a leaf boundary vertex by vertex, then from entry to entry, each as large as
// its alignment and the range allow, into the first one that inside() refuses.
template <class Inside> int LineIndex::lastOutside(int first, int end, Inside inside) const {
    const auto scan = [&](int from, int stop) { // the last refused in stop..from - 1
        for (int i = from; i-- > stop;)
            if (!inside(m_v[i].y, m_v[i].y)) return i;
        return stop - 1;
    };
    int i = std::max(first, end - end % leafSize);
    if (const int j = scan(end, i); j >= i) return j;
    size_t k = 0;
    long long size = leafSize;
    bool climb = true;
    while (i - first >= leafSize) {
        while (climb && k + 1 < m_levels.size() && i % (size * fanout) == 0 &&
               i - size * fanout >= first)
            ++k, size *= fanout;
        while (i - size < first) --k, size /= fanout;
        const YRange& e = m_levels[k][size_t(i / size - 1)];
        if (inside(e.lo, e.hi)) {
            i -= int(size), climb = true;
            continue;
        }
        if (k == 0) return scan(i, i - leafSize);
        --k, size /= fanout, climb = false;
    }
    return scan(i, first);
}
