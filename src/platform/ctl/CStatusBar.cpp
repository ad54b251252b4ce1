#include <ploxen/platform/ctl/CStatusBar.h>

#include <QWidget>

#include <ploxen/platform/wnd/CFrameWnd.h>
#include <ploxen/platform/wnd/wnd_p.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

CSize CControlBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    CRect r;
    GetClientRect(&r);
    return bHorz ? CSize(32767, r.Height()) : CSize(r.Width(), 32767);
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    if (!CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd,
                      nID))
        return FALSE;
    if (CFrameWnd* frame = GetParentFrame()) frame->RecalcLayout();
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    if (nIDCount < 0 || (nIDCount > 0 && !lpIDArray)) return FALSE;
    m_panes.clear();
    for (int i = 0; i < nIDCount; ++i)
        m_panes.push_back(
            {lpIDArray[i], lpIDArray[i] == ID_SEPARATOR && i == 0 ? SBPS_STRETCH : SBPS_NORMAL, 0});
    applyParts();
    return TRUE;
}

// Right edges for the control: fixed panes take their widths, a stretching one what is left
// (the control spreads the rest over it).
void CStatusBar::applyParts() {
    std::vector<int> edges;
    int x = 0;
    for (const Pane& p : m_panes) {
        x += p.cxText;
        edges.push_back(p.nStyle & SBPS_STRETCH ? -1 : x);
    }
    SendMessage(SB_SETPARTS, WPARAM(edges.size()), LPARAM(edges.data()));
    for (int i = 0; i < GetCount(); ++i)
        SendMessage(SB_SETTEXTA, WPARAM(i) | (m_panes[i].nStyle & (SBT_NOBORDERS | SBT_POPOUT)),
                    LPARAM(GetPaneText(i).GetString()));
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[i].nID == nIDFind) return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].nID : ID_SEPARATOR;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    nID = m_panes[nIndex].nID;
    nStyle = m_panes[nIndex].nStyle;
    cxWidth = m_panes[nIndex].cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    m_panes[nIndex] = {nID, nStyle, cxWidth};
    applyParts();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    m_panes[nIndex].nStyle = nStyle;
    applyParts();
}

CString CStatusBar::GetPaneText(int nIndex) const {
    CString s;
    GetPaneText(nIndex, s);
    return s;
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const {
    rString.Empty();
    if (nIndex < 0 || nIndex >= GetCount()) return;
    auto* self = const_cast<CStatusBar*>(this);
    const int length = LOWORD(self->SendMessage(SB_GETTEXTLENGTHA, WPARAM(nIndex), 0));
    std::vector<char> text(size_t(length) + 1, '\0');
    self->SendMessage(SB_GETTEXTA, WPARAM(nIndex), LPARAM(text.data()));
    rString = text.data();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL) {
    if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
    const UINT type = m_panes[nIndex].nStyle & (SBT_NOBORDERS | SBT_POPOUT);
    return BOOL(
        SendMessage(SB_SETTEXTA, WPARAM(nIndex) | type, LPARAM(lpszNewText ? lpszNewText : "")));
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    QWidget* bar = wnd::widgetOf(m_hWnd);
    const int height = bar ? bar->sizeHint().height() : 0;
    return bHorz ? CSize(32767, height) : CSize(height, 32767);
}
