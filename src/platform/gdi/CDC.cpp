#include <ploxen/platform/gdi/CDC.h>

#include <ploxen/platform/afx/HandleMap.h>

template <> struct WrapperTraits<CDC> {
    static void setHandle(CDC* dc, HDC h) { dc->m_hDC = dc->m_hAttribDC = h; }
};
using Wrappers = HandleMap<HDC, CDC>;

CDC::~CDC() {
    if (m_hDC) ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC h) {
    return Wrappers::find<CDC>(h);
}

BOOL CDC::Attach(HDC h) {
    if (!h) return FALSE;
    m_hDC = m_hAttribDC = h;
    Wrappers::attach(h, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    if (h) Wrappers::detach(h);
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    HDC h = Detach();
    Wrappers::forget(h);
    return ::DeleteDC(h);
}

CPen* CDC::SelectObject(CPen* pen) {
    return CPen::FromHandle(::SelectObject(m_hDC, pen ? pen->m_hObject : nullptr));
}
CBrush* CDC::SelectObject(CBrush* brush) {
    return CBrush::FromHandle(::SelectObject(m_hDC, brush ? brush->m_hObject : nullptr));
}
CFont* CDC::SelectObject(CFont* font) {
    return CFont::FromHandle(::SelectObject(m_hDC, font ? font->m_hObject : nullptr));
}
CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return CBitmap::FromHandle(::SelectObject(m_hDC, bitmap ? bitmap->m_hObject : nullptr));
}
int CDC::SelectObject(CRgn* rgn) {
    return SelectClipRgn(rgn);
}

CGdiObject* CDC::SelectStockObject(int index) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

CPalette* CDC::SelectPalette(CPalette* pal, BOOL forceBackground) {
    return CPalette::FromHandle(
        ::SelectPalette(m_hDC, pal ? pal->m_hObject : nullptr, forceBackground));
}

CPoint CDC::MoveTo(int x, int y) {
    POINT previous{0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetCurrentPosition() const {
    POINT p{0, 0};
    ::GetCurrentPositionEx(m_hDC, &p);
    return p;
}

void CDC::FillSolidRect(LPCRECT r, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, r, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, color);
}

CSize CDC::GetTextExtent(LPCSTR text, int length) const {
    SIZE s{0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, text, length, &s);
    return s;
}
