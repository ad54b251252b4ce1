#pragma once

#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/AfxExtClass.h>
#include <ploxen/platform/CDialog.h>
class CGLView;

// Modeless tool dialog of a graph view: created hidden at the view's first update, shown on
// demand, hidden (not destroyed) by Close.
class AFX_EXT_CLASS CInquirePointDlg : public CDialog {
public:
    enum { IDD = IDD_INQUIREPOINT };

    explicit CInquirePointDlg(CWnd* pParent = nullptr);
    explicit CInquirePointDlg(CGLView* pView);
    ~CInquirePointDlg() override = default;

    void Update(); // creates the window, hidden, if it does not exist yet
    void Show();
    afx_msg void OnClose();   // hides; ends the tool if it runs
    void OnCancel() override; // Escape, the title bar's close: the same
    // A cross-hair follows the pointer over the view; each left press redraws the view, picks
    // the vertex under it (circling it) and shows its x and y; a right press ends. Does nothing
    // when the renderer has no configuration.
    afx_msg void OnPickpoint();

    CGLView* m_pView = nullptr;
    CString m_strX;
    CString m_strY;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
