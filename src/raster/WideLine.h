// Lines of pens wider than one pixel. A disc as wide as the pen is stamped on every pixel of
// the one-pixel line, both ends included, so ends and joins are round and a polyline covers the
// union of what its segments cover; consecutive points in one pixel column can therefore be
// reduced as for one-pixel pens. A zero-length segment draws nothing, as with one-pixel pens.
// The pixels are gathered in a mask over the area the points can reach and then drawn once
// each, so an exclusive-or pen does not undo itself where segments overlap.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <vector>

#include <ploxen/platform/afx/types.h>

class WideLine {
public:
    // Wider pens are drawn this wide: the cost of a pixel of line grows with the square of the
    // width, and a plot has no use for wider lines.
    static constexpr int maxWidth = 100;

    // Lines of the given width through points among pts[0..n), changing pixels in bounds only.
    WideLine(QRect bounds, int width, const POINT* pts, int n);

    void segment(QPoint a, QPoint b);
    // The gathered pixels set to color straight in image (its format is 32-bit).
    void copyInto(QImage& image, QRgb color) const;
    // The gathered pixels filled through the painter, whose clip and composition mode apply.
    void paint(QPainter& painter, const QColor& color) const;

private:
    void stamp(long long x, long long y);
    template <class Span> void spans(Span span) const;

    int m_top = 0;                    // row offset of the disc's first row
    std::vector<int> m_left, m_right; // column offsets of each disc row's ends
    QRect m_area;                     // the mask's pixels
    QRect m_reach;                    // line pixels whose disc can touch the mask
    std::vector<unsigned char> m_mask;
};
