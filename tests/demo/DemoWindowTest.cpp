// The demo's window under the offscreen platform: its view fills the central area,
// its menu commands reach the view, and closing it in the middle of a tool or of a print ends
// cleanly (the sanitizer build finds what is used after it went or never freed).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "DemoApp.h"
#include "DemoCommands.h"
#include "DemoFrame.h"
#include "DemoView.h"
#include "DemoWindow.h"
#include "TempDir.h"
#include "platform/dlg/CPrintDialog.h"
#include "platform/dlg/ModalResponder.h"
#include "render/RenderScene.h"

namespace {

void pump() {
    MSG msg;
    for (int i = 0; i < 3; ++i) {
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

struct DemoWindowTest : testing::Test {
    void SetUp() override {
        DemoFrame* frame = DemoFrame::make("Ploxen demo", kDemoWidth, kDemoHeight);
        ASSERT_TRUE(frame);
        window = std::make_unique<DemoWindow>(frame);
        window->show();
        pump();
        view = frame->view();
    }
    void TearDown() override {
        window.reset();
        pump();
    }
    void run(UINT id) {
        window->command(id);
        pump();
    }
    const GcGraphConfig& config() const { return *view->GetRenderer()->getGcGraphConfig(); }

    std::unique_ptr<DemoWindow> window;
    DemoView* view = nullptr;
};

TEST_F(DemoWindowTest, FillsTheCentralAreaAndCloses) {
    CRect client;
    view->GetClientRect(&client);
    EXPECT_TRUE(window->frame()->IsWindowVisible());
    EXPECT_EQ(client.Width(), window->centralWidget()->width());
    // The status bar takes its line below the view.
    CRect bar;
    ASSERT_TRUE(window->frame()->GetMessageBar());
    window->frame()->GetMessageBar()->GetClientRect(&bar);
    EXPECT_GT(bar.Height(), 0);
    EXPECT_EQ(client.Height() + bar.Height(), window->centralWidget()->height());
    window->close();
    pump();
    EXPECT_EQ(window->frame(), nullptr);
}

// Qt deleting the main window (as at the end of main) takes the frame and view windows along.
TEST_F(DemoWindowTest, DeletingTheMainWindowDestroysTheFrameAndTheView) {
    const HWND frame = window->frame()->m_hWnd, pane = view->m_hWnd;
    window.reset();
    pump();
    EXPECT_EQ(CWnd::FromHandlePermanent(frame), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(pane), nullptr);
}

TEST_F(DemoWindowTest, LayoutCommandsSetTheConfiguration) {
    struct Case {
        UINT id;
        DemoLayout layout;
        int superpose, singleVaxis;
        GcGraphConfig::TYPE type;
        int nline0; // the sine and its envelope are two series, the noisy signal one
    } cases[] = {
        {ID_VIEW_SUPERPOSED, DemoLayout::SuperposedOneAxis, 1, 1, GcGraphConfig::GRAPH, 1},
        {ID_VIEW_TWOAXES, DemoLayout::SuperposedTwoAxes, 1, 0, GcGraphConfig::GRAPH, 2},
        {ID_VIEW_HISTOGRAM, DemoLayout::Histogram, 0, 1, GcGraphConfig::HISTON, 1},
        {ID_VIEW_STACKED, DemoLayout::Stacked, 0, 1, GcGraphConfig::GRAPH, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        run(c.id);
        EXPECT_EQ(view->layout(), c.layout);
        EXPECT_EQ(config().superpose, c.superpose);
        EXPECT_EQ(config().singleVaxis, c.singleVaxis);
        EXPECT_EQ(config().type, c.type);
        EXPECT_EQ(view->graph(0).nline, c.nline0);
        if (c.layout == DemoLayout::SuperposedOneAxis) {
            // Graph 0's axis serves both: it spans the other graph's values too.
            EXPECT_LE(view->graph(0).vmin, view->graph(1).vmin);
            EXPECT_GE(view->graph(0).vmax, view->graph(1).vmax);
        }
    }
}

TEST_F(DemoWindowTest, GraduationAppliesToTheChosenGraphOnlyOnOk) {
    const GcGraph before0 = view->graph(0), before1 = view->graph(1);
    int answer = IDCANCEL;
    std::vector<std::string> titles;
    ModalResponder previous = AfxSetModalResponder([&](ModalRequest& r) {
        if (r.kind != ModalRequest::Dialog) return int(IDCANCEL);
        auto& d = *static_cast<CDialog*>(r.object);
        CString title;
        d.GetWindowText(title);
        titles.emplace_back(title.GetString());
        d.CheckRadioButton(IDC_RANGEAUTO, IDC_RANGEMANUAL, IDC_RANGEMANUAL);
        d.CheckRadioButton(IDC_GRADAUTO, IDC_GRADMANUAL, IDC_GRADMANUAL);
        d.SetDlgItemText(IDC_MAX, "50");
        d.SetDlgItemText(IDC_MIN, "-7");
        d.SetDlgItemText(IDC_GRADSTEP, "5");
        d.SetDlgItemText(IDC_SMALLGRAD, "4");
        return answer;
    });
    run(ID_GRAPH_SECOND);
    run(ID_GRAPH_VGRADUATE);
    EXPECT_EQ(view->graph(1).vmax, before1.vmax); // cancelled
    answer = IDOK;
    run(ID_GRAPH_VGRADUATE);
    run(ID_GRAPH_FIRST);
    run(ID_GRAPH_HGRADUATE);
    AfxSetModalResponder(previous);
    EXPECT_EQ(titles, (std::vector<std::string>{"Graduation \u2014 Volt, vertical axis",
                                                "Graduation \u2014 Volt, vertical axis",
                                                "Graduation \u2014 Amplitude, horizontal axis"}));

    const GcGraph& g1 = view->graph(1);
    EXPECT_EQ(g1.vmin, -7.0);
    EXPECT_EQ(g1.vmax, 50.0);
    EXPECT_EQ(g1.vlargeGradStep, 5.0);
    EXPECT_EQ(g1.vlargeGradStart, -5.0); // the first multiple of the step in the range
    EXPECT_EQ(g1.vsmallGrad, 4);
    EXPECT_EQ(g1.hmax, before1.hmax);
    const GcGraph& g0 = view->graph(0);
    EXPECT_EQ(g0.hmin, -7.0);
    EXPECT_EQ(g0.hmax, 50.0);
    EXPECT_EQ(g0.hlargeGradStart, -5.0);
    EXPECT_EQ(g0.vmin, before0.vmin);
    EXPECT_EQ(g0.vmax, before0.vmax);
}

// Only graph 0's horizontal axis is drawn, and superposed on one axis only its vertical one: the
// graduation commands of the others are greyed and do nothing.
TEST_F(DemoWindowTest, GraduationIsOfferedOnlyForAnAxisThatIsDrawn) {
    int dialogs = 0;
    ModalResponder previous = AfxSetModalResponder([&](ModalRequest&) {
        ++dialogs;
        return int(IDCANCEL);
    });
    struct Case {
        UINT layout, graph;
        bool vertical, horizontal;
    } cases[] = {
        {ID_VIEW_STACKED, ID_GRAPH_FIRST, true, true},
        {ID_VIEW_STACKED, ID_GRAPH_SECOND, true, false},
        {ID_VIEW_SUPERPOSED, ID_GRAPH_SECOND, false, false},
        {ID_VIEW_TWOAXES, ID_GRAPH_SECOND, true, false},
        {ID_VIEW_HISTOGRAM, ID_GRAPH_SECOND, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.layout << " " << c.graph);
        run(c.layout);
        run(c.graph);
        EXPECT_TRUE(window->action(c.graph)->isChecked());
        EXPECT_EQ(window->action(ID_GRAPH_VGRADUATE)->isEnabled(), c.vertical);
        EXPECT_EQ(window->action(ID_GRAPH_HGRADUATE)->isEnabled(), c.horizontal);
        dialogs = 0;
        run(ID_GRAPH_VGRADUATE);
        run(ID_GRAPH_HGRADUATE);
        EXPECT_EQ(dialogs, int(c.vertical) + int(c.horizontal));
    }
    AfxSetModalResponder(previous);
}

// A tool started from its toolbar button greys every command until a right click in the view
// ends it.
TEST_F(DemoWindowTest, CommandsAreGreyedWhileAToolWaits) {
    QWidget* pane = qWidgetOf(view->m_hWnd);
    const auto click = [pane](QEvent::Type type) {
        QMouseEvent e(
            type, QPointF(300, 300), pane->mapToGlobal(QPointF(300, 300)), Qt::RightButton,
            type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pane, &e);
    };
    std::vector<UINT> enabledWhileWaiting;
    bool waited = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!view->isWaiting()) return;
        waited = true;
        timer.stop();
        for (const DemoCommand& c : kDemoCommands)
            if (c.text && window->action(c.id)->isEnabled()) enabledWhileWaiting.push_back(c.id);
        window->action(ID_VIEW_WHITE)->trigger(); // greyed: nothing is posted
        click(QEvent::MouseButtonPress);
        click(QEvent::MouseButtonRelease);
    });
    timer.start(10);
    window->action(ID_TOOLS_STATISTICS)->trigger();
    for (int i = 0; i < 100 && !waited; ++i) pump();
    pump();
    ASSERT_TRUE(waited) << "the tool never waited for the mouse";
    EXPECT_FALSE(view->isWaiting());
    EXPECT_EQ(enabledWhileWaiting, std::vector<UINT>{});
    EXPECT_TRUE(window->action(ID_TOOLS_STATISTICS)->isEnabled());
    EXPECT_TRUE(window->action(ID_VIEW_BLACK)->isChecked());
}

// The longest legend name, "envelope", stays whole in the view whatever size the window takes.
TEST_F(DemoWindowTest, LegendNamesStayWholeAsTheWindowIsResized) {
    for (QSize size : {QSize(1250, 1200), QSize(1200, 1250), QSize(1250, 700)}) {
        SCOPED_TRACE(size.width());
        window->resize(size);
        pump();
        CRect client;
        view->GetClientRect(&client);
        render_test::Surface surface(client.Width(), client.Height());
        surface.draw(*view->GetRenderer());
        const auto names = surface.texts("envelope");
        ASSERT_EQ(names.size(), 1u);
        EXPECT_LT(names[0].x + names[0].w, client.Width());
    }
}

// Closing the main window (a real close event, as Alt+F4) while a tool waits for the mouse ends
// the tool, closes its dialog, destroys the frame and ends the application's loop.
TEST_F(DemoWindowTest, ClosingWhileAToolWaitsEndsTheToolItsDialogAndTheLoop) {
    for (UINT id : {ID_GRAPH_ZOOM, ID_TOOLS_POINT, ID_TOOLS_STATISTICS}) {
        SCOPED_TRACE(id);
        TearDown();
        CWinApp app("demo");
        SetUp(); // the frame becomes the main window
        bool waited = false;
        bool timedOut = false;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!waited && window->frame() && window->frame()->view()->isWaiting()) {
                waited = true;
                window->close();
            } else if (++ticks == 300) { // never ended: unblock the tool, fail
                if (window->frame()) window->frame()->view()->DestroyWindow();
                QCoreApplication::exit(99);
                timedOut = true;
            }
        });
        timer.start(10);
        window->command(id);
        EXPECT_EQ(QApplication::exec(), 0);
        timer.stop();
        EXPECT_FALSE(timedOut);
        EXPECT_TRUE(waited) << "the tool never waited for the mouse";
        EXPECT_EQ(window->frame(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible() && w != window.get()) << qPrintable(w->windowTitle());
    }
}

