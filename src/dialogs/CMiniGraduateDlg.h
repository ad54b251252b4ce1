// Modal dialog for an axis range only: automatic or manual, with maximum and minimum.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/afxwin.h>

class AFX_EXT_CLASS CMiniGraduateDlg : public CDialog {
public:
    CMiniGraduateDlg(CWnd* pParent = NULL);
    ~CMiniGraduateDlg() override = default;

    int m_nRangeMode;
    double m_dMax;
    double m_dMin;

    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnRauto();
    afx_msg void OnRmanual();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void EnableGraduate(BOOL enable);
    void EnableMinMax(BOOL enable);
};
