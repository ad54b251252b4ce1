#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/geometry.h>
#include <ploxen/platform/afx/types.h>
#include <ploxen/platform/dlg/CPrintDialog.h>

// The state of one print job as the view's printing steps see it.
struct AFX_EXT_CLASS CPrintInfo {
    CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;
    ~CPrintInfo(); // deletes the dialog and the printer DC it returned

    CPrintDialog* m_pPD;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    CRect m_rectDraw{0, 0, 0, 0}; // the page's printable area, in device units

    void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
};
