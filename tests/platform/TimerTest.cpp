// Timers: WM_TIMER to the window's OnTimer or to a TIMERPROC, never more than one queued per
// timer, nothing after KillTimer or after the window has gone.
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "platform/wnd/CFrameWnd.h"

namespace {

class CTicker : public CFrameWnd {
public:
    std::vector<UINT_PTR> ticks;

protected:
    afx_msg void OnTimer(UINT_PTR id) { ticks.push_back(id); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTicker, CFrameWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

std::vector<UINT_PTR> procTicks;
void CALLBACK onTick(HWND, UINT msg, UINT_PTR id, DWORD) {
    if (msg == WM_TIMER) procTicks.push_back(id);
}

// Lets the timers run for ms inside a loop that takes no messages (a filter nothing passes).
void wait(int ms) {
    MSG msg;
    for (int t = 0; t < ms; t += 5) {
        QThread::msleep(5);
        PeekMessage(&msg, nullptr, 0x7FFF, 0x7FFF, PM_NOREMOVE);
    }
}

// Then takes every queued message. Returns how many more ticks a 10 ms timer may rightly have
// queued while they were taken: none, unless a busy machine held up the loop.
int waitThenPump(int ms) {
    wait(ms);
    const DWORD start = GetTickCount();
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
    return int((GetTickCount() - start) / 10);
}

// Ticks of the timers ids only, each at least once, and no more than one each beyond late.
void expectTicks(const std::vector<UINT_PTR>& got, std::vector<UINT_PTR> ids, int late) {
    for (UINT_PTR id : ids) EXPECT_NE(std::count(got.begin(), got.end(), id), 0) << id;
    for (UINT_PTR id : got) EXPECT_NE(std::count(ids.begin(), ids.end(), id), 0) << id;
    EXPECT_LE(got.size(), ids.size() * size_t(1 + late));
}

TEST(Timer, OneQueuedTickPerTimerUntilKilled) {
    auto* w = new CTicker; // deletes itself with its window
    ASSERT_TRUE(w->Create(nullptr, "timers"));
    EXPECT_EQ(w->SetTimer(7, 1, nullptr), 7u); // counts as 10 ms
    EXPECT_EQ(w->SetTimer(8, 10, onTick), 8u);
    int late = waitThenPump(120);
    // Many intervals passed while nothing took the messages: one tick each, in the window's
    // handler or the callback.
    expectTicks(w->ticks, {7}, late);
    expectTicks(procTicks, {8}, late);

    // A kill removes the tick already queued and stops the timer; killing twice fails.
    w->ticks.clear();
    procTicks.clear();
    wait(60);
    EXPECT_TRUE(w->KillTimer(7));
    EXPECT_FALSE(w->KillTimer(7));
    late = waitThenPump(60);
    EXPECT_TRUE(w->ticks.empty());
    expectTicks(procTicks, {8}, late);

    // Timers without a window get their own IDs; a window's timers end with it.
    const UINT_PTR a = SetTimer(nullptr, 0, 10, onTick), b = SetTimer(nullptr, 0, 10, onTick);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    const HWND h = w->m_hWnd;
    w->DestroyWindow();
    procTicks.clear();
    late = waitThenPump(60);
    expectTicks(procTicks, {a, b}, late); // the thread timers' ticks, not the window's
    EXPECT_FALSE(KillTimer(h, 8));        // ended with its window
    EXPECT_TRUE(KillTimer(nullptr, a));
    EXPECT_TRUE(KillTimer(nullptr, b));
    EXPECT_EQ(SetTimer(h, 1, 10, nullptr), 0u); // no window, no timer
}

} // namespace
