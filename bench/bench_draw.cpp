// drawGraph of large GRAPH series into a 1200 x 900 memory bitmap, against two floors measured
// in the same process: one pass that reads every vertex and maps it to two ints with the exact
// drawing formulas (a division per coordinate), and the same pass reduced to one multiply-add
// per coordinate. Counters: ms per drawGraph, madd_ratio and div_ratio (ms over each floor),
// read_ratio (ms over a pass that only reads every vertex), and the peak resident memory one
// drawing adds, in MB and bytes per vertex. The times are wall clock; cpu_ms, cpu_madd and
// cpu_div are the same figures in this thread's processor time, which other programs on a busy
// machine disturb less.
//
// BM_DrawSmooth draws a smooth series instead of the rippled one, BM_DrawOtherPens one series
// of 1e6 vertices with pens other than the solid 1-pixel one (3 pixels wide, dashed, marks at
// every vertex), and BM_DrawScrambled the series in a scrambled order, against the same floors.
// BM_DrawLogOverLinear compares logarithmic axes with linear ones on the same series.
//
// "bench_draw --first <vertices> <series> <zoomed> [smooth]" measures instead the first drawing
// of this fresh process and prints the same figures as one line; bench/run.sh runs it once per
// case. That drawing is also the first read of its vertices, freshly written, which costs up to
// twice what the later reads the floors are the best of cost: cold_madd_ratio compares it with
// one multiply-add pass over a twin of the vertices written the same way just after them and
// first read just after the drawing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

#include "render/PlotLayout.h"
#include "render/Renderer.h"

namespace {

using Clock = std::chrono::steady_clock;

// Wall clock and this thread's processor time in ms: a reading, or the time between two.
struct Times {
    double wall = 0, cpu = 0;
    static Times now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return {std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count(),
                t.tv_sec * 1e3 + t.tv_nsec * 1e-6};
    }
    Times operator-(const Times& o) const { return {wall - o.wall, cpu - o.cpu}; }
};

// The bench series: a slow wave with fast ripples, so that each pixel column holds a tall
// span visited back and forth; or, smooth, three periods of a sine over the range, so that
// each column's vertices climb or fall through it.
std::vector<Vertex2D> signal(int n, bool smooth) {
    std::vector<Vertex2D> v(size_t(n), Vertex2D{});
    for (int i = 0; i < n; ++i)
        v[size_t(i)] = {double(i), smooth ? std::sin(i * 6 * M_PI / n)
                                          : std::sin(i * 0.001) + 0.1 * std::sin(i * 0.37)};
    return v;
}

const std::vector<Vertex2D>& data(int n, bool smooth = false) {
    static std::map<std::pair<int, bool>, std::vector<Vertex2D>> cache;
    auto it = cache.find({n, smooth});
    if (it == cache.end()) it = cache.emplace(std::pair(n, smooth), signal(n, smooth)).first;
    return it->second;
}

// nseries superposed series of n vertices each, all sharing one vertex array, over x 0..n-1.
struct Scene {
    std::vector<GcGLine> lines;
    GcGraph graph;
    GcGraphConfig cfg;
    Renderer r;

    Scene(int n, int nseries, bool smooth = false) : lines(size_t(nseries)) {
        const std::vector<Vertex2D>& v = data(n, smooth);
        for (int s = 0; s < nseries; ++s) {
            lines[size_t(s)].nvertex = n;
            lines[size_t(s)].vertex = const_cast<Vertex2D*>(v.data());
            lines[size_t(s)].color[1] = 20 * s;
        }
        graph.nline = nseries;
        graph.line = lines.data();
        graph.setHminHmax(0, n - 1);
        graph.setVminVmax(-1.2, 1.2);
        graph.setAutoHgrad();
        graph.setAutoVgrad();
        cfg.ngraph = 1;
        cfg.graph = &graph;
        cfg.superpose = 1;
        r.setViewport(0, 0, 1200, 900);
        r.set(&cfg);
    }
    // Shows the hundredth of the x range that starts in the middle.
    void zoomToOnePercent() {
        const double L = 0.15 * 1200, pw = 1200 * 0.65;
        r.zoomGraph(float(L + 0.5 * pw), 20, float(L + 0.51 * pw), 700);
    }
};

