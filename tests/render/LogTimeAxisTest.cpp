// Logarithmic and time axes: the mapping at decades, non-positive values as gaps, the marks and
// labels chosen for a range, and zoom and picking meaning what the user sees.
// Viewport 400 x 300, default margins: L = 60, R = 320 (pw 260), T = 15, B = 240 (ph 225).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>

#include "render/AxisTicks.h"
#include "render/PlotLayout.h"
#include "render/RenderScene.h"

using namespace render_test;

namespace {

// x = ((log10 u - log10 hmin) * pw / (log10 hmax - log10 hmin) + ox) * zx + L, likewise y.
int exactX(double u, double hmin, double hmax) {
    return PlotLayout::rnd(
        (std::log10(u) - std::log10(hmin)) * 260 / (std::log10(hmax) - std::log10(hmin)) + 60);
}
int exactY(double v, double vmin, double vmax) {
    return PlotLayout::rnd(240 - (std::log10(v) - std::log10(vmin)) /
                                     (std::log10(vmax) - std::log10(vmin)) * 225);
}

Scene logScene(const std::vector<Vertex2D>& v, double hmin, double hmax, double vmin, double vmax) {
    Scene s({GraphSpec{{v}, vmin, vmax, hmin, hmax}});
    s.graphs[0].setLogH(1), s.graphs[0].setLogV(1);
    return s;
}

// The points of the polylines drawn with a pen of any style in colour (10, 0, 0).
std::vector<std::string> series(const Surface& s) {
    std::vector<std::string> out;
    bool inPen = false;
    for (const TraceCall& c : s.sink.calls()) {
        if (c.name == "SelectObject" && c.args[0].rfind("pen(", 0) == 0)
            inPen = c.args[0].find("RGB(10,0,0)") != std::string::npos;
        if (c.name == "Polyline" && inPen) out.push_back(c.args[0] + "," + c.args[1]);
    }
    return out;
}

std::string labels(const std::vector<Tick>& ticks) {
    std::string out;
    for (const Tick& t : ticks)
        if (t.large)
            out += t.text + (t.raised.empty() ? "" : "^" + t.raised) +
                   (t.below.empty() ? "" : "/" + t.below) + " ";
    return out;
}

double utc(int y, int mo, int d, int h = 0, int mi = 0) {
    using namespace std::chrono;
    const sys_days day{year(y) / month(unsigned(mo)) / std::chrono::day(unsigned(d))};
    return double(day.time_since_epoch().count()) * 86400 + h * 3600 + mi * 60;
}

} // namespace

TEST(LogAxis, SeriesMapByTheExactFormula) {
    // Decades and their neighbours one unit in the last place away, in a series long enough for
    // the vectorised blocks, drawn dashed so that every point reaches the device.
    std::vector<Vertex2D> v;
    for (int d = -3; d <= 3; ++d)
        for (double m = 1; m < 10; m += 0.0625) {
            const double u = m * std::pow(10.0, d);
            for (double w : {std::nextafter(u, 0.0), u, std::nextafter(u, INFINITY)})
                v.push_back({w, w});
        }
    for (auto [hmin, hmax] : {std::pair{1e-3, 1e4}, {9e-4, 2e4}, {1e-4, 1e6}}) {
        Scene s = logScene(v, hmin, hmax, hmin, hmax);
        s.line(0, 0).lineStyle = 1;
        Surface surface;
        surface.draw(s.r);
        std::string expected = std::to_string(v.size()) + ",";
        for (const Vertex2D& p : v)
            expected += std::to_string(exactX(p.x, hmin, hmax)) + " " +
                        std::to_string(exactY(p.y, hmin, hmax)) + ";";
        expected.pop_back();
        const std::vector<std::string> drawn = series(surface);
        ASSERT_EQ(drawn.size(), 2u); // the series and the legend's sample
        EXPECT_EQ(drawn[0], expected) << hmin << ".." << hmax;
    }
}

