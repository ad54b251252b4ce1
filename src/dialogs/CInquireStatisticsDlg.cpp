#include "dialogs/CInquireStatisticsDlg.h"

#include "platform/CDataExchange.h"

BEGIN_MESSAGE_MAP(CInquireStatisticsDlg, CDialog)
ON_BN_CLICKED(IDC_CLOSE, &CInquireStatisticsDlg::OnClose)
END_MESSAGE_MAP()

CInquireStatisticsDlg::CInquireStatisticsDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CInquireStatisticsDlg::CInquireStatisticsDlg(CGLView* pView) : m_pView(pView) {}

void CInquireStatisticsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIRSTX, m_strX1);
    DDX_Text(pDX, IDC_SECONDX, m_strX2);
    DDX_Text(pDX, IDC_MAX, m_strMax);
    DDX_Text(pDX, IDC_MEAN, m_strMean);
    DDX_Text(pDX, IDC_MIN, m_strMin);
    DDX_Text(pDX, IDC_SIGMA, m_strSigma);
    DDX_Text(pDX, IDC_DIFFCOEF, m_strDiffCoef);
}

void CInquireStatisticsDlg::Update() {
    if (m_hWnd) return;
    Create(IDD, nullptr);
    UpdateData(FALSE);
}

void CInquireStatisticsDlg::Show() {
    Update();
    ShowWindow(SW_SHOW);
    UpdateWindow();
}

void CInquireStatisticsDlg::OnClose() {
    ShowWindow(SW_HIDE);
}
