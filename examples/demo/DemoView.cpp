#include "DemoView.h"

#include <QFileDialog>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include "DemoCommands.h"

IMPLEMENT_DYNCREATE(DemoView, CGLView)

BEGIN_MESSAGE_MAP(DemoView, CGLView)
ON_COMMAND(ID_FILE_PRINT, &DemoView::OnFilePrintCmd)
ON_COMMAND(ID_FILE_SAVEBITMAP, &DemoView::OnFileSaveBitmap)
ON_COMMAND(ID_FILE_EXPORTCSV, &DemoView::OnFileExportCsv)
ON_COMMAND(ID_VIEW_BLACK, &DemoView::OnViewBlack)
ON_COMMAND(ID_VIEW_WHITE, &DemoView::OnViewWhite)
ON_COMMAND(ID_VIEW_STACKED, &DemoView::OnViewStacked)
ON_COMMAND(ID_VIEW_SUPERPOSED, &DemoView::OnViewSuperposed)
ON_COMMAND(ID_VIEW_TWOAXES, &DemoView::OnViewTwoAxes)
ON_COMMAND(ID_VIEW_HISTOGRAM, &DemoView::OnViewHistogram)
ON_COMMAND(ID_GRAPH_ZOOM, &DemoView::OnGraphZoom)
ON_COMMAND(ID_GRAPH_UNZOOM, &DemoView::OnGraphUnzoom)
ON_COMMAND(ID_GRAPH_FIRST, &DemoView::OnGraphFirst)
ON_COMMAND(ID_GRAPH_SECOND, &DemoView::OnGraphSecond)
ON_COMMAND(ID_GRAPH_VGRADUATE, &DemoView::OnGraphVGraduate)
ON_COMMAND(ID_GRAPH_HGRADUATE, &DemoView::OnGraphHGraduate)
ON_COMMAND(ID_TOOLS_ZOOM, &DemoView::OnToolsZoom)
ON_COMMAND(ID_TOOLS_POINT, &DemoView::OnToolsPoint)
ON_COMMAND(ID_TOOLS_STATISTICS, &DemoView::OnToolsStatistics)
ON_COMMAND(ID_TOOLS_COMMENT, &DemoView::OnToolsComment)
ON_COMMAND(ID_TOOLS_ERASE, &DemoView::OnToolsErase)
END_MESSAGE_MAP()

namespace {

// Asks for a file to write; empty when cancelled or when no dialog can be shown.
std::string chooseFile(const char* caption, const char* name, const char* filter) {
    return QFileDialog::getSaveFileName(nullptr, caption, name, filter).toStdString();
}

// The first multiple of step at or above min: where a manual graduation starts.
double firstMark(double min, double step) {
    return std::ceil(min / step) * step;
}

} // namespace

DemoView::DemoView() {
    fillDemoGraphs(m_config, m_graph, m_layout);
}

void DemoView::setLayout(DemoLayout layout) {
    DeleteGcContents();
    m_layout = layout;
    fillDemoGraphs(m_config, m_graph, layout);
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

void DemoView::choose(int graph) {
    m_chosenGraph = graph;
    m_picked = 0; // the menu's choice holds until the next click on a curve
}

// Opens the graduation dialog on one axis of the chosen graph and applies what it returns
// with the graph's range and graduation operations.
void DemoView::graduate(bool vertical) {
    const int index = chosenGraph();
    GcGraph& g = m_graph[index];
    AxisModes& modes = m_modes[index][vertical ? 0 : 1];
    CGraduateDlg dlg(this);
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
