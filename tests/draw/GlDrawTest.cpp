#include "draw/GlDraw.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "draw/Canvas.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;
using Lines = std::vector<std::string>;

Pixels area(int x1, int y1, int x2, int y2) {
    Pixels out;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) out.insert({x, y});
    return out;
}

Pixels border(int x1, int y1, int x2, int y2) {
    Pixels out = area(x1, y1, x2, y2);
    for (const auto& p : area(x1 + 1, y1 + 1, x2 - 1, y2 - 1)) out.erase(p);
    return out;
}

int px[2] = {2, 12}, py[2] = {6, 6}, one[1] = {10};

} // namespace

TEST(GlDraw, ExactPixels) {
    GlDraw d;
    const std::vector<std::tuple<const char*, std::function<void(CDC*)>, Pixels>> cases = {
        {"FillRect", [&](CDC* dc) { d.FillRect(dc, 3, 4, 10, 8, 10, 20, 30); }, area(3, 4, 9, 7)},
        {"FillRect empty", [&](CDC* dc) { d.FillRect(dc, 5, 2, 5, 9, 255, 255, 255); }, {}},
        {"FrameRect", [&](CDC* dc) { d.FrameRect(dc, 2, 3, 12, 9, 255, 0, 0); },
         border(2, 3, 12, 9)},
        {"Polyline", [&](CDC* dc) { d.Polyline(dc, 2, 5, 10, 5, 0, 255, 0); }, area(2, 5, 9, 5)},
        {"Polyline down", [&](CDC* dc) { d.Polyline(dc, 7, 3, 7, 15, 0, 255, 0); },
         area(7, 3, 7, 14)},
        {"mark 8 keeps line", [&](CDC* dc) { d.PolylineB(dc, px, py, 2, 255, 255, 255, 0, 8, 1); },
         area(2, 6, 11, 6)},
        {"mark 12 keeps line",
         [&](CDC* dc) { d.PolylineB(dc, px, py, 2, 255, 255, 255, 0, 12, 1); }, area(2, 6, 11, 6)},
        {"one point: mark only",
         [&](CDC* dc) { d.PolylineB(dc, one, one, 1, 255, 255, 255, 0, 6, 1); },
         area(7, 7, 12, 12)},
    };
    for (const auto& [name, draw, expected] : cases) {
        SCOPED_TRACE(name);
        Canvas c(20, 20);
        draw(&c.dc);
        EXPECT_EQ(c.drawn(), expected);
    }
    Canvas c(20, 20);
    d.FrameRect(&c.dc, 2, 3, 12, 9, 255, 0, 0);
    EXPECT_EQ(c.dc.GetPixel(12, 9), RGB(255, 0, 0));
}

TEST(GlDraw, OnlyLowEightBitsOfEachComponentCount) {
    Canvas c(4, 4);
    GlDraw().FillRect(&c.dc, 0, 0, 4, 4, 256, 300, 511);
    EXPECT_EQ(c.dc.GetPixel(1, 1), RGB(0, 44, 255));
    GlDraw().FillRect(&c.dc, 0, 0, 4, 4, -1, 1024 + 7, -256);
    EXPECT_EQ(c.dc.GetPixel(2, 2), RGB(255, 7, 0));
}

TEST(GlDraw, EachMarkStaysInsideItsHalfSizeBox) {
    for (int type = 0; type <= 17; ++type) {
        SCOPED_TRACE("mark type " + std::to_string(type));
        Canvas c(40, 40);
        int p[1] = {20};
        GlDraw().PolylineB(&c.dc, p, p, 1, 200, 100, 50, -1, type, 1);
        const Pixels drawn = c.drawn();
        EXPECT_EQ(drawn.empty(), type == 8 || type == 12 || type >= 16);
        const int h = type < 4 ? 5 : 3;
        int reach = 0;
        for (const auto& [x, y] : drawn) {
            EXPECT_LE(std::max(std::abs(x - 20), std::abs(y - 20)), h) << x << "," << y;
            EXPECT_EQ(c.dc.GetPixel(x, y), RGB(200, 100, 50));
            reach = std::max({reach, std::abs(x - 20), std::abs(y - 20)});
        }
        if (type < 4) {
            EXPECT_GE(reach, 4);
        } // large marks reach beyond the small ones' box
    }
}

