// The interactive view driven by real Qt input: drag zoom, click, wheel, pan, history, cancel,
// and the readout in the frame's status bar.
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <charconv>
#include <string>

#include "FramedPane.h"
#include "dialogs/CViewing2dDlg.h"
#include "interact/CGLInteractiveView.h"
#include "interact/ZoomSteps.h"
#include "platform/ctl/CStatusBar.h"
#include "platform/wnd/QtWidgetOf.h"
#include "render/PlotLayout.h"
#include "render/Renderer.h"

namespace {

// Eleven vertices (0, 0), (10, 5) ... (100, 50) in one graph, 28 pixels apart on screen.
class CInteractiveTestView : public CGLInteractiveView {
    DECLARE_DYNCREATE(CInteractiveTestView)
public:
    using CGLInteractiveView::m_config;
    using CGLInteractiveView::m_graph;
    using CGLInteractiveView::m_pViewing2dDlg;
    using CGLInteractiveView::OnUpdate;
    void addSeries(bool reversed) {
        DeleteGcContents();
        auto* line = new GcGLine[1];
        auto* v = new Vertex2D[11];
        for (int i = 0; i < 11; ++i) v[reversed ? 10 - i : i] = {10.0 * i, 5.0 * i};
        int green[3] = {0, 255, 0};
        char name[] = "ramp";
        line[0].set(11, v, green, name, -1, 0, 1);
        m_graph[0].setGLine(1, line);
        m_graph[0].setHminHmax(0, 100);
        m_graph[0].setVminVmax(0, 50);
    }

protected:
    void PostNcDestroy() override {} // the fixture deletes the view
};
IMPLEMENT_DYNCREATE(CInteractiveTestView, CGLInteractiveView)

struct InteractiveView : FramedPane<CInteractiveTestView, RUNTIME_CLASS(CInteractiveTestView)> {
    void SetUp() override {
        FramedPane::SetUp();
        sizeClient(400, 300);
        view->addSeries(false);
        frame->ShowWindow(SW_SHOW);
        view->OnInitialUpdate();
        pump();
        w = qWidgetOf(view->m_hWnd);
    }
    // Lets the pointer's delayed work (readout, pan repaint) run.
    void settle() {
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(10);
            pump();
        }
    }
    void drag(Qt::MouseButton b, QPoint from, QPoint to, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(w, b, m, from);
        QTest::mouseMove(w, (from + to) / 2);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, b, m, to);
        pump();
    }
    void wheel(QPoint at, int delta, Qt::KeyboardModifiers m = {}) {
        QWheelEvent e(at, w->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, m, Qt::NoScrollPhase,
                      false);
        QCoreApplication::sendEvent(w, &e);
        pump();
    }
    ZoomState state() const { return zoomStateOf(*view->GetRenderer()); }
    PlotLayout layout() const {
        const Renderer& r = *view->GetRenderer();
        return PlotLayout(r.viewport, r.zoomScale, r.zoomOffset, *r.getGcGraphConfig());
    }
    // The data x and y drawn at a client point.
    std::pair<double, double> valueAt(QPoint p) const {
        const PlotLayout l = layout();
        const VerticalRange range = VerticalRange::of(view->m_graph[0], false);
        return {l.hmap().toValue(p.x()), l.vmap(range, 0).toValue(p.y())};
    }
    QPoint pixelOf(double x, double y) const {
        const PlotLayout l = layout();
        const VerticalRange range = VerticalRange::of(view->m_graph[0], false);
        return {PlotLayout::rnd(l.hmap().toPixel(x)), PlotLayout::rnd(l.vmap(range, 0).toPixel(y))};
    }
    QImage picture() const { return w->grab().toImage(); }
    QWidget* w = nullptr;
};

std::string sixDigits(double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + 32, v, std::chars_format::general, 6).ptr);
}

void expectNear(std::pair<double, double> a, std::pair<double, double> b) {
    EXPECT_NEAR(a.first, b.first, 1e-3);
    EXPECT_NEAR(a.second, b.second, 1e-3);
}

