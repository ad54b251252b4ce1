// A graph view that answers the pointer and the keys as users of other plotting tools expect,
// beside everything CGLView does: a left drag zooms into the rubber band on release, the wheel
// zooms around the pointer, a middle drag (or a left drag with Space held) and the arrow keys
// move the picture, Back, Forward and Home walk the zoom history, and a readout follows the
// pointer (data coordinates and the nearest vertex within 10 pixels, highlighted) in the frame's
// status bar. Hosts derive their view from it instead of CGLView to have all of this.
//
// Keys (the view has the keyboard after a click in it): arrows move by a tenth of the plot,
// Backspace or Alt+Left go back, Alt+Right forward, Home to the full view; Escape or a right
// press cancel a drag. The wheel zooms by 1.25 a notch, horizontally only with Ctrl and
// vertically only with Shift. While a tool dialog waits for the mouse, the view does exactly
// what CGLView does.
#pragma once

#include <memory>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/view/CGLView.h>

class AFX_EXT_CLASS CGLInteractiveView : public CGLView {
    DECLARE_DYNCREATE(CGLInteractiveView)
public:
    // The zoom history: every zoom, pan and Home is a step, also those of the Zoom and Unzoom
    // commands. Each call repaints.
    void ZoomBack();
    void ZoomForward();
    // The full view, as Unzoom, recorded as one more step.
    void ZoomHome();
    BOOL CanZoomBack() const;
    BOOL CanZoomForward() const;
    // Magnifies by the factors around a client point (above 1: closer), one step.
    void ZoomAt(CPoint point, double factorX, double factorY);
    // Moves the picture dx pixels right and dy pixels down, one step.
    void PanBy(int dx, int dy);

    // The readout last shown, and the vertex it highlights: 1 with its indices, else 0.
    CString GetReadout() const;
    int GetNearVertex(int& graph, int& line, int& vertex) const;

protected:
    CGLInteractiveView();
    ~CGLInteractiveView() override;

    void Draw() override;
    void OnDraw(CDC* pDC) override;
    // Also forgets what the readout knows of the series (they may have changed in place).
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    // Shows the readout text; by default in the first pane of the parent frame's status bar.
    virtual void OnReadout(const CString& text);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    struct State;
    std::unique_ptr<State> m_state;

    // The pointer's work (readout, pan repaint) waits for the queued input: it runs once, for
    // the last position, a moment after it is asked for.
    void schedulePointerWork();
    static void CALLBACK onPointerTimer(HWND, UINT, UINT_PTR, DWORD);
    template <class Change> void step(Change change);
    void repaint();
    void startDrag(bool pan, CPoint point);
    void endDrag(CPoint point, bool commit);
    void panTo(CPoint point);
    void showReadout(CPoint point);
    void showMark(bool show);
};