TEST(LogAxis, NonPositiveValuesAreGapsAndBarsStandOnTheBottom) {
    // 0 and -1 break the line exactly where NaN does; the last vertex alone draws nothing.
    const auto series = [](double gap) {
        return std::vector<Vertex2D>{{1, 1}, {2, 2}, {3, gap}, {4, 4}, {5, 5}, {gap, 6}, {7, 7}};
    };
    Surface nan, zero, negative;
    Scene withNaN = logScene(series(NAN), 1, 10, 1, 10),
          withZero = logScene(series(0), 1, 10, 1, 10),
          withNegative = logScene(series(-1), 1, 10, 1, 10);
    nan.draw(withNaN.r), zero.draw(withZero.r), negative.draw(withNegative.r);
    ASSERT_EQ(nan.polylines(10).size(), 3u); // two runs and the legend's sample
    EXPECT_EQ(zero.polylines(10), nan.polylines(10));
    EXPECT_EQ(negative.polylines(10), nan.polylines(10));

    // A histogram on a logarithmic vertical axis: bars from the plot's bottom, none at 0.
    Scene bars = logScene({{1, 10}, {2, 0}, {3, 100}, {4, 1}}, 1, 4, 1, 1000);
    bars.graphs[0].setLogH(0);
    for (auto change : {&GcGraphConfig::changeHistOn, &GcGraphConfig::changeHistFromTo}) {
        (bars.cfg.*change)();
        Surface s;
        s.draw(bars.r);
        // x(2) = 146.7, x(3) = 233.3; y(10) = 165, y(100) = 90; the legend's sample last.
        EXPECT_EQ(s.polylines(10),
                  (std::vector<std::string>{"5,60 165;60 240;147 240;147 165;60 165",
                                            "5,233 90;233 240;320 240;320 90;233 90",
                                            "2,344 19;362 19"}));
    }
}

TEST(LogAxis, LabelsForOneThreeTwelveAndThreeHundredDecades) {
    EXPECT_EQ(labels(logTicks(1, 10, 13)), "1 2 5 10 ");
    EXPECT_EQ(labels(logTicks(0.01, 10, 13)), "0.01 0.1 1 10 ");
    EXPECT_EQ(labels(logTicks(1e-6, 1e6, 13)),
              "10^-6 10^-5 10^-4 0.001 0.01 0.1 1 10 100 1000 10000 10^5 10^6 ");
    EXPECT_EQ(labels(logTicks(1e-150, 1e150, 13)), "10^-150 10^-125 10^-100 10^-75 10^-50 10^-25 "
                                                   "1 10^25 10^50 10^75 10^100 10^125 10^150 ");
    // Thirteen decades or a narrow axis: every second decade; small marks at 2..9 of every
    // decade, or at the unlabelled decades.
    EXPECT_EQ(labels(logTicks(1e-7, 1e6, 13)), "10^-6 10^-4 0.01 1 100 10000 10^6 ");
    EXPECT_EQ(labels(logTicks(0.01, 10, 3)), "0.01 1 ");
    const std::vector<Tick> three = logTicks(0.01, 10, 13), many = logTicks(1e-7, 1e6, 13);
    EXPECT_EQ(three.size(), 4 + 3 * 8u);
    EXPECT_EQ(many.size(), 14u);
    // Within a decade: every mantissa, then plain steps.
    EXPECT_EQ(labels(logTicks(2.5, 9.5, 13)), "3 4 5 6 7 8 9 ");
    EXPECT_EQ(labels(logTicks(3.1, 3.9, 13)), "3.1 3.2 3.3 3.4 3.5 3.6 3.7 3.8 3.9 ");
    EXPECT_LE(logTicks(1, std::nextafter(1.0, 2.0), 13).size(), 13u); // a range of one ulp ends
}

TEST(LogAxis, LabelsUnderANarrowAxisDoNotOverlap) {
    // 300 decades on 260 pixels, the vertical axis labelled at 0.5 and 1 only: the texts along
    // the bottom (numbers and their raised exponents) must not overlap one another.
    Scene s({GraphSpec{{{{1e-100, .5}, {1e100, .6}}}, 0.1, 1, 1e-150, 1e150}});
    s.graphs[0].setLogH(1);
    s.graphs[0].vlargeGradStart = 0.5;
    Surface surface;
    surface.draw(s.r);
    std::vector<std::pair<int, int>> spans; // [left, right) of each text under the plot
    std::map<std::string, int> width;
    for (const TraceCall& c : surface.sink.calls()) {
        if (c.name == "GetTextExtentPoint32A") width[c.args[0]] = c.arg(1);
        if (c.name == "TextOut" && c.arg(1) >= 230 && c.arg(1) <= 242)
            spans.push_back({c.arg(0), c.arg(0) + width[c.args[2]]});
    }
    std::sort(spans.begin(), spans.end());
    ASSERT_GE(spans.size(), 6u); // three labels or more, each with its exponent
    for (size_t i = 1; i < spans.size(); ++i) EXPECT_GE(spans[i].first, spans[i - 1].second) << i;
}

