// Bitmap export: the client area as an uncompressed 24-bit BMP file.
#include <cstdio>
#include <cstring>
#include <vector>

#include <ploxen/platform/kernel/PosixBridge.h>
#include <ploxen/platform/kernel/kernel.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/util/FileReplacement.h>
#include <ploxen/view/CGLView.h>

namespace {

constexpr size_t kMaxName = 255; // the name buffer holds 256 characters with the zero

// The bitmap's header and rows, replacing the file name. A failure leaves the old file and sets
// the last error from the system's reason.
bool writeBmp(const char* name, const BITMAPINFOHEADER& info, const std::vector<BYTE>& rows) {
    BITMAPFILEHEADER head{};
    head.bfType = 0x4D42; // "BM"
    head.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    head.bfSize = head.bfOffBits + info.biSizeImage;
    FileReplacement file(name);
    const bool ok = file.write(&head, sizeof head) && file.write(&info, sizeof info) &&
                    file.write(rows.data(), rows.size()) && file.commit();
    if (!ok) SetLastError(errnoToError(file.error()));
    return ok;
}

} // namespace

bool CGLView::savetoBitmap(char* const path) {
    if (!path || !m_hWnd) return false;
    const size_t n = std::strlen(path);
    const bool hasExt = n >= 4 && std::strcmp(path + n - 4, ".bmp") == 0;
    if (n + (hasExt ? 0 : 4) > kMaxName) return false;
    char name[kMaxName + 1];
    std::snprintf(name, sizeof name, "%s%s", path, hasExt ? "" : ".bmp");

    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    const int w = client.Width(), h = client.Height();
    if (w <= 0 || h <= 0) return false;
    HBITMAP bitmap = CreateCompatibleBitmap(dc.m_hDC, w, h);
    HDC mem = CreateCompatibleDC(dc.m_hDC);
    HGDIOBJ old = SelectObject(mem, bitmap);
    SetActiveWindow(); // nothing covers the view while it is copied
    Draw();
    BitBlt(mem, 0, 0, w, h, dc.m_hDC, 0, 0, SRCCOPY);
    SelectObject(mem, old);

    BITMAPINFO bi{};
    BITMAPINFOHEADER& info = bi.bmiHeader;
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    GetDIBits(dc.m_hDC, bitmap, 0, UINT(h), nullptr, &bi, DIB_RGB_COLORS);
    std::vector<BYTE> rows(info.biSizeImage);
    const bool got = GetDIBits(dc.m_hDC, bitmap, 0, UINT(h), rows.data(), &bi, DIB_RGB_COLORS) == h;
    DeleteDC(mem);
    DeleteObject(bitmap);
    return got && writeBmp(name, info, rows);
}
