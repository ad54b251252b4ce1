// The zoom and point inquiry loops, and what every tool loop does when cancelled or when its
// view goes, driven by mouse messages through the view's queue.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include "ToolFixture.h"

using namespace view_test;

namespace {

using Zoom = std::array<float, 4>;
Zoom zoomOf(const Renderer& r) {
    return {r.zoomScale[0], r.zoomScale[1], r.zoomOffset[0], r.zoomOffset[1]};
}

// Corners in every order, clicks without moves between, rectangles without area; unzoom
// repaints the first picture.
TEST_F(ToolDlg, ZoomTakesTheTwoLeftPressesAndUnzoomResets) {
    setLines({{{0, 1}, {4, 9}}});
    const QImage full = image();
    const Renderer unzoomed(*view->m_pRenderer);
    for (auto [a, b, moves] : {std::tuple{CPoint(90, 60), CPoint(250, 170), true},
                               {CPoint(250, 170), CPoint(90, 60), true},
                               {CPoint(90, 170), CPoint(250, 60), true},
                               {CPoint(250, 60), CPoint(90, 170), false},
                               {CPoint(90, 60), CPoint(90, 170), true},
                               {CPoint(90, 60), CPoint(250, 60), false}}) {
        view->OnUnzoomGraph();
        Renderer expected(unzoomed);
        expected.zoomGraph(float(a.x), float(a.y), float(b.x), float(b.y));
        for (CPoint p : {a, b}) moves ? click(p) : post(WM_LBUTTONDOWN, p.x, p.y);
        view->OnZoomGraph();
        EXPECT_EQ(zoomOf(*view->m_pRenderer), zoomOf(expected));
        EXPECT_EQ(image() == full, a.x == b.x || a.y == b.y);
    }
    view->OnUnzoomGraph();
    EXPECT_EQ(zoomOf(*view->m_pRenderer), (Zoom{1, 1, 0, 0}));
    EXPECT_TRUE(image() == full);
}

// Qt's double click arrives as WM_LBUTTONDBLCLK, which records nothing: it neither ends a zoom
// nor gives statistics one vertex as both points.
TEST_F(ToolDlg, DoubleClicksRecordNothing) {
    setLines({{{0, 1}, {2, 5}, {4, 9}}});
    QWidget* w = qWidgetOf(view->m_hWnd);
    const QPoint a(at(0, 0).x, at(0, 0).y), b(at(0, 2).x, at(0, 2).y);
    Renderer expected(*view->m_pRenderer);
    expected.zoomGraph(float(a.x()), float(a.y()), float(b.x()), float(b.y()));
    QTest::mouseClick(w, Qt::LeftButton, {}, a);
    QTest::mouseDClick(w, Qt::LeftButton, {}, a + QPoint(40, 30));
    QTest::mouseClick(w, Qt::LeftButton, {}, b);
    view->OnZoomGraph();
    EXPECT_EQ(zoomOf(*view->m_pRenderer), zoomOf(expected));
    view->OnUnzoomGraph();

    CInquireStatisticsDlg* d = view->m_pInquireStatisticsDlg;
    QTest::mouseClick(w, Qt::LeftButton, {}, a);
    QTest::mouseDClick(w, Qt::LeftButton, {}, a);
    QTest::mouseClick(w, Qt::LeftButton, {}, b);
    d->OnPickpoint();
    EXPECT_EQ(d->m_strX2, "4.000000e+00");
    EXPECT_EQ(d->m_strMean, "5.000000e+00");
}

// A right press ends every tool loop with every pixel as before, however many shapes it drew.
TEST_F(ToolDlg, RightPressLeavesTheWholeImageAsItWas) {
    setLines({{{0, 2}, {1, 6}, {2, 3}}});
    view->m_pDrawCommentDlg->SetDlgItemText(IDC_COMMENT, "note");
    const QImage before = image();
    for (int k = 0; k < 5; ++k) {
        if (k == 4) click({60, 50}); // zoom again, in the rubber band's phase
        rightClick();
        runTool(k % 4);
        EXPECT_TRUE(image() == before) << k;
        pump();
    }
    EXPECT_EQ(zoomOf(*view->m_pRenderer), (Zoom{1, 1, 0, 0}));
    EXPECT_EQ(view->m_pRenderer->comments->head, nullptr);
}

// Escape in a waiting tool's dialog, or closing the dialog, ends the tool as a right press does
// (every shape drawn is erased) and hides the dialog; so does Escape in the view.
TEST_F(ToolDlg, EscapeOrClosingTheDialogEndsItsTool) {
    setLines({{{0, 2}, {1, 6}, {2, 3}}});
    const QImage before = image();
    CDialog* dialogs[] = {view->m_pViewing2dDlg, view->m_pInquirePointDlg,
                          view->m_pInquireStatisticsDlg, view->m_pDrawCommentDlg};
    for (int k = 0; k < 12; ++k) {
        QWidget* w = qWidgetOf(dialogs[k % 4]->m_hWnd);
        w->show();
        post(WM_MOUSEMOVE, 60, 50);
        post(WM_MOUSEMOVE, 80, 70);
        QTimer::singleShot(20, [w, k, this] {
            QCloseEvent close;
            if (k < 4)
                QTest::keyClick(w, Qt::Key_Escape);
            else if (k < 8)
                QCoreApplication::sendEvent(w, &close);
            else
                QTest::keyClick(qWidgetOf(view->m_hWnd), Qt::Key_Escape);
        });
        bool rescued = false; // the tool did not end: end it, and fail
        const auto rescue = rescueAfterTwoSeconds(rescued);
        runTool(k % 4);
        EXPECT_FALSE(rescued) << k;
        EXPECT_TRUE(image() == before) << k;
        EXPECT_EQ(w->isVisible(), k >= 8) << k;
        pump();
    }
}

// The Close button of every tool dialog hides it; pressed while the dialog's tool waits for the
// mouse, it ends the tool first, as a right press does.
TEST_F(ToolDlg, CloseButtonEndsTheToolAndHidesTheDialog) {
    setLines({{{0, 2}, {1, 6}, {2, 3}}});
    const QImage before = image();
    CToolDlg* dialogs[] = {view->m_pViewing2dDlg, view->m_pInquirePointDlg,
                           view->m_pInquireStatisticsDlg, view->m_pDrawCommentDlg,
                           view->m_pEraseCommentDlg};
    for (int k = 0; k < 5; ++k) {
        dialogs[k]->Show();
        QWidget* close = qWidgetOf(dialogs[k]->GetDlgItem(IDC_CLOSE)->m_hWnd);
        post(WM_MOUSEMOVE, 60, 50);
        QTimer::singleShot(20, [close] { QTest::mouseClick(close, Qt::LeftButton); });
        bool rescued = false; // the tool did not end: end it, and fail
        const auto rescue = rescueAfterTwoSeconds(rescued);
        k < 4 ? runTool(k) : QTest::qWait(100);
        EXPECT_FALSE(rescued) << k;
        EXPECT_TRUE(image() == before) << k;
        EXPECT_FALSE(qWidgetOf(dialogs[k]->m_hWnd)->isVisible()) << k;
        pump();
    }
}

// The frame closed while a loop waits: the loop ends and the view is freed once, afterwards.
TEST_F(ToolDlg, ViewClosedDuringAnyToolLoopEndsItAndIsFreedOnce) {
    for (int tool = 0; tool < 4; ++tool) {
        if (!view) SetUp();
        view->keep = false;
        post(WM_MOUSEMOVE, 50, 50);
        ASSERT_TRUE(PostMessage(frame->m_hWnd, WM_CLOSE, 0, 0));
        const int before = CGLTestView::destroyed;
        runTool(tool);
        frame = nullptr;
        view = nullptr;
        for (int i = 0; i < 10 && CGLTestView::destroyed == before; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(CGLTestView::destroyed, before + 1);
    }
}

TEST_F(ToolDlg, PointInquiryShowsThePickInTheFormatOfTheConfigurationType) {
    CInquirePointDlg* d = view->m_pInquirePointDlg;
    for (auto [type, hist, x, y] :
         {std::tuple{GcGraphConfig::GRAPH, 1, "2.500000e+00", "4.250000e+00"},
          {GcGraphConfig::HISTON, 1, "2.5000", "4.2500"},
          {GcGraphConfig::HISTON, 0, "2", "4"}}) {
        view->m_config.type = type;
        view->m_config.histType = hist;
        setLines({{{1, 3}, {2.5, 4.25}, {3.5, 6}}});
        // The vertex itself, or inside its bar (from it to the next vertex).
        const CPoint p = type == GcGraphConfig::GRAPH ? at(0, 1) : at(0, 1) + CSize(5, 10);
        click(p);
        rightClick();
        d->OnPickpoint();
        CString shown;
        d->GetDlgItemText(IDC_POINTY, shown);
        EXPECT_EQ(d->m_strX, x);
        EXPECT_EQ(shown, y);
        pump();
    }
}

// A miss keeps the texts but redraws; a pick's circle survives cross-hairs drawn over it, and
// none is left at the end. Without a configuration the button does nothing at all.
TEST_F(ToolDlg, PointInquiryMissRedrawsAndThePickCircleStays) {
    setLines({{{0, 2}, {1, 6}, {2, 3}}});
    CInquirePointDlg* d = view->m_pInquirePointDlg;
    d->SetDlgItemText(IDC_POINTX, "kept");
    CClientDC(view).FillSolidRect(0, 0, 5, 5, RGB(0, 0, 255));
    click({3, 3});
    rightClick();
    d->OnPickpoint();
    EXPECT_EQ(d->m_strX, "kept");
    EXPECT_EQ(pixel(1, 1), RGB(0, 0, 0));
    pump();
    const CPoint v = at(0, 1);
    click(v);
    for (int dx = -6; dx <= 6; dx += 3) post(WM_MOUSEMOVE, v.x + dx, v.y - dx);
    rightClick(v);
    d->OnPickpoint();
    EXPECT_EQ(d->m_strY, "6.000000e+00");
    const QImage after = image();
    view->Init();
    view->Draw();
    int g, l, i;
    view->m_pRenderer->pickGraph(view->m_pDC, v.x, v.y, g, l, i);
    EXPECT_TRUE(after == image());

    view->m_pRenderer->set(nullptr);
    d->m_strX = "x"; // the control still shows the pick
    rightClick();
    d->OnPickpoint();
    EXPECT_EQ(d->m_strX, "x");
    view->m_pRenderer->set(&view->m_config);
}

} // namespace
