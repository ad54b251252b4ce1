// The graph view's costs, on the offscreen platform: a full window repaint against drawGraph
// alone into a memory bitmap (1200 x 900, 1e6 vertices), savetoBitmap against fwrite of the
// same bytes, and the latency of a posted mouse message through GetEvent. Prints the ratios.
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchWindow.h"

#include "platform/wnd/CClientDC.h"
#include "render/Renderer.h"
#include "view/CGLView.h"

namespace {

constexpr int width = 1200, height = 900, vertices = 1000000;

class CBenchView : public CGLView {
    DECLARE_DYNCREATE(CBenchView)
public:
    void fill() { fillSignal(m_graph[0], vertices, 0.001); }
};
IMPLEMENT_DYNCREATE(CBenchView, CGLView)

struct Scene {
    CFrameWnd* frame = new CFrameWnd;
    CBenchView* view = nullptr;
    std::string dir;
    Scene() {
        view = openPane<CBenchView>(frame, RUNTIME_CLASS(CBenchView), width, height);
        view->fill();
        char templ[] = "/tmp/ploxen-bench-view-XXXXXX";
        dir = mkdtemp(templ);
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

void BM_viewRepaint(benchmark::State& state) {
    CBenchView* view = scene().view;
    for (auto _ : state) {
        view->Invalidate();
        view->UpdateWindow();
    }
}

void BM_memoryDrawGraph(benchmark::State& state) {
    CBenchView* view = scene().view;
    CClientDC screen(view);
    CDC mem;
    mem.Attach(CreateCompatibleDC(screen.m_hDC));
    HBITMAP bmp = CreateCompatibleBitmap(screen.m_hDC, width, height);
    HGDIOBJ old = SelectObject(mem.m_hDC, bmp);
    for (auto _ : state) view->GetRenderer()->drawGraph(&mem);
    SelectObject(mem.m_hDC, old);
    DeleteObject(bmp);
}

void BM_savetoBitmap(benchmark::State& state) {
    std::string path = scene().dir + "/view";
    for (auto _ : state)
        if (!scene().view->savetoBitmap(path.data())) state.SkipWithError("savetoBitmap");
    state.SetBytesProcessed(state.iterations() * (54 + width * 3 * height));
}

void BM_fwrite(benchmark::State& state) {
    const std::string path = scene().dir + "/plain.bmp";
    std::vector<char> bytes(54 + width * 3 * height, 'b');
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
            state.SkipWithError("fwrite");
        if (f) std::fclose(f);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}

void BM_getEventLatency(benchmark::State& state) {
    CBenchView* view = scene().view;
    CPoint p;
    CRect r;
    for (auto _ : state) {
        PostMessage(view->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        view->GetEvent(p, r);
    }
}

BENCHMARK(BM_viewRepaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_memoryDrawGraph)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_savetoBitmap)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_fwrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_getEventLatency)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5);

// Console output as usual, keeping each benchmark's median real time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    auto& t = reporter.times;
    if (t.count("BM_viewRepaint") && t.count("BM_memoryDrawGraph"))
        std::printf("ratio window repaint / memory drawGraph: %.3f (goal <= 1.10)\n",
                    t["BM_viewRepaint"] / t["BM_memoryDrawGraph"]);
    if (t.count("BM_savetoBitmap") && t.count("BM_fwrite"))
        std::printf("ratio savetoBitmap / fwrite: %.3f (goal <= 1.5)\n",
                    t["BM_savetoBitmap"] / t["BM_fwrite"]);
    if (t.count("BM_getEventLatency"))
        std::printf("GetEvent latency: %.1f us (goal <= 1000)\n", t["BM_getEventLatency"]);
    std::system(("rm -rf " + scene().dir).c_str());
}