TEST(LogAxis, ZoomAndPickMeanWhatIsSeen) {
    // Four vertices a third of the plot apart on both axes of 1..1000.
    Scene s = logScene({{1, 1}, {10, 10}, {100, 100}, {1000, 1000}}, 1, 1000, 1, 1000);
    int g, l, v;
    ASSERT_TRUE(s.r.pickGraph(nullptr, exactX(10, 1, 1000), exactY(10, 1, 1000), g, l, v));
    EXPECT_EQ(v, 1);
    ASSERT_TRUE(s.r.pickGraph(nullptr, exactX(100, 1, 1000), exactY(100, 1, 1000), g, l, v));
    EXPECT_EQ(v, 2);
    // The rectangle from 9 to 110 on both axes fills the plot and shows those values at its edges.
    const auto along = [](double v) { return std::log10(v) / 3; };
    s.r.zoomGraph(float(60 + along(9) * 260), float(240 - along(9) * 225),
                  float(60 + along(110) * 260), float(240 - along(110) * 225));
    const PlotLayout p(s.r.viewport, s.r.zoomScale, s.r.zoomOffset, s.cfg);
    const VerticalRange range = VerticalRange::of(s.graphs[0], false);
    EXPECT_NEAR(p.hmap().toValue(p.L), 9, 1e-4);
    EXPECT_NEAR(p.hmap().toValue(p.R), 110, 1e-3);
    EXPECT_NEAR(p.vmap(range, 0).toValue(p.B), 9, 1e-4);
    EXPECT_NEAR(p.vmap(range, 0).toValue(p.T), 110, 1e-3);
    ASSERT_TRUE(s.r.pickGraph(nullptr, p.rnd(p.hmap().toPixel(10)),
                              p.rnd(p.vmap(range, 0).toPixel(10)), g, l, v));
    EXPECT_EQ(v, 1);
    Surface surface;
    surface.draw(s.r);
    // 1-2-5 labels under the zoomed axis, "20" centred where 20 now lies.
    EXPECT_EQ(surface.textsOnRow(242), (std::vector<std::string>{"10", "20", "50", "100"}));
    const std::vector<DrawnText> twenty = surface.texts("20");
    ASSERT_FALSE(twenty.empty());
    EXPECT_NEAR(twenty[0].x + twenty[0].w / 2,
                60 + (std::log10(20) - std::log10(9)) / (std::log10(110) - std::log10(9)) * 260,
                1.0);
}

TEST(TimeAxis, StepsAcrossMidnightMonthEndAndLeapDay) {
    const double evening = utc(2026, 12, 7, 23);
    EXPECT_EQ(labels(timeTicks(evening, evening + 7200, 0, 5)),
              "23:00/2026-12-07 23:30 00:00/2026-12-08 00:30 01:00 ");
    EXPECT_EQ(labels(timeTicks(evening, evening + 7200, 60, 5)),
              "00:00/2026-12-08 00:30 01:00 01:30 02:00 ");
    EXPECT_EQ(labels(timeTicks(evening, evening + 7200, 0, 2)), "00:00/2026-12-08 ");
    EXPECT_EQ(labels(timeTicks(evening + 15, evening + 75, 0, 5)),
              "23:00:15/2026-12-07 23:00:30 23:00:45 23:01:00 23:01:15 ");
    EXPECT_EQ(labels(timeTicks(utc(2026, 1, 30), utc(2026, 2, 2), 0, 4)),
              "01-30/2026 01-31 02-01 02-02 ");
    EXPECT_EQ(labels(timeTicks(utc(2028, 2, 28), utc(2028, 3, 1), 0, 3)),
              "02-28/2028 02-29 03-01 ");
    EXPECT_EQ(labels(timeTicks(utc(2027, 2, 28), utc(2027, 3, 1), 0, 3)),
              "00:00/2027-02-28 12:00 00:00/2027-03-01 ");
    EXPECT_EQ(labels(timeTicks(utc(2027, 11, 1), utc(2028, 3, 1), 0, 5)),
              "Nov/2027 Dec Jan/2028 Feb Mar ");
    EXPECT_EQ(labels(timeTicks(utc(1990, 1, 1), utc(2030, 1, 1), 0, 5)),
              "1990 2000 2010 2020 2030 ");
    // Small marks: every 5 minutes between labels 15 minutes apart.
    const std::vector<Tick> quarter = timeTicks(evening, evening + 3600, 0, 5);
    EXPECT_EQ(quarter.size(), 13u);
}
