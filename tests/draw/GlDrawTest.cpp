#include "draw/GlDraw.h"

#include <functional>
#include <gtest/gtest.h>
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

TEST(GlDraw, EmptyOrMissingInputDrawsNothing) {
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
    TracedCanvas c;
    GlDraw().TextOutA(&c.dc, nullptr, 4, 5, 1, 1, 1); // no text: not even its colour is set
    EXPECT_TRUE(c.sink.lines().empty());
}
