// The per-thread message queue. Posted messages and Qt's mouse input wait here in arrival order.
// A loop of the program's own (PeekMessage/GetMessage) takes them one at a time; when no such
// loop runs, a zero timer drains the queue from Qt's event loop.
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>
#include <deque>

#include "platform/wnd_p.h"

using namespace wnd;

namespace {

struct Queue {
    std::deque<MSG> messages;
    bool quit = false;
    int exitCode = 0;
    int pumping = 0; // inside PeekMessage/GetMessage letting Qt deliver its events
    QTimer* drain = nullptr;
};

thread_local Queue queue;

void dispatchPending() {
    if (queue.pumping) return; // the program's own loop takes the messages
    while (!queue.messages.empty()) {
        MSG m = queue.messages.front();
        queue.messages.pop_front();
        DispatchMessage(&m);
    }
    if (queue.drain && queue.messages.empty()) queue.drain->stop();
}

void scheduleDrain() {
    if (!queue.drain) {
        queue.drain = new QTimer(QCoreApplication::instance());
        queue.drain->setInterval(0);
        QObject::connect(queue.drain, &QTimer::timeout, dispatchPending);
    }
    if (!queue.drain->isActive()) queue.drain->start();
}

void push(const MSG& m) {
    ensureQtApplication();
    queue.messages.push_back(m);
    scheduleDrain();
}

MSG make(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    const QPoint p = QCursor::pos();
    return MSG{h, msg, wParam, lParam, DWORD(QDateTime::currentMSecsSinceEpoch()), {p.x(), p.y()}};
}

bool isSelfOrDescendant(HWND h, HWND ancestor) {
    for (Window* w = find(h); w; w = find(w->parent))
        if (w->hwnd == ancestor) return true;
    return false;
}

void letQtDeliver(QEventLoop::ProcessEventsFlags flags) {
    ensureQtApplication();
    ++queue.pumping;
    QCoreApplication::processEvents(flags);
    --queue.pumping;
}

} // namespace

void wnd::runWhenIdle(std::function<void()> task) {
    ensureQtApplication();
    QTimer::singleShot(0, QCoreApplication::instance(), [task = std::move(task)]() mutable {
        if (queue.pumping)
            runWhenIdle(std::move(task));
        else
            task();
    });
}

void wnd::postInput(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    push(make(h, msg, wParam, lParam));
}

BOOL PostMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = find(hWnd);
    if (!w || w->destroying) return FALSE;
    push(make(hWnd, msg, wParam, lParam));
    return TRUE;
}

LRESULT SendMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return send(hWnd, msg, wParam, lParam);
}

void PostQuitMessage(int nExitCode) {
    queue.quit = true;
    queue.exitCode = nExitCode;
}

BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    letQtDeliver(QEventLoop::AllEvents);
    auto& q = queue.messages;
    for (auto it = q.begin(); it != q.end();) {
        if (!find(it->hwnd)) { // its window was destroyed meanwhile
            it = q.erase(it);
            continue;
        }
        const bool inRange = (wMsgFilterMin == 0 && wMsgFilterMax == 0) ||
                             (it->message >= wMsgFilterMin && it->message <= wMsgFilterMax);
        if (inRange && (!hWnd || isSelfOrDescendant(it->hwnd, hWnd))) {
            if (lpMsg) *lpMsg = *it;
            if (wRemoveMsg & PM_REMOVE) q.erase(it);
            return TRUE;
        }
        ++it;
    }
    if (queue.quit && !hWnd) {
        if (lpMsg) *lpMsg = make(nullptr, WM_QUIT, WPARAM(queue.exitCode), 0);
        if (wRemoveMsg & PM_REMOVE) queue.quit = false;
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    MSG m{};
    while (!PeekMessage(&m, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE))
        letQtDeliver(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (lpMsg) *lpMsg = m;
    return m.message != WM_QUIT;
}

BOOL TranslateMessage(const MSG*) {
    return FALSE; // keyboard input stays with the Qt widgets
}

LRESULT DispatchMessage(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    return send(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}
