#include <ploxen/export/Picture.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <strings.h>

#include <ploxen/export/FilePipe.h>
#include <ploxen/platform/gdi/CDC.h>
#include <ploxen/platform/gdi/CImage.h>
#include <ploxen/platform/kernel/kernel_p.h>
#include <ploxen/platform/wnd/Clipboard.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/util/FileReplacement.h>

namespace {

constexpr int kScreenDpi = 96; // an SVG pixel is 1/96 inch

// Pixels of an SVG picture as the .01 mm a metafile's frame is given in.
LONG hundredthsMm(int pixels) {
    return LONG(std::lround(pixels * 2540.0 / kScreenDpi));
}

bool failWith(DWORD error) {
    SetLastError(error);
    return false;
}

// A failure of the system's, known by its errno value, which stays in errno too.
bool failWithErrno(int error) {
    SetLastError(errnoToError(error));
    errno = error;
    return false;
}

// The picture drawn on a new width x height bitmap; false when there is no memory for one.
bool drawBitmap(CImage& image, const Renderer& renderer, int width, int height,
                const PictureOverlay& overlay) {
    if (!image.Create(width, -height, 32)) return false;
    CDC dc;
    dc.Attach(image.GetDC());
    drawPicture(&dc, renderer, RECT{0, 0, width, height}, overlay);
    dc.Detach();
    image.ReleaseDC();
    return true;
}

// The picture as vectors in an SVG file of width x height pixels.
bool writeSvg(const char* name, const Renderer& renderer, int width, int height,
              const PictureOverlay& overlay) {
    const RECT frame{0, 0, hundredthsMm(width), hundredthsMm(height)};
    CDC dc;
    if (!dc.Attach(CreateEnhMetaFile(nullptr, name, &frame, "Ploxen\0Graph\0"))) return false;
    drawPicture(&dc, renderer, RECT{0, 0, width, height}, overlay);
    HENHMETAFILE file = CloseEnhMetaFile(dc.Detach());
    return file && DeleteEnhMetaFile(file);
}

// The picture on a PDF page through the printer device context, filling the page, which is
// landscape for a wide picture.
bool writePdf(const char* name, const Renderer& renderer, int width, int height,
              const PictureOverlay& overlay) {
    HANDLE settings = pictureDevMode(width, height);
    if (!settings) return false;
    CDC dc;
    dc.Attach(CreateDC(nullptr, nullptr, nullptr, static_cast<DEVMODE*>(GlobalLock(settings))));
    GlobalUnlock(settings);
    GlobalFree(settings);
    if (!dc.m_hDC) return false;
    const DOCINFO doc{int(sizeof(DOCINFO)), "Graph", name, nullptr, 0};
    bool ok = StartDoc(dc.m_hDC, &doc) > 0 && StartPage(dc.m_hDC) > 0;
    if (ok) {
        const RECT page{0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)};
        drawPicture(&dc, renderer, pictureArea(width, height, page), overlay);
        ok = EndPage(dc.m_hDC) > 0 && EndDoc(dc.m_hDC) > 0;
    }
    if (!ok) AbortDoc(dc.m_hDC);
    dc.DeleteDC();
    return ok;
}

bool writeBitmapFile(const char* name, PictureFormat format, const Renderer& renderer, int width,
                     int height, const PictureOverlay& overlay) {
    CImage image;
    if (!drawBitmap(image, renderer, width, height, overlay)) return false;
    return SUCCEEDED(image.Save(name, format == PictureFormat::Png ? Gdiplus::ImageFormatPNG
                                                                   : Gdiplus::ImageFormatBMP));
}

// A copy of comments moved and sized from the viewport from to the viewport to.
CommentList* scaledComments(const CommentList& comments, const int* from, const int* to) {
    auto* scaled = new CommentList(comments);
    const double sx = double(to[2]) / std::max(from[2], 1),
                 sy = double(to[3]) / std::max(from[3], 1);
    for (Comment* c = scaled->head; c; c = c->next) {
        c->position = CPoint(to[0] + int(std::lround((c->position.x - from[0]) * sx)),
                             to[1] + int(std::lround((c->position.y - from[1]) * sy)));
        c->font.lfHeight = LONG(std::lround(c->font.lfHeight * sy));
        c->font.lfWidth = LONG(std::lround(c->font.lfWidth * sx));
    }
    return scaled;
}

} // namespace

