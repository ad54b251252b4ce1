// The chain of resource modules searched for dialog templates: every loaded language library
// linked in by CDynLinkLibrary, newest first, and tables that a program adds itself.
#pragma once

#include <ploxen/platform/wnd/DialogTemplate.h>

// Puts a template table at the front of the chain; the table must outlive its presence.
void addResourceTemplates(const DLGTEMPLATE_DATA* templates, int count);
// Takes a table off the chain (no effect when it is not there).
void removeResourceTemplates(const DLGTEMPLATE_DATA* templates);
// The first template with this ID along the chain, or nullptr.
const DLGTEMPLATE_DATA* findDialogTemplate(UINT id);
