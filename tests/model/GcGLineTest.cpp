#include "model/GcGLine.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

TEST(GcGLine, SetWithoutVerticesEmptiesSeriesButKeepsStyle) {
    Vertex2D v[2] = {{0, 1}, {2, 3}};
    int color[3] = {1, 2, 3};
    char name[] = "curve";
    GcGLine line(2, v, color, name, 4, 2, 3);
    EXPECT_EQ(line.getVertex(), v);
    line.set(0, v, color, nullptr, 5, -1, 7);
    EXPECT_EQ(line.getVertex(), nullptr);
    EXPECT_EQ(line.lineStyle, -1);
    EXPECT_STREQ(line.name, "curve");
    line.set(3, nullptr, color, nullptr, 0, 0, 1);
    EXPECT_EQ(line.getNvertex(), 0);
}

TEST(GcGLine, NameKeepsAtMostFiftyCharactersZeroPadded) {
    int color[3] = {};
    std::string exact(50, 'a'), longer(60, 'b'), shorter = "xy";
    GcGLine line;
    line.set(0, nullptr, color, exact.data(), 0, 0, 1);
    EXPECT_EQ(line.name, exact);
    line.set(0, nullptr, color, longer.data(), 0, 0, 1);
    EXPECT_EQ(line.name, longer.substr(0, 50));
    line.set(0, nullptr, color, shorter.data(), 0, 0, 1);
    EXPECT_EQ(std::string(line.name, 51), "xy" + std::string(49, '\0'));
}

// Long series with repeated extremes, zeros of both signs, NaN and infinities give the extremes
// of a plain single pass, bit for bit; short ones go through the same code.
TEST(GcGLine, ExtremesMatchASinglePass) {
    const double pool[] = {-0.0,
                           0.0,
                           1,
                           -1,
                           2,
                           std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()};
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> pick(0, 7), size(1, 300);
    for (int round = 0; round < 2000; ++round) {
        std::vector<Vertex2D> v(size(rng));
        const int kinds = 2 + round % 7; // few kinds make ties likely
        for (Vertex2D& p : v) p = {pool[pick(rng) % kinds], pool[pick(rng)]};
        double lo = v[0].x, hi = v[0].x;
        for (const Vertex2D& p : v) {
            if (p.x < lo) lo = p.x;
            if (p.x > hi) hi = p.x;
        }
        GcGLine line;
        line.nvertex = static_cast<int>(v.size());
        line.vertex = v.data();
        double min, max;
        ASSERT_EQ(line.getHminHmax(min, max), 1);
        ASSERT_EQ(std::memcmp(&min, &lo, sizeof min), 0) << round;
        ASSERT_EQ(std::memcmp(&max, &hi, sizeof max), 0) << round;
    }
    Vertex2D v[] = {{3, -1}, {-2, 5}, {7, 0}};
    GcGLine line;
    line.nvertex = 3;
    line.vertex = v;
    double min, max;
    line.getVminVmax(min, max);
    EXPECT_EQ(min, -1);
    EXPECT_EQ(max, 5);
}

TEST(GcGLine, EmptySeriesHasNoExtremes) {
    GcGLine line;
    double lo = 42, hi = 43;
    EXPECT_EQ(line.getHminHmax(lo, hi), 0);
    line.nvertex = 3; // a count without an array, written directly by a host
    EXPECT_EQ(line.getVminVmax(lo, hi), 0);
    EXPECT_EQ(lo, 42);
    EXPECT_EQ(hi, 43);
}
