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

namespace {

// A cross-hair follows the pointer until the first left press (the anchor), then the rectangle
// from the anchor until the second (the corner).
struct ZoomGesture final : ToolGesture {
    void move(XorTrack& track, CPoint point, const CRect& client) override {
        if (anchored)
            track.rectangle(anchor, point);
        else
            ToolGesture::move(track, point, client);
    }
    bool press(XorTrack& track, CPoint point, const CRect&) override {
        track.erase();
        if (anchored) {
            corner = point;
            return true;
        }
        anchor = point;
        anchored = true;
        return false;
    }
    CPoint anchor, corner;
    bool anchored = false;
};

} // namespace

void CViewing2dDlg::OnZoom() {
    if (!m_pView) return;
    exchangeIfOpen(*this, TRUE);
    XorTrack track(m_pView, this);
    ZoomGesture zoom;
    if (!runTool(m_pView, track, zoom)) return;
    track.end();
    m_pView->Init();
    m_pView->GetRenderer()->zoomGraph(float(zoom.anchor.x), float(zoom.anchor.y),
                                      float(zoom.corner.x), float(zoom.corner.y));
    m_pView->Draw();
}

void CViewing2dDlg::OnUnzoom() {
    if (!m_pView) return;
    m_pView->Init();
    m_pView->GetRenderer()->resetGraph();
    m_pView->Draw();
}