TEST_F(InteractiveView, ADragZoomsIntoItsBandOnReleaseAndAClickStaysAClick) {
    Renderer expected(*view->GetRenderer());
    expected.zoomGraph(100, 90, 220, 180);
    QTest::mouseClick(w, Qt::LeftButton, {}, {100, 90});
    QTest::mousePress(w, Qt::LeftButton, {}, {100, 90});
    QTest::mouseMove(w, {103, 87}); // within 3 px
    QTest::mouseRelease(w, Qt::LeftButton, {}, {103, 87});
    pump();
    EXPECT_EQ(state(), ZoomState{});
    EXPECT_FALSE(view->CanZoomBack());
    drag(Qt::LeftButton, {100, 90}, {220, 180});
    EXPECT_EQ(state(), zoomStateOf(expected));
    EXPECT_TRUE(view->CanZoomBack());
}

TEST_F(InteractiveView, EscapeOrARightPressCancelsADragLeavingThePixelsAsAfterThePress) {
    for (bool escape : {true, false}) {
        QTest::mousePress(w, Qt::LeftButton, {}, {100, 90});
        pump();
        const QImage pressed = picture();
        QTest::mouseMove(w, {150, 140});
        QTest::mouseMove(w, {220, 180});
        pump();
        EXPECT_NE(picture(), pressed); // the band is shown
        if (escape)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            QTest::mousePress(w, Qt::RightButton, {}, {220, 180});
        QTest::mouseRelease(w, Qt::LeftButton, {}, {220, 180});
        pump();
        EXPECT_EQ(picture(), pressed) << escape;
        EXPECT_EQ(state(), ZoomState{});
    }
}

TEST_F(InteractiveView, InsideTheZoomCommandTwoClicksStillZoom) {
    Renderer expected(*view->GetRenderer());
    expected.zoomGraph(100, 90, 220, 180);
    // The first press is dragged away: the command takes its releases for nothing.
    QTest::mousePress(w, Qt::LeftButton, {}, {100, 90});
    QTest::mouseMove(w, {160, 140});
    QTest::mouseRelease(w, Qt::LeftButton, {}, {160, 140});
    QTest::mouseClick(w, Qt::LeftButton, {}, {220, 180});
    view->m_pViewing2dDlg->OnZoom(); // takes the queued input
    EXPECT_EQ(state(), zoomStateOf(expected));
}

// The highlight stays as it is while a tool waits, so that cancelling the tool still leaves
// the pixels exactly as they were.
TEST_F(InteractiveView, ACancelledZoomCommandLeavesTheHighlightAndThePixels) {
    QTest::mouseMove(w, pixelOf(50, 25) + QPoint(3, 3));
    settle();
    const QImage highlighted = picture();
    QTest::mouseMove(w, pixelOf(60, 30) + QPoint(3, 3)); // near another vertex
    QTimer::singleShot(60, [this] { QTest::mousePress(w, Qt::RightButton, {}, {20, 20}); });
    view->m_pViewing2dDlg->OnZoom(); // waits, and the readout's timer runs meanwhile
    pump();
    EXPECT_EQ(picture(), highlighted);
}

