#include "model/GcGraph.h"
#include "model/ManInt.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

struct Grad {
    double step = -1, start = -1;
    int small = -1;
};

Grad autoGrad(double min, double max) {
    Grad g;
    GcGraph().setAutoGrad(min, max, g.step, g.start, g.small);
    return g;
}

} // namespace

TEST(AutoGrad, RoundsHalvesAwayFromZero) {
    const double in[] = {2.5, -2.5, 2.49, 0.49, -0.5, 0, 9.5, -7.2};
    const double out[] = {3, -3, 2, 0, -1, 0, 10, -7};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(com_GLManInt(in[i]), out[i]) << in[i];
}

TEST(AutoGrad, ChoosesReadableSteps) {
    struct Case {
        double min, max, step, start;
        int small;
    } cases[] = {
        {0, 1, 0.2, 0, 2},  {0, 1.5, 0.5, 0, 5}, {1, 3.5, 1, 1, 2},    {0, 7, 2, 0, 2},
        {-5, 5, 2, -4, 2},  {3, 9.5, 2, 4, 2},   {-3.7, 42, 10, 0, 2}, {250, 1250, 200, 400, 2},
        {3, 12.6, 2, 4, 2}, // mantissa rounds to 10: even first graduation
    };
    for (const Case& c : cases) {
        const Grad g = autoGrad(c.min, c.max);
        EXPECT_DOUBLE_EQ(g.step, c.step) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(g.start, c.start) << c.min << ".." << c.max;
        EXPECT_EQ(g.small, c.small) << c.min << ".." << c.max;
    }
}

TEST(AutoGrad, AxisVariantsUseTheGraphRanges) {
    GcGraph g;
    g.setVminVmax(5, -5);
    g.setHminHmax(250, 1250);
    g.setAutoVgrad();
    g.setAutoHgrad();
    EXPECT_EQ(g.vlargeGradStart, -4);
    EXPECT_EQ(g.vlargeGradStep, 2);
    EXPECT_EQ(g.hlargeGradStart, 400);
    EXPECT_EQ(g.hlargeGradStep, 200);
    EXPECT_EQ(g.hmin, 250); // the range itself is kept
}

TEST(AutoGrad, FirstGraduationIsTheFirstAtOrAboveMin) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-12, 12), position(-1000, 1000);
    for (int i = 0; i < 20000; ++i) {
        const double span = std::pow(10.0, exponent(rng));
        const double min = position(rng) * span;
        const Grad g = autoGrad(min, min + span);
        ASSERT_GT(g.step, 0);
        EXPECT_GE(g.start, min);
        EXPECT_LT(g.start - g.step, min + 1e-9 * g.step);
        const double steps = span / g.step;
        EXPECT_TRUE(steps >= 2.49 && steps <= 7.51) << min << " + " << span;
    }
}

TEST(AutoGrad, InvalidRangesLeaveTheOutputsUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double ranges[][2] = {
        {1, 1},   {2, 1},    {nan, 1},   {0, nan},
        {0, inf}, {-inf, 0}, {0, 5e-324}}; // the last one has no representable step
    for (const auto& r : ranges) {
        const Grad g = autoGrad(r[0], r[1]);
        EXPECT_EQ(g.step, -1);
        EXPECT_EQ(g.start, -1);
        EXPECT_EQ(g.small, -1);
    }
}

TEST(AutoGrad, ExtremeRangesGiveFiniteGraduations) {
    const double ranges[][2] = {{1e-300, 2e-300},
                                {0, 1e300},
                                {-DBL_MAX, DBL_MAX},
                                {-1e-310, 1e-310},
                                {0, 1e-320},
                                {1e300, std::nextafter(1e300, DBL_MAX)},
                                {-DBL_MAX, std::nextafter(-DBL_MAX, 0)}};
    for (const auto& r : ranges) {
        const Grad g = autoGrad(r[0], r[1]);
        EXPECT_TRUE(std::isfinite(g.step) && g.step > 0) << r[0] << ".." << r[1];
        EXPECT_TRUE(g.start >= r[0] && g.start <= r[1]) << r[0] << ".." << r[1];
    }
    const Grad tiny = autoGrad(1e-300, 2e-300);
    EXPECT_DOUBLE_EQ(tiny.step, 2e-301);
    EXPECT_DOUBLE_EQ(tiny.start, 1e-300);
}
