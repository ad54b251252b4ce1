// One-pixel lines as the platform steps them: the start pixel is drawn, the end pixel is not,
// and a zero-length line draws nothing. Pixels are collected and handed to the painter in
// batches, so the painter's clip region and raster operation apply to them; a plain copy into
// a rectangle is written straight into the image instead, which is many times faster.
#pragma once

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
    void plot(long long x, long long y);
    void skip(long long steps); // advances the dash pattern over steps that cannot show

    QPainter& m_painter;
    QRect m_bounds;
    std::vector<int> m_pattern;
    size_t m_dash = 0; // index into the pattern
    long long m_dashLeft = 0;
    long long m_period = 0; // sum of the pattern's run lengths
    std::vector<QPoint> m_points;
    QImage* m_image = nullptr;
    QRgb m_color = 0;
};

} // namespace gdi
