// One-pixel lines as the platform steps them: the start pixel is drawn, the end pixel is not,
// and a zero-length line draws nothing. Pixels are collected and handed to the painter in
// batches, so the painter's clip region and raster operation apply to them; a plain copy into
// a rectangle is written straight into the image instead, which is many times faster.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <algorithm>
#include <cstdlib>
#include <vector>

// Steps the one-pixel line from a (included) toward b (excluded): the major coordinate moves
// one pixel a step, the minor one is the exact value rounded, halves away from a. plot(x, y)
// receives the steps whose major coordinate lies within bounds; skip(k) is told how many steps
// lie before them, then how many after.
template <class Skip, class Plot>
void stepLine(QPoint a, QPoint b, QRect bounds, Skip skip, Plot plot) {
    const long long dx = (long long)b.x() - a.x(), dy = (long long)b.y() - a.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (major == 0) return;
    const long long minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const long long majorStart = xMajor ? a.x() : a.y(), minorStart = xMajor ? a.y() : a.x();

    const long long lo = xMajor ? bounds.left() : bounds.top();
    const long long hi = xMajor ? bounds.right() : bounds.bottom();
    const long long first = majorStep > 0 ? lo - majorStart : majorStart - hi;
    const long long last = majorStep > 0 ? hi - majorStart : majorStart - lo;
    const long long k0 = std::clamp(first, 0LL, major), k1 = std::clamp(last + 1, k0, major);
    skip(k0);
    // Error term of step k: numerator 2*k*minor + major over 2*major.
    const __int128 den = (__int128)2 * major;
    const __int128 num = (__int128)2 * k0 * minor + major;
    long long q = (long long)(num / den);
    long long r = (long long)(num % den);
    const long long add = 2 * minor, full = 2 * major;
    for (long long k = k0; k < k1; ++k) {
        const long long M = majorStart + majorStep * k, m = minorStart + minorStep * q;
        if (xMajor)
            plot(M, m);
        else
            plot(m, M);
        r += add;
        if (r >= full) r -= full, ++q;
    }
    skip(major - k1);
}

class LinePixels {
public:
    // pattern: on/off run lengths in pixels for styled pens (empty: solid). The pattern runs
    // on across the segments of one LinePixels.
    LinePixels(QPainter& painter, QRect bounds, std::vector<int> pattern = {});
    // Copy mode: pixels inside bounds are set to color in image directly.
    LinePixels(QPainter& painter, QImage& image, QRect bounds, QRgb color,
               std::vector<int> pattern = {});
    ~LinePixels() { flush(); }

    void segment(QPoint a, QPoint b);
    void flush();

private:
    // Defined here so that the stepping loop has it inline.
    void plot(long long x, long long y) {
        if (!m_pattern.empty()) {
            const bool on = m_dash % 2 == 0;
            if (--m_dashLeft <= 0) {
                m_dash = (m_dash + 1) % m_pattern.size();
                m_dashLeft = m_pattern[m_dash];
            }
            if (!on) return;
        }
        if (x < m_bounds.left() || x > m_bounds.right() || y < m_bounds.top() ||
            y > m_bounds.bottom())
            return;
        if (m_bits) {
            reinterpret_cast<QRgb*>(m_bits + y * m_stride)[x] = m_color;
            return;
        }
        m_points.emplace_back(int(x), int(y));
        if (m_points.size() == m_points.capacity()) flush();
    }
    void startPattern();
    void skip(long long steps); // advances the dash pattern over steps that cannot show
    void writeSpan();           // the vertical span gathered in copy mode, if any

    QPainter& m_painter;
    QRect m_bounds;
    std::vector<int> m_pattern;
    size_t m_dash = 0; // index into the pattern
    long long m_dashLeft = 0;
    long long m_period = 0; // sum of the pattern's run lengths
    std::vector<QPoint> m_points;
    uchar* m_bits = nullptr; // copy mode: the image's pixels, m_stride bytes to a row
    qsizetype m_stride = 0;
    QRgb m_color = 0;
    bool m_span = false; // copy mode: rows m_spanLo..m_spanHi of column m_spanX to be written
    long long m_spanX = 0, m_spanLo = 0, m_spanHi = 0;
};
