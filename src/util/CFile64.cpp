#include <ploxen/util/CFile64.h>

#include <memory>

IMPLEMENT_DYNAMIC(CFile64, CObject)

namespace {

// Whether a kernel result of all ones is a failure rather than a position or size.
bool failedAllOnes(DWORD low) {
    return low == 0xFFFFFFFF && GetLastError() != NO_ERROR;
}

// LockFile or UnlockFile on the range, given as low and high halves; failure throws.
void onRange(BOOL (*call)(HANDLE, DWORD, DWORD, DWORD, DWORD), HANDLE h, unsigned long long pos,
             unsigned long long count) {
    DWORD posHigh, posLow, countHigh, countLow;
    CFile64::SplitUnsignedInt64(pos, posHigh, posLow);
    CFile64::SplitUnsignedInt64(count, countHigh, countLow);
    if (!call(h, posLow, posHigh, countLow, countHigh))
        CFileException::ThrowOsError(LONG(GetLastError()));
}

} // namespace

CFile64::CFile64() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE) {}

CFile64::CFile64(HANDLE h, BOOL bCloseOnDelete) : CFile64() {
    Attach(h, bCloseOnDelete);
}

CFile64::~CFile64() {
    try {
        Detach();
    } catch (CFileException* e) {
        e->Delete();
    }
}

void CFile64::Attach(HANDLE h, BOOL bCloseOnDelete) {
    m_hFile = h;
    m_bCloseOnDelete = bCloseOnDelete;
    m_strFileName.Empty();
}

void CFile64::Detach() {
    if (IsOpen() && m_bCloseOnDelete) {
        Close();
        return;
    }
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

BOOL CFile64::Open(const char* name, UINT nOpenFlags, CFileException* pError) {
    static const DWORD accesses[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    static const DWORD shares[] = {
        0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, 0, 0, 0};
    if ((nOpenFlags & 3) == 3) return FALSE;
    const DWORD access = accesses[nOpenFlags & 3];
    const DWORD share = shares[(nOpenFlags & 0x70) >> 4];
    const DWORD creation = !(nOpenFlags & CFile::modeCreate)      ? OPEN_EXISTING
                           : (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS
                                                                  : CREATE_ALWAYS;
    return Open(name, access, share, creation, pError, nullptr, FILE_ATTRIBUTE_NORMAL, nullptr);
}

BOOL CFile64::Open(const char* name, DWORD access, DWORD share, DWORD creation,
                   CFileException* pError, SECURITY_ATTRIBUTES* psa, DWORD attributes,
                   HANDLE hTemplate) {
    HANDLE h = ::CreateFileA(name, access, share, psa, creation, attributes, hTemplate);
    if (h == INVALID_HANDLE_VALUE) {
        if (pError) {
            pError->m_lOsError = LONG(GetLastError());
            pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
            pError->m_strFileName = name;
        }
        return FALSE;
    }
    m_hFile = h;
    m_strFileName = name;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile64::Close() {
    const BOOL ok = IsOpen() ? ::CloseHandle(m_hFile) : TRUE;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (!ok) CFileException::ThrowOsError(LONG(GetLastError()));
}

void CFile64::Abort() {
    if (IsOpen()) ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile64* CFile64::Duplicate() const {
    auto copy = std::make_unique<CFile64>();
    HANDLE h = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), m_hFile, ::GetCurrentProcess(), &h, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        CFileException::ThrowOsError(LONG(GetLastError()));
    copy->m_hFile = h;
    copy->m_strFileName = m_strFileName;
    copy->m_bCloseOnDelete = m_bCloseOnDelete;
    return copy.release();
}

DWORD CFile64::Read(void* buf, DWORD count) {
    DWORD read = 0;
    if (!::ReadFile(m_hFile, buf, count, &read, nullptr))
        CFileException::ThrowOsError(LONG(GetLastError()));
    return read;
}

void CFile64::Write(const void* buf, DWORD count) {
    DWORD written = 0;
    if (!::WriteFile(m_hFile, buf, count, &written, nullptr))
        CFileException::ThrowOsError(LONG(GetLastError()), m_strFileName);
    if (written < count) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile64::Flush() {
    if (IsOpen() && !::FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError(LONG(GetLastError()));
}

unsigned long long CFile64::Seek(unsigned long long off, SeekPosition from, int bForward) {
    if (from != begin && from != current && from != end)
        CFileException::ThrowOsError(LONG(ERROR_INVALID_PARAMETER));
    unsigned long long base = 0;
    if (from == current)
        base = GetPosition();
    else if (from == end)
        base = GetLength();
    const unsigned long long target = from == begin ? off : bForward ? base + off : base - off;
    DWORD high, low;
    SplitUnsignedInt64(target, high, low);
    LONG moveHigh = LONG(high);
    low = ::SetFilePointer(m_hFile, LONG(low), &moveHigh, FILE_BEGIN);
    if (failedAllOnes(low)) CFileException::ThrowOsError(LONG(GetLastError()));
    return MakeUnsignedInt64(DWORD(moveHigh), low);
}

unsigned long long CFile64::SeekToEnd() {
    return Seek(0, end, 0);
}

void CFile64::SeekToBegin() {
    Seek(0, begin, 1);
}

void CFile64::SetLength(const unsigned long long& len) {
    Seek(len, begin, 1);
    if (!::SetEndOfFile(m_hFile)) CFileException::ThrowOsError(LONG(GetLastError()));
}

unsigned long long CFile64::GetLength() const {
    DWORD high = 0;
    const DWORD low = ::GetFileSize(m_hFile, &high);
    if (failedAllOnes(low)) CFileException::ThrowOsError(LONG(GetLastError()));
    return MakeUnsignedInt64(high, low);
}

unsigned long long CFile64::GetPosition() const {
    LONG high = 0;
    const DWORD low = ::SetFilePointer(m_hFile, 0, &high, FILE_CURRENT);
    if (failedAllOnes(low)) CFileException::ThrowOsError(LONG(GetLastError()));
    return MakeUnsignedInt64(DWORD(high), low);
}

void CFile64::LockRange(const unsigned long long& pos, const unsigned long long& count) {
    onRange(::LockFile, m_hFile, pos, count);
}

void CFile64::UnlockRange(const unsigned long long& pos, const unsigned long long& count) {
    onRange(::UnlockFile, m_hFile, pos, count);
}

DWORD CFile64::GetFileType() const {
    return ::GetFileType(m_hFile);
}

unsigned long long CFile64::MakeUnsignedInt64(DWORD high, DWORD low) {
    return (unsigned long long)high << 32 | low;
}

void CFile64::SplitUnsignedInt64(const unsigned long long& v, DWORD& high, DWORD& low) {
    high = DWORD(v >> 32);
    low = DWORD(v);
}
