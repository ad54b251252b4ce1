#include <ploxen/dialogs/CGraduateDlg.h>

#include <ploxen/module/ResourceIds.h>
#include <ploxen/util/CErrorEdit.h>

BEGIN_MESSAGE_MAP(CGraduateDlg, CDialog)
ON_WM_HSCROLL()
ON_BN_CLICKED(IDC_GRADAUTO, &CGraduateDlg::OnGauto)
ON_BN_CLICKED(IDC_GRADMANUAL, &CGraduateDlg::OnGmanual)
ON_BN_CLICKED(IDC_RANGEAUTO, &CGraduateDlg::OnRauto)
ON_BN_CLICKED(IDC_RANGEMANUAL, &CGraduateDlg::OnRmanual)
END_MESSAGE_MAP()

CGraduateDlg::CGraduateDlg(CWnd* pParent)
    : CDialog(IDD_GRADUATE, pParent), m_bMaxOnly(0), m_nSmallGrad(1), m_nGradMode(0),
      m_nRangeMode(0), m_dLargeGrad(0.0), m_dMax(0.0), m_dMin(0.0) {}

void CGraduateDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRADSTEP, m_editGrad);
    DDX_Control(pDX, IDC_SMALLGRADSLIDER, m_sliderSmall);
    DDX_Text(pDX, IDC_SMALLGRAD, m_nSmallGrad);
    DDV_MinMaxUInt(pDX, m_nSmallGrad, 1, 10);
    DDX_Radio(pDX, IDC_GRADAUTO, m_nGradMode);
    DDX_Radio(pDX, IDC_RANGEAUTO, m_nRangeMode);
    DDX_Text(pDX, IDC_GRADSTEP, m_dLargeGrad);
    DDX_Text(pDX, IDC_MAX, m_dMax);
    DDX_Text(pDX, IDC_MIN, m_dMin);
}

BOOL CGraduateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_sliderSmall.SetRange(1, 10, FALSE);
    m_sliderSmall.SendMessage(TBM_SETPOS, TRUE, LPARAM(m_nSmallGrad));
    EnableGraduate(m_nGradMode != 0);
    EnableMinMax(m_nRangeMode != 0);
    return TRUE;
}

void CGraduateDlg::EnableGraduate(BOOL enable) {
    GetDlgItem(IDC_GRADSTEP)->EnableWindow(enable);
    GetDlgItem(IDC_SMALLGRADSLIDER)->EnableWindow(enable);
}

void CGraduateDlg::EnableMinMax(BOOL enable) {
    GetDlgItem(IDC_MAX)->EnableWindow(enable);
    GetDlgItem(IDC_MIN)->EnableWindow(enable);
}

void CGraduateDlg::OnGauto() {
    EnableGraduate(FALSE);
}

void CGraduateDlg::OnGmanual() {
    EnableGraduate(TRUE);
}

void CGraduateDlg::OnRauto() {
    EnableMinMax(FALSE);
}

void CGraduateDlg::OnRmanual() {
    if (m_bMaxOnly) {
        GetDlgItem(IDC_MAX)->EnableWindow(TRUE);
        GetDlgItem(IDC_MIN)->EnableWindow(FALSE);
    } else {
        EnableMinMax(TRUE);
    }
}

void CGraduateDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar) {
        CString count;
        count.Format("%d", int(pScrollBar->SendMessage(TBM_GETPOS, 0, 0)));
        SetDlgItemText(IDC_SMALLGRAD, count);
    }
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CGraduateDlg::OnOK() {
    CErrorEdit step(&m_editGrad);
    if (step.MoreThan(0.0)) CDialog::OnOK();
}
