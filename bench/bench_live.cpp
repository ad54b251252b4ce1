// A live view, headless: 1e6 vertices a second appended to an indexed line (reported with
// changed()), the view following the newest ten seconds and repainted 60 times a second into a
// 1200 x 900 bitmap, for 10 s after the ten seconds it shows were made. Prints the processor share
// of one core that the appends and repaints took (and with the host's own generation of the
// points), and the repaint times' median and 99th percentile: first with repaints that scroll the
// picture and draw only its new columns (repaintGraph, the range following by whole pixel columns),
// then with repaints that draw the whole picture.
//
// "bench_live [seconds] [scroll|full]" (both by default); google-benchmark flags that
// bench/run.sh passes are ignored.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>
#include <vector>

#include "render/Renderer.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int width = 1200, height = 900;
constexpr double rate = 1e6, window = 10, frameRate = 60;

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec * 1e-6;
}

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// One run of the live view for the given seconds: scrolling repaints (the range follows by
// whole pixel columns and repaintGraph keeps the picture) or full ones (the range is set to the
// newest ten seconds and everything is drawn again).
void run(double seconds, bool scroll) {
    const size_t capacity = size_t((window + seconds) * rate) + 1000000;
    std::vector<Vertex2D> v(capacity);
    GcGLine line;
    line.vertex = v.data(), line.nvertex = 0;
    line.setIndexed(1);
    GcGraph graph;
    graph.nline = 1, graph.line = &line;
    graph.setVminVmax(-3, 3);
    graph.setAutoVgrad();
    GcGraphConfig cfg;
    cfg.ngraph = 1, cfg.graph = &graph;
    Renderer r;
    r.setViewport(0, 0, width, height);
    r.set(&cfg);
    CDC dc;
    HDC h = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(h, width, height);
    SelectObject(h, bitmap);
    dc.Attach(h);
    const RECT all = {0, 0, width, height};

    std::vector<double> repaints, repaintsCpu;
    double generate = 0, library = 0; // processor ms
    double y = 0;
    unsigned noise = 12345;
    int scrolled = 0;
    // The signal has run for the ten seconds the view shows before the measured ones.
    const auto step = [&](int from, int to) {
        for (int i = from; i < to; ++i) { // a random walk, cheap to make
            noise = noise * 1664525u + 1013904223u;
            y = 0.999 * y + (int(noise >> 16) - 32768) * 2e-6;
            v[size_t(i)] = {i / rate, y};
        }
    };
    step(0, int(window * rate));
    line.nvertex = int(window * rate);
    line.changed(0);
    const auto start = Clock::now();
    const double cpuStart = cpuMs();
    for (int frame = 1;; ++frame) {
        const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(frame / frameRate));
        std::this_thread::sleep_until(due);
        const double t = window + std::min(seconds, msBetween(start, Clock::now()) / 1e3);
        const int from = line.nvertex, to = int(t * rate);
        double c0 = cpuMs();
        step(from, to);
        double c1 = cpuMs();
        line.nvertex = to;
        line.changed(from);
        const auto p0 = Clock::now();
        const double q0 = cpuMs();
        if (!scroll || t <= window || !r.followGraph(t))
            graph.setHminHmax(std::max(0.0, t - window), std::max(t, window));
        graph.setAutoHgrad();
        if (scroll) {
            scrolled += r.repaintGraph(&dc, &all);
        } else {
            r.clear(&dc, &all);
            r.drawGraph(&dc);
        }
        repaints.push_back(msBetween(p0, Clock::now()));
        const double c2 = cpuMs();
        repaintsCpu.push_back(c2 - q0);
        generate += c1 - c0, library += c2 - c1;
        if (t >= window + seconds) break;
    }
    const double wall = msBetween(start, Clock::now()), cpu = cpuMs() - cpuStart;
    std::sort(repaints.begin(), repaints.end());
    std::sort(repaintsCpu.begin(), repaintsCpu.end());
    const auto pct = [](const std::vector<double>& s, double p) {
        return s[size_t(p * double(s.size() - 1))];
    };
    std::printf("live view, %.0e vertices a second for %.0f s, following the newest %.0f s, %zu "
                "%s repaints (%d scrolled):\n",
                rate, seconds, window, repaints.size(), scroll ? "scrolling" : "full", scrolled);
    std::printf("  processor share of one core: appends and repaints %.3f, with the points' "
                "generation %.3f, whole process %.3f\n",
                library / wall, (library + generate) / wall, cpu / wall);
    std::printf(
        "  repaint ms, wall clock: p50 %.2f  p99 %.2f  max %.2f;  processor time: p50 %.2f  "
        "p99 %.2f  max %.2f\n",
        pct(repaints, 0.5), pct(repaints, 0.99), repaints.back(), pct(repaintsCpu, 0.5),
        pct(repaintsCpu, 0.99), repaintsCpu.back());
    dc.DeleteDC();
    DeleteObject(bitmap);
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 10;
    bool scroll = true, full = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "scroll") == 0 || std::strcmp(argv[i], "full") == 0)
            scroll = argv[i][0] == 's', full = !scroll;
        else if (std::strncmp(argv[i], "--", 2) != 0)
            seconds = std::atof(argv[i]);
    }
    if (scroll) run(seconds, true);
    if (full) run(seconds, false);
    std::printf("(a shared machine: the wall-clock figures are noisy)\n");
    return 0;
}
