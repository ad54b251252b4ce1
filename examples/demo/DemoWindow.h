// The demo's main window: a QMainWindow with the menus and the toolbar, holding the frame
// window (and so the view) as its central widget. Every menu and toolbar action posts its
// command to the frame, which routes it through the message maps as a framework menu would.
// Whenever Qt's event loop has run, the actions show what the view says of their commands:
// greyed while a tool waits for the mouse or where they cannot act, checked for the current
// choices.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <utility>
#include <vector>

#include <ploxen/ploxen.h>

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
    // The menu action of a command (the toolbar shows the same action), or null.
    QAction* action(unsigned id) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DemoFrame* m_frame;
    HWND m_frameHandle;              // no longer the frame's once the frame is deleted
    QPointer<QWidget> m_frameWidget; // null once the frame's window is gone

    std::vector<std::pair<unsigned, QAction*>> m_actions;

    void addCommands();
    void updateCommands();
};
