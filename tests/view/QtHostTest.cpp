// A Qt host placing the view's widget in its own QMainWindow: sizing, painting and the client
// area work as in a frame window.
#include <QMainWindow>

#include "GLViewFixture.h"
#include "platform/wnd/QtWidgetOf.h"

using namespace view_test;

namespace {

TEST(QtHost, ViewAsCentralWidgetOfAMainWindow) {
    auto* view = static_cast<CGLTestView*>(RUNTIME_CLASS(CGLTestView)->CreateObject());
    ASSERT_TRUE(
        view->CreateEx(0, nullptr, "view", WS_OVERLAPPED, CRect(0, 0, 100, 100), nullptr, 0));
    {
        QMainWindow host;
        host.setCentralWidget(qWidgetOf(view->m_hWnd));
        host.resize(420, 310);
        host.show();
        pump();
        const QSize size = qWidgetOf(view->m_hWnd)->size();
        EXPECT_EQ(view->m_cx, size.width());
        EXPECT_EQ(view->m_cy, size.height());
        view->OnBackColorWhite();
        CClientDC dc(view);
        EXPECT_EQ(dc.GetPixel(size.width() - 1, size.height() - 1), RGB(255, 255, 255));
        // The wait for events is the same in any host; what it reports is the client area.
        CRect r;
        view->GetClientRect(&r);
        EXPECT_EQ(r, CRect(0, 0, size.width(), size.height()));
        host.takeCentralWidget(); // the window keeps its widget
    }
    view->DestroyWindow();
    delete view;
    pump();
}

} // namespace
