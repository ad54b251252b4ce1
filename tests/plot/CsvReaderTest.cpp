// The plotter's CSV reader: both layouts, their titles and names, and text arriving in pieces.
#include <cmath>
#include <gtest/gtest.h>

#include "CsvReader.h"

namespace {

std::vector<CsvGraph> readWhole(std::string_view text) {
    CsvReader r;
    r.feed(text);
    return r.finish();
}

// The library's own layout (a padded series, a gap, Windows line ends, a blank line between
// graphs), then plain columns with a header, then plain columns without one.
const char* const mixed = "Time,Volt - a,Time,Volt - b,\r\n"
                          "0,1,0,3,\r\n"
                          "1,2.5,,,\r\n"
                          "2,nan,,,\r\n"
                          "\r\n"
                          "t , speed,\"load\"\n"
                          " +1, -2 ,3e2 \n"
                          "2,4,inf\n"
                          "\n\n"
                          "0.5,1\n"
                          "0.75,-1";

// The library's own layout is read back whole by the plotter's round-trip test.
TEST(CsvReader, ReadsBothLayoutsWithTheirTitlesAndNames) {
    const std::vector<CsvGraph> g = readWhole(mixed);
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[1].htitle, "t");
    ASSERT_EQ(g[1].series.size(), 2u);
    EXPECT_EQ(g[1].series[0].name, "speed");
    EXPECT_EQ(g[1].series[1].name, "load");
    ASSERT_EQ(g[1].series[1].points.size(), 2u);
    EXPECT_EQ(g[1].series[0].points[0].x, 1);
    EXPECT_EQ(g[1].series[0].points[0].y, -2);
    EXPECT_EQ(g[1].series[1].points[0].y, 300);
    EXPECT_TRUE(std::isinf(g[1].series[1].points[1].y));

    ASSERT_EQ(g[2].series.size(), 1u);
    EXPECT_EQ(g[2].series[0].name, "y1");
    ASSERT_EQ(g[2].series[0].points.size(), 2u); // the last line has no line end
    EXPECT_EQ(g[2].series[0].points[1].x, 0.75);
}

TEST(CsvReader, PiecesOfAnySizeReadAsTheWholeText) {
    const std::string text = mixed;
    const std::vector<CsvGraph> whole = readWhole(text);
    for (size_t piece = 1; piece <= 9; ++piece) {
        CsvReader r;
        for (size_t at = 0; at < text.size(); at += piece) r.feed(text.substr(at, piece));
        const std::vector<CsvGraph> g = r.finish();
        ASSERT_EQ(g.size(), whole.size()) << piece;
        for (size_t i = 0; i < g.size(); ++i) {
            EXPECT_EQ(g[i].htitle, whole[i].htitle);
            ASSERT_EQ(g[i].series.size(), whole[i].series.size());
            for (size_t s = 0; s < g[i].series.size(); ++s) {
                const auto &a = g[i].series[s].points, &b = whole[i].series[s].points;
                ASSERT_EQ(a.size(), b.size()) << piece;
                for (size_t p = 0; p < a.size(); ++p)
                    EXPECT_TRUE(a[p].x == b[p].x && (a[p].y == b[p].y || std::isnan(b[p].y)));
            }
        }
    }
}

// Each limit is refused where it is passed, naming the line and column, before the text or its
// cells are held: a long line fed in pieces stops at its first megabyte.
TEST(CsvReader, RefusesWhatPassesItsLimitsWhereItStarts) {
    std::string block = "0";
    for (int i = 1; i < 1024; ++i) block += ",0";
    std::string series;
    for (int i = 0; i < 5; ++i) series += block + "\n\n";
    std::string graphs;
    for (int i = 0; i < 257; ++i) graphs += "1,2\n\n";
    const std::string piece(1 << 16, '1');
    const struct {
        std::string text;
        size_t maxPoints, line, column;
        const char* message;
    } cases[] = {
        {"1,2,3\n4,5,6\n", 3, 2, 1, "more than 3 points"},
        {block + ",0\n", 1 << 26, 1, 2049, "more than 1024 cells in a line"},
        {series, 1 << 26, 9, 1, "more than 4096 series in all"},
        {graphs, 1 << 26, 513, 1, "more than 256 graphs (blocks of lines)"},
        {"1,2\n" + std::string(32 * piece.size(), '1'), 1 << 26, 2, 1048577,
         "line longer than 1048576 bytes"},
    };
    for (const auto& c : cases) {
        CsvReader r(c.maxPoints);
        try {
            for (size_t at = 0; at < c.text.size(); at += piece.size())
                r.feed(std::string_view(c.text).substr(at, piece.size()));
            r.finish();
            ADD_FAILURE() << "no error: " << c.message;
        } catch (const CsvError& e) {
            EXPECT_EQ(e.line, c.line) << c.message;
            EXPECT_EQ(e.column, c.column) << c.message;
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

} // namespace
