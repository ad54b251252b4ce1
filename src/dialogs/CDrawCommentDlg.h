#pragma once

#include <ploxen/dialogs/CToolDlg.h>
#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/afx/AfxExtClass.h>
class CGLView;
class CEraseCommentDlg;
// Text, font and colour of the next comment, placed on the graph view with the mouse.
class AFX_EXT_CLASS CDrawCommentDlg : public CToolDlg {
public:
    enum { IDD = IDD_DRAWCOMMENT };

    explicit CDrawCommentDlg(CWnd* pParent = nullptr);
    CDrawCommentDlg(CGLView* pView, CEraseCommentDlg* pEraseDlg);
    ~CDrawCommentDlg() override = default;

    // The font dialog on m_logFont and m_color; both change only on OK.
    afx_msg void OnFont();
    // A box the size of m_strComment's text follows the pointer over the view; a left press
    // places the comment there and lists its name in the erase dialog, a right press cancels.
    // A text longer than 60 characters is refused by the data exchange before anything starts.
    afx_msg void OnApply();

    CGLView* m_pView = nullptr;
    CEraseCommentDlg* m_pEraseDlg = nullptr;
    LOGFONT m_logFont; // font of the next comment
    COLORREF m_color;  // text colour of the next comment
    CString m_strComment;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
