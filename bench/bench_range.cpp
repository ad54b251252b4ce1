// Axis ranges from the data: one series of ten million vertices scanned for its extremes.
#include "model/GcGraph.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

#include "PerVertex.h"

namespace {

constexpr int vertexCount = 10'000'000;

struct Data {
    std::vector<Vertex2D> vertices;
    GcGLine line;
    GcGraph graph;

    Data() : vertices(vertexCount) {
        for (int i = 0; i < vertexCount; ++i)
            vertices[i] = {i * 0.001, std::sin(i * 0.001) * 1234.5};
        line.nvertex = vertexCount;
        line.vertex = vertices.data();
        graph.setGLine(1, &line);
    }
};

Data& data() {
    static Data d;
    return d;
}

void BM_setAutoVminVmax(benchmark::State& state) {
    GcGraph& graph = data().graph;
    for (auto _ : state) {
        graph.setAutoVminVmax();
        benchmark::DoNotOptimize(graph.vmin);
        benchmark::DoNotOptimize(graph.vmax);
    }
    state.counters["time/vertex"] = perVertex(vertexCount);
}
BENCHMARK(BM_setAutoVminVmax)->Unit(benchmark::kMillisecond);

void BM_setAutoHminHmax(benchmark::State& state) {
    GcGraph& graph = data().graph;
    for (auto _ : state) {
        graph.setAutoHminHmax();
        benchmark::DoNotOptimize(graph.hmin);
        benchmark::DoNotOptimize(graph.hmax);
    }
    state.counters["time/vertex"] = perVertex(vertexCount);
}
BENCHMARK(BM_setAutoHminHmax)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
