// Device-context state: the meta region under the clip region, saved and restored states, and
// pixels scrolled in place.
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "draw/Canvas.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/QtWidgetOf.h"

namespace {

Pixels rectPixels(const RECT& r) {
    Pixels out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) out.insert({x, y});
    return out;
}

bool inside(const Pixels& pixels, const RECT& r) {
    return std::all_of(pixels.begin(), pixels.end(), [&](auto p) {
        return p.first >= r.left && p.first < r.right && p.second >= r.top && p.second < r.bottom;
    });
}

RECT clipBox(CDC& dc) {
    RECT r{};
    dc.GetClipBox(&r);
    return r;
}

// Big text over the whole surface, through the painter.
void drawText(CDC& dc) {
    dc.TextOut(0, 0, "WWWWWWWW", 8);
    dc.TextOut(0, 14, "WWWWWWWW", 8);
}

// Lines through the painter (a merging pen) and straight into the image, text, then a fill.
Pixels drawEverywhere(Canvas& c) {
    const POINT zigzag[] = {{0, 0}, {39, 29}, {0, 29}, {39, 0}, {20, 0}, {20, 29}};
    c.dc.SetROP2(R2_MERGEPEN);
    c.dc.Polyline(zigzag, 6);
    c.dc.SetROP2(R2_COPYPEN);
    c.dc.Polyline(zigzag, 6);
    drawText(c.dc);
    const Pixels drawn = c.drawn();
    static const RECT all{0, 0, 1000, 1000};
    CBrush white(RGB(255, 255, 255));
    c.dc.FillRect(&all, &white);
    return drawn;
}

bool contains(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The pixels of a w x h surface that a fill through rgn (null: none) reaches.
Pixels through(CRgn* rgn, int w, int h) {
    Canvas c(w, h);
    c.dc.SelectClipRgn(rgn);
    const RECT all{0, 0, w, h};
    CBrush white(RGB(255, 255, 255));
    c.dc.FillRect(&all, &white);
    return c.drawn();
}

} // namespace

TEST(DCState, MetaRegionLimitsEveryDrawingAndClipRegionsOnlyNarrowIt) {
    Canvas c(40, 30);
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    c.dc.SelectObject(&pen);
    c.dc.SetTextColor(RGB(255, 255, 255));
    const RECT meta{5, 5, 30, 25}, narrowed{20, 5, 30, 25};
    CRgn metaRgn, wide, got;
    metaRgn.CreateRectRgn(5, 5, 30, 25);
    wide.CreateRectRgn(20, 0, 40, 30);
    got.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetMetaRgn(c.dc, got.m_hObject), 0);
    c.dc.SelectClipRgn(&metaRgn);
    EXPECT_EQ(c.dc.SetMetaRgn(), SIMPLEREGION);
    ASSERT_EQ(GetMetaRgn(c.dc, got.m_hObject), 1);
    RECT box{};
    GetRgnBox(got.m_hObject, &box);
    EXPECT_EQ(rectPixels(box), rectPixels(meta));
    c.dc.SelectClipRgn(&wide); // reaches beyond the meta region: cut to it
    EXPECT_EQ(rectPixels(clipBox(c.dc)), rectPixels(narrowed));
    Pixels drawn = drawEverywhere(c);
    EXPECT_TRUE(!drawn.empty() && inside(drawn, narrowed));
    EXPECT_EQ(c.drawn(), rectPixels(narrowed));
    c.dc.SelectClipRgn(nullptr); // the meta region stays
    EXPECT_EQ(rectPixels(clipBox(c.dc)), rectPixels(meta));
    drawn = drawEverywhere(c);
    EXPECT_TRUE(inside(drawn, meta) && !inside(drawn, narrowed));
    EXPECT_EQ(c.drawn(), rectPixels(meta));
}

