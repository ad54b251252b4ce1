// Builds a random configuration from the fuzzer's bytes (ranges, steps, margins, types,
// superposition, zoom, non-finite and huge values, empty and one-vertex series), then draws
// it, picks in it and writes its CSV into memory.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "../draw/Canvas.h"
#include "render/Renderer.h"

namespace {

double anyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return in.ConsumeBool() ? HUGE_VAL : -HUGE_VAL;
    case 2:
        return in.ConsumeBool() ? 1e300 : -1e300;
    case 3:
        return in.ConsumeBool() ? 1e-300 : 0.0;
    case 4:
        return in.ConsumeFloatingPoint<double>();
    default:
        return in.ConsumeFloatingPointInRange(-1000.0, 1000.0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int ngraph = in.ConsumeIntegralInRange(0, 3);
    std::vector<GcGraph> graphs(size_t(std::max(ngraph, 1)));
    std::vector<std::vector<GcGLine>> lines(graphs.size());
    std::vector<std::vector<Vertex2D>> vertices;
    vertices.reserve(16);
    for (size_t g = 0; g < graphs.size(); ++g) {
        const int nline = in.ConsumeIntegralInRange(0, 3);
        for (int l = 0; l < nline; ++l) {
            int n = in.ConsumeIntegralInRange(0, 40);
            vertices.emplace_back(size_t(n));
            for (Vertex2D& v : vertices.back()) v = {anyDouble(in), anyDouble(in)};
            int color[3] = {in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                            in.ConsumeIntegral<int>()};
            lines[g].emplace_back(n, vertices.back().data(), color, const_cast<char*>("s"),
                                  in.ConsumeIntegralInRange(-2, 17),
                                  in.ConsumeIntegralInRange(-2, 5),
                                  in.ConsumeIntegralInRange(0, 3));
        }
        GcGraph& graph = graphs[g];
        graph.setGLine(int(lines[g].size()), lines[g].empty() ? nullptr : lines[g].data());
        // Direct field writes as a host may make them, bypassing the setters' repairs.
        graph.vmin = anyDouble(in), graph.vmax = anyDouble(in);
        graph.hmin = anyDouble(in), graph.hmax = anyDouble(in);
        graph.vlargeGradStart = anyDouble(in), graph.vlargeGradStep = anyDouble(in);
        graph.hlargeGradStart = anyDouble(in), graph.hlargeGradStep = anyDouble(in);
        graph.vsmallGrad = in.ConsumeIntegralInRange(-2, 20);
        graph.hsmallGrad = in.ConsumeIntegralInRange(-2, 20);
        const int scales = in.ConsumeIntegralInRange(0, 15); // logarithmic and time axes
        graph.setLogH(scales & 1), graph.setLogV(scales & 2);
        graph.setTimeH(scales & 4), graph.setTimeV(scales & 8);
        graph.setTimeZone(in.ConsumeIntegralInRange(-900, 900));
        if (in.ConsumeBool()) {
            graph.setAutoVminVmax(), graph.setAutoHminHmax(), graph.setAutoVgrad(),
                graph.setAutoHgrad();
        }
    }
    GcGraphConfig config(GcGraphConfig::TYPE(in.ConsumeIntegralInRange(0, 2)));
    config.setGraph(ngraph, graphs.data());
    config.histType = in.ConsumeIntegralInRange(0, 1);
    config.superpose = in.ConsumeIntegralInRange(0, 1);
    config.singleVaxis = in.ConsumeIntegralInRange(0, 1);
    config.setMargin(
        in.ConsumeFloatingPointInRange(-0.2, 1.0), in.ConsumeFloatingPointInRange(-0.2, 1.0),
        in.ConsumeFloatingPointInRange(-0.2, 1.0), in.ConsumeFloatingPointInRange(-0.2, 1.0));

    const int w = in.ConsumeIntegralInRange(1, 300), h = in.ConsumeIntegralInRange(1, 300);
    Canvas picture(w, h);
    Renderer renderer;
    renderer.set(&config);
    renderer.setViewport(in.ConsumeIntegralInRange(-50, 50), in.ConsumeIntegralInRange(-50, 50),
                         in.ConsumeIntegralInRange(0, 400), in.ConsumeIntegralInRange(0, 400));
    if (in.ConsumeBool()) renderer.setBackgroundWhite();
    for (int z = in.ConsumeIntegralInRange(0, 3); z > 0; --z)
        renderer.zoomGraph(float(anyDouble(in)), float(anyDouble(in)), float(anyDouble(in)),
                           float(anyDouble(in)));
    RECT all{0, 0, w, h};
    renderer.clear(&picture.dc, &all);
    renderer.drawGraph(&picture.dc);

    int px = in.ConsumeIntegralInRange(-10, 310), py = in.ConsumeIntegralInRange(-10, 310);
    int graph = -1, line = -1, vertex = -1;
    renderer.pickGraph(&picture.dc, px, py, graph, line, vertex);
    renderer.pickGraph(&picture.dc, px, py, graph, line);

    char* text = nullptr;
    size_t length = 0;
    if (FILE* out = open_memstream(&text, &length)) {
        renderer.writeCsv(out);
        std::fclose(out);
    }
    std::free(text);
    return 0;
}
