#include "PlotWindow.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <map>
#include <string>
#include <vector>

#include <ploxen/ploxen.h>

#include "PlotFigure.h"
#include "PlotFollow.h"
#include "PlotOutput.h"

namespace {

enum : UINT {
    ID_FILE_PRINT = 0xE107, // the framework's own IDs for Print and Copy
    ID_EDIT_COPY = 0xE122,
    ID_FILE_SAVEBITMAP = 32771,
    ID_FILE_EXPORTCSV,
    ID_VIEW_BLACK,
    ID_VIEW_WHITE,
    ID_GRAPH_ZOOM,
    ID_GRAPH_UNZOOM,
    ID_TOOLS_ZOOM,
    ID_TOOLS_POINT,
    ID_TOOLS_STATISTICS,
    ID_TOOLS_COMMENT,
    ID_TOOLS_ERASE,
    ID_GRAPH_BACK,
    ID_GRAPH_FORWARD,
    ID_GRAPH_HOME,
    ID_FILE_SAVEPICTURE,
};

constexpr UINT_PTR kFollowTimer = 1;
constexpr UINT kFollowMilliseconds = 250;

struct Command {
    UINT id;
    const char* menu;
    const char* text; // null: a separator
    const char* shortcut;
};

constexpr Command kCommands[] = {
    {ID_FILE_SAVEBITMAP, "&File", "Save &bitmap...", "Ctrl+S"},
    {ID_FILE_SAVEPICTURE, "&File", "Save p&icture...", "Ctrl+Shift+S"},
    {ID_FILE_EXPORTCSV, "&File", "&Export CSV...", "Ctrl+E"},
    {ID_FILE_PRINT, "&File", "&Print...", "Ctrl+P"},
    {ID_EDIT_COPY, "&Edit", "&Copy picture", "Ctrl+C"},
    {ID_VIEW_BLACK, "&View", "&Black background", "Ctrl+Shift+B"},
    {ID_VIEW_WHITE, "&View", "&White background", "Ctrl+Shift+W"},
    {ID_GRAPH_ZOOM, "&Graph", "&Zoom", "Ctrl+Z"},
    {ID_GRAPH_UNZOOM, "&Graph", "&Unzoom", "Ctrl+U"},
    {ID_GRAPH_BACK, "&Graph", "&Back", "Alt+Left"},
    {ID_GRAPH_FORWARD, "&Graph", "F&orward", "Alt+Right"},
    {ID_GRAPH_HOME, "&Graph", "&Home (full view)", "Home"},
    {ID_TOOLS_ZOOM, "&Tools", "&Zoom...", "Ctrl+Shift+Z"},
    {ID_TOOLS_POINT, "&Tools", "&Point inquiry...", "Ctrl+I"},
    {ID_TOOLS_STATISTICS, "&Tools", "&Statistics...", "Ctrl+T"},
    {ID_TOOLS_COMMENT, "&Tools", "&Draw comment...", "Ctrl+M"},
    {ID_TOOLS_ERASE, "&Tools", "&Erase comment...", "Ctrl+Shift+M"},
};

// A host's interactive view over the plotter's configuration: the view's own configuration becomes
// a shallow copy of it, so the view draws the plotter's graphs and frees none of them. The title is
// drawn over every picture of the view, and the margins follow its size.
class PlotView : public CGLInteractiveView {
    DECLARE_DYNCREATE(PlotView)
public:
    void show(const GcGraphConfig& config, bool white, const std::string& title) {
        m_config = config;
        m_title = title;
        fitMargins(m_config, m_title, m_cx, m_cy);
        if (white)
            OnBackColorWhite();
        else
            OnBackColorBlack();
    }
    bool isWaiting() const { return m_bWaiting != 0; }
    void follow(InputFollower* follower) {
        m_follower = follower;
        if (follower) SetTimer(kFollowTimer, kFollowMilliseconds, nullptr);
    }
    void Draw() override {
        CGLInteractiveView::Draw();
        if (m_pDC && m_hWnd) drawTitle(m_pDC, *m_pRenderer, m_title);
    }

protected:
    void OnDraw(CDC* pDC) override {
        CGLInteractiveView::OnDraw(pDC);
        drawTitle(pDC, *m_pRenderer, m_title);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        CGLView::OnSize(nType, cx, cy);
        fitMargins(m_config, m_title, cx, cy);
    }
    // A followed file that changed is shown anew, unless a tool waits for the mouse. A zoomed
    // view keeps its ranges, so that the zoom still shows what it showed.
    afx_msg void OnTimer(UINT_PTR id) {
        if (id != kFollowTimer || !m_follower || isWaiting()) return;
        std::unique_ptr<PlotFigure> next = m_follower->poll();
        if (!next) return;
        GcGraphConfig& config = next->config();
        const float* s = m_pRenderer->zoomScale;
        const float* o = m_pRenderer->zoomOffset;
        if ((s[0] != 1 || s[1] != 1 || o[0] != 0 || o[1] != 0) &&
            config.getNgraph() == m_config.getNgraph())
            for (int g = 0; g < config.getNgraph(); ++g)
                keepRanges(m_config.getGraph()[g], config.getGraph()[g]);
        m_config = config;
        fitMargins(m_config, m_title, m_cx, m_cy);
        m_figure = std::move(next);
        Invalidate();
    }
    afx_msg void OnFilePrintCmd() { OnFilePrint(); }
    afx_msg void OnFileSaveBitmap() {
        std::string path = chooseFile("Save bitmap", "plot.bmp", "Bitmaps (*.bmp)");
        if (!path.empty() && !savetoBitmap(path.data()))
            AfxMessageBox(("Cannot write " + path).c_str());
    }
    afx_msg void OnFileSavePicture() {
        const std::string path =
            chooseFile("Save picture", "plot.png", "Pictures (*.png *.svg *.pdf *.bmp)");
        if (!path.empty() && !savePicture(*m_pRenderer, path.c_str(), m_cx, m_cy, overlay()))
            AfxMessageBox(("Cannot write " + path).c_str());
    }
    afx_msg void OnEditCopy() {
        if (!copyPicture(*m_pRenderer, m_hWnd, m_cx, m_cy, overlay()))
            AfxMessageBox("The clipboard did not take the picture");
    }
    // Printing draws the picture again on the printer's device context, as vectors, on a page
    // turned as the picture is.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
        pInfo->m_pPD->m_pd.hDevMode = pictureDevMode(m_cx, m_cy);
        if (DoPreparePrinting(pInfo)) return TRUE;
        OnEndPrinting(nullptr, pInfo); // no printing follows to free the settings
        return FALSE;
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
        drawPicture(pDC, *m_pRenderer, pictureArea(m_cx, m_cy, pInfo->m_rectDraw), overlay());
    }
    void OnEndPrinting(CDC*, CPrintInfo* pInfo) override {
        GlobalFree(pInfo->m_pPD->m_pd.hDevMode);
        pInfo->m_pPD->m_pd.hDevMode = nullptr;
    }
    afx_msg void OnFileExportCsv() {
        const std::string path =
            chooseFile("Export CSV", "plot.csv", "Comma-separated values (*.csv)");
        if (!path.empty() && !m_pRenderer->writeCsv(path.c_str()))
            AfxMessageBox(("Cannot write " + path).c_str());
    }
    afx_msg void OnViewBlack() { OnBackColorBlack(); }
    afx_msg void OnViewWhite() { OnBackColorWhite(); }
    afx_msg void OnGraphZoom() { OnZoomGraph(); }
    afx_msg void OnGraphUnzoom() { OnUnzoomGraph(); }
    afx_msg void OnGraphBack() { ZoomBack(); }
    afx_msg void OnGraphForward() { ZoomForward(); }
    afx_msg void OnGraphHome() { ZoomHome(); }
    afx_msg void OnToolsZoom() { openTool(m_pViewing2dDlg, 0); }
    // The inquiry tools start picking at once, as if their button had been pressed.
    afx_msg void OnToolsPoint() { openTool(m_pInquirePointDlg, IDC_PICKPOINT); }
    afx_msg void OnToolsStatistics() { openTool(m_pInquireStatisticsDlg, IDC_PICKPOINT); }
    afx_msg void OnToolsComment() { openTool(m_pDrawCommentDlg, 0); }
    afx_msg void OnToolsErase() { openTool(m_pEraseCommentDlg, 0); }

