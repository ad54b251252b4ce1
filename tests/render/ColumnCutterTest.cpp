// The column cutter walked over a sorted series as the block loop walks it, each block starting
// at the vertex the last one was cut at: every cut must fall just after the first vertex in
// another column. Steps between vertices vary from many vertices a column to several columns a
// step, so that the search's guess lands both short of the edge and past it.
#include <ploxen/render/ColumnCutter.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

TEST(ColumnCutter, CutsAfterTheFirstVertexInAnotherColumn) {
    const AxisMap xmap = AxisMap::horizontal(3, -7, 40, 400, 0, 1); // ten pixels a unit
    std::mt19937_64 rng(5);
    std::vector<Vertex2D> v;
    for (double x = -7, step = 0.01; x < 33; x += step) {
        v.push_back({x, 0});
        if (rng() % 50 == 0) step = std::uniform_real_distribution<double>(0.001, 0.3)(rng);
    }
    const int n = int(v.size());
    const auto column = [&](int i) { return PlotLayout::rndInRange(xmap.toPixel(v[i].x)); };
    ColumnCutter cutter(v.data(), xmap, 0, 500, true);
    for (int s = 1, cuts = 0; s < n; ++cuts) {
        const int whole = std::min(n - s, 300) + 1, end = s + whole - 2;
        int k = s;
        while (k <= end && column(k) == column(s - 1)) ++k;
        SCOPED_TRACE(testing::Message() << "block from " << s - 1 << ", cut " << cuts);
        ASSERT_EQ(cutter.cut(s, whole), k > end ? whole : std::max(k - s + 1, 2));
        s += std::max(k > end ? whole : k - s + 1, 2) - 1;
    }
}
