// platform/afx: the framework's core, below windows and drawing: the root class and run-time
// class records, CString, the exception classes, CFile's flags, points and rectangles, the
// platform's basic types, the extension module with its resource chain and library loading,
// trace capture, UTF-8 text conversion and C-locale number formatting. Over the C++ library,
// POSIX (dlopen, newlocale) and the QApplication it makes when the host has none.
//
// The framework's root class and its run-time class records: dynamic creation by class
// record (CreateObject), class names and kind tests (IsKindOf) without C++ RTTI.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

class CObject;

struct AFX_EXT_CLASS CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // A new object of this class, or nullptr when the class is not dynamically creatable.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // The class record registered under this name, or nullptr.
    static CRuntimeClass* FromName(const char* lpszClassName);
};

// Registers a class record by name when its translation unit is loaded.
struct AFX_EXT_CLASS AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    CRuntimeClass class_name::class##class_name = {#class_name, int(sizeof(class_name)), wSchema,  \
                                                   pfnNew, RUNTIME_CLASS(base_class_name)};        \
    static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                            \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                           \
        return RUNTIME_CLASS(class_name);                                                          \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* class_name::CreateObject() {                                                          \
        return new class_name;                                                                     \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

class AFX_EXT_CLASS CObject {
public:
    static CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
