// The zoom states a view went through, as a browser keeps pages: a new state drops the ones
// ahead of the current one.
#pragma once

#include <cstddef>
#include <vector>

#include <ploxen/interact/ZoomSteps.h>

class ZoomHistory {
public:
    // Makes s the current step, after the current one, unless it is the current one already.
    void record(const ZoomState& s);
    bool canBack() const { return m_current > 0; }
    bool canForward() const { return m_current + 1 < m_steps.size(); }
    // Moves one step and returns its state; null when there is none that way.
    const ZoomState* back();
    const ZoomState* forward();

private:
    std::vector<ZoomState> m_steps;
    size_t m_current = 0;
};
