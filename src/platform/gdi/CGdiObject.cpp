#include <ploxen/platform/gdi/CGdiObject.h>

#include <ploxen/platform/afx/HandleMap.h>
#include <ploxen/platform/gdi/CDC.h>

template <> struct WrapperTraits<CGdiObject> {
    static void setHandle(CGdiObject* o, HGDIOBJ h) { o->m_hObject = h; }
};
using Wrappers = HandleMap<HGDIOBJ, CGdiObject>;

CGdiObject::~CGdiObject() {
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ h) {
    if (!h) return FALSE;
    m_hObject = h;
    Wrappers::attach(h, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h) Wrappers::detach(h);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    HGDIOBJ h = Detach();
    Wrappers::forget(h);
    return ::DeleteObject(h);
}

BOOL CGdiObject::CreateStockObject(int index) {
    return Attach(::GetStockObject(index));
}

template <class T> T* CGdiObject::fromHandleAs(HGDIOBJ h) {
    return Wrappers::find<T>(h);
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) {
    return fromHandleAs<CGdiObject>(h);
}
CPen* CPen::FromHandle(HPEN h) {
    return fromHandleAs<CPen>(h);
}
CBrush* CBrush::FromHandle(HBRUSH h) {
    return fromHandleAs<CBrush>(h);
}
CFont* CFont::FromHandle(HFONT h) {
    return fromHandleAs<CFont>(h);
}
CRgn* CRgn::FromHandle(HRGN h) {
    return fromHandleAs<CRgn>(h);
}
CBitmap* CBitmap::FromHandle(HBITMAP h) {
    return fromHandleAs<CBitmap>(h);
}
CPalette* CPalette::FromHandle(HPALETTE h) {
    return fromHandleAs<CPalette>(h);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}
