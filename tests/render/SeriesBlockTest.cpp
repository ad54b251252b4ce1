// Long solid one-pixel series whose blocks of vertices fall into single pixel columns, drawn
// against the same series taken segment by segment: every vertex mapped on its own, each
// segment culled or kept, each run's points reduced column by column. The point lists of the
// Polyline calls must be the same, so the pixels are too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "raster/ColumnReducer.h"
#include "render/PlotLayout.h"
#include "render/RenderScene.h"

using namespace render_test;

namespace {

// The mapping of the scene's only graph and its strip's rectangle, [L, R1] x [top, bottom1].
struct Maps {
    AxisMap x, y;
    double L, R1, top, bottom1;
};
Maps mapsOf(const Scene& s) {
    const PlotLayout p(s.r.viewport, s.r.zoomScale, s.r.zoomOffset, s.cfg);
    return {p.hmap(),
            p.vmap(VerticalRange::of(s.graphs[0], false), 0),
            p.L,
            p.R + 1,
            std::max(p.stripTop(0), p.T),
            std::min(p.stripBottom(0), p.B) + 1};
}

// The Polyline point lists of series v, the first of the scene's only graph, as "n,x y;x y;..."
// when drawn segment by segment. Every finite vertex must map within a million pixels of the
// plot (no segment needs cutting).
std::vector<std::string> segmentBySegment(const Scene& scene, const std::vector<Vertex2D>& v) {
    const Maps m = mapsOf(scene);
    std::vector<std::string> out;
    std::string points;
    int count = 0, kept = 0;
    const auto keep = [&](int x, int y) {
        points += (kept++ ? ";" : "") + std::to_string(x) + " " + std::to_string(y);
    };
    ColumnReducer reducer;
    const auto end = [&] {
        reducer.finish(keep);
        if (count >= 2) {
            if (kept == 1) points += ";" + points; // one point repeated: still a call
            out.push_back(std::to_string(std::max(kept, 2)) + "," + points);
        }
        points.clear(), count = kept = 0;
    };
    const auto add = [&](double x, double y) {
        EXPECT_LT(std::fabs(x) + std::fabs(y), 1e6);
        ++count;
        reducer.add(PlotLayout::rnd(x), PlotLayout::rnd(y), keep);
    };
    for (size_t i = 1; i < v.size(); ++i) {
        const Vertex2D a = v[i - 1], b = v[i];
        if (!std::isfinite(a.x + a.y + b.x + b.y)) {
            end();
            continue;
        }
        const double x0 = m.x.toPixel(a.x), y0 = m.y.toPixel(a.y), x1 = m.x.toPixel(b.x),
                     y1 = m.y.toPixel(b.y);
        if ((x0 < m.L && x1 < m.L) || (x0 > m.R1 && x1 > m.R1) || (y0 < m.top && y1 < m.top) ||
            (y0 > m.bottom1 && y1 > m.bottom1)) {
            end();
            continue;
        }
        if (count == 0) add(x0, y0);
        add(x1, y1);
    }
    end();
    return out;
}

// A wave over the whole width, about 770 vertices to a pixel column.
constexpr int dense = 200000;
double waveY(int i) {
    return 0.5 + 0.3 * std::sin(i * 3e-5) + 0.05 * std::sin(i * 1.3);
}

// The value k units in the last place from v.
double ulps(double v, int k) {
    for (; k > 0; --k) v = std::nextafter(v, INFINITY);
    for (; k < 0; ++k) v = std::nextafter(v, -INFINITY);
    return v;
}

struct Case {
    const char* name;
    Vertex2D (*at)(int i, const Maps& m); // vertex i of dense
    double zoom = 1;                      // horizontal zoom, showing the middle of the range
    bool mirrored = false;                // both axes run from 1 down to 0
    double margin = 0;                    // else from -margin to 1 + margin
};

} // namespace

