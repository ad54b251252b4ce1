// What the library writes, the plotter draws back: the CSV of a configuration, plotted, gives
// the pixels of the configuration itself; and a PDF is drawn as vectors.
#include <QImage>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

#include <ploxen/model/GcGraph.h>
#include <ploxen/model/GcGraphConfig.h>

#include "../TempDir.h"
#include "PlotFigure.h"
#include "PlotOutput.h"
#include "RunPlot.h"

using namespace plot_test;

namespace {

// Two stacked graphs over the same x span: below, a sine and a shorter ramp (padded in the
// CSV); above, a wave with a gap. Values have few digits, so the text holds them exactly.
struct Config {
    std::vector<Vertex2D> sine, ramp, wave;
    GcGLine low[2], high[1];
    GcGraph graphs[2];
    GcGraphConfig config;

    Config() {
        for (int i = 0; i <= 400; ++i) {
            const double x = i * 0.0625;
            sine.push_back({x, std::round(1000 * std::sin(x)) / 1000});
            wave.push_back({x, i == 150 ? NAN : std::round(100 * std::cos(x / 3) * 40) / 100});
        }
        for (int i = 0; i <= 60; ++i) ramp.push_back({i * 0.125, i * 0.5 - 20});
        int c[3][3];
        for (int i = 0; i < 3; ++i) seriesColor(i, true, c[i]);
        low[0].set(int(sine.size()), sine.data(), c[0], const_cast<char*>("sine"), -1, 0, 1);
        low[1].set(int(ramp.size()), ramp.data(), c[1], const_cast<char*>("ramp"), -1, 0, 1);
        high[0].set(int(wave.size()), wave.data(), c[2], const_cast<char*>("wave"), -1, 0, 1);
        graphs[0].setGLine(2, low);
        graphs[1].setGLine(1, high);
        graphs[0].setVtitle(const_cast<char*>("Volt"));
        graphs[1].setVtitle(const_cast<char*>("Ampere"));
        for (GcGraph& g : graphs) {
            g.setAutoHminHmax();
            g.setAutoVminVmax();
            g.setAutoHgrad();
            g.setAutoVgrad();
        }
        config.set(2, graphs, nullptr, const_cast<char*>("Time (s)"), 0.15, 0.2, 0.2, 0.05,
                   GcGraphConfig::GRAPH);
    }
};

TEST(PlotProgram, PlotsTheLibrarysCsvWithTheConfigurationsPixels) {
    TempDir dir;
    Config c;
    ASSERT_EQ(c.config.writeCsv((dir / "in.csv").c_str()), 1);
    const PlotRun run = runPlot({"in.csv", "-o", "out.png", "-s", "640x480"}, dir.path.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage got =
        QImage(QString::fromStdString(dir / "out.png")).convertToFormat(QImage::Format_RGB32);
    const QImage want = drawPicture(c.config, 640, 480, true);
    ASSERT_EQ(got.size(), want.size());
    int differ = 0;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            differ += (got.pixel(x, y) & 0xffffff) != (want.pixel(x, y) & 0xffffff);
    EXPECT_EQ(differ, 0);
}

TEST(PlotProgram, PdfAndSvgAreDrawnAsVectors) {
    TempDir dir;
    Config c;
    ASSERT_EQ(c.config.writeCsv((dir / "in.csv").c_str()), 1);
    const PlotRun run = runPlot({"in.csv", "-o", "out.pdf"}, dir.path.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string pdf = readFile(dir / "out.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos);
    EXPECT_NE(pdf.find("/Font"), std::string::npos); // the labels are text
    // The default 1200 x 900 picture lies on a landscape page.
    float w = 0, h = 0;
    const size_t box = pdf.find("/MediaBox [0 0 ");
    ASSERT_NE(box, std::string::npos);
    ASSERT_EQ(std::sscanf(pdf.c_str() + box, "/MediaBox [0 0 %f %f", &w, &h), 2);
    EXPECT_GT(w, h);

    ASSERT_EQ(runPlot({"in.csv", "-o", "out.svg"}, dir.path.string()).status, 0);
    const std::string svg = readFile(dir / "out.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Time (s)</text>"), std::string::npos);
}

} // namespace
