// The demo's main window: a QMainWindow with the menus and the toolbar, holding the frame
// window (and so the view) as its central widget. Every menu and toolbar action posts its
// command to the frame, which routes it through the message maps as a framework menu would.
#pragma once

#include <QMainWindow>
#include <QPointer>

class DemoFrame;

class DemoWindow : public QMainWindow {
public:
    // Takes over a frame made by DemoFrame::make, which must not be shown yet.
    explicit DemoWindow(DemoFrame* frame);
    ~DemoWindow() override; // closes the frame if it is still there

    // The frame, or null once its window is gone.
    DemoFrame* frame() const;
    // Posts a command to the frame, as choosing it in the menu does.
    void command(unsigned id);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DemoFrame* m_frame;
    QPointer<QWidget> m_frameWidget; // null once the frame's window is gone

    void addCommands();
};