TEST_F(InteractiveView, TheWheelZoomsAroundThePointerCtrlOnlyAcrossShiftOnlyUpAndDown) {
    const QPoint at(180, 120);
    const auto under = valueAt(at);
    wheel(at, 120);
    expectNear(valueAt(at), under);
    EXPECT_FLOAT_EQ(state().scale[0], 1.25f);
    EXPECT_FLOAT_EQ(state().scale[1], 1.25f);
    wheel(at, -240, Qt::ControlModifier);
    expectNear(valueAt(at), under);
    EXPECT_FLOAT_EQ(state().scale[0], 0.8f);
    EXPECT_FLOAT_EQ(state().scale[1], 1.25f);
    wheel(at, 120, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(state().scale[0], 0.8f);
    EXPECT_FLOAT_EQ(state().scale[1], 1.5625f);
}

TEST_F(InteractiveView, MiddleDragSpaceDragAndArrowsMoveThePicture) {
    auto under = valueAt({200, 150});
    drag(Qt::MiddleButton, {200, 150}, {230, 140});
    expectNear(valueAt({230, 140}), under);
    under = valueAt({230, 140});
    QTest::keyPress(w, Qt::Key_Space);
    drag(Qt::LeftButton, {230, 140}, {180, 170});
    QTest::keyRelease(w, Qt::Key_Space);
    expectNear(valueAt({180, 170}), under);
    // Left shows what lies left: the picture moves right by a tenth of the plot.
    under = valueAt({180, 170});
    QTest::keyClick(w, Qt::Key_Left);
    pump();
    const int tenth = int(std::lround(layout().pw / 10));
    expectNear(valueAt({180 + tenth, 170}), under);
}

TEST_F(InteractiveView, BackForwardAndHomeWalkTheSteps) {
    const ZoomState full = state();
    wheel({180, 120}, 120);
    const ZoomState zoomed = state();
    QTest::keyClick(w, Qt::Key_Down);
    pump();
    const ZoomState panned = state();
    ASSERT_NE(panned, zoomed);
    QTest::keyClick(w, Qt::Key_Backspace);
    pump();
    EXPECT_EQ(state(), zoomed);
    QTest::keyClick(w, Qt::Key_Left, Qt::AltModifier);
    pump();
    EXPECT_EQ(state(), full);
    QTest::keyClick(w, Qt::Key_Right, Qt::AltModifier);
    pump();
    EXPECT_EQ(state(), zoomed);
    QTest::keyClick(w, Qt::Key_Home);
    pump();
    EXPECT_EQ(state(), full);
    EXPECT_FALSE(view->CanZoomForward()); // Home was a new step: panned is gone
    QTest::keyClick(w, Qt::Key_Backspace);
    pump();
    EXPECT_EQ(state(), zoomed);
}

TEST_F(InteractiveView, TheReadoutNamesTheNearestVertexWithin10PixelsInTheStatusBar) {
    CStatusBar bar;
    const UINT panes[] = {ID_SEPARATOR};
    ASSERT_TRUE(bar.Create(frame) && bar.SetIndicators(panes, 1));
    pump();
    CRect pane, strip; // the frame gives the bar its height at the bottom, the view the rest
    view->GetClientRect(&pane);
    bar.GetClientRect(&strip);
    EXPECT_GT(strip.Height(), 10);
    EXPECT_EQ(pane.Height() + strip.Height(), 300);
    const QImage plain = picture();
    for (bool reversed : {false, true}) { // sorted and unsorted x
        view->addSeries(reversed);
        view->OnUpdate(nullptr, 0, nullptr);
        const QPoint v5 = pixelOf(50, 25);
        QTest::mouseMove(w, v5 + QPoint(7, 3));
        settle();
        const CString text = view->GetReadout();
        EXPECT_NE(text.Find("nearest: ramp [5] x = 50, y = 25"), -1) << text.GetString();
        int g = -1, l = -1, i = -1;
        ASSERT_TRUE(view->GetNearVertex(g, l, i));
        EXPECT_EQ(i, 5);
        EXPECT_EQ(bar.GetPaneText(0), text);
        EXPECT_NE(picture(), plain); // highlighted
        // 14 px from vertices 5 and 6: coordinates only, the highlight gone.
        QTest::mouseMove(w, v5 + QPoint(14, 0));
        settle();
        EXPECT_FALSE(view->GetNearVertex(g, l, i));
        const auto at = valueAt(v5 + QPoint(14, 0));
        EXPECT_EQ(
            bar.GetPaneText(0),
            CString(
                ("graph 1: x = " + sixDigits(at.first) + ", y = " + sixDigits(at.second)).c_str()));
        EXPECT_EQ(picture(), plain);
    }
    // Superposed, away from the vertices: the y of each graph's own axis, with its title.
    view->m_config.superpose = 1;
    view->m_graph[1].setVminVmax(0, 500);
    char volt[] = "Volt";
    view->m_graph[1].setVtitle(volt);
    const QPoint p = pixelOf(55, 40);
    QTest::mouseMove(w, p);
    settle();
    const PlotLayout l = layout();
    const auto y = [&](int g) {
        return sixDigits(l.vmap(VerticalRange::of(view->m_graph[g], false), 0).toValue(p.y()));
    };
    EXPECT_EQ(bar.GetPaneText(0), CString(("x = " + sixDigits(l.hmap().toValue(p.x())) +
                                           ", y = " + y(0) + ", " + y(1) + " (Volt)")
                                              .c_str()));
}

} // namespace
