#include <ploxen/platform/afx/CObject.h>

#include <cstring>
#include <vector>

namespace {

std::vector<CRuntimeClass*>& registry() {
    static std::vector<CRuntimeClass*> classes;
    return classes;
}

} // namespace

CRuntimeClass CObject::classCObject = {"CObject", int(sizeof(CObject)), 0xFFFF, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const {
    return &classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject() {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == pBaseClass) return TRUE;
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName) {
    if (!lpszClassName) return nullptr;
    for (CRuntimeClass* c : registry())
        if (std::strcmp(c->m_lpszClassName, lpszClassName) == 0) return c;
    return std::strcmp(lpszClassName, "CObject") == 0 ? &CObject::classCObject : nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
    registry().push_back(pNewClass);
}
