// A DPI-aware view on a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2, set for a child run
// of this program, as the ratio is fixed when the application starts): it draws at device
// pixels, where a plain view is shown scaled up.
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

#include "GLViewFixture.h"

extern char** environ;

using namespace view_test;

namespace {

class DpiAwareView : public CGLTestView {
    DECLARE_DYNCREATE(DpiAwareView)
public:
    DpiAwareView() { SetDpiAware(); }
    CPoint lastPoint() const { return m_eventPoint; }
};
IMPLEMENT_DYNCREATE(DpiAwareView, CGLTestView)

template <class View, CRuntimeClass* viewClass> struct ShownView : FramedPane<View, viewClass> {
    // The rows of the shown window's middle column that are red, in device pixels.
    int redRowsOnScreen() {
        this->frame->ShowWindow(SW_SHOW);
        this->sizeClient(200, 150);
        this->view->addSeries();
        this->view->Invalidate();
        pump();
        const QImage shown = qWidgetOf(this->view->m_hWnd)->grab().toImage();
        int red = 0;
        for (int y = 0; y < shown.height(); ++y)
            red += (shown.pixel(shown.width() / 2, y) & 0xffffff) == 0xff0000;
        return red;
    }
};
using AwareView = ShownView<DpiAwareView, RUNTIME_CLASS(DpiAwareView)>;
using PlainView = ShownView<CGLTestView, RUNTIME_CLASS(CGLTestView)>;

bool inChild() {
    return std::getenv("PLOXEN_DPI_CHILD") != nullptr;
}

} // namespace

TEST_F(AwareView, DrawsAtDevicePixels) {
    if (!inChild()) GTEST_SKIP() << "run by DpiAware.AtRatio2";
    EXPECT_EQ(redRowsOnScreen(), 1);
    CRect r;
    view->GetClientRect(&r);
    EXPECT_EQ(r, CRect(0, 0, 400, 300));
    EXPECT_EQ(GetDpiForWindow(view->m_hWnd), 192u);
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 40), QPointF(50, 40), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(qWidgetOf(view->m_hWnd), &move);
    pump();
    EXPECT_EQ(view->lastPoint(), CPoint(100, 80)); // the mouse speaks device pixels too
    CPoint p(100, 80);
    view->ClientToScreen(&p);
    const QPoint global = qWidgetOf(view->m_hWnd)->mapToGlobal(QPoint(50, 40));
    EXPECT_EQ(p, CPoint(global.x(), global.y()));
    view->ScreenToClient(&p);
    EXPECT_EQ(p, CPoint(100, 80));
}

TEST_F(PlainView, IsShownScaledUp) {
    if (!inChild()) GTEST_SKIP() << "run by DpiAware.AtRatio2";
    EXPECT_EQ(redRowsOnScreen(), 2);
    CRect r;
    view->GetClientRect(&r);
    EXPECT_EQ(r, CRect(0, 0, 200, 150));
}

TEST(DpiAware, AtRatio2) {
    if (inChild()) GTEST_SKIP();
    setenv("QT_SCALE_FACTOR", "2", 1);
    setenv("PLOXEN_DPI_CHILD", "1", 1);
    std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filter = "--gtest_filter=AwareView.*:PlainView.*";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t pid;
    ASSERT_EQ(posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, environ), 0);
    unsetenv("QT_SCALE_FACTOR");
    unsetenv("PLOXEN_DPI_CHILD");
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child run failed";
}
