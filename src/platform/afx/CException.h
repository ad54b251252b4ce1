// The framework's exception root. Exceptions are thrown as heap pointers and the handler frees
// them with Delete():
//     try { file.Write(p, n); } catch (CFileException* e) { ...; e->Delete(); }
// An exception made on the stack is constructed with bAutoDelete FALSE; Delete leaves it alone.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CObject.h>

using PUINT = UINT*;

class AFX_EXT_CLASS CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}

    void Delete();
    // Copies a description of the error into lpszError (at most nMaxError characters with the
    // terminating NUL). FALSE when there is none to give.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);

    BOOL m_bAutoDelete;
};

// A failure the user has already been told about (a data exchange that did not validate).
class AFX_EXT_CLASS CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] AFX_EXT_API void AfxThrowUserException();
