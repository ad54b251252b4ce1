#include <ploxen/platform/wnd/WndWidget.h>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <ploxen/platform/wnd/wnd_p.h>

namespace wnd {

WndWidget::WndWidget(HWND h, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_hwnd(h) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void WndWidget::paintEvent(QPaintEvent*) {
    Window* w = wnd::find(m_hwnd);
    if (!w || !w->surface) return;
    // What WM_PAINT draws is shown right below: it need not ask for another paint.
    w->surface->drawnSinceShown = true;
    if (w->dirty) send(m_hwnd, WM_PAINT, 0, 0);
    if (!(w = wnd::find(m_hwnd))) return; // destroyed while painting
    QPainter p(this);
    const QImage& image = w->surface->image;
    if (w->dpiAware) // one image pixel a device pixel
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) / deviceScale(w)), image);
    else
        p.drawImage(0, 0, image);
    w->surface->drawnSinceShown = false;
}

void WndWidget::resizeEvent(QResizeEvent* e) {
    if (Window* w = wnd::find(m_hwnd)) clientSizeChanged(w, e->size());
}

WPARAM mouseFlags(const QSinglePointEvent* e) {
    WPARAM f = 0;
    const Qt::MouseButtons b = e->buttons();
    if (b & Qt::LeftButton) f |= MK_LBUTTON;
    if (b & Qt::RightButton) f |= MK_RBUTTON;
    if (b & Qt::MiddleButton) f |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier) f |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier) f |= MK_CONTROL;
    return f;
}

void WndWidget::post(UINT msg, QMouseEvent* e) {
    const Window* w = wnd::find(m_hwnd);
    const QPoint p = (e->position() * (w ? deviceScale(w) : 1.0)).toPoint();
    postInput(m_hwnd, msg, mouseFlags(e), MAKELPARAM(p.x(), p.y()));
}

namespace {

UINT downMessage(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return WM_LBUTTONDOWN;
    case Qt::RightButton:
        return WM_RBUTTONDOWN;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN;
    default:
        return 0;
    }
}

} // namespace

void WndWidget::mousePressEvent(QMouseEvent* e) {
    if (UINT m = downMessage(e->button())) post(m, e);
}

// The double-click messages follow the down messages by two.
void WndWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    if (UINT m = downMessage(e->button())) post(m + 2, e);
}

void WndWidget::mouseReleaseEvent(QMouseEvent* e) {
    // The up messages follow the down messages by one.
    if (UINT m = downMessage(e->button())) post(m + 1, e);
}

void WndWidget::mouseMoveEvent(QMouseEvent* e) {
    post(WM_MOUSEMOVE, e);
}

void WndWidget::wheelEvent(QWheelEvent* e) {
    // A vertical wheel, or a horizontal one where Qt turns the vertical one (Alt held).
    const QPoint angle = e->angleDelta();
    const int delta = angle.y() ? angle.y() : angle.x();
    if (!delta) return;
    const WPARAM flags = mouseFlags(e);
    const QPoint p = e->globalPosition().toPoint();
    postInput(m_hwnd, WM_MOUSEWHEEL, MAKEWPARAM(flags, delta), MAKELPARAM(p.x(), p.y()));
    // Qt passes it on to the parent as well, as the platform's default processing does: a
    // window that does nothing with the wheel leaves it to what holds it (a scroll area).
    e->ignore();
}

namespace {

UINT virtualKey(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return UINT(key); // Qt's codes are the upper-case ASCII ones too
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    default:
        return 0;
    }
}

} // namespace

void WndWidget::postKey(UINT msg, QKeyEvent* e) {
    const UINT vk = virtualKey(e->key());
    if (!vk) { // Qt passes it on to the parent
        e->ignore();
        return;
    }
    // lParam: repeat count 1; bit 29 set with Alt held (a system key), bit 30 on a repeat or a
    // release, bit 31 on a release.
    const bool up = msg == WM_KEYUP;
    LPARAM flags = 1;
    if (e->modifiers() & Qt::AltModifier) {
        msg = up ? WM_SYSKEYUP : WM_SYSKEYDOWN;
        flags |= LPARAM(1) << 29;
    }
    if (up || e->isAutoRepeat()) flags |= LPARAM(1) << 30;
    if (up) flags |= LPARAM(1) << 31;
    postInput(m_hwnd, msg, vk, flags);
}

void WndWidget::keyPressEvent(QKeyEvent* e) {
    postKey(WM_KEYDOWN, e);
}

void WndWidget::keyReleaseEvent(QKeyEvent* e) {
    postKey(WM_KEYUP, e);
}

void WndWidget::closeEvent(QCloseEvent* e) {
    // The window decides (WM_CLOSE destroys it by default); Qt must not hide it on its own.
    e->ignore();
    send(m_hwnd, WM_CLOSE, 0, 0);
}

} // namespace wnd
