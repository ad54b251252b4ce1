#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <deque>
#include <limits>
#include <string>
#include <vector>

#include "platform/TraceSink.h"

namespace {

using Lines = std::vector<std::vector<Vertex2D>>;

// A renderer over a 400 x 400 viewport with 0.25 margins: the plot is (100, 100)-(300, 300).
// Ranges are set so that one data unit is one pixel: x(u) = 100 + u and, in strip k of height
// gh, y(v) = 300 - k * gh - v.
struct Scene {
    std::deque<std::vector<Vertex2D>> vertices;
    std::deque<std::vector<GcGLine>> lines;
    std::vector<GcGraph> graphs;
    GcGraphConfig cfg;
    Renderer r;

    explicit Scene(const std::vector<Lines>& data, int superpose = 0,
                   GcGraphConfig::TYPE type = GcGraphConfig::GRAPH)
        : graphs(data.size()) {
        cfg.type = type;
        cfg.superpose = superpose;
        cfg.setMargin(0.25, 0.25, 0.25, 0.25);
        const double gh = superpose ? 200.0 : 200.0 / data.size();
        for (size_t g = 0; g < data.size(); ++g) {
            lines.emplace_back(data[g].size());
            for (size_t l = 0; l < data[g].size(); ++l) {
                vertices.push_back(data[g][l]);
                lines.back()[l].nvertex = int(vertices.back().size());
                lines.back()[l].vertex = vertices.back().data();
            }
            graphs[g].nline = int(data[g].size());
            graphs[g].line = lines.back().data();
            graphs[g].hmin = 0.0, graphs[g].hmax = 200.0;
            graphs[g].vmin = 0.0, graphs[g].vmax = gh;
        }
        cfg.ngraph = int(graphs.size());
        cfg.graph = graphs.data();
        r.setViewport(0, 0, 400, 400);
        r.set(&cfg);
    }

    // Vertex pick without drawing; outputs start at -7.
    std::vector<int> vertexAt(int x, int y) {
        int g = -7, l = -7, v = -7;
        int ok = r.pickGraph(nullptr, x, y, g, l, v);
        return {ok, g, l, v};
    }
};

// A 400 x 400 memory device context, recording its calls.
struct Surface {
    CDC dc;
    TraceSink sink;

    Surface() {
        HDC h = CreateCompatibleDC(nullptr);
        SelectObject(h, CreateCompatibleBitmap(h, 400, 400));
        dc.Attach(h);
        dc.setTrace(&sink);
    }
    ~Surface() { dc.setTrace(nullptr); }

