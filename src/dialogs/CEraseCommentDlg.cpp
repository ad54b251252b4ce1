#include <ploxen/dialogs/CEraseCommentDlg.h>

#include <algorithm>
#include <vector>

#include <ploxen/platform/dlg/CDataExchange.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

BEGIN_MESSAGE_MAP(CEraseCommentDlg, CToolDlg)
ON_BN_CLICKED(IDC_APPLY, &CEraseCommentDlg::OnApply)
END_MESSAGE_MAP()

CEraseCommentDlg::CEraseCommentDlg(CWnd* pParent) : CToolDlg(IDD, pParent) {}

CEraseCommentDlg::CEraseCommentDlg(CGLView* pView) : CToolDlg(IDD), m_pView(pView) {}

void CEraseCommentDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMMENTLIST, m_listComments);
}

// The names are read first and the items then found by name, since each deletion moves the
// indices of the items after it.
void CEraseCommentDlg::OnApply() {
    if (!m_pView || !m_hWnd) return;
    UpdateData(TRUE);
    const int n = std::max(0, int(m_listComments.SendMessage(LB_GETSELCOUNT, 0, 0)));
    std::vector<int> selected(static_cast<size_t>(n), 0);
    if (n > 0) m_listComments.SendMessage(LB_GETSELITEMS, WPARAM(n), LPARAM(selected.data()));
    std::vector<CString> names(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        m_listComments.GetText(selected[size_t(k)], names[size_t(k)]);
        m_pView->GetRenderer()->deleteComment(names[size_t(k)]);
    }
    for (const CString& name : names) {
        const int item =
            int(m_listComments.SendMessage(LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(LPCSTR(name))));
        if (item != LB_ERR) m_listComments.SendMessage(LB_DELETESTRING, WPARAM(item), 0);
    }
    m_pView->Init();
    m_pView->Draw();
}
