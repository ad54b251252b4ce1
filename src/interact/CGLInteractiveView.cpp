#include <ploxen/interact/CGLInteractiveView.h>

#include <cmath>
#include <cstdlib>

#include <ploxen/dialogs/ToolSupport.h>
#include <ploxen/interact/NearestVertex.h>
#include <ploxen/interact/Readout.h>
#include <ploxen/interact/ZoomHistory.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/platform/wnd/CFrameWnd.h>
#include <ploxen/render/PlotLayout.h>
#include <ploxen/render/Renderer.h>

IMPLEMENT_DYNCREATE(CGLInteractiveView, CGLView)

BEGIN_MESSAGE_MAP(CGLInteractiveView, CGLView)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_MBUTTONDOWN()
ON_WM_MBUTTONUP()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
END_MESSAGE_MAP()

namespace {

constexpr int clickSlop = 3;         // a press released this near where it was stays a click
constexpr double nearRadius = 10.0;  // the readout's reach, in pixels
constexpr double wheelFactor = 1.25; // magnification per wheel notch
constexpr int markHalf = 5;          // half the side of the highlight square
// The pointer's work that waits for the queued moves (readout, pan repaint) runs this long
// after the first of them at most, once for the last.
constexpr UINT pointerDelay = 10;
constexpr UINT_PTR pointerTimer = 0x504C;

} // namespace

struct CGLInteractiveView::State {
    enum class Drag { None, Band, Pan } drag = Drag::None;
    CPoint anchor;                  // where the drag began
    bool moved = false;             // a band left the click's square
    std::unique_ptr<XorTrack> band; // the rubber band of a zoom drag
    ZoomState panStart;             // the state a pan began in
    bool space = false;             // Space is held: a left drag pans
    CPoint pointer;                 // the last pointer position, for the waiting work
    bool pointerPending = false;
    ZoomHistory history;
    NearestVertex nearest;
    NearVertex near;
    bool markShown = false; // the highlight square is on the picture at markAt
    CPoint markAt;
    CString readout;
};

CGLInteractiveView::CGLInteractiveView() : m_state(std::make_unique<State>()) {
    SetDpiAware(); // sharp on high-density screens
}

CGLInteractiveView::~CGLInteractiveView() = default;

void CGLInteractiveView::Draw() {
    CGLView::Draw();
    m_state->markShown = false; // the picture is new
    if (m_state->drag == State::Drag::None) m_state->history.record(zoomStateOf(*m_pRenderer));
}

void CGLInteractiveView::OnDraw(CDC* pDC) {
    CGLView::OnDraw(pDC);
    m_state->markShown = false;
    if (m_state->drag == State::Drag::None) m_state->history.record(zoomStateOf(*m_pRenderer));
}

void CGLInteractiveView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    CGLView::OnUpdate(pSender, lHint, pHint);
    m_state->nearest.forget();
}

void CGLInteractiveView::OnReadout(const CString& text) {
    if (CFrameWnd* frame = GetParentFrame()) frame->SetMessageText(text);
}

CString CGLInteractiveView::GetReadout() const {
    return m_state->readout;
}

int CGLInteractiveView::GetNearVertex(int& graph, int& line, int& vertex) const {
    const NearVertex& n = m_state->near;
    if (n.graph < 0) return 0;
    graph = n.graph;
    line = n.line;
    vertex = n.vertex;
    return 1;
}

void CGLInteractiveView::repaint() {
    Init();
    Draw();
}

// One step of the history: the state before it is kept, then the change is made and shown.
template <class Change> void CGLInteractiveView::step(Change change) {
    m_state->history.record(zoomStateOf(*m_pRenderer));
    if (!change()) return;
    repaint();
    schedulePointerWork(); // the readout of the new picture, once the queued input is taken
}

void CGLInteractiveView::ZoomBack() {
    m_state->history.record(zoomStateOf(*m_pRenderer));
    if (const ZoomState* s = m_state->history.back()) {
        setZoomState(*m_pRenderer, *s);
        repaint();
    }
}

void CGLInteractiveView::ZoomForward() {
    if (const ZoomState* s = m_state->history.forward()) {
        setZoomState(*m_pRenderer, *s);
        repaint();
    }
}

void CGLInteractiveView::ZoomHome() {
    step([this] {
        m_pRenderer->resetGraph();
        return true;
    });
}

