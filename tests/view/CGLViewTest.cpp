// The graph view window: creation, sizing, the paint path, the palette,
// dialogs and destruction.
#include <cmath>
#include <cstring>

#include <QWidget>

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

// A view following a growing indexed line repaints through its own picture, which it scrolls:
// what the window shows after each real paint event is the full drawing of that moment, though
// the host drew over the window between paints and the window was resized on the way.
TEST_F(FramedView, FollowingRepaintsShowTheFullDrawing) {
    auto* v = new Vertex2D[10000]; // handed over to the view, as a host does
    auto* line = new GcGLine[1];
    int green[3] = {0, 255, 0};
    line[0].set(1, v, green, const_cast<char*>("live"), -1, 0, 2);
    line[0].nvertex = 0;
    line[0].setIndexed(1);
    view->m_graph[0].setGLine(1, line);
    view->m_graph[0].setVminVmax(-1, 1);
    view->m_graph[0].setHminHmax(0, 10);
    QWidget* widget = qWidgetOf(view->m_hWnd);
    for (int step = 0; step < 24; ++step) {
        if (step == 12) frame->MoveWindow(0, 0, 520, 420);
        const int from = line[0].nvertex;
        for (int i = from; i < from + 400; ++i) v[i] = {i / 100.0, std::sin(i / 100.0) * 0.8};
        line[0].nvertex = from + 400;
        line[0].changed(from);
        const double t = v[from + 399].x;
        if (!view->GetRenderer()->followGraph(t))
            view->m_graph[0].setHminHmax(std::max(0.0, t - 10), std::max(10.0, t));
        view->m_graph[0].setAutoHgrad();
        pump();
        CClientDC screen(view);
        screen.FillSolidRect(CRect(100, 60, 140, 90), RGB(255, 0, 255)); // the host's own mark
        view->Invalidate(FALSE);
        widget->repaint();
        const CRect r = client();
        Canvas shown(r.Width(), r.Height()), full(r.Width(), r.Height());
        shown.dc.BitBlt(0, 0, r.Width(), r.Height(), &screen, 0, 0, SRCCOPY);
        view->GetRenderer()->clear(&full.dc, &r);
        view->GetRenderer()->drawGraph(&full.dc);
        ASSERT_TRUE(shown.pixels() == full.pixels()) << "step " << step;
    }
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
