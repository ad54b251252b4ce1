#include <ploxen/dialogs/CInquireStatisticsDlg.h>

#include <algorithm>
#include <cmath>

#include <ploxen/dialogs/ToolSupport.h>
#include <ploxen/platform/dlg/CDataExchange.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

BEGIN_MESSAGE_MAP(CInquireStatisticsDlg, CToolDlg)
ON_BN_CLICKED(IDC_PICKPOINT, &CInquireStatisticsDlg::OnPickpoint)
END_MESSAGE_MAP()

CInquireStatisticsDlg::CInquireStatisticsDlg(CWnd* pParent) : CToolDlg(IDD, pParent) {}

CInquireStatisticsDlg::CInquireStatisticsDlg(CGLView* pView) : CToolDlg(IDD), m_pView(pView) {}

void CInquireStatisticsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIRSTX, m_strX1);
    DDX_Text(pDX, IDC_SECONDX, m_strX2);
    DDX_Text(pDX, IDC_MAX, m_strMax);
    DDX_Text(pDX, IDC_MEAN, m_strMean);
    DDX_Text(pDX, IDC_MIN, m_strMin);
    DDX_Text(pDX, IDC_SIGMA, m_strSigma);
    DDX_Text(pDX, IDC_DIFFCOEF, m_strDiffCoef);
}

namespace {

struct Statistics {
    double max, min, mean, sigma;
};

// Over the y of v[lo] ... v[hi], summed in index order; the deviation divides by the count.
Statistics statisticsOf(const Vertex2D* v, int lo, int hi) {
    Statistics s{v[lo].y, v[lo].y, 0.0, 0.0};
    const double n = double(hi) - lo + 1;
    double sum = 0.0;
    for (int k = lo; k <= hi; ++k) {
        s.max = std::max(s.max, v[k].y);
        s.min = std::min(s.min, v[k].y);
        sum += v[k].y;
    }
    s.mean = sum / n;
    double squares = 0.0;
    for (int k = lo; k <= hi; ++k) squares += (v[k].y - s.mean) * (v[k].y - s.mean);
    s.sigma = std::sqrt(squares / n);
    return s;
}

CString formatted(double value) {
    CString s;
    s.Format("%2.6e", value);
    return s;
}

} // namespace

CString CInquireStatisticsDlg::UGetDiffCoef(const int& a, const int& b, const Vertex2D* v) {
    const Vertex2D& lo = v[std::min(a, b)];
    const Vertex2D& hi = v[std::max(a, b)];
    constexpr double sixth = 0.16666666666666666;
    const double coef = lo.x == hi.x ? 0.0 : (hi.y - lo.y) / (hi.x - lo.x) * sixth;
    return formatted(coef);
}

namespace {

// A cross-hair follows the pointer. The first left press that picks a vertex of any line takes
// it, the next that picks one of the same line completes; a press that finds neither leaves the
// cross-hair there. The view is redrawn before the first pick only, so both end vertices stay
// circled.
struct TwoPicksGesture final : ToolGesture {
    TwoPicksGesture(CInquireStatisticsDlg& dialog, const GcGraphConfig& cfg)
        : dialog(dialog), cfg(cfg) {}
    bool press(XorTrack& track, CPoint point, const CRect& client) override {
        Renderer* renderer = dialog.m_pView->GetRenderer();
        if (!first) {
            dialog.m_pView->Init();
            dialog.m_pView->Draw();
            if (renderer->pickGraph(track.dc(), point.x, point.y, g1, l1, i1) &&
                vertexAt(cfg, g1, l1, i1)) {
                first = true;
                dialog.m_strX1 = formatted(cfg.graph[g1].line[l1].vertex[i1].x);
                dialog.m_strX2 = dialog.m_strMax = dialog.m_strMin = dialog.m_strMean =
                    dialog.m_strSigma = "";
                exchangeIfOpen(dialog, FALSE);
            }
        } else {
            int g2 = -1, l2 = -1;
            if (renderer->pickGraph(track.dc(), point.x, point.y, g2, l2, i2) && g2 == g1 &&
                l2 == l1 && vertexAt(cfg, g2, l2, i2))
                return true;
        }
        track.crosshair(point, client);
        return false;
    }
    CInquireStatisticsDlg& dialog;
    const GcGraphConfig& cfg;
    int g1 = 0, l1 = 0, i1 = 0, i2 = 0;
    bool first = false;
};

} // namespace

void CInquireStatisticsDlg::OnPickpoint() {
    const GcGraphConfig* cfg = configOf(m_pView);
    if (!cfg) return;
    TwoPicksGesture picks(*this, *cfg);
    if (!runTool(*this, m_pView, picks)) {
        if (picks.first) {
            m_strX1 = "";
            exchangeIfOpen(*this, FALSE);
        }
        return;
    }
    const Vertex2D* v = cfg->graph[picks.g1].line[picks.l1].vertex;
    const int lo = std::min(picks.i1, picks.i2), hi = std::max(picks.i1, picks.i2);
    const Statistics s = statisticsOf(v, lo, hi);
    m_strX2 = formatted(v[picks.i2].x);
    m_strMax = formatted(s.max);
    m_strMin = formatted(s.min);
    m_strMean = formatted(s.mean);
    m_strSigma = formatted(s.sigma);
    m_strDiffCoef = UGetDiffCoef(lo, hi, v);
    exchangeIfOpen(*this, FALSE);
}
