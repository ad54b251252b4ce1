#include "draw/WDraw.h"

#include <cmath>
#include <gtest/gtest.h>

#include "draw/Canvas.h"

TEST(WDraw, FloatComponentsTruncateToTheirLowEightBits) {
    Canvas c(4, 4);
    com_WFillRect(&c.dc, 0, 0, 4, 4, 1.0f, 0.999f, 1.5f);
    EXPECT_EQ(c.dc.GetPixel(0, 0), RGB(255, 254, 126));
    com_WFillRect(&c.dc, 0, 0, 4, 4, 0.5f, 0.0f, -1.0f);
    EXPECT_EQ(c.dc.GetPixel(3, 3), RGB(127, 0, 1));
    com_WFillRect(&c.dc, 0, 0, 4, 4, NAN, INFINITY, 1e30f);
    EXPECT_EQ(c.dc.GetPixel(1, 2), RGB(0, 0, 0));
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
