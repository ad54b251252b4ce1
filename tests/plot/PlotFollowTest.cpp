// --follow: the file a logger writes is read again when it changes, whole lines only, and the
// window shows each new reading on its own timer, keeping the user's zoom.
#include <QCoreApplication>
#include <QThread>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#include "../TempDir.h"
#include "PlotFollow.h"
#include "PlotWindow.h"
#include "platform/wnd/CWinApp.h"
#include "render/Renderer.h"
#include "view/CGLView.h"

namespace {

void append(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::app | std::ios::binary) << text;
}

PlotOptions followOptions(std::string path) {
    std::string args[] = {"ploxen-plot", std::move(path), "--window", "--follow"};
    char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data()};
    return parseArguments(4, argv);
}

int points(const GcGraphConfig& config) {
    return config.getGraph()[0].getLine()[0].getNvertex();
}

TEST(PlotFollow, ReadsAGrowingFileAgainOncePerChangeLeavingAHalfWrittenLine) {
    TempDir dir;
    const std::string path = dir / "log.csv";
    append(path, "t,v\n0,1\n1,");
    InputFollower follower(followOptions(path), 1 << 20);
    EXPECT_EQ(follower.poll(), nullptr); // unchanged
    append(path, "2\n2,");
    const std::unique_ptr<PlotFigure> figure = follower.poll();
    ASSERT_TRUE(figure);
    EXPECT_EQ(points(figure->config()), 2);
    append(path, "3\nx,4\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(follower.poll(), nullptr);
    EXPECT_EQ(follower.poll(), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ploxen-plot: " + path + ":5:1: not a number\n");
}

// Pumps the thread's messages and Qt's events until done() or 5 s have passed.
bool pumpUntil(const std::function<bool()>& done) {
    for (int ms = 0; ms < 5000; ms += 10) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
        QCoreApplication::processEvents();
        if (done()) return true;
        QThread::msleep(10);
    }
    return false;
}

TEST(PlotFollow, TheWindowShowsTheGrownFileOnItsTimerAndKeepsAZoom) {
    TempDir dir;
    const std::string path = dir / "log.csv";
    append(path, "0,0\n1,1\n");
    const PlotOptions o = followOptions(path);
    InputFollower follower(o, 1 << 20);
    PlotFigure first(readCsvFile(path, 1 << 20, o.format), o);
    CWinApp app("follow");
    const std::unique_ptr<QMainWindow> window =
        openWindow(first.config(), 640, 480, true, "follow", "", &follower);
    auto* view = dynamic_cast<CGLView*>(app.m_pMainWnd->GetDlgItem(int(AFX_IDW_PANE_FIRST)));
    ASSERT_TRUE(view);
    Renderer& renderer = *view->GetRenderer();
    const auto shown = [&]() -> const GcGraph& {
        return renderer.getGcGraphConfig()->getGraph()[0];
    };

    append(path, "2,4\n");
    ASSERT_TRUE(pumpUntil([&] { return points(*renderer.getGcGraphConfig()) == 3; }));
    EXPECT_GE(shown().hmax, 2);
    EXPECT_GE(shown().vmax, 4);

    renderer.zoomGraph(200, 100, 300, 200); // the zoom tool's last step
    const double hmax = shown().hmax, vmax = shown().vmax;
    append(path, "3,100\n");
    ASSERT_TRUE(pumpUntil([&] { return points(*renderer.getGcGraphConfig()) == 4; }));
    EXPECT_EQ(shown().hmax, hmax);
    EXPECT_EQ(shown().vmax, vmax);

    renderer.resetGraph(); // unzoomed, the ranges follow the data again
    append(path, "4,5\n");
    ASSERT_TRUE(pumpUntil([&] { return points(*renderer.getGcGraphConfig()) == 5; }));
    EXPECT_GE(shown().vmax, 100);
}

} // namespace
