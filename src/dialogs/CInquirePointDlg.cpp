#include <ploxen/dialogs/CInquirePointDlg.h>

#include <ploxen/dialogs/ToolSupport.h>
#include <ploxen/platform/CDataExchange.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

BEGIN_MESSAGE_MAP(CInquirePointDlg, CToolDlg)
ON_BN_CLICKED(IDC_PICKPOINT, &CInquirePointDlg::OnPickpoint)
END_MESSAGE_MAP()

CInquirePointDlg::CInquirePointDlg(CWnd* pParent) : CToolDlg(IDD, pParent) {}

CInquirePointDlg::CInquirePointDlg(CGLView* pView) : CToolDlg(IDD), m_pView(pView) {}

void CInquirePointDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_POINTX, m_strX);
    DDX_Text(pDX, IDC_POINTY, m_strY);
}

namespace {

// Histogram values are counts or fractions; curves show six significant decimals.
const char* numberFormat(const GcGraphConfig& cfg) {
    if (cfg.type == GcGraphConfig::HISTON) return cfg.histType == 1 ? "%.4f" : "%.0f";
    return "%2.6e";
}

} // namespace

void CInquirePointDlg::OnPickpoint() {
    if (!m_pView) return;
    Renderer* renderer = m_pView->GetRenderer();
    const GcGraphConfig* cfg = renderer->getGcGraphConfig();
    if (!cfg) return;
    exchangeIfOpen(*this, TRUE);
    XorTrack track(m_pView, this);
    CPoint point;
    CRect rect;
    for (;;) {
        const CGLView::EVENTTYPE event = m_pView->GetEvent(point, rect);
        if (!m_pView->GetSafeHwnd() || event == CGLView::EV_RBUTTONDOWN) break;
        if (event == CGLView::EV_MOUSEMOVE) {
            track.crosshair(point, rect);
        } else if (event == CGLView::EV_LBUTTONDOWN) {
            track.erase();
            m_pView->Init();
            m_pView->Draw();
            int g = 0, l = 0, i = 0;
            const Vertex2D* v = nullptr;
            if (renderer->pickGraph(track.dc(), point.x, point.y, g, l, i) &&
                (v = vertexAt(*cfg, g, l, i))) {
                m_strX.Format(numberFormat(*cfg), v->x);
                m_strY.Format(numberFormat(*cfg), v->y);
                exchangeIfOpen(*this, FALSE);
            }
            track.crosshair(point, rect);
        }
    }
    track.erase();
}
