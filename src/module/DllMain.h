// The module's entry point: on process attach it registers the module as an extension module
// and loads the language library "Lang/plx.dll" that holds its dialog templates; without that
// library the attach fails. The library's load-time constructor and destructor call it.
// Exported, as an entry point is, under its C name.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/AfxLoadLibrary.h>

extern "C" AFX_EXT_API BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
// TRUE when the entry point refused to attach while the module was being loaded at run time
// (PLX_MODULE_REFUSED_SYMBOL), so that AfxLoadLibrary refuses the load.
extern "C" AFX_EXT_API BOOL PlxModuleRefused();
