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
// from the anchor until the second (the corner); the renderer then zooms into them, in that
// order.
struct ZoomGesture final : ToolGesture {
    explicit ZoomGesture(CGLView* view) : view(view) {}
    void move(XorTrack& track, CPoint point, const CRect& client) override {
        if (anchored)
            track.rectangle(anchor, point);
        else
            ToolGesture::move(track, point, client);
    }
    bool press(XorTrack&, CPoint point, const CRect&) override {
        if (anchored) {
            corner = point;
            return true;
        }
        anchor = point;
        anchored = true;
        return false;
    }
    void complete(CDC&) override {
        view->Init();
        view->GetRenderer()->zoomGraph(float(anchor.x), float(anchor.y), float(corner.x),
                                       float(corner.y));
        view->Draw();
    }
    CGLView* view;
    CPoint anchor, corner;
    bool anchored = false;
};

} // namespace

void CViewing2dDlg::OnZoom() {
    if (!m_pView) return;
    ZoomGesture zoom(m_pView);
    runTool(*this, m_pView, zoom);
}

void CViewing2dDlg::OnUnzoom() {
    if (!m_pView) return;
    m_pView->Init();
    m_pView->GetRenderer()->resetGraph();
    m_pView->Draw();
}
