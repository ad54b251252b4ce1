// The demo's frame window: holds the view as its pane, with a status bar below it for the
// view's readout, and routes commands to the view first, as framework frames do; while a tool
// waits for the mouse it drops other commands.
#pragma once

#include <ploxen/ploxen.h>

class DemoView;

class DemoFrame : public CFrameWnd {
    DECLARE_DYNCREATE(DemoFrame)
public:
    DemoFrame() = default;

    // Creates the frame with a DemoView pane of about width x height, hidden, and gives the
    // view its first update (which creates the tool dialogs' windows). Null on failure.
    static DemoFrame* make(LPCSTR title, int width, int height);

    DemoView* view() const;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnFileExit();

    DECLARE_MESSAGE_MAP()

private:
    CStatusBar m_wndStatusBar;
};
