// Real windows, offscreen: creation and sizing messages, the message queue, Qt mouse input and
// nested message loops. (Drawing outside a paint staying until the next repaint the graph view's
// event test checks.)
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FramedPane.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/wnd_p.h"

namespace {

// Records the messages it handles as text, in order.
class CRecorder : public CWnd {
    DECLARE_DYNCREATE(CRecorder)
public:
    std::vector<std::string> log;

protected:
    void note(const char* what, UINT flags, CPoint p) {
        log.push_back(std::string(what) + " " + std::to_string(flags) + " " + std::to_string(p.x) +
                      "," + std::to_string(p.y));
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        log.push_back("create");
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnSize(UINT, int cx, int cy) {
        log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    afx_msg void OnDestroy() { log.push_back("destroy"); }
    afx_msg void OnMouseMove(UINT f, CPoint p) { note("move", f, p); }
    afx_msg void OnLButtonDown(UINT f, CPoint p) { note("ldown", f, p); }
    afx_msg void OnLButtonUp(UINT f, CPoint p) { note("lup", f, p); }
    afx_msg void OnRButtonDown(UINT f, CPoint p) { note("rdown", f, p); }
    afx_msg void OnRButtonUp(UINT f, CPoint p) { note("rup", f, p); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRecorder, CWnd)
BEGIN_MESSAGE_MAP(CRecorder, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_DESTROY()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

// A frame with a recording view as its pane.
struct Framed : FramedPane<CRecorder, RUNTIME_CLASS(CRecorder)> {
    void SetUp() override {
        FramedPane::SetUp();
        view->log.clear();
    }
};

// Waits inside its button-down handler for the next mouse message, as the tool dialogs do.
class CWaiter : public CRecorder {
protected:
    afx_msg void OnLButtonDown(UINT f, CPoint p) {
        note("wait", f, p);
        const size_t before = log.size();
        for (int polls = 0; log.size() == before && polls < 100000; ++polls) {
            MSG msg;
            if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        }
        log.push_back("done");
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CWaiter, CRecorder)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Runs its own modal loop: a left press ends it with the press's x, an "S" key is taken before
// it is dispatched, and deletion after the window has gone is recorded.
class CLooper : public CRecorder {
public:
    bool* deleted = nullptr;
    BOOL PreTranslateMessage(MSG* m) override {
        if (m->message != WM_KEYDOWN || m->wParam != 'S') return FALSE;
        log.push_back("taken");
        return TRUE;
    }

protected:
    afx_msg void OnLButtonDown(UINT, CPoint p) { EndModalLoop(p.x); }
    void PostNcDestroy() override {
        *deleted = true;
        delete this;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLooper, CRecorder)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

} // namespace

// Once gone, the child gets nothing more: not what was still queued for it, posted or sent.
TEST(Window, ChildGetsCreateThenSizeFollowsTheFramesClientAreaAndNothingOnceDestroyed) {
    EXPECT_FALSE(PostMessage(nullptr, WM_MOUSEMOVE, 0, 0));
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    CRecorder child;
    ASSERT_TRUE(
        child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 40), frame, AFX_IDW_PANE_FIRST));
    // The pane fills the frame as soon as it exists.
    EXPECT_EQ(child.log, (std::vector<std::string>{"create", "size 50x40", "size 400x300"}));

    frame->MoveWindow(0, 0, 520, 330);
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 520, 330));
    EXPECT_EQ(child.log.back(), "size 520x330");

    const HWND h = child.m_hWnd;
    EXPECT_EQ(CWnd::FromHandle(h), &child);
    ASSERT_TRUE(PostMessage(h, WM_LBUTTONDOWN, 0, 0));
    frame->DestroyWindow();
    EXPECT_EQ(child.log.back(), "destroy");
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(h), nullptr);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(PostMessage(h, WM_LBUTTONDOWN, 0, 0));
    EXPECT_EQ(SendMessage(h, WM_LBUTTONDOWN, 0, 0), 0);
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(child.log.back(), "destroy");
}

TEST_F(Framed, QtMouseInputBecomesTheSameMessages) {
    QWidget* widget = wnd::widgetOf(view->m_hWnd);
    ASSERT_NE(widget, nullptr);
    const auto mouse = [&](QEvent::Type type, QPointF p, Qt::MouseButton button,
                           Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = {}) {
        QMouseEvent e(type, p, widget->mapToGlobal(p), button, buttons, mods);
        QCoreApplication::sendEvent(widget, &e);
    };
    mouse(QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    for (int x = 7; x <= 9; ++x)
        mouse(QEvent::MouseMove, {qreal(x), 6}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {-3, 25}, Qt::LeftButton, Qt::NoButton); // dragged out
    mouse(QEvent::MouseButtonPress, {1, 2}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    mouse(QEvent::MouseButtonRelease, {1, 2}, Qt::RightButton, Qt::NoButton, Qt::ControlModifier);
    pump();
    EXPECT_EQ(view->log,
              (std::vector<std::string>{"ldown 1 5,6", "move 1 7,6", "move 1 8,6", "move 1 9,6",
                                        "lup 0 -3,25", "rdown 6 1,2", "rup 8 1,2"}));
}

TEST(Window, NestedLoopTakesTheNextMessageAndQtsLoopTheRestInOrder) {
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "nested"));
    CWaiter view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), frame, 1));
    view.log.clear();
    const HWND h = view.m_hWnd;
    // Started from the queue (drained by Qt's loop) and from outside it (as a button's
    // handler would start it): either way the wait takes exactly the next message.
    for (bool posted : {true, false}) {
        view.log.clear();
        if (posted) PostMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        PostMessage(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessage(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessage(h, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        if (!posted) SendMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        QCoreApplication::processEvents(); // no loop of ours: Qt's loop drains the rest
        EXPECT_EQ(view.log, (std::vector<std::string>{"wait 1 1,1", "move 1 2,2", "done",
                                                      "move 1 3,3", "lup 0 4,4"}));
    }
    frame->DestroyWindow();
}

// The loop sleeps until real input ends it; a window destroyed inside its own loop ends it and
// is deleted only once the loop's caller has unwound, as that caller still uses it.
TEST(Window, ModalLoopEndsOnInputAndOutlivesItsWindowUntilUnwound) {
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "modal"));
    bool deleted = false;
    auto* looper = new CLooper;
    looper->deleted = &deleted;
    ASSERT_TRUE(looper->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), frame, 1));
    QWidget* widget = wnd::widgetOf(looper->m_hWnd);
    QTimer::singleShot(10, [widget] {
        QTest::keyClick(widget, Qt::Key_S);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(7, 3));
    });
    EXPECT_EQ(looper->RunModalLoop(MLF_NOIDLEMSG), 7);
    EXPECT_EQ(std::count(looper->log.begin(), looper->log.end(), "taken"), 1);
    EXPECT_FALSE(looper->m_nFlags & WF_MODALLOOP);

    QTimer::singleShot(10, [frame] { frame->DestroyWindow(); });
    EXPECT_EQ(looper->RunModalLoop(), -1);
    EXPECT_FALSE(deleted);
    EXPECT_EQ(looper->m_hWnd, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(deleted);
}
