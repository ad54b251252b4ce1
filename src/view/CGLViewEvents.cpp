// Mouse events: the tool dialogs' wait for the next event, and the press that repaints and
// picks outside such a wait.
#include <ploxen/dialogs/CDrawCommentDlg.h>
#include <ploxen/dialogs/CEraseCommentDlg.h>
#include <ploxen/dialogs/CInquirePointDlg.h>
#include <ploxen/dialogs/CInquireStatisticsDlg.h>
#include <ploxen/dialogs/CViewing2dDlg.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/platform/wnd/wnd_p.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

CGLView::EVENTTYPE CGLView::GetEvent(CPoint& point, CRect& rect) {
    m_event = EV_NONE;
    m_bWaiting = 1;
    // One message at a time. When none is queued the loop sleeps until the next message or Qt
    // event (WaitMessage) instead of polling again at once: a waiting tool must not keep a
    // processor busy, and the events it sees are the same. A window destroyed meanwhile records
    // a cancelling event from OnDestroy; without a window no event could ever come.
    if (!m_hWnd) m_event = EV_RBUTTONUP;
    // Marked as awaited, so that a frame closing meanwhile ends the wait by destroying the view.
    const HWND awaited = m_hWnd;
    if (wnd::Window* w = wnd::find(awaited)) ++w->awaited;
    MSG msg;
    while (m_event == EV_NONE) {
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            // Escape in the view (which has the keyboard after a click in it) ends the tool as
            // a right press does.
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && msg.hwnd == awaited &&
                m_event == EV_NONE)
                record(EV_RBUTTONDOWN, m_eventPoint);
        } else {
            WaitMessage();
        }
    }
    if (wnd::Window* w = wnd::find(awaited)) --w->awaited;
    m_bWaiting = 0;
    if (m_deleteAfterWait) {
        m_deleteAfterWait = false;
        wnd::runWhenIdle([this, alive = std::weak_ptr<bool>(m_alive)] {
            if (alive.lock()) delete this;
        });
    }
    point = m_eventPoint;
    rect = CRect(0, 0, 0, 0);
    if (m_hWnd) GetClientRect(&rect);
    return m_event;
}

void CGLView::record(EVENTTYPE kind, CPoint point) {
    m_eventPoint = point;
    m_event = kind;
}

void CGLView::press(CPoint point) {
    if (m_bWaiting) return;
    Init();
    Draw();
    m_picked = m_pRenderer->pickGraph(m_pDC, point.x, point.y, m_pickedGraph, m_pickedLine);
}

void CGLView::OnMouseMove(UINT, CPoint point) {
    record(EV_MOUSEMOVE, point);
    Default();
}

void CGLView::OnLButtonDown(UINT, CPoint point) {
    press(point);
    record(EV_LBUTTONDOWN, point);
    Default();
}

void CGLView::OnLButtonUp(UINT, CPoint point) {
    record(EV_LBUTTONUP, point);
    Default();
}

void CGLView::OnRButtonDown(UINT, CPoint point) {
    press(point);
    record(EV_RBUTTONDOWN, point);
    Default();
}

void CGLView::OnRButtonUp(UINT, CPoint point) {
    record(EV_RBUTTONUP, point);
    Default();
}

void CGLView::OnUpdate(CView*, LPARAM, CObject*) {
    if (m_pViewing2dDlg) m_pViewing2dDlg->Update();
    if (m_pDrawCommentDlg) m_pDrawCommentDlg->Update();
    if (m_pEraseCommentDlg) m_pEraseCommentDlg->Update();
    if (m_pInquirePointDlg) m_pInquirePointDlg->Update();
    if (m_pInquireStatisticsDlg) m_pInquireStatisticsDlg->Update();
    m_picked = 0;
    m_pickedLine = m_pickedGraph = -1;
}
