// The platform's calls on window handles: state, geometry, text, focus, capture, destruction.
#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <cmath>
#include <cstring>
#include <utility>

#include <ploxen/platform/wnd/CWnd.h>
#include <ploxen/platform/wnd/wnd_p.h>

using namespace wnd;

namespace {

HWND focusHwnd = nullptr;
HWND captureHwnd = nullptr;

// Follows Qt's focus changes, so that GetFocus also knows what the user focused.
void trackFocus() {
    static bool connected = false;
    if (connected || !qApp) return;
    connected = true;
    QObject::connect(qApp, &QApplication::focusChanged, [](QWidget*, QWidget* now) {
        if (HWND h = hwndOf(now)) focusHwnd = h;
    });
}

} // namespace

namespace wnd {

void endDialog(Window* w, int result) {
    w->ended = true;
    w->result = result;
    if (auto* d = qobject_cast<QDialog*>(w->widget.data()); d && w->modal)
        d->QDialog::done(result);
    else if (w->widget)
        w->widget->hide();
}

bool preTranslate(MSG& msg) {
    for (const Window* w = find(msg.hwnd); w;) {
        const HWND parent = w->parent; // read first: the call may destroy the window
        if (w->wnd && w->wnd->PreTranslateMessage(&msg)) return true;
        w = find(parent);
    }
    return false;
}

void destroyAwaited(HWND h) {
    const Window* w = find(h);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND c : children) {
        if (const Window* child = find(c);
            child && child->wnd && child->wnd->m_nFlags & WF_MODALLOOP)
            DestroyWindow(c);
        else
            destroyAwaited(c);
    }
}

} // namespace wnd

BOOL IsWindow(HWND hWnd) {
    return find(hWnd) != nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
    Window* w = find(hWnd);
    if (!w || w->destroying) return FALSE;
    w->destroying = true;
    if (captureHwnd == hWnd) ReleaseCapture();
    send(hWnd, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = find(hWnd)->children;
    for (HWND c : children) DestroyWindow(c);
    w = find(hWnd);
    if (w->modal && !w->ended) endDialog(w, -1);
    QPointer<QWidget> widget = w->widget;
    CWnd* wrapper = w->wnd;
    const bool owns = w->ownsWrapper;
    send(hWnd, WM_NCDESTROY, 0, 0);
    remove(hWnd);
    if (focusHwnd == hWnd) focusHwnd = nullptr;
    if (widget) {
        // Deleted later: the window may be going away from inside one of its own Qt events.
        widget->hide();
        widget->deleteLater();
    }
    if (owns) delete wrapper;
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    QWidget* q = widgetOf(hWnd);
    if (!q) return FALSE;
    const BOOL wasVisible = !q->isHidden();
    switch (nCmdShow) {
    case SW_HIDE:
        q->hide();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        q->isWindow() ? q->showMinimized() : q->show();
        break;
    case SW_SHOWMAXIMIZED:
        q->isWindow() ? q->showMaximized() : q->show();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        q->isWindow() ? q->showNormal() : q->show();
        break;
    default:
        q->show();
        break;
    }
    if (q->isWindow() && nCmdShow != SW_HIDE && nCmdShow != SW_SHOWNA &&
        nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWMINNOACTIVE && hasDisplay()) {
        q->raise();
        q->activateWindow();
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    QWidget* q = widgetOf(hWnd);
    return q && q->isVisible();
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    QWidget* q = widgetOf(hWnd);
    if (!q) return FALSE;
    const BOOL wasDisabled = q->testAttribute(Qt::WA_ForceDisabled);
    q->setEnabled(bEnable);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
    QWidget* q = widgetOf(hWnd);
    return q && !q->testAttribute(Qt::WA_ForceDisabled);
}

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL) {
    Window* w = find(hWnd);
    if (!w || !w->widget) return FALSE;
    QWidget* q = w->widget;
    const QSize outer(std::max(nWidth, 0), std::max(nHeight, 0));
    if (q->isWindow()) {
        // The outer rectangle in screen coordinates, as GetWindowRect gives it: the client area
        // is smaller by the frame (none before the window manager has framed the window).
        const QSize client = (outer - (q->frameGeometry().size() - q->size())).expandedTo({0, 0});
        if (q->minimumSize() == q->maximumSize())
            q->setFixedSize(client); // a dialog the user may not size: the program may
        else
            q->resize(client);
        q->move(x, y);
    } else {
        // A child has no non-client area here; the position is in its parent's client area.
        q->setGeometry(QRect(QPoint(x, y), outer));
    }
    if ((w = find(hWnd)) && w->widget) clientSizeChanged(w, w->widget->size());
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    QWidget* q = widgetOf(hWnd);
    if (!q || !lpRect) return FALSE;
    const QSize size = clientPixels(find(hWnd), q->size());
    *lpRect = RECT{0, 0, size.width(), size.height()};
    return TRUE;
}

namespace {
thread_local DPI_AWARENESS_CONTEXT threadDpiContext = DPI_AWARENESS_CONTEXT_UNAWARE;
} // namespace

bool wnd::threadDpiAware() {
    return threadDpiContext != DPI_AWARENESS_CONTEXT_UNAWARE &&
           threadDpiContext != DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED;
}

DPI_AWARENESS_CONTEXT SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT dpiContext) {
    const auto value = reinterpret_cast<INT_PTR>(dpiContext);
    if (value < -5 || value > -1) return nullptr;
    return std::exchange(threadDpiContext, dpiContext);
}

