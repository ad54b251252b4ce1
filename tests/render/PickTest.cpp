// Picking over a 400 x 400 viewport with 0.25 margins: the plot is (100, 100)-(300, 300). Ranges
// are set so that one data unit is one pixel: x(u) = 100 + u and, in strip k of height gh,
// y(v) = 300 - k * gh - v.
#include <gtest/gtest.h>

#include <climits>

#include "render/RenderScene.h"

using namespace render_test;

namespace {

using Data = std::vector<std::vector<std::vector<Vertex2D>>>;

std::vector<GraphSpec> inPixels(const Data& data, int superpose) {
    std::vector<GraphSpec> specs;
    for (const auto& lines : data)
        specs.push_back({lines, 0, superpose ? 200.0 : 200.0 / double(data.size()), 0, 200});
    return specs;
}

struct PickScene : Scene {
    explicit PickScene(const Data& data, int superpose = 0,
                       GcGraphConfig::TYPE type = GcGraphConfig::GRAPH)
        : Scene(inPixels(data, superpose), 400, 400) {
        cfg.type = type, cfg.superpose = superpose;
        cfg.setMargin(0.25, 0.25, 0.25, 0.25);
    }
    Surface surf{400, 400};

    // Vertex pick, by default without drawing, and line pick on surf; the outputs start at -7.
    Ints vertexAt(int x, int y, CDC* dc = nullptr) {
        int g = -7, l = -7, v = -7;
        const int ok = r.pickGraph(dc, x, y, g, l, v);
        return {ok, g, l, v};
    }
    Ints lineAt(int x, int y) {
        int g = -7, l = -7;
        const int ok = r.pickGraph(&surf.dc, x, y, g, l);
        return {ok, g, l};
    }
};

struct Probe {
    int x, y;
    Ints expected;
};

const Ints none3 = {0, -7, -7, -7}, none2 = {0, -7, -7}, first3 = {1, 0, 0, 0}, first2 = {1, 0, 0};

} // namespace

TEST(PickVertex, FourthPowerMeasureOrderAndTies) {
    // Vertex (50, 50) lies at (150, 250): S = 81 picked, S = 256 and 162 not.
    PickScene on({{{{50, 50}}}});
    const Probe probes[] = {{150, 250, first3}, {147, 250, first3}, {150, 253, first3},
                            {146, 250, none3},  {150, 246, none3},  {147, 247, none3}};
    for (const Probe& p : probes) EXPECT_EQ(on.vertexAt(p.x, p.y), p.expected) << p.x << "," << p.y;
    // S = 32 beats an earlier S = 81; ties keep the first in graph, line, vertex order (superposed
    // graphs share the strip, so equal data map to equal points).
    EXPECT_EQ(PickScene({{{{53, 50}, {52, 48}}}}).vertexAt(150, 250), (Ints{1, 0, 0, 1}));
    PickScene s({{{{10, 10}}, {{47, 50}, {53, 50}}}, {{{53, 50}}}}, 1);
    EXPECT_EQ(s.vertexAt(150, 250), (Ints{1, 0, 1, 0}));
    s.graphs[0].nline = 1;
    EXPECT_EQ(s.vertexAt(150, 250), (Ints{1, 1, 0, 0}));
    EXPECT_EQ(PickScene({{{{10, 10}, {52, 50}, {48, 50}}}}).vertexAt(150, 250), (Ints{1, 0, 0, 1}));
}

TEST(PickVertex, WindowOfThePlotAndStrip) {
    // Two strips of 100 pixels, graph 0's from 200 to 300. A vertex 1 pixel outside the strip or
    // the plot is still picked, 2 pixels outside it is not.
    const std::pair<Vertex2D, bool> cases[] = {
        {{50, 101}, true}, {{50, 102}, false}, {{50, -1}, true},  {{50, -2}, false},
        {{-1, 50}, true},  {{-2, 50}, false},  {{201, 50}, true}, {{202, 50}, false}};
    for (auto [v, picked] : cases)
        EXPECT_EQ(PickScene({{{v}}, {{{0, 0}}}}).vertexAt(int(100 + v.x), int(300 - v.y))[0],
                  picked)
            << v.x << "," << v.y;
    // Zoom: shifting 150 pixels down puts strip 0 at 350..450 (outside) and strip 1 at 250..350,
    // clamped to 300: graph 0's (50, 50) maps to (150, 400), graph 1's (50, 70) to (150, 280).
    PickScene s({{{{50, 50}}}, {{{50, 70}}}});
    s.r.zoomOffset[1] = -150.0f;
    EXPECT_EQ(s.vertexAt(150, 400), none3);
    EXPECT_EQ(s.vertexAt(150, 280), (Ints{1, 1, 0, 0}));
    s.r.zoomScale[0] = 2.0f, s.r.zoomOffset[0] = -50.0f; // u = 50 maps to 100
    EXPECT_EQ(s.vertexAt(100, 280), (Ints{1, 1, 0, 0}));
}

