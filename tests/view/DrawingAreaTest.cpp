#include "view/DrawingArea.h"

#include <array>
#include <gtest/gtest.h>

namespace {
using Area = std::array<int, 4>;
Area area() {
    const int* a = com_GLGetDrawingArea();
    return {a[0], a[1], a[2], a[3]};
}
} // namespace

TEST(DrawingArea, InitSetsTheSizeAtTheOriginAndThePointerStaysLive) {
    int* const a = com_GLGetDrawingArea();
    com_GLDrawingArea(5, 6, 7, 8);
    com_GLInit(640, 480);
    EXPECT_EQ(area(), (Area{0, 0, 640, 480}));
    com_GLDrawingArea(5, 6, 7, 8);
    com_GLInitView();
    EXPECT_EQ(area(), (Area{0, 0, 1, 1}));
    com_GLDrawingArea(-3, 9, -1, 0);
    com_GLDrawingAreaSize(20, 10);
    EXPECT_EQ(area(), (Area{0, 0, 20, 10}));
    // The pointer taken first still shows the area, and writes through it are kept.
    EXPECT_EQ(com_GLGetDrawingArea(), a);
    EXPECT_EQ(a[2], 20);
    a[3] = 99;
    EXPECT_EQ(area(), (Area{0, 0, 20, 99}));
}
