// Printer device contexts: GDI drawing sent to a QPrinter as vectors, in page pixels of
// 150 dpi (PDF when printing to a file).
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <ploxen/platform/gdi/gdi_p.h>

struct gdi::PrintJob {
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    int pages = 0;
};

using namespace gdi;

namespace {
constexpr int kPageDpi = 150;

PrintJob* jobOf(HDC hdc, DeviceContext** out = nullptr) {
    DeviceContext* dc = dcFrom(hdc);
    if (out) *out = dc;
    return dc ? dc->job.get() : nullptr;
}
} // namespace

HDC CreateDCA(LPCSTR, LPCSTR pwszDevice, LPCSTR, const DEVMODEA* pdm) {
    ensureQtApplication(); // a printer needs the application object
    auto job = std::make_shared<PrintJob>();
    if (pwszDevice && *pwszDevice) job->printer.setPrinterName(qstr(pwszDevice));
    job->printer.setResolution(kPageDpi); // the painter's units are the DC's page pixels
    if (pdm && (pdm->dmFields & DM_ORIENTATION))
        job->printer.setPageOrientation(pdm->dmOrientation == DMORIENT_LANDSCAPE
                                            ? QPageLayout::Landscape
                                            : QPageLayout::Portrait);
    const QSize page = job->printer.pageLayout().paintRectPixels(kPageDpi).size();
    if (page.isEmpty()) return nullptr;
    auto surface = std::make_shared<Surface>();
    surface->image = QImage(page, QImage::Format_RGB32);
    if (surface->image.isNull()) return nullptr;
    surface->image.fill(Qt::white);
    HDC h = createSurfaceDC(surface, false);
    DeviceContext* dc = dcFrom(h);
    dc->dpi = kPageDpi;
    dc->job = std::move(job);
    return h;
}

int StartDocA(HDC hdc, const DOCINFOA* lpdi) {
    DeviceContext* dc;
    PrintJob* job = jobOf(hdc, &dc);
    if (!job || job->painter.isActive()) return SP_ERROR;
    if (lpdi && lpdi->lpszDocName) job->printer.setDocName(qstr(lpdi->lpszDocName));
    if (lpdi && lpdi->lpszOutput) {
        job->printer.setOutputFormat(QPrinter::PdfFormat);
        job->printer.setOutputFileName(qstr(lpdi->lpszOutput));
    }
    job->pages = 0;
    if (!job->painter.begin(&job->printer)) return SP_ERROR;
    dc->surface->end();
    dc->surface->vectorPainter = &job->painter;
    return 1;
}

int StartPage(HDC hdc) {
    PrintJob* job = jobOf(hdc);
    if (!job || !job->painter.isActive()) return SP_ERROR;
    return job->pages == 0 || job->printer.newPage() ? 1 : SP_ERROR;
}

int EndPage(HDC hdc) {
    PrintJob* job = jobOf(hdc);
    if (!job || !job->painter.isActive()) return SP_ERROR;
    ++job->pages;
    return 1;
}

int EndDoc(HDC hdc) {
    DeviceContext* dc;
    PrintJob* job = jobOf(hdc, &dc);
    if (!job || !job->painter.isActive()) return SP_ERROR;
    dc->surface->vectorPainter = nullptr;
    dc->surface->configuredFor = nullptr;
    return job->painter.end() ? 1 : SP_ERROR;
}

int AbortDoc(HDC hdc) {
    PrintJob* job = jobOf(hdc);
    if (!job) return SP_ERROR;
    if (job->painter.isActive()) {
        DeviceContext* dc = dcFrom(hdc);
        dc->surface->vectorPainter = nullptr;
        dc->surface->configuredFor = nullptr;
        job->printer.abort();
        job->painter.end();
    }
    return 1;
}