TEST_F(DemoWindowTest, ClosingMidPrintEndsOnceThePrintIsDone) {
    TempDir dir;
    const std::string pdf = dir / "demo.pdf";
    bool asked = false;
    ModalResponder previous = AfxSetModalResponder([&](ModalRequest& r) {
        if (r.kind != ModalRequest::PrintDialog) return int(IDCANCEL);
        asked = true;
        window->close(); // as the window manager would, while the dialog is open
        auto* pd = static_cast<CPrintDialog*>(r.object);
        pd->m_pd.Flags |= PD_PRINTTOFILE;
        pd->m_strPrintToFile = pdf.c_str();
        return int(IDOK);
    });
    run(ID_FILE_PRINT);
    AfxSetModalResponder(previous);
    EXPECT_TRUE(asked);
    EXPECT_EQ(window->frame(), nullptr);
    EXPECT_EQ(readFile(pdf).rfind("%PDF-", 0), 0u); // the page was printed before the window went
    EXPECT_GT(std::filesystem::file_size(pdf), 10000u);
}

// Print and Copy picture draw the picture again: vectors and text on a page turned as the
// picture is, and the window's size on the clipboard.
TEST_F(DemoWindowTest, PrintAndCopyDrawThePictureAgain) {
    TempDir dir;
    const std::string pdf = dir / "demo.pdf";
    ModalResponder previous = AfxSetModalResponder([&](ModalRequest& r) {
        auto* pd = static_cast<CPrintDialog*>(r.object);
        pd->m_pd.Flags |= PD_PRINTTOFILE;
        pd->m_strPrintToFile = pdf.c_str();
        return int(IDOK);
    });
    run(ID_FILE_PRINT);
    AfxSetModalResponder(previous);
    const std::string page = readFile(pdf);
    EXPECT_EQ(page.find("/Subtype /Image"), std::string::npos);
    EXPECT_NE(page.find("/FontFile2"), std::string::npos);
    float w = 0, h = 0;
    const size_t box = page.find("/MediaBox [0 0 ");
    ASSERT_NE(box, std::string::npos);
    ASSERT_EQ(std::sscanf(page.c_str() + box, "/MediaBox [0 0 %f %f", &w, &h), 2);
    EXPECT_GT(w, h); // the window is wider than tall

    QGuiApplication::clipboard()->clear();
    run(ID_EDIT_COPY);
    CRect client;
    view->GetClientRect(&client);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(client.Width(), client.Height()));
}

} // namespace