DPI_AWARENESS_CONTEXT GetThreadDpiAwarenessContext() {
    return threadDpiContext;
}

DPI_AWARENESS_CONTEXT GetWindowDpiAwarenessContext(HWND hwnd) {
    const Window* w = find(hwnd);
    if (!w) return nullptr;
    return w->dpiAware ? DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 : DPI_AWARENESS_CONTEXT_UNAWARE;
}

UINT GetDpiForWindow(HWND hwnd) {
    const Window* w = find(hwnd);
    return w ? UINT(std::lround(USER_DEFAULT_SCREEN_DPI * deviceScale(w))) : 0;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    QWidget* q = widgetOf(hWnd);
    if (!q || !lpRect) return FALSE;
    const QRect r =
        q->isWindow() ? q->frameGeometry() : QRect(q->mapToGlobal(QPoint(0, 0)), q->size());
    *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    QWidget* q = widgetOf(hWnd);
    if (!q || !lpPoint) return FALSE;
    // Screen coordinates stay those of unaware windows; an aware client speaks device pixels.
    const qreal scale = deviceScale(find(hWnd));
    const QPoint p = q->mapToGlobal(QPointF(lpPoint->x, lpPoint->y) / scale).toPoint();
    *lpPoint = POINT{p.x(), p.y()};
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    QWidget* q = widgetOf(hWnd);
    if (!q || !lpPoint) return FALSE;
    const QPoint p =
        (q->mapFromGlobal(QPointF(lpPoint->x, lpPoint->y)) * deviceScale(find(hWnd))).toPoint();
    *lpPoint = POINT{p.x(), p.y()};
    return TRUE;
}

HWND GetParent(HWND hWnd) {
    Window* w = find(hWnd);
    return w && find(w->parent) ? w->parent : nullptr;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Window* d = find(hDlg);
    if (!d) return nullptr;
    for (HWND c : d->children)
        if (Window* w = find(c); w && (w->style & WS_CHILD) && int(w->id) == nIDDlgItem) return c;
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    Window* w = find(hWnd);
    return w && (w->style & WS_CHILD) ? int(w->id) : 0;
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (!lpString || nMaxCount <= 0) return 0;
    lpString[0] = '\0';
    return int(send(hWnd, WM_GETTEXT, WPARAM(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthA(HWND hWnd) {
    return int(send(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    return find(hWnd) ? BOOL(send(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString))) : FALSE;
}

HWND SetFocus(HWND hWnd) {
    trackFocus();
    const HWND previous = GetFocus();
    QWidget* q = widgetOf(hWnd);
    if (!q) return previous;
    focusHwnd = hWnd;
    if (q->window()->isVisible()) q->window()->activateWindow();
    q->setFocus(Qt::OtherFocusReason);
    return previous;
}

HWND GetFocus() {
    trackFocus();
    return find(focusHwnd) ? focusHwnd : nullptr;
}

HWND SetActiveWindow(HWND hWnd) {
    const HWND previous = GetActiveWindow();
    if (QWidget* q = widgetOf(hWnd); q && hasDisplay()) {
        q->window()->raise();
        q->window()->activateWindow();
    }
    return previous;
}

HWND GetActiveWindow() {
    return hwndOf(QApplication::activeWindow());
}

HWND SetCapture(HWND hWnd) {
    const HWND previous = GetCapture();
    QWidget* q = widgetOf(hWnd);
    if (!q) return previous;
    if (QWidget* old = widgetOf(captureHwnd); old && old != q) old->releaseMouse();
    captureHwnd = hWnd;
    if (q->isVisible()) q->grabMouse();
    return previous;
}

HWND GetCapture() {
    return find(captureHwnd) ? captureHwnd : nullptr;
}

BOOL ReleaseCapture() {
    if (QWidget* q = widgetOf(captureHwnd)) q->releaseMouse();
    captureHwnd = nullptr;
    return TRUE;
}
