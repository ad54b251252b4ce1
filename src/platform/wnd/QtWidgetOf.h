// For hosts written with Qt: every window of the library is a QWidget, which a Qt host may
// place in its own layouts, docks or main window (as the central widget, say). The widget
// stays the window's: destroying the window deletes it, so take it back out of a Qt
// container (takeCentralWidget and the like) before the window goes, or let it go with it.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

class QWidget;

// The widget of a window, or null when the handle names no window.
AFX_EXT_API QWidget* qWidgetOf(HWND hWnd);
