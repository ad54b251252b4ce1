#include <ploxen/platform/wnd/Clipboard.h>

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>

#include <ploxen/platform/gdi/gdi_p.h>

namespace {

struct ClipboardState {
    bool open = false;
    HGLOBAL given = nullptr; // the last block GetClipboardData handed out
    void forgetGiven() {
        if (given) GlobalFree(given);
        given = nullptr;
    }
};

ClipboardState& state() {
    static ClipboardState s;
    return s;
}

bool isOpen() {
    if (!state().open) SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return state().open;
}

QClipboard* clipboard() {
    ensureQtApplication();
    return QGuiApplication::clipboard();
}

// The picture a packed DIB holds; null when it is none this clipboard takes.
QImage imageOfDib(const void* data, SIZE_T size) {
    if (size < sizeof(BITMAPINFOHEADER)) return {};
    BITMAPINFOHEADER h;
    std::memcpy(&h, data, sizeof h);
    const int w = h.biWidth, rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (h.biSize < sizeof h || w <= 0 || rows <= 0 || h.biCompression != BI_RGB ||
        (h.biBitCount != 24 && h.biBitCount != 32))
        return {};
    const int stride = gdi::rowBytes(w, h.biBitCount);
    if (size < h.biSize + SIZE_T(stride) * rows) return {};
    const auto* bits = static_cast<const unsigned char*>(data) + h.biSize;
    QImage image(w, rows, QImage::Format_RGB32);
    for (int y = 0; y < rows; ++y) {
        const int row = h.biHeight < 0 ? y : rows - 1 - y; // positive height: bottom-up
        gdi::unpackRow(bits + SIZE_T(row) * stride, w, reinterpret_cast<QRgb*>(image.scanLine(y)),
                       h.biBitCount, nullptr, 0);
    }
    return image;
}

// A packed 24-bit bottom-up DIB of image in a new global block.
HGLOBAL dibOfImage(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), rows = image.height(), stride = gdi::rowBytes(w, 24);
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = w;
    h.biHeight = rows;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = DWORD(stride) * rows;
    HGLOBAL block = GlobalAlloc(GHND, sizeof h + h.biSizeImage);
    if (!block) return nullptr;
    auto* p = static_cast<unsigned char*>(GlobalLock(block));
    std::memcpy(p, &h, sizeof h);
    for (int y = 0; y < rows; ++y)
        gdi::packRow(reinterpret_cast<const QRgb*>(image.constScanLine(y)), w,
                     p + sizeof h + SIZE_T(rows - 1 - y) * stride, 24, {});
    GlobalUnlock(block);
    return block;
}

} // namespace

BOOL OpenClipboard(HWND) {
    if (state().open) return FALSE;
    state().open = true;
    return TRUE;
}

BOOL CloseClipboard() {
    if (!isOpen()) return FALSE;
    state().open = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!isOpen()) return FALSE;
    state().forgetGiven();
    clipboard()->clear();
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
    if (!isOpen()) return nullptr;
    if (uFormat != CF_DIB || !hMem) return nullptr;
    const void* data = GlobalLock(hMem);
    const QImage image = data ? imageOfDib(data, GlobalSize(hMem)) : QImage();
    GlobalUnlock(hMem);
    if (image.isNull()) return nullptr;
    clipboard()->setImage(image);
    GlobalFree(hMem); // the clipboard keeps the picture itself
    return hMem;
}

HANDLE GetClipboardData(UINT uFormat) {
    if (!isOpen() || uFormat != CF_DIB) return nullptr;
    const QImage image = clipboard()->image();
    if (image.isNull()) return nullptr;
    state().forgetGiven();
    state().given = dibOfImage(image);
    return state().given;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return format == CF_DIB && !clipboard()->image().isNull();
}
