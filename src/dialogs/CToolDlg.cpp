#include <ploxen/dialogs/CToolDlg.h>

#include <ploxen/dialogs/ToolSupport.h>
#include <ploxen/module/ResourceIds.h>

BEGIN_MESSAGE_MAP(CToolDlg, CDialog)
ON_BN_CLICKED(IDC_CLOSE, &CToolDlg::OnClose)
END_MESSAGE_MAP()

CToolDlg::CToolDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_nIDTemplate(nIDTemplate) {}

CToolDlg::CToolDlg(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

void CToolDlg::Update() {
    if (m_hWnd) return;
    Create(m_nIDTemplate, nullptr);
    UpdateData(FALSE);
}

void CToolDlg::Show() {
    Update();
    ShowWindow(SW_SHOW);
    UpdateWindow();
}

void CToolDlg::OnClose() {
    cancelTool(this);
    ShowWindow(SW_HIDE);
}

void CToolDlg::OnCancel() {
    cancelTool(this);
    CDialog::OnCancel();
}
