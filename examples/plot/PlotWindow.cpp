#include "PlotWindow.h"

#include <QGuiApplication>

#include <ploxen/platform/CFrameWnd.h>
#include <ploxen/platform/CWinApp.h>
#include <ploxen/view/CGLView.h>

#include "PlotOutput.h"

namespace {

// A host's view over the plotter's configuration: the view's own configuration becomes a
// shallow copy of it, so the view draws the plotter's graphs and frees none of them.
class PlotView : public CGLView {
    DECLARE_DYNCREATE(PlotView)
public:
    void show(const GcGraphConfig& config, bool white) {
        m_config = config;
        if (white)
            OnBackColorWhite();
        else
            OnBackColorBlack();
    }
};

IMPLEMENT_DYNCREATE(PlotView, CGLView)

} // namespace

int showWindow(GcGraphConfig& config, int width, int height, bool white,
               const std::string& caption) {
    CWinApp app("ploxen-plot");
    auto* frame = new CFrameWnd; // deletes itself with its window
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(PlotView);
    if (!frame->Create(nullptr, caption.c_str(), WS_OVERLAPPEDWINDOW, CRect(0, 0, width, height),
                       nullptr, nullptr, 0, &context)) {
        delete frame;
        throw OutputError("cannot create the window");
    }
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        frame->DestroyWindow();
        throw OutputError("no display to open the window on");
    }
    auto* view = static_cast<PlotView*>(frame->GetDlgItem(int(AFX_IDW_PANE_FIRST)));
    view->show(config, white);
    frame->ShowWindow(SW_SHOW);
    app.m_pMainWnd = frame;
    return app.Run();
}
