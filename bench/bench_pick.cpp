// Picking over one series of a million vertices: the vertex pick, the line pick and the bar pick
// of a histogram, each scanning the whole series for a pointer that hits nothing.
#include "render/Renderer.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

#include "PerVertex.h"

namespace {

constexpr int vertexCount = 1'000'000;

struct Scene {
    std::vector<Vertex2D> vertices;
    GcGLine line;
    GcGraph graph;
    GcGraphConfig cfg;
    Renderer renderer;
    CDC dc;

    Scene() : vertices(vertexCount) {
        for (int i = 0; i < vertexCount; ++i) vertices[i] = {double(i), 0.25 * std::sin(i * 0.001)};
        int red[3] = {255, 0, 0};
        line.set(vertexCount, vertices.data(), red, nullptr, -1, 0, 1);
        graph.setGLine(1, &line);
        graph.setHminHmax(0.0, vertexCount - 1.0);
        graph.setVminVmax(-1.0, 1.0);
        cfg.setGraph(1, &graph);
        renderer.setViewport(0, 0, 1000, 800);
        renderer.set(&cfg);
        HDC h = CreateCompatibleDC(nullptr);
        SelectObject(h, CreateCompatibleBitmap(h, 1000, 800));
        dc.Attach(h);
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

// A pointer in the plot, well above the curve, so the whole series is measured and nothing is
// picked or drawn.
constexpr int pointerX = 500, pointerY = 100;

// The vertex pick (no device context, so nothing is drawn) in a graph or a histogram.
void BM_pickVertex(benchmark::State& state, GcGraphConfig::TYPE type) {
    Scene& s = scene();
    s.cfg.type = type;
    for (auto _ : state) {
        int g = 0, l = 0, v = 0;
        benchmark::DoNotOptimize(s.renderer.pickGraph(nullptr, pointerX, pointerY, g, l, v));
    }
    state.counters["per_vertex"] = perVertex(vertexCount);
}
BENCHMARK_CAPTURE(BM_pickVertex, graph, GcGraphConfig::GRAPH)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_pickVertex, bar, GcGraphConfig::HISTON)->Unit(benchmark::kMillisecond);

void BM_pickLine(benchmark::State& state) {
    Scene& s = scene();
    s.cfg.type = GcGraphConfig::GRAPH;
    for (auto _ : state) {
        int g = 0, l = 0;
        benchmark::DoNotOptimize(s.renderer.pickGraph(&s.dc, pointerX, pointerY, g, l));
    }
    state.counters["per_vertex"] = perVertex(vertexCount);
}
BENCHMARK(BM_pickLine)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