TEST(PickVertex, MarkCirclesTheRoundedPositionOnlyWhenPicked) {
    PickScene s({{{{50.5, 49.5}}}}); // at (150.5, 250.5), rounded to (151, 251)
    s.surf.dc.SetROP2(R2_XORPEN);
    const HGDIOBJ pen = GetCurrentObject(s.surf.dc, OBJ_PEN);
    s.surf.sink.clear();
    ASSERT_EQ(s.vertexAt(150, 250, &s.surf.dc), first3);
    EXPECT_EQ(s.surf.sink.lines(), (Lines{"SetROP2(13)", "SelectObject(pen(0,1,RGB(255,0,255)))",
                                          "Arc(147,247,155,255,147,247,147,247)",
                                          "SelectObject(pen(0,1,RGB(0,0,0)))", "SetROP2(7)"}));
    EXPECT_EQ(GetCurrentObject(s.surf.dc, OBJ_PEN), pen);
    EXPECT_FALSE(s.surf.drawn(RGB(255, 0, 255)).empty());

    s.surf.sink.clear();
    EXPECT_EQ(s.vertexAt(10, 10, &s.surf.dc), none3);
    EXPECT_TRUE(s.surf.sink.calls().empty());
}

TEST(PickLine, VerticalDistanceToLeftToRightSegments) {
    // Horizontal segment from (100, 250) to (200, 250), both ends included: 9 px off picked, 10
    // not.
    PickScene s({{{{0, 50}, {100, 50}}}});
    for (const Probe& p : {Probe{150, 241, first2}, Probe{150, 259, first2}, Probe{150, 240, none2},
                           Probe{150, 260, none2}, Probe{100, 250, first2}, Probe{200, 250, first2},
                           Probe{201, 250, none2}})
        EXPECT_EQ(s.lineAt(p.x, p.y), p.expected) << p.x << "," << p.y;
    // Sloped from (100, 250) to (200, 150): at x = 130 the segment is at y = 220. Nearer to line 1
    // (at 253) than to line 0.
    PickScene slope({{{{0, 50}, {100, 150}}, {{0, 47}, {100, 47}}}});
    EXPECT_EQ(slope.lineAt(130, 229), first2);
    EXPECT_EQ(slope.lineAt(130, 230), none2);
    EXPECT_EQ(slope.lineAt(101, 252), (Ints{1, 0, 1}));

    // Vertical, right-to-left and single-vertex lines are never picked.
    for (const Data& d :
         {Data{{{{50, 0}, {50, 100}}}}, Data{{{{100, 50}, {0, 50}}}}, Data{{{{50, 50}}}}})
        EXPECT_EQ(PickScene(d).lineAt(150, 250), none2);
    // A later left-to-right segment of the same line still counts; at equal distance the first
    // line stays.
    PickScene both({{{{0, 45}, {100, 45}}, {{100, 55}, {0, 55}, {100, 55}}}});
    EXPECT_EQ(both.lineAt(150, 250), first2);
    both.line(0, 0).vertex[0].y = 44;
    EXPECT_EQ(both.lineAt(150, 250), (Ints{1, 0, 1}));
}

TEST(PickLine, ClipsMarksToTheStripAndRestoresTheClip) {
    // Graph 0 in strip 200..300; its vertices map to (100, 250), (150, 180) above the strip, and
    // (200, 250).
    PickScene s({{{{0, 50}, {50, 120}, {100, 50}}}, {{{0, 0}}}});
    int* color = s.line(0, 0).color;
    color[0] = INT_MIN + 255, color[1] = 256, color[2] = 10;
    CRgn before;
    before.CreateRectRgn(5, 6, 380, 390);
    s.surf.dc.SelectClipRgn(&before);
    s.surf.sink.clear();

    EXPECT_EQ(s.lineAt(120, 225), first2);
    EXPECT_EQ(s.surf.sink.lines({"SelectObject"}).at(0), "SelectObject(pen(0,1,RGB(0,255,245)))");
    EXPECT_EQ(
        s.surf.sink.lines({"GetClipBox", "SelectClipRgn", "Polyline"}),
        (Lines{"GetClipBox(5,6,380,390)", "SelectClipRgn(rgn(100,200,302,302))",
               "Polyline(4,100 247;97 253;103 253;100 247)",
               "Polyline(4,150 177;147 183;153 183;150 177)",
               "Polyline(4,200 247;197 253;203 253;200 247)", "SelectClipRgn(rgn(5,6,380,390))"}));
    EXPECT_EQ(s.surf.clipBox(), CRect(5, 6, 380, 390));
    // The bottom edges of the marks: inside the strip drawn, above it clipped away.
    EXPECT_EQ(s.surf.dc.GetPixel(100, 253), RGB(0, 255, 245));
    EXPECT_NE(s.surf.dc.GetPixel(150, 183), RGB(0, 255, 245));

    // Nothing picked still clips to the plot (the bar test's sequence); left and top of the plot
    // (100.25, 100.5)-(300.75, 301.5) rounded, right and bottom truncated.
    PickScene one({{{{0, 50}, {100, 50}}}});
    one.r.setViewport(0, 0, 401, 402);
    EXPECT_EQ(one.lineAt(150, 200), none2);
    EXPECT_EQ(one.surf.sink.lines({"SelectClipRgn"}).front(),
              "SelectClipRgn(rgn(100,101,302,303))");
}

