// Lossless point dropping for solid one-pixel polylines.
//
// Inside one pixel column every segment is vertical, so a run of consecutive points there
// covers the column between its lowest and highest point whatever their order. Such a run can
// be replaced by its first, lowest, highest and last point: the segments entering and leaving
// the column keep their end points, and the covered span stays the same. Only the polyline's
// very last point needs care, because the platform leaves the last pixel of a line undrawn.
#include "platform/LinePixels.h"
#include "platform/gdi_p.h"

#include <algorithm>

namespace gdi {
namespace {

// Joins the points it is given with lines, dropping repeated points.
class Reducer {
public:
    explicit Reducer(LinePixels& line) : m_line(line) {}

    void add(QPoint q) {
        if (m_started && q == m_last) return;
        if (m_started) m_line.segment(m_last, q);
        m_last = q, m_started = true;
    }

private:
    LinePixels& m_line;
    QPoint m_last;
    bool m_started = false;
};

} // namespace

void drawReducedPolyline(LinePixels& line, const POINT* pts, int n) {
    Reducer out(line);
    int i = 0;
    while (i < n) {
        // One run: the consecutive points i..j-1 that share a column.
        const LONG x = pts[i].x;
        int j = i + 1;
        while (j < n && pts[j].x == x) ++j;
        const LONG first = pts[i].y, last = pts[j - 1].y;
        LONG lo = first, hi = first;
        if (j < n) {
            // The next segment starts on the last point: the span is all that matters.
            for (int k = i + 1; k < j; ++k) {
                lo = std::min(lo, pts[k].y);
                hi = std::max(hi, pts[k].y);
            }
            out.add(QPoint(x, first));
            out.add(QPoint(x, lo));
            out.add(QPoint(x, hi));
            out.add(QPoint(x, last));
            i = j;
            continue;
        }
        // The polyline's last run, whose last pixel is left undrawn unless an earlier segment
        // of the run covers it.
        bool loLeft = false, hiLeft = false; // left again by a later segment of the run
        LONG previous = first;
        for (int k = i + 1; k < j; ++k) {
            const LONG y = pts[k].y;
            if (y != previous) {
                if (previous == lo) loLeft = true;
                if (previous == hi) hiLeft = true;
            }
            if (y < lo) lo = y, loLeft = false;
            if (y > hi) hi = y, hiLeft = false;
            previous = y;
        }
        out.add(QPoint(x, first));
        if ((last != lo && last != hi) || lo == hi) {
            // The last point lies inside the span.
            out.add(QPoint(x, lo));
            out.add(QPoint(x, hi));
        } else if (last == hi) {
            // The polyline ends on its highest point: drawn only if the run left it earlier.
            out.add(QPoint(x, lo));
            if (hiLeft) out.add(QPoint(x, hi)), out.add(QPoint(x, lo));
        } else {
            out.add(QPoint(x, hi));
            if (loLeft) out.add(QPoint(x, lo)), out.add(QPoint(x, hi));
        }
        out.add(QPoint(x, last));
        i = j;
    }
}

} // namespace gdi