TEST(GlDraw, PolylineBDrawsLineThenMarksInOwnObjects) {
    TracedCanvas c;
    int x[3] = {5, 15, 25}, y[3] = {10, 20, 10};
    GlDraw().PolylineB(&c.dc, x, y, 3, 255, 0, 0, PS_DASH, 2, 3);
    const Lines expected = {"SetROP2(13)",
                            "SelectObject(pen(1,3,RGB(255,0,0)))",
                            "Polyline(3,5 10;15 20;25 10)",
                            kHostPen,
                            "SelectObject(pen(0,1,RGB(255,0,0)))",
                            "SelectObject(brush(RGB(255,0,0)))",
                            "Rectangle(0,5,10,15)",
                            "Rectangle(10,15,20,25)",
                            "Rectangle(20,5,30,15)",
                            kHostPen,
                            kHostBrush,
                            "SetROP2(7)"};
    EXPECT_EQ(c.sink.lines(), expected);
}

TEST(GlDraw, MarkShapesAreTheCallsOfTheirType) {
    const Lines arc = {"Arc(7,7,13,13,7,7,7,7)"},
                frame = {"FrameRect(7,7,13,13,brush(RGB(9,9,9)))"};
    const Lines tri = {"Polyline(4,10 7;7 13;13 13;10 7)"};
    const std::vector<std::pair<int, Lines>> cases = {
        {0,
         {"MoveTo(7,7)", "LineTo(13,13)", "MoveTo(7,13)", "LineTo(13,7)", "MoveTo(10,5)",
          "LineTo(10,15)"}},
        {1, {"Ellipse(5,5,15,15)"}},
        {3, {"Polygon(3,10 5;5 15;15 15)"}},
        {4,
         {"MoveTo(8,8)", "LineTo(12,12)", "MoveTo(8,12)", "LineTo(12,8)", "MoveTo(10,7)",
          "LineTo(10,13)"}},
        {5, {"Ellipse(7,7,13,13)"}},
        {6, {"Rectangle(7,7,13,13)"}},
        {7, {"Polygon(3,10 7;7 13;13 13)"}},
        {8, {}},
        {9, arc},
        {10, frame},
        {11, tri},
        {12, {}},
        {13, arc},
        {14, frame},
        {15, tri},
        {16, {}}};
    const Lines shapes = {"MoveTo",  "LineTo", "Ellipse",   "Rectangle",
                          "Polygon", "Arc",    "FrameRect", "Polyline"};
    for (const auto& [type, calls] : cases) {
        TracedCanvas c;
        GlDraw().PolylineB(&c.dc, one, one, 1, 9, 9, 9, -1, type, 1);
        EXPECT_EQ(c.sink.lines(shapes), calls) << "mark type " << type;
    }
}

TEST(GlDraw, PolylineAIsTwoPointPolylineB) {
    TracedCanvas a, b;
    GlDraw().PolylineA(&a.dc, 3, 4, 30, 14, 1, 2, 3, PS_DOT, 1, 2);
    int x[2] = {3, 30}, y[2] = {4, 14};
    GlDraw().PolylineB(&b.dc, x, y, 2, 1, 2, 3, PS_DOT, 1, 2);
    EXPECT_FALSE(a.sink.lines().empty());
    EXPECT_EQ(a.sink.lines(), b.sink.lines());
    EXPECT_EQ(a.pixels(), b.pixels());
}

TEST(GlDraw, TextAndBackgroundColoursStaySet) {
    TracedCanvas c;
    char text[] = "a b";
    GlDraw().TextOutA(&c.dc, text, 4, 5, 300, 2, 3);
    GlDraw().BkColor(&c.dc, 7, 8, 265);
    GlDraw().TextOutA(&c.dc, nullptr, 4, 5, 1, 1, 1);
    EXPECT_EQ(c.sink.lines(),
              (Lines{"SetTextColor(RGB(44,2,3))", "TextOut(4,5,a b)", "SetBkColor(RGB(7,8,9))"}));
    EXPECT_EQ(c.dc.GetTextColor(), RGB(44, 2, 3));
    EXPECT_EQ(c.dc.GetBkColor(), RGB(7, 8, 9));
}

TEST(GlDraw, EmptyOrMissingPointsDrawNothing) {
    int x[2] = {1, 9}, y[2] = {1, 9};
    struct Case {
        int *x, *y;
        int n, line, mark;
    };
    for (const Case& k : {Case{x, y, 0, 0, 1}, Case{x, y, -3, 0, 1}, Case{nullptr, y, 2, 0, 1},
                          Case{x, nullptr, 2, 0, 1}, Case{x, y, 2, -1, -1}}) {
        TracedCanvas c;
        GlDraw().PolylineB(&c.dc, k.x, k.y, k.n, 255, 255, 255, k.line, k.mark, 1);
        EXPECT_TRUE(c.drawn().empty()) << k.n;
        if (k.mark >= 0) {
            EXPECT_TRUE(c.sink.lines().empty()) << k.n;
        }
        EXPECT_EQ(c.dc.GetROP2(), R2_XORPEN);
    }
}
