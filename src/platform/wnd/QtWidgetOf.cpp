#include <ploxen/platform/wnd/QtWidgetOf.h>

#include <ploxen/platform/wnd/wnd_p.h>

QWidget* qWidgetOf(HWND hWnd) {
    return wnd::widgetOf(hWnd);
}
