#pragma once

#include "module/ResourceIds.h"
#include "platform/CDialog.h"
class CGLView;
class CEraseCommentDlg;
// Modeless tool dialog of a graph view: created hidden at the view's first update, shown on
// demand, hidden (not destroyed) by Close.
class CDrawCommentDlg : public CDialog {
public:
    enum { IDD = IDD_DRAWCOMMENT };

    explicit CDrawCommentDlg(CWnd* pParent = nullptr);
    CDrawCommentDlg(CGLView* pView, CEraseCommentDlg* pEraseDlg);
    ~CDrawCommentDlg() override = default;

    void Update(); // creates the window, hidden, if it does not exist yet
    void Show();
    afx_msg void OnClose(); // hides

    CGLView* m_pView = nullptr;
    CEraseCommentDlg* m_pEraseDlg = nullptr;
    LOGFONT m_logFont; // font of the next comment
    COLORREF m_color;  // text colour of the next comment
    CString m_strComment;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
