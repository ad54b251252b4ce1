#include <ploxen/module/DllMain.h>

#include <cstdio>
#include <dlfcn.h>
#include <sys/auxv.h>
#include <unistd.h>

#include <ploxen/platform/afx/ExtensionModule.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>

namespace {

AFX_EXTENSION_MODULE ploxenModule = {};
HINSTANCE languageLibrary = nullptr;
BOOL refusedAtRunTime = FALSE;

void attachOnLoad();

// The module's own handle: its load address, as a module instance handle is. Found from a
// function of this file that no other copy of the library can stand in for.
HINSTANCE selfInstance() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&attachOnLoad), &info);
    return static_cast<HINSTANCE>(info.dli_fbase);
}

// Whether the module is loaded with the program, before it starts, rather than by dlopen later.
// It is then the program itself (its objects linked in), or one of the libraries the program
// was linked to or that were preloaded: these make the program's global scope, which the
// program's own handle looks names up in. A library that dlopen maps later is not in that scope
// while its constructors run (RTLD_GLOBAL adds it only after them), so the lookup of a name
// only this library defines finds another copy of the library, or nothing.
bool loadedWithProgram() {
    const HINSTANCE self = selfInstance();
    Dl_info found{};
    if (dladdr(reinterpret_cast<void*>(getauxval(AT_PHDR)), &found) && found.dli_fbase == self)
        return true;
    void* program = dlopen(nullptr, RTLD_LAZY);
    void* name = program ? dlsym(program, PLX_MODULE_REFUSED_SYMBOL) : nullptr;
    if (program) dlclose(program);
    return name && dladdr(name, &found) && found.dli_fbase == self;
}

// A process whose load-time library fails to initialise does not start. Nothing else of the
// process has run yet, so it ends at once: no exit handlers, no static destructors. A load at
// run time cannot be failed from here (dlopen has no way for a constructor to refuse), so the
// refusal is recorded for AfxLoadLibrary, which then returns NULL; a plain dlopen gets a handle
// to a module that did not attach, and the host goes on either way.
__attribute__((constructor)) void attachOnLoad() {
    if (DllMain(selfInstance(), DLL_PROCESS_ATTACH, nullptr)) return;
    if (!loadedWithProgram()) {
        refusedAtRunTime = TRUE;
        return;
    }
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

extern "C" BOOL PlxModuleRefused() {
    return refusedAtRunTime;
}
