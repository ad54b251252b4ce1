#include "PlotOutput.h"

#include <QBuffer>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <strings.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <ploxen/platform/gdi/CDC.h>
#include <ploxen/platform/gdi/gdi.h>
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

// The printer device context writes the PDF to a file name and does not report failed writes,
// so it writes into a pipe whose reader passes the bytes on to file, which keeps the reason of
// a failure. The reader drains the pipe to its end even then, so that the writer never waits.
class PdfPipe {
public:
    explicit PdfPipe(FileReplacement& file) {
        if (pipe2(m_ends, O_CLOEXEC) != 0) throw OutputError(std::strerror(errno));
        m_reader = std::thread([this, &file] {
            std::vector<char> block(size_t(1) << 16);
            for (;;) {
                const ssize_t n = read(m_ends[0], block.data(), block.size());
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) break;
                file.write(block.data(), size_t(n));
            }
        });
    }
    ~PdfPipe() {
        finish();
        close(m_ends[0]);
    }
    // The name the device context opens; once it has, the pipe ends with its last writer.
    std::string name() const { return "/proc/self/fd/" + std::to_string(m_ends[1]); }
    void closeWriteEnd() {
        if (m_ends[1] >= 0) close(m_ends[1]);
        m_ends[1] = -1;
    }
    // Waits until every byte written has reached the file (the writers must be closed).
    void finish() {
        closeWriteEnd();
        if (m_reader.joinable()) m_reader.join();
    }

private:
    int m_ends[2] = {-1, -1};
    std::thread m_reader;
};

void writePdf(GcGraphConfig& config, int width, int height, bool white, FileReplacement& file,
              const std::string& title) {
    // A wide picture goes on a landscape page, a tall one on a portrait page.
    DEVMODE mode{};
    mode.dmSize = sizeof(mode);
    mode.dmFields = DM_ORIENTATION;
    mode.dmOrientation = width > height ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    PdfPipe pipe(file); // outlives the device context, which holds the pipe's other end
    CDC dc;
    if (!dc.Attach(CreateDC(nullptr, nullptr, nullptr, &mode)))
        throw OutputError("no printer device context to draw the PDF on");
    const std::string name = pipe.name();
    const DOCINFO doc{int(sizeof(DOCINFO)), "ploxen-plot", name.c_str(), nullptr, 0};
    bool ok = StartDoc(dc.m_hDC, &doc) > 0;
    pipe.closeWriteEnd();
    ok = ok && StartPage(dc.m_hDC) > 0;
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
    pipe.finish();
    if (!ok) throw OutputError("the printer device context could not write the PDF");
}

} // namespace

OutputType outputType(const std::string& path) {
    if (endsWith(path, ".png")) return OutputType::Png;
    if (endsWith(path, ".bmp")) return OutputType::Bmp;
    if (endsWith(path, ".pdf")) return OutputType::Pdf;
    return OutputType::Unknown;
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
                  FileReplacement& file, const std::string& title) {
    if (type == OutputType::Pdf) {
        writePdf(config, width, height, white, file, title);
    } else {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, type == OutputType::Png ? "png" : "bmp");
        if (!writer.write(drawPicture(config, width, height, white, title)))
            throw OutputError(writer.errorString().toStdString());
        file.write(bytes.constData(), size_t(bytes.size()));
    }
    if (!file.commit()) throw OutputError(file.reason());
}
