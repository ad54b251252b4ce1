#include <ploxen/raster/ImageRows.h>
#include <ploxen/raster/LinePixels.h>
#include <ploxen/raster/WideLine.h>

#include <algorithm>
#include <cstring>

WideLine::WideLine(QRect bounds, int width, const POINT* pts, int n) {
    // The disc: offsets (a, b) from the line's pixel with (2a + e)^2 + (2b + e)^2 <= width^2,
    // centred on the pixel for an odd width (e = 0) and on its top-left corner for an even one
    // (e = 1), so that a line covers exactly width rows or columns.
    const long long w = std::clamp(width, 2, maxWidth), e = w % 2 == 0, r = w / 2;
    m_top = int(-r);
    for (long long b = -r; b <= r - e; ++b) {
        const auto inside = [&](long long a) {
            return (2 * a + e) * (2 * a + e) + (2 * b + e) * (2 * b + e) <= w * w;
        };
        long long h = 0;
        while (inside(h + 1)) ++h;
        m_left.push_back(int(-h - e));
        m_right.push_back(int(h));
    }
    if (n <= 0) return;
    long long xlo = pts[0].x, xhi = xlo, ylo = pts[0].y, yhi = ylo;
    for (int i = 1; i < n; ++i) {
        xlo = std::min<long long>(xlo, pts[i].x), xhi = std::max<long long>(xhi, pts[i].x);
        ylo = std::min<long long>(ylo, pts[i].y), yhi = std::max<long long>(yhi, pts[i].y);
    }
    // The pixels the discs can reach, and the line pixels whose disc can reach the mask.
    const long long reachLeft = r + e, reachRight = r, reachUp = r, reachDown = r - e;
    const long long left = std::max<long long>(xlo - reachLeft, bounds.left());
    const long long right = std::min<long long>(xhi + reachRight, bounds.right());
    const long long top = std::max<long long>(ylo - reachUp, bounds.top());
    const long long bottom = std::min<long long>(yhi + reachDown, bounds.bottom());
    if (left > right || top > bottom) return;
    m_area = QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
    m_reach = QRect(QPoint(int(left - reachRight), int(top - reachDown)),
                    QPoint(int(right + reachLeft), int(bottom + reachUp)));
    m_mask.assign(size_t(m_area.width()) * size_t(m_area.height()), 0);
}

void WideLine::stamp(long long x, long long y) {
    if (x < m_reach.left() || x > m_reach.right() || y < m_reach.top() || y > m_reach.bottom())
        return;
    for (size_t k = 0; k < m_left.size(); ++k) {
        const long long row = y + m_top + (long long)k;
        const long long x0 = std::max<long long>(x + m_left[k], m_area.left());
        const long long x1 = std::min<long long>(x + m_right[k], m_area.right());
        if (row < m_area.top() || row > m_area.bottom() || x0 > x1) continue;
        unsigned char* line = m_mask.data() + size_t(row - m_area.top()) * size_t(m_area.width());
        std::memset(line + (x0 - m_area.left()), 1, size_t(x1 - x0 + 1));
    }
}

void WideLine::segment(QPoint a, QPoint b) {
    if (a == b || m_mask.empty()) return;
    const auto stampAt = [this](long long x, long long y) { stamp(x, y); };
    stepLine(
        a, b, m_reach, [](long long) {}, stampAt);
    stamp(b.x(), b.y());
}

template <class Span> void WideLine::spans(Span span) const {
    const int width = m_area.width();
    for (int row = 0; row < m_area.height(); ++row) {
        const unsigned char* line = m_mask.data() + size_t(row) * size_t(width);
        for (int i = 0; i < width;) {
            if (!line[i]) {
                ++i;
                continue;
            }
            int j = i + 1;
            while (j < width && line[j]) ++j;
            span(m_area.left() + i, m_area.top() + row, j - i);
            i = j;
        }
    }
}

void WideLine::copyInto(QImage& image, QRgb color) const {
    const ImageRows rows(image);
    spans([&](int x, int y, int n) { rows.fill(x, y, n, color); });
}

void WideLine::paint(QPainter& painter, const QColor& color) const {
    spans([&](int x, int y, int n) { painter.fillRect(QRect(x, y, n, 1), color); });
}
