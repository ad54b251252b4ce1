// Printer device contexts: GDI drawing on a page image, sent page by page to a QPrinter.
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "platform/gdi_p.h"

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

HDC CreateDCA(LPCSTR, LPCSTR pwszDevice, LPCSTR, const void*) {
    auto job = std::make_shared<PrintJob>();
    if (pwszDevice && *pwszDevice) job->printer.setPrinterName(QString::fromLocal8Bit(pwszDevice));
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
    PrintJob* job = jobOf(hdc);
    if (!job || job->painter.isActive()) return SP_ERROR;
    if (lpdi && lpdi->lpszDocName)
        job->printer.setDocName(QString::fromLocal8Bit(lpdi->lpszDocName));
    if (lpdi && lpdi->lpszOutput) {
        job->printer.setOutputFormat(QPrinter::PdfFormat);
        job->printer.setOutputFileName(QString::fromLocal8Bit(lpdi->lpszOutput));
    }
    job->pages = 0;
    return job->painter.begin(&job->printer) ? 1 : SP_ERROR;
}

int StartPage(HDC hdc) {
    DeviceContext* dc;
    PrintJob* job = jobOf(hdc, &dc);
    if (!job || !job->painter.isActive()) return SP_ERROR;
    dc->surface->end();
    dc->surface->image.fill(Qt::white);
    return 1;
}

int EndPage(HDC hdc) {
    DeviceContext* dc;
    PrintJob* job = jobOf(hdc, &dc);
    if (!job || !job->painter.isActive()) return SP_ERROR;
    dc->surface->end(); // finishes what was drawn on the page image
    if (job->pages > 0 && !job->printer.newPage()) return SP_ERROR;
    job->painter.drawImage(job->painter.viewport(), dc->surface->image);
    ++job->pages;
    return 1;
}

int EndDoc(HDC hdc) {
    PrintJob* job = jobOf(hdc);
    if (!job || !job->painter.isActive()) return SP_ERROR;
    return job->painter.end() ? 1 : SP_ERROR;
}

int AbortDoc(HDC hdc) {
    PrintJob* job = jobOf(hdc);
    if (!job) return SP_ERROR;
    if (job->painter.isActive()) {
        job->printer.abort();
        job->painter.end();
    }
    return 1;
}
