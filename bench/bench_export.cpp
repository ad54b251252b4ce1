// A series of N noisy points saved as SVG and as PDF (800 x 600) for N = 10^5, 10^6, 10^7: the
// file sizes, the times, and their ratios to a drawing of the same picture on a memory bitmap
// (the screen's path) and to one read of the points (the floor). Goals: sizes independent of N
// (10^6 points: at most 2 MB), times that grow with N no faster than the bitmap drawing does.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "export/Picture.h"
#include "platform/gdi/CDC.h"
#include "render/Renderer.h"

namespace {

constexpr int W = 800, H = 600, repeats = 3;
const std::filesystem::path dir = std::filesystem::temp_directory_path() / "ploxen-bench-export";

struct Scene {
    std::vector<Vertex2D> v;
    GcGLine line;
    GcGraph graph;
    GcGraphConfig cfg;
    Renderer r;

    explicit Scene(int n) : v(size_t(n)) {
        unsigned noise = 1;
        for (int i = 0; i < n; ++i) {
            noise = noise * 1103515245u + 12345u;
            v[size_t(i)] = {double(i), std::sin(i * 6.0 / n) + 0.2 * (noise >> 16) / 65536.0};
        }
        line.nvertex = n;
        line.vertex = v.data();
        graph.nline = 1;
        graph.line = &line;
        graph.setHminHmax(0, n - 1);
        graph.setVminVmax(-1.5, 1.5);
        graph.setAutoHgrad();
        graph.setAutoVgrad();
        cfg.ngraph = 1;
        cfg.graph = &graph;
        r.setViewport(0, 0, W, H);
        r.setBackgroundWhite();
        r.set(&cfg);
    }
};

// The best of a few runs of f, in milliseconds.
template <class F> double bestMs(F f) {
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(
            best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                      .count());
    }
    return best;
}

} // namespace

int main() {
    std::filesystem::create_directories(dir);
    std::printf("%9s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n", "N", "read ms", "bitmap ms", "svg KB",
                "svg ms", "pdf KB", "pdf ms", "svg/bmp", "pdf/bmp", "svg/read");
    for (int n : {100000, 1000000, 10000000}) {
        Scene s(n);
        volatile double sink = 0;
        const double read = bestMs([&] {
            double sum = 0;
            for (const Vertex2D& p : s.v) sum += p.y;
            sink = sum;
        });
        CDC dc;
        dc.Attach(CreateCompatibleDC(nullptr));
        HBITMAP bitmap = CreateCompatibleBitmap(dc.m_hDC, W, H);
        HGDIOBJ old = SelectObject(dc.m_hDC, bitmap);
        const double draw = bestMs([&] { drawPicture(&dc, s.r, RECT{0, 0, W, H}); });
        SelectObject(dc.m_hDC, old);
        DeleteObject(bitmap);
        dc.DeleteDC();
        const std::string svg = dir / "big.svg", pdf = dir / "big.pdf";
        const double svgMs = bestMs([&] { savePicture(s.r, svg.c_str(), W, H); });
        const double pdfMs = bestMs([&] { savePicture(s.r, pdf.c_str(), W, H); });
        std::printf("%9d %9.2f %9.2f %9.1f %9.2f %9.1f %9.2f %9.2f %9.2f %9.1f\n", n, read, draw,
                    std::filesystem::file_size(svg) / 1024.0, svgMs,
                    std::filesystem::file_size(pdf) / 1024.0, pdfMs, svgMs / draw, pdfMs / draw,
                    svgMs / read);
    }
    std::filesystem::remove_all(dir);
}
