// Exclusive-or drawing with a white pen, the rubber-band technique: drawing the same thing twice
// gives back every pixel, whatever was under it.
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "draw/Canvas.h"

namespace {

void addNoise(Canvas& c, unsigned seed) {
    std::mt19937 rng(seed);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) c.dc.SetPixel(x, y, rng() & 0xffffff);
}

const POINT kPoints[] = {{2, 3}, {40, 3}, {40, 3}, {40, 20}, {5, 44}, {5, 10}, {30, 30}, {30, 29}};

const std::vector<std::pair<std::string, std::function<void(CDC&)>>> kShapes = {
    {"LineTo", [](CDC& dc) { dc.MoveTo(1, 1), dc.LineTo(45, 30); }},
    {"Polyline", [](CDC& dc) { dc.Polyline(kPoints, 8); }},
    {"Rectangle", [](CDC& dc) { dc.Rectangle(4, 6, 30, 40); }},
    {"Ellipse", [](CDC& dc) { dc.Ellipse(10, 2, 44, 28); }},
    {"Polygon", [](CDC& dc) { dc.Polygon(kPoints, 5); }},
    {"Arc", [](CDC& dc) { dc.Arc(3, 3, 40, 40, 3, 3, 3, 3); }},
};

} // namespace

TEST(XorRedraw, DrawingTwiceRestoresEveryPixel) {
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CBrush whiteBrush(RGB(255, 255, 255));
    for (bool filled : {false, true}) {
        for (const auto& [name, draw] : kShapes) {
            Canvas c(48, 48);
            addNoise(c, 7);
            const std::vector<COLORREF> before = c.pixels();
            CPen* oldPen = c.dc.SelectObject(&white);
            HGDIOBJ oldBrush = SelectObject(c.dc.m_hDC, filled ? whiteBrush.m_hObject
                                                               : GetStockObject(NULL_BRUSH));
            const int rop = c.dc.SetROP2(R2_XORPEN);
            draw(c.dc);
            EXPECT_NE(c.pixels(), before) << name;
            draw(c.dc);
            EXPECT_EQ(c.pixels(), before) << name << (filled ? " filled" : "");
            c.dc.SetROP2(rop);
            c.dc.SelectObject(oldPen);
            SelectObject(c.dc.m_hDC, oldBrush);
        }
    }
}

TEST(XorRedraw, WhitePenInvertsWhatItCrosses) {
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    Canvas c(48, 4);
    addNoise(c, 11);
    const std::vector<COLORREF> before = c.pixels();
    c.dc.SelectObject(&white);
    c.dc.SetROP2(R2_XORPEN);
    c.dc.MoveTo(0, 2);
    c.dc.LineTo(48, 2);
    const std::vector<COLORREF> after = c.pixels();
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i], i / 48 == 2 ? before[i] ^ 0xffffff : before[i]) << i;
}
