// Scrolling a surface's pixels in place, row by row.
#include <cstring>

#include <ploxen/platform/afx/TraceSink.h>
#include <ploxen/platform/gdi/gdi_p.h>

namespace gdi {
namespace {

// Each pixel of the rectangle to takes the value of the pixel (dx, dy) before it, source and
// destination overlapping or not: rows go in the order that reads each before it is written
// over, and memmove takes care of the overlap within a row.
void moveRect(QImage& image, const QRect& to, int dx, int dy) {
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const size_t bytes = size_t(to.width()) * sizeof(QRgb);
    for (int i = 0; i < to.height(); ++i) {
        const int y = dy > 0 ? to.bottom() - i : to.top() + i;
        std::memmove(bits + y * stride + to.left() * sizeof(QRgb),
                     bits + (y - dy) * stride + (to.left() - dx) * sizeof(QRgb), bytes);
    }
}

// The same for a region of several rectangles, where one rectangle's source may be another's
// destination: the sources are copied out first.
void moveRegion(QImage& image, const QRegion& to, int dx, int dy) {
    if (to.rectCount() == 1) return moveRect(image, to.boundingRect(), dx, dy);
    const QRect from = to.boundingRect().translated(-dx, -dy);
    const QImage source = image.copy(from);
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const QRect& r : to)
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memcpy(bits + y * stride + r.left() * sizeof(QRgb),
                        source.constScanLine(y - dy - from.top()) +
                            (r.left() - dx - from.left()) * sizeof(QRgb),
                        size_t(r.width()) * sizeof(QRgb));
}

} // namespace
} // namespace gdi

using namespace gdi;

// The pixels of lprcScroll (null: the surface) move by (dx, dy); only those landing inside
// lprcClip (null: the surface) and the DC's clip are written. The update area is what the move
// uncovered: the scrolled pixels within lprcClip that nothing was written over. Printers and
// metafiles keep no pixels to move: there it fails.
BOOL ScrollDC(HDC hDC, int dx, int dy, const RECT* lprcScroll, const RECT* lprcClip,
              HRGN hrgnUpdate, LPRECT lprcUpdate) {
    DeviceContext* dc = dcFrom(hDC);
    auto* update = objectAs<RegionObject>(hrgnUpdate, Kind::Region);
    if (!dc || (hrgnUpdate && !update)) return FALSE;
    if (tracing(dc))
        trace(dc, "ScrollDC",
              {str(dx), str(dy), lprcScroll ? rectStr(*lprcScroll) : "null",
               lprcClip ? rectStr(*lprcClip) : "null"});
    Surface* s = dc->surface.get();
    if (!s || s->vectorPainter || dc->job || dc->metaFile) return FALSE;
    dx = coord(dx), dy = coord(dy);
    const QRect area = s->image.rect();
    const QRect scrolled = (lprcScroll ? qtRect(*lprcScroll) : area) & area;
    const QRect limit = (lprcClip ? qtRect(*lprcClip) : area) & area;
    QRegion written(scrolled.translated(dx, dy) & limit);
    if (dc->hasClip) written &= dc->clip;
    if (!written.isEmpty()) {
        s->beforeDraw();
        moveRegion(s->image, written, dx, dy);
    }
    const QRegion uncovered = QRegion(scrolled & limit) - written;
    if (update) update->region = uncovered;
    if (lprcUpdate) {
        const QRect b = uncovered.boundingRect();
        *lprcUpdate = uncovered.isEmpty() ? RECT{0, 0, 0, 0}
                                          : RECT{b.left(), b.top(), b.right() + 1, b.bottom() + 1};
    }
    return TRUE;
}
