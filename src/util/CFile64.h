// A file with unsigned 64-bit positions, lengths and lock ranges on the kernel's file handles.
// Errors are thrown as CFileException* (free them with Delete()), except in Open, which
// returns FALSE and fills the optional exception object.
//
// Positions and lengths whose low 32 bits are all ones are ordinary values: the kernel calls
// report INVALID_SET_FILE_POINTER / INVALID_FILE_SIZE there with NO_ERROR, and only a set error
// counts as failure.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CFile.h>
#include <ploxen/platform/afx/CFileException.h>
#include <ploxen/platform/afx/CObject.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/kernel/kernel.h>

class AFX_EXT_CLASS CFile64 : public CObject {
    DECLARE_DYNAMIC(CFile64)
public:
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    CFile64();
    CFile64(HANDLE h, BOOL bCloseOnDelete);
    // Closes an owned file; a close failure here is swallowed (destructors cannot throw).
    ~CFile64() override;
    CFile64(const CFile64&) = delete;
    CFile64& operator=(const CFile64&) = delete;

    void Attach(HANDLE h, BOOL bCloseOnDelete);
    void Detach();
    operator HANDLE() const { return m_hFile; }
    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    BOOL IsClosed() const { return !IsOpen(); }

    // nOpenFlags are CFile's: access (modeRead, modeWrite, modeReadWrite), sharing
    // (shareExclusive, shareDenyWrite, shareDenyRead, shareDenyNone), modeCreate and
    // modeNoTruncate; other bits are ignored.
    BOOL Open(const char* name, UINT nOpenFlags, CFileException* pError = nullptr);
    BOOL Open(const char* name, DWORD access, DWORD share, DWORD creation, CFileException* pError,
              SECURITY_ATTRIBUTES* psa, DWORD attributes, HANDLE hTemplate);
    void Close();
    void Abort();
    CFile64* Duplicate() const;

    DWORD Read(void* buf, DWORD count);
    void Write(const void* buf, DWORD count);
    void Flush();

    unsigned long long Seek(unsigned long long off, SeekPosition from, int bForward);
    unsigned long long SeekToEnd();
    void SeekToBegin();
    void SetLength(const unsigned long long& len);
    unsigned long long GetLength() const;
    unsigned long long GetPosition() const;

    void LockRange(const unsigned long long& pos, const unsigned long long& count);
    void UnlockRange(const unsigned long long& pos, const unsigned long long& count);
    DWORD GetFileType() const;
    CString GetFileName() const { return m_strFileName; }
    void SetFileName(const char* name) { m_strFileName = name; }

    static unsigned long long MakeUnsignedInt64(DWORD high, DWORD low);
    static void SplitUnsignedInt64(const unsigned long long& v, DWORD& high, DWORD& low);

    HANDLE m_hFile;
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