    DECLARE_MESSAGE_MAP()

private:
    template <class Dlg> void openTool(Dlg* dlg, UINT button) {
        if (!dlg) return;
        dlg->Show();
        if (button) dlg->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }
    // Asks for a file to write; empty when cancelled.
    static std::string chooseFile(const char* caption, const char* name, const char* filter) {
        return QFileDialog::getSaveFileName(nullptr, caption, name, filter).toStdString();
    }

    static void keepRanges(const GcGraph& from, GcGraph& to) {
        to.hmin = from.hmin, to.hmax = from.hmax, to.vmin = from.vmin, to.vmax = from.vmax;
        to.setAutoHgrad();
        to.setAutoVgrad();
    }

    // The title over every picture, as over the view.
    PictureOverlay overlay() const {
        return [this](CDC* dc, const Renderer& r) { drawTitle(dc, r, m_title); };
    }

    std::string m_title;
    InputFollower* m_follower = nullptr;
    std::unique_ptr<PlotFigure> m_figure; // the last one followed
};

IMPLEMENT_DYNCREATE(PlotView, CGLInteractiveView)

BEGIN_MESSAGE_MAP(PlotView, CGLInteractiveView)
ON_COMMAND(ID_FILE_PRINT, &PlotView::OnFilePrintCmd)
ON_COMMAND(ID_FILE_SAVEBITMAP, &PlotView::OnFileSaveBitmap)
ON_COMMAND(ID_FILE_SAVEPICTURE, &PlotView::OnFileSavePicture)
ON_COMMAND(ID_EDIT_COPY, &PlotView::OnEditCopy)
ON_COMMAND(ID_FILE_EXPORTCSV, &PlotView::OnFileExportCsv)
ON_COMMAND(ID_VIEW_BLACK, &PlotView::OnViewBlack)
ON_COMMAND(ID_VIEW_WHITE, &PlotView::OnViewWhite)
ON_COMMAND(ID_GRAPH_ZOOM, &PlotView::OnGraphZoom)
ON_COMMAND(ID_GRAPH_UNZOOM, &PlotView::OnGraphUnzoom)
ON_COMMAND(ID_GRAPH_BACK, &PlotView::OnGraphBack)
ON_COMMAND(ID_GRAPH_FORWARD, &PlotView::OnGraphForward)
ON_COMMAND(ID_GRAPH_HOME, &PlotView::OnGraphHome)
ON_COMMAND(ID_TOOLS_ZOOM, &PlotView::OnToolsZoom)
ON_COMMAND(ID_TOOLS_POINT, &PlotView::OnToolsPoint)
ON_COMMAND(ID_TOOLS_STATISTICS, &PlotView::OnToolsStatistics)
ON_COMMAND(ID_TOOLS_COMMENT, &PlotView::OnToolsComment)
ON_COMMAND(ID_TOOLS_ERASE, &PlotView::OnToolsErase)
ON_WM_SIZE()
ON_WM_TIMER()
END_MESSAGE_MAP()

