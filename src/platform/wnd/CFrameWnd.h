// The framework's top-level frame window. Its client area is filled by the child with the ID
// AFX_IDW_PANE_FIRST (the view), which follows every resize of the frame. A frame closed while
// one of its commands runs closes once that command has returned; a loop of the command that
// waits for a window's input alone (a view's GetEvent) is ended by taking that window away.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/CWnd.h>

class AFX_EXT_CLASS CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault; // lets the platform choose the size

    // Hides CWnd::Create on purpose, as the framework's frame does: both end in a pointer or
    // ID that a NULL argument could not choose between.
#ifdef __clang__
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Woverloaded-virtual"
#endif
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);
#ifdef __clang__
#pragma clang diagnostic pop
#endif
    // Makes the context's view class and creates it as the pane with that ID.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Lays the visible control bars along their edges (a status bar at the bottom) and fits the
    // pane to the rest of the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The status bar (the child AFX_IDW_STATUS_BAR), or null; SetMessageText shows a text in its
    // first pane.
    virtual CWnd* GetMessageBar();
    void SetMessageText(LPCSTR lpszText);
    // The view that receives commands first: the one last made active, else the pane when it
    // is a view (a frame holding one view needs no call to SetActiveView).
    CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // Commands go to the active view (and its document), then to the frame, then to the
    // application, as a menu's commands do in the framework.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // Frames are made with new and delete themselves when their window is gone.
    void PostNcDestroy() override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    // A pane made after the frame fills it at once.
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    HWND m_hWndViewActive = nullptr; // a handle, so a destroyed view is never reached
    int m_nCommandDepth = 0;         // commands running (nested through their message loops)
    bool m_bClosePending = false;    // closed while a command ran
};
