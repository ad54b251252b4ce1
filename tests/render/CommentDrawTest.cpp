#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/TraceSink.h"

namespace {

LOGFONTA logFont(int height, const char* face) {
    LOGFONTA f{};
    f.lfHeight = height;
    f.lfWeight = FW_NORMAL;
    std::strcpy(f.lfFaceName, face);
    return f;
}

std::string described(int height, const char* face) {
    return "font(" + std::to_string(height) + ",0,0,0,400,0,0,0,0,0,0,0,0," + face + ")";
}

// A 400 x 400 memory device context with a known font selected, recording its calls.
struct Surface {
    CDC dc;
    TraceSink sink;
    CFont base;

    Surface() {
        HDC h = CreateCompatibleDC(nullptr);
        SelectObject(h, CreateCompatibleBitmap(h, 400, 400));
        dc.Attach(h);
        LOGFONTA lf = logFont(-20, "Base");
        base.CreateFontIndirect(&lf);
        dc.SelectObject(&base);
        dc.setTrace(&sink);
    }
    ~Surface() { dc.setTrace(nullptr); }

    HGDIOBJ font() const { return GetCurrentObject(dc, OBJ_FONT); }
    CSize extent(const char* text, const LOGFONTA& lf) {
        CFont f;
        f.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&f);
        CSize size = dc.GetTextExtent(text);
        dc.SelectObject(old);
        return size;
    }
};

const LOGFONTA small = logFont(-12, "DejaVu Sans");
const LOGFONTA large = logFont(-30, "DejaVu Serif");

} // namespace

TEST(CommentDraw, DrawsEveryCommentInOrderAndRestoresTheFont) {
    Surface s;
    Renderer r;
    r.setBackgroundWhite();
    r.comments->add("one", small, RGB(1, 2, 3), CPoint(10, 20));
    r.comments->add("two", large, RGB(4, 5, 6), CPoint(30, 40));
    r.drawComments(&s.dc);
    EXPECT_EQ(s.sink.lines(),
              (std::vector<std::string>{"SetBkColor(RGB(255,255,255))",
                                        "SelectObject(" + described(-12, "DejaVu Sans") + ")",
                                        "SetTextColor(RGB(1,2,3))", "TextOut(10,20,one)",
                                        "SelectObject(" + described(-20, "Base") + ")",
                                        "SelectObject(" + described(-30, "DejaVu Serif") + ")",
                                        "SetTextColor(RGB(4,5,6))", "TextOut(30,40,two)",
                                        "SelectObject(" + described(-20, "Base") + ")"}));
    EXPECT_EQ(s.font(), s.base.m_hObject);
    EXPECT_EQ(s.dc.GetTextColor(), RGB(4, 5, 6));

    // Without comments only the background colour is set.
    s.sink.clear();
    r.setBackgroundBlack();
    r.deleteComments();
    r.drawComments(&s.dc);
    EXPECT_EQ(s.sink.lines(), (std::vector<std::string>{"SetBkColor(RGB(0,0,0))"}));
}

TEST(CommentDraw, DrawCommentDrawsAndAddsWithTheNextNumber) {
    Surface s;
    Renderer r;
    EXPECT_EQ(r.drawComment(&s.dc, "hi", small, RGB(9, 8, 7), CPoint(5, 6)).str(), "1    hi");
    EXPECT_EQ(s.sink.lines(),
              (std::vector<std::string>{"SelectObject(" + described(-12, "DejaVu Sans") + ")",
                                        "SetBkColor(RGB(0,0,0))", "SetTextColor(RGB(9,8,7))",
                                        "TextOut(5,6,hi)",
                                        "SelectObject(" + described(-20, "Base") + ")"}));
    EXPECT_EQ(s.font(), s.base.m_hObject);
    ASSERT_NE(r.comments->tail, nullptr);
    EXPECT_EQ(r.comments->tail->position, CPoint(5, 6));

    r.drawComment(&s.dc, "b", small, 0, CPoint(0, 0));
    r.deleteComments();
    EXPECT_EQ(r.comments->head, nullptr);
    EXPECT_EQ(r.drawComment(&s.dc, "c", small, 0, CPoint(0, 0)).str(), "3    c");
    // Without a device context nothing is drawn, but the comment is kept.
    EXPECT_EQ(r.drawComment(nullptr, "d", small, 0, CPoint(0, 0)).str(), "4    d");
}

