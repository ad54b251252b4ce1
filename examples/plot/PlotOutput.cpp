#include "PlotOutput.h"

#include <cerrno>
#include <cstring>

#include <ploxen/export/Picture.h>
#include <ploxen/platform/gdi/CDC.h>
#include <ploxen/platform/gdi/gdi.h>
#include <ploxen/platform/kernel/kernel.h>
#include <ploxen/render/Renderer.h>

#include "PlotFigure.h"

namespace {

// The renderer of the plotter's pictures: config on the chosen background.
Renderer rendererOf(GcGraphConfig& config, int width, int height, bool white) {
    Renderer renderer;
    renderer.set(&config);
    renderer.setViewport(0, 0, width, height);
    if (white) renderer.setBackgroundWhite();
    return renderer;
}

struct Bitmap {
    HDC dc;
    HBITMAP dib;
    HGDIOBJ old;
};

void freeBitmap(void* p) {
    auto* b = static_cast<Bitmap*>(p);
    SelectObject(b->dc, b->old);
    DeleteObject(b->dib);
    DeleteDC(b->dc);
    delete b;
}

} // namespace

QImage drawPicture(GcGraphConfig& config, int width, int height, bool white,
                   const std::string& title) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    auto* b = new Bitmap{CreateCompatibleDC(nullptr), nullptr, nullptr};
    b->dib = CreateDIBSection(b->dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!b->dib) {
        DeleteDC(b->dc);
        delete b;
        throw OutputError("no memory for a bitmap of " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels");
    }
    b->old = SelectObject(b->dc, b->dib);
    CDC dc;
    dc.Attach(b->dc);
    drawPicture(&dc, rendererOf(config, width, height, white), RECT{0, 0, width, height},
                [&](CDC* on, const Renderer& r) { drawTitle(on, r, title); });
    dc.Detach();
    GdiFlush();
    // The image reads the bitmap's own rows (top-down, blue green red and a spare byte).
    return QImage(static_cast<uchar*>(bits), width, height, width * 4, QImage::Format_RGB32,
                  freeBitmap, b);
}

void writePicture(GcGraphConfig& config, const std::string& path, int width, int height, bool white,
                  const std::string& title) {
    errno = 0;
    if (!savePicture(rendererOf(config, width, height, white), path.c_str(), width, height,
                     [&](CDC* dc, const Renderer& r) { drawTitle(dc, r, title); }))
        throw OutputError(GetLastError() == ERROR_WRITE_FAULT || errno == 0
                              ? "the device could not write the picture"
                              : std::strerror(errno));
}
