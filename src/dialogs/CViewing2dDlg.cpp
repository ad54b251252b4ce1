#include "dialogs/CViewing2dDlg.h"

BEGIN_MESSAGE_MAP(CViewing2dDlg, CDialog)
ON_BN_CLICKED(IDC_CLOSE, &CViewing2dDlg::OnClose)
END_MESSAGE_MAP()

CViewing2dDlg::CViewing2dDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CViewing2dDlg::CViewing2dDlg(CGLView* pView) : m_pView(pView) {}

void CViewing2dDlg::Update() {
    if (m_hWnd) return;
    Create(IDD, nullptr);
    UpdateData(FALSE);
}

void CViewing2dDlg::Show() {
    Update();
    ShowWindow(SW_SHOW);
    UpdateWindow();
}

void CViewing2dDlg::OnClose() {
    ShowWindow(SW_HIDE);
}
