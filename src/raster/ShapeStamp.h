// Small shapes drawn again and again in the same colours (the marks of a long series) are
// rasterised once and then copied. Aliased drawing of integer geometry with a cosmetic pen is
// invariant under integer translation (polygon fill and cosmetic strokes work in fixed point;
// an integer ellipse is stepped on integers), so each copy holds exactly the pixels the painter
// would set. Wide pens are not: their outlines are built in floating point.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <array>
#include <functional>
#include <vector>

#include <ploxen/platform/afx/types.h>

class QImage;
class QPainter;

class ShapeStamp {
public:
    enum class Shape { none, polygon, rectangle, ellipse };
    // Draws the shape, moved by a shift, with its pen and brush on a painter.
    using Paint = std::function<void(QPainter&, QPoint shift)>;

    // A polygon of points[0..count) or a box shape in rect (the painter's rectangle), drawn
    // by paint with a solid cosmetic pen of colour pen (0: none) and a solid brush of colour
    // brush (0: none), colours opaque. Copies the shape into image and returns true where an
    // earlier drawing of it can be copied with all its pixels inside bounds; returns false
    // where the caller must draw it: the first time a shape comes, and large or far shapes.
    bool draw(QImage& image, const QRect& bounds, Shape shape, const POINT* points, int count,
              const QRect& rect, QRgb pen, QRgb brush, const Paint& paint);

private:
    static constexpr int maxPoints = 8;
    static constexpr int maxSize = 32; // longest side of a shape copied, in pixels

    struct Key {
        Shape shape = Shape::none;
        int count = 0;
        std::array<QPoint, maxPoints> points{}; // relative to the first (polygon), or the size
        QRgb pen = 0, brush = 0;
        bool operator==(const Key&) const = default;
    };
    struct Run {    // n pixels of one colour along a row
        int dx, dy; // of its first pixel from the shape's origin: its first point, or its
                    // rectangle's top left
        int n;
        QRgb color;
    };

    bool capture(QPoint origin, const Paint& paint);

    enum class State { seen, ready, refused }; // of m_key: drawn once, copied, never copied
    Key m_key;
    State m_state = State::seen;
    std::vector<Run> m_runs;
    QRect m_extent; // the runs' bounding box, from the origin
};

// Whether shapes are copied at all; the tests compare drawings made both ways.
void setShapeStampsEnabled(bool enabled);
