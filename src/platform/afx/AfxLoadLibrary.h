// Loading and freeing dynamic libraries by their platform names, over dlopen/dlclose. A ".dll"
// name stands for the ".so" of the same name; a relative name is searched beside this library,
// then in the working directory, and a bare file name finally along the loader's own path.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

// Reasons a module's entry point is called for.
constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

using FARPROC = INT_PTR(WINAPI*)();

// A module's entry point runs in its load-time constructor, from which dlopen cannot be made to
// fail. A module whose entry point refused to attach while it was loaded at run time exports
// this function (BOOL(), TRUE when it refused), and AfxLoadLibrary refuses the load.
#define PLX_MODULE_REFUSED_SYMBOL "PlxModuleRefused"

// The loaded module, or NULL when it cannot be found or loaded, or its entry point refused.
AFX_EXT_API HINSTANCE AfxLoadLibrary(LPCSTR lpszModuleName);
// Releases one load of the module; FALSE for a null handle.
AFX_EXT_API BOOL AfxFreeLibrary(HINSTANCE hInstLib);
// The address of an exported function or object of a loaded module, or NULL.
AFX_EXT_API FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