TEST(SeriesBlock, BlocksInOneColumnDrawAsTheirSegments) {
    using M = const Maps&;
    const Case cases[] = {
        {"wave",
         [](int i, M) {
             return Vertex2D{double(i) / dense, waveY(i)};
         }},
        // Runs of vertices a few ulps either side of each column's or row's rounding boundary,
        // in ranges whose reciprocals are inexact.
        {"columns straddled by an ulp",
         [](int i, M m) {
             const double at = m.x.toValue(std::floor(m.x.toPixel(double(i) / dense)) + 0.5);
             return Vertex2D{ulps(at, (i / 37) % 7 - 3), waveY(i)};
         },
         1, false, 0.05},
        {"rows straddled by an ulp",
         [](int i, M m) {
             const double at = m.y.toValue(std::floor(m.y.toPixel(waveY(i))) + 0.5);
             return Vertex2D{double(i) / dense, ulps(at, (i / 11) % 9 - 4)};
         },
         1, false, 0.05},
        {"NaN and infinities inside blocks",
         [](int i, M) {
             Vertex2D p{double(i) / dense, waveY(i)};
             if (i % 997 == 500) (i % 2 ? p.x : p.y) = (i / 997) % 3 ? notNumber : infinity;
             if (i % 997 == 800) p.y = -infinity;
             return p;
         }},
        // Around the top row, the row below the bottom and the plot's left and right edges, an
        // ulp or two either way, and now and then above the top.
        {"strip edges",
         [](int i, M m) {
             const double x = double(i) / dense, k = (i / 13) % 5 - 2;
             const double y = m.y.toValue(i % 3000 < 1500 ? m.top : m.bottom1);
             return Vertex2D{x < 0.02   ? ulps(m.x.toValue(m.L), int(k))
                             : x > 0.98 ? ulps(m.x.toValue(m.R1), int(k))
                                        : x,
                             ulps(y, int(k)) + (i % 101 == 0 ? 0.01 : 0)};
         }},
        {"decreasing x, zoomed",
         [](int i, M) {
             return Vertex2D{1 - double(i) / dense, waveY(i)};
         },
         8},
        {"mirrored axes, zoomed",
         [](int i, M) {
             return Vertex2D{double(i) / dense, waveY(i)};
         },
         8, true},
        // Stretches of 20000 vertices ending in the last column: straight down, straight up,
        // down then up to where they started, and a jump into a row (to values a few ulps past
        // its boundary and inside it by turns, or inside but for one vertex near the end); a NaN
        // vertex after each.
        {"ends on the lowest or highest point of its columns",
         [](int i, M m) {
             const int j = i % 23001, shape = i / 23001 % 4;
             const double t = (j - 20000) / 3000.0;
             if (j < 20000) return Vertex2D{j / 20000.0, waveY(j)};
             if (j == 23000) return Vertex2D{notNumber, 0};
             if (shape == 3) {
                 // The first time inside by turns, the second time inside but for one vertex.
                 const double edge = std::floor(m.y.toPixel(0.9)) + 0.5, at = m.y.toValue(edge);
                 const double inside = at + 0.3 * std::fabs(m.y.toValue(edge + 1) - at);
                 const bool once = i > dense / 2;
                 if (t < 0.5 || (once && j == 22992)) return Vertex2D{1, 0.4};
                 return Vertex2D{1, once || j % 2 ? inside : ulps(at, 10 + j % 40)};
             }
             return Vertex2D{1, shape == 0   ? 0.9 - 0.5 * t
                                : shape == 1 ? 0.4 + 0.5 * t
                                             : 0.4 + 0.5 * std::fabs(1 - 2 * t)};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphSpec spec{{{{0, 0}, {1, 1}}}};
        spec.hmin = spec.vmin = c.mirrored ? 1 : -c.margin;
        spec.hmax = spec.vmax = c.mirrored ? 0 : 1 + c.margin;
        Scene scene({spec});
        scene.r.zoomScale[0] = float(c.zoom);
        scene.r.zoomOffset[0] = float(130 / c.zoom - 130); // the plot is 260 pixels wide
        const Maps m = mapsOf(scene);
        std::vector<Vertex2D> v;
        for (int i = 0; i < dense; ++i) v.push_back(c.at(i, m));
        scene.vertices[0] = v;
        scene.line(0, 0).vertex = scene.vertices[0].data();
        scene.line(0, 0).nvertex = int(v.size());
        // Also from a few vertices on, so that blocks and columns meet elsewhere.
        for (int from : {0, 1, 77}) {
            SCOPED_TRACE(from);
            scene.line(0, 0).vertex = scene.vertices[0].data() + from;
            scene.line(0, 0).nvertex = int(v.size()) - from;
            Surface s;
            s.draw(scene.r);
            std::vector<std::string> runs = s.polylines(10);
            ASSERT_GE(runs.size(), 2u);
            runs.pop_back(); // the legend's sample
            const std::vector<std::string> expected =
                segmentBySegment(scene, {v.begin() + from, v.end()});
            EXPECT_EQ(runs.size(), expected.size());
            for (size_t r = 0; r < std::min(runs.size(), expected.size()); ++r) {
                const auto [a, b] = std::mismatch(runs[r].begin(), runs[r].end(),
                                                  expected[r].begin(), expected[r].end());
                EXPECT_TRUE(a == runs[r].end() && b == expected[r].end())
                    << "run " << r << " differs from " << (a - runs[r].begin()) << ": "
                    << std::string(a, std::min(a + 40, runs[r].end())) << " instead of "
                    << std::string(b, std::min(b + 40, expected[r].end()));
            }
        }
    }
}
