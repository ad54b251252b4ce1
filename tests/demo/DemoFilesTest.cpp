// The demo's headless mode: the three files it writes are whole and readable, and a folder it
// cannot write into gives one line naming the file and no claim of success.
#include <QImage>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "CsvReader.h"
#include "DemoApp.h"
#include "DemoData.h"
#include "TempDir.h"

namespace {

std::string readStream(std::FILE* f) {
    std::rewind(f);
    std::string s;
    for (int c; (c = std::fgetc(f)) != EOF;) s += char(c);
    return s;
}

struct Output {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ~Output() {
        std::fclose(out);
        std::fclose(err);
    }
};

TEST(DemoFiles, HeadlessRunWritesABitmapThePngOfItAndTheData) {
    TempDir dir;
    Output o;
    ASSERT_EQ(writeDemoFiles(QString::fromStdString(dir.path.string()), o.out, o.err), 0);
    EXPECT_EQ(readStream(o.err), "");
    EXPECT_EQ(readStream(o.out), "wrote " + (dir / "plot.bmp") + "\nwrote " + (dir / "plot.png") +
                                     "\nwrote " + (dir / "plot.csv") + "\n");

    // The bitmap's bytes are the view's export, tested with the view; here its size and its PNG.
    QImage fromBmp(QString::fromStdString(dir / "plot.bmp"), "BMP");
    QImage png(QString::fromStdString(dir / "plot.png"), "PNG");
    EXPECT_EQ(fromBmp.size(), QSize(kDemoWidth, kDemoHeight));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              fromBmp.convertToFormat(QImage::Format_RGB32));
    std::set<QRgb> colours; // a picture, not a fill
    for (int y = 0; y < png.height(); y += 3)
        for (int x = 0; x < png.width(); x += 3) colours.insert(png.pixel(x, y));
    EXPECT_GT(colours.size(), 3u);

    // One graph per block, read back by the plotter's reader; the cells are the writer's, tested
    // with it.
    const std::vector<CsvGraph> graphs = readCsvFile(dir / "plot.csv", size_t(1) << 30);
    ASSERT_EQ(graphs.size(), 2u);
    const size_t series[2] = {2, 1}, points[2] = {kSinePoints, kNoisyPoints};
    for (size_t g = 0; g < 2; ++g) {
        EXPECT_EQ(graphs[g].htitle, "Time (s)");
        ASSERT_EQ(graphs[g].series.size(), series[g]) << "graph " << g;
        EXPECT_EQ(graphs[g].series[0].points.size(), points[g]) << "graph " << g;
    }
    EXPECT_EQ(graphs[0].vtitle + " - " + graphs[0].series[0].name, "Amplitude - sine");
    EXPECT_EQ(graphs[1].vtitle + " - " + graphs[1].series[0].name, "Volt - signal");
}

TEST(DemoFiles, AFolderItCannotWriteIntoGivesOneLineNamingTheFile) {
    TempDir dir;
    Output o;
    EXPECT_EQ(writeDemoFiles(QString::fromStdString(dir / "missing"), o.out, o.err), 1);
    EXPECT_EQ(readStream(o.out), "");
    EXPECT_EQ(readStream(o.err), "ploxen-demo: cannot write " + (dir / "missing/plot.bmp") +
                                     ": No such file or directory\n");
}

} // namespace
