// The graph view window: creation, sizing, the paint path, the palette,
// dialogs and destruction.
#include <cstring>

#include "GLViewFixture.h"
#include "draw/Canvas.h"
#include "platform/dlg/ModalResponder.h"

using namespace view_test;

namespace view_test {
IMPLEMENT_DYNCREATE(CGLTestView, CGLView)
}

namespace {

TEST(GLViewObject, IsCreatedByName) {
    CObject* o = CRuntimeClass::FromName("CGLView")->CreateObject();
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->GetRuntimeClass(), RUNTIME_CLASS(CGLView));
    EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CView)));
    EXPECT_FALSE(o->IsKindOf(RUNTIME_CLASS(CGLTestView))); // a base is not of its derived kind
    delete o;
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchView"), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CView)->CreateObject(), nullptr); // no dynamic creation
}

TEST(GLViewObject, DeleteGcContentsEmptiesTheGraphsOnce) {
    CGLTestView v;
    v.addSeries();
    v.DeleteGcContents();
    EXPECT_EQ(v.m_graph[0].nline, 0);
    EXPECT_EQ(v.m_graph[0].line, nullptr);
    v.DeleteGcContents(); // nothing freed twice (the sanitizer build checks)
    EXPECT_EQ(v.m_config.ngraph, 2);
    v.addSeries(); // and the destructor frees what is left
}

TEST_F(FramedView, CreateMakesTheSurfaceAndSizeSetsTheViewport) {
    EXPECT_NE(view->m_hMemDC, nullptr);
    EXPECT_NE(view->m_pBits, nullptr);
    EXPECT_EQ(GetCurrentObject(view->m_hMemDC, OBJ_BITMAP), view->m_hDIB);

    const CRect r = client();
    EXPECT_GT(r.Width(), 100);
    for (auto size : {CSize(r.Width(), r.Height()), CSize(333, 177)}) {
        if (size.cx != r.Width()) sizeClient(333, 177);
        pump();
        const CRect now = client();
        EXPECT_EQ(view->m_cx, now.Width());
        EXPECT_EQ(view->m_cy, now.Height());
        int vp[4];
        view->GetRenderer()->getViewport(vp);
        EXPECT_EQ(std::vector<int>(vp, vp + 4),
                  (std::vector<int>{0, 0, now.Width(), now.Height()}));
    }
}

// The window path paints exactly what clear + drawGraph + drawComments paint on a memory bitmap.
TEST_F(FramedView, PaintEqualsTheMemoryPath) {
    view->addSeries();
    view->GetRenderer()->drawComment(nullptr, "note", view->m_pDrawCommentDlg->m_logFont,
                                     RGB(0, 255, 0), CPoint(30, 40));
    view->Invalidate();
    view->UpdateWindow();
    const CRect r = client();
    CClientDC screen(view);
    Canvas mem(r.Width(), r.Height());
    view->GetRenderer()->clear(&mem.dc, &r);
    view->GetRenderer()->drawGraph(&mem.dc);
    view->GetRenderer()->drawComments(&mem.dc);
    int differ = 0;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) differ += screen.GetPixel(x, y) != mem.dc.GetPixel(x, y);
    EXPECT_EQ(differ, 0);
    EXPECT_GT(mem.drawn(RGB(255, 0, 0)).size(), 50u); // the series was drawn
}

TEST_F(FramedView, PaletteIsAColourCubeAndReportsTheTrueColourSurface) {
    std::vector<std::string> boxes;
    ModalResponder previous = AfxSetModalResponder([&](ModalRequest& q) {
        if (q.kind == ModalRequest::MessageBox) boxes.push_back(q.text);
        return IDOK;
    });
    view->SetupLogicalPalette();
    AfxSetModalResponder(previous);
    EXPECT_EQ(boxes, (std::vector<std::string>{"COLORTABLE ERROR"}));
    EXPECT_NE(view->m_hPalette, nullptr);
    struct Entry {
        int i;
        BYTE r, g, b;
    };
    for (Entry e : {Entry{0, 0, 0, 0}, Entry{255, 255, 255, 255}, Entry{0x49, 0x24, 0x24, 0x55},
                    Entry{0x9A, 0x48, 0x6D, 0xAA}, Entry{7, 255, 0, 0}, Entry{0x38, 0, 255, 0}}) {
        const RGBQUAD q = view->m_bmi.bmiColors[e.i];
        EXPECT_EQ((std::vector<int>{q.rgbRed, q.rgbGreen, q.rgbBlue, q.rgbReserved}),
                  (std::vector<int>{e.r, e.g, e.b, 0}))
            << e.i;
    }
    DeleteObject(view->m_hPalette);
}

TEST_F(FramedView, UpdateCreatesTheDialogsHidden) {
    view->OnInitialUpdate();
    for (CDialog* d : std::initializer_list<CDialog*>{
             view->m_pViewing2dDlg, view->m_pDrawCommentDlg, view->m_pEraseCommentDlg,
             view->m_pInquirePointDlg, view->m_pInquireStatisticsDlg}) {
        ASSERT_NE(d->m_hWnd, nullptr);
        EXPECT_FALSE(d->IsWindowVisible());
    }
    view->m_pInquirePointDlg->Show();
    EXPECT_TRUE(view->m_pInquirePointDlg->IsWindowVisible());
    view->m_pInquirePointDlg->OnClose();
    EXPECT_FALSE(view->m_pInquirePointDlg->IsWindowVisible());
    EXPECT_NE(view->m_pInquirePointDlg->m_hWnd, nullptr);
}

TEST_F(FramedView, WindowGoneBeforeTheObjectFreesItsSurfaceOnce) {
    frame->DestroyWindow();
    frame = nullptr;
    pump();
    EXPECT_EQ(view->m_hWnd, nullptr);
    EXPECT_EQ(view->m_hMemDC, nullptr);
    view->Init();
    view->Draw();
    EXPECT_EQ(view->m_pDC, nullptr);
}

} // namespace
