#include <ploxen/dialogs/CDrawCommentDlg.h>

#include <cstring>

#include <ploxen/dialogs/CEraseCommentDlg.h>
#include <ploxen/dialogs/ToolSupport.h>
#include <ploxen/platform/dlg/CDataExchange.h>
#include <ploxen/platform/dlg/CFontDialog.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

BEGIN_MESSAGE_MAP(CDrawCommentDlg, CToolDlg)
ON_BN_CLICKED(IDC_FONT, &CDrawCommentDlg::OnFont)
ON_BN_CLICKED(IDC_APPLY, &CDrawCommentDlg::OnApply)
END_MESSAGE_MAP()

CDrawCommentDlg::CDrawCommentDlg(CWnd* pParent) : CToolDlg(IDD, pParent), m_logFont{}, m_color(0) {}

// The view's dialog starts with green 8-point "MS Sans Serif" text.
CDrawCommentDlg::CDrawCommentDlg(CGLView* pView, CEraseCommentDlg* pEraseDlg)
    : CToolDlg(IDD), m_pView(pView), m_pEraseDlg(pEraseDlg), m_logFont{}, m_color(RGB(0, 255, 0)) {
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

void CDrawCommentDlg::OnFont() {
    CFontDialog dialog(&m_logFont, CF_EFFECTS | CF_SCREENFONTS, nullptr, nullptr);
    dialog.m_cf.rgbColors = m_color;
    if (dialog.DoModal() == IDOK) m_color = dialog.m_cf.rgbColors;
}

namespace {

// A box the size of the text follows the pointer, its top-left corner at it; a left press places
// the comment there.
struct PlaceGesture final : ToolGesture {
    explicit PlaceGesture(CDrawCommentDlg& dialog) : dialog(dialog) {}
    void begin(CDC& dc) override {
        font.Attach(CreateFontIndirectA(&dialog.m_logFont));
        CFont* old = dc.SelectObject(&font);
        SIZE size{0, 0};
        GetTextExtentPoint32A(dc.m_hAttribDC, dialog.m_strComment, dialog.m_strComment.GetLength(),
                              &size);
        extent = size;
        dc.SelectObject(old);
    }
    void move(XorTrack& track, CPoint point, const CRect&) override { track.box(point, extent); }
    bool press(XorTrack&, CPoint point, const CRect&) override {
        at = point;
        return true;
    }
    void complete(CDC& dc) override {
        name = dialog.m_pView->GetRenderer()->drawComment(&dc, dialog.m_strComment,
                                                          dialog.m_logFont, dialog.m_color, at);
    }
    CDrawCommentDlg& dialog;
    CFont font; // kept until the comment is placed
    CSize extent;
    CPoint at;
    CString name;
};

} // namespace

void CDrawCommentDlg::OnApply() {
    if (!m_pView) return;
    PlaceGesture place(*this);
    if (!runTool(*this, m_pView, place) || !m_pEraseDlg) return;
    m_pEraseDlg->Update(); // its list holds the names, shown or not
    m_pEraseDlg->m_listComments.SendMessage(LB_INSERTSTRING, WPARAM(-1),
                                            LPARAM(LPCSTR(place.name)));
}