struct Surface {
    CDC dc;
    HBITMAP bitmap;
    Surface() {
        HDC h = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(h, 1200, 900);
        SelectObject(h, bitmap);
        dc.Attach(h);
    }
    ~Surface() {
        dc.DeleteDC();
        DeleteObject(bitmap);
    }
};

// Best of `runs` timed passes of map(vertices, n, xs, ys) over every series into two int
// arrays; over the vertices `twin` instead of the series' own where given.
template <class Map>
Times bestPass(Scene& s, Map map, int runs = 3, const Vertex2D* twin = nullptr) {
    const int n = s.lines[0].nvertex;
    const auto xs = std::make_unique<int[]>(size_t(n));
    const auto ys = std::make_unique<int[]>(size_t(n));
    Times best{1e300, 1e300};
    for (int run = 0; run < runs; ++run) {
        const Times start = Times::now();
        for (const GcGLine& line : s.lines) {
            map(twin ? twin : line.vertex, n, xs.get(), ys.get());
            benchmark::DoNotOptimize(xs.get());
            benchmark::DoNotOptimize(ys.get());
            benchmark::ClobberMemory();
        }
        const Times t = Times::now() - start;
        best = {std::min(best.wall, t.wall), std::min(best.cpu, t.cpu)};
    }
    return best;
}

// The floor: every vertex mapped with the renderer's formulas and pixel rounding, written so
// that the compiler vectorises it (the bench's values all lie on the device, so the rounding
// needs no clamp).
Times divisionFloor(Scene& s) {
    const PlotLayout p(s.r.viewport, s.r.zoomScale, s.r.zoomOffset, s.cfg);
    const AxisMap xmap = p.hmap(), ymap = p.vmap(VerticalRange::of(s.graph, false), 0);
    return bestPass(s, [&](const Vertex2D* v, int n, int* __restrict x, int* __restrict y) {
        for (int i = 0; i < n; ++i) x[i] = PlotLayout::rndInRange(xmap.toPixel(v[i].x));
        for (int i = 0; i < n; ++i) y[i] = PlotLayout::rndInRange(ymap.toPixel(v[i].y));
    });
}

// What memory bandwidth allows: the same pass with each mapping folded into one multiply and
// add (no division, no clamping), so the compiler can vectorise it.
Times bandwidthFloor(Scene& s, int runs = 3, const Vertex2D* twin = nullptr) {
    const PlotLayout p(s.r.viewport, s.r.zoomScale, s.r.zoomOffset, s.cfg);
    const VerticalRange range = VerticalRange::of(s.graph, false);
    const double ax = p.pw / p.hr * p.zx, bx = (p.ox - p.h0 * p.pw / p.hr) * p.zx + p.L + 0.5;
    const double ay = -p.gh / range.r * p.zy,
                 by = p.B - (p.oy - range.lo / range.r * p.gh) * p.zy + 0.5;
    return bestPass(
        s,
        [&](const Vertex2D* v, int n, int* __restrict x, int* __restrict y) {
            for (int i = 0; i < n; ++i) {
                x[i] = int(v[i].x * ax + bx);
                y[i] = int(v[i].y * ay + by);
            }
        },
        runs, twin);
}

// Reading alone: every vertex once, summed into eight accumulators, the least a drawing that
// must look at every vertex can cost where the vertices do not fit in the caches (1e7 of
// them); on vertices the caches hold, the additions rather than the reads set its pace.
Times readFloor(Scene& s) {
    return bestPass(s, [](const Vertex2D* v, int n, int* x, int*) {
        double sum[8] = {};
        int i = 0;
        for (; i + 4 <= n; i += 4)
            for (int k = 0; k < 4; ++k) sum[2 * k] += v[i + k].x, sum[2 * k + 1] += v[i + k].y;
        for (; i < n; ++i) sum[0] += v[i].x + v[i].y;
        double total = 0;
        for (double part : sum) total += part;
        x[0] = int(std::fmod(total, 1e9));
    });
}

// Resident memory figures of this process from /proc/self/status, in bytes.
long long statusBytes(const char* key) {
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long long kb = -1;
    const size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, n) == 0) kb = std::atoll(line + n + 1);
    std::fclose(f);
    return kb * 1024;
}

