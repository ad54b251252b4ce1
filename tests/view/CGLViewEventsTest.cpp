// Event capture: GetEvent's wait, the press that repaints and picks outside it, OnUpdate.
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <ctime>

#include "GLViewFixture.h"

using namespace view_test;

namespace {

TEST_F(FramedView, EachMouseMessageEndsAWaitWithItsKindPointAndCurrentClientRectangle) {
    struct Case {
        UINT msg;
        CGLView::EVENTTYPE kind;
    };
    int n = 0;
    const CRect before = client();
    for (Case c :
         {Case{WM_MOUSEMOVE, CGLView::EV_MOUSEMOVE}, Case{WM_LBUTTONDOWN, CGLView::EV_LBUTTONDOWN},
          Case{WM_LBUTTONUP, CGLView::EV_LBUTTONUP}, Case{WM_RBUTTONDOWN, CGLView::EV_RBUTTONDOWN},
          Case{WM_RBUTTONUP, CGLView::EV_RBUTTONUP}}) {
        if (++n == 3) frame->MoveWindow(0, 0, 250, 180); // the rectangle follows a resize
        post(c.msg, 10 + n, 20 + 2 * n);
        CPoint p;
        CRect r(5, 5, 5, 5);
        EXPECT_EQ(view->GetEvent(p, r), c.kind);
        EXPECT_EQ(p, CPoint(10 + n, 20 + 2 * n));
        EXPECT_EQ(r, client());
        EXPECT_EQ(view->m_bWaiting, 0);
    }
    EXPECT_NE(client(), before);
}

TEST_F(FramedView, OneMessageAtATimeAndNothingRecordedBeforeTheWaitIsReturned) {
    post(WM_MOUSEMOVE, 1, 1);
    pump(); // recorded while idle: a later wait must not return it
    post(WM_MOUSEMOVE, 2, 3);
    post(WM_LBUTTONDOWN, 4, 5);
    CPoint p;
    CRect r;
    EXPECT_EQ(view->GetEvent(p, r), CGLView::EV_MOUSEMOVE);
    EXPECT_EQ(p, CPoint(2, 3));
    EXPECT_EQ(view->GetEvent(p, r), CGLView::EV_LBUTTONDOWN);
    EXPECT_EQ(p, CPoint(4, 5));
}

// A press while idle repaints the view and picks the line under it; one while a wait runs only
// records. Both buttons do the same.
TEST_F(FramedView, PressRepaintsAndPicksOnlyWhenIdle) {
    view->addSeries();
    view->Invalidate();
    view->UpdateWindow();
    const CPoint on = findInMiddle(RGB(255, 0, 0));
    ASSERT_GE(on.x, 0);
    for (UINT msg : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        view->OnUpdate(nullptr, 0, nullptr);
        {
            CClientDC dc(view);
            dc.FillSolidRect(0, 0, 5, 5, RGB(0, 0, 255)); // a mark a repaint removes
        }
        // Waiting: recorded, no repaint, no pick.
        post(msg, on.x, on.y);
        CPoint p;
        CRect r;
        view->GetEvent(p, r);
        EXPECT_EQ(pixel(1, 1), RGB(0, 0, 255));
        EXPECT_EQ(view->m_picked, 0);
        EXPECT_EQ(view->m_pickedGraph, -1);
        // Idle: repaint and pick.
        post(msg, on.x, on.y);
        pump();
        EXPECT_EQ(pixel(1, 1), RGB(0, 0, 0));
        EXPECT_EQ(view->m_picked, 1);
        EXPECT_EQ(view->m_pickedGraph, 0);
        EXPECT_EQ(view->m_pickedLine, 0);
        // A miss keeps the indices of the last hit.
        post(msg, 1, 1);
        pump();
        EXPECT_EQ(view->m_picked, 0);
        EXPECT_EQ(view->m_pickedGraph, 0);
        view->OnUpdate(nullptr, 0, nullptr);
        EXPECT_EQ(view->m_picked, 0);
        EXPECT_EQ(view->m_pickedGraph, -1);
        EXPECT_EQ(view->m_pickedLine, -1);
    }
}

// A wait that finds nothing to do sleeps: a second of it costs little processor time.
TEST_F(FramedView, AWaitOfASecondSleeps) {
    QTimer::singleShot(1000,
                       [this] { QTest::mousePress(qWidgetOf(view->m_hWnd), Qt::LeftButton); });
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    CPoint p;
    CRect r;
    EXPECT_EQ(view->GetEvent(p, r), CGLView::EV_LBUTTONDOWN);
    EXPECT_LT(double(std::clock() - cpu) / CLOCKS_PER_SEC, 0.2);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
    QTest::mouseRelease(qWidgetOf(view->m_hWnd), Qt::LeftButton);
}

TEST_F(FramedView, WindowClosedDuringAWaitEndsItWithRightButtonUpAtTheLastPoint) {
    view->keep = false; // deleted with its window, as a host's view is
    post(WM_MOUSEMOVE, 7, 9);
    CPoint p;
    CRect r;
    ASSERT_EQ(view->GetEvent(p, r), CGLView::EV_MOUSEMOVE);
    ASSERT_TRUE(PostMessage(frame->m_hWnd, WM_CLOSE, 0, 0));
    p = CPoint(0, 0);
    EXPECT_EQ(view->GetEvent(p, r), CGLView::EV_RBUTTONUP);
    EXPECT_EQ(p, CPoint(7, 9));
    EXPECT_EQ(view->m_hWnd, nullptr);
    frame = nullptr; // deleted itself
    // Later waits end at once, as cancelled.
    EXPECT_EQ(view->GetEvent(p, r), CGLView::EV_RBUTTONUP);
    // The object goes once the waiting loop has unwound: not inside a loop of the program's
    // own, but from Qt's loop.
    const int before = CGLTestView::destroyed;
    pump();
    EXPECT_EQ(CGLTestView::destroyed, before);
    for (int i = 0; i < 10 && CGLTestView::destroyed == before; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(CGLTestView::destroyed, before + 1);
    view = nullptr;
}

} // namespace
