#pragma once

#include <ploxen/dialogs/CToolDlg.h>
#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/ctl/controls.h>
class CGLView;

// Lists the comments placed on the graph view; erases the selected ones.
class AFX_EXT_CLASS CEraseCommentDlg : public CToolDlg {
public:
    enum { IDD = IDD_ERASECOMMENT };

    explicit CEraseCommentDlg(CWnd* pParent = nullptr);
    explicit CEraseCommentDlg(CGLView* pView);
    ~CEraseCommentDlg() override = default;

    // Erases the comments whose names are selected, from the renderer and from the list, and
    // repaints the view.
    afx_msg void OnApply();

    CGLView* m_pView = nullptr;
    CListBox m_listComments; // several items may be selected

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
