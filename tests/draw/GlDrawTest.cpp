#include "draw/GlDraw.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "platform/TraceSink.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels area(int x1, int y1, int x2, int y2) {
    Pixels out;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) out.insert({x, y});
    return out;
}

Pixels border(int x1, int y1, int x2, int y2) {
    Pixels out = area(x1, y1, x2, y2);
    for (const auto& p : area(x1 + 1, y1 + 1, x2 - 1, y2 - 1)) out.erase(p);
    return out;
}

// A device context holding a pen, a brush and a raster mode of the host's, with a trace.
struct TracedCanvas : Canvas {
    TracedCanvas() : Canvas(40, 40) {
        dc.SelectObject(&hostPen);
        dc.SelectObject(&hostBrush);
        dc.SetROP2(R2_XORPEN);
        dc.setTrace(&sink);
    }
    CPen hostPen{PS_DOT, 1, RGB(1, 2, 3)};
    CBrush hostBrush{RGB(4, 5, 6)};
    TraceSink sink;
};

const std::string kHostPen = "SelectObject(pen(2,1,RGB(1,2,3)))";
const std::string kHostBrush = "SelectObject(brush(RGB(4,5,6)))";

} // namespace

TEST(GlDraw, FillRectCoversUpToRightAndBottomMinusOne) {
    Canvas c(20, 20);
    GlDraw().FillRect(&c.dc, 3, 4, 10, 8, 10, 20, 30);
    EXPECT_EQ(c.drawn(), area(3, 4, 9, 7));
    EXPECT_EQ(c.dc.GetPixel(3, 4), RGB(10, 20, 30));

    Canvas empty(20, 20);
    GlDraw().FillRect(&empty.dc, 5, 2, 5, 9, 255, 255, 255);
    EXPECT_TRUE(empty.drawn().empty());
}

TEST(GlDraw, OnlyLowEightBitsOfEachComponentCount) {
    Canvas c(4, 4);
    GlDraw().FillRect(&c.dc, 0, 0, 4, 4, 256, 300, 511);
    EXPECT_EQ(c.dc.GetPixel(1, 1), RGB(0, 44, 255));
    GlDraw().FillRect(&c.dc, 0, 0, 4, 4, -1, 1024 + 7, -256);
    EXPECT_EQ(c.dc.GetPixel(2, 2), RGB(255, 7, 0));
}

TEST(GlDraw, FrameRectOutlineRunsOnRightAndBottomEdges) {
    Canvas c(20, 20);
    GlDraw().FrameRect(&c.dc, 2, 3, 12, 9, 255, 0, 0);
    EXPECT_EQ(c.drawn(), border(2, 3, 12, 9));
    EXPECT_EQ(c.dc.GetPixel(12, 9), RGB(255, 0, 0));
}

TEST(GlDraw, PolylineLeavesItsLastPixelUndrawn) {
    Canvas c(20, 20);
    GlDraw().Polyline(&c.dc, 2, 5, 10, 5, 0, 255, 0);
    EXPECT_EQ(c.drawn(), area(2, 5, 9, 5));

    Canvas down(20, 20);
    GlDraw().Polyline(&down.dc, 7, 3, 7, 15, 0, 255, 0);
    EXPECT_EQ(down.drawn(), area(7, 3, 7, 14));
}

TEST(GlDraw, EachMarkStaysInsideItsHalfSizeBox) {
    const int x = 20, y = 20;
    for (int type = 0; type <= 17; ++type) {
        SCOPED_TRACE("mark type " + std::to_string(type));
        Canvas c(40, 40);
        int px[1] = {x}, py[1] = {y};
        GlDraw().PolylineB(&c.dc, px, py, 1, 200, 100, 50, -1, type, 1);
        const Pixels drawn = c.drawn();
        const bool blank = type == 8 || type == 12 || type >= 16;
        EXPECT_EQ(drawn.empty(), blank);
        const int h = type < 4 ? 5 : 3;
        int reach = 0;
        for (const auto& [px2, py2] : drawn) {
            EXPECT_LE(std::abs(px2 - x), h) << px2 << "," << py2;
            EXPECT_LE(std::abs(py2 - y), h) << px2 << "," << py2;
            EXPECT_EQ(c.dc.GetPixel(px2, py2), RGB(200, 100, 50));
            reach = std::max({reach, std::abs(px2 - x), std::abs(py2 - y)});
        }
        // The large marks reach beyond the small ones' box.
        if (type < 4) {
            EXPECT_GE(reach, 4);
        }
    }
}

