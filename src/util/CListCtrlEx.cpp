#include <ploxen/util/CListCtrlEx.h>

BEGIN_MESSAGE_MAP(CListCtrlEx, CListCtrl)
END_MESSAGE_MAP()

int CListCtrlEx::GetCurSel() {
    const int count = int(SendMessage(LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessage(LVM_GETITEMSTATE, WPARAM(i), LVIS_SELECTED) == LVIS_SELECTED) return i;
    return -1;
}

int CListCtrlEx::SetCurSel(int nIndex) {
    return SetItemState(nIndex, LVIS_SELECTED, LVIS_SELECTED) ? nIndex : -1;
}
