// The per-thread message queue. Posted messages and Qt's mouse input wait here in arrival order.
// A loop of the program's own (PeekMessage/GetMessage) takes them one at a time; when no such
// loop runs, a zero timer drains the queue from Qt's event loop.
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <climits>
#include <deque>
#include <map>

#include <ploxen/platform/wnd/wnd_p.h>

using namespace wnd;

namespace {

struct Queue {
    std::deque<MSG> messages;
    bool quit = false;
    int exitCode = 0;
    int pumping = 0;               // inside PeekMessage/GetMessage letting Qt deliver its events
    unsigned pushed = 0, seen = 0; // messages queued so far, and as many when last looked at
    QTimer* drain = nullptr;
};

thread_local Queue queue;

void dispatchPending() {
    if (queue.pumping) { // the program's own loop takes the messages
        if (queue.messages.empty()) queue.drain->stop(); // else it would never let Qt sleep
        return;
    }
    while (!queue.messages.empty()) {
        MSG m = queue.messages.front();
        queue.messages.pop_front();
        DispatchMessage(&m);
    }
    if (queue.drain && queue.messages.empty()) queue.drain->stop();
    // Qt's event loop is then the application's message loop: WM_QUIT ends it.
    if (queue.quit && QThread::currentThread()->loopLevel() > 0) {
        queue.quit = false;
        QCoreApplication::exit(queue.exitCode);
    }
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
    ++queue.pushed;
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
    ensureQtApplication();
    scheduleDrain();
}

BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    letQtDeliver(QEventLoop::AllEvents);
    queue.seen = queue.pushed;
    auto& q = queue.messages;
    for (auto it = q.begin(); it != q.end();) {
        if (it->hwnd && !find(it->hwnd)) { // its window was destroyed meanwhile
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

BOOL WaitMessage() {
    // Returns after Qt has delivered what woke it: a Qt event may end a caller's wait without
    // queuing any message (a window closed, a dialog cancelled).
    if (queue.seen == queue.pushed && !queue.quit)
        letQtDeliver(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return TRUE;
}

BOOL GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    MSG m{};
    while (!PeekMessage(&m, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE)) WaitMessage();
    if (lpMsg) *lpMsg = m;
    return m.message != WM_QUIT;
}

namespace {

struct TimerKey {
    HWND hwnd;
    UINT_PTR id;
    auto operator<=>(const TimerKey&) const = default;
};

// The running timers of this thread, each a QTimer owned by the application object.
thread_local std::map<TimerKey, QTimer*> timers;
thread_local UINT_PTR lastThreadTimer = 0;

bool isQueuedTimer(const MSG& m, const TimerKey& k) {
    return m.message == WM_TIMER && m.hwnd == k.hwnd && m.wParam == k.id;
}

void endTimer(std::map<TimerKey, QTimer*>::iterator it) {
    const TimerKey key = it->first;
    it->second->stop();
    it->second->disconnect();
    it->second->deleteLater(); // it may be the timer whose timeout runs now
    timers.erase(it);
    std::erase_if(queue.messages, [&](const MSG& m) { return isQueuedTimer(m, key); });
}

} // namespace

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    if (hWnd && !find(hWnd)) return 0;
    ensureQtApplication();
    if (!hWnd) {
        do nIDEvent = ++lastThreadTimer;
        while (nIDEvent == 0 || timers.count({nullptr, nIDEvent}));
    }
    const TimerKey key{hWnd, nIDEvent};
    if (auto it = timers.find(key); it != timers.end()) endTimer(it);
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(int(std::min<UINT>(std::max(uElapse, USER_TIMER_MINIMUM), INT_MAX)));
    QObject::connect(timer, &QTimer::timeout, [key, lpTimerFunc] {
        if (key.hwnd && !find(key.hwnd)) { // the window is gone, and its timer with it
            if (auto it = timers.find(key); it != timers.end()) endTimer(it);
            return;
        }
        for (const MSG& m : queue.messages)
            if (isQueuedTimer(m, key)) return; // one WM_TIMER at a time, as the platform does
        push(make(key.hwnd, WM_TIMER, key.id, LPARAM(lpTimerFunc)));
    });
    timer->start();
    timers[key] = timer;
    return hWnd ? (nIDEvent ? nIDEvent : 1) : nIDEvent;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    auto it = timers.find({hWnd, uIDEvent});
    if (it == timers.end()) return FALSE;
    endTimer(it);
    return TRUE;
}

DWORD GetTickCount() {
    using namespace std::chrono;
    return DWORD(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

BOOL TranslateMessage(const MSG*) {
    return FALSE; // keyboard input stays with the Qt widgets
}

LRESULT DispatchMessage(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        reinterpret_cast<TIMERPROC>(lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam,
                                                   GetTickCount());
        return 0;
    }
    return send(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}
