#include <ploxen/platform/LinePixels.h>

#include <algorithm>
#include <cstdlib>

namespace gdi {

LinePixels::LinePixels(QPainter& painter, QRect bounds, std::vector<int> pattern)
    : m_painter(painter), m_bounds(bounds), m_pattern(std::move(pattern)) {
    if (!m_pattern.empty()) m_dashLeft = m_pattern[0];
    for (int run : m_pattern) m_period += run;
    m_points.reserve(4096);
}

LinePixels::LinePixels(QPainter& painter, QImage& image, QRect bounds, QRgb color)
    : m_painter(painter), m_bounds(bounds.intersected(image.rect())), m_bits(image.bits()),
      m_stride(image.bytesPerLine()), m_color(color) {}

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

void LinePixels::flush() {
    if (!m_points.empty()) m_painter.drawPoints(m_points.data(), int(m_points.size()));
    m_points.clear();
}

void LinePixels::segment(QPoint a, QPoint b) {
    // Step along the major axis from a (included) toward b (excluded); the minor coordinate of
    // step k is the rounded exact value, a + k * dMinor / dMajor, halves away from a.
    const long long dx = (long long)b.x() - a.x(), dy = (long long)b.y() - a.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (major == 0) return;
    const long long minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const long long majorStart = xMajor ? a.x() : a.y(), minorStart = xMajor ? a.y() : a.x();

    // Only the steps whose major coordinate lies on the surface can show; a styled pen's
    // pattern still advances over the others, so dashes keep their places.
    const long long lo = xMajor ? m_bounds.left() : m_bounds.top();
    const long long hi = xMajor ? m_bounds.right() : m_bounds.bottom();
    const long long first = majorStep > 0 ? lo - majorStart : majorStart - hi;
    const long long last = majorStep > 0 ? hi - majorStart : majorStart - lo;
    const long long k0 = std::clamp(first, 0LL, major), k1 = std::clamp(last + 1, k0, major);
    skip(k0);
    // Error term of step k: numerator 2*k*minor + major over 2*major.
    const __int128 den = (__int128)2 * major;
    __int128 num = (__int128)2 * k0 * minor + major;
    long long q = (long long)(num / den);
    long long r = (long long)(num % den);
    const long long add = 2 * minor, full = 2 * major;
    for (long long k = k0; k < k1; ++k) {
        long long M = majorStart + majorStep * k, m = minorStart + minorStep * q;
        if (xMajor)
            plot(M, m);
        else
            plot(m, M);
        r += add;
        if (r >= full) r -= full, ++q;
    }
    skip(major - k1);
}

} // namespace gdi
