// 1,200 random drawings (pen styles and widths, marks, histograms, zoom, stacked and superposed
// graphs, dense columns, NaN, infinite and huge values), hashed pixel by pixel together with
// the device calls each makes. The stored hash was taken from a renderer that drew every segment
// as it came; any change to what reaches the screen changes it. Point lists of Polyline calls
// are left out of the hash: the renderer may drop points that do not change the pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "render/RenderScene.h"

using namespace render_test;

namespace {

struct Fnv {
    std::uint64_t h = 14695981039346656037ull;
    void add(const void* data, size_t n) {
        for (size_t i = 0; i < n; ++i)
            h = (h ^ static_cast<const unsigned char*>(data)[i]) * 1099511628211ull;
    }
};

struct Random {
    std::mt19937_64 rng;
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }
    int pick(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
    bool chance(double p) { return uniform(0, 1) < p; }
    // Mostly ordinary values, now and then one that is not finite or far out.
    double value(double a, double b) {
        if (!chance(0.01)) return uniform(a, b);
        const double odd[] = {notNumber, infinity, -infinity, 1e300, -1e300, 1e12};
        return odd[pick(0, 5)];
    }
};

std::vector<Vertex2D> series(Random& r) {
    const int n = r.pick(0, 1) ? r.pick(2, 60) : r.pick(200, 1500);
    const bool monotone = r.chance(0.7);
    const double wiggle = r.uniform(0.01, 1), period = r.uniform(1, 500);
    std::vector<Vertex2D> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double x = monotone ? -0.2 + 1.4 * i / n : r.uniform(-0.3, 1.3);
        const double y = 0.5 + 0.4 * std::sin(i / period) + wiggle * r.uniform(-0.5, 0.5);
        v[size_t(i)] = {r.chance(0.995) ? x : r.value(-1, 2), r.chance(0.995) ? y : r.value(-1, 2)};
    }
    return v;
}

std::uint64_t drawAll(int count) {
    Fnv hash;
    Random r{std::mt19937_64(2026)};
    for (int d = 0; d < count; ++d) {
        std::vector<GraphSpec> specs(size_t(r.pick(1, 3)));
        for (GraphSpec& g : specs) {
            g.lines.resize(size_t(r.pick(1, 2)));
            for (auto& l : g.lines) l = series(r);
            g.vmin = r.uniform(-0.2, 0.3), g.vmax = r.uniform(0.7, 1.2);
        }
        Scene scene(specs, r.pick(60, 260), r.pick(50, 200));
        scene.cfg.superpose = r.chance(0.3);
        scene.cfg.singleVaxis = r.chance(0.5);
        scene.cfg.type = GcGraphConfig::TYPE(r.chance(0.85) ? 0 : r.pick(1, 2));
        for (auto& lines : scene.lines)
            for (GcGLine& l : lines) {
                l.lineStyle = r.chance(0.6) ? 0 : r.pick(-1, 4);
                l.lineWidth = r.chance(0.7) ? r.pick(0, 1) : r.pick(2, 3);
                l.markType = r.chance(0.8) ? -1 : r.pick(0, 15);
            }
        if (r.chance(0.4)) {
            scene.r.zoomScale[0] = float(r.uniform(0.5, 40)),
            scene.r.zoomScale[1] = float(r.uniform(0.5, 8));
            scene.r.zoomOffset[0] = float(r.uniform(-300, 50)),
            scene.r.zoomOffset[1] = float(r.uniform(-100, 50));
        }
        Surface s(scene.r.viewport[2], scene.r.viewport[3]);
        s.draw(scene.r);
        for (const TraceCall& c : s.sink.calls()) {
            const std::string line = c.name == "Polyline" ? c.name : c.str();
            hash.add(line.data(), line.size());
        }
        const std::vector<COLORREF> pixels = s.pixels();
        hash.add(pixels.data(), pixels.size() * sizeof(COLORREF));
    }
    return hash.h;
}

} // namespace

TEST(DrawingHash, RandomDrawingsKeepEveryPixelAndCall) {
    const std::uint64_t h = drawAll(1200);
    EXPECT_EQ(h, 0x4b87bcbe33ede20eull) << std::hex << h;
}
