#pragma once

#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/AfxExtClass.h>
#include <ploxen/platform/CDialog.h>
#include <ploxen/platform/controls.h>
class CGLView;

// Modeless tool dialog of a graph view: created hidden at the view's first update, shown on
// demand, hidden (not destroyed) by Close.
class AFX_EXT_CLASS CEraseCommentDlg : public CDialog {
public:
    enum { IDD = IDD_ERASECOMMENT };

    explicit CEraseCommentDlg(CWnd* pParent = nullptr);
    explicit CEraseCommentDlg(CGLView* pView);
    ~CEraseCommentDlg() override = default;

    void Update(); // creates the window, hidden, if it does not exist yet
    void Show();
    afx_msg void OnClose(); // hides
    // Erases the comments whose names are selected, from the renderer and from the list, and
    // repaints the view.
    afx_msg void OnApply();

    CGLView* m_pView = nullptr;
    CListBox m_listComments; // several items may be selected

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
