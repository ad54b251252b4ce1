#include "DemoView.h"

#include <QFileDialog>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include "DemoCommands.h"

IMPLEMENT_DYNCREATE(DemoView, CGLInteractiveView)

BEGIN_MESSAGE_MAP(DemoView, CGLInteractiveView)
ON_COMMAND(ID_FILE_PRINT, &DemoView::OnFilePrintCmd)
ON_COMMAND(ID_FILE_SAVEBITMAP, &DemoView::OnFileSaveBitmap)
ON_COMMAND(ID_FILE_SAVEPICTURE, &DemoView::OnFileSavePicture)
ON_COMMAND(ID_EDIT_COPY, &DemoView::OnEditCopy)
ON_COMMAND(ID_FILE_EXPORTCSV, &DemoView::OnFileExportCsv)
ON_COMMAND(ID_VIEW_BLACK, &DemoView::OnViewBlack)
ON_COMMAND(ID_VIEW_WHITE, &DemoView::OnViewWhite)
ON_COMMAND(ID_VIEW_STACKED, &DemoView::OnViewStacked)
ON_COMMAND(ID_VIEW_SUPERPOSED, &DemoView::OnViewSuperposed)
ON_COMMAND(ID_VIEW_TWOAXES, &DemoView::OnViewTwoAxes)
ON_COMMAND(ID_VIEW_HISTOGRAM, &DemoView::OnViewHistogram)
ON_COMMAND(ID_GRAPH_ZOOM, &DemoView::OnGraphZoom)
ON_COMMAND(ID_GRAPH_UNZOOM, &DemoView::OnGraphUnzoom)
ON_COMMAND(ID_GRAPH_BACK, &DemoView::OnGraphBack)
ON_COMMAND(ID_GRAPH_FORWARD, &DemoView::OnGraphForward)
ON_COMMAND(ID_GRAPH_HOME, &DemoView::OnGraphHome)
ON_COMMAND(ID_GRAPH_FIRST, &DemoView::OnGraphFirst)
ON_COMMAND(ID_GRAPH_SECOND, &DemoView::OnGraphSecond)
ON_COMMAND(ID_GRAPH_VGRADUATE, &DemoView::OnGraphVGraduate)
ON_COMMAND(ID_GRAPH_HGRADUATE, &DemoView::OnGraphHGraduate)
ON_COMMAND(ID_TOOLS_ZOOM, &DemoView::OnToolsZoom)
ON_COMMAND(ID_TOOLS_POINT, &DemoView::OnToolsPoint)
ON_COMMAND(ID_TOOLS_STATISTICS, &DemoView::OnToolsStatistics)
ON_COMMAND(ID_TOOLS_COMMENT, &DemoView::OnToolsComment)
ON_COMMAND(ID_TOOLS_ERASE, &DemoView::OnToolsErase)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The right margin: the drawing's usual one, wider for a long legend name, yet never more than
// half the view.
constexpr double kRightMargin = 0.2, kRightMarginMax = 0.5;

// Asks for a file to write; empty when cancelled or when no dialog can be shown.
std::string chooseFile(const char* caption, const char* name, const char* filter) {
    return QFileDialog::getSaveFileName(nullptr, caption, name, filter).toStdString();
}

// The first multiple of step at or above min: where a manual graduation starts.
double firstMark(double min, double step) {
    return std::ceil(min / step) * step;
}

// The library's graduation dialog under a title that names the axis it edits.
class TitledGraduateDlg : public CGraduateDlg {
public:
    TitledGraduateDlg(CWnd* parent, const CString& title) : CGraduateDlg(parent), m_title(title) {}
    BOOL OnInitDialog() override {
        const BOOL result = CGraduateDlg::OnInitDialog();
        SetWindowText(m_title);
        return result;
    }

private:
    CString m_title;
};

} // namespace

DemoView::DemoView() {
    fillDemoGraphs(m_config, m_graph, m_layout);
}