// Peak memory added by one drawGraph: the high-water mark of resident memory is reset, the
// drawing made, and the new mark compared with what was resident before. -1 where the kernel
// does not allow the reset.
double peakExtraBytes(Scene& scene, CDC& dc) {
    FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (!f) return -1;
    const bool reset = std::fputs("5", f) >= 0;
    if (std::fclose(f) != 0 || !reset) return -1;
    const long long before = statusBytes("VmRSS:");
    scene.r.drawGraph(&dc);
    return double(statusBytes("VmHWM:") - before);
}

void report(benchmark::State& state, Scene& scene, Times ms, double peak) {
    const Times madd = bandwidthFloor(scene), div = divisionFloor(scene), read = readFloor(scene);
    const double vertices = double(scene.lines.size()) * scene.lines[0].nvertex;
    state.counters["read_ratio"] = ms.wall / read.wall;
    state.counters["ms"] = ms.wall;
    state.counters["madd_ratio"] = ms.wall / madd.wall;
    state.counters["div_ratio"] = ms.wall / div.wall;
    state.counters["cpu_ms"] = ms.cpu;
    state.counters["cpu_madd"] = ms.cpu / madd.cpu;
    state.counters["cpu_div"] = ms.cpu / div.cpu;
    state.counters["peak_extra_MB"] = peak / 1e6;
    state.counters["B_per_vertex"] = peak / vertices;
}

void drawAndCompare(benchmark::State& state, Scene& scene) {
    Surface surface;
    Times total;
    for (auto _ : state) {
        const Times start = Times::now();
        scene.r.drawGraph(&surface.dc);
        const Times t = Times::now() - start;
        total = {total.wall + t.wall, total.cpu + t.cpu};
    }
    const double runs = double(state.iterations());
    report(state, scene, {total.wall / runs, total.cpu / runs}, peakExtraBytes(scene, surface.dc));
}

void BM_DrawOneSeries(benchmark::State& state) {
    Scene scene(int(state.range(0)), 1);
    drawAndCompare(state, scene);
}
BENCHMARK(BM_DrawOneSeries)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond);

void BM_DrawEightSeries(benchmark::State& state) {
    Scene scene(int(state.range(0)), 8);
    drawAndCompare(state, scene);
}
BENCHMARK(BM_DrawEightSeries)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DrawZoomedOnePercent(benchmark::State& state) {
    Scene scene(int(state.range(0)), 1);
    scene.zoomToOnePercent();
    drawAndCompare(state, scene);
}
BENCHMARK(BM_DrawZoomedOnePercent)->Arg(10000000)->Unit(benchmark::kMillisecond);

// The smooth series, once with 1e7 vertices and eight times superposed with 1e6.
void BM_DrawSmooth(benchmark::State& state) {
    Scene scene(int(state.range(0)), int(state.range(1)), true);
    drawAndCompare(state, scene);
}
BENCHMARK(BM_DrawSmooth)->Args({10000000, 1})->Args({1000000, 8})->Unit(benchmark::kMillisecond);

void BM_DrawOtherPens(benchmark::State& state) {
    Scene scene(int(state.range(0)), 1);
    GcGLine& line = scene.lines[0];
    const char* names[] = {"3 pixels wide", "dashed", "marked"};
    state.SetLabel(names[state.range(1)]);
    if (state.range(1) == 0) line.lineWidth = 3;
    if (state.range(1) == 1) line.lineStyle = PS_DASH;
    if (state.range(1) == 2) line.markType = 3;
    drawAndCompare(state, scene);
}
BENCHMARK(BM_DrawOtherPens)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Unit(benchmark::kMillisecond);

// The bench series with its vertices in a scrambled order: neighbours seldom share a column,
// the case where blocks of vertices help least.
void BM_DrawScrambled(benchmark::State& state) {
    const int n = int(state.range(0));
    std::vector<Vertex2D> v = data(n);
    for (int i = n - 1; i > 0; --i)
        std::swap(v[size_t(i)], v[size_t((i * 2654435761u) % unsigned(i + 1))]);
    Scene scene(n, 1);
    scene.lines[0].vertex = v.data();
    drawAndCompare(state, scene);
}
BENCHMARK(BM_DrawScrambled)->Arg(1000000)->Unit(benchmark::kMillisecond);

