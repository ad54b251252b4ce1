// Where a block of a series sorted in x leaves a pixel column: so that a block that would take
// in a column's vertices and some of the next one's is cut where the column ends, and need not
// fail its check and be halved first.
#pragma once

#include <ploxen/model/Vertex2D.h>
#include <ploxen/render/AxisMap.h>
#include <ploxen/render/PlotLayout.h>

#include <cstdlib>
#include <limits>

class ColumnCutter {
public:
    // v: the series; xmap: its horizontal mapping; columns are those of device x from left to
    // right, where roundable says the device rounding applies.
    ColumnCutter(const Vertex2D* v, const AxisMap& xmap, double left, double right, bool roundable)
        : m_v(v), m_xmap(xmap), m_left(left), m_right(right), m_roundable(roundable) {}

    // The length of the block of len vertices from v[s - 1], cut after the first one outside
    // the column that v[s - 1] lies in (at least 2): len when none is, or when v[s - 1] lies in
    // no column. Found on the raw x against the column's edge values. The search starts where
    // the last column's count of vertices says the edge lies (exact for evenly spaced x, two
    // reads) and gallops from there. Only a guess for a sorted x: a block's own check decides.
    int cut(int s, int len);
    // Whether raw x u maps to a column next to the one the last cut was made in.
    bool nextToColumn(double u) const {
        const double p = m_xmap.toPixel(u);
        return m_roundable && p >= m_left && p <= m_right &&
               isNextColumn(PlotLayout::rndInRange(p));
    }
    // Whether column c lies next to the one the last cut was made in.
    bool isNextColumn(int c) const { return std::abs(c - m_column) == 1; }

private:
    bool outside(int i) const { return !(m_v[i].x >= m_lo && m_v[i].x < m_hi); }

    const Vertex2D* m_v;
    AxisMap m_xmap;
    double m_left, m_right;
    bool m_roundable;
    // The column of the last cut, its raw x from m_lo up to m_hi, the vertex it was entered at
    // and the count of vertices in the column before it.
    int m_column = 0, m_start = 0, m_length = 0;
    double m_lo = std::numeric_limits<double>::quiet_NaN(), m_hi = m_lo;
};
