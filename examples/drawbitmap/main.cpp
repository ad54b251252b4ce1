// Draws a two-graph configuration into an off-screen 24-bit bitmap and writes it as a BMP
// file: the smallest host of the library, needing no window and no display.
#include <ploxen/ploxen.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 600;

// The file appears under its name only when complete; a failure leaves any old one.
bool writeBmp(const char* path, const BITMAPINFOHEADER& header, const void* bits) {
    BITMAPFILEHEADER head{};
    head.bfType = 0x4D42; // "BM"
    head.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    head.bfSize = head.bfOffBits + header.biSizeImage;
    FileReplacement file(path);
    return file.write(&head, sizeof head) && file.write(&header, sizeof header) &&
           file.write(bits, header.biSizeImage) && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "ploxen-demo.bmp";

    // Data: a damped oscillation with its envelope, and a noisy measurement below it.
    const int n = 2000;
    std::vector<Vertex2D> wave(n), envelope(n), noisy(n);
    for (int i = 0; i < n; ++i) {
        double t = i * 0.01;
        wave[i] = {t, std::exp(-t / 8) * std::sin(t * 3)};
        envelope[i] = {t, std::exp(-t / 8)};
        noisy[i] = {t, 20 + 5 * std::sin(t) + 0.8 * std::sin(t * 37.0)};
    }
    int yellow[3] = {255, 255, 0}, cyan[3] = {0, 255, 255}, green[3] = {0, 255, 0};
    GcGLine top[2] = {GcGLine(n, wave.data(), yellow, const_cast<char*>("signal"), -1, 0, 1),
                      GcGLine(n, envelope.data(), cyan, const_cast<char*>("envelope"), -1, 2, 1)};
    GcGLine bottom[1] = {GcGLine(n, noisy.data(), green, const_cast<char*>("sensor"), -1, 0, 1)};

    GcGraph graphs[2];
    graphs[0].setGLine(1, bottom);
    graphs[1].setGLine(2, top);
    for (GcGraph& g : graphs) {
        g.setAutoHminHmax();
        g.setAutoVminVmax();
        g.setAutoHgrad();
        g.setAutoVgrad();
    }
    graphs[0].setVtitle(const_cast<char*>("Volt"));
    graphs[1].setVtitle(const_cast<char*>("Amplitude"));
    GcGraphConfig config(2, graphs, nullptr, const_cast<char*>("Time (s)"), 0.15, 0.2, 0.2, 0.05,
                         GcGraphConfig::GRAPH);

    // An off-screen 24-bit surface, as a host would make one.
    HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) {
        std::fprintf(stderr, "cannot create the bitmap\n");
        return 1;
    }
    HGDIOBJ previous = SelectObject(memory, dib);
    CDC dc;
    dc.Attach(memory);

    Renderer renderer;
    renderer.set(&config);
    renderer.setViewport(0, 0, kWidth, kHeight);
    RECT all{0, 0, kWidth, kHeight};
    renderer.clear(&dc, &all);
    renderer.drawGraph(&dc);
    LOGFONTA font{};
    font.lfHeight = -14;
    font.lfWeight = FW_NORMAL;
    std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "FONT");
    renderer.drawComment(&dc, "drawn by Ploxen", font, RGB(255, 128, 0), CPoint(kWidth * 0.16, 4));
    GdiFlush();

    info.bmiHeader.biSizeImage = DWORD(((kWidth * 24 + 31) / 32) * 4 * kHeight);
    const bool ok = writeBmp(path, info.bmiHeader, bits);
    const int error = errno;
    SelectObject(memory, previous);
    dc.DeleteDC();
    DeleteObject(dib);
    if (!ok) {
        std::fprintf(stderr, "cannot write %s: %s\n", path, std::strerror(error));
        return 1;
    }
    std::printf("wrote %s (%d x %d, 24 bits)\n", path, kWidth, kHeight);
    return 0;
}
