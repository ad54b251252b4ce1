#pragma once

#include <ploxen/dialogs/CToolDlg.h>
#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/afx/AfxExtClass.h>
class CGLView;

// Zooms the graph view into a rectangle drawn with the mouse, and back.
class AFX_EXT_CLASS CViewing2dDlg : public CToolDlg {
public:
    enum { IDD = IDD_VIEWING2D };

    explicit CViewing2dDlg(CWnd* pParent = nullptr);
    explicit CViewing2dDlg(CGLView* pView);
    ~CViewing2dDlg() override = default;

    // Lets the user click two corners on the view (a cross-hair, then a rubber band, follow
    // the pointer; a right click cancels) and zooms the renderer into them, in click order.
    afx_msg void OnZoom();
    // Back to the unzoomed view.
    afx_msg void OnUnzoom();

    CGLView* m_pView = nullptr;

protected:
    DECLARE_MESSAGE_MAP()
};