TEST(GlDraw, PolylineBDrawsLineThenMarksInOwnObjects) {
    TracedCanvas c;
    int x[3] = {5, 15, 25}, y[3] = {10, 20, 10};
    GlDraw().PolylineB(&c.dc, x, y, 3, 255, 0, 0, PS_DASH, 2, 3);
    const std::vector<std::string> expected = {
        "SetROP2(13)",
        "SelectObject(pen(1,3,RGB(255,0,0)))",
        "Polyline(3,5 10;15 20;25 10)",
        kHostPen,
        "SelectObject(pen(0,1,RGB(255,0,0)))",
        "SelectObject(brush(RGB(255,0,0)))",
        "Rectangle(0,5,10,15)",
        "Rectangle(10,15,20,25)",
        "Rectangle(20,5,30,15)",
        kHostPen,
        kHostBrush,
        "SetROP2(7)",
    };
    EXPECT_EQ(c.sink.lines(), expected);
}

TEST(GlDraw, MarkShapesAreTheCallsOfTheirType) {
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {0,
         {"MoveTo(7,7)", "LineTo(13,13)", "MoveTo(7,13)", "LineTo(13,7)", "MoveTo(10,5)",
          "LineTo(10,15)"}},
        {1, {"Ellipse(5,5,15,15)"}},
        {3, {"Polygon(3,10 5;5 15;15 15)"}},
        {4,
         {"MoveTo(8,8)", "LineTo(12,12)", "MoveTo(8,12)", "LineTo(12,8)", "MoveTo(10,7)",
          "LineTo(10,13)"}},
        {5, {"Ellipse(7,7,13,13)"}},
        {6, {"Rectangle(7,7,13,13)"}},
        {7, {"Polygon(3,10 7;7 13;13 13)"}},
        {8, {}},
        {9, {"Arc(7,7,13,13,7,7,7,7)"}},
        {10, {"FrameRect(7,7,13,13,brush(RGB(9,9,9)))"}},
        {11, {"Polyline(4,10 7;7 13;13 13;10 7)"}},
        {12, {}},
        {13, {"Arc(7,7,13,13,7,7,7,7)"}},
        {14, {"FrameRect(7,7,13,13,brush(RGB(9,9,9)))"}},
        {15, {"Polyline(4,10 7;7 13;13 13;10 7)"}},
        {16, {}},
    };
    const std::vector<std::string> shapes = {"MoveTo",  "LineTo", "Ellipse",   "Rectangle",
                                             "Polygon", "Arc",    "FrameRect", "Polyline"};
    for (const auto& [type, calls] : cases) {
        TracedCanvas c;
        int x[1] = {10}, y[1] = {10};
        GlDraw().PolylineB(&c.dc, x, y, 1, 9, 9, 9, -1, type, 1);
        EXPECT_EQ(c.sink.lines(shapes), calls) << "mark type " << type;
    }
}

TEST(GlDraw, MarksThatDrawNothingKeepTheLine) {
    for (int type : {8, 12}) {
        Canvas c(20, 20);
        int x[2] = {2, 12}, y[2] = {6, 6};
        GlDraw().PolylineB(&c.dc, x, y, 2, 255, 255, 255, PS_SOLID, type, 1);
        EXPECT_EQ(c.drawn(), area(2, 6, 11, 6)) << "mark type " << type;
    }
}

