// Series culling, runs and clipping, and what drawGraph does with input it cannot map.
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

TEST(RenderSeries, CulledSegmentsEndRunsAndNothingJoinsThem) {
    // P2..P4 lie above the strip: P2-P3 and P3-P4 are culled, P0..P2 and P4..P6 drawn. Series of
    // one vertex or none draw nothing, not even their mark; a segment across the strip stays.
    const std::vector<Vertex2D> above = {{0, .5}, {1, .5}, {2, 2}, {3, 3},
                                         {4, 2},  {5, .5}, {6, .5}};
    Scene scene({GraphSpec{{above, {{.5, .5}}, {}, {{-1, .5}, {7, .5}}}, 0, 1, 0, 6}});
    scene.line(0, 1).markType = scene.line(0, 2).markType = 1;
    Surface s;
    s.draw(scene.r);
    const Lines runs = s.polylines(10);
    EXPECT_EQ(Lines(runs.begin(), runs.end() - 1),
              (Lines{"3,60 128;103 128;147 -210", "3,233 -210;277 128;320 128"}));
    EXPECT_EQ(s.polylines(11).size() + s.polylines(12).size(), 2u); // legend samples only
    EXPECT_TRUE(s.sink.lines({"Ellipse"}).empty());
    EXPECT_EQ(s.polylines(13).at(0), "2,17 128;363 128");
}

TEST(RenderSeries, NonFiniteVerticesBreakTheLineAndFarOnesKeepTheVisibleSlope) {
    const std::vector<Vertex2D> broken = {{0, .2},  {.25, .4}, {notNumber, .5},
                                          {.5, .4}, {.75, .4}, {.8, infinity},
                                          {.9, .3}, {1, .2},   {-infinity, .3}};
    Scene scene({GraphSpec{{broken}}});
    Surface s;
    s.draw(scene.r);
    EXPECT_EQ(s.polylines(10), (Lines{"2,60 195;125 150", "2,190 150;255 150", "2,294 173;320 195",
                                      "2,344 19;362 19"}));

    Scene bars({GraphSpec{{{{0, .3}, {notNumber, .5}, {.5, .4}, {1, infinity}, {infinity, .2}}}}});
    bars.cfg.changeHistFromTo();
    s.draw(bars.r);
    EXPECT_EQ(s.polylines(10).front(), "5,190 150;190 240;320 240;320 150;190 150");
    EXPECT_EQ(s.polylines(10).size(), 2u);

    // From (60, 150) with 225 / 260 pixels up per pixel right, whatever the far end.
    Scene farEnd({GraphSpec{{{{0, .4}, {1e300, 1e300}}}}});
    Surface f;
    f.draw(farEnd.r);
    const Pixels cut = within(f.drawn(RGB(10, 0, 0)), 60, 15, 320, 240);
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
