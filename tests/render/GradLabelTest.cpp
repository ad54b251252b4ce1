// The label rules of a graduated axis, without a device context, and the exported helpers
// over them.
#include "render/GradLabel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/Renderer.h"

TEST(GradLabel, ExportedExponentAndIntegerTest) {
    // Exponent n of (min, max) and whether the graduation (start, step) is a whole number.
    const float ranges[][3] = {{0, 0, 0},     {0.001f, 0.5f, -1}, {0, 250, 2},    {-5000, 20, 3},
                               {0, 9.96f, 1}, {0.00999f, 0, -2},  {0, 3e38f, 38}, {0, INFINITY, 0}};
    for (auto [min, max, n] : ranges) {
        float scale = -1;
        EXPECT_EQ(com_GLCalcGraphIndex(min, max, &scale), int(n)) << max;
        EXPECT_EQ(scale, float(std::pow(10.0, n)));
    }
    const float grads[][3] = {{0, 2, 1},       {0.5f, 1, 0},         {0, 2e7f, 0},
                              {-999999, 1, 1}, {-1000000, 1, 0},     {0, 9999999, 1},
                              {0, 3e38f, 0},   {std::nanf(""), 1, 0}};
    for (auto [start, step, isInt] : grads)
        EXPECT_EQ(com_GLIsGraphGradInt(start, step), int(isInt)) << start;
}

TEST(GradLabel, TextOfEachValue) {
    struct Case {
        double lo, hi, start, step, v;
        const char* text;
        int exponent;
        bool showsExponent;
    } cases[] = {
        {0, 1000, 0, 200, 400, "400", 3, false},       // whole: no exponent mark
        {0, 0.5, 0, 0.1, 0.3, "3", -1, true},          // 0.3 / 0.1 just under 3
        {0, 1, 0, 0.5, 0.5, "0.5", 0, false},          // trailing zeros cut
        {0, 250, 0.5, 1, 2.5, "0.025", 2, true},       // scaled by 100
        {0, 9, 0.5, 1, 100, "100", 0, false},          // zeros before the point stay
        {0, 9, 0.5, 1, 0, "0", 0, false},              // nothing left after the point
        {-5000, 20, -0.5, 1, -2500, "-2.5", 3, true},  // negative
        {-1, 1, -0.6, 0.2, -0x1p-54, "0", 0, false},   // -0.6 + 3 x 0.2, just below zero
        {0, 1e10, 0, 1, 3e9, "2147483647", 10, false}, // whole values past int saturate
        {0, 1e-7, 0, 1e-8, 3e-8, "0.3", -7, true},     // beyond six decimals only by scaling
        {0, 1, 0, 0.5, 2.0 / 3, "0.666667", 0, false}, // six decimals, rounded
        {0, 1, 0, 0.5, 1e22, "10000000000000000000000", 0, false}, // every digit, no exponent
    };
    for (const Case& c : cases) {
        const GradLabels g = GradLabels::of(c.lo, c.hi, c.start, c.step);
        EXPECT_EQ(g.text(c.v), c.text) << c.v;
        EXPECT_EQ(g.exponent, c.exponent) << c.v;
        EXPECT_EQ(g.showsExponent(), c.showsExponent) << c.v;
    }
}
