#include "model/GcGLine.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

TEST(GcGLine, SetKeepsStyleAndAtMostFiftyNameCharacters) {
    Vertex2D v[2] = {{0, 1}, {2, 3}};
    int color[3] = {1, 2, 3};
    char name[] = "curve";
    GcGLine line(2, v, color, name, 4, 2, 3);
    EXPECT_EQ(line.getVertex(), v);
    line.set(0, v, color, nullptr, 5, -1, 7); // no vertices: empty series, style kept
    EXPECT_EQ(line.getVertex(), nullptr);
    EXPECT_EQ(line.lineStyle, -1);
    EXPECT_STREQ(line.name, "curve");
    line.set(3, nullptr, color, nullptr, 0, 0, 1);
    EXPECT_EQ(line.getNvertex(), 0);

    std::string longer(60, 'b'), shorter = "xy";
    line.set(0, nullptr, color, longer.data(), 0, 0, 1);
    EXPECT_EQ(line.name, longer.substr(0, 50));
    std::string micro = std::string(49, 'b') + "µs"; // the "µ" would take bytes 50 and 51
    line.set(0, nullptr, color, micro.data(), 0, 0, 1);
    EXPECT_EQ(line.name, longer.substr(0, 49));
    line.set(0, nullptr, color, shorter.data(), 0, 0, 1);
    EXPECT_EQ(std::string(line.name, 51), "xy" + std::string(49, '\0')); // zero padded
}

// Long series with repeated extremes, zeros of both signs, NaN and infinities give the extremes
// of a plain single pass, bit for bit; short ones go through the same code. The vertical
// extremes, the same code on y, are checked through GcGraph's automatic range.
TEST(GcGLine, ExtremesMatchASinglePass) {
    const double pool[] = {-0.0, 0.0, 1, -1, 2, NAN, INFINITY, -INFINITY};
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> pick(0, 7), size(1, 300);
    GcGLine line;
    double min, max;
    for (int round = 0; round < 2000; ++round) {
        std::vector<Vertex2D> v(size(rng));
        const int kinds = 2 + round % 7; // few kinds make ties likely
        for (Vertex2D& p : v) p = {pool[pick(rng) % kinds], pool[pick(rng)]};
        double lo = v[0].x, hi = v[0].x;
        for (const Vertex2D& p : v) lo = p.x < lo ? p.x : lo, hi = p.x > hi ? p.x : hi;
        line.nvertex = static_cast<int>(v.size());
        line.vertex = v.data();
        ASSERT_EQ(line.getHminHmax(min, max), 1);
        ASSERT_EQ(std::memcmp(&min, &lo, sizeof min), 0) << round;
        ASSERT_EQ(std::memcmp(&max, &hi, sizeof max), 0) << round;
    }

    // An empty series has no extremes, also a count without an array written by a host.
    GcGLine empty;
    double lo = 42, hi = 43;
    EXPECT_EQ(empty.getHminHmax(lo, hi), 0);
    empty.nvertex = 3;
    EXPECT_EQ(empty.getVminVmax(lo, hi), 0);
    EXPECT_TRUE(lo == 42 && hi == 43);
}
