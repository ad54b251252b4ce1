#include "PlotOutput.h"

#include <QFile>
#include <QImageWriter>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ploxen/platform/CDC.h>
#include <ploxen/platform/gdi.h>
#include <ploxen/render/Renderer.h>

#include "PlotFigure.h"

namespace {

bool endsWith(const std::string& s, const char* suffix) {
    const size_t n = std::strlen(suffix);
    return s.size() > n && strcasecmp(s.c_str() + s.size() - n, suffix) == 0;
}

// Clears the viewport's rectangle and draws the configuration into it.
void drawInto(CDC& dc, GcGraphConfig& config, const RECT& area, bool white,
              const std::string& title) {
    Renderer renderer;
    renderer.set(&config);
    renderer.setViewport(area.left, area.top, area.right - area.left, area.bottom - area.top);
    if (white) renderer.setBackgroundWhite();
    renderer.clear(&dc, &area);
    renderer.drawGraph(&dc);
    drawTitle(&dc, renderer, title);
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

void writePdf(GcGraphConfig& config, int width, int height, bool white, const char* path,
              const std::string& title) {
    // A wide picture goes on a landscape page, a tall one on a portrait page.
    DEVMODE mode{};
    mode.dmSize = sizeof(mode);
    mode.dmFields = DM_ORIENTATION;
    mode.dmOrientation = width > height ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    CDC dc;
    if (!dc.Attach(CreateDC(nullptr, nullptr, nullptr, &mode)))
        throw OutputError("no printer device context to draw the PDF on");
    const DOCINFO doc{int(sizeof(DOCINFO)), "ploxen-plot", path, nullptr, 0};
    bool ok = StartDoc(dc.m_hDC, &doc) > 0 && StartPage(dc.m_hDC) > 0;
    if (ok) {
        // The picture's proportions, as large as the page allows, at the top of the page.
        const int W = dc.GetDeviceCaps(HORZRES), H = dc.GetDeviceCaps(VERTRES);
        int w = W, h = int(double(W) * height / width);
        if (h > H) h = H, w = int(double(H) * width / height);
        const RECT area{(W - w) / 2, 0, (W - w) / 2 + w, h};
        drawInto(dc, config, area, white, title);
        ok = EndPage(dc.m_hDC) > 0 && EndDoc(dc.m_hDC) > 0;
    }
    if (!ok) AbortDoc(dc.m_hDC);
    dc.DeleteDC();
    if (!ok) throw OutputError("the printer device context could not write the PDF");
}

} // namespace

OutputType outputType(const std::string& path) {
    if (endsWith(path, ".png")) return OutputType::Png;
    if (endsWith(path, ".bmp")) return OutputType::Bmp;
    if (endsWith(path, ".pdf")) return OutputType::Pdf;
    return OutputType::Unknown;
}

ReplacingFile::ReplacingFile(const std::string& path) : m_path(path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        throw OutputError(std::strerror(EISDIR));
    m_temp = path + ".XXXXXX";
    m_fd = mkstemp(m_temp.data());
    if (m_fd < 0) throw OutputError(std::strerror(errno));
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(m_fd, 0666 & ~mask);
}

ReplacingFile::~ReplacingFile() {
    if (m_fd >= 0) {
        close(m_fd);
        unlink(m_temp.c_str());
    }
}

void ReplacingFile::commit() {
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0 || rename(m_temp.c_str(), m_path.c_str()) != 0) {
        const int error = errno;
        unlink(m_temp.c_str());
        throw OutputError(std::strerror(error));
    }
}

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
    drawInto(dc, config, RECT{0, 0, width, height}, white, title);
    dc.Detach();
    GdiFlush();
    // The image reads the bitmap's own rows (top-down, blue green red and a spare byte).
    return QImage(static_cast<uchar*>(bits), width, height, width * 4, QImage::Format_RGB32,
                  freeBitmap, b);
}

void writePicture(GcGraphConfig& config, OutputType type, int width, int height, bool white,
                  ReplacingFile& file, const std::string& title) {
    if (type == OutputType::Pdf) {
        writePdf(config, width, height, white, file.tempPath().c_str(), title);
    } else {
        const QImage image = drawPicture(config, width, height, white, title);
        QFile out;
        if (!out.open(file.fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            throw OutputError(out.errorString().toStdString());
        QImageWriter writer(&out, type == OutputType::Png ? "png" : "bmp");
        if (!writer.write(image) || !out.flush())
            throw OutputError(writer.errorString().toStdString());
    }
    file.commit();
}