TEST(DCState, RestoreDCPutsBackObjectsColoursPositionAndRegionsAtAbsoluteAndRelativeLevels) {
    Canvas c(40, 30);
    CPen pen1(PS_SOLID, 1, RGB(255, 255, 255)), pen2(PS_DASH, 1, RGB(1, 2, 3));
    CFont font1, font2;
    font1.CreateFont(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "A");
    font2.CreateFont(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "B");
    const RECT a{2, 2, 38, 28}, b{10, 10, 20, 20}, inner{12, 12, 18, 18};
    CRgn rgnA, rgnB, rgnInner, got;
    rgnA.CreateRectRgn(2, 2, 38, 28);
    rgnB.CreateRectRgn(10, 10, 20, 20);
    rgnInner.CreateRectRgn(12, 12, 18, 18);
    got.CreateRectRgn(0, 0, 0, 0);

    c.dc.SelectObject(&pen1), c.dc.SelectObject(&font1);
    c.dc.SetTextColor(RGB(255, 255, 255)), c.dc.MoveTo(3, 4), c.dc.SelectClipRgn(&rgnA);
    EXPECT_EQ(c.dc.SaveDC(), 1);
    c.dc.SelectObject(&pen2), c.dc.SelectObject(&font2);
    c.dc.SetTextColor(RGB(9, 9, 9)), c.dc.MoveTo(10, 10), c.dc.SelectClipRgn(&rgnB);
    c.dc.SetMetaRgn();
    EXPECT_EQ(c.dc.SaveDC(), 2);
    c.dc.SelectClipRgn(&rgnInner);
    EXPECT_EQ(c.dc.SaveDC(), 3);
    c.dc.SelectClipRgn(nullptr);
    drawText(c.dc); // leaves the painter set up for the meta region
    // A pen a saved state holds cannot be deleted, as a selected bitmap.
    EXPECT_FALSE(DeleteObject(pen1.m_hObject));

    EXPECT_FALSE(c.dc.RestoreDC(0));
    EXPECT_FALSE(c.dc.RestoreDC(4));
    EXPECT_FALSE(c.dc.RestoreDC(-4));
    EXPECT_TRUE(c.dc.RestoreDC(-1)); // level 3, now gone
    EXPECT_EQ(rectPixels(clipBox(c.dc)), rectPixels(inner));
    EXPECT_TRUE(c.dc.RestoreDC(-1)); // level 2
    EXPECT_EQ(rectPixels(clipBox(c.dc)), rectPixels(b));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), pen2.m_hObject);
    ASSERT_TRUE(c.dc.SaveDC() == 2 && c.dc.SaveDC() == 3);
    EXPECT_TRUE(c.dc.RestoreDC(1)); // the levels above go with it
    EXPECT_FALSE(c.dc.RestoreDC(-1));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), pen1.m_hObject);
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_FONT), font1.m_hObject);
    EXPECT_EQ(c.dc.GetTextColor(), RGB(255, 255, 255));
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(3, 4));
    EXPECT_EQ(GetMetaRgn(c.dc, got.m_hObject), 0); // set after level 1 was saved
    EXPECT_EQ(rectPixels(clipBox(c.dc)), rectPixels(a));
    drawText(c.dc);
    EXPECT_TRUE(inside(c.drawn(), a) && !inside(c.drawn(), b));
    c.dc.SelectStockObject(BLACK_PEN);
    EXPECT_TRUE(pen1.DeleteObject());
}

TEST(DCState, RestoreDCLeavesABitmapThatAnotherDCSelectedSinceTheSave) {
    Canvas c(8, 8);
    const HBITMAP first = HBITMAP(GetCurrentObject(c.dc, OBJ_BITMAP));
    const HBITMAP second = CreateCompatibleBitmap(c.dc, 4, 4);
    const HDC other = CreateCompatibleDC(nullptr);
    c.dc.SaveDC();
    SelectObject(c.dc, second);
    ASSERT_TRUE(SelectObject(other, first));
    EXPECT_TRUE(c.dc.RestoreDC(1));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BITMAP), second);
    EXPECT_EQ(GetDeviceCaps(c.dc, HORZRES), 4);
    c.dc.SaveDC();
    const HBITMAP third = CreateCompatibleBitmap(other, 2, 2);
    SelectObject(other, third);
    SelectObject(c.dc, first);
    EXPECT_FALSE(DeleteObject(second)); // held by the saved state
    EXPECT_TRUE(c.dc.RestoreDC(-1));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BITMAP), second);
    SelectObject(c.dc, first);
    EXPECT_TRUE(DeleteObject(second));
    DeleteDC(other);
    DeleteObject(third);
}

