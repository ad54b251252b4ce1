#include <ploxen/platform/wnd/CFrameWnd.h>

#include <algorithm>
#include <vector>

#include <ploxen/platform/ctl/CStatusBar.h>
#include <ploxen/platform/wnd/CView.h>
#include <ploxen/platform/wnd/CWinApp.h>
#include <ploxen/platform/wnd/wnd_p.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR, DWORD dwExStyle, CCreateContext* pContext) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle & ~WS_CHILD, rect, pParentWnd,
                    0, pContext);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return OnCreateClient(lpCreateStruct, context) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    return !pContext || !pContext->m_pNewViewClass || CreateView(pContext) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    if (!pContext || !pContext->m_pNewViewClass) return nullptr;
    CObject* made = pContext->m_pNewViewClass->CreateObject();
    if (!made || !made->IsKindOf(RUNTIME_CLASS(CWnd))) {
        delete made;
        return nullptr;
    }
    auto* view = static_cast<CWnd*>(made);
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID,
                      pContext)) {
        delete view;
        return nullptr;
    }
    return view;
}

void CFrameWnd::RecalcLayout(BOOL) {
    CRect client;
    GetClientRect(&client);
    const wnd::Window* self = wnd::find(m_hWnd);
    for (HWND h : self ? self->children : std::vector<HWND>{}) {
        const UINT id = UINT(::GetDlgCtrlID(h));
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(h));
        if (id < AFX_IDW_CONTROLBAR_FIRST || id > AFX_IDW_CONTROLBAR_LAST || !bar ||
            !(bar->GetStyle() & WS_VISIBLE))
            continue;
        const DWORD align = bar->GetBarStyle();
        if (align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) {
            const int height = std::min<int>(bar->CalcFixedLayout(TRUE, TRUE).cy, client.Height());
            const bool top = align & CBRS_ALIGN_TOP;
            bar->MoveWindow(client.left, top ? client.top : client.bottom - height, client.Width(),
                            height);
            (top ? client.top : client.bottom) += top ? height : -height;
        } else if (align & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) {
            const int width = std::min<int>(bar->CalcFixedLayout(TRUE, FALSE).cx, client.Width());
            const bool left = align & CBRS_ALIGN_LEFT;
            bar->MoveWindow(left ? client.left : client.right - width, client.top, width,
                            client.Height());
            (left ? client.left : client.right) += left ? width : -width;
        }
    }
    if (CWnd* pane = GetDlgItem(int(AFX_IDW_PANE_FIRST))) pane->MoveWindow(&client);
}

CWnd* CFrameWnd::GetMessageBar() {
    return GetDlgItem(int(AFX_IDW_STATUS_BAR));
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
    if (auto* bar = dynamic_cast<CStatusBar*>(GetMessageBar())) bar->SetPaneText(0, lpszText);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CFrameWnd::OnParentNotify(UINT message, LPARAM lParam) {
    CWnd::OnParentNotify(message, lParam);
    if (LOWORD(message) == WM_CREATE && HIWORD(message) == AFX_IDW_PANE_FIRST) RecalcLayout();
}

void CFrameWnd::OnClose() {
    if (m_nCommandDepth == 0) {
        DestroyWindow();
        return;
    }
    // The running command still uses this object: close once it has returned. Printing or a
    // dialog finishes first; a loop waiting for one of our windows' input only ends when that
    // window goes, so it goes now.
    m_bClosePending = true;
    wnd::destroyAwaited(m_hWnd);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    ++m_nCommandDepth;
    const BOOL handled = CWnd::OnCommand(wParam, lParam);
    if (--m_nCommandDepth == 0 && m_bClosePending) {
        m_bClosePending = false;
        PostMessage(WM_CLOSE);
    }
    return handled;
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

CView* CFrameWnd::GetActiveView() const {
    CWnd* active = m_hWndViewActive ? CWnd::FromHandlePermanent(m_hWndViewActive) : nullptr;
    if (active && active->IsKindOf(RUNTIME_CLASS(CView))) return static_cast<CView*>(active);
    CWnd* pane = GetDlgItem(int(AFX_IDW_PANE_FIRST));
    return pane && pane->IsKindOf(RUNTIME_CLASS(CView)) ? static_cast<CView*>(pane) : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL) {
    m_hWndViewActive = pViewNew ? pViewNew->m_hWnd : nullptr;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
