// CSV export of one graph with four series of a million vertices each, against a plain fprintf
// loop that writes the same text to the same sink. Prints the ratio of the two times at the end.
#include "model/GcGraph.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int seriesCount = 4;
constexpr int vertexCount = 1'000'000;
constexpr const char* sink = "/dev/null";

struct Data {
    std::vector<Vertex2D> vertices[seriesCount];
    GcGLine lines[seriesCount];
    GcGraph graph;
    long bytes = 0; // length of the text written

    Data() {
        for (int s = 0; s < seriesCount; ++s) {
            vertices[s].resize(vertexCount);
            for (int i = 0; i < vertexCount; ++i)
                vertices[s][i] = {i * 0.001, std::sin(i * 0.001 + s) * 1234.5};
            lines[s].nvertex = vertexCount;
            lines[s].vertex = vertices[s].data();
            std::snprintf(lines[s].name, sizeof lines[s].name, "series %d", s);
        }
        graph.setGLine(seriesCount, lines);
        std::snprintf(graph.vtitle, sizeof graph.vtitle, "Voltage");
        std::snprintf(graph.htitle, sizeof graph.htitle, "Time");
        FILE* file = std::tmpfile();
        graph.writeCsv(file);
        bytes = std::ftell(file);
        std::fclose(file);
    }
};

const Data& data() {
    static const Data d;
    return d;
}

void fprintfCsv(const GcGraph& graph, FILE* out) {
    for (int s = 0; s < graph.nline; ++s)
        std::fprintf(out, "%s,%s - %s,", graph.htitle, graph.vtitle, graph.line[s].name);
    std::fputc('\n', out);
    for (int r = 0; r < vertexCount; ++r) {
        for (int s = 0; s < graph.nline; ++s)
            std::fprintf(out, "%g,%g,", graph.line[s].vertex[r].x, graph.line[s].vertex[r].y);
        std::fputc('\n', out);
    }
}

void BM_writeCsv(benchmark::State& state) {
    const Data& d = data();
    FILE* out = std::fopen(sink, "w");
    for (auto _ : state) d.graph.writeCsv(out);
    std::fclose(out);
    state.SetBytesProcessed(state.iterations() * d.bytes);
}
BENCHMARK(BM_writeCsv)->Unit(benchmark::kMillisecond);

void BM_fprintf(benchmark::State& state) {
    const Data& d = data();
    FILE* out = std::fopen(sink, "w");
    for (auto _ : state) fprintfCsv(d.graph, out);
    std::fclose(out);
    state.SetBytesProcessed(state.iterations() * d.bytes);
}
BENCHMARK(BM_fprintf)->Unit(benchmark::kMillisecond);

// Console output as usual, keeping each benchmark's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto csv = reporter.times.find("BM_writeCsv");
    const auto plain = reporter.times.find("BM_fprintf");
    if (csv != reporter.times.end() && plain != reporter.times.end())
        std::printf("ratio fprintf/writeCsv: %.2f\n", plain->second / csv->second);
}