// One positive series drawn on linear axes and on logarithmic ones (both axes), one drawing
// of each per iteration: log_ratio is the logarithmic drawing's time over the linear one's
// (cpu_log_ratio the same in processor time). In order (1e7 vertices), scrambled, or in order
// with a dashed pen (1e6); the last two map every vertex and take its logarithm, where the
// order mostly takes whole pixel columns from their extremes.
void BM_DrawLogOverLinear(benchmark::State& state) {
    const int n = int(state.range(0));
    std::vector<Vertex2D> v = data(n);
    for (Vertex2D& p : v) p = {p.x + 1, p.y + 2};
    if (state.range(1) == 1)
        for (int i = n - 1; i > 0; --i)
            std::swap(v[size_t(i)], v[size_t((i * 2654435761u) % unsigned(i + 1))]);
    Scene linear(n, 1), logarithmic(n, 1);
    for (Scene* s : {&linear, &logarithmic}) {
        s->lines[0].vertex = v.data();
        s->graph.setHminHmax(1, n);
        s->graph.setVminVmax(0.5, 3.5);
        s->lines[0].lineStyle = state.range(1) == 2 ? PS_DASH : PS_SOLID;
    }
    logarithmic.graph.setLogH(1);
    logarithmic.graph.setLogV(1);
    Surface surface;
    Times lin, log;
    for (auto _ : state) {
        const Times a = Times::now();
        linear.r.drawGraph(&surface.dc);
        const Times b = Times::now();
        logarithmic.r.drawGraph(&surface.dc);
        const Times c = Times::now();
        lin = {lin.wall + (b - a).wall, lin.cpu + (b - a).cpu};
        log = {log.wall + (c - b).wall, log.cpu + (c - b).cpu};
    }
    const double runs = double(state.iterations());
    state.counters["lin_ms"] = lin.wall / runs;
    state.counters["log_ms"] = log.wall / runs;
    state.counters["log_ratio"] = log.wall / lin.wall;
    state.counters["cpu_log_ratio"] = log.cpu / lin.cpu;
}
BENCHMARK(BM_DrawLogOverLinear)
    ->Args({10000000, 0})
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Unit(benchmark::kMillisecond);

// The first drawing of this process: surface and data made, then one timed drawGraph with the
// resident high-water mark reset just before it; the floors are measured after it, the cold
// one first.
int firstDrawing(int n, int nseries, bool zoomed, bool smooth) {
    Scene scene(n, nseries, smooth);
    const std::vector<Vertex2D> twin = signal(n, smooth);
    if (zoomed) scene.zoomToOnePercent();
    Surface surface;
    FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (f) std::fputs("5", f), std::fclose(f);
    const long long before = statusBytes("VmRSS:");
    const Times start = Times::now();
    scene.r.drawGraph(&surface.dc);
    const Times ms = Times::now() - start;
    const double peak = f ? double(statusBytes("VmHWM:") - before) : -1;
    const Times cold = bandwidthFloor(scene, 1, twin.data());
    const Times madd = bandwidthFloor(scene), div = divisionFloor(scene), read = readFloor(scene);
    std::printf("first drawing %8d x %d%s  ms %8.2f  madd_ratio %6.2f  div_ratio %6.2f  "
                "read_ratio %6.2f  cpu_ms %8.2f  cpu_madd %6.2f  cpu_div %6.2f  "
                "peak_extra_MB %5.2f  B_per_vertex %6.3f  cold_madd_ms %8.2f  "
                "cold_madd_ratio %6.2f\n",
                n, nseries,
                zoomed   ? " zoomed"
                : smooth ? " smooth"
                         : "       ",
                ms.wall, ms.wall / madd.wall, ms.wall / div.wall, ms.wall / read.wall, ms.cpu,
                ms.cpu / madd.cpu, ms.cpu / div.cpu, peak / 1e6, peak / (double(n) * nseries),
                cold.wall, ms.wall / cold.wall);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "--first") == 0)
        return firstDrawing(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]) != 0,
                            argc == 6 && std::strcmp(argv[5], "smooth") == 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
