// The Qt widget of a plain window: shows the window's backing image and turns Qt's mouse input
// into queued mouse messages in client coordinates (the wheel's in screen coordinates, as the
// platform gives them), and its key presses into WM_KEYDOWN and WM_KEYUP, or WM_SYSKEYDOWN and
// WM_SYSKEYUP with Alt held (keys with a virtual-key code).
#pragma once

#include <QWidget>

class QSinglePointEvent;

#include <ploxen/platform/wnd/messages.h>

namespace wnd {

class WndWidget : public QWidget {
public:
    WndWidget(HWND h, QWidget* parent, Qt::WindowFlags flags);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void post(UINT msg, QMouseEvent* e);
    void postKey(UINT msg, QKeyEvent* e);
    HWND m_hwnd;
};

// Key flags of a mouse message from a Qt mouse or wheel event (buttons held after the event).
WPARAM mouseFlags(const QSinglePointEvent* e);

} // namespace wnd
