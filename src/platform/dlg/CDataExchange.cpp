#include <ploxen/platform/dlg/CDataExchange.h>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <ploxen/platform/afx/CException.h>
#include <ploxen/platform/afx/NumbersInC.h>
#include <ploxen/platform/ctl/controls.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/wnd/wnd_p.h>

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    const HWND h = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!h) {
        std::fprintf(stderr, "data exchange: the dialog has no control %d\n", nIDC);
        AfxThrowUserException();
    }
    m_hWndLastControl = h;
    m_bEditLastControl = FALSE;
    return h;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    const HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace {

CString textOf(HWND h) {
    CString s;
    const int n = GetWindowTextLengthA(h);
    GetWindowTextA(h, s.GetBuffer(n), n + 1);
    s.ReleaseBuffer();
    return s;
}

const char* skipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// A whole integer, blanks around it allowed, within [lo, hi].
bool parseInteger(const char* text, long long lo, long long hi, long long& value) {
    const char* p = skipBlanks(text);
    if (lo >= 0 && *p == '-') return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(p, &end, 10);
    return end != p && errno != ERANGE && *skipBlanks(end) == '\0' && value >= lo && value <= hi;
}

bool parseReal(const char* text, double& value) {
    const char* p = skipBlanks(text);
    char* end = nullptr;
    const NumbersInC cNumbers;
    value = std::strtod(p, &end);
    return end != p && std::isfinite(value) && *skipBlanks(end) == '\0';
}

[[noreturn]] void failWith(CDataExchange* pDX, const char* message) {
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <class T>
void exchangeInteger(CDataExchange* pDX, int nIDC, T& value, const char* format,
                     const char* message) {
    const HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long v = 0;
        if (!parseInteger(textOf(h), std::numeric_limits<T>::min(), std::numeric_limits<T>::max(),
                          v))
            failWith(pDX, message);
        value = T(v);
    } else {
        char text[32];
        std::snprintf(text, sizeof text, format, value);
        SetWindowTextA(h, text);
    }
}

template <class T> void exchangeReal(CDataExchange* pDX, int nIDC, T& value, int digits) {
    const HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double v = 0;
        if (!parseReal(textOf(h), v) || std::fabs(v) > std::numeric_limits<T>::max())
            failWith(pDX, "Please enter a number.");
        value = T(v);
    } else {
        CString text;
        text.Format("%.*g", digits, double(value));
        SetWindowTextA(h, text);
    }
}

bool isRadio(const wnd::Window* w) {
    const DWORD type = w->style & BS_TYPEMASK;
    return w->kind == wnd::Kind::Button && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    exchangeInteger(pDX, nIDC, value, "%d", "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    exchangeInteger(pDX, nIDC, value, "%u", "Please enter a positive integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    exchangeInteger(pDX, nIDC, value, "%ld", "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    exchangeReal(pDX, nIDC, value, FLT_DIG);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    exchangeReal(pDX, nIDC, value, DBL_DIG);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    const HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = textOf(h);
    else
        SetWindowTextA(h, value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    const HWND first = pDX->PrepareCtrl(nIDC);
    const wnd::Window* dialog = wnd::find(GetParent(first));
    if (!dialog) return;
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    bool started = false;
    for (HWND h : dialog->children) {
        const wnd::Window* c = wnd::find(h);
        if (!c) continue;
        if (h == first) started = true;
        if (!started) continue;
        if (h != first && (c->style & WS_GROUP)) break;
        if (!isRadio(c)) continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    const HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = int(::SendMessage(h, BM_GETCHECK, 0, 0));
    else
        ::SendMessage(h, BM_SETCHECK, WPARAM(value), 0);
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value) {
    const HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = int(::SendMessage(h, TBM_GETPOS, 0, 0));
    else
        ::SendMessage(h, TBM_SETPOS, TRUE, LPARAM(value));
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd) rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    CString message;
    message.Format("Please enter an integer between %d and %d.", minVal, maxVal);
    failWith(pDX, message);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    CString message;
    message.Format("Please enter an integer between %u and %u.", minVal, maxVal);
    failWith(pDX, message);
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    CString message;
    message.Format("Please enter a number between %.*g and %.*g.", DBL_DIG, minVal, DBL_DIG,
                   maxVal);
    failWith(pDX, message);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, WPARAM(nChars), 0);
        return;
    }
    if (value.GetLength() <= nChars) return;
    CString message;
    message.Format("Enter no more than %d characters.", nChars);
    failWith(pDX, message);
}
