// Bitmaps: compatible bitmaps, DIB sections kept in step with their surfaces, block transfers.
#include <cstring>
#include <unordered_map>

#include <ploxen/platform/afx/TraceSink.h>
#include <ploxen/platform/gdi/gdi_p.h>

namespace gdi {

namespace {

// DIB sections by their bits, for GdiFlush and for calls handed the bits pointer.
std::unordered_map<const void*, BitmapObject*>& dibs() {
    static auto* map = new std::unordered_map<const void*, BitmapObject*>;
    return *map;
}

constexpr long long kMaxPixels = 1LL << 28;

int tableSize(const BITMAPINFOHEADER& h) {
    if (h.biBitCount > 8) return 0;
    int full = 1 << h.biBitCount;
    return h.biClrUsed && int(h.biClrUsed) < full ? int(h.biClrUsed) : full;
}

bool validBitCount(int bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

int nearestIndex(QRgb c, const std::vector<RGBQUAD>& table) {
    int best = 0, bestDistance = 1 << 30;
    for (size_t i = 0; i < table.size(); ++i) {
        int dr = qRed(c) - table[i].rgbRed, dg = qGreen(c) - table[i].rgbGreen,
            db = qBlue(c) - table[i].rgbBlue;
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) bestDistance = d, best = int(i);
    }
    return best;
}

} // namespace

int rowBytes(int width, int bpp) {
    return int(((long long)width * bpp + 31) / 32 * 4);
}

void packRow(const QRgb* src, int width, unsigned char* dst, int bpp,
             const std::vector<RGBQUAD>& table) {
    switch (bpp) {
    case 32:
        for (int x = 0; x < width; ++x, dst += 4)
            dst[0] = BYTE(qBlue(src[x])), dst[1] = BYTE(qGreen(src[x])),
            dst[2] = BYTE(qRed(src[x])), dst[3] = 0;
        return;
    case 24:
        for (int x = 0; x < width; ++x, dst += 3)
            dst[0] = BYTE(qBlue(src[x])), dst[1] = BYTE(qGreen(src[x])),
            dst[2] = BYTE(qRed(src[x]));
        return;
    case 16:
        for (int x = 0; x < width; ++x, dst += 2) {
            unsigned v = (unsigned(qRed(src[x]) >> 3) << 10) |
                         (unsigned(qGreen(src[x]) >> 3) << 5) | unsigned(qBlue(src[x]) >> 3);
            dst[0] = BYTE(v), dst[1] = BYTE(v >> 8);
        }
        return;
    default: {
        // Palette indices, packed from the most significant bit.
        std::memset(dst, 0, size_t(rowBytes(width, bpp)));
        QRgb cached = 0;
        int cachedIndex = -1;
        for (int x = 0; x < width; ++x) {
            if (cachedIndex < 0 || src[x] != cached)
                cached = src[x], cachedIndex = nearestIndex(cached, table);
            int bit = x * bpp;
            dst[bit / 8] |= BYTE(cachedIndex << (8 - bpp - bit % 8));
        }
    }
    }
}

void unpackRow(const unsigned char* src, int width, QRgb* dst, int bpp, const RGBQUAD* table,
               int tableSize) {
    switch (bpp) {
    case 32:
        for (int x = 0; x < width; ++x, src += 4) dst[x] = qRgb(src[2], src[1], src[0]);
        return;
    case 24:
        for (int x = 0; x < width; ++x, src += 3) dst[x] = qRgb(src[2], src[1], src[0]);
        return;
    case 16:
        for (int x = 0; x < width; ++x, src += 2) {
            unsigned v = src[0] | (unsigned(src[1]) << 8);
            auto five = [](unsigned c) { return int((c << 3) | (c >> 2)); };
            dst[x] = qRgb(five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31));
        }
        return;
    default:
        for (int x = 0; x < width; ++x) {
            int bit = x * bpp;
            int index = (src[bit / 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1);
            dst[x] = index < tableSize
                         ? qRgb(table[index].rgbRed, table[index].rgbGreen, table[index].rgbBlue)
                         : qRgb(0, 0, 0);
        }
    }
}

BitmapObject::~BitmapObject() {
    if (dibSection) dibs().erase(bits.get());
    if (surface && surface->dib == this) surface->dib = nullptr;
}

void BitmapObject::loadImage() {
    QImage& image = surface->image;
    int h = image.height(), stride = rowBytes(image.width(), bitsPixel);
    for (int y = 0; y < h; ++y) {
        int row = header.biHeight > 0 ? h - 1 - y : y;
        unpackRow(bits.get() + (long long)row * stride, image.width(),
                  reinterpret_cast<QRgb*>(image.scanLine(y)), bitsPixel, colorTable.data(),
                  int(colorTable.size()));
    }
    imageStale = false;
}

void BitmapObject::flushBits() {
    const QImage& image = surface->image;
    int h = image.height(), stride = rowBytes(image.width(), bitsPixel);
    for (int y = 0; y < h; ++y) {
        int row = header.biHeight > 0 ? h - 1 - y : y;
        packRow(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(),
                bits.get() + (long long)row * stride, bitsPixel, colorTable);
    }
    bitsStale = false;
}

} // namespace gdi

