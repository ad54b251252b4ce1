// Graduation passes on 400 x 320 (L = 60, R = 320, T = 16, B = 256, small = 4.8): every value
// whose label or marks can show is drawn wherever the start lies (labels only while no more show
// than the axis has pixels), compared with the values and small-mark pixels worked out
// arithmetically here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "render/RenderScene.h"

using namespace render_test;

namespace {

struct Axis {
    double lo, hi, start, step;
    int nsmall;
    float zoom;
};

struct Expected {
    std::multiset<std::string> labels;
    std::set<int> small; // pixel of each small mark along the axis
};

// Values of both passes and their small marks, on an axis whose pixels run from edge toward
// edge + dir * length as values run from lo to hi, zoomed from the low end.
Expected expected(const Axis& a, double edge, double length, int dir) {
    Expected e;
    const double perUnit = length / (a.hi - a.lo) * a.zoom;
    const auto pixel = [&](double u) { return edge + dir * (u - a.lo) * perUnit; };
    const auto inside = [&](double p, bool strict) {
        const double d = (p - edge) * dir;
        return strict ? 0 < d && d < length : 0 <= d && d <= length;
    };
    for (int pass : {1, -1}) {
        const double near = pass > 0 ? a.lo : a.hi, far = pass > 0 ? a.hi : a.lo;
        double i = std::max(0.0, std::ceil((near - a.start) * pass / a.step) - 1);
        for (double v; (v = a.start + pass * i * a.step) * pass <= far * pass; ++i) {
            char text[32];
            std::snprintf(text, sizeof text, "%d", int(v));
            if ((v - a.lo) * (v - a.hi) <= 0 && inside(pixel(v), false)) e.labels.insert(text);
            for (int j = 1; j < a.nsmall; ++j) {
                const double p = pixel(v + pass * j * a.step / a.nsmall);
                if (inside(p, true)) e.small.insert(int(std::floor(p + 0.5)));
            }
        }
    }
    if (double(e.labels.size()) > length + 1) e.labels.clear(); // more labels than pixels
    return e;
}

Expected drawn(const Surface& s, bool vertical) {
    Expected d;
    for (const TraceCall& c : s.sink.calls()) {
        char* end = nullptr;
        if (c.name == "TextOut" && !c.args[2].empty() &&
            (std::strtol(c.args[2].c_str(), &end, 10), *end == 0))
            d.labels.insert(c.args[2]);
        if (c.name == "LineTo" && !vertical && c.arg(1) == 251) d.small.insert(c.arg(0));
        if (c.name == "LineTo" && vertical && c.arg(0) == 65) d.small.insert(c.arg(1));
    }
    return d;
}

} // namespace

TEST(Graduation, EveryVisibleValueIsDrawnHoweverFarTheStartLies) {
    const Axis axes[] = {
        {20000, 20010, 0, 1, 5, 1},   // start left at 0 on an axis far from it
        {1e6, 1e6 + 10, 0, 1, 5, 1},  // a million steps below: the pass jumps
        {0.4, 10.4, 2e6, 1, 5, 1},    // two million above: the backward pass jumps
        {0.4, 10.4, 5, 3, 2, 1},      // both passes, small marks before the lowest value
        {0, 19999, 0, 1, 5, 1000},    // zoomed: only the first twenty values show
        {0, 19999, 7, 1, 5, 1000},    // the same with a start inside the visible part
        {-5e6, 5e6, 0.5, 0.25, 4, 1}, // too many marks can show: none are drawn
        {0, 200, 0, 1, 2, 1},         // 201 labels, fewer than the pixels: all drawn
        {0, 300, 0, 1, 2, 1},         // 301 labels, more than the pixels: marks alone
    };
    for (bool vertical : {false, true})
        for (const Axis& a : axes) {
            SCOPED_TRACE(testing::Message()
                         << "vertical " << vertical << " lo " << a.lo << " start " << a.start);
            Scene scene({GraphSpec{{{{0, 0}, {1, 1}}}}}, 400, 320);
            GcGraph& g = scene.graphs[0];
            // The other axis graduates nothing visible.
            g.vlargeGradStart = g.hlargeGradStart = -5, g.vlargeGradStep = g.hlargeGradStep = 100;
            if (vertical) {
                g.vmin = a.lo, g.vmax = a.hi, g.vlargeGradStart = a.start;
                g.vlargeGradStep = a.step, g.vsmallGrad = a.nsmall;
                scene.r.zoomScale[1] = a.zoom;
            } else {
                g.hmin = a.lo, g.hmax = a.hi, g.hlargeGradStart = a.start;
                g.hlargeGradStep = a.step, g.hsmallGrad = a.nsmall;
                scene.r.zoomScale[0] = a.zoom;
            }
            Surface s(400, 320);
            s.draw(scene.r);
            const Expected want = a.lo == -5e6 ? Expected{}
                                  : vertical   ? expected(a, 256, 240, -1)
                                               : expected(a, 60, 260, 1);
            const Expected got = drawn(s, vertical);
            EXPECT_EQ(got.labels, want.labels);
            EXPECT_EQ(got.small, want.small);
            EXPECT_TRUE(a.lo == -5e6 || want.small.size() >= 4u);
        }
}

// Both axes with 99,991 values on some 250 pixels, just under the mark limit: no labels, and each
// pass draws the marks of each pixel once, so the drawing stays quick.
TEST(Graduation, CrowdedAxesDrawEachMarkPixelOncePerPassAndNoLabels) {
    Scene scene({GraphSpec{{{{0, 0}, {1, 1}}}, 0, 99990, 0, 99990}}, 400, 320);
    scene.graphs[0].vlargeGradStep = scene.graphs[0].hlargeGradStep = 1;
    Surface s(400, 320);
    s.draw(scene.r);
    int lines = 0, labels = 0;
    for (const TraceCall& c : s.sink.calls()) {
        lines += c.name == "LineTo";
        labels += c.name == "TextOut" && std::isdigit(static_cast<unsigned char>(c.args[2][0]));
    }
    EXPECT_EQ(labels, 0);
    EXPECT_GT(lines, 2 * 240);
    EXPECT_LT(lines, 4 * 2 * 262);
}
