// BitBlt's raster operations and StretchDIBits' scaling, pixel by pixel against references
// computed here.
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "draw/Canvas.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/gdi.h"
#include "platform/wnd/messages.h"

namespace {

// A memory DC with a bitmap of random pixels.
struct Bitmap : Canvas {
    int w, h;
    Bitmap(int w, int h, unsigned seed) : Canvas(w, h), w(w), h(h) {
        std::mt19937 random(seed);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) dc.SetPixel(x, y, COLORREF(random() & 0xFFFFFF));
    }
};

TEST(RasterOp, EveryBitBltOperationMatchesItsPerPixelFormula) {
    const COLORREF pattern = RGB(0x5A, 0xC3, 0x0F);
    struct Op {
        DWORD rop;
        const char* name;
        COLORREF (*f)(COLORREF s, COLORREF d, COLORREF p);
    };
    const Op ops[] = {
        {SRCCOPY, "SRCCOPY", [](COLORREF s, COLORREF, COLORREF) { return s; }},
        {SRCPAINT, "SRCPAINT", [](COLORREF s, COLORREF d, COLORREF) { return s | d; }},
        {SRCAND, "SRCAND", [](COLORREF s, COLORREF d, COLORREF) { return s & d; }},
        {SRCINVERT, "SRCINVERT", [](COLORREF s, COLORREF d, COLORREF) { return s ^ d; }},
        {NOTSRCCOPY, "NOTSRCCOPY", [](COLORREF s, COLORREF, COLORREF) { return ~s & 0xFFFFFF; }},
        {DSTINVERT, "DSTINVERT", [](COLORREF, COLORREF d, COLORREF) { return ~d & 0xFFFFFF; }},
        {PATCOPY, "PATCOPY", [](COLORREF, COLORREF, COLORREF p) { return p; }},
        {BLACKNESS, "BLACKNESS", [](COLORREF, COLORREF, COLORREF) { return COLORREF(0); }},
        {WHITENESS, "WHITENESS", [](COLORREF, COLORREF, COLORREF) { return COLORREF(0xFFFFFF); }},
    };
    for (const Op& op : ops) {
        Bitmap src(9, 7, 1), dst(9, 7, 2);
        HBRUSH brush = CreateSolidBrush(pattern);
        HGDIOBJ oldBrush = SelectObject(dst.dc, brush);
        const auto s = src.pixels(), d = dst.pixels();
        // A 5 x 4 block from (1, 2) of the source to (3, 1) of the destination.
        ASSERT_TRUE(BitBlt(dst.dc, 3, 1, 5, 4, src.dc, 1, 2, op.rop)) << op.name;
        const auto out = dst.pixels();
        int wrong = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool inside = x >= 3 && x < 8 && y >= 1 && y < 5;
                const COLORREF dv = d[size_t(y * 9 + x)];
                const COLORREF want =
                    inside ? op.f(s[size_t((y + 1) * 9 + x - 2)], dv, pattern) : dv;
                wrong += out[size_t(y * 9 + x)] != want;
            }
        EXPECT_EQ(wrong, 0) << op.name;
        SelectObject(dst.dc, oldBrush);
        DeleteObject(brush);
    }
}

// A 24-bit DIB of sw x sh known pixels, rows padded to four bytes, stored bottom-up or top-down.
struct Dib {
    BITMAPINFO info{};
    std::vector<BYTE> bits;
    std::vector<COLORREF> pixel; // top-down, as seen
    Dib(int sw, int sh, bool bottomUp) {
        info.bmiHeader = {40, sw, bottomUp ? sh : -sh, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        const int stride = (sw * 3 + 3) / 4 * 4;
        bits.assign(size_t(stride * sh), 0xEE); // padding that must never show
        std::mt19937 random(unsigned(sw * 100 + sh));
        for (int y = 0; y < sh; ++y)
            for (int x = 0; x < sw; ++x) {
                const COLORREF c = COLORREF(random() & 0xFFFFFF);
                pixel.push_back(c);
                BYTE* p = &bits[size_t((bottomUp ? sh - 1 - y : y) * stride + x * 3)];
                p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
            }
    }
};

// Source rectangles of the whole bitmap and of a part of it (a bottom-up bitmap counts its rows
// from the bottom), scaled up, down and not at all.
TEST(RasterOp, StretchDIBitsScalesLikeNearestNeighbour) {
    struct Case {
        int sw, sh, dw, dh, sx = 0, sy = 0, w = 0, h = 0; // w, h of 0: the whole bitmap
    };
    for (bool bottomUp : {true, false})
        for (Case c : {Case{5, 3, 5, 3}, Case{5, 3, 15, 9}, Case{5, 3, 11, 7}, Case{7, 5, 3, 2},
                       Case{6, 4, 3, 2}, Case{3, 3, 1, 1}, Case{6, 5, 2, 2, 1, 1, 2, 2}}) {
            const int w = c.w ? c.w : c.sw, h = c.h ? c.h : c.sh;
            const int top = bottomUp ? c.sh - c.sy - h : c.sy; // the source's first row as seen
            Dib dib(c.sw, c.sh, bottomUp);
            Bitmap page(c.dw + 4, c.dh + 4, 9);
            const auto before = page.pixels();
            ASSERT_EQ(StretchDIBits(page.dc, 2, 2, c.dw, c.dh, c.sx, c.sy, w, h, dib.bits.data(),
                                    &dib.info, DIB_RGB_COLORS, SRCCOPY),
                      h);
            const auto out = page.pixels();
            int wrong = 0;
            for (int y = 0; y < page.h; ++y)
                for (int x = 0; x < page.w; ++x) {
                    const int dx = x - 2, dy = y - 2;
                    COLORREF want = before[size_t(y * page.w + x)];
                    if (dx >= 0 && dx < c.dw && dy >= 0 && dy < c.dh) {
                        // The source pixel under the destination pixel's centre; a centre on
                        // a boundary between two takes the left or upper one.
                        const int sx = ((2 * dx + 1) * w - 1) / (2 * c.dw);
                        const int sy = ((2 * dy + 1) * h - 1) / (2 * c.dh);
                        want = dib.pixel[size_t((top + sy) * c.sw + c.sx + sx)];
                    }
                    wrong += out[size_t(y * page.w + x)] != want;
                }
            EXPECT_EQ(wrong, 0) << (bottomUp ? "bottom-up " : "top-down ") << c.sw << "x" << c.sh
                                << " from " << c.sx << "," << c.sy << " to " << c.dw << "x" << c.dh;
        }
}

} // namespace
