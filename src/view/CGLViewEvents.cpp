// Mouse events: the tool dialogs' wait for the next event, and the press that repaints and
// picks outside such a wait.
#include <ploxen/dialogs/CDrawCommentDlg.h>
#include <ploxen/dialogs/CEraseCommentDlg.h>
#include <ploxen/dialogs/CInquirePointDlg.h>
#include <ploxen/dialogs/CInquireStatisticsDlg.h>
#include <ploxen/dialogs/CViewing2dDlg.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

CGLView::EVENTTYPE CGLView::GetEvent(CPoint& point, CRect& rect) {
    // The view's own modal loop runs until a mouse event is recorded (record ends it). A view
    // destroyed meanwhile (a frame closing mid-tool destroys the view it waits on) records a
    // cancelling event; without a window, or when the program quits, the tool is cancelled too.
    m_event = EV_NONE;
    m_bWaiting = 1;
    if (m_hWnd) RunModalLoop(MLF_NOIDLEMSG);
    if (m_event == EV_NONE) m_event = EV_RBUTTONUP;
    m_bWaiting = 0;
    point = m_eventPoint;
    rect = CRect(0, 0, 0, 0);
    if (m_hWnd) GetClientRect(&rect);
    return m_event;
}

BOOL CGLView::PreTranslateMessage(MSG* pMsg) {
    // Escape in the view (which has the keyboard after a click in it) ends the tool as a right
    // press does.
    if (m_bWaiting && pMsg->hwnd == m_hWnd && pMsg->message == WM_KEYDOWN &&
        pMsg->wParam == VK_ESCAPE)
        record(EV_RBUTTONDOWN, m_eventPoint);
    return CView::PreTranslateMessage(pMsg);
}

void CGLView::record(EVENTTYPE kind, CPoint point) {
    // A wait keeps the first event it gets: a message dispatched after the one that ended it
    // (Qt delivered both in one turn) must not replace, say, a cancel with a mouse move.
    if (m_bWaiting && m_event != EV_NONE) return;
    m_eventPoint = point;
    m_event = kind;
    if (m_nFlags & WF_CONTINUEMODAL) EndModalLoop(int(kind));
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
