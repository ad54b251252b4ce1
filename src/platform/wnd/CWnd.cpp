#include <ploxen/platform/wnd/CWnd.h>

#include <QScreen>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_set>

#include <ploxen/platform/ctl/controls.h>
#include <ploxen/platform/wnd/CFrameWnd.h>
#include <ploxen/platform/wnd/CWinApp.h>
#include <ploxen/platform/wnd/wnd_p.h>

using namespace wnd;

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {
// Windows destroyed inside their own modal loop whose PostNcDestroy is still to come.
std::unordered_set<CWnd*>& unwinding() {
    static std::unordered_set<CWnd*> windows;
    return windows;
}
} // namespace

CWnd::~CWnd() {
    unwinding().erase(this);
    if (Window* w = find(m_hWnd); w && w->wnd == this) ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    return FromHandlePermanent(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    Window* w = find(hWnd);
    return w ? w->wnd : nullptr;
}

CScrollBar* afxScrollBarFromHandle(HWND h) {
    CWnd* w = CWnd::FromHandle(h);
    return w && w->IsKindOf(RUNTIME_CLASS(CScrollBar)) ? static_cast<CScrollBar*>(w) : nullptr;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = LONG(dwStyle);
    cs.x = rect.left;
    cs.y = rect.top;
    // A default position (rectDefault) also asks for a default size.
    const auto extent = [](LONG from, LONG to) {
        return int(std::clamp<long long>(0LL + to - from, INT_MIN, INT_MAX));
    };
    cs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : extent(rect.left, rect.right);
    cs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : extent(rect.top, rect.bottom);
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = reinterpret_cast<HMENU>(UINT_PTR(nID));
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) return FALSE;
    return createWindow(cs);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

BOOL CWnd::createWindow(CREATESTRUCT& cs) {
    ensureQtApplication();
    const DWORD style = DWORD(cs.style);
    Window* parent = find(cs.hwndParent);
    if (m_hWnd || (cs.hwndParent && !parent) || ((style & WS_CHILD) && !parent)) return FALSE;
    if (cs.x == CW_USEDEFAULT) cs.x = cs.y = 0;
    if (cs.cx == CW_USEDEFAULT) cs.cx = 640, cs.cy = 480;
    const UINT id = (style & WS_CHILD) ? UINT(reinterpret_cast<UINT_PTR>(cs.hMenu)) : 0;
    Window* w = add(this, kindOf(cs.lpszClass), cs.hwndParent, id, style & ~WS_VISIBLE);
    w->dpiAware = threadDpiAware();
    const HWND h = m_hWnd = w->hwnd;
    QWidget* parentWidget = parent ? parent->widget.data() : nullptr;
    setWidget(w, makeWidget(w, cs.lpszName, parentWidget));
    w->widget->setGeometry(cs.x, cs.y, std::max(cs.cx, 0), std::max(cs.cy, 0));
    if (style & WS_DISABLED) w->widget->setEnabled(false);
    if (!(style & WS_VISIBLE)) w->widget->hide(); // Qt would show a child with its parent
    if (w->kind == Kind::Generic) resizeSurface(w, w->widget->size());
    if (send(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        ::DestroyWindow(h);
        return FALSE;
    }
    if (!(w = find(h))) return FALSE; // destroyed while handling WM_CREATE
    clientSizeChanged(w, w->widget->size());
    if (find(h) && (style & WS_VISIBLE)) ::ShowWindow(h, SW_SHOW);
    if ((style & WS_CHILD) && find(h))
        send(cs.hwndParent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, id), LPARAM(h));
    return find(h) != nullptr;
}

BOOL CWnd::DestroyWindow() {
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    Window* w = find(hWnd);
    if (!w || m_hWnd || (w->wnd && !w->ownsWrapper)) return FALSE;
    CWnd* old = w->ownsWrapper ? w->wnd : nullptr;
    w->wnd = this;
    w->ownsWrapper = false;
    m_hWnd = hWnd;
    if (old) {
        old->m_hWnd = nullptr;
        delete old;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    return pParent && SubclassWindow(::GetDlgItem(pParent->m_hWnd, int(nID)));
}

HWND CWnd::UnsubclassWindow() {
    const HWND h = m_hWnd;
    if (Window* w = find(h); w && w->wnd == this) w->wnd = nullptr;
    m_hWnd = nullptr;
    return h;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(::GetDlgItem(m_hWnd, nID), message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
    } else if (const AFX_MSGMAP_ENTRY* e = findMessageEntry(message, 0, 0)) {
        result = e->pfn(this, wParam, lParam);
        handled = TRUE;
    }
    if (pResult) *pResult = result;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = find(m_hWnd);
    return w ? defProc(w, message, wParam, lParam) : 0;
}

LRESULT CWnd::Default() {
    const MSG& m = currentMessage();
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    return ::ShowWindow(m_hWnd, nCmdShow);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    QWidget* q = widgetOf(m_hWnd);
    if (!q) return;
    QWidget* owner = pAlternateOwner ? widgetOf(pAlternateOwner->m_hWnd) : q->parentWidget();
    QRect area = owner && owner->isVisible()
                     ? QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size())
                     : (q->screen() ? q->screen()->availableGeometry() : QRect());
    if (!q->isWindow() && q->parentWidget()) area = QRect(QPoint(0, 0), q->parentWidget()->size());
    q->move(area.center() - QPoint(q->width() / 2, q->height() / 2));
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    ::GetClientRect(m_hWnd, lpRect);
}
void CWnd::GetWindowRect(LPRECT lpRect) const {
    ::GetWindowRect(m_hWnd, lpRect);
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    ::ClientToScreen(m_hWnd, lpPoint);
}
void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}
void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    ::ScreenToClient(m_hWnd, lpPoint);
}
void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

