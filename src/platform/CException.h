// The framework's exceptions: thrown as pointers and freed by the catcher with Delete().
#pragma once

#include "platform/CObject.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    // Frees an exception that was allocated for throwing.
    void Delete();
    BOOL m_bAutoDelete;
};

// A failure the user has already been told about (a data exchange that did not validate).
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowUserException();
