// Lossless point dropping for solid one-pixel polylines.
//
// Inside one pixel column every segment is vertical, so a run of consecutive points there
// covers the column between its lowest and highest point whatever their order. Such a run can
// be replaced by its first, lowest, highest and last point: the segments entering and leaving
// the column keep their end points, and the covered span stays the same. Only the polyline's
// very last point needs care, because the platform leaves the last pixel of a line undrawn.
#include "platform/gdi_p.h"

namespace gdi {
namespace {

class Reducer {
public:
    explicit Reducer(QPainter& p) : m_painter(p) {}

    void add(QPoint q) {
        if (m_count && m_points[m_count - 1] == q) return; // a zero-length segment draws nothing
        if (m_count == kChunk) {
            // Continue from the last point: the platform skips a line's last pixel, and the
            // next piece starts on it, so each pixel is drawn exactly once.
            m_painter.drawPolyline(m_points, m_count);
            m_points[0] = m_points[m_count - 1];
            m_count = 1;
        }
        m_points[m_count++] = q;
    }
    void finish() {
        if (m_count >= 2) m_painter.drawPolyline(m_points, m_count);
        m_count = 0;
    }

private:
    static constexpr int kChunk = 4096;
    QPainter& m_painter;
    QPoint m_points[kChunk];
    int m_count = 0;
};

} // namespace

void drawReducedPolyline(QPainter& p, const POINT* pts, int n) {
    auto out = std::make_unique<Reducer>(p);
    int i = 0;
    while (i < n) {
        // One run: the consecutive points i..j-1 that share a column.
        const LONG x = pts[i].x;
        LONG first = pts[i].y, lo = first, hi = first, last = first;
        bool loLeft = false, hiLeft = false; // left again by a later segment of the run
        int j = i + 1;
        for (; j < n && pts[j].x == x; ++j) {
            LONG y = pts[j].y;
            if (y != last) {
                if (last == lo) loLeft = true;
                if (last == hi) hiLeft = true;
            }
            if (y < lo) lo = y, loLeft = false;
            if (y > hi) hi = y, hiLeft = false;
            last = y;
        }
        out->add(QPoint(x, first));
        if (j < n || (last != lo && last != hi) || lo == hi) {
            // The next segment starts on the last point, or the last point lies inside the span.
            out->add(QPoint(x, lo));
            out->add(QPoint(x, hi));
        } else if (last == hi) {
            // The polyline ends on its highest point: drawn only if the run left it earlier.
            out->add(QPoint(x, lo));
            if (hiLeft) out->add(QPoint(x, hi)), out->add(QPoint(x, lo));
        } else {
            out->add(QPoint(x, hi));
            if (loLeft) out->add(QPoint(x, lo)), out->add(QPoint(x, hi));
        }
        out->add(QPoint(x, last));
        i = j;
    }
    out->finish();
}

} // namespace gdi
