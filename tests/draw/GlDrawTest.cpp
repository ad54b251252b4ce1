#include "draw/GlDraw.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "draw/Canvas.h"

namespace {

Pixels area(int x1, int y1, int x2, int y2) {
    Pixels out;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) out.insert({x, y});
    return out;
}

int px[2] = {2, 12}, py[2] = {6, 6}, one[1] = {10};

} // namespace

TEST(GlDraw, ExactPixels) {
    GlDraw d;
    const std::vector<std::tuple<const char*, std::function<void(CDC*)>, Pixels>> cases = {
        // Only the low eight bits of each component count.
        {"FillRect", [&](CDC* dc) { d.FillRect(dc, 3, 4, 10, 8, 266, 1044, -226); },
         area(3, 4, 9, 7)},
        {"FillRect empty", [&](CDC* dc) { d.FillRect(dc, 5, 2, 5, 9, 10, 20, 30); }, {}},
        {"FrameRect", [&](CDC* dc) { d.FrameRect(dc, 2, 3, 12, 9, 10, 20, 30); },
         outline(2, 3, 12, 9)},
        {"Polyline", [&](CDC* dc) { d.Polyline(dc, 2, 5, 10, 5, 10, 20, 30); }, area(2, 5, 9, 5)},
        {"mark 8 keeps line", [&](CDC* dc) { d.PolylineB(dc, px, py, 2, 10, 20, 30, 0, 8, 1); },
         area(2, 6, 11, 6)},
        {"one point: mark only",
         [&](CDC* dc) { d.PolylineB(dc, one, one, 1, 10, 20, 30, 0, 6, 1); }, area(7, 7, 12, 12)},
    };
    for (const auto& [name, draw, expected] : cases) {
        SCOPED_TRACE(name);
        Canvas c(20, 20);
        draw(&c.dc);
        EXPECT_EQ(c.drawn(), expected);
        EXPECT_EQ(c.drawn(RGB(10, 20, 30)), expected);
    }
}

TEST(GlDraw, MarkTypesDrawTheirShapesInsideTheirHalfSizeBox) {
    const Lines cross = {"MoveTo(7,7)",  "LineTo(13,13)", "MoveTo(7,13)",
                         "LineTo(13,7)", "MoveTo(10,5)",  "LineTo(10,15)"},
                smallCross = {"MoveTo(8,8)",  "LineTo(12,12)", "MoveTo(8,12)",
                              "LineTo(12,8)", "MoveTo(10,7)",  "LineTo(10,13)"};
    // Types 0 to 8; 9 to 12 come again as 13 to 16; 17 and more draw nothing.
    const Lines solid[9] = {cross,
                            Lines{"Ellipse(5,5,15,15)"},
                            Lines{"Rectangle(5,5,15,15)"},
                            Lines{"Polygon(3,10 5;5 15;15 15)"},
                            smallCross,
                            Lines{"Ellipse(7,7,13,13)"},
                            Lines{"Rectangle(7,7,13,13)"},
                            Lines{"Polygon(3,10 7;7 13;13 13)"},
                            Lines{}},
                hollow[4] = {Lines{"Arc(7,7,13,13,7,7,7,7)"},
                             Lines{"FrameRect(7,7,13,13,brush(RGB(9,9,9)))"},
                             Lines{"Polyline(4,10 7;7 13;13 13;10 7)"}, Lines{}};
    const Lines calls = {"MoveTo",  "LineTo", "Ellipse",   "Rectangle",
                         "Polygon", "Arc",    "FrameRect", "Polyline"};
    for (int type = 0; type < 18; ++type) {
        SCOPED_TRACE("mark type " + std::to_string(type));
        TracedCanvas c;
        GlDraw().PolylineB(&c.dc, one, one, 1, 9, 9, 9, -1, type, 1);
        const Lines shape = type < 9 ? solid[type] : type < 17 ? hollow[(type - 9) % 4] : Lines{};
        EXPECT_EQ(c.sink.lines(calls), shape);
        const Pixels drawn = c.drawn();
        EXPECT_EQ(drawn.empty(), shape.empty());
        EXPECT_EQ(c.drawn(RGB(9, 9, 9)), drawn);
        int reach = 0;
        for (const auto& [x, y] : drawn)
            reach = std::max({reach, std::abs(x - 10), std::abs(y - 10)});
        EXPECT_LE(reach, type < 4 ? 5 : 3);
        EXPECT_TRUE(type >= 4 || reach >= 4) << reach; // large marks outgrow the small box
    }
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
    using Case = std::tuple<int*, int*, int, int, int>; // x, y, n, line style, mark type
    for (auto [xs, ys, n, line, mark] :
         {Case{x, y, 0, 0, 1}, Case{x, y, -3, 0, 1}, Case{nullptr, y, 2, 0, 1},
          Case{x, nullptr, 2, 0, 1}, Case{x, y, 2, -1, -1}}) {
        TracedCanvas c;
        GlDraw().PolylineB(&c.dc, xs, ys, n, 255, 255, 255, line, mark, 1);
        EXPECT_TRUE(c.drawn().empty()) << n;
        EXPECT_TRUE(mark < 0 || c.sink.lines().empty()) << n;
        EXPECT_EQ(c.dc.GetROP2(), R2_XORPEN);
    }
}