// The frame holds the view and a status bar for its readout below it, and routes commands to
// the view, none while a tool waits for the mouse.
class PlotFrame : public CFrameWnd {
    DECLARE_DYNCREATE(PlotFrame)
public:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
        static const UINT indicators[] = {ID_SEPARATOR};
        return m_wndStatusBar.Create(this) && m_wndStatusBar.SetIndicators(indicators, 1) ? 0 : -1;
    }
    PlotView* view() const {
        CWnd* pane = GetDlgItem(int(AFX_IDW_PANE_FIRST));
        return pane && pane->IsKindOf(RUNTIME_CLASS(PlotView)) ? static_cast<PlotView*>(pane)
                                                               : nullptr;
    }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
        if (PlotView* pane = view(); pane && pane->isWaiting()) return TRUE; // one tool at a time
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }

    DECLARE_MESSAGE_MAP()

private:
    CStatusBar m_wndStatusBar;
};

IMPLEMENT_DYNCREATE(PlotFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(PlotFrame, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

// The main window: the menus, and the frame as its central widget. The menus are greyed while a
// tool waits for the mouse: a tool starts and stops waiting inside a command or a dialog's
// button, and Qt's event loop runs (so wakes or goes to sleep) around both.
class PlotMainWindow : public QMainWindow {
public:
    explicit PlotMainWindow(PlotFrame* frame)
        : m_frame(frame), m_frameHandle(frame->m_hWnd), m_frameWidget(qWidgetOf(frame->m_hWnd)) {
        std::map<QString, QMenu*> menus;
        for (const Command& c : kCommands) {
            QMenu*& menu = menus[c.menu];
            if (!menu) menu = menuBar()->addMenu(c.menu);
            QAction* action = menu->addAction(c.text);
            if (c.shortcut) action->setShortcut(QKeySequence(c.shortcut));
            connect(action, &QAction::triggered, this, [this, id = c.id] {
                if (m_frameWidget) m_frame->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
            });
            m_actions.push_back(action);
        }
        auto* loop = QAbstractEventDispatcher::instance();
        connect(loop, &QAbstractEventDispatcher::awake, this, &PlotMainWindow::updateCommands);
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this,
                &PlotMainWindow::updateCommands);
        setCentralWidget(m_frameWidget);
        // The frame closing by itself closes the main window too.
        connect(m_frameWidget, &QObject::destroyed, this, &QWidget::close, Qt::QueuedConnection);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (m_frameWidget) m_frame->SendMessage(WM_CLOSE);
        // Closed at once unless a command still runs; then the frame closes when it returns.
        if (m_frameWidget)
            event->ignore();
        else
            event->accept();
    }

private:
    PlotFrame* m_frame;
    HWND m_frameHandle;              // no longer the frame's once the frame is deleted
    QPointer<QWidget> m_frameWidget; // null once the frame's window is gone
    std::vector<QAction*> m_actions;

    void updateCommands() {
        const bool alive = CWnd::FromHandlePermanent(m_frameHandle) == m_frame;
        const PlotView* view = alive ? m_frame->view() : nullptr;
        for (QAction* action : m_actions) action->setEnabled(view && !view->isWaiting());
    }
};

} // namespace

