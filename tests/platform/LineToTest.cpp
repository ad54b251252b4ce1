// A line covers its start pixel and leaves out its end pixel, in whichever direction it runs,
// so that a polyline drawn segment by segment covers every vertex but the last exactly once.
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "draw/Canvas.h"

TEST(LineTo, StartPixelDrawnEndPixelLeftOut) {
    const int cx = 20, cy = 20;
    const POINT ends[] = {{32, 20}, {8, 20},  {20, 32}, {20, 8}, {29, 29}, {11, 11},
                          {29, 11}, {11, 29}, {34, 25}, {6, 15}, {25, 6},  {15, 34}};
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    for (const POINT& e : ends) {
        Canvas c(40, 40);
        c.dc.SelectObject(&white);
        c.dc.MoveTo(cx, cy);
        c.dc.LineTo(e);
        const std::string to = std::to_string(e.x) + "," + std::to_string(e.y);
        EXPECT_NE(c.dc.GetPixel(cx, cy), RGB(0, 0, 0)) << "start pixel, line to " << to;
        EXPECT_EQ(c.dc.GetPixel(e.x, e.y), RGB(0, 0, 0)) << "end pixel, line to " << to;
        EXPECT_EQ(c.drawn().size(), size_t(std::max(std::abs(e.x - cx), std::abs(e.y - cy)))) << to;
        c.dc.SelectStockObject(BLACK_PEN);
    }

    Canvas still(8, 8);
    still.dc.SelectObject(&white);
    still.dc.MoveTo(3, 4);
    still.dc.LineTo(3, 4);
    EXPECT_TRUE(still.drawn().empty()) << "a line to the current position";
    still.dc.SelectStockObject(BLACK_PEN);
}
