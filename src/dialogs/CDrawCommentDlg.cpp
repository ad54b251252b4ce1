#include "dialogs/CDrawCommentDlg.h"

#include <cstring>

#include "platform/CDataExchange.h"

BEGIN_MESSAGE_MAP(CDrawCommentDlg, CDialog)
ON_BN_CLICKED(IDC_CLOSE, &CDrawCommentDlg::OnClose)
END_MESSAGE_MAP()

CDrawCommentDlg::CDrawCommentDlg(CWnd* pParent) : CDialog(IDD, pParent), m_logFont{}, m_color(0) {}

// The view's dialog starts with green 8-point "MS Sans Serif" text.
CDrawCommentDlg::CDrawCommentDlg(CGLView* pView, CEraseCommentDlg* pEraseDlg)
    : m_pView(pView), m_pEraseDlg(pEraseDlg), m_logFont{}, m_color(RGB(0, 255, 0)) {
    m_logFont.lfHeight = -11;
    m_logFont.lfWeight = 400;
    m_logFont.lfOutPrecision = 1;
    m_logFont.lfClipPrecision = 2;
    m_logFont.lfQuality = 1;
    m_logFont.lfPitchAndFamily = 0x22;
    std::strcpy(m_logFont.lfFaceName, "MS Sans Serif");
}

void CDrawCommentDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COMMENT, m_strComment);
    DDV_MaxChars(pDX, m_strComment, 60);
}

void CDrawCommentDlg::Update() {
    if (m_hWnd) return;
    Create(IDD, nullptr);
    UpdateData(FALSE);
}

void CDrawCommentDlg::Show() {
    Update();
    ShowWindow(SW_SHOW);
    UpdateWindow();
}

void CDrawCommentDlg::OnClose() {
    ShowWindow(SW_HIDE);
}
