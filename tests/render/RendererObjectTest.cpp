#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "render/RenderScene.h"

using namespace render_test;

namespace {

struct OpenRenderer : Renderer {
    using Renderer::trimZeros;
};

std::string csvOf(const std::function<void(FILE*)>& write) {
    FILE* f = std::tmpfile();
    write(f);
    std::rewind(f);
    std::string out;
    for (int c; (c = std::fgetc(f)) != EOF;) out += char(c);
    std::fclose(f);
    return out;
}

} // namespace

TEST(RenderObject, BackgroundClearAndSharedComments) {
    Renderer r;
    r.setBackground(Renderer::BKTYPE(7)); // unknown: black
    EXPECT_EQ(r.getBackground(), Renderer::BK_BLACK);
    r.zoomScale[0] = 3.0f;
    r.init(640, 480); // keeps the zoom
    EXPECT_EQ(Ints(r.viewport, r.viewport + 4), (Ints{0, 0, 640, 480}));
    EXPECT_EQ(r.zoomScale[0], 3.0f);
    Canvas c(20, 10);
    RECT rect{2, 2, 8, 6};
    r.setBackgroundWhite();
    r.clear(&c.dc, &rect);
    EXPECT_EQ(c.dc.GetPixel(7, 5), RGB(255, 255, 255));
    EXPECT_EQ(c.dc.GetPixel(8, 6), RGB(0, 0, 0));

    // A copy shares the list, which outlives the renderer it came from.
    auto* original = new Renderer;
    Renderer copy(*original), assigned;
    assigned = copy;
    EXPECT_TRUE(copy.comments == original->comments && assigned.comments == original->comments);
    EXPECT_EQ(original->comments->count, 0);
    original->comments->add("kept", LOGFONTA{}, 0, CPoint(1, 2));
    delete original;
    EXPECT_EQ(assigned.comments->count, 1);
}

TEST(RenderZoom, RectangleBecomesThePlotAreaAndBadOnesAreRefused) {
    Scene s({GraphSpec{{{{0, 0}, {1, 1}}}}}, 1000, 400); // plot x 150..800, y 20..320
    Renderer& r = s.r;
    const auto state = [&] {
        return std::vector<float>{r.zoomScale[0], r.zoomScale[1], r.zoomOffset[0], r.zoomOffset[1]};
    };
    r.zoomGraph(800, 20, 150, 320);
    EXPECT_EQ(state(), (std::vector<float>{1, 1, 0, 0}));
    r.zoomGraph(475, 170, 800, 320);
    EXPECT_EQ(state(), (std::vector<float>{2, 2, -325, 0}));

    const float nan = std::nanf(""), bad[][4] = {{300, 100, 300, 200},
                                                 {300, 100, 400, 100},
                                                 {nan, 100, 400, 200},
                                                 {300, 100, 400, INFINITY},
                                                 {1e-38f, 100, 0, 200}};
    for (auto [x1, y1, x2, y2] : bad) {
        r.zoomGraph(x1, y1, x2, y2);
        EXPECT_EQ(state(), (std::vector<float>{2, 2, -325, 0}));
    }
    for (int i = 0; i < 200; ++i) r.zoomGraph(150, 20, 151, 21);
    for (float v : state()) EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(state()[0] > 0 && state()[1] > 0);
    r.resetGraph();
    EXPECT_EQ(state(), (std::vector<float>{1, 1, 0, 0}));

    r.deleteGraph();
    r.zoomGraph(475, 170, 800, 320);
    EXPECT_EQ(state(), (std::vector<float>{1, 1, 0, 0}));
}

TEST(RenderCsv, WritesTheConfigurationOncePerSet) {
    Scene s({GraphSpec{{{{0, 1}, {1, 2.5}}, {{0, 3}}}}});
    const std::string once = csvOf([&](FILE* f) { s.cfg.writeCsv(f); });
    ASSERT_FALSE(once.empty());
    EXPECT_EQ(csvOf([&](FILE* f) { s.r.writeCsv(f); }), once);
    s.r.set(&s.cfg);
    EXPECT_EQ(csvOf([&](FILE* f) { s.r.writeCsv(f); }), once + once);
    s.r.deleteGraph();
    EXPECT_EQ(csvOf([&](FILE* f) { s.r.writeCsv(f); }), "");
    EXPECT_EQ(s.r.writeCsv("/nonexistent-dir/x.csv"), 0);
    const std::string path = testing::TempDir() + "render_csv_test.csv";
    EXPECT_EQ(s.r.writeCsv(path.c_str()), 1);
    std::remove(path.c_str());
}

TEST(RenderGradIndex, ExponentIntegerTestAndTrim) {
    // Exponent n of (min, max) and whether the graduation (start, step) is a whole number.
    const float ranges[][3] = {{0, 0, 0},     {0.001f, 0.5f, -1}, {0, 250, 2},    {-5000, 20, 3},
                               {0, 9.96f, 1}, {0.00999f, 0, -2},  {0, 3e38f, 38}, {0, INFINITY, 0}};
    for (auto [min, max, n] : ranges) {
        float scale = -1;
        EXPECT_EQ(com_GLCalcGraphIndex(min, max, &scale), int(n)) << max;
        EXPECT_EQ(scale, float(std::pow(10.0, n)));
    }
    const float grads[][3] = {{0, 2, 1},       {0.5f, 1, 0},         {0, 2e7f, 0},
                              {-999999, 1, 1}, {-1000000, 1, 0},     {0, 9999999, 1},
                              {0, 3e38f, 0},   {std::nanf(""), 1, 0}};
    for (auto [start, step, isInt] : grads)
        EXPECT_EQ(com_GLIsGraphGradInt(start, step), int(isInt)) << start;

    OpenRenderer r;
    const char* trimmed[][2] = {
        {"2.500000", "2.5"}, {"3.000000", "3"}, {"100.000000", "100"}, {"0.000000", "0"}};
    for (auto [in, out] : trimmed) {
        CString s(in);
        r.trimZeros(s);
        EXPECT_EQ(s.str(), out);
    }
}
