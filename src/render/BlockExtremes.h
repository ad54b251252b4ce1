// The lowest and highest raw x and y of a block of vertices, read in vectors: the first test a
// block of a long series meets when it is drawn.
#pragma once

#include <ploxen/model/Vertex2D.h>

#include <algorithm>

// The extremes mean nothing when finite is false.
struct Extremes {
    double xlo, ylo, xhi, yhi;
    bool finite; // every x and y of the block is
};

// Those of n >= 1 vertices: one read of them in vectors of one (x, y) pair, or of two where
// the processor has AVX2.
Extremes extremes(const Vertex2D* v, int n);
// The same read in vectors of one pair whatever the processor: what extremes() falls back to.
Extremes extremesByPairs(const Vertex2D* v, int n);

inline Extremes merged(const Extremes& a, const Extremes& b) {
    return {std::min(a.xlo, b.xlo), std::min(a.ylo, b.ylo), std::max(a.xhi, b.xhi),
            std::max(a.yhi, b.yhi), a.finite && b.finite};
}

// Extremes of n >= 1 vertices read once, kept also for each chunk of them, so that those of a
// leading part need only its last chunk read again.
class ChunkedExtremes {
public:
    static constexpr int chunk = 1024, maxChunks = 16;
    // n at most chunk * maxChunks.
    ChunkedExtremes(const Vertex2D* v, int n) : m_v(v) {
        for (int i = 0, c = 0; i < n; i += chunk, ++c) {
            m_chunks[c] = extremes(v + i, std::min(chunk, n - i));
            m_all = c == 0 ? m_chunks[0] : merged(m_all, m_chunks[c]);
        }
    }
    const Extremes& all() const { return m_all; }
    // Those of the first n vertices.
    Extremes first(int n) const {
        const int whole = (n - 1) / chunk; // chunks wholly taken, the part of the next read
        Extremes e = extremes(m_v + whole * chunk, n - whole * chunk);
        for (int c = 0; c < whole; ++c) e = merged(e, m_chunks[c]);
        return e;
    }

private:
    const Vertex2D* m_v;
    Extremes m_chunks[maxChunks], m_all{};
};
