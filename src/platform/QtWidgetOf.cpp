#include <ploxen/platform/QtWidgetOf.h>

#include <ploxen/platform/wnd_p.h>

QWidget* qWidgetOf(HWND hWnd) {
    return wnd::widgetOf(hWnd);
}
