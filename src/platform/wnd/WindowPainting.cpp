// Painting of windows: the backing image of each window, invalidation and WM_PAINT, and the
// device contexts that draw into the image.
#include <QPainter>

#include <ploxen/platform/wnd/wnd_p.h>

using namespace wnd;

namespace wnd {

qreal deviceScale(const Window* w) {
    return w->dpiAware && w->widget ? w->widget->devicePixelRatioF() : 1.0;
}

QSize clientPixels(const Window* w, QSize size) {
    const qreal scale = deviceScale(w);
    return scale == 1 ? size : (QSizeF(size) * scale).toSize();
}

void resizeSurface(Window* w, QSize size) {
    size = clientPixels(w, size);
    if (!w->surface) {
        w->surface = std::make_shared<gdi::Surface>();
        const HWND h = w->hwnd;
        w->surface->onDraw = [h] {
            if (QWidget* widget = widgetOf(h)) widget->update();
        };
    }
    if (w->surface->image.isNull() || w->surface->image.size() != size.expandedTo(QSize(1, 1))) {
        // The old picture stays in the new image's corner until the next paint replaces it.
        QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        image.fill(Qt::white);
        gdi::Surface& s = *w->surface;
        s.end();
        if (!s.image.isNull()) QPainter(&image).drawImage(0, 0, s.image);
        s.image = image;
    }
}

void clientSizeChanged(Window* w, QSize size) {
    size = size.expandedTo(QSize(0, 0));
    resizeSurface(w, size);
    size = clientPixels(w, size);
    if (w->sized && w->clientSize.cx == size.width() && w->clientSize.cy == size.height()) return;
    w->sized = true;
    w->clientSize = SIZE{size.width(), size.height()};
    w->dirty = w->erase = true;
    if (w->widget) w->widget->update();
    send(w->hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.width(), size.height()));
}

} // namespace wnd

BOOL InvalidateRect(HWND hWnd, const RECT*, BOOL bErase) {
    Window* w = find(hWnd);
    if (!w) return FALSE;
    w->dirty = true;
    w->erase = w->erase || bErase;
    if (w->widget) w->widget->update();
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    Window* w = find(hWnd);
    if (!w) return FALSE;
    if (w->dirty && w->widget && w->widget->isVisible()) send(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

HDC GetDC(HWND hWnd) {
    Window* w = find(hWnd);
    if (hWnd && (!w || !w->surface)) return nullptr;
    std::shared_ptr<gdi::Surface> surface = w ? w->surface : nullptr;
    if (!surface) { // the screen: a device context to measure with
        surface = std::make_shared<gdi::Surface>();
        surface->image = QImage(1, 1, QImage::Format_RGB32);
    }
    return gdi::createSurfaceDC(std::move(surface), false);
}

int ReleaseDC(HWND, HDC hDC) {
    return DeleteDC(hDC);
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* w = find(hWnd);
    if (!w || !w->surface || !lpPaint) return nullptr;
    HDC dc = GetDC(hWnd);
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = dc;
    lpPaint->rcPaint = RECT{0, 0, w->clientSize.cx, w->clientSize.cy};
    w->dirty = false;
    if (w->erase) {
        w->erase = false;
        lpPaint->fErase = send(hWnd, WM_ERASEBKGND, WPARAM(dc), 0) == 0;
    }
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* lpPaint) {
    if (lpPaint) DeleteDC(lpPaint->hdc);
    return TRUE;
}
