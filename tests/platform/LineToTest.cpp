// A line covers its start pixel and leaves out its end pixel, in whichever direction it runs,
// so that a polyline drawn segment by segment covers every vertex but the last exactly once.
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

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
        EXPECT_EQ(c.drawn().count({20, 20}), length ? 1u : 0u);
        EXPECT_EQ(c.dc.GetPixel(e.x, e.y), RGB(0, 0, 0));
    }
}

// A styled line that starts or ends off the surface keeps its dashes where they would be if the
// whole line were visible, and lines reaching far off the surface cost only their visible part.
TEST(LineTo, DashesKeepTheirPlaceOffTheSurface) {
    const POINT path[] = {{-530, 3}, {17, 12}, {29, 37}, {29, 900}, {-2, 5}, {25, -700}, {60, 20}};
    const int shift = 600; // moves the whole path onto a wide canvas
    for (int style : {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT}) {
        SCOPED_TRACE("style " + std::to_string(style));
        CPen pen(style, 1, RGB(255, 255, 255));
        Canvas small(40, 40), wide(1400, 1700);
        std::vector<POINT> shifted;
        for (POINT p : path) shifted.push_back({p.x + shift, p.y + shift});
        small.dc.SelectObject(&pen);
        wide.dc.SelectObject(&pen);
        small.dc.Polyline(path, int(std::size(path)));
        wide.dc.Polyline(shifted.data(), int(shifted.size()));
        Pixels expected;
        for (auto [x, y] : wide.drawn())
            if (x >= shift && x < shift + 40 && y >= shift && y < shift + 40)
                expected.insert({x - shift, y - shift});
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(small.drawn(), expected);
    }
    CPen dashed(PS_DASH, 1, RGB(255, 255, 255));
    Canvas c(40, 40);
    c.dc.SelectObject(&dashed);
    std::vector<POINT> far;
    for (int i = 0; i < 2000; ++i) far.push_back({i % 2 ? 1 << 28 : -(1 << 28), 5 + i % 30});
    c.dc.Polyline(far.data(), int(far.size()));
    EXPECT_FALSE(c.drawn().empty());
}
