// A framed graph view with its tool dialogs' windows made and graph 0 holding given lines, with
// readers of the whole backing image and of where vertices are drawn.
#pragma once

#include <memory>

#include <QImage>
#include <QTimer>

#include "platform/wnd/wnd_p.h"
#include "render/PlotLayout.h"
#include "view/GLViewFixture.h"

namespace view_test {

struct ToolView : FramedView {
    void SetUp() override {
        FramedView::SetUp();
        view->OnUpdate(nullptr, 0, nullptr); // the dialogs' windows, hidden
    }
    // Red lines (style -1 draws none) in graph 0, in a fixed range so that positions do not
    // depend on the data.
    void setLines(const std::vector<std::vector<Vertex2D>>& lines) {
        auto* line = new GcGLine[lines.size()];
        for (size_t l = 0; l < lines.size(); ++l) {
            auto* v = new Vertex2D[lines[l].size()];
            std::copy(lines[l].begin(), lines[l].end(), v);
            setLine(line[l], int(lines[l].size()), v);
        }
        show(int(lines.size()), line);
    }
    static void setLine(GcGLine& line, int n, Vertex2D* v, int style = 0) {
        int red[3] = {255, 0, 0};
        line.set(n, v, red, nullptr, -1, style, 1);
    }
    void show(int nline, GcGLine* line, double vmax = 10, double vmin = 0) {
        view->DeleteGcContents();
        view->m_graph[0].setGLine(nline, line);
        view->m_graph[0].setHminHmax(-1, 5);
        view->m_graph[0].setVminVmax(vmin, vmax);
        view->Invalidate();
        view->UpdateWindow();
    }
    CPoint at(int l, int i) const {
        const Renderer& r = *view->m_pRenderer;
        const PlotLayout p(r.viewport, r.zoomScale, r.zoomOffset, *r.config);
        const GcGraph& g = view->m_graph[0];
        const Vertex2D& v = g.line[l].vertex[i];
        return {PlotLayout::rnd(p.hmap().toPixel(v.x)),
                PlotLayout::rnd(p.vmap(VerticalRange::of(g, false), 0).toPixel(v.y))};
    }
    QImage image() const { return wnd::find(view->m_hWnd)->surface->image.copy(); }
    // Pointer moves across the plot, then a press (and its ignored release) at p.
    void click(CPoint p, UINT down = WM_LBUTTONDOWN) {
        for (CPoint m : {CPoint(30, 40), CPoint(200, 150), CPoint(310, 60), p})
            post(WM_MOUSEMOVE, m.x, m.y);
        post(down, p.x, p.y);
        post(down + 1, p.x, p.y);
    }
    void rightClick(CPoint p = {150, 100}) { click(p, WM_RBUTTONDOWN); }
    // A right press after two seconds, for a tool loop that should have ended by then; rescued
    // tells that it came.
    std::unique_ptr<QTimer> rescueAfterTwoSeconds(bool& rescued) {
        auto timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, &rescued] {
            rescued = true;
            post(WM_RBUTTONDOWN, 1, 1);
        });
        timer->start(2000);
        return timer;
    }
    // Runs a tool loop: zoom, point inquiry, statistics or comment placing.
    void runTool(int k) {
        if (k == 0) view->OnZoomGraph();
        if (k == 1) view->m_pInquirePointDlg->OnPickpoint();
        if (k == 2) view->m_pInquireStatisticsDlg->OnPickpoint();
        if (k == 3) view->m_pDrawCommentDlg->OnApply();
    }
};
using ToolDlg = ToolView;

} // namespace view_test
