// The demo's headless mode: the three files it writes are whole and readable, and a folder it
// cannot write into gives one line naming the file and no claim of success.
#include <QImage>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DemoApp.h"
#include "DemoData.h"
#include "TempDir.h"

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string readStream(std::FILE* f) {
    std::rewind(f);
    std::string s;
    for (int c; (c = std::fgetc(f)) != EOF;) s += char(c);
    return s;
}

// The CSV's blocks (one per graph, each ending with an empty line): rows of cells.
std::vector<std::vector<std::vector<std::string>>> csvBlocks(const std::string& text) {
    std::vector<std::vector<std::vector<std::string>>> blocks(1);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            blocks.emplace_back();
            continue;
        }
        std::vector<std::string> cells;
        for (size_t start = 0, comma; (comma = line.find(',', start)) != std::string::npos;
             start = comma + 1)
            cells.push_back(line.substr(start, comma - start));
        blocks.back().push_back(std::move(cells));
    }
    blocks.pop_back(); // after the last empty line
    return blocks;
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

    const auto blocks = csvBlocks(readAll(dir / "plot.csv"));
    ASSERT_EQ(blocks.size(), 2u);
    // One block per graph, a title row and a row per point; the cells are the writer's, tested
    // with it.
    const size_t rows[2] = {kSinePoints, kNoisyPoints}, cells[2] = {4, 2};
    for (size_t b = 0; b < 2; ++b) {
        ASSERT_EQ(blocks[b].size(), rows[b] + 1) << "block " << b;
        EXPECT_EQ(blocks[b][0][0], "Time (s)");
        EXPECT_EQ(blocks[b].back().size(), cells[b]) << "block " << b;
    }
    EXPECT_EQ(blocks[0][0][1], "Amplitude - sine");
    EXPECT_EQ(blocks[1][0][1], "Volt - signal");
}

TEST(DemoFiles, AFolderItCannotWriteIntoGivesOneLineNamingTheFile) {
    TempDir dir;
    Output o;
    EXPECT_EQ(writeDemoFiles(QString::fromStdString(dir / "missing"), o.out, o.err), 1);
    EXPECT_EQ(readStream(o.out), "");
    EXPECT_EQ(readStream(o.err), "ploxen-demo: cannot write " + (dir / "missing/plot.bmp") + "\n");
}

} // namespace
