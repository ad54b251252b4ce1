// Bitmap export: file names, the BMP bytes, the pixels read back, and failures that leave
// nothing behind.
#include <QImage>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

#include <ploxen/platform/kernel/kernel.h>

#include "../TempDir.h"
#include "GLViewFixture.h"

using namespace view_test;
namespace fs = std::filesystem;

namespace {

unsigned le(const std::string& b, size_t at, int n) {
    unsigned v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | BYTE(b[at + i]);
    return v;
}
bool save(CGLView* v, std::string path) {
    return v->savetoBitmap(path.data());
}

struct BitmapView : FramedView {
    TempDir dir;
    std::vector<std::string> files() const {
        std::vector<std::string> out;
        for (auto& e : fs::directory_iterator(dir.path)) out.push_back(e.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(BitmapView, NamesGetTheExtensionUnlessTheyEndWithIt) {
    struct Case {
        const char* given;
        const char* written;
    };
    for (Case c : {Case{"plot", "plot.bmp"}, Case{"plot.bmp", "plot.bmp"}, Case{"a.b", "a.b.bmp"},
                   Case{"bmp", "bmp.bmp"}, Case{"g.BMP", "g.BMP.bmp"}}) {
        EXPECT_TRUE(save(view, dir / c.given)) << c.given;
        EXPECT_EQ(files(), std::vector<std::string>{c.written}) << c.given;
        fs::remove(dir.path / c.written);
    }
}

TEST_F(BitmapView, HeadersAndRowsOfA301PixelWideView) {
    sizeClient(301, 157);
    pump();
    const CRect r = client();
    ASSERT_EQ(r.Width(), 301);
    const unsigned h = unsigned(r.Height());
    view->addSeries();
    view->Invalidate();
    view->UpdateWindow();
    ASSERT_TRUE(save(view, dir / "v"));
    const std::string b = readFile(dir / "v.bmp");
    ASSERT_EQ(b.size(), 54 + 904 * h);
    struct Field {
        size_t at;
        int size;
        unsigned value;
    };
    for (Field f : {Field{0, 2, 0x4D42}, Field{2, 4, 54 + 904 * h}, Field{6, 4, 0},
                    Field{10, 4, 54}, Field{14, 4, 40}, Field{18, 4, 301}, Field{22, 4, h},
                    Field{26, 2, 1}, Field{28, 2, 24}, Field{30, 4, 0}, Field{34, 4, 904 * h}})
        EXPECT_EQ(le(b, f.at, f.size), f.value) << "offset " << f.at;
    EXPECT_EQ(b.substr(38, 16), std::string(16, '\0')); // resolution and colour counts
    // Row padding is zero; rows run bottom-up, blue first.
    for (unsigned y = 0; y < h; ++y) EXPECT_EQ(b[54 + 904 * y + 903], 0);
    CClientDC dc(view);
    const COLORREF bottomLeft = dc.GetPixel(0, int(h) - 1);
    EXPECT_EQ(RGB(b[56], b[55], b[54]), bottomLeft);

    QImage back(QString::fromStdString(dir / "v.bmp"));
    ASSERT_EQ(back.size(), QSize(301, int(h)));
    int differ = 0;
    for (int y = 0; y < int(h); ++y)
        for (int x = 0; x < 301; ++x) {
            const QRgb p = back.pixel(x, y);
            differ += RGB(qRed(p), qGreen(p), qBlue(p)) != dc.GetPixel(x, y);
        }
    EXPECT_EQ(differ, 0);
}

TEST_F(BitmapView, BadNamesAndDirectoriesWriteNothing) {
    std::ofstream(dir / "file") << "x";
    for (const std::string& path : {dir / "missing/plot", dir / "file/plot"})
        EXPECT_FALSE(save(view, path)) << path;
    EXPECT_EQ(files(), std::vector<std::string>{"file"});
}

TEST_F(BitmapView, NameOf255CharactersFitsAndOneMoreDoesNot) {
    // Directories of 100 characters, then a file name making the path 251 characters long.
    std::string base = dir.path.string();
    while (base.size() < 150) {
        base += "/" + std::string(100, 'd');
        fs::create_directory(base);
    }
    std::string name = base + "/" + std::string(251 - base.size() - 1, 'f');
    ASSERT_EQ(name.size(), 251u);
    EXPECT_TRUE(save(view, name));
    EXPECT_TRUE(fs::exists(name + ".bmp"));
    EXPECT_FALSE(save(view, name + "g"));
    EXPECT_FALSE(fs::exists(name + "g.bmp"));
}

// A write cut short by the file size limit keeps the old file and leaves no other.
TEST_F(BitmapView, ShortWriteKeepsThePreviousFile) {
    std::ofstream(dir / "old.bmp") << "previous";
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = save(view, dir / "old");
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(ok);
    EXPECT_EQ(GetLastError(), ERROR_FILE_TOO_LARGE);
    EXPECT_EQ(files(), std::vector<std::string>{"old.bmp"});
    EXPECT_EQ(readFile(dir / "old.bmp"), "previous");
}

// A link is written through; a read-only picture is refused as creating it would be, and a
// private one stays private.
TEST_F(BitmapView, LinksReadOnlyAndPrivatePictures) {
    std::ofstream(dir / "target.bmp") << "old";
    fs::create_symlink("target.bmp", dir / "link.bmp");
    ASSERT_TRUE(save(view, dir / "link"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.bmp"));
    EXPECT_EQ(readFile(dir / "target.bmp").substr(0, 2), "BM");

    chmod((dir / "target.bmp").c_str(), 0600);
    ASSERT_TRUE(save(view, dir / "target.bmp"));
    EXPECT_EQ(fs::status(dir / "target.bmp").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    std::ofstream(dir / "ro.bmp") << "old";
    chmod((dir / "ro.bmp").c_str(), 0444);
    EXPECT_FALSE(save(view, dir / "ro"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(readFile(dir / "ro.bmp"), "old");
    EXPECT_EQ(files(), (std::vector<std::string>{"link.bmp", "ro.bmp", "target.bmp"}));
}

} // namespace
