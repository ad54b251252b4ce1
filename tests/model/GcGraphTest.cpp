#include "model/GcGraph.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

TEST(GcGraph, SetOrdersRangesAndClampsSteps) {
    char vt[] = "Volt";
    GcGraph g(0, nullptr, 5, 2, 0.5, 10, 0, 4, 4, 1, 3, -3, vt, nullptr);
    // Step 3 wider than 2..5; 4..4 widened to 2..6 before the step is compared.
    EXPECT_EQ((std::vector<double>{g.vmin, g.vmax, g.vlargeGradStep, g.hmin, g.hmax,
                                   g.hlargeGradStep, double(g.vsmallGrad), double(g.hsmallGrad)}),
              (std::vector<double>{2, 5, 3, 2, 6, 3, 1, 1}));
    EXPECT_STREQ(g.vtitle, "Volt");

    // setMinMax: ordered, non-empty and finite; what cannot be made so becomes -0.5..0.5.
    constexpr double inf = INFINITY, NaN = NAN;
    using Case = std::array<double, 4>; // a, b, min, max
    for (auto [a, b, min, max] :
         {Case{5, 2, 2, 5}, Case{0, 0, -0.5, 0.5}, Case{3, 3, 1.5, 4.5}, Case{-4, -4, -6, -2},
          Case{1e308, 1e308, 5e307, 1.5e308}, Case{NaN, 1, -0.5, 0.5}, Case{1, NaN, -0.5, 0.5},
          Case{inf, inf, -0.5, 0.5}, Case{-inf, inf, -0.5, 0.5}, Case{-inf, 3, -0.5, 0.5},
          Case{1.5e308, 1.5e308, -0.5, 0.5}, Case{5e-324, 5e-324, -0.5, 0.5}}) {
        g.setVminVmax(a, b);
        EXPECT_TRUE(g.vmin == min && g.vmax == max) << a << ", " << b;
    }
}

TEST(GcGraph, AutoRangeSpansAllSeriesWithVertices) {
    Vertex2D sevens[] = {{1, 7}, {2, 7}, {3, 7}}, low[] = {{-4, -1}}, high[] = {{10, 20}};
    GcGLine lines[3];
    lines[0].nvertex = lines[2].nvertex = 1; // lines[1] stays empty
    lines[0].vertex = low, lines[2].vertex = high;
    GcGraph g;
    g.setGLine(3, lines);
    g.setAutoVminVmax();
    g.setAutoHminHmax();
    EXPECT_EQ((std::vector<double>{g.vmin, g.vmax, g.hmin, g.hmax}),
              (std::vector<double>{-1, 20, -4, 10}));
    g.setGLine(1, &lines[1]); // nothing to span: unchanged
    g.setAutoVminVmax();
    EXPECT_EQ(g.vmax, 20);
    lines[1].nvertex = 3, lines[1].vertex = sevens;
    g.setAutoVminVmax();
    EXPECT_TRUE(g.vmin == 3.5 && g.vmax == 10.5);
    g.nline = 2; // a count without an array, written directly by a host
    g.line = nullptr;
    g.setAutoHminHmax();
    EXPECT_EQ(g.hmin, -4);
}

TEST(GcGraph, LogarithmicAutoRangeSnapsToDecadesOrOneTwoFive) {
    using Case = std::array<double, 4>; // two values, the range taken
    for (auto [a, b, min, max] :
         {Case{0.5, 80, 0.1, 100}, Case{3, 7, 2, 10}, Case{20, 150, 20, 200}, Case{5, 5, 2, 10},
          Case{10, 10, 5, 20}, Case{1, 1000, 1, 1000}}) {
        Vertex2D v[] = {{a, a}, {0, 0}, {-3, -3}, {b, b}};
        GcGLine line;
        line.nvertex = 4, line.vertex = v;
        GcGraph g;
        g.setGLine(1, &line);
        g.setLogH(1), g.setLogV(1);
        g.setAutoHminHmax();
        g.setAutoVminVmax();
        EXPECT_TRUE(g.hmin == min && g.hmax == max && g.vmin == min && g.vmax == max)
            << a << ".." << b << " gave " << g.hmin << ".." << g.hmax;
    }
    Vertex2D none[] = {{0, -1}};
    GcGLine line;
    line.nvertex = 1, line.vertex = none;
    GcGraph g;
    g.setGLine(1, &line);
    g.setLogV(1);
    g.setAutoVminVmax(); // no positive value: unchanged
    EXPECT_TRUE(g.vmin == 0 && g.vmax == 1);
}
