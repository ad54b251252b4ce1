#include <ploxen/raster/LinePixels.h>

LinePixels::LinePixels(QPainter& painter, QRect bounds, std::vector<int> pattern)
    : m_painter(painter), m_bounds(bounds), m_pattern(std::move(pattern)) {
    startPattern();
    m_points.reserve(4096);
}

LinePixels::LinePixels(QPainter& painter, QImage& image, QRect bounds, QRgb color,
                       std::vector<int> pattern)
    : m_painter(painter), m_bounds(bounds.intersected(image.rect())), m_pattern(std::move(pattern)),
      m_bits(image.bits()), m_stride(image.bytesPerLine()), m_color(color) {
    startPattern();
}

void LinePixels::startPattern() {
    if (!m_pattern.empty()) m_dashLeft = m_pattern[0];
    for (int run : m_pattern) m_period += run;
}

void LinePixels::skip(long long steps) {
    if (m_pattern.empty() || steps <= 0) return;
    steps %= m_period; // whole periods leave the pattern where it was
    while (steps >= m_dashLeft) {
        steps -= m_dashLeft;
        m_dash = (m_dash + 1) % m_pattern.size();
        m_dashLeft = m_pattern[m_dash];
    }
    m_dashLeft -= steps;
}

void LinePixels::writeSpan() {
    if (!m_span) return;
    m_span = false;
    if (m_spanX < m_bounds.left() || m_spanX > m_bounds.right()) return;
    const long long lo = std::max<long long>(m_spanLo, m_bounds.top());
    const long long hi = std::min<long long>(m_spanHi, m_bounds.bottom());
    uchar* pixel = m_bits + lo * m_stride + m_spanX * qsizetype(sizeof(QRgb));
    for (long long y = lo; y <= hi; ++y, pixel += m_stride)
        *reinterpret_cast<QRgb*>(pixel) = m_color;
}

void LinePixels::flush() {
    writeSpan();
    if (!m_points.empty()) m_painter.drawPoints(m_points.data(), int(m_points.size()));
    m_points.clear();
}

void LinePixels::segment(QPoint a, QPoint b) {
    if (m_bits && m_pattern.empty() && a.x() == b.x() && a.y() != b.y()) {
        // Straight into the image, a vertical line is a run of rows: a's row included, b's not.
        // Dense series are mostly such runs, several to a pixel column, each starting where the
        // last ended; in copy mode their union, one span, is written once.
        const long long last = b.y() > a.y() ? b.y() - 1LL : b.y() + 1LL;
        const long long lo = std::min<long long>(a.y(), last),
                        hi = std::max<long long>(a.y(), last);
        if (m_span && m_spanX == a.x() && lo <= m_spanHi + 1 && hi >= m_spanLo - 1) {
            m_spanLo = std::min(m_spanLo, lo), m_spanHi = std::max(m_spanHi, hi);
            return;
        }
        writeSpan();
        m_span = true, m_spanX = a.x(), m_spanLo = lo, m_spanHi = hi;
        return;
    }
    // Steps off the surface cannot show, but a styled pen's pattern still advances over them,
    // so that dashes keep their places.
    stepLine(
        a, b, m_bounds, [this](long long steps) { skip(steps); },
        [this](long long x, long long y) { plot(x, y); });
}
