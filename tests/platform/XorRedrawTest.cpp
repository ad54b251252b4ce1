// Exclusive-or drawing with white, the rubber-band technique: every pixel drawn is inverted, so
// drawing the same thing twice gives back every pixel, whatever was under it.
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "draw/Canvas.h"

TEST(XorRedraw, WhiteInvertsWhatItCoversAndTwiceRestores) {
    const POINT pts[] = {{2, 3}, {40, 3}, {40, 3}, {40, 20}, {5, 44}, {5, 10}, {30, 30}, {30, 29}};
    const std::vector<std::pair<std::string, std::function<void(CDC&)>>> shapes = {
        {"Polyline", [&](CDC& dc) { dc.Polyline(pts, 8); }},
        {"LineTo", [](CDC& dc) { dc.MoveTo(0, 15), dc.LineTo(47, 16); }},
        {"Rectangle", [](CDC& dc) { dc.Rectangle(5, 5, 30, 25); }},
        {"Ellipse", [](CDC& dc) { dc.Ellipse(10, 2, 44, 28); }},
        {"Polygon", [&](CDC& dc) { dc.Polygon(pts, 5); }},
        {"Arc", [](CDC& dc) { dc.Arc(3, 3, 40, 40, 3, 3, 3, 3); }},
    };
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CBrush whiteBrush(RGB(255, 255, 255));
    std::mt19937 rng(7);
    for (bool filled : {false, true}) {
        for (const auto& [name, draw] : shapes) {
            SCOPED_TRACE(name + (filled ? " filled" : ""));
            Canvas c(48, 48);
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 48; ++x) c.dc.SetPixel(x, y, rng() & 0xffffff);
            const std::vector<COLORREF> before = c.pixels();
            c.dc.SelectObject(&white);
            SelectObject(c.dc.m_hDC, filled ? whiteBrush.m_hObject : GetStockObject(NULL_BRUSH));
            c.dc.SetROP2(R2_XORPEN);
            draw(c.dc);
            const std::vector<COLORREF> once = c.pixels();
            EXPECT_NE(once, before);
            for (size_t i = 0; i < once.size(); ++i)
                ASSERT_TRUE(once[i] == before[i] || once[i] == (before[i] ^ 0xffffff)) << i;
            draw(c.dc);
            EXPECT_EQ(c.pixels(), before);
        }
    }
}
