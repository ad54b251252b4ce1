// Lossless point dropping for solid one-pixel polylines, one point at a time.
//
// Inside one pixel column every segment is vertical, so a run of consecutive points there
// covers the column between its lowest and highest point whatever their order. Such a run can
// be replaced by its first, lowest, highest and last point: the segments entering and leaving
// the column keep their end points, and the covered span stays the same. Only the polyline's
// very last point needs care, because the platform leaves the last pixel of a line undrawn.
// Reducing an already reduced polyline keeps it as it is.
#pragma once

#include <algorithm>

class ColumnReducer {
public:
    // Takes the next point; keep(x, y) receives the kept points of the runs it closes, in order
    // and without repeats.
    template <class Keep> void add(int x, int y, Keep&& keep) {
        if (m_open && x == m_x) return track(y);
        if (m_open) close(false, keep);
        m_open = true;
        m_x = x;
        m_first = m_lo = m_hi = m_previous = y;
        m_loLeft = m_hiLeft = false;
    }
    // The same for n points that all lie in column x, in one pass over them.
    template <class Keep> void add(int x, const int* ys, int n, Keep&& keep) {
        if (n <= 0) return;
        if (!m_open || x != m_x) add(x, *ys++, keep), --n;
        if (n > 0) trackMany(ys, n);
    }
    // The same for points in column x that follow the open run's last point, known by the
    // lowest y lo, the highest y hi and the last y last of that point and theirs, and by
    // whether one of them at lo (loLeft) or at hi (hiLeft) is followed by one elsewhere. False,
    // with nothing taken, when the open run is not in column x.
    bool addSpan(int x, int lo, int hi, int last, bool loLeft, bool hiLeft) {
        if (!m_open || x != m_x) return false;
        m_loLeft = lo < m_lo ? loLeft : lo > m_lo ? m_loLeft : m_loLeft || loLeft;
        m_hiLeft = hi > m_hi ? hiLeft : hi < m_hi ? m_hiLeft : m_hiLeft || hiLeft;
        m_lo = std::min(lo, m_lo), m_hi = std::max(hi, m_hi), m_previous = last;
        return true;
    }
    // Ends the polyline: the last run's points go to keep, and the reducer is ready for another.
    template <class Keep> void finish(Keep&& keep) {
        if (m_open) close(true, keep);
        m_open = m_kept = false;
    }

private:
    void track(int y) {
        if (y != m_previous) {
            if (m_previous == m_lo) m_loLeft = true; // a later segment leaves lo again
            if (m_previous == m_hi) m_hiLeft = true;
        }
        if (y < m_lo) m_lo = y, m_loLeft = false;
        if (y > m_hi) m_hi = y, m_hiLeft = false;
        m_previous = y;
    }
    // track() for each of ys[0..n): the span grows to take them in, and the span's end that is
    // reached is marked as left when a later point of the run moves away from it.
    void trackMany(const int* ys, int n) {
        int lo = ys[0], hi = ys[0];
        for (int k = 1; k < n; ++k) lo = std::min(lo, ys[k]), hi = std::max(hi, ys[k]);
        const int newLo = std::min(lo, m_lo), newHi = std::max(hi, m_hi);
        int leftLo = 0, leftHi = 0;
        for (int k = 0; k + 1 < n; ++k) {
            leftLo |= (ys[k] == newLo) & (ys[k + 1] != newLo);
            leftHi |= (ys[k] == newHi) & (ys[k + 1] != newHi);
        }
        m_loLeft = (newLo == m_lo && m_loLeft) || leftLo || (m_previous == newLo && ys[0] != newLo);
        m_hiLeft = (newHi == m_hi && m_hiLeft) || leftHi || (m_previous == newHi && ys[0] != newHi);
        m_lo = newLo, m_hi = newHi, m_previous = ys[n - 1];
    }
    template <class Keep> void put(int y, Keep& keep) {
        if (m_kept && m_x == m_keptX && y == m_keptY) return;
        m_kept = true, m_keptX = m_x, m_keptY = y;
        keep(m_x, y);
    }
    template <class Keep> void close(bool lastRun, Keep& keep) {
        const int lo = m_lo, hi = m_hi, last = m_previous;
        put(m_first, keep);
        if (!lastRun || (last != lo && last != hi) || lo == hi) {
            // The next segment starts on the last point, or the last point lies inside the
            // span: the span is all that matters.
            put(lo, keep), put(hi, keep);
        } else if (last == hi) {
            // The polyline ends on its highest point: drawn only if the run left it earlier.
            put(lo, keep);
            if (m_hiLeft) put(hi, keep), put(lo, keep);
        } else {
            put(hi, keep);
            if (m_loLeft) put(lo, keep), put(hi, keep);
        }
        put(last, keep);
    }

    bool m_open = false, m_kept = false;
    int m_x = 0, m_first = 0, m_lo = 0, m_hi = 0, m_previous = 0;
    bool m_loLeft = false, m_hiLeft = false;
    int m_keptX = 0, m_keptY = 0;
};

// The segments of the polyline pts[0..n) with its column runs reduced, in order, each passed
// to segment(x0, y0, x1, y1).
template <class Point, class Segment>
void forEachReducedSegment(const Point* pts, int n, Segment&& segment) {
    int lastX = 0, lastY = 0;
    bool started = false;
    const auto join = [&](int x, int y) {
        if (started) segment(lastX, lastY, x, y);
        lastX = x, lastY = y, started = true;
    };
    ColumnReducer reducer;
    for (int i = 0; i < n; ++i) reducer.add(pts[i].x, pts[i].y, join);
    reducer.finish(join);
}