TEST(GlDraw, PolylineAIsTwoPointPolylineB) {
    TracedCanvas a, b;
    GlDraw().PolylineA(&a.dc, 3, 4, 30, 14, 1, 2, 3, PS_DOT, 1, 2);
    int x[2] = {3, 30}, y[2] = {4, 14};
    GlDraw().PolylineB(&b.dc, x, y, 2, 1, 2, 3, PS_DOT, 1, 2);
    EXPECT_FALSE(a.sink.lines().empty());
    EXPECT_EQ(a.sink.lines(), b.sink.lines());
    EXPECT_EQ(a.pixels(), b.pixels());
}

TEST(GlDraw, FrameRectAndPolylineCallSequences) {
    TracedCanvas frame;
    GlDraw().FrameRect(&frame.dc, 1, 2, 10, 20, 255, 0, 0);
    EXPECT_EQ(
        frame.sink.lines(),
        (std::vector<std::string>{"SetROP2(13)", "SelectObject(pen(0,1,RGB(255,0,0)))",
                                  "Polyline(5,1 2;1 20;10 20;10 2;1 2)", kHostPen, "SetROP2(7)"}));

    TracedCanvas line;
    GlDraw().Polyline(&line.dc, 1, 2, 3, 4, 0, 0, 255);
    EXPECT_EQ(line.sink.lines(),
              (std::vector<std::string>{"SetROP2(13)", "SelectObject(pen(0,1,RGB(0,0,255)))",
                                        "MoveTo(1,2)", "LineTo(3,4)", kHostPen, "SetROP2(7)"}));

    TracedCanvas fill;
    GlDraw().FillRect(&fill.dc, 1, 2, 3, 4, 7, 8, 9);
    EXPECT_EQ(fill.sink.lines(), (std::vector<std::string>{"FillRect(1,2,3,4,brush(RGB(7,8,9)))"}));
}

TEST(GlDraw, TextAndBackgroundColoursStaySet) {
    TracedCanvas c;
    char text[] = "a b";
    GlDraw().TextOutA(&c.dc, text, 4, 5, 300, 2, 3);
    GlDraw().BkColor(&c.dc, 7, 8, 265);
    GlDraw().TextOutA(&c.dc, nullptr, 4, 5, 1, 1, 1);
    EXPECT_EQ(c.sink.lines(),
              (std::vector<std::string>{"SetTextColor(RGB(44,2,3))", "TextOut(4,5,a b)",
                                        "SetBkColor(RGB(7,8,9))"}));
    EXPECT_EQ(c.dc.GetTextColor(), RGB(44, 2, 3));
    EXPECT_EQ(c.dc.GetBkColor(), RGB(7, 8, 9));
}

TEST(GlDraw, EmptyOrMissingPointsDrawNothing) {
    int x[2] = {1, 9}, y[2] = {1, 9};
    struct Case {
        int* x;
        int* y;
        int n;
    };
    for (const Case& k :
         {Case{x, y, 0}, Case{x, y, -3}, Case{nullptr, y, 2}, Case{x, nullptr, 2}}) {
        TracedCanvas c;
        GlDraw().PolylineB(&c.dc, k.x, k.y, k.n, 255, 255, 255, 0, 1, 1);
        EXPECT_TRUE(c.sink.lines().empty()) << k.n;
        EXPECT_TRUE(c.drawn().empty()) << k.n;
    }

    TracedCanvas none;
    GlDraw().PolylineB(&none.dc, x, y, 2, 255, 255, 255, -1, -1, 1);
    EXPECT_TRUE(none.drawn().empty());
    EXPECT_EQ(none.dc.GetROP2(), R2_XORPEN);
}

TEST(GlDraw, OnePointDrawsOnlyItsMark) {
    Canvas c(20, 20);
    int x[1] = {10}, y[1] = {10};
    GlDraw().PolylineB(&c.dc, x, y, 1, 255, 255, 255, PS_SOLID, 6, 1);
    EXPECT_EQ(c.drawn(), area(7, 7, 12, 12));
}
