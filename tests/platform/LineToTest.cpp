// A line covers its start pixel and leaves out its end pixel, in whichever direction it runs,
// so that a polyline drawn segment by segment covers every vertex but the last exactly once.
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "draw/Canvas.h"

TEST(LineTo, StartPixelDrawnEndPixelLeftOut) {
    const POINT ends[] = {{32, 20}, {8, 20},  {20, 32}, {20, 8}, {29, 29}, {11, 11}, {29, 11},
                          {11, 29}, {34, 25}, {6, 15},  {25, 6}, {15, 34}, {20, 20}};
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    for (const POINT& e : ends) {
        SCOPED_TRACE("line to " + std::to_string(e.x) + "," + std::to_string(e.y));
        Canvas c(40, 40);
        c.dc.SelectObject(&white);
        c.dc.MoveTo(20, 20);
        c.dc.LineTo(e);
        const size_t length = size_t(std::max(std::abs(e.x - 20), std::abs(e.y - 20)));
        EXPECT_EQ(c.drawn().size(), length); // zero length draws nothing
        if (length) {
            EXPECT_NE(c.dc.GetPixel(20, 20), RGB(0, 0, 0));
        }
        EXPECT_EQ(c.dc.GetPixel(e.x, e.y), RGB(0, 0, 0));
        c.dc.SelectStockObject(BLACK_PEN);
    }
}
