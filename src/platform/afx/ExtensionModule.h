// Extension modules: the record a module keeps of itself, and CDynLinkLibrary, which links a
// module's resources into the chain that dialog templates are looked up in.
#pragma once

#include <ploxen/platform/afx/CObject.h>
#include <ploxen/platform/afx/types.h>
#include <ploxen/platform/wnd/DialogTemplate.h>

class COleObjectFactory;

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource; // where the module's resources are taken from
    // Classes register process-wide when their module loads, so no per-module lists are kept
    // and these stay null.
    CRuntimeClass* pFirstSharedClass;
    COleObjectFactory* pFirstSharedFactory;
};

// Records hModule as the module's own and its resource handle. TRUE; a second call keeps the
// first record.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the CDynLinkLibrary objects made for the module (bAll: every one) and clears the
// record's initialised flag.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

class CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    // Links the module's resource handle into the resource chain: the dialog templates it
    // exports (under PLX_RESOURCE_TEMPLATES_SYMBOL) are found by findDialogTemplate.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override; // unlinks

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;

private:
    void link();
    const DLGTEMPLATE_DATA* m_templates = nullptr;
};
