// drawGraph on a 400 x 300 viewport with the default margins: L = 60, R = 320, T = 15, B = 240,
// pw = 260, ph = 225, lm = 60, rm = 80, bm = 60, tm = 15, big = 9, small = 4.5, sample = 18.
#include <gtest/gtest.h>

#include <algorithm>

#include "render/RenderScene.h"

using namespace render_test;

namespace {

// Whether the one-segment line (x1, y1)-(x2, y2) was drawn.
bool hasMark(const Surface& s, int x1, int y1, int x2, int y2) {
    char seg[2][32];
    std::snprintf(seg[0], sizeof seg[0], "MoveTo(%d,%d)", x1, y1);
    std::snprintf(seg[1], sizeof seg[1], "LineTo(%d,%d)", x2, y2);
    const Lines m = s.sink.lines({"MoveTo", "LineTo"});
    return std::search(m.begin(), m.end(), seg, seg + 2) != m.end();
}

struct OneGraph : Scene {
    OneGraph() : Scene({GraphSpec{{{{0, 0}, {0.5, 0.8}, {1, 0.2}}}, 0, 1, 0, 1, "Volt"}}) {
        std::snprintf(cfg.htitle, sizeof cfg.htitle, "Time");
        std::snprintf(cfg.vtitle, sizeof cfg.vtitle, "Top");
    }
};

} // namespace

TEST(RenderDraw, TitlePositionsExponentMarkAndWhiteFrame) {
    OneGraph scene;
    Surface s;
    s.draw(scene.r);
    const DrawnText time = s.texts("Time").at(0), top = s.texts("Top").at(0);
    const DrawnText volt = s.texts("Volt").at(0), name = s.texts("g0s0").at(0);
    EXPECT_EQ(time.at(), At(190 - time.w / 2, 270 - time.h / 2));
    EXPECT_EQ(top.at(), At(30, 8 - top.h / 2));
    EXPECT_EQ(volt.at(), At(18 - volt.h / 2, 128 + volt.w / 2));
    EXPECT_EQ(name.at(), At(364, 15));

    // An exponent mark when the labels are scaled.
    GcGraph& g = scene.graphs[0];
    g.hmax = 0.5, g.hlargeGradStep = 0.1;
    g.vmax = 1000, g.vlargeGradStep = 200; // n = 3 but whole numbers: no mark
    s.draw(scene.r);
    EXPECT_EQ(s.textsOnRow(242), (Lines{"0", "1", "2", "3", "4", "5", "0"}));
    ASSERT_EQ(s.texts("x10").size(), 1u);
    const DrawnText x10 = s.texts("x10")[0], e = s.texts("-1").at(0);
    EXPECT_EQ(x10.at(), At(294 - x10.w / 2, 264 - x10.h / 2));
    EXPECT_EQ(e.at(), At(294 + x10.w / 2, 264 - x10.h / 2 - e.h / 2));
    EXPECT_EQ(s.texts("1000").size(), 1u);

    // On white the frame is black; the caller's clip and font come back.
    scene.r.setBackground(Renderer::BK_WHITE);
    CRgn clip;
    clip.CreateRectRgn(5, 6, 390, 280);
    s.dc.SelectClipRgn(&clip);
    s.draw(scene.r);
    const Lines white = s.sink.lines();
    EXPECT_EQ(white.at(1), "SetBkColor(RGB(255,255,255))");
    EXPECT_EQ(*(std::find(white.begin(), white.end(), frame) - 1),
              "SelectObject(pen(0,1,RGB(0,0,0)))");
    EXPECT_EQ(s.clipBox(), CRect(5, 6, 390, 280));
    EXPECT_EQ(s.font(), s.base.m_hObject);
}

TEST(RenderDraw, NothingWithoutGraphsOrSeriesAndFontsOfTheViewport) {
    OneGraph scene;
    Surface s;
    scene.graphs[0].nline = 0;
    s.draw(scene.r);
    scene.cfg.ngraph = 0;
    s.draw(scene.r);
    EXPECT_TRUE(s.sink.calls().empty());

    // Graph 1 without series is fine; a short side below 40 gives font height 0.
    Scene two({GraphSpec{{{{0, 0}, {1, 1}}}}, GraphSpec{}}, 60, 39);
    Surface small(60, 39);
    small.draw(two.r);
    EXPECT_EQ(small.sink.lines().at(0), "SelectObject(font(0,0,0,0,700,0,0,0,0,0,0,0,32,FONT))");
    EXPECT_EQ(small.polylines(10).at(0), "2,9 31;48 17");

    // The fonts kept between drawings follow a viewport written directly.
    two.r.viewport[2] = 400, two.r.viewport[3] = 300;
    Surface large;
    large.draw(two.r);
    EXPECT_EQ(large.sink.lines().at(0), "SelectObject(font(-7,0,0,0,700,0,0,0,0,0,0,0,32,FONT))");
}

// Class labels and bars are in the random-drawing hash, whose graduations have no small marks.
TEST(RenderDraw, HistogramClassesHaveNoSmallMarks) {
    Scene scene({GraphSpec{{{{0, 3}, {1, 5}, {2, 4}}}, 0, 5, 0, 5}});
    scene.cfg.changeHistOn();
    scene.graphs[0].hlargeGradStep = 1, scene.graphs[0].hsmallGrad = 5;
    Surface s;
    s.draw(scene.r);
    EXPECT_TRUE(hasMark(s, 112, 240, 112, 231));
    EXPECT_FALSE(hasMark(s, 70, 240, 70, 236));
    scene.cfg.changeHistType(); // graduated like an ordinary graph
    s.draw(scene.r);
    EXPECT_TRUE(hasMark(s, 70, 240, 70, 236)); // 52 / 5 = 10.4 right of 60
}
