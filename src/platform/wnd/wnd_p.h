// Internal side of windows: what a window handle stands for. Handles are numbers from a table,
// never addresses, and are never reused, so a stale handle is simply not found.
#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include <ploxen/platform/afx/AnsiText_p.h>
#include <ploxen/platform/gdi/gdi_p.h>
#include <ploxen/platform/wnd/messages.h>

class CWnd;
class QButtonGroup;

namespace wnd {

// What a window is on the Qt side; decides its default window procedure.
enum class Kind { Generic, Dialog, Button, Edit, Static, ListBox, Slider, ListView, StatusBar };

struct Window {
    HWND hwnd = nullptr;
    CWnd* wnd = nullptr;      // the wrapper that receives its messages
    bool ownsWrapper = false; // the framework made the wrapper and deletes it with the window
    Kind kind = Kind::Generic;
    QPointer<QWidget> widget;
    HWND parent = nullptr;
    std::vector<HWND> children; // in creation order, which is also the tab order
    UINT id = 0;
    DWORD style = 0;
    bool destroying = false;
    // Painting: the backing image that every device context of the window draws into.
    std::shared_ptr<gdi::Surface> surface;
    bool dirty = true;     // needs WM_PAINT before the image is shown
    bool erase = true;     // WM_ERASEBKGND is due at the next BeginPaint
    SIZE clientSize{0, 0}; // in device pixels when the window is DPI-aware
    bool dpiAware = false;
    bool sized = false; // WM_SIZE was sent
    // Dialogs: dialog base units of the dialog's font.
    int baseX = 0, baseY = 0;
    bool modal = false;
    bool ended = false;
    int result = 0;
    // Controls: programmatic changes send no notifications.
    int quiet = 0;
    int sliderCode = -1; // the last slider action, for WM_HSCROLL
};

Window* find(HWND h);
// Makes a table entry and a handle for wnd; the widget comes later.
Window* add(CWnd* wnd, Kind kind, HWND parent, UINT id, DWORD style);
void setWidget(Window* w, QWidget* widget);
// Kind of window from the platform's class name (Generic for anything else).
Kind kindOf(LPCSTR className);
// Makes the Qt widget of a window of a control kind or a generic window, as a child of parent
// (top level when parent is null).
QWidget* makeWidget(Window* w, LPCSTR text, QWidget* parent);
// The default procedure of each kind: what DefWindowProc does.
LRESULT defProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT controlProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled);
// The status bar control's widget and messages.
QWidget* makeStatusBar(QWidget* parent);
LRESULT statusBarProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled);
// Sends a message to a window's wrapper, making it the message CWnd::Default continues.
LRESULT send(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
// The message being handled on this thread (for CWnd::Default).
const MSG& currentMessage();
// Forgets a destroyed window: its handle is never found again.
void remove(HWND h);
// Device pixels per Qt pixel of a DPI-aware window (1 for others), and a size in Qt pixels as
// the window's own pixels.
qreal deviceScale(const Window* w);
// Whether windows the thread creates now are DPI-aware.
bool threadDpiAware();
QSize clientPixels(const Window* w, QSize size);
// Makes or resizes the backing image.
void resizeSurface(Window* w, QSize size);
// The client size changed (creation, MoveWindow, the user): new backing image, WM_SIZE.
void clientSizeChanged(Window* w, QSize size);
// Notifies the parent of a control: WM_COMMAND with the control's ID and the code.
void notifyParent(Window* w, UINT code);
// Puts a mouse message in the queue (Qt input).
void postInput(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
// Runs task from Qt's own event loop once no loop of the program's own (PeekMessage,
// GetMessage) is letting Qt deliver events: for objects still in use by such a loop.
void runWhenIdle(std::function<void()> task);
// The widget of a window, for the platform layer and tests (null for a stale handle).
QWidget* widgetOf(HWND h);
// The window a widget (or the nearest of its ancestors) belongs to.
HWND hwndOf(const QWidget* widget);
// Offers msg to PreTranslateMessage of its window and then of each parent; true when one took it.
bool preTranslate(MSG& msg);
// Destroys every window under h (children and owned windows) that runs its own modal loop.
void destroyAwaited(HWND h);
// Ends a dialog's modal loop or hides a modeless one.
void endDialog(Window* w, int result);

} // namespace wnd
