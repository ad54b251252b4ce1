// What the window benchmarks share: one long signal for a graph, and a shown frame whose pane is
// a view of a given class with a client area of exactly width x height (offscreen).
#pragma once

#include <cmath>
#include <cstdlib>

#include "model/GcGraph.h"
#include "platform/wnd/CFrameWnd.h"

// A slow wave (slow radians a vertex) with a fast ripple over x = 0, 1, ...; the graph owns it.
inline void fillSignal(GcGraph& graph, int vertices, double slow) {
    auto* line = new GcGLine[1];
    auto* v = new Vertex2D[vertices];
    for (int i = 0; i < vertices; ++i)
        v[i] = {double(i), std::sin(i * slow) + 0.1 * std::sin(i * 0.37)};
    int color[3] = {255, 255, 0};
    char name[] = "signal";
    line[0].set(vertices, v, color, name, -1, 0, 1);
    graph.setGLine(1, line);
    graph.setVminVmax(-1.2, 1.2);
    graph.setHminHmax(0, vertices);
}

// The pane, of class viewClass, of frame created and shown; aborts unless its client area is
// width x height, which the benchmarks' pictures assume.
template <class View>
View* openPane(CFrameWnd* frame, CRuntimeClass* viewClass, int width, int height) {
    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    frame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, width, height), nullptr,
                  nullptr, 0, &context);
    auto* view = static_cast<View*>(frame->GetDlgItem(int(AFX_IDW_PANE_FIRST)));
    frame->ShowWindow(SW_SHOW);
    CRect r;
    view->GetClientRect(&r);
    if (r.Width() != width || r.Height() != height) std::abort();
    return view;
}