void DemoView::setLayout(DemoLayout layout) {
    DeleteGcContents();
    m_layout = layout;
    fillDemoGraphs(m_config, m_graph, layout);
    fitLegend(m_cx, m_cy);
    m_pRenderer->resetGraph();
    for (auto& g : m_modes) g[0] = g[1] = {};
    OnUpdate(nullptr, 0, nullptr); // the tool dialogs see the new data
    Init();
    Draw();
}

void DemoView::OnFileSaveBitmap() {
    std::string path = chooseFile("Save bitmap", "plot.bmp", "Bitmaps (*.bmp)");
    if (!path.empty() && !savetoBitmap(path.data()))
        AfxMessageBox(("Cannot write " + path + ": " + std::strerror(errno)).c_str());
}

void DemoView::OnFileSavePicture() {
    const std::string path =
        chooseFile("Save picture", "plot.png", "Pictures (*.png *.svg *.pdf *.bmp)");
    if (!path.empty() && !savePicture(*m_pRenderer, path.c_str(), m_cx, m_cy))
        AfxMessageBox(("Cannot write " + path + ": " +
                       (GetLastError() == ERROR_INVALID_NAME ? "use .png, .svg, .pdf or .bmp"
                                                             : std::strerror(errno)))
                          .c_str());
}

void DemoView::OnEditCopy() {
    if (!copyPicture(*m_pRenderer, m_hWnd, m_cx, m_cy))
        AfxMessageBox("The clipboard did not take the picture");
}

BOOL DemoView::OnPreparePrinting(CPrintInfo* pInfo) {
    pInfo->m_pPD->m_pd.hDevMode = pictureDevMode(m_cx, m_cy);
    if (DoPreparePrinting(pInfo)) return TRUE;
    OnEndPrinting(nullptr, pInfo); // no printing follows to free the settings
    return FALSE;
}

void DemoView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    drawPicture(pDC, *m_pRenderer, pictureArea(m_cx, m_cy, pInfo->m_rectDraw));
}

void DemoView::OnEndPrinting(CDC*, CPrintInfo* pInfo) {
    GlobalFree(pInfo->m_pPD->m_pd.hDevMode);
    pInfo->m_pPD->m_pd.hDevMode = nullptr;
}

void DemoView::OnFileExportCsv() {
    std::string path = chooseFile("Export CSV", "plot.csv", "Comma-separated values (*.csv)");
    if (!path.empty() && !m_pRenderer->writeCsv(path.c_str()))
        AfxMessageBox(("Cannot write " + path + ": " + std::strerror(errno)).c_str());
}

