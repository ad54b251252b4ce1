// Pixels written straight into the rows of a 32-bit image, for drawing that bypasses the
// painter where the result is known to be the same.
#pragma once

#include <QImage>
#include <algorithm>

class ImageRows {
public:
    explicit ImageRows(QImage& image) : m_bits(image.bits()), m_stride(image.bytesPerLine()) {}
    // n pixels from (x, y) to the right set to color; the caller keeps them inside the image.
    void fill(int x, int y, int n, QRgb color) const {
        std::fill_n(reinterpret_cast<QRgb*>(m_bits + y * m_stride) + x, n, color);
    }

private:
    uchar* m_bits;
    qsizetype m_stride;
};
