#pragma once

#include <ploxen/dialogs/CToolDlg.h>
#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/afx/AfxExtClass.h>
class CGLView;

// Shows the coordinates of the vertices picked with the mouse on the graph view.
class AFX_EXT_CLASS CInquirePointDlg : public CToolDlg {
public:
    enum { IDD = IDD_INQUIREPOINT };

    explicit CInquirePointDlg(CWnd* pParent = nullptr);
    explicit CInquirePointDlg(CGLView* pView);
    ~CInquirePointDlg() override = default;

    // A cross-hair follows the pointer over the view; each left press redraws the view, picks
    // the vertex under it (circling it) and shows its x and y; a right press ends. Does nothing
    // when the renderer has no configuration.
    afx_msg void OnPickpoint();

    CGLView* m_pView = nullptr;
    CString m_strX;
    CString m_strY;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
