// The mapping without division against the exact one, on values whose exact pixel lies within a
// few units in the last place, or a little more, of every rounding boundary of a 1,300-pixel span:
// the exact pixel must lie within the stated error of the fast one, so that a rounding the fast one
// is sure of is the exact one's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "render/AxisMap.h"
#include "render/PlotLayout.h"

TEST(AxisMap, FastMappingIsWithinItsErrorNextToEveryRoundingBoundary) {
    const AxisMap maps[] = {
        AxisMap::horizontal(180, 0, 1e7 - 1, 780, 0, 1),
        AxisMap::horizontal(180.3, 1e3, 3e-3, 780.7, -3000.7, 100),
        AxisMap::horizontal(-500, -7, 0.1, 1300, 12.25, 0.37),
        AxisMap::vertical(855, -1.2, 2.4, 0, 300, 0, 1),
        AxisMap::vertical(855.5, -1.2, 2.4, 2, 281.25, 12.5, 3),
        AxisMap::vertical(40, 1e-300, 3e-301, 1, 50, -1e3, 7e4),
        AxisMap::horizontal(180, -3, 7, 780, 0, 1, true),
        AxisMap::horizontal(180, 0.5, 1, 780, -2e4, 1e3, true),
        AxisMap::vertical(855, -50, 100, 0, 300, 0, 1, true),
        AxisMap::horizontal(180, 300, 1, 780, 0, 1e4, true), // the logarithm's error counts
    };
    // On a logarithmic axis the fast mapping takes fastLog10 of the value.
    const auto nearPixel = [](const AxisMap& m, double v) {
        return m.nearPixel(m.logarithmic() ? AxisMap::fastLog10(v) : v);
    };
    for (const AxisMap& m : maps) {
        long sure = 0, total = 0;
        for (int b = -100; b <= 1300; ++b) {
            // Rounding changes at m + 0.5 at and right of 0, at whole numbers left of it.
            const double boundary = b >= 0 ? b + 0.5 : b;
            std::vector<double> values;
            for (double d : {1e-3, 1e-6, 1e-9, 1e-11, 1e-13, 0.0})
                values.insert(values.end(), {m.toValue(boundary + d), m.toValue(boundary - d)});
            double w = m.toValue(boundary);
            for (int i = 0; i < 4; ++i) w = std::nextafter(w, -INFINITY);
            for (int i = 0; i < 9; ++i, w = std::nextafter(w, INFINITY)) values.push_back(w);
            for (double v : values) {
                const double exact = m.toPixel(v), near = nearPixel(m, v), e = m.nearError(near);
                ASSERT_LE(std::fabs(near - exact), e) << v << " near " << boundary;
                const int lo = PlotLayout::rnd(near - e), hi = PlotLayout::rnd(near + e);
                if (lo == hi) {
                    ASSERT_EQ(lo, PlotLayout::rnd(exact)) << v;
                }
                sure += lo == hi, ++total;
            }
        }
        EXPECT_GT(sure, 0);
        EXPECT_LT(sure, total); // the boundaries themselves are never sure
        // Away from boundaries the fast mapping is nearly always sure.
        std::mt19937_64 rng(7);
        int ordinarySure = 0;
        for (int i = 0; i < 10000; ++i) {
            const double p = std::uniform_real_distribution<double>(-100, 1300)(rng);
            const double near = nearPixel(m, m.toValue(p)), e = m.nearError(near);
            ordinarySure += PlotLayout::rnd(near - e) == PlotLayout::rnd(near + e);
        }
        EXPECT_GT(ordinarySure, 9990);
        EXPECT_NEAR(m.toPixel(m.toValue(321.25)), 321.25, 1e-6);
    }
}

TEST(AxisMap, FastLogarithmIsWithinItsErrorOverAllNormalDoubles) {
    std::mt19937_64 rng(11);
    double worst = 0;
    for (int i = 0; i < 1000000; ++i) {
        const double v = std::ldexp(std::uniform_real_distribution<double>(1, 2)(rng),
                                    std::uniform_int_distribution<int>(-1022, 1023)(rng));
        const double exact = std::log10(v);
        worst = std::max(worst, std::fabs(AxisMap::fastLog10(v) - exact) / (std::fabs(exact) + 1));
    }
    EXPECT_LT(worst, AxisMap::fastLog10Error / 8); // with room to spare
    for (double v : {0.0, -1.0, 1e-310, double(INFINITY), double(NAN)})
        EXPECT_TRUE(std::isnan(AxisMap::fastLog10(v)));
    EXPECT_EQ(AxisMap::fastLog10(1.0), 0.0);
}
