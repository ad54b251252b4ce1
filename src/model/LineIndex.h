// What an indexed series keeps beside its host's vertices so that a drawing need not read them
// all: whether x never decreases, and the lowest and highest y of every leaf of leafSize
// vertices, with those of fanout entries of each level gathered in the level above (a pyramid
// of about 1/60 of the vertices' memory). Extended where vertices are appended, rebuilt from
// the first changed one.
#pragma once

#include <ploxen/model/Vertex2D.h>

#include <cstddef>
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
    // The memory the index takes, in bytes.
    std::size_t bytes() const;

private:
    static constexpr int noLeaf = -1;
    void buildLeaves(int fromLeaf);
    void buildLevel(size_t level, int fromEntry);

    const Vertex2D* m_v = nullptr;
    int m_n = 0;
    int m_unsortedLeaf = noLeaf; // the first leaf where x decreases or is NaN
    // m_levels[0] holds the leaves; each entry of level k + 1 gathers fanout entries of level k.
    std::vector<std::vector<YRange>> m_levels;
};
