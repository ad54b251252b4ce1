// One-pixel lines as the platform steps them: the start pixel is drawn, the end pixel is not,
// and a zero-length line draws nothing. Pixels are collected and handed to the painter in
// batches, so the painter's clip region and raster operation apply to them; a plain copy into
// a rectangle is written straight into the image instead, which is many times faster.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <vector>

namespace gdi {

class LinePixels {
public:
    // pattern: on/off run lengths in pixels for styled pens (empty: solid). The pattern runs
    // on across the segments of one LinePixels.
    LinePixels(QPainter& painter, QRect bounds, std::vector<int> pattern = {});
    // Copy mode: pixels inside bounds are set to color in image directly.
    LinePixels(QPainter& painter, QImage& image, QRect bounds, QRgb color);
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
    void skip(long long steps); // advances the dash pattern over steps that cannot show

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
};

} // namespace gdi
