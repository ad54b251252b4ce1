// An indexed line whose x never decreases, of 1e8 vertices (1.6 GB) by default, drawn into a
// 1200 x 900 bitmap, against one read of its vertices measured in the same process (the pass
// of bench_draw's read_ratio): the index's build time and memory, the first and the warm
// drawing of the whole line and of zooms down to a few hundred vertices, each as a ratio to
// the read pass; beside them the same line drawn without its index, and whether the two
// drawings have the same pixels. The rippled and the smooth series of bench_draw.
//
// "bench_indexed [vertices]"; google-benchmark flags that bench/run.sh passes are ignored.
// Times are this thread's processor time, best of a few runs where warm.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "model/LineIndex.h"
#include "render/Renderer.h"

namespace {

constexpr int width = 1200, height = 900;

// This thread's processor time in ms: other programs on a busy machine disturb it less than
// the wall clock.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec * 1e-6;
}

// Best of runs calls of f, in processor time.
template <class F> double bestOf(int runs, F f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        f();
        best = std::min(best, cpuMs() - start);
    }
    return best;
}

// The read pass: every vertex once, summed into eight accumulators.
double readPass(const std::vector<Vertex2D>& v) {
    volatile double sink = 0;
    return bestOf(3, [&] {
        double sum[8] = {};
        const size_t n = v.size();
        size_t i = 0;
        for (; i + 4 <= n; i += 4)
            for (size_t k = 0; k < 4; ++k) sum[2 * k] += v[i + k].x, sum[2 * k + 1] += v[i + k].y;
        double total = 0;
        for (double part : sum) total += part;
        sink = total;
    });
}

struct Surface {
    CDC dc;
    HBITMAP bitmap;
    void* bits = nullptr;
    Surface() {
        HDC h = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width, info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1, info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap = CreateDIBSection(h, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(h, bitmap);
        dc.Attach(h);
    }
    ~Surface() {
        dc.DeleteDC();
        DeleteObject(bitmap);
    }
    std::vector<unsigned> pixels() const {
        GdiFlush();
        const auto* p = static_cast<const unsigned*>(bits);
        return std::vector<unsigned>(p, p + width * height);
    }
};

struct Scene {
    GcGLine line;
    GcGraph graph;
    GcGraphConfig cfg;
    Renderer r;
    explicit Scene(std::vector<Vertex2D>& v) {
        line.nvertex = int(v.size()), line.vertex = v.data();
        graph.nline = 1, graph.line = &line;
        graph.setHminHmax(0, double(v.size() - 1));
        graph.setVminVmax(-1.2, 1.2);
        graph.setAutoHgrad(), graph.setAutoVgrad();
        cfg.ngraph = 1, cfg.graph = &graph;
        r.setViewport(0, 0, width, height);
        r.set(&cfg);
    }
    // Shows the fraction f of the x range that starts at a (both fractions of the plot width).
    void zoom(double a, double f) {
        r.resetGraph();
        if (f >= 1) return;
        const double L = 0.15 * width, pw = width * 0.65;
        r.zoomGraph(float(L + a * pw), 20, float(L + (a + f) * pw), 700);
    }
};

void run(std::vector<Vertex2D>& v, const char* name) {
    const double n = double(v.size()), read = readPass(v);
    std::printf("%s series of %.0e vertices: one read pass %.1f ms\n", name, n, read);
    Scene scene(v);
    Surface surface;
    const double build = bestOf(1, [&] { scene.line.setIndexed(1); });
    const double rebuild = bestOf(2, [&] { scene.line.changed(0); });
    const double bytes = double(scene.line.index()->bytes());
    std::printf("  index build %8.1f ms  ratio %6.3f to the read (rebuilt in place: %6.3f)   "
                "memory %6.1f MB  ratio %6.4f to the data\n",
                build, build / read, rebuild / read, bytes / 1e6, bytes / (n * sizeof(Vertex2D)));
    struct View {
        const char* label;
        double a, f;
    };
    const View views[] = {{"full view     ", 0, 1},      {"zoom 1/10     ", 0.3, 0.1},
                          {"zoom 1/100    ", 0.5, 0.01}, {"zoom 1/10^4   ", 0.7, 1e-4},
                          {"zoom 1/10^6   ", 0.2, 1e-6}, {"newest 1/1000 ", 0.999, 0.001}};
    for (const View& view : views) {
        scene.zoom(view.a, view.f);
        scene.line.setIndexed(1);
        const double first = bestOf(1, [&] { scene.r.drawGraph(&surface.dc); });
        const double warm = bestOf(5, [&] { scene.r.drawGraph(&surface.dc); });
        const std::vector<unsigned> indexed = surface.pixels();
        GcGLine kept = scene.line;
        scene.line.setIndexed(0);
        const double plain = bestOf(1, [&] { scene.r.drawGraph(&surface.dc); });
        const bool same = surface.pixels() == indexed;
        scene.line = kept;
        std::printf("  %s indexed: first %7.2f ms  warm %7.2f ms  ratio %7.4f to the read   "
                    "plain %8.2f ms  ratio %6.3f   same pixels %s\n",
                    view.label, first, warm, warm / read, plain, plain / read, same ? "yes" : "NO");
    }
    // Appending: the index extended by the last 1e6 vertices.
    const int all = scene.line.nvertex;
    scene.line.nvertex = all - 1000000;
    scene.line.changed(0);
    scene.line.nvertex = all;
    const double append = bestOf(1, [&] { scene.line.changed(all - 1000000); });
    std::printf("  append of 1e6 vertices: index extended in %.2f ms (%.3f of their read)\n",
                append, append / (read * 1e6 / n));
}

} // namespace

int main(int argc, char** argv) {
    long n = 100000000;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) != 0) n = std::atol(argv[i]);
    std::vector<Vertex2D> v(static_cast<size_t>(n));
    for (long i = 0; i < n; ++i)
        v[size_t(i)] = {double(i), std::sin(i * 0.001) + 0.1 * std::sin(i * 0.37)};
    run(v, "rippled");
    for (long i = 0; i < n; ++i) v[size_t(i)].y = std::sin(i * 6 * M_PI / n);
    run(v, "smooth");
    std::printf("(processor time on a shared machine: compare the ratios, not the times)\n");
    return 0;
}
