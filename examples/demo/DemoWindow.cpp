#include "DemoWindow.h"

#include <QAbstractEventDispatcher>
#include <QActionGroup>
#include <QCloseEvent>
#include <QMenuBar>
#include <QToolBar>
#include <map>

#include "DemoCommands.h"
#include "DemoFrame.h"
#include "DemoView.h"

DemoWindow::DemoWindow(DemoFrame* frame)
    : m_frame(frame), m_frameHandle(frame->m_hWnd), m_frameWidget(qWidgetOf(frame->m_hWnd)) {
    CString title;
    frame->GetWindowText(title);
    setWindowTitle(QString::fromUtf8(title.GetString()));
    CRect rect;
    frame->GetWindowRect(&rect);
    addCommands();
    if (m_frameWidget) {
        setCentralWidget(m_frameWidget);
        frame->ShowWindow(SW_SHOW); // shown with the main window from now on
        if (DemoView* view = frame->view()) view->SetFocus(); // its keys work from the start
        // The frame closing by itself (File > Exit) closes the main window too.
        connect(m_frameWidget, &QObject::destroyed, this, &QWidget::close, Qt::QueuedConnection);
    }
    resize(rect.Width(), rect.Height() + menuBar()->sizeHint().height() + 40);
    // A tool starts and stops waiting inside a command or a dialog's button, which the window
    // does not see; the event loop runs (and so wakes or goes to sleep) around both.
    auto* loop = QAbstractEventDispatcher::instance();
    connect(loop, &QAbstractEventDispatcher::awake, this, &DemoWindow::updateCommands);
    connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &DemoWindow::updateCommands);
    updateCommands();
}

DemoWindow::~DemoWindow() {
    if (DemoFrame* f = frame()) f->DestroyWindow(); // the frame deletes itself
}

DemoFrame* DemoWindow::frame() const {
    // The frame deletes itself when its window is destroyed, before Qt deletes the widget.
    return m_frameWidget && CWnd::FromHandlePermanent(m_frameHandle) == m_frame ? m_frame : nullptr;
}

void DemoWindow::command(unsigned id) {
    if (DemoFrame* f = frame()) f->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

QAction* DemoWindow::action(unsigned id) const {
    for (const auto& [actionId, action] : m_actions)
        if (actionId == id) return action;
    return nullptr;
}

void DemoWindow::closeEvent(QCloseEvent* event) {
    if (DemoFrame* f = frame()) f->SendMessage(WM_CLOSE);
    event->accept();
}

void DemoWindow::addCommands() {
    QToolBar* tools = addToolBar("Commands");
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->setMovable(false);
    std::map<QString, QMenu*> menus;
    std::map<int, QActionGroup*> groups;
    QString lastMenu;
    for (const DemoCommand& c : kDemoCommands) {
        const QString name = QString::fromUtf8(c.menu);
        QMenu*& menu = menus[name];
        if (!menu) menu = menuBar()->addMenu(name);
        if (!c.text) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(c.text));
        if (c.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(c.shortcut)));
        if (c.group) {
            QActionGroup*& group = groups[c.group];
            if (!group) group = new QActionGroup(this);
            action->setCheckable(true);
            group->addAction(action);
        }
        if (c.toolbar) {
            if (lastMenu != name && !tools->actions().isEmpty()) tools->addSeparator();
            tools->addAction(action);
            lastMenu = name;
        }
        const UINT id = c.id;
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
        m_actions.emplace_back(id, action);
    }
}

void DemoWindow::updateCommands() {
    DemoFrame* f = frame();
    const DemoView* view = f ? f->view() : nullptr;
    for (const auto& [id, action] : m_actions) {
        action->setEnabled(view && view->commandEnabled(id));
        if (action->isCheckable()) action->setChecked(view && view->commandChecked(id));
    }
}
