#include "dialogs/CEraseCommentDlg.h"

#include "platform/CDataExchange.h"

BEGIN_MESSAGE_MAP(CEraseCommentDlg, CDialog)
ON_BN_CLICKED(IDC_CLOSE, &CEraseCommentDlg::OnClose)
END_MESSAGE_MAP()

CEraseCommentDlg::CEraseCommentDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CEraseCommentDlg::CEraseCommentDlg(CGLView* pView) : m_pView(pView) {}

void CEraseCommentDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMMENTLIST, m_listComments);
}

void CEraseCommentDlg::Update() {
    if (m_hWnd) return;
    Create(IDD, nullptr);
    UpdateData(FALSE);
}

void CEraseCommentDlg::Show() {
    Update();
    ShowWindow(SW_SHOW);
    UpdateWindow();
}

void CEraseCommentDlg::OnClose() {
    ShowWindow(SW_HIDE);
}
