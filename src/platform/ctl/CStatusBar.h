// MFC's control bars and its status bar, over the platform's status bar control
// ("msctls_statusbar32", a row of Qt labels): panes of text along the bottom of a frame.
#pragma once

#include <vector>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/CWnd.h>

// The status bar control's class name and messages.
#define STATUSCLASSNAMEA "msctls_statusbar32"
constexpr UINT SB_SETTEXTA = WM_USER + 1; // wParam: part | type, lParam: text
constexpr UINT SB_GETTEXTA = WM_USER + 2; // wParam: part, lParam: buffer; MAKELONG(length, type)
constexpr UINT SB_GETTEXTLENGTHA = WM_USER + 3; // wParam: part; MAKELONG(length, type)
constexpr UINT SB_SETPARTS = WM_USER + 4; // wParam: count, lParam: right edges (-1: to the end)
constexpr UINT SB_GETPARTS = WM_USER + 6; // wParam: size of lParam's array; the count
constexpr UINT SB_SETTEXT = SB_SETTEXTA;
constexpr UINT SB_GETTEXT = SB_GETTEXTA;
constexpr UINT SB_GETTEXTLENGTH = SB_GETTEXTLENGTHA;
constexpr UINT SBT_NOBORDERS = 0x0100;
constexpr UINT SBT_POPOUT = 0x0200;

// Control bar styles (CBRS_ALL of them are the bar's, the rest the window's).
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr DWORD CBRS_ALL = 0x0040FFFF;

// Status bar pane styles.
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = SBT_NOBORDERS;
constexpr UINT SBPS_POPOUT = SBT_POPOUT;
constexpr UINT SBPS_DISABLED = 0x04000000;
constexpr UINT SBPS_STRETCH = 0x08000000;

constexpr UINT ID_SEPARATOR = 0;

// A bar along an edge of its frame, which lays it out (CFrameWnd::RecalcLayout).
class AFX_EXT_CLASS CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    int GetCount() const { return int(m_panes.size()); }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    // The bar's size along its edge (bHorz: a top or bottom bar).
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);

protected:
    struct Pane {
        UINT nID;
        UINT nStyle;
        int cxText;
    };
    std::vector<Pane> m_panes;
    DWORD m_dwStyle = 0;
};

class AFX_EXT_CLASS CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    using CWnd::Create;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per ID; an ID_SEPARATOR pane has no text, the first one stretches. The text and
    // width of any other pane come from its string resource, of which this platform has none:
    // both start empty, to be set with SetPaneText and SetPaneInfo.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

private:
    void applyParts();
};
