// A list-view control used as a single-selection list, with list-box-style selection calls.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/afxwin.h>

class AFX_EXT_CLASS CListCtrlEx : public CListCtrl {
public:
    CListCtrlEx() = default;
    ~CListCtrlEx() override = default;

    // The lowest selected item, or -1 when the control is empty or nothing is selected.
    int GetCurSel();
    // Adds the item to the selection (others keep theirs, the focus stays); nIndex, or -1.
    int SetCurSel(int nIndex);

protected:
    DECLARE_MESSAGE_MAP()
};
