// Memory device contexts and bitmaps: drawing lands where the platform puts it and reads back.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "draw/Canvas.h"

TEST(MemoryDC, LinesWrittenStraightIntoTheImageMatchThosePaintedThroughQt) {
    // Copy mode under a rectangular clip writes pixels directly; a merge onto black goes through
    // the painter. Both must give the same pixels, inside the clip only.
    auto draw = [](int rop, int seed) {
        Canvas m(64, 48);
        CRgn clip;
        clip.CreateRectRgn(5, 4, 60, 40);
        m.dc.SelectClipRgn(&clip);
        CPen pen(PS_SOLID, 1, RGB(200, 100, 50));
        CPen* old = m.dc.SelectObject(&pen);
        m.dc.SetROP2(rop);
        std::vector<POINT> pts;
        unsigned r = unsigned(seed);
        for (int i = 0; i < 40; ++i) {
            r = r * 1103515245 + 12345;
            pts.push_back({LONG(r >> 16) % 90 - 13, LONG(r >> 8) % 70 - 11});
        }
        m.dc.Polyline(pts.data(), int(pts.size()));
        m.dc.MoveTo(-1000, 20), m.dc.LineTo(1000, 21);
        m.dc.SelectObject(old);
        for (auto [x, y] : m.drawn())
            EXPECT_TRUE(x >= 5 && x < 60 && y >= 4 && y < 40) << x << "," << y << ", seed " << seed;
        return m.pixels();
    };
    for (int seed = 1; seed <= 20; ++seed)
        EXPECT_EQ(draw(R2_COPYPEN, seed), draw(R2_MERGEPEN, seed)) << "seed " << seed;
}

TEST(MemoryDC, DIBSectionBitsFollowDrawingAfterFlushAndDrawingSeesHostWrites) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {40, 4, 3, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(dib && bits);
    SelectObject(dc, dib);
    RECT top{0, 0, 4, 1};
    CBrush red(RGB(255, 0, 0));
    FillRect(dc, &top, HBRUSH(red.m_hObject));
    GdiFlush();
    auto* b = static_cast<unsigned char*>(bits);
    const int stride = 12; // 4 pixels of 3 bytes, already a multiple of 4
    // Bottom-up rows: the top line of the picture is the last row in memory, stored B, G, R.
    EXPECT_EQ(b[2 * stride + 0], 0);
    EXPECT_EQ(b[2 * stride + 2], 255);
    EXPECT_EQ(b[0 * stride + 2], 0);
    b[0] = 200; // the host writes the bottom-left pixel's blue
    EXPECT_EQ(GetPixel(dc, 0, 2), RGB(0, 0, 200));
    DeleteDC(dc);
    DeleteObject(dib);
}

TEST(MemoryDC, TextAcrossTheSurfaceEdgesShowsItsVisiblePart) {
    // The same text on a small surface and on a large one shifted so that all of it lands there:
    // the small surface must hold exactly the large one's pixels over its area, also where the
    // text only just reaches in, under a clip, and where it lies wholly outside.
    const int shift = 300;
    CFont font;
    font.CreateFont(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "FONT");
    const POINT at[] = {{-40, 5}, {30, -12}, {-100, 10}, {35, 18}, {-12, -15}, {50, 50}, {5, -40}};
    for (bool clipped : {false, true}) {
        for (POINT p : at) {
            SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y) +
                         (clipped ? " clip" : ""));
            Canvas small(40, 20), large(640, 640);
            for (Canvas* c : {&small, &large}) {
                c->dc.SelectObject(&font);
                c->dc.SetTextColor(RGB(255, 255, 255));
                c->dc.SetBkColor(RGB(0, 0, 255));
            }
            if (clipped) {
                CRgn clip;
                clip.CreateRectRgn(3, 2, 30, 15);
                small.dc.SelectClipRgn(&clip);
                clip.DeleteObject();
                clip.CreateRectRgn(shift + 3, shift + 2, shift + 30, shift + 15);
                large.dc.SelectClipRgn(&clip);
            }
            small.dc.TextOut(p.x, p.y, "Wg_Hello", 8);
            large.dc.TextOut(p.x + shift, p.y + shift, "Wg_Hello", 8);
            Pixels expected;
            for (auto [x, y] : large.drawn())
                if (x >= shift && x < shift + 40 && y >= shift && y < shift + 20)
                    expected.insert({x - shift, y - shift});
            EXPECT_EQ(small.drawn(), expected);
            small.dc.SelectStockObject(SYSTEM_FONT);
            large.dc.SelectStockObject(SYSTEM_FONT);
        }
    }
}

TEST(MemoryDC, ExtremeCoordinatesDrawWhatShowsAndNeverOverflow) {
    CPen pen(PS_SOLID, 1, RGB(0, 255, 0));
    Canvas m(16, 16);
    const int lo = INT_MIN, hi = INT_MAX;
    CBrush white(RGB(255, 255, 255));
    RECT all{lo, lo, hi, hi};
    m.dc.FillRect(&all, &white);
    EXPECT_EQ(m.drawn(RGB(255, 255, 255)).size(), 256u);
    m.dc.SelectObject(&pen);
    POINT far[] = {{lo, 3}, {hi, 3}, {3, lo}, {3, hi}};
    m.dc.Polyline(far, 4);
    EXPECT_EQ(m.dc.GetPixel(9, 3), RGB(0, 255, 0)); // the horizontal line crossed row 3
    EXPECT_EQ(m.dc.GetPixel(3, 9), RGB(0, 255, 0)); // and the vertical one column 3
    for (int twice = 0; twice < 2; ++twice) m.dc.Polygon(far, 4); // the second may be copied
}

TEST(MemoryDC, DrawTextCentresOneLineInItsRectangle) {
    for (int height : {30, 31, 17}) {
        Canvas a(80, 40), b(80, 40);
        RECT r{5, 3, 75, 3 + height};
        for (Canvas* c : {&a, &b}) c->dc.SetTextColor(RGB(255, 255, 255));
        a.dc.DrawText("Mid", 3, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        const CSize e = b.dc.GetTextExtent("Mid", 3);
        b.dc.TextOut(5 + (70 - e.cx) / 2, 3 + (height - e.cy) / 2, "Mid", 3);
        EXPECT_FALSE(a.drawn(RGB(255, 255, 255)).empty());
        EXPECT_EQ(a.drawn(RGB(255, 255, 255)), b.drawn(RGB(255, 255, 255))) << height;
    }
}

TEST(MemoryDC, TextIsMeasuredWithoutKerningAsThePlatformDoes) {
    // The extent of a string is the sum of its characters' advances: pairs such as "AV" or "To"
    // are not moved closer, so labels measured piecewise line up with those measured whole.
    Canvas c(200, 60);
    CFont font;
    font.Attach(::CreateFontA(24, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 32, "FONT"));
    CFont* old = c.dc.SelectObject(&font);
    for (const char* text : {"AVAT", "To.Ty", "LTAWAY"}) {
        int sum = 0;
        for (const char* p = text; *p; ++p) sum += c.dc.GetTextExtent(p, 1).cx;
        EXPECT_EQ(c.dc.GetTextExtent(text, int(std::strlen(text))).cx, sum) << text;
    }
    c.dc.SelectObject(old);
}
