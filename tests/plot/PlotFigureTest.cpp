// The plotter's picture as a user reads it: the title stands horizontally above the plot, and
// every legend name is whole inside the picture, whatever its size.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <ploxen/render/PlotLayout.h>

#include "PlotFigure.h"
#include "render/RenderScene.h"

namespace {

using render_test::Surface;

// Two stacked graphs, the lower one with the long series name.
std::vector<CsvGraph> pressureData() {
    std::vector<CsvGraph> graphs(2);
    graphs[0].series = {{"pressure_kPa", {{0, 101}, {1, 99}, {2, 104}}}, {"t", {{0, 1}, {2, 3}}}};
    graphs[1].series = {{"flow", {{0, 5}, {1, 7}, {2, 6}}}};
    return graphs;
}

struct Picture {
    PlotFigure figure;
    Surface surface;
    Renderer renderer;

    Picture(const PlotOptions& o) : figure(pressureData(), o), surface(o.width, o.height) {
        renderer.set(&figure.config());
        renderer.setViewport(0, 0, o.width, o.height);
        renderer.setBackgroundWhite();
        surface.draw(renderer);
        drawTitle(&surface.dc, renderer, o.title);
    }
};

TEST(PlotFigure, TitleStandsHorizontallyCentredAboveThePlot) {
    for (auto [w, h] : {std::pair{1200, 900}, std::pair{400, 300}, std::pair{300, 1000}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        PlotOptions o;
        o.title = "Run 7: pressure against time", o.width = w, o.height = h;
        Picture p(o);
        EXPECT_STREQ(p.figure.config().vtitle, ""); // no rotated title at the top left
        int height = 0, width = 0, escapement = -1; // of the font the title is drawn in
        for (const TraceCall& c : p.surface.sink.calls()) {
            if (c.name == "SelectObject")
                std::sscanf(c.args[0].c_str(), "font(%d,%d,%d", &height, &width, &escapement);
            if (c.name == "TextOut" && c.args[2] == o.title) break;
        }
        EXPECT_EQ(escapement, 0);
        const auto texts = p.surface.texts(o.title);
        ASSERT_EQ(texts.size(), 1u);
        const render_test::DrawnText t = texts[0];
        const PlotRect plot(p.renderer.viewport, p.figure.config());
        // Above the frame, with room of half its height above and below it.
        EXPECT_GE(t.y, t.h / 2 - 1);
        EXPECT_LE(t.y + t.h + t.h / 2 - 1, plot.T);
        EXPECT_GE(t.x, 0);
        EXPECT_LE(t.x + t.w, w);
        EXPECT_NEAR(t.x + t.w / 2.0, (plot.L + plot.R) / 2, 1.0);
    }
}

TEST(PlotFigure, LegendNamesAreWholeInsideThePicture) {
    for (auto [w, h] : {std::pair{1200, 900}, std::pair{1250, 1200}, std::pair{1200, 1250},
                        std::pair{640, 480}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        PlotOptions o;
        o.width = w, o.height = h;
        Picture p(o);
        const auto texts = p.surface.texts("pressure_kPa");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_LT(texts[0].x + texts[0].w, w);
    }
}

} // namespace

// --logx and --logy widen the ranges of the values above zero to whole decades on every graph;
// --time-x marks graph 0's axis, the one drawn, as times.
TEST(PlotFigure, LogarithmicAndTimeAxesReachEveryGraph) {
    std::vector<CsvGraph> graphs(2);
    graphs[0].series = {{"gain", {{20, 0.5}, {0, 3}, {3000, 0.002}}}};
    graphs[1].series = {{"phase", {{50, -1}, {700, 45}}}};
    PlotOptions o;
    o.logX = o.logY = true;
    o.format.timeX = true;
    PlotFigure figure(graphs, o);
    const GcGraph* g = figure.config().getGraph();
    for (int k = 0; k < 2; ++k) {
        EXPECT_TRUE(g[k].getLogH() && g[k].getLogV() && g[k].getTimeH()) << k;
        EXPECT_EQ(g[k].hmin, 10);
        EXPECT_EQ(g[k].hmax, 10000);
    }
    EXPECT_EQ(g[0].vmin, 0.001);
    EXPECT_EQ(g[0].vmax, 10);
    EXPECT_EQ(g[1].vmin, 10);
    EXPECT_EQ(g[1].vmax, 100);
}