PictureFormat pictureFormat(const char* path) {
    const char* dot = path ? std::strrchr(path, '.') : nullptr;
    if (!dot) return PictureFormat::Unknown;
    if (strcasecmp(dot, ".png") == 0) return PictureFormat::Png;
    if (strcasecmp(dot, ".bmp") == 0) return PictureFormat::Bmp;
    if (strcasecmp(dot, ".svg") == 0) return PictureFormat::Svg;
    if (strcasecmp(dot, ".pdf") == 0) return PictureFormat::Pdf;
    return PictureFormat::Unknown;
}

RECT pictureArea(int width, int height, const RECT& page) {
    const int W = page.right - page.left, H = page.bottom - page.top;
    if (width <= 0 || height <= 0 || W <= 0 || H <= 0) return page;
    int w = W, h = int(std::lround(double(W) * height / width));
    if (h > H) h = H, w = int(std::lround(double(H) * width / height));
    const int x = page.left + (W - w) / 2, y = page.top + (H - h) / 2;
    return RECT{x, y, x + w, y + h};
}

HANDLE pictureDevMode(int width, int height) {
    HGLOBAL block = GlobalAlloc(GHND, sizeof(DEVMODE));
    if (auto* mode = static_cast<DEVMODE*>(GlobalLock(block))) {
        mode->dmSize = sizeof(DEVMODE);
        mode->dmFields = DM_ORIENTATION;
        mode->dmOrientation = width > height ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        GlobalUnlock(block);
    }
    return block;
}

void drawPicture(CDC* dc, const Renderer& renderer, const RECT& area,
                 const PictureOverlay& overlay) {
    Renderer picture(renderer);
    picture.setViewport(area.left, area.top, area.right - area.left, area.bottom - area.top);
    const int* from = renderer.viewport;
    if (renderer.comments && (picture.viewport[2] != from[2] || picture.viewport[3] != from[3]))
        // The comments, placed in the renderer's pixels, where they lie on the picture and in
        // fonts as much larger; the copy's own list goes with it.
        picture.comments = scaledComments(*renderer.comments, from, picture.viewport);
    picture.clear(dc, &area);
    picture.drawGraph(dc);
    picture.drawComments(dc);
    if (overlay) overlay(dc, picture);
}

bool savePicture(const Renderer& renderer, const char* path, int width, int height,
                 const PictureOverlay& overlay) {
    const PictureFormat format = pictureFormat(path);
    if (format == PictureFormat::Unknown) return failWith(ERROR_INVALID_NAME);
    if (width <= 0 || height <= 0) return failWith(ERROR_INVALID_PARAMETER);
    FileReplacement file(path);
    if (file.error()) return failWithErrno(file.error());
    bool written;
    {
        FilePipe pipe(file);
        if (!pipe.ok()) return failWithErrno(errno);
        const std::string name = pipe.name();
        switch (format) {
        case PictureFormat::Svg:
            written = writeSvg(name.c_str(), renderer, width, height, overlay);
            break;
        case PictureFormat::Pdf:
            written = writePdf(name.c_str(), renderer, width, height, overlay);
            break;
        default:
            written = writeBitmapFile(name.c_str(), format, renderer, width, height, overlay);
        }
        pipe.finish();
    }
    if (file.error()) return failWithErrno(file.error());
    if (!written) return failWith(ERROR_WRITE_FAULT);
    return file.commit() || failWithErrno(file.error());
}

bool copyPicture(const Renderer& renderer, HWND owner, int width, int height,
                 const PictureOverlay& overlay) {
    if (width <= 0 || height <= 0) return failWith(ERROR_INVALID_PARAMETER);
    CImage image;
    if (!drawBitmap(image, renderer, width, height, overlay))
        return failWith(ERROR_NOT_ENOUGH_MEMORY);
    // A packed bitmap: its header, then the rows as GetDIBits gives them.
    BITMAPINFO info{};
    BITMAPINFOHEADER& h = info.bmiHeader;
    h = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = image.GetDC();
    GetDIBits(dc, image, 0, UINT(height), nullptr, &info, DIB_RGB_COLORS);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof h + h.biSizeImage);
    bool ok = block != nullptr;
    if (ok) {
        auto* bytes = static_cast<BYTE*>(GlobalLock(block));
        std::memcpy(bytes, &h, sizeof h);
        ok = GetDIBits(dc, image, 0, UINT(height), bytes + sizeof h, &info, DIB_RGB_COLORS) ==
             height;
        GlobalUnlock(block);
    }
    image.ReleaseDC();
    if (ok && OpenClipboard(owner)) {
        ok = EmptyClipboard() && SetClipboardData(CF_DIB, block);
        CloseClipboard();
    } else {
        ok = false;
    }
    if (!ok && block) GlobalFree(block);
    return ok;
}