TEST(ScrollDC, MovesOverlappingPixelsInPlaceWithinItsClipAndReportsWhatItUncovered) {
    // A 32-bit top-down DIB section the host fills and reads: every pixel holds its own index.
    const int w = 16, h = 10;
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {40, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(dib && bits);
    SelectObject(dc, dib);
    auto* px = static_cast<uint32_t*>(bits);
    struct Case {
        int dx, dy;
        const RECT *scroll, *clip;
        bool dcClip; // the update region of the case before as the DC's clip
    };
    const RECT part{2, 1, 14, 9}, right{4, 0, 16, 8};
    const Case cases[] = {{3, 0, nullptr, nullptr, false}, {-3, 0, &part, nullptr, false},
                          {0, -2, &part, &right, false},   {2, 3, nullptr, &right, false},
                          {-5, -4, &part, nullptr, false}, {1, 1, nullptr, nullptr, true}};
    CRgn regions[2];
    regions[0].CreateRectRgn(0, 0, 0, 0), regions[1].CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        const Case& k = cases[i];
        CRgn &update = regions[i % 2], &previous = regions[(i + 1) % 2];
        SCOPED_TRACE(std::to_string(k.dx) + "," + std::to_string(k.dy));
        GdiFlush();
        for (int p = 0; p < w * h; ++p) px[p] = uint32_t(p + 1);
        SelectClipRgn(dc, k.dcClip ? previous.m_hObject : nullptr);
        const Pixels allowed = through(k.dcClip ? &previous : nullptr, w, h);
        const RECT all{0, 0, w, h};
        const RECT scroll = k.scroll ? *k.scroll : all, clip = k.clip ? *k.clip : all;
        RECT updateRect{-1, -1, -1, -1};
        ASSERT_TRUE(ScrollDC(dc, k.dx, k.dy, k.scroll, k.clip, update.m_hObject, &updateRect));
        GdiFlush();
        Pixels uncovered;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int sx = x - k.dx, sy = y - k.dy;
                const bool written =
                    contains(clip, x, y) && contains(scroll, sx, sy) && allowed.count({x, y});
                const uint32_t want = written ? uint32_t(sy * w + sx + 1) : uint32_t(y * w + x + 1);
                EXPECT_EQ(px[y * w + x] & 0xffffff, want) << x << "," << y;
                if (!written && contains(scroll, x, y) && contains(clip, x, y))
                    uncovered.insert({x, y});
            }
        }
        EXPECT_FALSE(uncovered.empty());
        EXPECT_EQ(through(&update, w, h), uncovered);
        RECT box{};
        GetRgnBox(update.m_hObject, &box);
        EXPECT_EQ(rectPixels(updateRect), rectPixels(box));
    }
    DeleteDC(dc);
    DeleteObject(dib);
}

TEST(ScrollDC, AWindowShowsItsPixelsScrolled) {
    auto* frame = new CFrameWnd; // deletes itself with its window
    ASSERT_TRUE(frame->Create(nullptr, "Scrolled"));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 40, 20), frame, 1));
    frame->ShowWindow(SW_SHOW);
    RECT update{};
    {
        CClientDC dc(&child);
        dc.FillSolidRect(0, 0, 40, 20, RGB(0, 0, 255));
        dc.FillSolidRect(0, 0, 10, 20, RGB(255, 0, 0));
        qWidgetOf(child.m_hWnd)->grab(); // shown: the scroll is the next drawing
        ASSERT_TRUE(dc.ScrollDC(15, 0, nullptr, nullptr, nullptr, &update));
    }
    EXPECT_EQ(rectPixels(update), rectPixels({0, 0, 15, 20}));
    const QImage shown = qWidgetOf(child.m_hWnd)->grab().toImage();
    for (int x : {12, 14, 25, 39}) EXPECT_EQ(shown.pixelColor(x, 10), QColor(Qt::blue)) << x;
    for (int x : {9, 15, 24}) EXPECT_EQ(shown.pixelColor(x, 10), QColor(Qt::red)) << x;
    frame->DestroyWindow();
}