// Runs what a tool dialog's button runs, as if it had been pressed.
void DemoView::pressButton(CDialog* dlg, UINT id) {
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// Zoom and unzoom run in the zoom dialog, whose buttons start them too.
void DemoView::OnToolsZoom() {
    if (m_pViewing2dDlg) m_pViewing2dDlg->Show();
}

// The two inquiry tools start picking at once; a right click ends it.
void DemoView::OnToolsPoint() {
    if (!m_pInquirePointDlg) return;
    m_pInquirePointDlg->Show();
    pressButton(m_pInquirePointDlg, IDC_PICKPOINT);
}

void DemoView::OnToolsStatistics() {
    if (!m_pInquireStatisticsDlg) return;
    m_pInquireStatisticsDlg->Show();
    pressButton(m_pInquireStatisticsDlg, IDC_PICKPOINT);
}

void DemoView::OnToolsComment() {
    if (m_pDrawCommentDlg) m_pDrawCommentDlg->Show();
}

void DemoView::OnToolsErase() {
    if (m_pEraseCommentDlg) m_pEraseCommentDlg->Show();
}

bool DemoView::commandEnabled(UINT id) const {
    if (isWaiting()) return false;
    if (id == ID_GRAPH_BACK) return CanZoomBack();
    if (id == ID_GRAPH_FORWARD) return CanZoomForward();
    if (id == ID_GRAPH_VGRADUATE || id == ID_GRAPH_HGRADUATE)
        return hasAxis(chosenGraph(), id == ID_GRAPH_VGRADUATE);
    return true;
}

bool DemoView::commandChecked(UINT id) const {
    switch (id) {
    case ID_VIEW_BLACK:
        return m_pRenderer->getBackground() == Renderer::BK_BLACK;
    case ID_VIEW_WHITE:
        return m_pRenderer->getBackground() == Renderer::BK_WHITE;
    case ID_VIEW_STACKED:
        return m_layout == DemoLayout::Stacked;
    case ID_VIEW_SUPERPOSED:
        return m_layout == DemoLayout::SuperposedOneAxis;
    case ID_VIEW_TWOAXES:
        return m_layout == DemoLayout::SuperposedTwoAxes;
    case ID_VIEW_HISTOGRAM:
        return m_layout == DemoLayout::Histogram;
    case ID_GRAPH_FIRST:
        return chosenGraph() == 0;
    case ID_GRAPH_SECOND:
        return chosenGraph() == 1;
    default:
        return false;
    }
}

// Keeps the legend's longest name inside the view at its new size.
void DemoView::OnSize(UINT nType, int cx, int cy) {
    CGLView::OnSize(nType, cx, cy);
    fitLegend(cx, cy);
}

void DemoView::fitLegend(int width, int height) {
    CDC dc;
    if (width <= 0 || height <= 0 || !dc.CreateCompatibleDC(nullptr)) return;
    const double right = std::max(kRightMargin, com_GLLegendMargin(&dc, &m_config, width, height));
    m_config.setMargin(m_config.leftMargin, std::min(right, kRightMarginMax), m_config.bottomMargin,
                       m_config.topMargin);
}

void DemoView::choose(int graph) {
    m_chosenGraph = graph;
    m_picked = 0; // the menu's choice holds until the next click on a curve
}

// Only graph 0's horizontal axis is drawn (every graph is mapped on it), and superposed graphs
// on one axis are drawn against graph 0's vertical axis.
bool DemoView::hasAxis(int graph, bool vertical) const {
    if (graph == 0) return true;
    return vertical && (!m_config.superpose || !m_config.singleVaxis);
}

// Opens the graduation dialog on one axis of the chosen graph and applies what it returns
// with the graph's range and graduation operations.
void DemoView::graduate(bool vertical) {
    const int index = chosenGraph();
    if (!hasAxis(index, vertical)) return;
    GcGraph& g = m_graph[index];
    AxisModes& modes = m_modes[index][vertical ? 0 : 1];
    CString name = g.vtitle;
    if (name.IsEmpty()) name.Format("Graph %d", index + 1);
    TitledGraduateDlg dlg(this, "Graduation \u2014 " + name +
                                    (vertical ? ", vertical axis" : ", horizontal axis"));
    dlg.m_nRangeMode = modes.range;
    dlg.m_nGradMode = modes.grad;
    dlg.m_dMax = vertical ? g.vmax : g.hmax;
    dlg.m_dMin = vertical ? g.vmin : g.hmin;
    dlg.m_dLargeGrad = vertical ? g.vlargeGradStep : g.hlargeGradStep;
    dlg.m_nSmallGrad = UINT(std::clamp(vertical ? g.vsmallGrad : g.hsmallGrad, 1, 10));
    if (dlg.DoModal() != IDOK) return;
    modes = {dlg.m_nRangeMode, dlg.m_nGradMode};
    if (vertical) {
        if (modes.range)
            g.setVminVmax(dlg.m_dMin, dlg.m_dMax);
        else
            g.setAutoVminVmax();
        if (modes.grad) {
            g.setVlargeGrad(firstMark(g.vmin, dlg.m_dLargeGrad), dlg.m_dLargeGrad);
            g.setVsmallGrad(int(dlg.m_nSmallGrad));
        } else {
            g.setAutoVgrad();
        }
    } else {
        if (modes.range)
            g.setHminHmax(dlg.m_dMin, dlg.m_dMax);
        else
            g.setAutoHminHmax();
        if (modes.grad) {
            g.setHlargeGrad(firstMark(g.hmin, dlg.m_dLargeGrad), dlg.m_dLargeGrad);
            g.setHsmallGrad(int(dlg.m_nSmallGrad));
        } else {
            g.setAutoHgrad();
        }
    }
    Init();
    Draw();
}
