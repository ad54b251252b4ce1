// Modal dialog for one axis: range automatic or manual (maximum, minimum) and graduation
// automatic or manual (large step, number of small divisions on a slider). The host fills the
// public fields, runs DoModal and reads them back on IDOK.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/afxwin.h>

class AFX_EXT_CLASS CGraduateDlg : public CDialog {
public:
    CGraduateDlg(CWnd* pParent = NULL);
    ~CGraduateDlg() override = default;

    int m_bMaxOnly; // a manual range enables only the maximum
    CEdit m_editGrad;
    CSliderCtrl m_sliderSmall;
    UINT m_nSmallGrad;
    int m_nGradMode;
    int m_nRangeMode;
    double m_dLargeGrad;
    double m_dMax;
    double m_dMin;

    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnGauto();
    afx_msg void OnGmanual();
    afx_msg void OnRauto();
    afx_msg void OnRmanual();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void EnableGraduate(BOOL enable);
    void EnableMinMax(BOOL enable);
};