BOOL CGLInteractiveView::CanZoomBack() const {
    return m_state->history.canBack();
}

BOOL CGLInteractiveView::CanZoomForward() const {
    return m_state->history.canForward();
}

void CGLInteractiveView::ZoomAt(CPoint point, double factorX, double factorY) {
    step([&] { return zoomAround(*m_pRenderer, point.x, point.y, factorX, factorY); });
}

void CGLInteractiveView::PanBy(int dx, int dy) {
    step([&] { return panBy(*m_pRenderer, dx, dy); });
}

// The highlight: a square drawn in exclusive-or with a white pen, so that drawing it again
// takes it away.
void CGLInteractiveView::showMark(bool show) {
    State& s = *m_state;
    if (show == s.markShown || !m_hWnd) return;
    const CPoint c =
        show ? CPoint(PlotLayout::rnd(s.near.px), PlotLayout::rnd(s.near.py)) : s.markAt;
    CClientDC dc(this);
    const int oldRop = dc.SetROP2(R2_XORPEN);
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.MoveTo(c.x - markHalf, c.y - markHalf);
    dc.LineTo(c.x + markHalf, c.y - markHalf);
    dc.LineTo(c.x + markHalf, c.y + markHalf);
    dc.LineTo(c.x - markHalf, c.y + markHalf);
    dc.LineTo(c.x - markHalf, c.y - markHalf);
    dc.SelectObject(oldPen);
    dc.SetROP2(oldRop);
    s.markShown = show;
    s.markAt = c;
}

void CGLInteractiveView::showReadout(CPoint point) {
    State& s = *m_state;
    const NearVertex near = s.nearest.find(*m_pRenderer, point.x, point.y, nearRadius);
    // While a tool waits for the mouse its picture stays as it is: the highlight waits too.
    if (!m_bWaiting) {
        const bool moved =
            near.graph != s.near.graph || near.line != s.near.line || near.vertex != s.near.vertex;
        if (moved || near.graph < 0) showMark(false);
        s.near = near;
        showMark(near.graph >= 0);
    }
    const CString text = readoutText(*m_pRenderer, point.x, point.y, near);
    if (text != s.readout) {
        s.readout = text;
        OnReadout(text);
    }
}

void CALLBACK CGLInteractiveView::onPointerTimer(HWND hWnd, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hWnd, id);
    auto* view = dynamic_cast<CGLInteractiveView*>(CWnd::FromHandlePermanent(hWnd));
    if (!view || !view->m_state->pointerPending) return;
    State& s = *view->m_state;
    s.pointerPending = false;
    if (s.drag == State::Drag::Pan)
        view->panTo(s.pointer);
    else if (s.drag == State::Drag::None)
        view->showReadout(s.pointer);
}

void CGLInteractiveView::OnMouseMove(UINT nFlags, CPoint point) {
    CGLView::OnMouseMove(nFlags, point);
    State& s = *m_state;
    s.pointer = point;
    if (s.drag == State::Drag::Band) {
        s.moved = s.moved || std::abs(point.x - s.anchor.x) > clickSlop ||
                  std::abs(point.y - s.anchor.y) > clickSlop;
        if (s.moved) s.band->rectangle(s.anchor, point);
        return;
    }
    schedulePointerWork();
}

void CGLInteractiveView::schedulePointerWork() {
    if (m_state->pointerPending || !m_hWnd) return;
    m_state->pointerPending = true;
    SetTimer(pointerTimer, pointerDelay, &CGLInteractiveView::onPointerTimer);
}

void CGLInteractiveView::startDrag(bool pan, CPoint point) {
    State& s = *m_state;
    showMark(false);
    s.anchor = s.pointer = point;
    s.moved = false;
    s.history.record(zoomStateOf(*m_pRenderer));
    if (pan) {
        s.drag = State::Drag::Pan;
        s.panStart = zoomStateOf(*m_pRenderer);
        SetCapture();
    } else {
        s.drag = State::Drag::Band;
        s.band = std::make_unique<XorTrack>(this, this);
    }
}

void CGLInteractiveView::panTo(CPoint point) {
    setZoomState(*m_pRenderer, m_state->panStart);
    panBy(*m_pRenderer, point.x - m_state->anchor.x, point.y - m_state->anchor.y);
    repaint();
}

