// Comments drawn over a surface whose font is (-20, "Base").
#include <gtest/gtest.h>

#include "render/RenderScene.h"

using namespace render_test;

namespace {

std::string selected(int height, const char* face) {
    return "SelectObject(font(" + std::to_string(height) + ",0,0,0,400,0,0,0,0,0,0,0,0," + face +
           "))";
}

const LOGFONTA small = logFont(-12, "DejaVu Sans");
const LOGFONTA large = logFont(-30, "DejaVu Serif");
const std::string base = selected(-20, "Base");

} // namespace

TEST(CommentDraw, DrawsInOrderNumbersAndRestoresTheFont) {
    Surface s;
    Renderer r;
    r.setBackgroundWhite();
    r.comments->add("one", small, RGB(1, 2, 3), CPoint(10, 20));
    r.comments->add("two", large, RGB(4, 5, 6), CPoint(30, 40));
    r.drawComments(&s.dc);
    EXPECT_EQ(s.sink.lines(), (Lines{"SetBkColor(RGB(255,255,255))", selected(-12, "DejaVu Sans"),
                                     "SetTextColor(RGB(1,2,3))", "TextOut(10,20,one)", base,
                                     selected(-30, "DejaVu Serif"), "SetTextColor(RGB(4,5,6))",
                                     "TextOut(30,40,two)", base}));
    EXPECT_EQ(s.font(), s.base.m_hObject);
    EXPECT_EQ(s.dc.GetTextColor(), RGB(4, 5, 6));

    // Without comments only the background colour is set; numbers go on after deletion.
    s.sink.clear();
    r.setBackgroundBlack();
    r.deleteComments();
    r.drawComments(&s.dc);
    EXPECT_EQ(s.sink.lines(), (Lines{"SetBkColor(RGB(0,0,0))"}));
    s.sink.clear();
    EXPECT_EQ(r.drawComment(&s.dc, "hi", small, RGB(9, 8, 7), CPoint(5, 6)).str(), "3    hi");
    EXPECT_EQ(s.sink.lines(), (Lines{selected(-12, "DejaVu Sans"), "SetBkColor(RGB(0,0,0))",
                                     "SetTextColor(RGB(9,8,7))", "TextOut(5,6,hi)", base}));
    EXPECT_EQ(s.font(), s.base.m_hObject);
    EXPECT_EQ(r.comments->tail->position, CPoint(5, 6));
    // Without a device context nothing is drawn, but the comment is kept.
    EXPECT_EQ(r.drawComment(nullptr, "d", small, 0, CPoint(0, 0)).str(), "4    d");
}

TEST(CommentDraw, GetCommentHitsTheInclusiveTextBoxOfTheOlderThenMovesAndRestyles) {
    Surface s;
    Renderer r;
    CSize size(3, 4);
    LOGFONTA font = large;
    unsigned long color = 77;
    EXPECT_TRUE(r.getComment(&s.dc, 0, 0, size, font, color).IsEmpty()); // empty list
    EXPECT_EQ(size, CSize(0, 0));

    const CSize e = s.extent("Hello", small);
    ASSERT_TRUE(e.cx > 0 && e.cy > 0);
    const CString name = r.comments->add("Hello", small, RGB(1, 2, 3), CPoint(50, 60));
    // Offsets from the comment's corner (50, 60); a miss zeroes the size only.
    const int probes[][3] = {{0, 0, 1},  {e.cx, e.cy, 1}, {e.cx, 0, 1},        {0, e.cy, 1},
                             {-1, 0, 0}, {0, -1, 0},      {e.cx + 1, e.cy, 0}, {e.cx, e.cy + 1, 0}};
    for (auto [dx, dy, hit] : probes) {
        SCOPED_TRACE(testing::Message() << dx << "," << dy);
        size = CSize(-1, -1), font = large, color = 77;
        const CString got = r.getComment(&s.dc, 50 + dx, 60 + dy, size, font, color);
        EXPECT_EQ(got.str(), hit ? name.str() : "");
        EXPECT_EQ(size, hit ? e : CSize(0, 0));
        EXPECT_STREQ(font.lfFaceName, hit ? "DejaVu Sans" : "DejaVu Serif");
        EXPECT_EQ(font.lfHeight, hit ? -12 : -30);
        EXPECT_EQ(color, hit ? RGB(1, 2, 3) : 77u);
    }
    EXPECT_EQ(s.font(), s.base.m_hObject);
    const CString newer = r.comments->add("newer", large, RGB(2, 0, 0), CPoint(52, 62));
    EXPECT_EQ(r.getComment(&s.dc, 54, 64, size, font, color).str(), name.str());

    // Moved and restyled by exact name only; the newer one is left as it was.
    r.moveComment(300, 310, name);
    r.moveComment(0, 0, "1    hello");
    EXPECT_EQ(r.getComment(&s.dc, 301, 311, size, font, color).str(), name.str());
    EXPECT_EQ(r.getComment(&s.dc, 54, 64, size, font, color).str(), newer.str());
    LOGFONTA bigger = large;
    unsigned long blue = RGB(0, 0, 255);
    r.changeFont(name, bigger, blue);
    r.changeFont("nobody", bigger, blue);
    EXPECT_EQ(r.getComment(&s.dc, 301, 311, size, font, color).str(), name.str());
    EXPECT_EQ(font.lfHeight, -30);
    EXPECT_EQ(color, RGB(0, 0, 255));
    EXPECT_EQ(size, s.extent("Hello", large));
    EXPECT_EQ(r.comments->tail->color, RGB(2, 0, 0));
}