using namespace gdi;

BOOL GdiFlush() {
    // After this the host may read and write the bits; the next drawing reloads them.
    for (auto& [ptr, dib] : dibs()) {
        if (dib->bitsStale) dib->flushBits();
        dib->imageStale = true;
    }
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    if (!dcFrom(hdc) || width <= 0 || height <= 0 || (long long)width * height > kMaxPixels)
        return nullptr;
    auto b = std::make_unique<BitmapObject>();
    b->surface = std::make_shared<Surface>();
    b->surface->image = QImage(width, height, QImage::Format_RGB32);
    if (b->surface->image.isNull()) return nullptr;
    b->surface->image.fill(Qt::black);
    return registerObject(std::move(b));
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE, DWORD) {
    if (bits) *bits = nullptr;
    if (!info) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    long long height = h.biHeight < 0 ? -(long long)h.biHeight : h.biHeight;
    if (h.biWidth <= 0 || height == 0 || !validBitCount(h.biBitCount) ||
        h.biCompression != BI_RGB || h.biWidth * height > kMaxPixels || usage != DIB_RGB_COLORS)
        return nullptr;
    ensureQtApplication();
    auto b = std::make_unique<BitmapObject>();
    b->dibSection = true;
    b->header = h;
    b->bitsPixel = h.biBitCount;
    b->colorTable.assign(info->bmiColors, info->bmiColors + tableSize(h));
    size_t size = size_t(rowBytes(h.biWidth, h.biBitCount)) * size_t(height);
    b->bits.reset(new unsigned char[size]());
    b->surface = std::make_shared<Surface>();
    b->surface->image = QImage(h.biWidth, int(height), QImage::Format_RGB32);
    if (b->surface->image.isNull()) return nullptr;
    b->surface->dib = b.get();
    b->imageStale = true;
    if (bits) *bits = b->bits.get();
    dibs()[b->bits.get()] = b.get();
    return registerObject(std::move(b));
}

UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors) {
    DeviceContext* dc = dcFrom(hdc);
    auto* b = dc ? static_cast<BitmapObject*>(dc->bitmap) : nullptr;
    if (!b || !b->dibSection || b->bitsPixel > 8 || !colors || start >= b->colorTable.size())
        return 0;
    if (b->bitsStale) b->flushBits();
    UINT n = std::min<UINT>(count, UINT(b->colorTable.size()) - start);
    std::copy(colors, colors + n, b->colorTable.begin() + start);
    b->imageStale = true;
    return n;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
    DeviceContext* dc = dcFrom(dest);
    if (!dc) return FALSE;
    if (tracing(dc))
        trace(dc, "BitBlt",
              {str(x), str(y), str(width), str(height), str(xSrc), str(ySrc), str(long(rop))});
    if (width <= 0 || height <= 0) return TRUE;
    const QRect target =
        qtRect(RECT{x, y, LONG(coord((long long)x + width)), LONG(coord((long long)y + height))});
    QPainter::CompositionMode mode = QPainter::CompositionMode_Source;
    switch (rop) {
    case WHITENESS:
    case BLACKNESS:
    case PATCOPY:
    case DSTINVERT: {
        QPainter* p = painterFor(dc, false);
        if (!p) return FALSE;
        QColor c = rop == WHITENESS ? QColor(Qt::white) : QColor(Qt::black);
        if (rop == PATCOPY) {
            QBrush b = qtBrush(dc, dc->brush);
            if (b.style() == Qt::NoBrush) return TRUE;
            c = b.color();
        }
        if (rop == DSTINVERT) p->setCompositionMode(QPainter::RasterOp_NotDestination);
        p->fillRect(target, c);
        return TRUE;
    }
    case SRCCOPY:
        break;
    case SRCPAINT:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case SRCAND:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case SRCINVERT:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case NOTSRCCOPY:
        mode = QPainter::RasterOp_NotSource;
        break;
    default:
        return FALSE;
    }
    DeviceContext* from = dcFrom(src);
    if (!from || !from->surface) return FALSE;
    from->surface->beforeRead();
    // A copy, so that source and destination may be the same surface.
    QImage part =
        from->surface->image.copy(QRect(coord(xSrc), coord(ySrc), target.width(), target.height()));
    QPainter* p = painterFor(dc, false);
    if (!p) return FALSE;
    p->setCompositionMode(mode);
    p->drawImage(QPoint(x, y), part);
    return TRUE;
}

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD rop) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !bits || !info || usage != DIB_RGB_COLORS || rop != SRCCOPY) return 0;
    if (tracing(dc))
        trace(dc, "StretchDIBits",
              {str(xDest), str(yDest), str(destWidth), str(destHeight), str(xSrc), str(ySrc),
               str(srcWidth), str(srcHeight)});
    const BITMAPINFOHEADER& h = info->bmiHeader;
    int W = h.biWidth, H = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (W <= 0 || H <= 0 || !validBitCount(h.biBitCount) || h.biCompression != BI_RGB) return 0;
    auto it = dibs().find(bits);
    if (it != dibs().end() && it->second->bitsStale) it->second->flushBits();
    // Source rectangle in top-down rows; a bottom-up bitmap counts ySrc from its bottom row.
    const long long top = h.biHeight > 0 ? (long long)H - ySrc - srcHeight : ySrc;
    const QRect source = QRect(coord(xSrc), coord(top), coord(srcWidth), coord(srcHeight))
                             .intersected(QRect(0, 0, W, H));
    if (source.isEmpty() || destWidth == 0 || destHeight == 0) return 0;
    QImage picture(source.size(), QImage::Format_RGB32);
    std::vector<QRgb> row(static_cast<size_t>(W));
    int stride = rowBytes(W, h.biBitCount);
    for (int y = 0; y < source.height(); ++y) {
        int top = source.top() + y;
        int memoryRow = h.biHeight > 0 ? H - 1 - top : top;
        unpackRow(static_cast<const unsigned char*>(bits) + (long long)memoryRow * stride, W,
                  row.data(), h.biBitCount, info->bmiColors, tableSize(h));
        std::memcpy(picture.scanLine(y), row.data() + source.left(), size_t(source.width()) * 4);
    }
    if (destWidth < 0 || destHeight < 0) picture = picture.mirrored(destWidth < 0, destHeight < 0);
    // The destination as left, top, width, height with a positive size.
    long long dx = xDest, dy = yDest, dw = destWidth, dh = destHeight;
    if (dw < 0) dx += dw, dw = -dw;
    if (dh < 0) dy += dh, dh = -dh;
    QPainter* p = painterFor(dc, false);
    if (!p) return 0;
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->drawImage(QRect(coord(dx), coord(dy), coord(dw), coord(dh)), picture);
    return source.height();
}

int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage) {
    auto* b = objectAs<BitmapObject>(bitmap, Kind::Bitmap);
    if (!dcFrom(hdc) || !b || !b->surface || !info || usage != DIB_RGB_COLORS) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    QImage& image = b->surface->image;
    if (!bits) {
        if (h.biBitCount == 0) {
            h.biWidth = image.width(), h.biHeight = image.height(), h.biPlanes = 1;
            h.biBitCount = WORD(b->bitsPixel < 16 ? 32 : b->bitsPixel), h.biCompression = BI_RGB;
        }
        if (!validBitCount(h.biBitCount) || h.biWidth <= 0) return 0;
        h.biSizeImage = DWORD(rowBytes(h.biWidth, h.biBitCount)) *
                        DWORD(h.biHeight < 0 ? -h.biHeight : h.biHeight);
        return 1;
    }
    if (h.biBitCount < 16 || !validBitCount(h.biBitCount) || h.biWidth <= 0 || h.biHeight == 0)
        return 0;
    b->surface->beforeRead();
    int H = image.height(), width = std::min<int>(h.biWidth, image.width());
    int stride = rowBytes(h.biWidth, h.biBitCount);
    int done = 0;
    for (UINT i = 0; i < lines; ++i) {
        long long scan = (long long)start + i;
        long long y = h.biHeight > 0 ? H - 1 - scan : scan;
        if (y < 0 || y >= H) break;
        unsigned char* dst = static_cast<unsigned char*>(bits) + (long long)i * stride;
        std::memset(dst, 0, size_t(stride));
        packRow(reinterpret_cast<const QRgb*>(image.constScanLine(int(y))), width, dst,
                h.biBitCount, {});
        ++done;
    }
    return done;
}
