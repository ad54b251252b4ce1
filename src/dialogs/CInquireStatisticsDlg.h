#pragma once

#include "module/ResourceIds.h"
#include "platform/CDialog.h"
class CGLView;

// Modeless tool dialog of a graph view: created hidden at the view's first update, shown on
// demand, hidden (not destroyed) by Close.
class CInquireStatisticsDlg : public CDialog {
public:
    enum { IDD = IDD_INQUIRESTATISTICS };

    explicit CInquireStatisticsDlg(CWnd* pParent = nullptr);
    explicit CInquireStatisticsDlg(CGLView* pView);
    ~CInquireStatisticsDlg() override = default;

    void Update(); // creates the window, hidden, if it does not exist yet
    void Show();
    afx_msg void OnClose(); // hides

    CGLView* m_pView = nullptr;
    CString m_strX1;
    CString m_strX2;
    CString m_strMax;
    CString m_strMean;
    CString m_strMin;
    CString m_strSigma;
    CString m_strDiffCoef;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
