// platform/wnd: windows and what runs them: window handles over Qt widgets, message maps and
// command routing (CCmdTarget), the message queue and its loops, painting through backing
// images, controls, frames, views and documents, the application object, and window device
// contexts (CClientDC). Over Qt Widgets and the QApplication event loop.
//
// MFC's window class over a Qt widget. A created CWnd has a handle (m_hWnd) and a backing image
// of its client size that every device context of the window draws into; the widget only shows
// that image. Messages reach WindowProc, which runs the class's message map.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/afx/geometry.h>
#include <ploxen/platform/wnd/CCmdTarget.h>
#include <ploxen/platform/wnd/DialogTemplate.h>

class CDocument;
class CView;
class CFrameWnd;
class CScrollBar;
class CDataExchange;

// What the document/view framework passes to the windows it creates.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CRuntimeClass* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// CWnd::m_nFlags
#define WF_MODALLOOP 0x0008     // the window runs its own modal loop (RunModalLoop)
#define WF_CONTINUEMODAL 0x0010 // that loop goes on (cleared by EndModalLoop)
// RunModalLoop's flags
#define MLF_NOIDLEMSG 0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

class AFX_EXT_CLASS CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override; // destroys the window it still holds

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    // The wrapper of a window handle; null for a null or destroyed window.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Creation: a child window (WS_CHILD is added) of a platform class ("Button", "Edit",
    // "Static", "ListBox", "msctls_trackbar32", "SysListView32") or, for any other or a null
    // class name, a plain window that paints through OnPaint. Sends WM_CREATE, then WM_SIZE.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL DestroyWindow();
    // Makes this object the wrapper of an existing window (FALSE when another object holds it).
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled.
    LRESULT Default();

    // State and geometry.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    DWORD GetStyle() const;
    CWnd* GetParent() const;
    // The frame window the window lies in (its nearest CFrameWnd ancestor), or null.
    CFrameWnd* GetParentFrame() const;
    int GetDlgCtrlID() const;

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();

    // Text and child controls.
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);

    // Data exchange between the window's fields and its controls (DoDataExchange); FALSE when
    // a value did not validate (the user has been told, the control has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Focus, activation, mouse capture.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();
    CWnd* SetCapture();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
    BOOL KillTimer(UINT_PTR nIDEvent);
    static CWnd* GetCapture();

    // The window's own modal loop: retrieves, pre-translates and dispatches messages, sleeping
    // while none is queued, until EndModalLoop; returns EndModalLoop's result. A window
    // destroyed inside its loop ends it, and gets PostNcDestroy once the loop's callers have
    // unwound (they still use the object). WM_QUIT ends it with -1 and stays queued.
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);
    // Sees each message for this window or its children before it is dispatched (in
    // CWinApp::Run and RunModalLoop); TRUE keeps it from being dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    UINT m_nFlags = 0; // WF_ flags

protected:
    int m_nModalResult = 0;

    virtual void DoDataExchange(CDataExchange* pDX);
    // Called after the window's last message (WM_NCDESTROY); frames delete themselves here.
    virtual void PostNcDestroy() {}

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnClose();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    // point in screen coordinates; nonzero when the wheel was handled.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDialog;
    // Creates the window from a filled CREATESTRUCT (after PreCreateWindow).
    BOOL createWindow(CREATESTRUCT& cs);
};

// MFC's scroll-bar class; the slider control derives from it, so the control that sends
// WM_HSCROLL reaches OnHScroll as a genuine CScrollBar.
class AFX_EXT_CLASS CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)
};

// The frame's first pane: the view that fills a frame's client area.
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
// The frame's control bars: children with IDs in this range are laid out along its edges.
constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_LAST = 0xE8FF;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;
