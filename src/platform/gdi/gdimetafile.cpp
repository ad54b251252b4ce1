// Metafile device contexts: GDI drawing recorded as vectors into an SVG file.
#include <QGuiApplication>
#include <QScreen>
#include <QSvgGenerator>
#include <cmath>
#include <cstring>
#include <unordered_set>

#include <ploxen/platform/gdi/gdi_p.h>

struct gdi::MetaFile {
    QSvgGenerator generator;
    QPainter painter;
};

struct HENHMETAFILE__ {};

using namespace gdi;

namespace {

constexpr int kScreenDpi = 96;

// The metafiles closed and not yet deleted.
std::unordered_set<HENHMETAFILE>& closedFiles() {
    static std::unordered_set<HENHMETAFILE> files;
    return files;
}

// .01 mm to pixels at dpi, to the nearest pixel.
int pixels(LONG hundredthsMm, int dpi) {
    return int(std::lround(hundredthsMm * double(dpi) / 2540));
}

} // namespace

HDC CreateEnhMetaFileA(HDC hdc, LPCSTR lpFilename, const RECT* lprc, LPCSTR lpDesc) {
    ensureQtApplication();
    if (!lpFilename) return nullptr; // only metafiles on disk are recorded
    DeviceContext* ref = hdc ? dcFrom(hdc) : nullptr;
    if (hdc && !ref) return nullptr;
    const int dpi = ref ? GetDeviceCaps(hdc, LOGPIXELSX) : kScreenDpi;
    QSize size;
    if (lprc) {
        size = QSize(pixels(lprc->right - lprc->left, dpi), pixels(lprc->bottom - lprc->top, dpi));
    } else if (ref) {
        size = QSize(GetDeviceCaps(hdc, HORZRES), GetDeviceCaps(hdc, VERTRES));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = screen->size();
    }
    if (size.isEmpty()) return nullptr;

    auto file = std::make_shared<MetaFile>();
    file->generator.setFileName(qstr(lpFilename));
    file->generator.setSize(size);
    file->generator.setViewBox(QRect(QPoint(0, 0), size));
    file->generator.setResolution(dpi);
    if (lpDesc) { // "application\0picture title\0\0"
        file->generator.setDescription(qstr(lpDesc));
        file->generator.setTitle(qstr(lpDesc + std::strlen(lpDesc) + 1));
    }
    auto surface = std::make_shared<Surface>();
    surface->image = QImage(size, QImage::Format_RGB32); // stands for the frame's size
    if (surface->image.isNull() || !file->painter.begin(&file->generator)) return nullptr;
    surface->image.fill(Qt::white);
    surface->vectorPainter = &file->painter;
    surface->cutsLines = true; // the SVG writer keeps no clip
    HDC h = createSurfaceDC(surface, false);
    DeviceContext* dc = dcFrom(h);
    dc->dpi = dpi;
    dc->metaFile = std::move(file);
    return h;
}

HENHMETAFILE CloseEnhMetaFile(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !dc->metaFile) return nullptr;
    dc->surface->vectorPainter = nullptr;
    dc->surface->configuredFor = nullptr;
    const bool written = dc->metaFile->painter.end();
    DeleteDC(hdc);
    if (!written) return nullptr;
    auto* h = new HENHMETAFILE__;
    closedFiles().insert(h);
    return h;
}

BOOL DeleteEnhMetaFile(HENHMETAFILE hmf) {
    if (!closedFiles().erase(hmf)) return FALSE;
    delete hmf;
    return TRUE;
}
