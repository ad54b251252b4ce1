#include <ploxen/dialogs/CViewing2dDlg.h>

#include <ploxen/dialogs/ToolSupport.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

BEGIN_MESSAGE_MAP(CViewing2dDlg, CToolDlg)
ON_BN_CLICKED(IDC_ZOOM, &CViewing2dDlg::OnZoom)
ON_BN_CLICKED(IDC_UNZOOM, &CViewing2dDlg::OnUnzoom)
END_MESSAGE_MAP()

CViewing2dDlg::CViewing2dDlg(CWnd* pParent) : CToolDlg(IDD, pParent) {}

CViewing2dDlg::CViewing2dDlg(CGLView* pView) : CToolDlg(IDD), m_pView(pView) {}

// Phase 1 follows the pointer with a cross-hair until the first left press (the anchor), phase
// 2 with the rectangle from the anchor until the second. Button releases are ignored; a right
// press, or the view's window going, cancels with every drawn shape erased.
void CViewing2dDlg::OnZoom() {
    if (!m_pView) return;
    exchangeIfOpen(*this, TRUE);
    XorTrack track(m_pView, this);
    CPoint anchor, point;
    CRect rect;
    bool anchored = false;
    for (;;) {
        const CGLView::EVENTTYPE event = m_pView->GetEvent(point, rect);
        if (!m_pView->GetSafeHwnd() || event == CGLView::EV_RBUTTONDOWN) {
            track.erase();
            return;
        }
        if (event == CGLView::EV_MOUSEMOVE) {
            if (anchored)
                track.rectangle(anchor, point);
            else
                track.crosshair(point, rect);
        } else if (event == CGLView::EV_LBUTTONDOWN) {
            track.erase();
            if (anchored) break;
            anchor = point;
            anchored = true;
        }
    }
    track.end();
    m_pView->Init();
    m_pView->GetRenderer()->zoomGraph(float(anchor.x), float(anchor.y), float(point.x),
                                      float(point.y));
    m_pView->Draw();
}

void CViewing2dDlg::OnUnzoom() {
    if (!m_pView) return;
    m_pView->Init();
    m_pView->GetRenderer()->resetGraph();
    m_pView->Draw();
}