std::unique_ptr<QMainWindow> openWindow(GcGraphConfig& config, int width, int height, bool white,
                                        const std::string& caption, const std::string& title,
                                        InputFollower* follower) {
    auto* frame = new PlotFrame; // deletes itself with its window
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(PlotView);
    if (!frame->Create(nullptr, caption.c_str(), WS_OVERLAPPEDWINDOW, CRect(0, 0, width, height),
                       nullptr, nullptr, 0, &context)) {
        delete frame;
        throw OutputError("cannot create the window");
    }
    if (CWinApp* app = AfxGetApp())
        app->m_pMainWnd = frame; // before the tool dialogs' windows, which it then owns
    PlotView* view = frame->view();
    view->OnInitialUpdate(); // makes the tool dialogs' windows
    view->show(config, white, title);
    view->follow(follower);
    auto window = std::make_unique<PlotMainWindow>(frame);
    window->setWindowTitle(QString::fromStdString(caption));
    window->resize(width, height + window->menuBar()->sizeHint().height());
    frame->ShowWindow(SW_SHOW);
    window->show();
    view->SetFocus(); // the view's keys work from the start
    return window;
}

int showWindow(GcGraphConfig& config, int width, int height, bool white, const std::string& caption,
               const std::string& title, InputFollower* follower) {
    CWinApp app("ploxen-plot");
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        throw OutputError("no display to open the window on");
    const std::unique_ptr<QMainWindow> window =
        openWindow(config, width, height, white, caption, title, follower);
    return app.Run();
}
