// One process-wide hook that answers every modal request (message boxes, modal dialogs, the
// font and print dialogs) without showing anything: for tests and batch programs. With no
// responder set, real Qt dialogs appear; with no display either, nothing may wait forever (a
// message box writes its text as one line to stderr and returns its default button, DoModal
// returns IDCANCEL).
#pragma once

#include <functional>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

class CDialog;

struct ModalRequest {
    enum Kind { MessageBox, Dialog, FontDialog, PrintDialog };
    Kind kind;
    // MessageBox: the text and the MB_* type. Dialog: the template ID.
    const char* text = nullptr;
    UINT type = 0;
    // Dialog: the dialog, initialised (OnInitDialog has run) and hidden. The responder may
    // change its controls (SetDlgItemText, ...) and answers with the ID of the button to press
    // (IDOK, IDCANCEL or a control ID); DoModal presses it and, when the dialog did not end,
    // asks again. FontDialog/PrintDialog: the dialog object, whose fields the responder may fill.
    void* object = nullptr;
};

// Answers a request: a button ID (IDOK, IDCANCEL, IDYES, ...).
using ModalResponder = std::function<int(ModalRequest&)>;

// Sets (or, with an empty function, clears) the responder; returns the previous one.
AFX_EXT_API ModalResponder AfxSetModalResponder(ModalResponder responder);
// The responder in force, or an empty function.
AFX_EXT_API const ModalResponder& AfxGetModalResponder();

// Whether a real modal window can be shown and answered: Qt runs with a display (not the
// offscreen or minimal platform), as a widgets application, and this is its thread. Starts
// Qt's application object when there is none.
AFX_EXT_API bool canShowModalUi();