TEST(PickBar, BarUnderThePointerLastHitWins) {
    // Bars of line 0: [100, 150] topped at 250, [150, 200] at 220. Line 1: [120, 140] at 280.
    // Top edge included, left and shared edges excluded, the last vertex has no bar.
    PickScene s({{{{0, 50}, {50, 80}, {100, 30}}, {{20, 20}, {40, 90}}}}, 0, GcGraphConfig::HISTON);
    for (const Probe& p :
         {Probe{101, 260, first3}, Probe{101, 250, first3}, Probe{101, 249, none3},
          Probe{100, 260, none3}, Probe{150, 260, none3}, Probe{151, 221, {1, 0, 0, 1}},
          Probe{201, 290, none3}, Probe{130, 300, {1, 0, 1, 0}}, Probe{130, 301, none3},
          Probe{130, 270, first3}})
        EXPECT_EQ(s.vertexAt(p.x, p.y), p.expected) << p.x << "," << p.y;
    // The line pick finds the same bar, draws no marks and clips to the whole plot; the vertex
    // pick draws nothing for a bar.
    EXPECT_EQ(s.lineAt(130, 290), (Ints{1, 0, 1}));
    EXPECT_EQ(s.surf.sink.lines({"SelectClipRgn", "Polyline", "Arc"}),
              (Lines{"SelectClipRgn(rgn(100,100,302,302))", "SelectClipRgn(rgn(0,0,400,400))"}));
    s.surf.sink.clear();
    EXPECT_EQ(s.vertexAt(130, 290, &s.surf.dc), (Ints{1, 0, 1, 0}));
    EXPECT_TRUE(s.surf.sink.calls().empty());
}

TEST(Pick, NothingToPickFromNonFiniteInputAndExtremeCoordinates) {
    PickScene s({{{{50, 50}}}});
    s.r.deleteGraph();
    EXPECT_EQ(s.vertexAt(150, 250), none3);
    EXPECT_EQ(s.lineAt(150, 250), none2);
    s.r.set(&s.cfg);
    s.cfg.ngraph = 0;
    EXPECT_EQ(s.vertexAt(150, 250), none3);
    EXPECT_EQ(s.lineAt(150, 250), none2);
    EXPECT_TRUE(s.surf.sink.calls().empty());

    // Each bad vertex sits under the pointer; the good neighbour, or a segment, is 2 pixels off.
    for (Vertex2D bad : {Vertex2D{notNumber, 50}, Vertex2D{50, notNumber}, Vertex2D{infinity, 50},
                         Vertex2D{50, -infinity}, Vertex2D{1e300, 50}}) {
        SCOPED_TRACE(testing::Message() << bad.x << "," << bad.y);
        EXPECT_EQ(PickScene({{{bad, {52, 50}}}}).vertexAt(150, 250), (Ints{1, 0, 0, 1}));
        if (bad.x == 1e300) continue;
        EXPECT_EQ(PickScene({{{{0, 50}, bad}, {{0, 48}, {100, 48}}}}).lineAt(150, 250),
                  (Ints{1, 0, 1}));
    }
    // Graph 1's empty or NaN vertical range keeps it out; graph 0's horizontal range maps all.
    PickScene mixed({{{{60, 50}}}, {{{50, 50}}}}, 1);
    mixed.graphs[1].vmin = mixed.graphs[1].vmax = 5.0;
    EXPECT_EQ(mixed.vertexAt(150, 250), none3);
    EXPECT_EQ(mixed.vertexAt(160, 250), first3);
    mixed.graphs[1].vmax = notNumber;
    EXPECT_EQ(mixed.vertexAt(160, 250), first3);
    for (double hmax : {0.0, infinity}) {
        mixed.graphs[0].hmax = hmax;
        EXPECT_EQ(mixed.vertexAt(160, 250), none3) << hmax;
    }

    // Extreme pointer coordinates and viewports stay defined.
    PickScene seg({{{{0, 50}, {100, 50}}}});
    for (int x : {INT_MIN, -1, INT_MAX})
        for (int y : {INT_MIN, INT_MAX}) {
            EXPECT_EQ(seg.vertexAt(x, y), none3);
            EXPECT_EQ(seg.lineAt(x, y), none2);
        }
    // A huge viewport puts the plot and the marks far outside the device.
    seg.r.setViewport(INT_MAX / 2, INT_MIN / 2, INT_MAX, INT_MAX);
    seg.r.zoomScale[0] = seg.r.zoomScale[1] = 1e30f;
    EXPECT_EQ(seg.lineAt(0, 0), none2);
    EXPECT_EQ(seg.surf.clipBox(), CRect(0, 0, 400, 400));
    seg.r.zoomScale[0] = seg.r.zoomScale[1] = 1.0f;
    // The segment runs from (-1.5e9, -0.75e9) to (-1e9, -0.75e9).
    seg.r.setViewport(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(seg.lineAt(-1500000000 + 1, -750000000), first2);
    EXPECT_EQ(seg.surf.clipBox(), CRect(0, 0, 400, 400));
}
