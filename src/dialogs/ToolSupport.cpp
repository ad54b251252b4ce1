#include <ploxen/dialogs/ToolSupport.h>

#include <vector>

#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/render/Renderer.h>
#include <ploxen/view/CGLView.h>

namespace {
thread_local std::vector<const XorTrack*> running; // the tracks of the tools running now
}

XorTrack::XorTrack(CGLView* view, const CWnd* dialog)
    : m_view(view), m_dialog(dialog), m_dc(view), m_pen(PS_SOLID, 1, RGB(255, 255, 255)) {
    m_oldRop = m_dc.SetROP2(R2_XORPEN);
    m_oldPen = m_dc.SelectObject(&m_pen);
    view->SetCapture();
    running.push_back(this);
}

XorTrack::~XorTrack() {
    std::erase(running, this);
    end();
}

void cancelTool(const CWnd* dialog) {
    for (const XorTrack* t : running)
        if (t->m_dialog == dialog && t->m_view->GetSafeHwnd()) {
            // Nested runs of the same tool all end at this one press.
            t->m_view->SendMessage(WM_RBUTTONDOWN, 0, 0);
            return;
        }
}

void XorTrack::end() {
    if (m_ended) return;
    m_ended = true;
    ReleaseCapture();
    m_dc.SelectObject(m_oldPen);
    m_dc.SetROP2(m_oldRop);
}

void XorTrack::draw() {
    switch (m_shown) {
    case Shape::Crosshair:
        m_dc.MoveTo(m_client.left, m_a.y);
        m_dc.LineTo(m_client.right, m_a.y);
        m_dc.MoveTo(m_a.x, m_client.bottom);
        m_dc.LineTo(m_a.x, m_client.top);
        break;
    case Shape::Rectangle:
        m_dc.MoveTo(m_a.x, m_a.y);
        m_dc.LineTo(m_a.x, m_b.y);
        m_dc.LineTo(m_b.x, m_b.y);
        m_dc.LineTo(m_b.x, m_a.y);
        m_dc.LineTo(m_a.x, m_a.y);
        break;
    case Shape::Box:
        m_dc.MoveTo(m_a.x, m_a.y);
        m_dc.LineTo(m_a.x + m_b.x, m_a.y);
        m_dc.LineTo(m_a.x + m_b.x, m_a.y + m_b.y);
        m_dc.LineTo(m_a.x, m_a.y + m_b.y);
        m_dc.LineTo(m_a.x, m_a.y);
        break;
    case Shape::None:
        break;
    }
}

void XorTrack::erase() {
    draw();
    m_shown = Shape::None;
}

void XorTrack::crosshair(CPoint p, const CRect& client) {
    erase();
    m_shown = Shape::Crosshair;
    m_a = p;
    m_client = client;
    draw();
}

void XorTrack::rectangle(CPoint anchor, CPoint p) {
    erase();
    m_shown = Shape::Rectangle;
    m_a = anchor;
    m_b = p;
    draw();
}

void XorTrack::box(CPoint topLeft, CSize size) {
    erase();
    m_shown = Shape::Box;
    m_a = topLeft;
    m_b = CPoint(size.cx, size.cy);
    draw();
}

bool runTool(CWnd& dialog, CGLView* view, ToolGesture& gesture) {
    if (!exchangeIfOpen(dialog, TRUE)) return false;
    XorTrack track(view, &dialog);
    gesture.begin(*track.dc());
    CPoint point;
    CRect rect;
    for (;;) {
        const CGLView::EVENTTYPE event = view->GetEvent(point, rect);
        if (!view->GetSafeHwnd() || event == CGLView::EV_RBUTTONDOWN) {
            track.erase();
            return false;
        }
        if (event == CGLView::EV_MOUSEMOVE) gesture.move(track, point, rect);
        if (event != CGLView::EV_LBUTTONDOWN) continue;
        track.erase();
        if (gesture.press(track, point, rect)) {
            track.end();
            gesture.complete(*track.dc());
            return true;
        }
    }
}

BOOL exchangeIfOpen(CWnd& dialog, BOOL save) {
    return dialog.GetSafeHwnd() ? dialog.UpdateData(save) : TRUE;
}

const GcGraphConfig* configOf(const CGLView* view) {
    return view ? view->GetRenderer()->getGcGraphConfig() : nullptr;
}

const Vertex2D* vertexAt(const GcGraphConfig& cfg, int g, int l, int i) {
    if (g < 0 || g >= cfg.ngraph || !cfg.graph) return nullptr;
    const GcGraph& graph = cfg.graph[g];
    if (l < 0 || l >= graph.nline || !graph.line) return nullptr;
    const GcGLine& line = graph.line[l];
    if (i < 0 || i >= line.nvertex || !line.vertex) return nullptr;
    return &line.vertex[i];
}
