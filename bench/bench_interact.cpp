// The interactive view on a 1e7-vertex series (x sorted), 1200 x 900, offscreen: a wheel step
// and an arrow-key pan, each a window message that changes the zoom and repaints, against
// drawGraph alone of the same pictures into a memory bitmap; and the readout's nearest-vertex
// search against that drawGraph. An iteration is a step there and back (two pictures) in each.
// Prints the ratios.
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "BenchWindow.h"

#include "interact/CGLInteractiveView.h"
#include "interact/NearestVertex.h"
#include "interact/ZoomSteps.h"
#include "platform/wnd/CClientDC.h"
#include "render/Renderer.h"

namespace {

constexpr int width = 1200, height = 900, vertices = 10000000;

class CBenchView : public CGLInteractiveView {
    DECLARE_DYNCREATE(CBenchView)
public:
    void fill() { fillSignal(m_graph[0], vertices, 0.0001); }
};
IMPLEMENT_DYNCREATE(CBenchView, CGLInteractiveView)

struct Scene {
    CFrameWnd* frame = new CFrameWnd;
    CBenchView* view = nullptr;
    POINT centre{width / 2, height / 2}; // in screen coordinates, as the wheel gives it
    Scene() {
        view = openPane<CBenchView>(frame, RUNTIME_CLASS(CBenchView), width, height);
        view->fill();
        view->ClientToScreen(&centre);
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

// The states the wheel and the pan benchmarks alternate between: full view and one step away.
std::vector<ZoomState> statesOf(UINT msg, WPARAM a, WPARAM b, LPARAM l) {
    CBenchView* view = scene().view;
    view->GetRenderer()->resetGraph();
    std::vector<ZoomState> states{zoomStateOf(*view->GetRenderer())};
    view->SendMessage(msg, a, l);
    states.push_back(zoomStateOf(*view->GetRenderer()));
    view->SendMessage(msg, b, l);
    return states;
}

void BM_drawGraph(benchmark::State& state) {
    CBenchView* view = scene().view;
    const std::vector<ZoomState> states =
        state.range(0) ? statesOf(WM_KEYDOWN, VK_LEFT, VK_RIGHT, 0)
                       : statesOf(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKEWPARAM(0, -120),
                                  MAKELPARAM(scene().centre.x, scene().centre.y));
    CClientDC screen(view);
    CDC mem;
    mem.Attach(CreateCompatibleDC(screen.m_hDC));
    HBITMAP bmp = CreateCompatibleBitmap(screen.m_hDC, width, height);
    HGDIOBJ old = SelectObject(mem.m_hDC, bmp);
    for (auto _ : state)
        for (const ZoomState& z : {states[1], states[0]}) {
            setZoomState(*view->GetRenderer(), z);
            view->GetRenderer()->drawGraph(&mem);
        }
    SelectObject(mem.m_hDC, old);
    DeleteObject(bmp);
    view->GetRenderer()->resetGraph();
}

void BM_wheelStep(benchmark::State& state) {
    CBenchView* view = scene().view;
    const LPARAM at = MAKELPARAM(scene().centre.x, scene().centre.y);
    view->GetRenderer()->resetGraph();
    for (auto _ : state)
        for (short delta : {120, -120}) view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), at);
}

void BM_panStep(benchmark::State& state) {
    CBenchView* view = scene().view;
    view->GetRenderer()->resetGraph();
    for (auto _ : state)
        for (UINT key : {VK_LEFT, VK_RIGHT}) view->SendMessage(WM_KEYDOWN, key, 1);
}

// The search as the readout makes it at successive pointer positions along the curve; the
// series' order is read once before.
void BM_nearestVertex(benchmark::State& state) {
    CBenchView* view = scene().view;
    view->GetRenderer()->resetGraph();
    NearestVertex nearest;
    nearest.find(*view->GetRenderer(), width / 2.0, height / 2.0, 10);
    int x = 200, found = 0;
    for (auto _ : state) {
        x = x < 1000 ? x + 7 : 200;
        found += nearest.find(*view->GetRenderer(), x, height / 2.0, 10).graph >= 0;
    }
    benchmark::DoNotOptimize(found);
}

// The first search of a series: its order in x is read then (once per series array).
void BM_nearestVertexFirst(benchmark::State& state) {
    CBenchView* view = scene().view;
    for (auto _ : state) {
        NearestVertex nearest;
        benchmark::DoNotOptimize(nearest.find(*view->GetRenderer(), width / 2.0, height / 2.0, 10));
    }
}

BENCHMARK(BM_drawGraph)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_wheelStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_panStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_nearestVertex)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_nearestVertexFirst)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

// Console output as usual, keeping each benchmark's median real time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times[run.run_name.function_name +
                      (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime() *
                    (run.time_unit == benchmark::kMicrosecond ? 1e-3 : 1.0);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times; // milliseconds
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    auto& t = reporter.times;
    const auto ratio = [&](const char* what, const std::string& a, const std::string& b,
                           const char* goal) {
        if (t.count(a) && t.count(b))
            std::printf("ratio %s: %.3f (goal %s)\n", what, t[a] / t[b], goal);
    };
    ratio("wheel step / drawGraph", "BM_wheelStep", "BM_drawGraph/0", "<= 1.5");
    ratio("pan step / drawGraph", "BM_panStep", "BM_drawGraph/1", "<= 1.5");
    // drawGraph/0 draws two pictures an iteration, the searches are one each.
    if (t.count("BM_drawGraph/0")) t["BM_drawGraph/0"] /= 2;
    ratio("nearest-vertex search / drawGraph", "BM_nearestVertex", "BM_drawGraph/0", "< 0.1");
    ratio("first search (reads the order) / drawGraph", "BM_nearestVertexFirst", "BM_drawGraph/0",
          "for information");
}
