#include "DemoFrame.h"

#include "DemoCommands.h"
#include "DemoView.h"

IMPLEMENT_DYNCREATE(DemoFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(DemoFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_FILE_EXIT, &DemoFrame::OnFileExit)
END_MESSAGE_MAP()

DemoFrame* DemoFrame::make(LPCSTR title, int width, int height) {
    auto* frame = new DemoFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(DemoView);
    if (!frame->Create(nullptr, title, WS_OVERLAPPEDWINDOW, CRect(0, 0, width, height), nullptr,
                       nullptr, 0, &context)) {
        delete frame;
        return nullptr;
    }
    DemoView* view = frame->view();
    if (!view) {
        frame->DestroyWindow(); // deletes the frame
        return nullptr;
    }
    // The pane keeps the size asked for; the status bar's line comes on top of it.
    CRect pane, outer;
    view->GetClientRect(&pane);
    frame->GetWindowRect(&outer);
    frame->MoveWindow(outer.left, outer.top, outer.Width() + width - pane.Width(),
                      outer.Height() + height - pane.Height());
    // The first frame is the application's main window, and so owns the tool dialogs that the
    // view's first update makes: they stay above it.
    if (CWinApp* app = AfxGetApp(); app && !app->m_pMainWnd) app->m_pMainWnd = frame;
    view->OnInitialUpdate();
    return frame;
}

int DemoFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    static const UINT indicators[] = {ID_SEPARATOR}; // one pane: the readout
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 1)) return -1;
    return 0;
}

DemoView* DemoFrame::view() const {
    CWnd* pane = GetDlgItem(int(AFX_IDW_PANE_FIRST));
    return pane && pane->IsKindOf(RUNTIME_CLASS(DemoView)) ? static_cast<DemoView*>(pane) : nullptr;
}

BOOL DemoFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    DemoView* pane = view();
    // While a tool has the mouse, its data and picture must stay as they are.
    if (pane && pane->isWaiting()) return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void DemoFrame::OnFileExit() {
    PostMessage(WM_CLOSE);
}
