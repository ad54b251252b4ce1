// Repaints that scroll: a following view's picture, repainted on one device again and again while
// its indexed lines grow, must have the pixels of a full drawing of the same state every time.
// Random viewports, stacked and superposed graphs, pen widths, graduation marks that move with
// the range, vertices on the boundaries between pixel columns (where the moved mapping may round
// them the other way), in-place changes, NaN and far values, a line that stops being sorted, a
// pan back.
#include <gtest/gtest.h>

#include <random>

#include "render/PlotLayout.h"
#include "render/RenderScene.h"

using namespace render_test;

namespace {

struct Random {
    std::mt19937_64 rng;
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }
    int pick(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
    bool chance(double p) { return uniform(0, 1) < p; }
};

std::vector<COLORREF> fullDrawing(Renderer& r, int w, int h) {
    Canvas c(w, h);
    const RECT all = {0, 0, w, h};
    r.clear(&c.dc, &all);
    r.drawGraph(&c.dc);
    return c.pixels();
}

} // namespace

TEST(ScrollRepaint, EveryRepaintHasTheFullDrawingsPixels) {
    Random r{std::mt19937_64(3)};
    int scrolled = 0, repaints = 0;
    for (int d = 0; d < 24; ++d) {
        const int ngraphs = r.pick(1, 2), w = r.pick(250, 700), h = r.pick(200, 500);
        std::vector<GraphSpec> specs(static_cast<size_t>(ngraphs));
        for (GraphSpec& s : specs) s.lines.resize(size_t(r.pick(1, 2)));
        Scene scene(specs, w, h);
        scene.cfg.superpose = ngraphs == 2 && r.chance(0.5);
        double dt = 1.0 / r.pick(1, 5000), span = dt * r.pick(200, 40000), x0 = 0;
        if (d % 3 == 1) { // every other vertex on a boundary between two pixel columns
            const PlotLayout lay(scene.r.viewport, scene.r.zoomScale, scene.r.zoomOffset,
                                 scene.cfg);
            const double column = span / lay.pw;
            dt = column / 2, x0 = (0.5 - (lay.L - std::floor(lay.L))) * column;
        }
        for (auto& lines : scene.lines)
            for (GcGLine& l : lines) {
                l.lineWidth = r.chance(0.6) ? 1 : r.pick(2, 6);
                l.setIndexed(1);
            }
        for (GcGraph& g : scene.graphs) g.vmin = -1.2, g.vmax = 1.2;
        GcGraph& g0 = scene.graphs[0];
        g0.setHminHmax(0, span);
        g0.setAutoHgrad();
        Canvas view(w, h);
        const RECT all = {0, 0, w, h};
        double t = 0;
        int i = 0;
        for (int step = 0; step < 40; ++step) {
            // Every line gets the same new instants; now and then one changes its last values.
            // At first about a view's worth, so that the view soon follows.
            const int k = step == 0 ? int(span / dt * r.uniform(0.5, 1.5))
                                    : r.pick(0, int(span / dt / r.pick(20, 200)));
            for (size_t l = 0; l < scene.vertices.size(); ++l) {
                std::vector<Vertex2D>& v = scene.vertices[l];
                v.reserve(600000);
                for (int j = 0; j < k; ++j) {
                    const double odd =
                        d % 4 == 3 && r.chance(1e-4) ? (r.chance(0.5) ? NAN : 1e300) : 0;
                    v.push_back(
                        {x0 + (i + j) * dt, std::sin((i + j) * dt * 6 / span + double(l)) * 0.9 +
                                                r.uniform(-0.1, 0.1) + odd});
                }
            }
            i += k, t = i * dt;
            for (size_t l = 0, gi = 0; gi < scene.lines.size(); ++gi)
                for (GcGLine& line : scene.lines[gi]) {
                    std::vector<Vertex2D>& v = scene.vertices[l++];
                    int from = line.nvertex;
                    if (r.chance(0.1) && !v.empty()) { // the newest values corrected
                        from = std::max(0, int(v.size()) - r.pick(1, 50));
                        for (size_t j = size_t(from); j < v.size(); ++j) v[j].y *= -0.5;
                    }
                    line.vertex = v.data(), line.nvertex = int(v.size());
                    line.changed(from);
                }
            if (step == 30 && d % 4 == 1) { // goes back in time once: no longer sorted
                scene.vertices[0].back().x = -1;
                scene.line(0, 0).changed(scene.line(0, 0).nvertex - 1);
            }
            if (step == 20 && d % 3 == 0) // the user pans back a little
                g0.setHminHmax(g0.hmin - span / 7, g0.hmax - span / 7);
            else if (!scene.r.followGraph(t))
                g0.setHminHmax(std::max(0.0, t - span), std::max(t, span));
            g0.setAutoHgrad();
            if (step % 10 == 5) g0.hsmallGrad = 7; // other small marks for one repaint
            if (step == 35 && d % 5 == 2) scene.line(0, 0).setIndexed(0);
            scrolled += scene.r.repaintGraph(&view.dc, &all);
            ++repaints;
            ASSERT_TRUE(view.pixels() == fullDrawing(scene.r, w, h))
                << "scene " << d << " step " << step;
        }
    }
    // Most repaints were scrolls, or this test would not be testing them.
    EXPECT_GT(scrolled, repaints / 2) << scrolled << " of " << repaints;
}