TEST(CommentDraw, GetCommentHitsTheInclusiveTextBox) {
    Surface s;
    Renderer r;
    const CSize e = s.extent("Hello", small);
    ASSERT_GT(e.cx, 0);
    ASSERT_GT(e.cy, 0);
    CString name = r.comments->add("Hello", small, RGB(1, 2, 3), CPoint(50, 60));

    struct Probe {
        int x, y;
        bool hit;
    };
    for (Probe p :
         {Probe{50, 60, true}, Probe{50 + e.cx, 60 + e.cy, true}, Probe{50 + e.cx, 60, true},
          Probe{50, 60 + e.cy, true}, Probe{49, 60, false}, Probe{50, 59, false},
          Probe{51 + e.cx, 60 + e.cy, false}, Probe{50 + e.cx, 61 + e.cy, false}}) {
        CSize size(-1, -1);
        LOGFONTA font = large;
        unsigned long color = 77;
        CString got = r.getComment(&s.dc, p.x, p.y, size, font, color);
        if (p.hit) {
            EXPECT_EQ(got.str(), name.str());
            EXPECT_EQ(size, e);
            EXPECT_EQ(font.lfHeight, -12);
            EXPECT_STREQ(font.lfFaceName, "DejaVu Sans");
            EXPECT_EQ(color, RGB(1, 2, 3));
        } else {
            EXPECT_TRUE(got.IsEmpty()) << p.x << "," << p.y;
            EXPECT_EQ(size, CSize(0, 0));
            EXPECT_EQ(font.lfHeight, -30);
            EXPECT_EQ(color, 77u);
        }
    }
    EXPECT_EQ(s.font(), s.base.m_hObject);
}

TEST(CommentDraw, GetCommentPrefersTheOlderAndHandlesAnEmptyList) {
    Surface s;
    Renderer r;
    CSize size(3, 4);
    LOGFONTA font = large;
    unsigned long color = 5;
    EXPECT_TRUE(r.getComment(&s.dc, 0, 0, size, font, color).IsEmpty());
    EXPECT_EQ(size, CSize(0, 0));
    EXPECT_EQ(font.lfHeight, -30);
    EXPECT_EQ(color, 5u);

    CString older = r.comments->add("older", small, RGB(1, 0, 0), CPoint(10, 10));
    r.comments->add("newer", large, RGB(2, 0, 0), CPoint(12, 12));
    EXPECT_EQ(r.getComment(&s.dc, 14, 14, size, font, color).str(), older.str());
    EXPECT_EQ(color, RGB(1, 0, 0));
    EXPECT_EQ(size, s.extent("older", small));
}

TEST(CommentDraw, MoveRestyleAndDeleteByName) {
    Surface s;
    Renderer r;
    CString a = r.comments->add("a", small, RGB(1, 0, 0), CPoint(10, 10));
    CString b = r.comments->add("b", small, RGB(2, 0, 0), CPoint(100, 100));
    CSize size;
    LOGFONTA font{};
    unsigned long color = 0;

    r.moveComment(300, 310, b);
    r.moveComment(0, 0, "2    B");
    EXPECT_EQ(r.getComment(&s.dc, 301, 311, size, font, color).str(), b.str());
    EXPECT_TRUE(r.getComment(&s.dc, 101, 101, size, font, color).IsEmpty());
    EXPECT_EQ(r.getComment(&s.dc, 11, 11, size, font, color).str(), a.str());

    LOGFONTA bigger = large;
    unsigned long blue = RGB(0, 0, 255);
    r.changeFont(a, bigger, blue);
    r.changeFont("nobody", bigger, blue);
    EXPECT_EQ(r.getComment(&s.dc, 11, 11, size, font, color).str(), a.str());
    EXPECT_EQ(font.lfHeight, -30);
    EXPECT_EQ(color, RGB(0, 0, 255));
    EXPECT_EQ(size, s.extent("a", large));
    EXPECT_EQ(r.comments->tail->color, RGB(2, 0, 0));

    r.deleteComment("1    a ");
    r.deleteComment(a);
    EXPECT_EQ(r.comments->head, r.comments->tail);
    EXPECT_EQ(r.comments->head->name.str(), b.str());
}
