// A solid one-pixel Polyline in copy mode drops points that change no pixel; these tests draw
// many polylines that way and segment by segment (MoveTo/LineTo, which no reduction touches)
// and compare every pixel. Wide pens reduce too, and are compared with a disc stamped on every
// pixel of the one-pixel segments.
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "raster/ColumnReducer.h"

namespace {

constexpr int kSize = 64;

// The pixels of the points drawn as one Polyline, or segment by segment.
std::vector<COLORREF> draw(const std::vector<POINT>& pts, bool segments) {
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    Canvas c(kSize, kSize);
    c.dc.SelectObject(&pen);
    if (!segments) c.dc.Polyline(pts.data(), int(pts.size()));
    for (size_t i = 1; segments && i < pts.size(); ++i)
        c.dc.MoveTo(pts[i - 1]), c.dc.LineTo(pts[i]);
    return c.pixels();
}

// The first pixel where the two drawings differ, or -1.
long firstDifference(const std::vector<POINT>& pts) {
    const std::vector<COLORREF> a = draw(pts, false), b = draw(pts, true);
    const auto diff = std::mismatch(a.begin(), a.end(), b.begin());
    return diff.first == a.end() ? -1 : long(diff.first - a.begin());
}

std::string describe(const std::vector<POINT>& pts) {
    std::string s = std::to_string(pts.size()) + " points:";
    for (size_t i = 0; i < pts.size() && i < 200; ++i)
        s += " " + std::to_string(pts[i].x) + "," + std::to_string(pts[i].y);
    return s;
}

using Generator = std::function<std::vector<POINT>(std::mt19937&)>;

int uniform(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// Mostly vertical steps: long runs of points in one column, moving on by a pixel now and then.
std::vector<POINT> denseColumns(std::mt19937& rng) {
    std::vector<POINT> pts;
    int x = uniform(rng, 0, 10);
    const int n = uniform(rng, 2, 300);
    for (int i = 0; i < n; ++i) {
        if (uniform(rng, 0, 5) == 0) x += uniform(rng, -1, 2);
        pts.push_back({x, uniform(rng, 0, kSize - 1)});
    }
    return pts;
}

// Short runs per column that end on their lowest or highest point, or revisit it.
std::vector<POINT> runsEndingOnExtremes(std::mt19937& rng) {
    std::vector<POINT> pts;
    int x = uniform(rng, 0, 20);
    const int runs = uniform(rng, 1, 12);
    for (int r = 0; r < runs; ++r) {
        const int lo = uniform(rng, 0, 40), hi = lo + uniform(rng, 0, 20);
        std::vector<int> ys = {lo, hi};
        for (int k = uniform(rng, 0, 3); k > 0; --k) ys.push_back(uniform(rng, lo, hi));
        std::shuffle(ys.begin(), ys.end(), rng);
        const int last = uniform(rng, 0, 2);
        if (last == 0) ys.push_back(lo);
        if (last == 1) ys.push_back(hi);
        for (int y : ys) pts.push_back({x, y});
        x += uniform(rng, 1, 3);
    }
    return pts;
}

// Few distinct points, each repeated: zero-length segments everywhere.
std::vector<POINT> repeatedPoints(std::mt19937& rng) {
    std::vector<POINT> pts;
    const int n = uniform(rng, 1, 20);
    for (int i = 0; i < n; ++i) {
        const POINT p{uniform(rng, 0, 8), uniform(rng, 0, 8)};
        for (int k = uniform(rng, 1, 4); k > 0; --k) pts.push_back(p);
    }
    return pts;
}

// Longer than the reducer's chunk of points, with vertical runs inside.
std::vector<POINT> veryLong(std::mt19937& rng) {
    std::vector<POINT> pts;
    const int n = uniform(rng, 5000, 12000);
    int x = uniform(rng, 0, kSize - 1);
    for (int i = 0; i < n; ++i) {
        if (uniform(rng, 0, 2) == 0) x = uniform(rng, 0, kSize - 1);
        pts.push_back({x, uniform(rng, 0, kSize - 1)});
    }
    return pts;
}

// Points far outside the bitmap on every side, mixed with points inside.
std::vector<POINT> farOutside(std::mt19937& rng) {
    std::vector<POINT> pts;
    const int n = uniform(rng, 2, 40);
    const int far[] = {-100000, -5000, -70, 90, 4000, 250000};
    for (int i = 0; i < n; ++i) {
        auto coord = [&] {
            return uniform(rng, 0, 2) == 0 ? far[uniform(rng, 0, 5)] : uniform(rng, -5, kSize + 5);
        };
        const int x = coord();
        pts.push_back({x, coord()});
        if (uniform(rng, 0, 1) == 0) pts.push_back({x, coord()}); // a run in that column
    }
    return pts;
}

} // namespace

TEST(PolylineReduce, RandomPolylinesDrawTheSamePixels) {
    const std::vector<std::tuple<const char*, Generator, int>> kinds = {
        {"denseColumns", denseColumns, 400},
        {"runsEndingOnExtremes", runsEndingOnExtremes, 1500},
        {"repeatedPoints", repeatedPoints, 600},
        {"veryLong", veryLong, 20},
        {"farOutside", farOutside, 600}};
    for (const auto& [name, make, count] : kinds) {
        for (int seed = 0; seed < count; ++seed) {
            std::mt19937 rng{unsigned(seed)};
            const std::vector<POINT> pts = make(rng);
            if (pts.size() < 2) continue;
            ASSERT_EQ(firstDifference(pts), -1)
                << name << " seed " << seed << ", " << describe(pts);
        }
    }
}

// The pixels of a wide pen's Polyline through pts on a kSize square: every pixel within the
// disc of the pen's width around a pixel of a one-pixel segment, both ends included, the disc
// centred on the pixel for an odd width and on its top-left corner for an even one.
Pixels wideReference(const std::vector<POINT>& pts, int width) {
    const int m = width, size = kSize + 2 * m; // a margin for discs of pixels off the square
    Canvas thin(size, size);
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    thin.dc.SelectObject(&pen);
    for (size_t i = 1; i < pts.size(); ++i) {
        const POINT a{pts[i - 1].x + m, pts[i - 1].y + m}, b{pts[i].x + m, pts[i].y + m};
        if (a.x == b.x && a.y == b.y) continue;
        thin.dc.MoveTo(a), thin.dc.LineTo(b), thin.dc.SetPixel(b.x, b.y, RGB(255, 255, 255));
    }
    const int e = width % 2 == 0;
    Pixels out;
    for (auto [x, y] : thin.drawn())
        for (int b = -width; b <= width; ++b)
            for (int a = -width; a <= width; ++a) {
                const int px = x - m + a, py = y - m + b;
                const bool inDisc =
                    (2 * a + e) * (2 * a + e) + (2 * b + e) * (2 * b + e) <= width * width;
                if (inDisc && px >= 0 && py >= 0 && px < kSize && py < kSize) out.insert({px, py});
            }
    return out;
}

// In copy mode, and in exclusive-or mode (drawn once it shows the same pixels: overlaps are
// not undone; drawn twice it leaves nothing).
TEST(PolylineReduce, WidePensStampTheirDiscOnEveryPixelOnce) {
    const std::vector<std::pair<Generator, int>> kinds = {{denseColumns, 60},
                                                          {runsEndingOnExtremes, 100},
                                                          {repeatedPoints, 60},
                                                          {veryLong, 3},
                                                          {farOutside, 100}};
    for (const auto& [make, count] : kinds)
        for (int seed = 0; seed < count; ++seed) {
            std::mt19937 rng{unsigned(seed)};
            const std::vector<POINT> pts = make(rng);
            const int width = 2 + seed % 5;
            if (pts.size() < 2) continue;
            CPen pen(PS_SOLID, width, RGB(255, 255, 255));
            Canvas copy(kSize, kSize), xored(kSize, kSize);
            copy.dc.SelectObject(&pen);
            copy.dc.Polyline(pts.data(), int(pts.size()));
            ASSERT_EQ(copy.drawn(), wideReference(pts, width))
                << "width " << width << ", " << describe(pts);
            xored.dc.SelectObject(&pen);
            xored.dc.SetROP2(R2_XORPEN);
            xored.dc.Polyline(pts.data(), int(pts.size()));
            ASSERT_EQ(xored.drawn(), copy.drawn()) << "width " << width << ", " << describe(pts);
            xored.dc.Polyline(pts.data(), int(pts.size()));
            ASSERT_TRUE(xored.drawn().empty()) << "width " << width << ", " << describe(pts);
        }
}

// Points fed in blocks (split at random, then into column runs; a block by its span alone where
// the reducer takes it so) are kept exactly as when fed one by one, and feeding the kept points
// again keeps them unchanged.
TEST(PolylineReduce, BlocksAndReducedInputKeepTheSamePoints) {
    using Kept = std::vector<std::pair<int, int>>;
    const auto reduce = [](const std::vector<POINT>& pts, std::mt19937* blocks) {
        Kept kept;
        const auto keep = [&](int x, int y) { kept.push_back({x, y}); };
        ColumnReducer r;
        std::vector<int> ys;
        for (size_t i = 0, j; i < pts.size(); i = j) {
            if (!blocks) {
                r.add(pts[i].x, pts[i].y, keep), j = i + 1;
                continue;
            }
            j = std::min(pts.size(), i + size_t(uniform(*blocks, 1, 40)));
            for (size_t k = i; k < j; ++k) {
                if (k > i && pts[k].x != pts[k - 1].x) j = k; // a block stays in one column
            }
            // Known by its span, with the run's last point, where the reducer can take it so,
            // else point by point.
            ys.clear();
            if (i > 0) ys.push_back(pts[i - 1].y);
            for (size_t k = i; k < j; ++k) ys.push_back(pts[k].y);
            const auto [lo, hi] = std::minmax_element(ys.begin(), ys.end());
            bool loLeft = false, hiLeft = false;
            for (size_t k = 0; k + 1 < ys.size(); ++k) {
                loLeft |= ys[k] == *lo && ys[k + 1] != *lo;
                hiLeft |= ys[k] == *hi && ys[k + 1] != *hi;
            }
            if (i == 0 || pts[i - 1].x != pts[i].x ||
                !r.addSpan(pts[i].x, *lo, *hi, ys.back(), loLeft, hiLeft))
                r.add(pts[i].x, ys.data() + (i > 0), int(ys.size()) - (i > 0), keep);
        }
        r.finish(keep);
        return kept;
    };
    for (const Generator& make :
         {Generator(denseColumns), Generator(runsEndingOnExtremes), Generator(repeatedPoints)})
        for (int seed = 0; seed < 1000; ++seed) {
            std::mt19937 rng{unsigned(seed)};
            const std::vector<POINT> pts = make(rng);
            const Kept one = reduce(pts, nullptr);
            ASSERT_EQ(reduce(pts, &rng), one) << describe(pts);
            std::vector<POINT> again;
            for (auto [x, y] : one) again.push_back({x, y});
            ASSERT_EQ(reduce(again, nullptr), one) << describe(pts);
        }
}
