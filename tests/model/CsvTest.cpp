#include "model/GcGraphConfig.h"
#include "render/Renderer.h"

#include <bit>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "TempDir.h"

namespace {

std::string capture(const std::function<void(FILE*)>& write) {
    char* data = nullptr;
    size_t size = 0;
    FILE* stream = open_memstream(&data, &size);
    write(stream);
    std::fclose(stream);
    std::string text(data, size);
    std::free(data);
    return text;
}

// Configuration "Time" with one graph "Volt" (own title "Own") holding the series a and b.
struct Example {
    Vertex2D a[2] = {{0, 1}, {1, 2.5}}, b[1] = {{0, 3}};
    GcGLine lines[2];
    GcGraph graph;
    GcGraphConfig config;

    Example() {
        lines[0].nvertex = 2, lines[0].vertex = a, lines[1].nvertex = 1, lines[1].vertex = b;
        std::strcpy(lines[0].name, "a");
        std::strcpy(lines[1].name, "b");
        graph.setGLine(2, lines);
        std::strcpy(graph.vtitle, "Volt");
        std::strcpy(graph.htitle, "Own");
        config.setGraph(1, &graph);
        std::strcpy(config.htitle, "Time");
    }
    std::string graphText() {
        return capture([&](FILE* f) { graph.writeCsv(f); });
    }
    std::string configText() {
        return capture([&](FILE* f) { config.writeCsv(f); });
    }
};

} // namespace

TEST(Csv, ExampleFilesOfEachWriterAndEmptyOrFullWidthParts) {
    Example ex;
    EXPECT_EQ(ex.configText(), "Time,Volt - a,Time,Volt - b,\n0,1,0,3,\n1,2.5,,,\n\n");
    EXPECT_EQ(ex.graphText(), "Own,Volt - a,Own,Volt - b,\n0,1,0,3,\n1,2.5,,,\n");
    // Files hold the same text; a renderer writes its configuration once per set since the last
    // deleteGraph. Writing into a missing directory fails and creates nothing.
    TempDir dir;
    const std::string path = dir / "out.csv", missing = dir / "missing/out.csv";
    EXPECT_EQ(ex.config.writeCsv(path.c_str()), 1);
    EXPECT_EQ(readFile(path), ex.configText());
    EXPECT_EQ(ex.graph.writeCsv(path.c_str()), 1);
    EXPECT_EQ(readFile(path), ex.graphText());
    Renderer r;
    r.set(&ex.config), r.set(&ex.config);
    EXPECT_EQ(r.writeCsv(path.c_str()), 1);
    EXPECT_EQ(readFile(path), ex.configText() + ex.configText());
    r.deleteGraph();
    EXPECT_EQ(r.writeCsv(path.c_str()), 1);
    EXPECT_EQ(readFile(path), "");
    EXPECT_EQ(ex.config.writeCsv(missing.c_str()), 0);
    EXPECT_EQ(ex.graph.writeCsv(missing.c_str()), 0);
    EXPECT_EQ(r.writeCsv(missing.c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    // A write cut short fails with the system's reason and keeps the old file.
    ASSERT_EQ(ex.graph.writeCsv(path.c_str()), 1);
    rlimit saved, small;
    getrlimit(RLIMIT_FSIZE, &saved);
    small = {8, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    errno = 0;
    const int cut = ex.config.writeCsv(path.c_str());
    const int error = errno;
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(cut, 0);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(readFile(path), ex.graphText());

    ex.lines[0].nvertex = 0;
    ex.lines[1].vertex = nullptr; // a count without an array, written directly by a host
    EXPECT_EQ(ex.graphText(), "Own,Volt - a,Own,Volt - b,\n");
    ex.lines[0].nvertex = 2;
    EXPECT_EQ(ex.graphText(), "Own,Volt - a,Own,Volt - b,\n0,1,,,\n1,2.5,,,\n");

    // Full-width titles are not overread.
    ex.graph.setGLine(1, ex.lines);
    std::memset(ex.graph.vtitle, 'v', 51);
    std::memset(ex.lines[0].name, 'n', 51);
    std::memset(ex.config.htitle, 'h', 51);
    EXPECT_EQ(ex.configText(), std::string(51, 'h') + "," + std::string(51, 'v') + " - " +
                                   std::string(51, 'n') + ",\n0,1,\n1,2.5,\n\n");
    ex.graph.line = nullptr;
    EXPECT_EQ(ex.configText(), "\n\n");
    ex.config.graph = nullptr;
    EXPECT_EQ(ex.configText(), "");
}

// Special values, decimal boundaries, ties at the sixth digit and random numbers: enough text to
// pass through the writer's buffer many times.
TEST(Csv, NumbersMatchPrintfExactly) {
    const double inf = INFINITY, nan = NAN;
    std::vector<double> values = {
        0.0,    -0.0, inf,      -inf,    nan,      -nan, DBL_MAX, DBL_MIN,
        5e-324, 0.5,  999999.5, 9999995, 123456.5, 1e15, 1.5e-5,  9.99999949999e-5};
    for (int k = -7; k <= 17; ++k)
        for (double d : {std::pow(10.0, k), 9.999995 * std::pow(10.0, k - 1)})
            values.insert(values.end(), {d, std::nextafter(d, 0), -std::nextafter(d, inf)});
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> uniform(-1e7, 1e7), exponent(-7, 17);
    for (int i = 0; i < 100000; ++i) {
        const double d = std::bit_cast<double>(rng());             // any bit pattern
        const double tie = std::round(uniform(rng) / 10) * 10 + 5; // seven digits ending in 5
        values.insert(values.end(), {d, uniform(rng) * std::pow(10.0, exponent(rng)),
                                     tie * std::pow(10.0, exponent(rng) - 7)});
    }
    std::string expected = ", - ,\n";
    std::vector<Vertex2D> vertices;
    char cell[64];
    for (size_t i = 0; i + 1 < values.size(); i += 2) {
        std::snprintf(cell, sizeof cell, "%g,%g,\n", values[i], values[i + 1]);
        expected += cell;
        vertices.push_back({values[i], values[i + 1]});
    }
    GcGLine line;
    line.nvertex = static_cast<int>(vertices.size());
    line.vertex = vertices.data();
    GcGraph graph; // one untitled series
    graph.setGLine(1, &line);
    EXPECT_TRUE(capture([&](FILE* f) { graph.writeCsv(f); }) == expected);
}
