// The plotter's CSV reader: both layouts, their titles and names, and text arriving in pieces.
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

#include "CsvReader.h"
#include "IsoTime.h"

namespace {

std::vector<CsvGraph> readWhole(std::string_view text, CsvFormat format = {}) {
    CsvReader r(CsvReader::defaultMaxPoints, std::move(format));
    r.feed(text);
    return r.finish();
}

// The points of a one-graph input, as "x:y" per series point, series after series; or the error.
std::string pointsOf(std::string_view text, CsvFormat format = {}) {
    std::ostringstream s;
    try {
        const std::vector<CsvGraph> graphs = readWhole(text, std::move(format));
        for (const CsvSeries& series : graphs.at(0).series) {
            s << series.name << "=";
            for (const Vertex2D& p : series.points) s << p.x << ":" << p.y << " ";
        }
    } catch (const CsvError& e) {
        s << e.line << ":" << e.column << ": " << e.what();
    }
    return s.str();
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

// The separator the first line shows, a decimal comma with semicolons or when asked, a forced
// separator, a byte-order mark, and columns picked by number or name past columns of text.
TEST(CsvReader, ReadsTheSeparatorsDecimalCommasAndColumnsUsersHave) {
    CsvFormat comma, spaces, picked, named;
    comma.decimalComma = true;
    spaces.separator = ' ';
    picked.columns = {"3", "2"};
    named.columns = {"t", "p kPa", "q"};
    const struct {
        const char* text;
        CsvFormat format;
        const char* points;
    } cases[] = {
        {"t\tv\n1\t-2.5\n 2 \t 3\n", {}, "v=1:-2.5 2:3 "},
        {"Zeit;Druck\r\n1,5;2,25\r\n2;-1e3\r\n", {}, "Druck=1.5:2.25 2:-1000 "},
        {"1  2   3\n  4 5\t6  \n", {}, "y1=1:2 4:5 y2=1:3 4:6 "},
        {"1,5 2,5\n3 4,75\n", comma, "y1=1.5:2.5 3:4.75 "},
        {"1\t2 3\n", spaces, "y1=1:2 y2=1:3 "},
        {"a,b,c\nx,2,10\ny,4,20\n", picked, "b=10:2 20:4 "},
        {"q,t,\"p kPa\",note\n5,1,7,ok\n6,2,8,\n", named, "p kPa=1:7 2:8 q=1:5 2:6 "},
    };
    for (const auto& c : cases) EXPECT_EQ(pointsOf(c.text, c.format), c.points) << c.text;
    EXPECT_EQ(readWhole("\xEF\xBB\xBFtime_s,v\n1,2\n").at(0).htitle, "time_s");
}

// Columns that are not there, cells that are not what the options say, each where it is.
TEST(CsvReader, SaysWhichColumnOrCellItCannotRead) {
    const auto format = [](std::vector<std::string> columns, bool timeX = false) {
        CsvFormat f;
        f.columns = std::move(columns), f.timeX = timeX;
        return f;
    };
    const struct {
        const char* text;
        CsvFormat format;
        size_t line, column;
        const char* message;
    } cases[] = {
        {"t,v\n1,2\n\nt,w\n1,2\n", format({"t", "v"}), 4, 1,
         "-c v: no column of that name; the header has t, w"},
        {"1,2\n", format({"1", "3"}), 1, 1, "-c 3: no such column, the line has 2"},
        {"1,2\n", format({"1", "99999999999999999999"}), 1, 1,
         "-c 99999999999999999999: no such column, the line has 2"},
        {"T,V - a,\n1,2,\n", format({"1", "2"}), 1, 1,
         "-c picks plain columns, not the column pairs of a Ploxen export"},
        {"t,v\n2026-12-07T10:15,1\n2026-02-29T10:15,2\n", format({}, true), 3, 1,
         "not a time (seconds since 1970 or ISO 8601 as 2026-12-07T10:15:00)"},
        {"1\t2\n3\t4,5\n", {}, 2, 3, "not a number (for decimal commas give --decimal-comma)"},
    };
    for (const auto& c : cases) {
        try {
            readWhole(c.text, c.format);
            ADD_FAILURE() << "no error: " << c.message;
        } catch (const CsvError& e) {
            EXPECT_EQ(e.line, c.line) << c.message;
            EXPECT_EQ(e.column, c.column) << c.message;
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

// ISO 8601 times against seconds counted by hand; what is no time is refused.
TEST(IsoTime, ReadsDatesTimesFractionsAndZones) {
    const double day = 86400, dec7 = 20794 * day; // 2026-12-07 is day 20794 of the epoch
    const struct {
        const char* text;
        double seconds;
    } good[] = {
        {"1970-01-01", 0},
        {"2026-12-07", dec7},
        {"2026-12-07T10:15", dec7 + 36900},
        {"2026-12-07 10:15:30.25Z", dec7 + 36930.25},
        {"2026-12-07T10:15:00+01:00", dec7 + 33300},
        {"2026-12-07T10:15:00-0230", dec7 + 45900},
        {"2024-02-29T00:00:00,5", 19782 * day + 0.5},
        {"1969-12-31T23:59:59Z", -1},
    };
    for (const auto& g : good) EXPECT_EQ(parseIsoTime(g.text), g.seconds) << g.text;
    for (const char* bad : {"2026-02-29", "2026-12-07T24:00", "2026-12-07T10:60", "2026-13-01",
                            "2026-12-7", "2026-12-07T10:15:00Zx", "2026-12-07T10:15:00+1",
                            "2026-12-07T10:15:00.", "12/07/2026", ""})
        EXPECT_FALSE(parseIsoTime(bad)) << bad;
}

} // namespace
