#include <ploxen/platform/ctl/controls.h>

#include <vector>

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CScrollBar)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

// A message sent through a const control: the control's state is Qt's, not the wrapper's.
LRESULT ask(const CWnd* w, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessage(w->m_hWnd, msg, wParam, lParam);
}

template <class T> LPARAM lp(T* p) {
    return reinterpret_cast<LPARAM>(p);
}

} // namespace

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create(WC_BUTTONA, lpszCaption, dwStyle, rect, pParentWnd, nID);
}
int CButton::GetCheck() const {
    return int(ask(this, BM_GETCHECK));
}
void CButton::SetCheck(int nCheck) {
    SendMessage(BM_SETCHECK, WPARAM(nCheck));
}
UINT CButton::GetState() const {
    return UINT(ask(this, BM_GETSTATE));
}

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_STATICA, lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_EDITA, nullptr, dwStyle, rect, pParentWnd, nID);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    SendMessage(EM_SETSEL, WPARAM(nStartChar), LPARAM(nEndChar));
    if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SetSel(short(LOWORD(dwSelection)), short(HIWORD(dwSelection)), bNoScroll);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0, end = 0;
    ask(this, EM_GETSEL, reinterpret_cast<WPARAM>(&start), lp(&end));
    nStartChar = int(start), nEndChar = int(end);
}
DWORD CEdit::GetSel() const {
    return DWORD(ask(this, EM_GETSEL));
}
void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) {
    SendMessage(EM_REPLACESEL, WPARAM(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}
void CEdit::LimitText(int nChars) {
    SendMessage(EM_LIMITTEXT, WPARAM(nChars));
}
void CEdit::SetLimitText(UINT nMax) {
    SendMessage(EM_SETLIMITTEXT, WPARAM(nMax));
}
UINT CEdit::GetLimitText() const {
    return UINT(ask(this, EM_GETLIMITTEXT));
}
BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    return BOOL(SendMessage(EM_SETREADONLY, WPARAM(bReadOnly)));
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTBOXA, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CListBox::GetCount() const {
    return int(ask(this, LB_GETCOUNT));
}
int CListBox::AddString(LPCSTR lpszItem) {
    return int(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
}
int CListBox::InsertString(int nIndex, LPCSTR lpszItem) {
    return int(SendMessage(LB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszItem)));
}
int CListBox::DeleteString(UINT nIndex) {
    return int(SendMessage(LB_DELETESTRING, nIndex));
}
void CListBox::ResetContent() {
    SendMessage(LB_RESETCONTENT);
}
int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const {
    return int(ask(this, LB_GETTEXT, WPARAM(nIndex), lp(lpszBuffer)));
}
void CListBox::GetText(int nIndex, CString& rString) const {
    const int n = GetTextLen(nIndex);
    if (n < 0) {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(n));
    rString.ReleaseBuffer(n);
}
int CListBox::GetTextLen(int nIndex) const {
    return int(ask(this, LB_GETTEXTLEN, WPARAM(nIndex)));
}
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const {
    return int(ask(this, LB_FINDSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszItem)));
}
int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return int(
        ask(this, LB_FINDSTRINGEXACT, WPARAM(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}
int CListBox::GetCurSel() const {
    return int(ask(this, LB_GETCURSEL));
}
int CListBox::SetCurSel(int nSelect) {
    return int(SendMessage(LB_SETCURSEL, WPARAM(nSelect)));
}
int CListBox::GetSel(int nIndex) const {
    return int(ask(this, LB_GETSEL, WPARAM(nIndex)));
}
int CListBox::SetSel(int nIndex, BOOL bSelect) {
    return int(SendMessage(LB_SETSEL, WPARAM(bSelect), LPARAM(nIndex)));
}
int CListBox::GetSelCount() const {
    return int(ask(this, LB_GETSELCOUNT));
}
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
    return int(ask(this, LB_GETSELITEMS, WPARAM(nMaxItems), lp(rgIndex)));
}
int CListBox::GetCaretIndex() const {
    return int(ask(this, LB_GETCARETINDEX));
}
DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return DWORD_PTR(ask(this, LB_GETITEMDATA, WPARAM(nIndex)));
}
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return int(SendMessage(LB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
}

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CSliderCtrl::GetPos() const {
    return int(ask(this, TBM_GETPOS));
}
void CSliderCtrl::SetPos(int nPos) {
    SendMessage(TBM_SETPOS, TRUE, LPARAM(nPos));
}
void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin(), nMax = GetRangeMax();
}
int CSliderCtrl::GetRangeMin() const {
    return int(ask(this, TBM_GETRANGEMIN));
}
int CSliderCtrl::GetRangeMax() const {
    return int(ask(this, TBM_GETRANGEMAX));
}
void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
    SendMessage(TBM_SETRANGE, WPARAM(bRedraw), MAKELPARAM(nMin, nMax));
}
void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) {
    SendMessage(TBM_SETRANGEMIN, WPARAM(bRedraw), LPARAM(nMin));
}
void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) {
    SendMessage(TBM_SETRANGEMAX, WPARAM(bRedraw), LPARAM(nMax));
}
int CSliderCtrl::SetPageSize(int nSize) {
    return int(SendMessage(TBM_SETPAGESIZE, 0, LPARAM(nSize)));
}
int CSliderCtrl::GetPageSize() const {
    return int(ask(this, TBM_GETPAGESIZE));
}
int CSliderCtrl::SetLineSize(int nSize) {
    return int(SendMessage(TBM_SETLINESIZE, 0, LPARAM(nSize)));
}
int CSliderCtrl::GetLineSize() const {
    return int(ask(this, TBM_GETLINESIZE));
}
void CSliderCtrl::SetTicFreq(int nFreq) {
    SendMessage(TBM_SETTICFREQ, WPARAM(nFreq));
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CListCtrl::GetItemCount() const {
    return int(ask(this, LVM_GETITEMCOUNT));
}
int CListCtrl::InsertItem(const LVITEM* pItem) {
    return int(SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}
int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    return InsertItem(&item);
}
int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_TEXT | (nWidth >= 0 ? LVCF_WIDTH : 0);
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    column.iSubItem = nSubItem;
    return int(SendMessage(LVM_INSERTCOLUMN, WPARAM(nCol), reinterpret_cast<LPARAM>(&column)));
}
BOOL CListCtrl::DeleteItem(int nItem) {
    return BOOL(SendMessage(LVM_DELETEITEM, WPARAM(nItem)));
}
BOOL CListCtrl::DeleteAllItems() {
    return BOOL(SendMessage(LVM_DELETEALLITEMS));
}
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEM item{};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}
BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem) {
    return BOOL(SendMessage(LVM_SETITEMSTATE, WPARAM(nItem), reinterpret_cast<LPARAM>(pItem)));
}
UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return UINT(ask(this, LVM_GETITEMSTATE, WPARAM(nItem), LPARAM(nMask)));
}
CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    std::vector<char> buffer(1024);
    LVITEM item{};
    item.iSubItem = nSubItem;
    item.pszText = buffer.data();
    item.cchTextMax = int(buffer.size());
    ask(this, LVM_GETITEMTEXT, WPARAM(nItem), lp(&item));
    return CString(buffer.data());
}
BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
    LVITEM item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return BOOL(SendMessage(LVM_SETITEMTEXT, WPARAM(nItem), lp(&item)));
}
int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return int(ask(this, LVM_GETNEXTITEM, WPARAM(nItem), MAKELPARAM(nFlags, 0)));
}
UINT CListCtrl::GetSelectedCount() const {
    return UINT(ask(this, LVM_GETSELECTEDCOUNT));
}
