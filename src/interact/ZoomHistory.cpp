#include <ploxen/interact/ZoomHistory.h>

void ZoomHistory::record(const ZoomState& s) {
    if (!m_steps.empty() && m_steps[m_current] == s) return;
    if (!m_steps.empty()) m_steps.resize(m_current + 1);
    m_steps.push_back(s);
    m_current = m_steps.size() - 1;
}

const ZoomState* ZoomHistory::back() {
    if (!canBack()) return nullptr;
    return &m_steps[--m_current];
}

const ZoomState* ZoomHistory::forward() {
    if (!canForward()) return nullptr;
    return &m_steps[++m_current];
}
