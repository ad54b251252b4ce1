#include "draw/WinColor.h"

#include <array>
#include <gtest/gtest.h>

namespace {
using Rgb = std::array<int, 3>;
Rgb rgb(const int* c) {
    return {c[0], c[1], c[2]};
}
} // namespace

TEST(WinColor, SetColorChangesOnlyThatObjectAndAllShareOneResultBuffer) {
    WinColor a, b;
    EXPECT_TRUE(a.setColor(3, 10, 20, 30));
    EXPECT_TRUE(a.setColor(0, 300, -1, 65536));
    EXPECT_EQ(rgb(a.getColor(3)), (Rgb{10, 20, 30}));
    EXPECT_EQ(rgb(a.getColor(0)), (Rgb{300, -1, 65536}));
    EXPECT_EQ(rgb(b.getColor(WinColor::GREEN)), (Rgb{0, 255, 0}));
    WinColor copy(a);
    b = a;
    a.setColor(3, 0, 0, 0);
    EXPECT_EQ(rgb(copy.getColor(3)), (Rgb{10, 20, 30}));
    EXPECT_EQ(rgb(b.getColor(0)), (Rgb{300, -1, 65536}));
    EXPECT_EQ(a.getColor(WinColor::RED), b.getColor(WinColor::BLUE));
}

TEST(WinColor, RowsOutsideTheTableAreRefusedUntouched) {
    struct Guarded {
        int before[3] = {-7, -7, -7};
        WinColor colors;
        int after[3] = {-7, -7, -7};
    } g;
    for (int row : {-1, 16, 1000}) {
        EXPECT_FALSE(g.colors.setColor(row, 1, 2, 3)) << row;
        int* buffer = g.colors.getColor(WinColor::YELLOW);
        EXPECT_EQ(g.colors.getColor(row), nullptr) << row;
        EXPECT_EQ(rgb(buffer), (Rgb{255, 255, 0})) << row;
    }
    EXPECT_EQ(rgb(g.before), (Rgb{-7, -7, -7}));
    EXPECT_EQ(rgb(g.after), (Rgb{-7, -7, -7}));
    const WinColor fresh;
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(rgb(g.colors.getColor(row)), rgb(fresh.getColor(row)));
}
