#include "model/GcGraph.h"
#include "model/ManInt.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
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

TEST(AutoGrad, ChoosesReadableSteps) {
    const double rounded[][2] = {{2.5, 3},   {-2.5, -3}, {2.49, 2}, {0.49, 0},
                                 {-0.5, -1}, {0, 0},     {9.5, 10}, {-7.2, -7}};
    for (auto [in, out] : rounded) EXPECT_EQ(com_GLManInt(in), out) << in; // halves away from 0

    // (min, max, step, start, small); in 3..12.6 the mantissa rounds to 10: even first graduation.
    const double cases[][5] = {{0, 1, 0.2, 0, 2},    {0, 1.5, 0.5, 0, 5},
                               {1, 3.5, 1, 1, 2},    {0, 7, 2, 0, 2},
                               {-5, 5, 2, -4, 2},    {3, 9.5, 2, 4, 2},
                               {-3.7, 42, 10, 0, 2}, {250, 1250, 200, 400, 2},
                               {3, 12.6, 2, 4, 2},   {1e-300, 2e-300, 2e-301, 1e-300, 2}};
    for (auto [min, max, step, start, small] : cases) {
        SCOPED_TRACE(testing::Message() << min << ".." << max);
        const Grad g = autoGrad(min, max);
        EXPECT_DOUBLE_EQ(g.step, step);
        EXPECT_DOUBLE_EQ(g.start, start);
        EXPECT_EQ(g.small, small);
    }
    // The axis variants use the graph's own (ordered) ranges and keep them.
    GcGraph g;
    g.setVminVmax(5, -5);
    g.setHminHmax(250, 1250);
    g.setAutoVgrad();
    g.setAutoHgrad();
    EXPECT_EQ((std::vector<double>{g.vlargeGradStart, g.vlargeGradStep, g.hlargeGradStart,
                                   g.hlargeGradStep, g.hmin}),
              (std::vector<double>{-4, 2, 400, 200, 250}));
}

TEST(AutoGrad, FirstGraduationIsTheFirstAtOrAboveMin) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-12, 12), position(-1000, 1000);
    for (int i = 0; i < 20000; ++i) {
        const double span = std::pow(10.0, exponent(rng)), min = position(rng) * span;
        const Grad g = autoGrad(min, min + span);
        ASSERT_GT(g.step, 0);
        EXPECT_GE(g.start, min);
        EXPECT_LT(g.start - g.step, min + 1e-9 * g.step);
        EXPECT_TRUE(span / g.step >= 2.49 && span / g.step <= 7.51) << min << " + " << span;
    }
}

TEST(AutoGrad, InvalidRangesLeaveOutputsAloneAndExtremeOnesStayFinite) {
    const double inf = INFINITY, nan = NAN;
    const double invalid[][2] = {{1, 1},   {2, 1},    {nan, 1},   {0, nan},
                                 {0, inf}, {-inf, 0}, {0, 5e-324}}; // no representable step
    for (auto [min, max] : invalid) {
        const Grad g = autoGrad(min, max);
        EXPECT_TRUE(g.step == -1 && g.start == -1 && g.small == -1) << min << ".." << max;
    }
    const double up = std::nextafter(1e300, DBL_MAX), down = std::nextafter(-DBL_MAX, 0);
    const double extreme[][2] = {{1e-300, 2e-300},  {0, 1e300},  {-DBL_MAX, DBL_MAX},
                                 {-1e-310, 1e-310}, {0, 1e-320}, {1e300, up},
                                 {-DBL_MAX, down}};
    for (auto [min, max] : extreme) {
        const Grad g = autoGrad(min, max);
        EXPECT_TRUE(std::isfinite(g.step) && g.step > 0) << min << ".." << max;
        EXPECT_TRUE(g.start >= min && g.start <= max) << min << ".." << max;
    }
}
