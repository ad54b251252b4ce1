// A small shape drawn again elsewhere is copied from its first rasterisation. Random runs of
// polygons, rectangles and ellipses, with pens, brushes, raster modes and clipping changing
// now and then and shapes crossing the edges, are drawn once with copies and once without;
// the two pictures must be the same pixel for pixel.
#include <gtest/gtest.h>

#include <random>

#include "../draw/Canvas.h"
#include "raster/ShapeStamp.h"

namespace {

std::vector<COLORREF> drawRun(unsigned seed, bool stamps) {
    setShapeStampsEnabled(stamps);
    std::mt19937 rng(seed);
    const auto pick = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    const COLORREF colors[] = {RGB(200, 30, 40), RGB(10, 160, 90), RGB(0, 0, 0)};
    Canvas canvas(160, 120);
    CDC& dc = canvas.dc;
    dc.BitBlt(0, 0, 160, 120, nullptr, 0, 0, WHITENESS);
    CPen pen;
    CBrush brush;
    int shape = 0;
    for (int step = 0; step < 600; ++step) {
        if (step % 40 == 0) { // pen, brush, mode and clip
            dc.SelectStockObject(BLACK_PEN), dc.SelectStockObject(WHITE_BRUSH);
            pen.DeleteObject(), brush.DeleteObject();
            const int style = pick(0, 3);
            pen.CreatePen(style == 3   ? PS_NULL
                          : style == 2 ? PS_DASH
                                       : PS_SOLID,
                          style == 1 ? 3 : 1, colors[pick(0, 2)]);
            if (pick(0, 3) == 0)
                brush.CreateStockObject(NULL_BRUSH);
            else
                brush.CreateSolidBrush(colors[pick(0, 2)]);
            dc.SelectObject(&pen), dc.SelectObject(&brush);
            const int modes[] = {R2_COPYPEN, R2_COPYPEN, R2_XORPEN, R2_BLACK};
            dc.SetROP2(modes[pick(0, 3)]);
            CRgn clip;
            clip.CreateRectRgn(pick(0, 60), pick(0, 40), pick(80, 160), pick(60, 120));
            dc.SelectClipRgn(pick(0, 1) ? &clip : nullptr);
        }
        if (pick(0, 5) == 0) shape = pick(0, 7);
        const int x = pick(-15, 175), y = pick(-15, 135);
        // Polygons about (x, y), the second ending as the first; then rectangles and ellipses
        // as {ellipse, half width, half height}. A wide pen's small ellipse differs from place
        // to place.
        const POINT polygons[3][4] = {{{0, -5}, {-5, 5}, {5, 5}},
                                      {{0, -5}, {-2, 1}, {5, 5}},
                                      {{-4, -4}, {4, 4}, {4, -4}, {-4, 4}}};
        const int boxes[5][3] = {{0, 5, 5}, {0, 5, 3}, {1, 5, 5}, {1, 3, 3}, {0, 30, 20}};
        if (shape < 3) {
            POINT p[4];
            for (int k = 0; k < 4; ++k) p[k] = {x + polygons[shape][k].x, y + polygons[shape][k].y};
            dc.Polygon(p, shape == 2 ? 4 : 3);
        } else if (const int* b = boxes[shape - 3]; b[0]) {
            dc.Ellipse(x - b[1], y - b[2], x + b[1], y + b[2]);
        } else {
            dc.Rectangle(x - b[1], y - b[2], x + b[1], y + b[2]);
        }
    }
    dc.SelectStockObject(BLACK_PEN), dc.SelectStockObject(WHITE_BRUSH);
    setShapeStampsEnabled(true);
    return canvas.pixels();
}

} // namespace

TEST(ShapeStamp, CopiesHoldExactlyThePixelsThePainterSets) {
    for (unsigned seed = 1; seed <= 12; ++seed)
        EXPECT_EQ(drawRun(seed, true), drawRun(seed, false)) << "seed " << seed;
}
