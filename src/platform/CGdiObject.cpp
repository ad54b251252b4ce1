#include "platform/CGdiObject.h"

#include <memory>
#include <unordered_map>

#include "platform/CDC.h"

namespace {

// A temporary wrapper never deletes what it shows.
struct ReleaseTemporary {
    void operator()(CGdiObject* o) const {
        o->m_hObject = nullptr;
        delete o;
    }
};
using Temporary = std::unique_ptr<CGdiObject, ReleaseTemporary>;

// Wrappers that hold a handle (Attach) and temporary wrappers made by FromHandle. Both maps live
// until the process ends, so wrappers destroyed at exit still find them.
std::unordered_map<HGDIOBJ, CGdiObject*>& permanent() {
    static auto* map = new std::unordered_map<HGDIOBJ, CGdiObject*>;
    return *map;
}
std::unordered_map<HGDIOBJ, Temporary>& temporary() {
    static auto* map = new std::unordered_map<HGDIOBJ, Temporary>;
    return *map;
}

void dropTemporary(HGDIOBJ h) {
    temporary().erase(h);
}

} // namespace

CGdiObject::~CGdiObject() {
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ h) {
    if (!h) return FALSE;
    m_hObject = h;
    dropTemporary(h);
    permanent()[h] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h) permanent().erase(h);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    HGDIOBJ h = Detach();
    dropTemporary(h);
    return ::DeleteObject(h);
}

BOOL CGdiObject::CreateStockObject(int index) {
    return Attach(::GetStockObject(index));
}

template <class T> T* CGdiObject::fromHandleAs(HGDIOBJ h) {
    if (!h) return nullptr;
    auto it = permanent().find(h);
    if (it != permanent().end())
        if (auto* o = dynamic_cast<T*>(it->second)) return o;
    auto& temp = temporary()[h];
    if (!dynamic_cast<T*>(temp.get())) {
        temp.reset(new T);
        temp->m_hObject = h;
    }
    return static_cast<T*>(temp.get());
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
