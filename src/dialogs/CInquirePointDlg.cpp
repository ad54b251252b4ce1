#include <ploxen/dialogs/CInquirePointDlg.h>

#include <ploxen/dialogs/ToolSupport.h>
#include <ploxen/platform/dlg/CDataExchange.h>
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

// A cross-hair follows the pointer; each left press redraws the view and shows the vertex picked
// there, if any. Only a cancel ends it.
struct PickGesture final : ToolGesture {
    PickGesture(CInquirePointDlg& dialog, const GcGraphConfig& cfg) : dialog(dialog), cfg(cfg) {}
    bool press(XorTrack& track, CPoint point, const CRect& client) override {
        dialog.m_pView->Init();
        dialog.m_pView->Draw();
        int g = 0, l = 0, i = 0;
        const Vertex2D* v = nullptr;
        if (dialog.m_pView->GetRenderer()->pickGraph(track.dc(), point.x, point.y, g, l, i) &&
            (v = vertexAt(cfg, g, l, i))) {
            dialog.m_strX.Format(numberFormat(cfg), v->x);
            dialog.m_strY.Format(numberFormat(cfg), v->y);
            exchangeIfOpen(dialog, FALSE);
        }
        track.crosshair(point, client);
        return false;
    }
    CInquirePointDlg& dialog;
    const GcGraphConfig& cfg;
};

} // namespace

void CInquirePointDlg::OnPickpoint() {
    const GcGraphConfig* cfg = configOf(m_pView);
    if (!cfg) return;
    PickGesture pick(*this, *cfg);
    runTool(*this, m_pView, pick);
}
