#pragma once

#include "module/ResourceIds.h"
#include "platform/CDialog.h"
class CGLView;

// Modeless tool dialog of a graph view: created hidden at the view's first update, shown on
// demand, hidden (not destroyed) by Close.
class CInquirePointDlg : public CDialog {
public:
    enum { IDD = IDD_INQUIREPOINT };

    explicit CInquirePointDlg(CWnd* pParent = nullptr);
    explicit CInquirePointDlg(CGLView* pView);
    ~CInquirePointDlg() override = default;

    void Update(); // creates the window, hidden, if it does not exist yet
    void Show();
    afx_msg void OnClose(); // hides

    CGLView* m_pView = nullptr;
    CString m_strX;
    CString m_strY;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
