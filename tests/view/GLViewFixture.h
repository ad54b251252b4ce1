// A graph view in a real frame window (offscreen), with one red horizontal series the view
// owns, and readers for its pixels.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FramedPane.h"
#include "dialogs/CDrawCommentDlg.h"
#include "dialogs/CEraseCommentDlg.h"
#include "dialogs/CInquirePointDlg.h"
#include "dialogs/CInquireStatisticsDlg.h"
#include "dialogs/CViewing2dDlg.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/QtWidgetOf.h"
#include "render/Renderer.h"
#include "view/CGLView.h"

namespace view_test {

// Opens the protected parts to the tests; outlives its window so tests can look afterwards.
class CGLTestView : public CGLView {
    DECLARE_DYNCREATE(CGLTestView)
public:
    using CGLView::DeleteGcContents;
    using CGLView::m_bmi;
    using CGLView::m_bWaiting;
    using CGLView::m_config;
    using CGLView::m_cx;
    using CGLView::m_cy;
    using CGLView::m_graph;
    using CGLView::m_hDIB;
    using CGLView::m_hMemDC;
    using CGLView::m_hPalette;
    using CGLView::m_pBits;
    using CGLView::m_pDC;
    using CGLView::m_pDrawCommentDlg;
    using CGLView::m_pEraseCommentDlg;
    using CGLView::m_picked;
    using CGLView::m_pickedGraph;
    using CGLView::m_pickedLine;
    using CGLView::m_pInquirePointDlg;
    using CGLView::m_pInquireStatisticsDlg;
    using CGLView::m_pRenderer;
    using CGLView::m_pViewing2dDlg;
    using CGLView::OnBackColorBlack;
    using CGLView::OnBackColorWhite;
    using CGLView::OnFilePrint;
    using CGLView::OnPreparePrinting;
    using CGLView::OnPrint;
    using CGLView::OnUnzoomGraph;
    using CGLView::OnUpdate;
    using CGLView::OnZoomGraph;
    using CGLView::SetupLogicalPalette;
    CGLTestView() = default;
    ~CGLTestView() override { ++destroyed; }
    bool keep = true; // survive the window
    static inline int destroyed = 0;

    // One red series from (0, 0.5) to (1, 0.5), allocated as a host does and handed over.
    void addSeries() {
        auto* line = new GcGLine[1];
        auto* v = new Vertex2D[2]{{0.0, 0.5}, {1.0, 0.5}};
        int red[3] = {255, 0, 0};
        char name[] = "s";
        line[0].set(2, v, red, name, -1, 0, 1);
        m_graph[0].setGLine(1, line);
    }

protected:
    void PostNcDestroy() override {
        if (!keep) CGLView::PostNcDestroy();
    }
};

struct FramedView : FramedPane<CGLTestView, RUNTIME_CLASS(CGLTestView)> {
    void SetUp() override {
        FramedPane::SetUp();
        frame->ShowWindow(SW_SHOW);
        pump();
    }
    CRect client() const {
        CRect r;
        view->GetClientRect(&r);
        return r;
    }
    COLORREF pixel(int x, int y) const {
        CClientDC dc(view);
        return dc.GetPixel(x, y);
    }
    // The first pixel of the given colour in the middle column, from the top.
    CPoint findInMiddle(COLORREF c) const {
        CClientDC dc(view);
        const CRect r = client();
        for (int y = 0; y < r.bottom; ++y)
            if (dc.GetPixel(r.right / 2, y) == c) return {r.right / 2, y};
        return {-1, -1};
    }
    void post(UINT msg, int x, int y) {
        ASSERT_TRUE(PostMessage(view->m_hWnd, msg, 0, MAKELPARAM(x, y)));
    }
};

} // namespace view_test
