// A command sent to a frame goes to its active view, the view's document, the frame and the
// application, in that order, and stops at the first that handles it.
#include <gtest/gtest.h>
#include <string>

#include "platform/wnd/CDocument.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CView.h"
#include "platform/wnd/CWinApp.h"

namespace {

std::string trail;

enum : UINT { ID_ALL = 100, ID_DOC_FRAME_APP, ID_FRAME_APP, ID_APP, ID_NOBODY };

// Each target records its name for every command it handles.
#define RECORDING_TARGET(name)                                                                     \
    afx_msg void OnRecord() {                                                                      \
        trail += name;                                                                             \
    }

class RoutedView : public CView {
    DECLARE_DYNCREATE(RoutedView)
public:
    void OnDraw(CDC*) override {}
    RECORDING_TARGET("view")
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RoutedView, CView)
BEGIN_MESSAGE_MAP(RoutedView, CView)
ON_COMMAND(ID_ALL, &RoutedView::OnRecord)
END_MESSAGE_MAP()

class RoutedDoc : public CDocument {
public:
    RECORDING_TARGET("doc")
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RoutedDoc, CDocument)
ON_COMMAND(ID_ALL, &RoutedDoc::OnRecord)
ON_COMMAND(ID_DOC_FRAME_APP, &RoutedDoc::OnRecord)
END_MESSAGE_MAP()

// The frame's handler is inherited, and its map names it through the derived class.
class RecordingFrame : public CFrameWnd {
public:
    RECORDING_TARGET("frame")
};
class RoutedFrame : public RecordingFrame {
public:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RoutedFrame, RecordingFrame)
ON_COMMAND(ID_ALL, &RoutedFrame::OnRecord)
ON_COMMAND(ID_DOC_FRAME_APP, &RoutedFrame::OnRecord)
ON_COMMAND(ID_FRAME_APP, &RoutedFrame::OnRecord)
END_MESSAGE_MAP()

class RoutedApp : public CWinApp {
public:
    RoutedApp() : CWinApp("routing") {}
    RECORDING_TARGET("app")
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RoutedApp, CWinApp)
ON_COMMAND(ID_ALL, &RoutedApp::OnRecord)
ON_COMMAND(ID_DOC_FRAME_APP, &RoutedApp::OnRecord)
ON_COMMAND(ID_FRAME_APP, &RoutedApp::OnRecord)
ON_COMMAND(ID_APP, &RoutedApp::OnRecord)
END_MESSAGE_MAP()

TEST(CommandRouting, FrameToViewDocumentFrameThenApplication) {
    RoutedApp app;
    RoutedDoc doc;
    auto* frame = new RoutedFrame; // deletes itself with its window
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(RoutedView);
    ASSERT_TRUE(frame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr,
                              nullptr, 0, &context));
    auto* view = static_cast<CView*>(frame->GetDlgItem(int(AFX_IDW_PANE_FIRST)));
    ASSERT_EQ(frame->GetActiveView(), view); // the pane, with no view made active
    doc.AddView(view);

    const struct {
        UINT id;
        const char* reached;
    } cases[] = {{ID_ALL, "view"},
                 {ID_DOC_FRAME_APP, "doc"},
                 {ID_FRAME_APP, "frame"},
                 {ID_APP, "app"},
                 {ID_NOBODY, ""}};
    for (const auto& c : cases) {
        trail.clear();
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
        EXPECT_EQ(trail, c.reached) << c.id;
        // Asked only who would handle it, nothing runs.
        AFX_CMDHANDLERINFO info{};
        EXPECT_EQ(frame->OnCmdMsg(c.id, 0, nullptr, &info) != 0, *c.reached != 0) << c.id;
        EXPECT_EQ(trail, c.reached) << c.id;
        if (c.id == ID_FRAME_APP) {
            EXPECT_EQ(info.pTarget, static_cast<CCmdTarget*>(frame));
        }
    }

    // A destroyed view is never reached, even after being made active.
    frame->SetActiveView(view);
    doc.RemoveView(view);
    view->DestroyWindow();
    EXPECT_EQ(frame->GetActiveView(), nullptr);
    trail.clear();
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ALL, 0), 0);
    EXPECT_EQ(trail, "frame");
    frame->DestroyWindow();
}

} // namespace
