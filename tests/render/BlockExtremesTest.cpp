// The vectorised extremes of a block against a plain loop over the same vertices: random
// blocks of every length up to several vector steps (so that tails of every size occur), with
// wide-ranging values and, in some blocks, NaN or an infinity at a random place.
#include <ploxen/render/BlockExtremes.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

TEST(BlockExtremes, AgreeWithAPlainLoop) {
    std::mt19937_64 rng(23);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-30, 30);
    const double gaps[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()};
    for (const auto read : {&extremes, &extremesByPairs}) {
        for (int n = 1; n <= 40; ++n) {
            for (int trial = 0; trial < 50; ++trial) {
                std::vector<Vertex2D> v(static_cast<size_t>(n));
                for (Vertex2D& p : v)
                    p = {std::ldexp(mantissa(rng), exponent(rng)),
                         std::ldexp(mantissa(rng), exponent(rng))};
                if (trial % 2) {
                    Vertex2D& p = v[size_t(rng() % unsigned(n))];
                    (rng() % 2 ? p.x : p.y) = gaps[rng() % 3];
                }
                Extremes want{v[0].x, v[0].y, v[0].x, v[0].y, true};
                for (const Vertex2D& p : v) {
                    want.finite = want.finite && std::isfinite(p.x) && std::isfinite(p.y);
                    want.xlo = std::min(want.xlo, p.x), want.xhi = std::max(want.xhi, p.x);
                    want.ylo = std::min(want.ylo, p.y), want.yhi = std::max(want.yhi, p.y);
                }
                const Extremes got = read(v.data(), n);
                SCOPED_TRACE(testing::Message() << "n " << n << " trial " << trial);
                ASSERT_EQ(got.finite, want.finite);
                if (!want.finite) continue; // the extremes mean nothing then
                ASSERT_EQ(got.xlo, want.xlo);
                ASSERT_EQ(got.xhi, want.xhi);
                ASSERT_EQ(got.ylo, want.ylo);
                ASSERT_EQ(got.yhi, want.yhi);
            }
        }
    }
}
