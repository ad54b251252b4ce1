// What the tool dialogs share. runTool: the one loop of their mouse interaction, feeding the
// view's events to a gesture, one small state machine per tool. XorTrack: their pointer feedback,
// cross-hairs, rubber-band rectangles and text boxes drawn in exclusive-or with a white 1-pixel pen
// on a client device context of a graph view, while the view holds the mouse capture. Drawing a
// shape a second time restores the pixels, so at most one shape is shown: each new one first erases
// the previous. While a track lives its dialog's tool runs: cancelTool ends it.
#pragma once

#include <ploxen/platform/gdi/CGdiObject.h>
#include <ploxen/platform/wnd/CClientDC.h>

class CGLView;
class CWnd;

// Ends the tool that dialog runs, if one does, as a right press in the view does: for Escape
// and for closing the dialog while its tool waits for the mouse.
void cancelTool(const CWnd* dialog);

class XorTrack {
public:
    // Client DC on the view, R2_XORPEN, the white pen, capture to the view; for the tool that
    // dialog runs.
    XorTrack(CGLView* view, const CWnd* dialog);
    XorTrack(const XorTrack&) = delete;
    XorTrack& operator=(const XorTrack&) = delete;
    // Ends the tracking if end() was not called; the pen goes before the device context.
    ~XorTrack();

    // Releases the capture, selects the previous pen and raster mode again (once).
    void end();
    CDC* dc() { return &m_dc; }

    // Erase the shape shown, if any, then show the new one.
    void crosshair(CPoint p, const CRect& client);
    void rectangle(CPoint anchor, CPoint p);
    void box(CPoint topLeft, CSize size);
    // Draws the shown shape again, so that none is shown.
    void erase();

private:
    friend void cancelTool(const CWnd* dialog);
    enum class Shape { None, Crosshair, Rectangle, Box };
    void draw();

    CGLView* m_view;
    const CWnd* m_dialog;
    CClientDC m_dc;
    CPen m_pen;
    CPen* m_oldPen = nullptr;
    int m_oldRop = 0;
    bool m_ended = false;
    Shape m_shown = Shape::None;
    CPoint m_a, m_b; // crosshair: point, -; rectangle: anchor, corner; box: corner, size
    CRect m_client;  // the rectangle a crosshair spans
};

// One interaction of a tool with the pointer over the view, fed by runTool: each state answers a
// pointer move with feedback on the track, and a left press with its next state.
class ToolGesture {
public:
    virtual ~ToolGesture() = default;
    // Before the first event, on the track's device context.
    virtual void begin(CDC&) {}
    // A cross-hair follows the pointer, unless the gesture shows another shape.
    virtual void move(XorTrack& track, CPoint point, const CRect& client) {
        track.crosshair(point, client);
    }
    // A left press, the shape shown erased; true when it completes the gesture.
    virtual bool press(XorTrack& track, CPoint point, const CRect& client) = 0;
    // After the completing press, on the track's device context, the track ended.
    virtual void complete(CDC&) {}
};

// Runs dialog's tool on view: takes the dialog's fields from its controls (nothing runs when
// they do not validate), then feeds the view's mouse events to gesture on a track until a left
// press completes it (true). A right press, also the one cancelTool sends, or the view's window
// going cancels it with the shape shown erased (false). Button releases are ignored.
bool runTool(CWnd& dialog, CGLView* view, ToolGesture& gesture);

class GcGraphConfig;
struct Vertex2D;

// The configuration of the view's renderer; null without a view or without one.
const GcGraphConfig* configOf(const CGLView* view);

// Vertex i of line l of graph g, or null when a pick's indices fall outside the configuration.
const Vertex2D* vertexAt(const GcGraphConfig& cfg, int g, int l, int i);

// The dialog's fields to its controls (FALSE) or back (TRUE), when its window exists: a tool
// dialog may run before its window was made.
BOOL exchangeIfOpen(CWnd& dialog, BOOL save);
