#pragma once

#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/AfxExtClass.h>
#include <ploxen/platform/CDialog.h>
class CGLView;

// Modeless tool dialog of a graph view: created hidden at the view's first update, shown on
// demand, hidden (not destroyed) by Close.
class AFX_EXT_CLASS CViewing2dDlg : public CDialog {
public:
    enum { IDD = IDD_VIEWING2D };

    explicit CViewing2dDlg(CWnd* pParent = nullptr);
    explicit CViewing2dDlg(CGLView* pView);
    ~CViewing2dDlg() override = default;

    void Update(); // creates the window, hidden, if it does not exist yet
    void Show();
    afx_msg void OnClose();   // hides; ends the tool if it runs
    void OnCancel() override; // Escape, the title bar's close: the same
    // Lets the user click two corners on the view (a cross-hair, then a rubber band, follow
    // the pointer; a right click cancels) and zooms the renderer into them, in click order.
    afx_msg void OnZoom();
    // Back to the unzoomed view.
    afx_msg void OnUnzoom();

    CGLView* m_pView = nullptr;

protected:
    DECLARE_MESSAGE_MAP()
};
