// The pixel columns of an indexed series whose x never decreases: which vertices may show in
// the strip, where each column's vertices end, and the extremes of a stretch of them, from the
// index. Found by bisection on the exact mapping, which never decreases either, so the answers
// are those a reading of every vertex would give.
#pragma once

#include <ploxen/model/GcGLine.h>
#include <ploxen/model/LineIndex.h>
#include <ploxen/render/AxisMap.h>
#include <ploxen/render/BlockExtremes.h>

class SortedColumns {
public:
    // ix: the index of a sorted series; xmap: its horizontal mapping, increasing; the strip's
    // columns run from device x left to right, where the device rounding applies.
    SortedColumns(const LineIndex& ix, const AxisMap& xmap, double left, double right);

    // The index of line when it and the mapping let the line be drawn this way, else null.
    static const LineIndex* usable(const GcGLine& line, const AxisMap& xmap);

    // The vertices s whose segment from vertex s - 1 is not beside the strip: first..last.
    int first = 0, last = -1;
    // Whether vertex i lies in one of the strip's columns, c.
    bool column(int i, int& c) const;
    // The first vertex from s on, up to end + 1 for none, outside column c, which vertex s - 1
    // lies in. Starts from the length of the column before (exact for evenly spaced x) and
    // gallops from there.
    int columnEnd(int s, int end, int c);
    // Those of the count >= 1 vertices from first on.
    Extremes extremes(int first, int count) const;
    // LineIndex::lastOutside().
    template <class Inside> int lastOutside(int first, int end, Inside inside) const {
        return m_ix.lastOutside(first, end, inside);
    }

private:
    double pixel(int i) const { return m_xmap.toPixel(m_v[i].x); }
    // The first index in lo..hi where pred holds, hi when none; pred goes from false to true.
    const LineIndex& m_ix;
    const Vertex2D* m_v;
    AxisMap m_xmap;
    double m_left, m_right;
    int m_length = 0; // vertices of the last column measured
};
