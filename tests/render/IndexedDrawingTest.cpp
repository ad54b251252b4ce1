// Indexed lines drawn against the same lines drawn without their index: random series whose x
// never decreases (dense and sparse columns, NaN, infinite and off-strip values), pen styles,
// widths and marks, zooms, logarithmic values; appended to and changed in place and reported with
// changed(), one that stops being sorted, and setIndexed(0). Pixels and device calls must be the
// same (the point lists of Polyline calls aside, as in DrawingHashTest).
#include <gtest/gtest.h>

#include <random>

#include "model/LineIndex.h"
#include "render/RenderScene.h"

using namespace render_test;

namespace {

struct Random {
    std::mt19937_64 rng;
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }
    int pick(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
    bool chance(double p) { return uniform(0, 1) < p; }
    // A wave with noise, now and then a value that is not finite or far out.
    double y(int i, double period) {
        const double odd[] = {notNumber, infinity, -infinity, 1e300, 9};
        if (chance(0.0001)) return odd[pick(0, 4)];
        return 0.5 + 0.4 * std::sin(i / period) + uniform(-0.05, 0.05);
    }
};

// A line's vertices with room to grow in place; x grows by steps that may be zero.
struct Growing {
    std::vector<Vertex2D>* v;
    double x = 0, period = 1, step = 1;
    void append(Random& r, int k, bool backwards = false) {
        for (int i = 0; i < k; ++i) {
            x += r.chance(0.1) ? 0 : step * r.uniform(0.5, 1.5);
            v->push_back(
                {backwards && i == k / 2 ? x * r.uniform(0, 0.9) : x, r.y(int(v->size()), period)});
        }
    }
};

std::string drawn(Scene& scene) {
    Surface s(scene.r.viewport[2], scene.r.viewport[3]);
    s.draw(scene.r);
    std::string out;
    for (const TraceCall& c : s.sink.calls())
        out += (c.name == "Polyline" ? c.name : c.str()) + "\n";
    for (COLORREF p : s.pixels()) out += std::to_string(p) + ",";
    return out;
}

// The scene's drawing with its lines indexed, and with copies of them that are not.
void expectSameAsPlain(Scene& scene, const std::string& what) {
    const auto indexed = drawn(scene);
    std::vector<GcGLine> kept = scene.lines[0];
    for (GcGLine& l : scene.lines[0]) l.setIndexed(0);
    const auto plain = drawn(scene);
    scene.lines[0] = kept;
    ASSERT_TRUE(indexed == plain) << what;
}

} // namespace

TEST(IndexedDrawing, DrawsWhatThePlainPathDrawsThroughAppendsAndChanges) {
    Random r{std::mt19937_64(26)};
    for (int d = 0; d < 60; ++d) {
        const int nlines = r.pick(1, 2);
        Scene scene({GraphSpec{std::vector<std::vector<Vertex2D>>(size_t(nlines))}},
                    r.pick(60, 300), r.pick(50, 220));
        GcGraph& g = scene.graphs[0];
        g.vmin = r.uniform(-0.3, 0.2), g.vmax = r.uniform(0.8, 1.3);
        const bool logY = d % 5 == 4; // where values not above zero are gaps
        std::vector<Growing> grow;
        for (int l = 0; l < nlines; ++l) {
            std::vector<Vertex2D>& v = scene.vertices[size_t(l)];
            v.reserve(260000);
            grow.push_back({&v, 0, r.uniform(1, 3000), 1.0 / r.pick(10, 40000)});
            const bool dense = r.chance(0.5);
            grow.back().append(r, dense ? r.pick(20000, 150000) : r.pick(2, 5000));
            if (r.chance(0.1)) v[0].x = -infinity; // still sorted
            if (logY)
                for (Vertex2D& p : v) p.y -= 0.3;
            GcGLine& line = scene.line(0, l);
            line.vertex = v.data(), line.nvertex = int(v.size());
            line.lineStyle = dense || r.chance(0.5) ? 0 : r.pick(-1, 4);
            line.lineWidth = r.chance(0.7) ? 1 : r.pick(2, 3);
            line.markType = dense || r.chance(0.7) ? -1 : r.pick(0, 15);
            line.setIndexed(1);
        }
        g.hmin = 0, g.hmax = std::max(grow[0].x * r.uniform(1, 1.3), 1e-9); // ends in the plot
        if (logY) g.setLogV(1), g.vmin = 0.01, g.vmax = 2;
        if (r.chance(0.5)) {
            scene.r.zoomScale[0] = float(r.chance(0.5) ? r.uniform(1, 4) : r.uniform(1, 300)),
            scene.r.zoomScale[1] = float(r.chance(0.5) ? 1 : r.uniform(0.5, 4));
            scene.r.zoomOffset[0] = float(-r.uniform(0, 1) * scene.r.viewport[2] * 0.7);
            scene.r.zoomOffset[1] = float(scene.r.zoomScale[1] == 1 ? 0 : r.uniform(-60, 20));
        }
        const std::string at = "drawing " + std::to_string(d);
        expectSameAsPlain(scene, at);
        for (int step = 0; step < 4; ++step) {
            const int l = r.pick(0, nlines - 1);
            GcGLine& line = scene.line(0, l);
            std::vector<Vertex2D>& v = *grow[size_t(l)].v;
            const int n = line.nvertex;
            if (r.chance(0.5)) { // appended, now and then going back once
                grow[size_t(l)].append(r, r.pick(1, 3000), r.chance(0.1));
                line.nvertex = int(v.size());
                line.changed(n);
            } else { // y changed in place from some vertex on
                const int from = r.pick(0, n - 1);
                for (int i = from; i < std::min(n, from + r.pick(1, 200)); ++i)
                    v[size_t(i)].y = r.chance(0.05) ? notNumber : r.y(i, 7) + 0.3;
                line.changed(from);
            }
            expectSameAsPlain(scene, at + " step " + std::to_string(step));
        }
        // No longer indexed: changes need no report.
        GcGLine& line = scene.line(0, 0);
        line.setIndexed(0);
        for (int i = 0; i < line.nvertex; i += 3) line.vertex[i].y = 1 - line.vertex[i].y;
        expectSameAsPlain(scene, at + " after setIndexed(0)");
        ASSERT_EQ(line.index(), nullptr);
    }
}

