#include <ploxen/dialogs/CMiniGraduateDlg.h>

#include <ploxen/module/ResourceIds.h>

BEGIN_MESSAGE_MAP(CMiniGraduateDlg, CDialog)
ON_WM_HSCROLL()
ON_BN_CLICKED(IDC_RANGEAUTO, &CMiniGraduateDlg::OnRauto)
ON_BN_CLICKED(IDC_RANGEMANUAL, &CMiniGraduateDlg::OnRmanual)
END_MESSAGE_MAP()

CMiniGraduateDlg::CMiniGraduateDlg(CWnd* pParent)
    : CDialog(IDD_MINIGRADUATE, pParent), m_nRangeMode(0), m_dMax(0.0), m_dMin(0.0) {}

void CMiniGraduateDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_RANGEAUTO, m_nRangeMode);
    DDX_Text(pDX, IDC_MAX, m_dMax);
    DDX_Text(pDX, IDC_MIN, m_dMin);
}

BOOL CMiniGraduateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    EnableMinMax(m_nRangeMode != 0);
    return TRUE;
}

void CMiniGraduateDlg::EnableMinMax(BOOL enable) {
    GetDlgItem(IDC_MAX)->EnableWindow(enable);
    GetDlgItem(IDC_MIN)->EnableWindow(enable);
}

void CMiniGraduateDlg::EnableGraduate(BOOL) {}

void CMiniGraduateDlg::OnRauto() {
    EnableMinMax(FALSE);
}

void CMiniGraduateDlg::OnRmanual() {
    EnableMinMax(TRUE);
}

void CMiniGraduateDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CMiniGraduateDlg::OnOK() {
    CDialog::OnOK();
}
