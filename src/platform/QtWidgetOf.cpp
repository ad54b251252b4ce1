#include "platform/QtWidgetOf.h"

#include "platform/wnd_p.h"

QWidget* qWidgetOf(HWND hWnd) {
    return wnd::widgetOf(hWnd);
}