// The index itself: sortedness as it is extended, extremes of any stretch, and its size.
TEST(IndexedDrawing, IndexKnowsSortednessAndExtremesOfAnyStretch) {
    Random r{std::mt19937_64(7)};
    std::vector<Vertex2D> v;
    for (int i = 0; i < 70000; ++i)
        v.push_back({double(i / 3), r.chance(0.001) ? notNumber : r.uniform(-5, 5)});
    LineIndex ix;
    ix.update(v.data(), 50000, 0);
    EXPECT_TRUE(ix.sorted());
    EXPECT_LT(ix.bytes(), 50000 * sizeof(Vertex2D) / 20);
    for (int k = 0; k < 1000; ++k) {
        const int first = r.pick(0, 49999);
        const int count = r.pick(1, std::min(50000 - first, r.chance(0.7) ? 300 : 50000));
        double lo = v[size_t(first)].y, hi = lo;
        for (int i = first; i < first + count; ++i)
            lo = std::min(lo, v[size_t(i)].y), hi = std::max(hi, v[size_t(i)].y);
        bool nan = false;
        for (int i = first; i < first + count; ++i) nan |= std::isnan(v[size_t(i)].y);
        const LineIndex::YRange y = ix.yRange(first, count);
        if (nan)
            ASSERT_TRUE(std::isnan(y.lo) && std::isnan(y.hi)) << first << " " << count;
        else
            ASSERT_TRUE(y.lo == lo && y.hi == hi) << first << " " << count;
        // Over the finite values alone: exact with room enough, NaN or exact with little.
        double flo = infinity, fhi = -infinity;
        for (int i = first; i < first + count; ++i)
            if (!std::isnan(v[size_t(i)].y))
                flo = std::min(flo, v[size_t(i)].y), fhi = std::max(fhi, v[size_t(i)].y);
        const LineIndex::YRange f = ix.finiteYRange(first, count, 1000),
                                g = ix.finiteYRange(first, count, 1);
        ASSERT_TRUE(f.lo == flo && f.hi == fhi) << first << " " << count;
        ASSERT_TRUE((std::isnan(g.lo) && std::isnan(g.hi)) || (g.lo == flo && g.hi == fhi));
    }
    std::vector<Vertex2D> w(v.size());
    for (Vertex2D& p : w) p = {0, r.chance(0.02) ? r.uniform(5, 6) : r.uniform(-5, 5)};
    LineIndex iw;
    iw.update(w.data(), 50000, 0);
    for (int k = 0; k < 3000; ++k) { // the last y outside [a, b] in first..end-1
        const int end = r.pick(1, 50000);
        const int first = std::max(0, end - (r.chance(0.5) ? r.pick(0, 300) : r.pick(0, 20000)));
        const double a = -5, b = r.uniform(5, 6);
        int last = first - 1;
        for (int i = first; i < end; ++i)
            if (!(w[size_t(i)].y >= a && w[size_t(i)].y <= b)) last = i;
        const auto inside = [&](double lo, double hi) { return lo >= a && hi <= b; };
        ASSERT_EQ(iw.lastOutside(first, end, inside), last) << first << " " << end;
    }
    v[60000].x = -1;
    ix.update(v.data(), 70000, 50000);
    EXPECT_FALSE(ix.sorted());
    v[60000].x = 20000;
    ix.update(v.data(), 70000, 60000);
    EXPECT_TRUE(ix.sorted());
    v[10].x = notNumber;
    ix.update(v.data(), 70000, 10);
    EXPECT_FALSE(ix.sorted());
    ix.update(v.data(), 9, 0);
    EXPECT_TRUE(ix.sorted());
}
