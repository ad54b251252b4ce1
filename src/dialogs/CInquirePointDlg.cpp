#include "dialogs/CInquirePointDlg.h"

#include "platform/CDataExchange.h"

BEGIN_MESSAGE_MAP(CInquirePointDlg, CDialog)
ON_BN_CLICKED(IDC_CLOSE, &CInquirePointDlg::OnClose)
END_MESSAGE_MAP()

CInquirePointDlg::CInquirePointDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CInquirePointDlg::CInquirePointDlg(CGLView* pView) : m_pView(pView) {}

void CInquirePointDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_POINTX, m_strX);
    DDX_Text(pDX, IDC_POINTY, m_strY);
}

void CInquirePointDlg::Update() {
    if (m_hWnd) return;
    Create(IDD, nullptr);
    UpdateData(FALSE);
}

void CInquirePointDlg::Show() {
    Update();
    ShowWindow(SW_SHOW);
    UpdateWindow();
}

void CInquirePointDlg::OnClose() {
    ShowWindow(SW_HIDE);
}
