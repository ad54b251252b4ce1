// A live signal: a generator appends 100,000 points a second to an indexed line, and the view
// follows its newest ten seconds. Everything is kept: History shows it all, Zoom (the library's
// zoom tool: click two corners) goes into any part of it, Follow returns to the newest ten
// seconds. The index keeps each drawing's cost to the plot's width, however long the line grows,
// and while following, each repaint scrolls the picture and draws only its newest columns.
//   live [seconds of capacity, default 300]
#include <ploxen/ploxen.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QToolBar>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <random>

namespace {

constexpr double rate = 100000; // points a second
constexpr double window = 10;   // seconds followed

enum : UINT { ID_LIVE_FOLLOW = 32800, ID_LIVE_HISTORY, ID_LIVE_ZOOM, ID_LIVE_UNZOOM };

// The host's view: one graph holding the live line, fed by a timer.
class LiveView : public CGLView {
    DECLARE_DYNCREATE(LiveView)
public:
    // Room for this many seconds of points: the line's array is allocated once, and its pages
    // are touched only as points arrive.
    void start(double seconds) {
        m_capacity = int(std::min(seconds * rate, 2e9));
        auto* lines = new GcGLine[1];
        int green[3] = {0, 255, 0};
        lines[0].set(1, new Vertex2D[size_t(m_capacity)], green, const_cast<char*>("live"), -1, 0,
                     1);
        lines[0].nvertex = 0;
        lines[0].setIndexed(1);
        m_graph[0].setGLine(1, lines);
        m_graph[0].setVminVmax(-2, 2);
        m_graph[0].setAutoVgrad();
        m_graph[0].setVtitle(const_cast<char*>("Signal"));
        m_config.setGraph(1, m_graph);
        m_start = Clock::now();
        SetTimer(1, 20, nullptr);
    }

protected:
    afx_msg void OnTimer(UINT_PTR) {
        append();
        if (m_following && !m_bWaiting) showNewest();
        if (m_following && !m_bWaiting) Invalidate(FALSE);
    }
    afx_msg void OnFollow() {
        m_following = true;
        m_pRenderer->resetGraph();
        showNewest(false);
        Invalidate(FALSE);
    }
    afx_msg void OnHistory() {
        m_following = false;
        m_pRenderer->resetGraph();
        showRange(0, std::max(seconds(), 1e-3), "all points");
        Invalidate(FALSE);
    }
    afx_msg void OnZoom() {
        m_following = false;
        showRange(m_graph[0].hmin, m_graph[0].hmax, "zoomed");
        Invalidate(FALSE);
        OnZoomGraph();
    }
    afx_msg void OnUnzoom() { OnUnzoomGraph(); }

    DECLARE_MESSAGE_MAP()

private:
    using Clock = std::chrono::steady_clock;

    GcGLine& line() const { return m_graph[0].line[0]; }
    double seconds() const { return line().nvertex / rate; }

    // The points due since the start: a slow wave, a faster one that comes and goes, and noise.
    void append() {
        const double elapsed = std::chrono::duration<double>(Clock::now() - m_start).count();
        const int due = int(std::min<double>(m_capacity, elapsed * rate));
        GcGLine& l = line();
        const int from = l.nvertex;
        for (int i = from; i < due; ++i) {
            const double t = i / rate;
            const double burst = std::sin(t * 0.2) > 0.6 ? 0.6 * std::sin(t * 2 * M_PI * 40) : 0;
            l.vertex[i] = {t, std::sin(t * 2 * M_PI * 0.3) + burst + 0.05 * m_noise(m_rng)};
        }
        l.nvertex = due;
        l.changed(from);
    }
    // The newest ten seconds. While following, the range moves on by whole pixel columns of
    // the plot, so that each repaint only scrolls the picture and draws its new columns.
    void showNewest(bool moveOn = true) {
        const double t = seconds();
        if (t <= window)
            showRange(0, window, "following");
        else if (!moveOn || !m_pRenderer->followGraph(t))
            showRange(t - window, t, "following");
        else
            showRange(m_graph[0].hmin, m_graph[0].hmax, "following");
    }
    void showRange(double from, double to, const char* what) {
        m_graph[0].setHminHmax(from, to);
        m_graph[0].setAutoHgrad();
        std::snprintf(m_config.htitle, sizeof m_config.htitle, "Time (s): %.1f M points, %s",
                      line().nvertex / 1e6, what);
    }

    int m_capacity = 0;
    bool m_following = true;
    Clock::time_point m_start;
    std::mt19937 m_rng{1};
    std::normal_distribution<double> m_noise;
};

IMPLEMENT_DYNCREATE(LiveView, CGLView)

BEGIN_MESSAGE_MAP(LiveView, CGLView)
ON_WM_TIMER()
ON_COMMAND(ID_LIVE_FOLLOW, &LiveView::OnFollow)
ON_COMMAND(ID_LIVE_HISTORY, &LiveView::OnHistory)
ON_COMMAND(ID_LIVE_ZOOM, &LiveView::OnZoom)
ON_COMMAND(ID_LIVE_UNZOOM, &LiveView::OnUnzoom)
END_MESSAGE_MAP()

// The frame's Qt window, with a toolbar whose buttons send the view's commands.
class LiveWindow : public QMainWindow {
public:
    explicit LiveWindow(CFrameWnd* frame) : m_frame(frame) {
        QToolBar* tools = addToolBar("Commands");
        tools->setMovable(false);
        const std::pair<const char*, UINT> commands[] = {{"Follow", ID_LIVE_FOLLOW},
                                                         {"History", ID_LIVE_HISTORY},
                                                         {"Zoom", ID_LIVE_ZOOM},
                                                         {"Unzoom", ID_LIVE_UNZOOM}};
        for (const auto& [text, id] : commands)
            connect(tools->addAction(text), &QAction::triggered, this,
                    [this, id] { m_frame->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); });
        setCentralWidget(qWidgetOf(frame->m_hWnd));
        setWindowTitle("Ploxen live");
        resize(1000, 700);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        m_frame->SendMessage(WM_CLOSE);
        event->accept();
    }

private:
    CFrameWnd* m_frame;
};

} // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    CWinApp app("live");
    auto* frame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(LiveView);
    if (!frame->Create(nullptr, "Ploxen live", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 640), nullptr,
                       nullptr, 0, &context))
        return 1;
    auto* view = static_cast<LiveView*>(frame->GetDlgItem(int(AFX_IDW_PANE_FIRST)));
    app.m_pMainWnd = frame;
    view->OnInitialUpdate();
    view->start(argc > 1 ? std::atof(argv[1]) : 300);
    LiveWindow window(frame);
    frame->ShowWindow(SW_SHOW);
    window.show();
    return app.Run();
}
