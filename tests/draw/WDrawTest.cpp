#include "draw/WDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "draw/GlDraw.h"

namespace {
int x2[2] = {10, 20}, y2[2] = {10, 12};
} // namespace

TEST(WDraw, FloatComponentsTruncateToTheirLowEightBits) {
    Canvas c(4, 4);
    com_WFillRect(&c.dc, 0, 0, 4, 4, 1.0f, 0.999f, 1.5f);
    EXPECT_EQ(c.dc.GetPixel(0, 0), RGB(255, 254, 126));
    com_WFillRect(&c.dc, 0, 0, 4, 4, 0.5f, 0.0f, -1.0f);
    EXPECT_EQ(c.dc.GetPixel(3, 3), RGB(127, 0, 1));
    com_WFillRect(&c.dc, 0, 0, 4, 4, NAN, INFINITY, 1e30f);
    EXPECT_EQ(c.dc.GetPixel(1, 2), RGB(0, 0, 0));
}

TEST(WDraw, FirstFiveAreTheGlDrawPrimitives) {
    TracedCanvas w, g;
    char text[] = "txt";
    com_WBkColor(&w.dc, 1.0f, 0.5f, 0.0f);
    com_WTextOut(&w.dc, text, 1, 2, 0.0f, 0.5f, 1.0f);
    com_WFillRect(&w.dc, 1, 2, 9, 8, 0.2f, 0.4f, 0.6f);
    com_WFrameRect(&w.dc, 3, 4, 20, 30, 1.0f, 1.0f, 0.0f);
    com_WPolyline(&w.dc, 5, 6, 30, 7, 0.0f, 1.0f, 0.0f);
    GlDraw d;
    d.BkColor(&g.dc, 255, 127, 0);
    d.TextOutA(&g.dc, text, 1, 2, 0, 127, 255);
    d.FillRect(&g.dc, 1, 2, 9, 8, 51, 102, 153);
    d.FrameRect(&g.dc, 3, 4, 20, 30, 255, 255, 0);
    d.Polyline(&g.dc, 5, 6, 30, 7, 0, 255, 0);
    EXPECT_EQ(w.sink.lines().size(), 15u);
    EXPECT_EQ(w.sink.lines(), g.sink.lines());
}

TEST(WDraw, PolylineBDrawsMarksThenLine) {
    TracedCanvas c;
    com_WPolylineB(&c.dc, x2, y2, 2, 0.0f, 0.0f, 1.0f, 2, 1);
    EXPECT_EQ(c.sink.lines(), (Lines{"SetROP2(13)", "SelectObject(pen(0,1,RGB(0,0,255)))",
                                     "SelectObject(brush(RGB(0,0,255)))", "Ellipse(5,5,15,15)",
                                     "Ellipse(15,7,25,17)", kHostPen, kHostBrush,
                                     "SelectObject(pen(2,1,RGB(0,0,255)))",
                                     "Polyline(2,10 10;20 12)", kHostPen, "SetROP2(7)"}));
}

TEST(WDraw, PolylineBMarksStayInsideTheirBoxAndPenStyles) {
    const Lines marks[4] = {{"MoveTo(7,7)", "MoveTo(7,13)", "MoveTo(5,10)", "MoveTo(10,5)"},
                            {"Ellipse(5,5,15,15)"},
                            {"Rectangle(5,5,15,15)"},
                            {"Polygon(3,10 5;5 15;15 15)"}};
    for (int type = -2; type <= 5; ++type) { // each value as mark type and as line style
        SCOPED_TRACE("mark type and line style " + std::to_string(type));
        TracedCanvas c;
        com_WPolylineB(&c.dc, x2, y2, 1, 1.0f, 0.0f, 0.0f, type, type);
        const Lines calls = type >= 0 && type < 4 ? marks[type] : Lines{};
        EXPECT_EQ(c.sink.lines({"Ellipse", "Rectangle", "Polygon", "MoveTo"}), calls);
        // No mark pen or brush at all for -1; the line's pen, solid for styles beyond 1 to 4,
        // comes after them.
        const Lines selected = c.sink.lines({"SelectObject"});
        ASSERT_EQ(selected.size(), type == -1 ? 2u : 6u);
        EXPECT_EQ(selected[type == -1 ? 0 : 4],
                  "SelectObject(pen(" + std::to_string(type >= 1 && type <= 4 ? type : 0) +
                      ",1,RGB(255,0,0)))");
        const auto drawn = c.drawn(); // a line of one point draws nothing
        EXPECT_EQ(drawn.empty(), calls.empty());
        int reach = 0;
        for (const auto& [x, y] : drawn)
            reach = std::max({reach, std::abs(x - 10), std::abs(y - 10)});
        EXPECT_TRUE(drawn.empty() || (reach >= 4 && reach <= 5)) << reach;
    }
}

TEST(WDraw, PolylineBWithoutPointsDrawsNothing) {
    TracedCanvas c;
    for (int n : {0, -1}) com_WPolylineB(&c.dc, x2, y2, n, 1.0f, 1.0f, 1.0f, 0, 1);
    com_WPolylineB(&c.dc, nullptr, y2, 2, 1.0f, 1.0f, 1.0f, 0, 1);
    com_WPolylineB(&c.dc, x2, nullptr, 2, 1.0f, 1.0f, 1.0f, 0, 1);
    EXPECT_TRUE(c.sink.lines().empty()); // no call at all, so nothing drawn
}

TEST(WDraw, PolylineADrawsTheStarOnlyForFlagZero) {
    TracedCanvas star, plain;
    com_WPolylineA(&star.dc, 10, 12, 30, 12, 0.0f, 1.0f, 0.0f, 3, 0);
    com_WPolylineA(&plain.dc, 10, 12, 30, 12, 0.0f, 1.0f, 0.0f, 9, 1);
    EXPECT_EQ(star.sink.lines(), (Lines{"SetROP2(13)", "SelectObject(pen(3,1,RGB(0,255,0)))",
                                        "SetTextColor(RGB(0,255,0))", "DrawText(*,5,7,15,17,5)",
                                        "SetTextColor(RGB(1,1,1))", "MoveTo(10,12)",
                                        "LineTo(30,12)", kHostPen, "SetROP2(7)"}));
    EXPECT_EQ(star.dc.GetTextColor(), RGB(1, 1, 1));
    EXPECT_EQ(plain.sink.lines(),
              (Lines{"SetROP2(13)", "SelectObject(pen(0,1,RGB(0,255,0)))", "MoveTo(10,12)",
                     "LineTo(30,12)", kHostPen, "SetROP2(7)"}));
}
