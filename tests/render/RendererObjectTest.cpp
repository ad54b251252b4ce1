#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "render/RenderScene.h"

using namespace render_test;

TEST(RenderObject, BackgroundViewportAndClear) {
    Renderer r;
    r.setBackground(Renderer::BKTYPE(7)); // unknown: black
    EXPECT_EQ(r.getBackground(), Renderer::BK_BLACK);
    r.zoomScale[0] = 3.0f;
    r.init(640, 480); // keeps the zoom
    EXPECT_EQ(Ints(r.viewport, r.viewport + 4), (Ints{0, 0, 640, 480}));
    EXPECT_EQ(r.zoomScale[0], 3.0f);
    Canvas c(20, 10);
    RECT rect{2, 2, 8, 6};
    r.setBackgroundWhite();
    r.clear(&c.dc, &rect);
    EXPECT_EQ(c.dc.GetPixel(7, 5), RGB(255, 255, 255));
    EXPECT_EQ(c.dc.GetPixel(8, 6), RGB(0, 0, 0));
}

// Under the sanitizers a list freed twice, or never, fails the run.
TEST(RenderObject, CommentListGoesWithTheLastRendererPointingAtIt) {
    auto* host = new CommentList;
    host->add("kept", LOGFONTA{}, RGB(255, 0, 0), CPoint(4, 4));
    auto* source = new Renderer;
    delete source->comments; // the host replaces the renderer's own list with its own
    source->comments = host;
    Renderer copy(*source), assigned; // assigned frees its own list when it takes the shared one
    assigned = copy;
    EXPECT_TRUE(copy.comments == host && assigned.comments == host);
    Surface a, b;
    source->drawComments(&a.dc);
    copy.drawComments(&b.dc);
    EXPECT_FALSE(a.sink.lines().empty());
    EXPECT_EQ(a.sink.lines(), b.sink.lines());
    delete source;
    EXPECT_EQ(assigned.comments->count, 1);
    Renderer none;
    delete none.comments;
    none.comments = nullptr; // a renderer without a list goes quietly
}

TEST(RenderZoom, RectangleBecomesThePlotAreaAndBadOnesAreRefused) {
    Scene s({GraphSpec{{{{0, 0}, {1, 1}}}}}, 1000, 400); // plot x 150..800, y 20..320
    Renderer& r = s.r;
    const auto state = [&] {
        return std::vector<float>{r.zoomScale[0], r.zoomScale[1], r.zoomOffset[0], r.zoomOffset[1]};
    };
    r.zoomGraph(800, 20, 150, 320);
    EXPECT_EQ(state(), (std::vector<float>{1, 1, 0, 0}));
    r.zoomGraph(280, 245, 605, 95); // away from every edge
    EXPECT_EQ(state(), (std::vector<float>{2, 2, -130, -75}));
    r.resetGraph();
    r.zoomGraph(475, 170, 800, 320);
    EXPECT_EQ(state(), (std::vector<float>{2, 2, -325, 0}));

    using Rect = std::array<float, 4>;
    for (auto [x1, y1, x2, y2] :
         {Rect{300, 100, 300, 200}, Rect{300, 100, 400, 100}, Rect{std::nanf(""), 100, 400, 200},
          Rect{300, 100, 400, INFINITY}, Rect{1e-38f, 100, 0, 200}}) {
        r.zoomGraph(x1, y1, x2, y2);
        EXPECT_EQ(state(), (std::vector<float>{2, 2, -325, 0}));
    }
    for (int i = 0; i < 200; ++i) r.zoomGraph(150, 20, 151, 21);
    for (float v : state()) EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(state()[0] > 0 && state()[1] > 0);
    r.resetGraph();
    EXPECT_EQ(state(), (std::vector<float>{1, 1, 0, 0}));

    r.deleteGraph();
    r.zoomGraph(475, 170, 800, 320);
    EXPECT_EQ(state(), (std::vector<float>{1, 1, 0, 0}));
}
