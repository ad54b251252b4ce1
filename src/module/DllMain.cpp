#include <ploxen/module/DllMain.h>

#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

#include <ploxen/platform/AfxMessageBox.h>
#include <ploxen/platform/ExtensionModule.h>

namespace {

AFX_EXTENSION_MODULE ploxenModule = {};
HINSTANCE languageLibrary = nullptr;

// The module's own handle: its load address, as a module instance handle is.
HINSTANCE selfInstance() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&DllMain), &info);
    return static_cast<HINSTANCE>(info.dli_fbase);
}

// A process whose load-time library fails to initialise does not start. Nothing else of the
// process has run yet, so it ends at once: no exit handlers, no static destructors.
__attribute__((constructor)) void attachOnLoad() {
    if (DllMain(selfInstance(), DLL_PROCESS_ATTACH, nullptr)) return;
    std::fflush(nullptr);
    _exit(1);
}

__attribute__((destructor)) void detachOnUnload() {
    DllMain(selfInstance(), DLL_PROCESS_DETACH, nullptr);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        // Attached already: the language library stays loaded once.
        if (languageLibrary) return TRUE;
        AfxInitExtensionModule(ploxenModule, hInstance);
        languageLibrary = AfxLoadLibrary("Lang/plx.dll");
        if (!languageLibrary) {
            AfxMessageBox("No resource file!", MB_OK, 0);
            return FALSE;
        }
        ploxenModule.hResource = languageLibrary;
        new CDynLinkLibrary(ploxenModule, FALSE); // owned by the module record's chain
        return TRUE;
    }
    if (dwReason == DLL_PROCESS_DETACH && languageLibrary) {
        // The templates leave the resource chain before their library is unmapped.
        AfxTermExtensionModule(ploxenModule);
        AfxFreeLibrary(languageLibrary);
        languageLibrary = nullptr;
    }
    return TRUE;
}
