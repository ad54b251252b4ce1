// Loading and freeing dynamic libraries by their platform names, over dlopen/dlclose. A ".dll"
// name stands for the ".so" of the same name; a relative name is searched beside this library,
// then in the working directory, and a bare file name finally along the loader's own path.
#pragma once

#include <ploxen/platform/AfxExtClass.h>
#include <ploxen/platform/types.h>

// Reasons a module's entry point is called for.
constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

using FARPROC = INT_PTR(WINAPI*)();

// The loaded module, or NULL when it cannot be found or loaded.
AFX_EXT_API HINSTANCE AfxLoadLibrary(LPCSTR lpszModuleName);
// Releases one load of the module; FALSE for a null handle.
AFX_EXT_API BOOL AfxFreeLibrary(HINSTANCE hInstLib);
// The address of an exported function or object of a loaded module, or NULL.
AFX_EXT_API FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
