// A view of class View as the pane of a real frame window (offscreen), and a pump that
// dispatches every queued message.
#pragma once

#include <gtest/gtest.h>

#include "platform/wnd/CFrameWnd.h"

inline void pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

template <class View, CRuntimeClass* viewClass> struct FramedPane : testing::Test {
    void SetUp() override {
        frame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = viewClass;
        ASSERT_TRUE(frame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300),
                                  nullptr, nullptr, 0, &context));
        view = static_cast<View*>(frame->GetDlgItem(int(AFX_IDW_PANE_FIRST)));
        ASSERT_TRUE(view && view->IsKindOf(viewClass));
    }
    void TearDown() override {
        if (frame && frame->m_hWnd) frame->DestroyWindow(); // the frame deletes itself
        delete view;
        pump();
    }
    // Sizes the frame (outer rectangle) so that its client area, which the pane fills, is
    // cx by cy.
    void sizeClient(int cx, int cy) {
        CRect w, c;
        frame->GetWindowRect(&w);
        frame->GetClientRect(&c);
        frame->MoveWindow(w.left, w.top, cx + w.Width() - c.Width(), cy + w.Height() - c.Height());
    }
    CFrameWnd* frame = nullptr;
    View* view = nullptr;
};
