#include <ploxen/platform/afx/ExtensionModule.h>

#include <algorithm>
#include <vector>

#include <ploxen/platform/afx/AfxLoadLibrary.h>
#include <ploxen/platform/afx/ResourceChain.h>

namespace {

// Every CDynLinkLibrary alive. Never destroyed: libraries may be unlinked while the process
// exits, after ordinary statics are gone.
std::vector<CDynLinkLibrary*>& libraries() {
    static auto* list = new std::vector<CDynLinkLibrary*>;
    return *list;
}

} // namespace

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized) return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    if (!state.bInitialized) return;
    std::vector<CDynLinkLibrary*> doomed;
    for (CDynLinkLibrary* lib : libraries())
        if (bAll || lib->m_hModule == state.hModule) doomed.push_back(lib);
    for (CDynLinkLibrary* lib : doomed) delete lib;
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    link();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE) {
    link();
}

void CDynLinkLibrary::link() {
    libraries().push_back(this);
    // Through void(*)(): the generic function pointer type converts to any other silently.
    auto templates = reinterpret_cast<PlxDialogTemplatesFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(m_hResource, PLX_RESOURCE_TEMPLATES_SYMBOL)));
    int count = 0;
    if (templates) m_templates = templates(&count);
    addResourceTemplates(m_templates, count);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    removeResourceTemplates(m_templates);
    auto& list = libraries();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}
