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
