// Windows and messages of the desktop platform: handles, message records, message numbers and
// the calls of the per-thread message queue, with the platform's names and meanings.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/gdi.h>

struct HMENU__;
using HMENU = HMENU__*;
using DWORD_PTR = UINT_PTR;
using LPINT = int*;

#define LOWORD(l) ((WORD)(((UINT_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((UINT_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b)                                                                             \
    ((LONG)(((WORD)(((UINT_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((UINT_PTR)(b)) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKELRESULT(l, h) ((LRESULT)(DWORD)MAKELONG(l, h))
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#define MAKEINTRESOURCEA(i) ((LPSTR)((UINT_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(p) ((((UINT_PTR)(p)) >> 16) == 0)

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
using LPMSG = MSG*;

struct CREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};
using CREATESTRUCT = CREATESTRUCTA;
using LPCREATESTRUCT = CREATESTRUCTA*;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

// Window messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_PARENTNOTIFY = 0x0210;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
// Keys pressed with Alt held (and F10) arrive as system keys; lParam bit 29 says Alt was down.
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
// Virtual-key codes (WM_KEYDOWN's wParam); letters and digits are their upper-case ASCII codes.
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_MOUSEFIRST = 0x0200;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
// wParam: key flags (low word) and the signed wheel distance (high word), in multiples of
// WHEEL_DELTA per notch; lParam: the pointer in screen coordinates.
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_MOUSELAST = 0x020A;
constexpr short WHEEL_DELTA = 120;
#define GET_WHEEL_DELTA_WPARAM(w) ((short)HIWORD(w))
#define GET_KEYSTATE_WPARAM(w) (LOWORD(w))
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// WM_SIZE types.
constexpr UINT SIZE_RESTORED = 0;
constexpr UINT SIZE_MINIMIZED = 1;
constexpr UINT SIZE_MAXIMIZED = 2;

// Mouse message key flags.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

// PeekMessage options.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

constexpr int CW_USEDEFAULT = int(0x80000000);

// Scroll codes of WM_HSCROLL / WM_VSCROLL.
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINELEFT = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_LINERIGHT = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGELEFT = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_PAGERIGHT = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_LEFT = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_RIGHT = 7;
constexpr UINT SB_ENDSCROLL = 8;

// The message queue of the calling thread. Mouse input from Qt is queued in arrival order and is
// never coalesced; messages for a window destroyed meanwhile are dropped.
AFX_EXT_API BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                             UINT wRemoveMsg);
AFX_EXT_API BOOL GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
// Sleeps until Qt has events to deliver, and delivers them, unless a message has been queued
// since PeekMessage or GetMessage last looked at the queue.
AFX_EXT_API BOOL WaitMessage(void);
AFX_EXT_API BOOL TranslateMessage(const MSG* lpMsg);
AFX_EXT_API LRESULT DispatchMessage(const MSG* lpMsg);
AFX_EXT_API BOOL PostMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
AFX_EXT_API LRESULT SendMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
AFX_EXT_API void PostQuitMessage(int nExitCode);

// Timers. A timer of a window posts WM_TIMER (wParam: its ID, lParam: its TIMERPROC) each time
// its interval has passed and none of its WM_TIMER messages is still queued; with a TIMERPROC,
// DispatchMessage calls it instead of the window. SetTimer on a window replaces the timer with
// the same ID; without a window it makes a new ID. Intervals under 10 ms count as 10 ms. A
// window's timers end with the window; KillTimer removes its queued WM_TIMER too.
using TIMERPROC = void(CALLBACK*)(HWND, UINT, UINT_PTR, DWORD);
constexpr UINT USER_TIMER_MINIMUM = 10;
AFX_EXT_API UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
AFX_EXT_API BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);
AFX_EXT_API DWORD GetTickCount();

// Windows.
AFX_EXT_API BOOL IsWindow(HWND hWnd);
AFX_EXT_API BOOL DestroyWindow(HWND hWnd);
AFX_EXT_API BOOL ShowWindow(HWND hWnd, int nCmdShow);
AFX_EXT_API BOOL IsWindowVisible(HWND hWnd);
AFX_EXT_API BOOL EnableWindow(HWND hWnd, BOOL bEnable);
AFX_EXT_API BOOL IsWindowEnabled(HWND hWnd);
AFX_EXT_API BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint);
AFX_EXT_API BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
AFX_EXT_API BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
AFX_EXT_API BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
AFX_EXT_API BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
AFX_EXT_API HWND GetParent(HWND hWnd);
AFX_EXT_API HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
AFX_EXT_API int GetDlgCtrlID(HWND hWnd);
AFX_EXT_API int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
AFX_EXT_API int GetWindowTextLengthA(HWND hWnd);
AFX_EXT_API BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
AFX_EXT_API HWND SetFocus(HWND hWnd);
AFX_EXT_API HWND GetFocus();
AFX_EXT_API HWND SetActiveWindow(HWND hWnd);
AFX_EXT_API HWND GetActiveWindow();
AFX_EXT_API HWND SetCapture(HWND hWnd);
AFX_EXT_API HWND GetCapture();
AFX_EXT_API BOOL ReleaseCapture();

// DPI awareness. A window takes the awareness of its thread's context when it is created
// (whatever its parent's). An unaware window (the default) speaks of pixels of 96 dpi and is
// shown scaled up on a high-density screen; an aware one (system or per-monitor) speaks of the
// screen's device pixels: client area, mouse positions and backing image.
struct DPI_AWARENESS_CONTEXT__;
using DPI_AWARENESS_CONTEXT = DPI_AWARENESS_CONTEXT__*;
#define DPI_AWARENESS_CONTEXT_UNAWARE ((DPI_AWARENESS_CONTEXT)-1)
#define DPI_AWARENESS_CONTEXT_SYSTEM_AWARE ((DPI_AWARENESS_CONTEXT)-2)
#define DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE ((DPI_AWARENESS_CONTEXT)-3)
#define DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 ((DPI_AWARENESS_CONTEXT)-4)
#define DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED ((DPI_AWARENESS_CONTEXT)-5)
constexpr UINT USER_DEFAULT_SCREEN_DPI = 96;
// The previous context; null, changing nothing, for a value that is none of the above.
AFX_EXT_API DPI_AWARENESS_CONTEXT SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT dpiContext);
AFX_EXT_API DPI_AWARENESS_CONTEXT GetThreadDpiAwarenessContext();
AFX_EXT_API DPI_AWARENESS_CONTEXT GetWindowDpiAwarenessContext(HWND hwnd);
// 96 for an unaware window; the screen's dots per inch for an aware one; 0 for no window.
AFX_EXT_API UINT GetDpiForWindow(HWND hwnd);

// Painting: every device context of a window draws into the window's backing image.
AFX_EXT_API BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
AFX_EXT_API BOOL UpdateWindow(HWND hWnd);
AFX_EXT_API HDC GetDC(HWND hWnd);
AFX_EXT_API int ReleaseDC(HWND hWnd, HDC hDC);
AFX_EXT_API HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
AFX_EXT_API BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
