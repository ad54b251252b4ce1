// A failed file operation: the framework's cause, the operating system's error code and the
// file's name.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CException.h>
#include <ploxen/platform/afx/CString.h>

class AFX_EXT_CLASS CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

    // The cause for a platform error code; genericException for codes without a closer one.
    static int OsErrorToException(LONG lOsError);
    // The cause for a C errno value. ThrowErrno records the errno mapped to the platform code.
    static int ErrnoToException(int nErrno);
    // Throw a new CFileException with the mapped cause, the code and the file name.
    [[noreturn]] static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);
    [[noreturn]] static void ThrowErrno(int nErrno, LPCSTR lpszFileName = nullptr);

    // A sentence naming the cause and the file ("an unnamed file" without a name).
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] AFX_EXT_API void AfxThrowFileException(int cause, LONG lOsError = -1,
                                                    LPCSTR lpszFileName = nullptr);