    std::vector<int> lineAt(Renderer& r, int x, int y) {
        int g = -7, l = -7;
        int ok = r.pickGraph(&dc, x, y, g, l);
        return {ok, g, l};
    }
    RECT clipBox() {
        RECT box;
        dc.GetClipBox(&box);
        return box;
    }
};

std::vector<int> none3 = {0, -7, -7, -7};
std::vector<int> none2 = {0, -7, -7};
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notNumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(PickVertex, FourthPowerMeasureBelow100) {
    // Vertex (50, 50) lies at (150, 250).
    Scene on({{{{50, 50}}}});
    EXPECT_EQ(on.vertexAt(150, 250), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(on.vertexAt(147, 250), (std::vector<int>{1, 0, 0, 0})); // S = 81
    EXPECT_EQ(on.vertexAt(150, 253), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(on.vertexAt(146, 250), none3); // S = 256
    EXPECT_EQ(on.vertexAt(150, 246), none3);
    EXPECT_EQ(on.vertexAt(147, 247), none3); // S = 162

    // S = 32 beats an earlier S = 81.
    Scene nearer({{{{53, 50}, {52, 48}}}});
    EXPECT_EQ(nearer.vertexAt(150, 250), (std::vector<int>{1, 0, 0, 1}));
}

TEST(PickVertex, TiesKeepTheFirstInGraphLineVertexOrder) {
    // Superposed graphs share the strip, so equal data map to equal points.
    Scene s({{{{10, 10}}, {{47, 50}, {53, 50}}}, {{{53, 50}}}}, 1);
    EXPECT_EQ(s.vertexAt(150, 250), (std::vector<int>{1, 0, 1, 0}));
    s.graphs[0].nline = 1;
    EXPECT_EQ(s.vertexAt(150, 250), (std::vector<int>{1, 1, 0, 0}));

    Scene vertices({{{{10, 10}, {52, 50}, {48, 50}}}});
    EXPECT_EQ(vertices.vertexAt(150, 250), (std::vector<int>{1, 0, 0, 1}));
}

TEST(PickVertex, WindowOfThePlotAndStrip) {
    // Two strips of 100 pixels, graph 0's from 200 to 300; the plot spans x 100 to 300. A vertex
    // 1 pixel outside the strip or the plot is still picked, 2 pixels outside it is not.
    struct Case {
        Vertex2D vertex;
        int x, y;
        bool picked;
    };
    for (Case c : {Case{{50, 101}, 150, 199, true}, Case{{50, 102}, 150, 198, false},
                   Case{{50, -1}, 150, 301, true}, Case{{50, -2}, 150, 302, false},
                   Case{{-1, 50}, 99, 250, true}, Case{{-2, 50}, 98, 250, false},
                   Case{{201, 50}, 301, 250, true}, Case{{202, 50}, 302, 250, false}}) {
        Scene s({{{c.vertex}}, {{{0, 0}}}});
        EXPECT_EQ(s.vertexAt(c.x, c.y)[0], c.picked) << c.x << "," << c.y;
    }
}

TEST(PickVertex, ZoomScrollsAStripOutOfThePlot) {
    // Graph 1's vertex (50, 70) lies at (150, 130) unzoomed; graph 0's (50, 50) at (150, 250).
    Scene s({{{{50, 50}}}, {{{50, 70}}}});
    EXPECT_EQ(s.vertexAt(150, 250), (std::vector<int>{1, 0, 0, 0}));
    // Shifting 150 pixels down: strip 0 spans 350..450 (outside), strip 1 250..350, clamped to
    // 250..300. Graph 0's vertex now maps to (150, 400) and graph 1's to (150, 280).
    s.r.zoomOffset[1] = -150.0f;
    EXPECT_EQ(s.vertexAt(150, 400), none3);
    EXPECT_EQ(s.vertexAt(150, 280), (std::vector<int>{1, 1, 0, 0}));
    // Twice the horizontal scale, shifted back by 50: u = 50 maps to 100.
    s.r.zoomScale[0] = 2.0f;
    s.r.zoomOffset[0] = -50.0f;
    EXPECT_EQ(s.vertexAt(100, 280), (std::vector<int>{1, 1, 0, 0}));
}

TEST(PickVertex, MarkCirclesTheRoundedPosition) {
    // (50.5, 49.5) maps to (150.5, 250.5), rounded to (151, 251).
    Scene s({{{{50.5, 49.5}}}});
    Surface surf;
    int g = -1, l = -1, v = -1;
    surf.dc.SetROP2(R2_XORPEN);
    const HGDIOBJ pen = GetCurrentObject(surf.dc, OBJ_PEN);
    surf.sink.clear();
    ASSERT_EQ(s.r.pickGraph(&surf.dc, 150, 250, g, l, v), 1);
    const std::vector<std::string> calls = surf.sink.lines();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0], "SetROP2(13)");
    EXPECT_EQ(calls[1], "SelectObject(pen(0,1,RGB(255,0,255)))");
    EXPECT_EQ(calls[2], "Arc(147,247,155,255,147,247,147,247)");
    EXPECT_EQ(calls[4], "SetROP2(7)");
    EXPECT_EQ(GetCurrentObject(surf.dc, OBJ_PEN), pen);
    int magenta = 0;
    for (int x = 147; x <= 155; ++x) magenta += surf.dc.GetPixel(x, 247) == RGB(255, 0, 255);
    EXPECT_GT(magenta, 0);

    // Nothing picked: nothing drawn.
    surf.sink.clear();
    EXPECT_EQ(s.r.pickGraph(&surf.dc, 10, 10, g, l, v), 0);
    EXPECT_TRUE(surf.sink.calls().empty());
}

TEST(PickLine, VerticalDistanceToTheSegment) {
    // Horizontal segment from (100, 250) to (200, 250).
    Scene s({{{{0, 50}, {100, 50}}}});
    Surface surf;
    EXPECT_EQ(surf.lineAt(s.r, 150, 241), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(surf.lineAt(s.r, 150, 259), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(surf.lineAt(s.r, 150, 240), none2);
    EXPECT_EQ(surf.lineAt(s.r, 150, 260), none2);
    EXPECT_EQ(surf.lineAt(s.r, 100, 250), (std::vector<int>{1, 0, 0})); // both ends included
    EXPECT_EQ(surf.lineAt(s.r, 200, 250), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(surf.lineAt(s.r, 201, 250), none2);

    // Sloped: from (100, 250) to (200, 150); at x = 130 the segment is at y = 220.
    Scene slope({{{{0, 50}, {100, 150}}, {{0, 47}, {100, 47}}}});
    EXPECT_EQ(surf.lineAt(slope.r, 130, 229), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(surf.lineAt(slope.r, 130, 230), none2);
    // Nearer to line 1 (at 253) than to line 0.
    EXPECT_EQ(surf.lineAt(slope.r, 101, 252), (std::vector<int>{1, 0, 1}));
}

TEST(PickLine, OnlyLeftToRightSegmentsOfTwoOrMoreVertices) {
    Surface surf;
    Scene vertical({{{{50, 0}, {50, 100}}}});
    EXPECT_EQ(surf.lineAt(vertical.r, 150, 250), none2);
    Scene backwards({{{{100, 50}, {0, 50}}}});
    EXPECT_EQ(surf.lineAt(backwards.r, 150, 250), none2);
    Scene single({{{{50, 50}}}});
    EXPECT_EQ(surf.lineAt(single.r, 150, 250), none2);
    // A later left-to-right segment of the same line still counts, at the same distance as an
    // earlier line: the first stays.
    Scene both({{{{0, 45}, {100, 45}}, {{100, 55}, {0, 55}, {100, 55}}}});
    EXPECT_EQ(surf.lineAt(both.r, 150, 250), (std::vector<int>{1, 0, 0}));
    both.graphs[0].line[0].vertex[0].y = 44;
    EXPECT_EQ(surf.lineAt(both.r, 150, 250), (std::vector<int>{1, 0, 1}));
}

TEST(PickLine, ClipsMarksToTheStripAndRestoresTheClip) {
    // Graph 0 in strip 200..300; its line's second vertex (50, 120) lies above the strip at
    // (150, 180), its first (0, 50) at (100, 250) and its third (100, 50) at (200, 250).
    Scene s({{{{0, 50}, {50, 120}, {100, 50}}}, {{{0, 0}}}});
    s.lines[0][0].color[0] = INT_MIN + 255, s.lines[0][0].color[1] = 256,
    s.lines[0][0].color[2] = 10;
    Surface surf;
    CRgn before;
    before.CreateRectRgn(5, 6, 380, 390);
    surf.dc.SelectClipRgn(&before);
    surf.sink.clear();

    EXPECT_EQ(surf.lineAt(s.r, 120, 225), (std::vector<int>{1, 0, 0}));
    const std::vector<std::string> pen = surf.sink.lines({"SelectObject"});
    ASSERT_FALSE(pen.empty());
    EXPECT_EQ(pen.front(), "SelectObject(pen(0,1,RGB(0,255,245)))");
    EXPECT_EQ(
        surf.sink.lines({"GetClipBox", "SelectClipRgn", "Polyline"}),
        (std::vector<std::string>{"GetClipBox(5,6,380,390)", "SelectClipRgn(rgn(100,200,302,302))",
                                  "Polyline(4,100 247;97 253;103 253;100 247)",
                                  "Polyline(4,150 177;147 183;153 183;150 177)",
                                  "Polyline(4,200 247;197 253;203 253;200 247)",
                                  "SelectClipRgn(rgn(5,6,380,390))"}));
    const RECT box = surf.clipBox();
    EXPECT_EQ(CRect(box), CRect(5, 6, 380, 390));
    // The bottom edges of the marks: inside the strip drawn, above it clipped away.
    EXPECT_EQ(surf.dc.GetPixel(100, 253), RGB(0, 255, 245));
    EXPECT_NE(surf.dc.GetPixel(150, 183), RGB(0, 255, 245));
}

TEST(PickLine, NothingPickedStillClipsToThePlotAndRestores) {
    Scene s({{{{0, 50}, {100, 50}}}});
    Surface surf;
    const RECT before = surf.clipBox();
    surf.sink.clear();
    EXPECT_EQ(surf.lineAt(s.r, 150, 200), none2);
    EXPECT_EQ(surf.sink.lines(), (std::vector<std::string>{"GetClipBox(0,0,400,400)",
                                                           "SelectClipRgn(rgn(100,100,302,302))",
                                                           "SelectClipRgn(rgn(0,0,400,400))"}));
    EXPECT_EQ(CRect(surf.clipBox()), CRect(before));

    // Plot (100.25, 100.5)-(300.75, 301.5): left and top rounded, right and bottom truncated.
    s.r.setViewport(0, 0, 401, 402);
    surf.sink.clear();
    EXPECT_EQ(surf.lineAt(s.r, 150, 200), none2);
    EXPECT_EQ(surf.sink.lines({"SelectClipRgn"}).front(), "SelectClipRgn(rgn(100,101,302,303))");
}

TEST(PickBar, BarUnderThePointerLastHitWins) {
    // Bars of line 0: [100, 150] topped at 250, [150, 200] at 220. Line 1: [120, 140] at 280.
    Scene s({{{{0, 50}, {50, 80}, {100, 30}}, {{20, 20}, {40, 90}}}}, 0, GcGraphConfig::HISTON);
    EXPECT_EQ(s.vertexAt(101, 260), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(s.vertexAt(101, 250), (std::vector<int>{1, 0, 0, 0})); // on the top edge
    EXPECT_EQ(s.vertexAt(101, 249), none3);
    EXPECT_EQ(s.vertexAt(100, 260), none3); // left edge excluded
    EXPECT_EQ(s.vertexAt(150, 260), none3); // shared edge excluded on both sides
    EXPECT_EQ(s.vertexAt(151, 221), (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(s.vertexAt(201, 290), none3);                          // the last vertex has no bar
    EXPECT_EQ(s.vertexAt(130, 300), (std::vector<int>{1, 0, 1, 0})); // later line wins
    EXPECT_EQ(s.vertexAt(130, 301), none3);                          // below the strip
    EXPECT_EQ(s.vertexAt(130, 270), (std::vector<int>{1, 0, 0, 0}));

    // The line pick finds the same bar, draws no marks and clips to the whole plot.
    Surface surf;
    EXPECT_EQ(surf.lineAt(s.r, 130, 290), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(surf.sink.lines({"SelectClipRgn", "Polyline", "Arc"}),
              (std::vector<std::string>{"SelectClipRgn(rgn(100,100,302,302))",
                                        "SelectClipRgn(rgn(0,0,400,400))"}));
    // The vertex pick draws nothing for a bar.
    surf.sink.clear();
    int g, l, v;
    EXPECT_EQ(s.r.pickGraph(&surf.dc, 130, 290, g, l, v), 1);
    EXPECT_TRUE(surf.sink.calls().empty());
}

TEST(Pick, NothingToPickFrom) {
    Scene s({{{{50, 50}}}});
    Surface surf;
    s.r.deleteGraph();
    EXPECT_EQ(s.vertexAt(150, 250), none3);
    EXPECT_EQ(surf.lineAt(s.r, 150, 250), none2);
    s.r.set(&s.cfg);
    s.cfg.ngraph = 0;
    EXPECT_EQ(s.vertexAt(150, 250), none3);
    EXPECT_EQ(surf.lineAt(s.r, 150, 250), none2);
    EXPECT_TRUE(surf.sink.calls().empty());
}

TEST(Pick, NonFiniteDataAndRangesAreNeverPicked) {
    // Each bad vertex sits where the pointer is; the good neighbour is 2 pixels off.
    for (Vertex2D bad : {Vertex2D{notNumber, 50}, Vertex2D{50, notNumber}, Vertex2D{infinity, 50},
                         Vertex2D{50, -infinity}, Vertex2D{1e300, 50}}) {
        Scene s({{{bad, {52, 50}}}});
        EXPECT_EQ(s.vertexAt(150, 250), (std::vector<int>{1, 0, 0, 1}));
    }
    // A segment ending in a bad vertex is passed over for the one 2 pixels off.
    for (Vertex2D bad : {Vertex2D{notNumber, 50}, Vertex2D{50, notNumber}, Vertex2D{infinity, 50},
                         Vertex2D{50, -infinity}}) {
        Scene line({{{{0, 50}, bad}, {{0, 48}, {100, 48}}}});
        Surface surf;
        EXPECT_EQ(surf.lineAt(line.r, 150, 250), (std::vector<int>{1, 0, 1}));
    }

    // Graph 1's empty vertical range keeps it out; graph 0 is still picked.
    Scene mixed({{{{50, 50}}}, {{{50, 50}}}}, 1);
    mixed.graphs[0].vmax = 200.0;
    mixed.graphs[0].vmin = 0.0;
    mixed.graphs[0].line[0].vertex[0].x = 60;
    mixed.graphs[1].vmin = mixed.graphs[1].vmax = 5.0;
    EXPECT_EQ(mixed.vertexAt(150, 250), none3);
    EXPECT_EQ(mixed.vertexAt(160, 250), (std::vector<int>{1, 0, 0, 0}));
    mixed.graphs[1].vmax = notNumber;
    EXPECT_EQ(mixed.vertexAt(160, 250), (std::vector<int>{1, 0, 0, 0}));
    // Graph 0's horizontal range maps every graph.
    mixed.graphs[0].hmax = mixed.graphs[0].hmin;
    EXPECT_EQ(mixed.vertexAt(160, 250), none3);
    mixed.graphs[0].hmax = infinity;
    EXPECT_EQ(mixed.vertexAt(160, 250), none3);
}

TEST(Pick, ExtremeCoordinatesStayDefined) {
    Scene s({{{{0, 50}, {100, 50}}}});
    Surface surf;
    for (int x : {INT_MIN, -1, INT_MAX})
        for (int y : {INT_MIN, INT_MAX}) {
            EXPECT_EQ(s.vertexAt(x, y), none3);
            EXPECT_EQ(surf.lineAt(s.r, x, y), none2);
        }
    // A huge viewport puts the plot and the marks far outside the device.
    s.r.setViewport(INT_MAX / 2, INT_MIN / 2, INT_MAX, INT_MAX);
    s.r.zoomScale[0] = s.r.zoomScale[1] = 1e30f;
    const RECT before = surf.clipBox();
    EXPECT_EQ(surf.lineAt(s.r, 0, 0), none2);
    EXPECT_EQ(CRect(surf.clipBox()), CRect(before));
    s.r.zoomScale[0] = s.r.zoomScale[1] = 1.0f;
    s.r.setViewport(-2000000000, -2000000000, 2000000000, 2000000000);
    // The segment runs from (-1.5e9, -0.75e9) to (-1e9, -0.75e9); its marks lie beyond any
    // device.
    int g, l;
    EXPECT_EQ(s.r.pickGraph(&surf.dc, -1500000000 + 1, -750000000, g, l), 1);
    EXPECT_EQ(CRect(surf.clipBox()), CRect(before));
}
