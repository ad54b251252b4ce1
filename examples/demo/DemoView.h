// The demo's graph view: a CGLInteractiveView derived as a host derives it, with sample data in its
// two graphs and a handler for every command the demo offers.
#pragma once

#include <ploxen/ploxen.h>

#include "DemoData.h"

class DemoView : public CGLInteractiveView {
    DECLARE_DYNCREATE(DemoView)
public:
    DemoLayout layout() const { return m_layout; }
    // Whether a tool is waiting for the mouse (GetEvent runs).
    bool isWaiting() const { return m_bWaiting != 0; }
    // The graph the graduation commands apply to: the one whose curve was last clicked, else
    // the one chosen in the menu.
    int chosenGraph() const { return m_picked ? m_pickedGraph : m_chosenGraph; }
    const GcGraph& graph(int i) const { return m_graph[i]; }
    // New series for the layout, full view, repainted.
    void setLayout(DemoLayout layout);
    // Whether a command can act now, and whether its choice is the current one: what the menus
    // and the toolbar show. No command runs while a tool waits for the mouse (the frame drops
    // it), and a graduation is offered only for an axis the layout draws.
    bool commandEnabled(UINT id) const;
    bool commandChecked(UINT id) const;

protected:
    DemoView();

    // Inherited handlers cannot be named in this class's map (the platform's entries take
    // members of the class itself), so these forward to them.
    afx_msg void OnFilePrintCmd() { OnFilePrint(); }
    afx_msg void OnViewBlack() { OnBackColorBlack(); }
    afx_msg void OnViewWhite() { OnBackColorWhite(); }
    afx_msg void OnFileSaveBitmap();
    afx_msg void OnFileSavePicture();
    afx_msg void OnEditCopy();
    afx_msg void OnFileExportCsv();
    afx_msg void OnViewStacked() { setLayout(DemoLayout::Stacked); }
    afx_msg void OnViewSuperposed() { setLayout(DemoLayout::SuperposedOneAxis); }
    afx_msg void OnViewTwoAxes() { setLayout(DemoLayout::SuperposedTwoAxes); }
    afx_msg void OnViewHistogram() { setLayout(DemoLayout::Histogram); }
    afx_msg void OnGraphZoom() { OnZoomGraph(); }
    afx_msg void OnGraphUnzoom() { OnUnzoomGraph(); }
    afx_msg void OnGraphBack() { ZoomBack(); }
    afx_msg void OnGraphForward() { ZoomForward(); }
    afx_msg void OnGraphHome() { ZoomHome(); }
    afx_msg void OnGraphFirst() { choose(0); }
    afx_msg void OnGraphSecond() { choose(1); }
    afx_msg void OnGraphVGraduate() { graduate(true); }
    afx_msg void OnGraphHGraduate() { graduate(false); }
    afx_msg void OnToolsZoom();
    afx_msg void OnToolsPoint();
    afx_msg void OnToolsStatistics();
    afx_msg void OnToolsComment();
    afx_msg void OnToolsErase();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Printing draws the picture again on the printer's device context, as vectors, on a page
    // turned as the picture is.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    DECLARE_MESSAGE_MAP()

private:
    // What the graduation dialog last chose for an axis: automatic (0) or manual (1).
    struct AxisModes {
        int range = 0;
        int grad = 0;
    };

    DemoLayout m_layout = DemoLayout::Stacked;
    int m_chosenGraph = 0;
    AxisModes m_modes[2][2]{}; // [graph][0 vertical, 1 horizontal]

    static void pressButton(CDialog* dlg, UINT id);
    void choose(int graph);
    bool hasAxis(int graph, bool vertical) const;
    void graduate(bool vertical);
    void fitLegend(int width, int height);
};
