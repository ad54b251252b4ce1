// A graph view in a frame window with its tool dialogs open beside it: zoom, point inquiry,
// statistics and comments. Run it on a desktop; name tools to open only those:
//   tools [zoom] [point] [statistics] [comment]
#include <ploxen/ploxen.h>

#include <cmath>
#include <cstring>

namespace {

// The host's view: fills its two graphs with sample series and opens the chosen dialogs.
class ToolsView : public CGLView {
    DECLARE_DYNCREATE(ToolsView)
public:
    ToolsView() {
        const int n = 120;
        auto* wave = new Vertex2D[n];
        auto* trend = new Vertex2D[n];
        for (int i = 0; i < n; ++i) {
            const double t = i * 0.1;
            wave[i] = {t, std::exp(-t / 6) * std::sin(t * 1.7)};
            trend[i] = {t, 3 + 0.4 * t + std::sin(t * 5) * 0.6};
        }
        int yellow[3] = {255, 255, 0}, cyan[3] = {0, 255, 255};
        auto* top = new GcGLine[1];
        top[0].set(n, wave, yellow, const_cast<char*>("signal"), 0, 0, 1);
        auto* bottom = new GcGLine[1];
        bottom[0].set(n, trend, cyan, const_cast<char*>("trend"), -1, 0, 1);
        m_graph[0].setGLine(1, bottom);
        m_graph[1].setGLine(1, top);
        for (GcGraph& g : m_graph) {
            g.setAutoHminHmax();
            g.setAutoVminVmax();
            g.setAutoHgrad();
            g.setAutoVgrad();
        }
        m_graph[0].setVtitle(const_cast<char*>("Level"));
        m_graph[1].setVtitle(const_cast<char*>("Signal"));
        m_config.setHtitle(const_cast<char*>("Time (s)"));
    }

    // Shows the named dialogs (all with none named) in a column right of the frame.
    void openTools(int argc, char** argv, int left) {
        OnInitialUpdate();
        struct Tool {
            const char* name;
            CDialog* dialog;
            void (ToolsView::*show)();
        };
        const Tool tools[] = {{"zoom", m_pViewing2dDlg, &ToolsView::showZoom},
                              {"point", m_pInquirePointDlg, &ToolsView::showPoint},
                              {"statistics", m_pInquireStatisticsDlg, &ToolsView::showStatistics},
                              {"comment", m_pDrawCommentDlg, &ToolsView::showComment}};
        int top = 20;
        for (const Tool& t : tools) {
            bool wanted = argc < 2;
            for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], t.name) == 0;
            if (!wanted) continue;
            (this->*t.show)();
            top = place(t.dialog, left, top);
            if (t.dialog == m_pDrawCommentDlg) top = place(m_pEraseCommentDlg, left, top);
        }
    }

private:
    void showZoom() { m_pViewing2dDlg->Show(); }
    void showPoint() { m_pInquirePointDlg->Show(); }
    void showStatistics() { m_pInquireStatisticsDlg->Show(); }
    void showComment() {
        m_pDrawCommentDlg->Show();
        m_pEraseCommentDlg->Show();
    }
    static int place(CDialog* d, int left, int top) {
        CRect r;
        d->GetWindowRect(&r);
        d->MoveWindow(left, top, r.Width(), r.Height());
        return top + r.Height() + 40;
    }
};

IMPLEMENT_DYNCREATE(ToolsView, CGLView)

} // namespace

int main(int argc, char** argv) {
    CWinApp app("tools");
    auto* frame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(ToolsView);
    if (!frame->Create(nullptr, "Ploxen tools", WS_OVERLAPPEDWINDOW, CRect(20, 20, 820, 620),
                       nullptr, nullptr, 0, &context))
        return 1;
    auto* view = static_cast<ToolsView*>(frame->GetDlgItem(int(AFX_IDW_PANE_FIRST)));
    app.m_pMainWnd = frame; // before the dialogs, which it then owns: they stay above it
    frame->ShowWindow(SW_SHOW);
    view->openTools(argc, argv, 850);
    return app.Run();
}