// Ends a drag: a band zooms into its rectangle as the Zoom command does, a pan stays where it
// was moved; without commit both leave the picture as it was before the drag.
void CGLInteractiveView::endDrag(CPoint point, bool commit) {
    State& s = *m_state;
    const State::Drag drag = s.drag;
    s.pointerPending = false;
    if (drag == State::Drag::Band) {
        s.band->erase();
        s.band.reset(); // ends the track: capture, pen and raster mode as they were
        s.drag = State::Drag::None;
        if (commit && s.moved) {
            Init();
            m_pRenderer->zoomGraph(float(s.anchor.x), float(s.anchor.y), float(point.x),
                                   float(point.y));
            Draw();
        }
    } else if (drag == State::Drag::Pan) {
        ReleaseCapture();
        if (commit) {
            panTo(point);
        } else {
            setZoomState(*m_pRenderer, s.panStart);
            repaint();
        }
        s.drag = State::Drag::None;
        if (commit) s.history.record(zoomStateOf(*m_pRenderer));
    }
    // A cancelled drag leaves the pixels exactly as they were: the readout waits for a move.
    if (commit && drag != State::Drag::None && m_hWnd) showReadout(point);
}

void CGLInteractiveView::OnLButtonDown(UINT nFlags, CPoint point) {
    const bool idle = !m_bWaiting && m_state->drag == State::Drag::None;
    if (idle) showMark(false);
    CGLView::OnLButtonDown(nFlags, point); // the press pick, as always
    if (idle && m_hWnd) startDrag(m_state->space, point);
}

void CGLInteractiveView::OnLButtonUp(UINT nFlags, CPoint point) {
    CGLView::OnLButtonUp(nFlags, point);
    if (m_state->drag != State::Drag::None) endDrag(point, true);
}

void CGLInteractiveView::OnRButtonDown(UINT nFlags, CPoint point) {
    if (m_state->drag != State::Drag::None) {
        endDrag(point, false); // cancels, and is no press of its own
        return;
    }
    if (!m_bWaiting) showMark(false);
    CGLView::OnRButtonDown(nFlags, point);
}

void CGLInteractiveView::OnMButtonDown(UINT, CPoint point) {
    if (!m_bWaiting && m_state->drag == State::Drag::None) startDrag(true, point);
    Default();
}

void CGLInteractiveView::OnMButtonUp(UINT, CPoint point) {
    if (m_state->drag == State::Drag::Pan) endDrag(point, true);
    Default();
}

BOOL CGLInteractiveView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
    if (m_bWaiting || m_state->drag != State::Drag::None) return FALSE;
    ScreenToClient(&pt);
    m_state->pointer = pt;
    const double f = std::pow(wheelFactor, zDelta / double(WHEEL_DELTA));
    ZoomAt(pt, nFlags & MK_SHIFT ? 1.0 : f, nFlags & MK_CONTROL ? 1.0 : f);
    return TRUE;
}

void CGLInteractiveView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    State& s = *m_state;
    if (nChar == VK_SPACE) s.space = true;
    if (s.drag != State::Drag::None && !m_bWaiting) {
        if (nChar == VK_ESCAPE) endDrag(s.pointer, false);
        return;
    }
    const GcGraphConfig* cfg = m_pRenderer->getGcGraphConfig();
    if (m_bWaiting || !cfg) return CGLView::OnKeyDown(nChar, nRepCnt, nFlags);
    const PlotRect plot(m_pRenderer->viewport, *cfg);
    const int stepX = int(std::lround(plot.pw / 10)), stepY = int(std::lround(plot.ph / 10));
    switch (nChar) {
    case VK_LEFT: // to what lies left: the picture moves right
        return PanBy(stepX, 0);
    case VK_RIGHT:
        return PanBy(-stepX, 0);
    case VK_UP:
        return PanBy(0, stepY);
    case VK_DOWN:
        return PanBy(0, -stepY);
    case VK_BACK:
        return ZoomBack();
    case VK_HOME:
        return ZoomHome();
    default:
        CGLView::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CGLInteractiveView::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_SPACE) m_state->space = false;
    CGLView::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CGLInteractiveView::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bWaiting && m_state->drag == State::Drag::None && nChar == VK_LEFT) return ZoomBack();
    if (!m_bWaiting && m_state->drag == State::Drag::None && nChar == VK_RIGHT)
        return ZoomForward();
    CGLView::OnSysKeyDown(nChar, nRepCnt, nFlags);
}