DWORD CWnd::GetStyle() const {
    Window* w = find(m_hWnd);
    if (!w || !w->widget) return 0;
    DWORD style = w->style & ~(WS_VISIBLE | WS_DISABLED);
    if (!w->widget->isHidden()) style |= WS_VISIBLE;
    if (w->widget->testAttribute(Qt::WA_ForceDisabled)) style |= WS_DISABLED;
    return style;
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}
CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* p = GetParent(); p; p = p->GetParent())
        if (p->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(p);
    return nullptr;
}
int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::Invalidate(BOOL bErase) {
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}
void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

void CWnd::SetWindowText(LPCSTR lpszString) {
    ::SetWindowTextA(m_hWnd, lpszString);
}
int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}
void CWnd::GetWindowText(CString& rString) const {
    const int n = GetWindowTextLength();
    ::GetWindowTextA(m_hWnd, rString.GetBuffer(n), n + 1);
    rString.ReleaseBuffer();
}
int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthA(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}
void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) {
    ::SetWindowTextA(::GetDlgItem(m_hWnd, nID), lpszString);
}
int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const {
    return ::GetWindowTextA(::GetDlgItem(m_hWnd, nID), lpStr, nMaxCount);
}
int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    if (CWnd* item = GetDlgItem(nID)) item->GetWindowText(rString);
    return rString.GetLength();
}
void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
    char text[16];
    std::snprintf(text, sizeof text, bSigned ? "%d" : "%u", nValue);
    SetDlgItemText(nID, text);
}
UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    CString s;
    GetDlgItemText(nID, s);
    char* end = nullptr;
    const char* p = s;
    while (*p == ' ' || *p == '\t') ++p;
    const long long v = (bSigned || *p != '-') ? std::strtoll(p, &end, 10) : 0;
    const bool ok = end && end != p && *end == '\0' &&
                    (bSigned ? v >= INT32_MIN && v <= INT32_MAX : v >= 0 && v <= UINT32_MAX);
    if (lpTrans) *lpTrans = ok;
    return ok ? UINT(v) : 0;
}
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck, 0);
}
UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    return UINT(::SendMessage(::GetDlgItem(m_hWnd, nIDButton), BM_GETCHECK, 0, 0));
}
void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}
CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}
CWnd* CWnd::SetActiveWindow() {
    return FromHandle(::SetActiveWindow(m_hWnd));
}
CWnd* CWnd::GetActiveWindow() {
    return FromHandle(::GetActiveWindow());
}
CWnd* CWnd::SetCapture() {
    return FromHandle(::SetCapture(m_hWnd));
}
CWnd* CWnd::GetCapture() {
    return FromHandle(::GetCapture());
}

// Default handlers: the platform's default processing of the message being handled.
int CWnd::OnCreate(LPCREATESTRUCT) {
    return int(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnNcDestroy() {
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    m_hWnd = nullptr;
    if (!(m_nFlags & WF_MODALLOOP)) {
        PostNcDestroy();
        return;
    }
    if (m_nFlags & WF_CONTINUEMODAL) EndModalLoop(-1);
    unwinding().insert(this);
    runWhenIdle([this] {
        if (unwinding().erase(this)) PostNcDestroy();
    });
}

int CWnd::RunModalLoop(DWORD) {
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    MSG msg;
    while (ContinueModal()) {
        // A departure from the platform's loop, which spins through idle processing: with no
        // message queued the loop sleeps until the next message or Qt event (WaitMessage), so a
        // waiting window keeps no processor busy.
        if (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(int(msg.wParam));
            EndModalLoop(-1);
            break;
        }
        if (!preTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    m_nFlags &= ~WF_CONTINUEMODAL;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                        void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD)) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    return ::KillTimer(m_hWnd, nIDEvent);
}
void CWnd::OnParentNotify(UINT, LPARAM) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return BOOL(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
}
