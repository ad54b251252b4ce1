// Far vertices, and what drawGraph does with input it cannot map.
// Viewport 400 x 300, default margins: L = 60, R = 320, T = 15, B = 240.
#include <gtest/gtest.h>

#include <cmath>

#include "render/RenderScene.h"

using namespace render_test;

namespace {

const GraphSpec flat{{{{0, .5}, {1, .5}}}};

Pixels within(const Pixels& all, int x0, int y0, int x1, int y1) {
    Pixels out;
    for (auto [x, y] : all)
        if (x >= x0 && x <= x1 && y >= y0 && y <= y1) out.insert({x, y});
    return out;
}
// Largest vertical distance of the pixels from the line through (x0, y0) with that slope.
double offLine(const Pixels& pixels, double x0, double y0, double slope) {
    double worst = 0;
    for (auto [x, y] : pixels) worst = std::max(worst, std::fabs(y - (y0 + (x - x0) * slope)));
    return worst;
}

} // namespace

// Runs broken by NaN and infinite vertices are in the random-drawing hash.
TEST(RenderSeries, FarVerticesKeepTheVisibleSlope) {
    // From (60, 150) with 225 / 260 pixels up per pixel right, whatever the far end.
    Scene farEnd({GraphSpec{{{{0, .4}, {1e300, 1e300}}}}});
    Surface s;
    s.draw(farEnd.r);
    const Pixels cut = within(s.drawn(RGB(10, 0, 0)), 60, 15, 320, 240);
    ASSERT_FALSE(cut.empty());
    EXPECT_LE(offLine(cut, 60, 150, -225.0 / 260), 1.0);
    EXPECT_EQ(cut.begin()->first, 60);
    EXPECT_GE(cut.rbegin()->first, 214);

    // A bar's far edge comes back to a million pixels beyond the clip rectangle.
    Scene bar({GraphSpec{{{{.5, .4}, {1e300, .3}}}}});
    bar.cfg.changeHistFromTo();
    s.draw(bar.r);
    EXPECT_EQ(s.polylines(10).at(0), "5,190 150;190 240;1000321 240;1000321 150;190 150");

    // Zoomed a billionfold around (0.5, 0.5), which lands on the plot's lower left corner:
    // segments through it show as the plot's diagonal, also from ends at +-1e300.
    const std::vector<Vertex2D> near = {{.5 - 1e-3, .5 - 1e-3}, {.5 + 1e-3, .5 + 1e-3}},
                                far = {{-1e300, -1e300}, {.5, .5}, {1e300, 1e300}};
    for (const std::vector<Vertex2D>& vertices : {near, far}) {
        SCOPED_TRACE(vertices.size());
        Scene zoomed({GraphSpec{{vertices}}});
        zoomed.r.zoomScale[0] = zoomed.r.zoomScale[1] = 1e9f;
        zoomed.r.zoomOffset[0] = -130, zoomed.r.zoomOffset[1] = -112.5;
        Surface z;
        z.draw(zoomed.r);
        const Pixels line = within(z.drawn(RGB(10, 0, 0)), 0, 0, 321, 300);
        ASSERT_GT(line.size(), 200u);
        EXPECT_LE(offLine(line, 60, 240, -225.0 / 260), 1.0);
        EXPECT_GE(line.rbegin()->first, 318);
    }
}

TEST(RenderSeries, UnusableRangesZoomsAndStepsLeaveOutOnlyWhatNeedsThem) {
    Scene scene({flat, GraphSpec{flat.lines, 1, 1}, GraphSpec{flat.lines, 0, notNumber}});
    Surface s;
    s.draw(scene.r);
    EXPECT_EQ(s.polylines(10).size(), 2u);
    EXPECT_EQ(s.polylines(20).size() + s.polylines(30).size(), 2u); // legend samples only
    EXPECT_EQ(s.sink.lines({"SelectClipRgn"}).size(), 5u); // strip 0, three legends, restore

    // Without graph 0's horizontal range: frame, titles, vertical axes and legends only.
    const double ranges[][2] = {{1, 1}, {0, infinity}, {notNumber, 1}};
    for (auto [hmin, hmax] : ranges) {
        scene.graphs[0].hmin = hmin, scene.graphs[0].hmax = hmax;
        s.draw(scene.r);
        EXPECT_EQ(s.polylines(10).size(), 1u);
        EXPECT_EQ(s.texts("0.5").size(), 1u); // graph 0's vertical axis only
        EXPECT_EQ(s.sink.lines({"Polyline"}).at(0), frame);
    }

    Scene one({flat});
    for (float value : {std::nanf(""), INFINITY, 0.0f, -1e30f}) {
        one.r.zoomScale[0] = one.r.zoomScale[1] = one.r.zoomOffset[0] = one.r.zoomOffset[1] = value;
        s.draw(one.r);
        EXPECT_EQ(s.sink.lines({"Polyline"}).at(0), frame);
    }
    one.r.resetGraph();
    GcGraph& g = one.graphs[0];
    for (double step : {0.0, -1.0, notNumber, infinity, 1e-9}) {
        g.hlargeGradStep = g.vlargeGradStep = step;
        s.draw(one.r);
        EXPECT_EQ(s.textsOnRow(), (Lines{"", "", "", "g0s0"})) << step; // titles and legend
    }
    g.vlargeGradStep = 0.5, g.hlargeGradStep = 0.5, g.hsmallGrad = 1000000000;
    s.draw(one.r);
    EXPECT_EQ(s.textsOnRow().size(), 4u + 4u); // vertical 0, 0.5, 1, 0 only

    // A step too small to change the value ends each pass after its first value.
    g.hmin = g.hlargeGradStart = 1e20, g.hmax = 1e20 + 65536, g.hlargeGradStep = 1,
    g.hsmallGrad = 1;
    one.vertices[0] = {{1e20, .5}, {1e20 + 65536, .5}};
    one.line(0, 0).vertex = one.vertices[0].data();
    s.draw(one.r);
    EXPECT_EQ(s.textsOnRow(242), (Lines{"1", "1"}));
}
