#include <ploxen/raster/ShapeStamp.h>

#include <ploxen/raster/ImageRows.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

bool stampsEnabled = true;

} // namespace

void setShapeStampsEnabled(bool enabled) {
    stampsEnabled = enabled;
}

bool ShapeStamp::draw(QImage& image, const QRect& bounds, Shape shape, const POINT* points,
                      int count, const QRect& rect, QRgb pen, QRgb brush, const Paint& paint) {
    if (!stampsEnabled || bounds.isEmpty()) return false;
    Key key;
    key.shape = shape;
    key.pen = pen;
    key.brush = brush;
    QPoint origin;
    if (shape == Shape::polygon) {
        if (count < 2 || count > maxPoints) return false;
        // Far points are left to the painter; near ones have differences that cannot overflow.
        constexpr int far = 1 << 28;
        for (int i = 0; i < count; ++i)
            if (points[i].x < -far || points[i].x > far || points[i].y < -far || points[i].y > far)
                return false;
        origin = QPoint(points[0].x, points[0].y);
        key.count = count;
        int lowX = 0, highX = 0, lowY = 0, highY = 0;
        for (int i = 0; i < count; ++i) {
            const int x = points[i].x - origin.x(), y = points[i].y - origin.y();
            key.points[size_t(i)] = QPoint(x, y);
            lowX = std::min(lowX, x), highX = std::max(highX, x);
            lowY = std::min(lowY, y), highY = std::max(highY, y);
        }
        if (highX - lowX >= maxSize || highY - lowY >= maxSize) return false;
    } else {
        if (rect.width() >= maxSize || rect.height() >= maxSize) return false;
        origin = rect.topLeft();
        key.points[0] = QPoint(rect.width(), rect.height());
    }

    if (!(key == m_key)) {
        // Seen once: drawn by the painter. A shape seldom drawn twice costs nothing more.
        m_key = key;
        m_state = State::seen;
        return false;
    }
    if (m_state == State::seen) m_state = capture(origin, paint) ? State::ready : State::refused;
    if (m_state != State::ready || !bounds.contains(m_extent.translated(origin))) return false;

    const ImageRows rows(image);
    for (const Run& run : m_runs)
        rows.fill(origin.x() + run.dx, origin.y() + run.dy, run.n, run.color);
    return true;
}

// Draws the shape of m_key once into a clear image with room around it and keeps its pixels.
// Refuses if any pixel is partly covered or touches the room's edge.
bool ShapeStamp::capture(QPoint origin, const Paint& paint) {
    constexpr int room = 3, side = maxSize + 2 * room;
    QPoint low(0, 0);
    for (int i = 0; i < m_key.count; ++i)
        low = QPoint(std::min(low.x(), m_key.points[size_t(i)].x()),
                     std::min(low.y(), m_key.points[size_t(i)].y()));
    const QPoint at = QPoint(room, room) - low; // where the origin goes in the scratch image
    QImage scratch(side, side, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter p(&scratch);
        paint(p, at - origin);
    }
    m_runs.clear();
    m_extent = QRect();
    for (int y = 0; y < side; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha == 0) continue;
            if (alpha != 255 || x == 0 || y == 0 || x == side - 1 || y == side - 1) return false;
            const int dx = x - at.x(), dy = y - at.y();
            Run* last = m_runs.empty() ? nullptr : &m_runs.back();
            if (last && last->dy == dy && last->dx + last->n == dx && last->color == row[x])
                ++last->n;
            else
                m_runs.push_back({dx, dy, 1, row[x]});
            m_extent |= QRect(dx, dy, 1, 1);
        }
    }
    return true;
}
