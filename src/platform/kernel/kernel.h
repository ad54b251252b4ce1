// platform/kernel: the kernel's file API (CreateFileA, ReadFile, WriteFile, SetFilePointerEx,
// LockFileEx, CloseHandle, GetLastError, ...) over POSIX descriptors and fcntl locks, with the
// platform's share modes and error codes. Knows nothing of windows or drawing.
//
// The kernel's file functions over POSIX descriptors: handles, the per-thread last error with
// errno mapped to the platform's error codes, and share modes and byte-range locks.
//
// Handles are generation-checked slots in a process-wide table, never descriptors cast to
// pointers: a closed handle stays invalid (ERROR_INVALID_HANDLE) even after its descriptor
// number is reused. Duplicates (DuplicateHandle) refer to the same open file, so they share its
// file pointer and its locks, and the descriptor closes with the last of them.
//
// What is enforced where:
// - Share modes are checked between all opens of a file (same device and inode) in this
//   process. Other processes cannot see them: POSIX has no share modes. FILE_SHARE_DELETE is
//   accepted and has no effect (there is no delete access to share).
// - LockFile locks are exclusive and conflict between any two open files of this process, and,
//   through open-file-description locks (F_OFD_SETLK), with locks that other processes take the
//   same way. ReadFile and WriteFile honour the locks of this process only; other processes'
//   plain read and write calls ignore them (POSIX locks are advisory).
#pragma once

#include <cstddef>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

using LPDWORD = DWORD*;
using PLONG = LONG*;
using PVOID = void*;
using ULONG_PTR = std::uintptr_t;
using LPHANDLE = HANDLE*;

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

struct OVERLAPPED {
    ULONG_PTR Internal;
    ULONG_PTR InternalHigh;
    union {
        struct {
            DWORD Offset;
            DWORD OffsetHigh;
        };
        PVOID Pointer;
    };
    HANDLE hEvent;
};
using LPOVERLAPPED = OVERLAPPED*;

inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(LONG_PTR(-1));
constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFF;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;

// Access rights.
constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD GENERIC_EXECUTE = 0x20000000;
constexpr DWORD GENERIC_ALL = 0x10000000;

// Share modes.
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD FILE_SHARE_DELETE = 0x4;

// Creation dispositions.
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

// Attributes and flags. A new file made with FILE_ATTRIBUTE_READONLY gets no write permission;
// FILE_FLAG_WRITE_THROUGH writes synchronously (O_DSYNC); the other bits are accepted and ignored.
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x1;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x2;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x4;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;
constexpr DWORD FILE_FLAG_WRITE_THROUGH = 0x80000000;
constexpr DWORD FILE_FLAG_NO_BUFFERING = 0x20000000;
constexpr DWORD FILE_FLAG_RANDOM_ACCESS = 0x10000000;
constexpr DWORD FILE_FLAG_SEQUENTIAL_SCAN = 0x08000000;

// SetFilePointer move methods.
constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;

// GetFileType results.
constexpr DWORD FILE_TYPE_UNKNOWN = 0x0000;
constexpr DWORD FILE_TYPE_DISK = 0x0001;
constexpr DWORD FILE_TYPE_CHAR = 0x0002;
constexpr DWORD FILE_TYPE_PIPE = 0x0003;

// DuplicateHandle options.
constexpr DWORD DUPLICATE_CLOSE_SOURCE = 0x1;
constexpr DWORD DUPLICATE_SAME_ACCESS = 0x2;

// Error codes.
constexpr DWORD NO_ERROR = 0;
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_FUNCTION = 1;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_DRIVE = 15;
constexpr DWORD ERROR_CURRENT_DIRECTORY = 16;
constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
constexpr DWORD ERROR_WRITE_PROTECT = 19;
constexpr DWORD ERROR_CRC = 23;
constexpr DWORD ERROR_SEEK = 25;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_READ_FAULT = 30;
constexpr DWORD ERROR_GEN_FAILURE = 31;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_LOCK_VIOLATION = 33;
constexpr DWORD ERROR_HANDLE_EOF = 38;
constexpr DWORD ERROR_HANDLE_DISK_FULL = 39;
constexpr DWORD ERROR_NOT_SUPPORTED = 50;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_CANNOT_MAKE = 82;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_BROKEN_PIPE = 109;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_NEGATIVE_SEEK = 131;
constexpr DWORD ERROR_SEEK_ON_DEVICE = 132;
constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
constexpr DWORD ERROR_NOT_LOCKED = 158;
constexpr DWORD ERROR_BAD_PATHNAME = 161;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_FILE_TOO_LARGE = 223;
constexpr DWORD ERROR_IO_DEVICE = 1117;
constexpr DWORD ERROR_CANT_RESOLVE_FILENAME = 1921;

AFX_EXT_API DWORD GetLastError();
AFX_EXT_API void SetLastError(DWORD dwErrCode);

AFX_EXT_API HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                               LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                               DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                               HANDLE hTemplateFile);
#define CreateFile CreateFileA

// Reading fills the buffer unless the end of file comes first (pipes and devices return what
// one read gives). Writing writes everything; when the device fails after part of it, the call
// succeeds with the part written, and fails only when nothing could be written. A file size
// limit (RLIMIT_FSIZE) is reported as ERROR_FILE_TOO_LARGE, never by SIGXFSZ. With an
// OVERLAPPED, the transfer starts at its offset and the file pointer ends after it.
AFX_EXT_API BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                          LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped);
AFX_EXT_API BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                           LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped);
AFX_EXT_API BOOL CloseHandle(HANDLE hObject);

// Renames a file (replacing an existing target only with MOVEFILE_REPLACE_EXISTING), and
// deletes one.
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
AFX_EXT_API BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);
#define MoveFileEx MoveFileExA
AFX_EXT_API BOOL DeleteFileA(LPCSTR lpFileName);
#define DeleteFile DeleteFileA

// With lpDistanceToMoveHigh the distance and the result are 64-bit; a result whose low half is
// INVALID_SET_FILE_POINTER is a success when GetLastError() is NO_ERROR (the call sets it).
AFX_EXT_API DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh,
                                 DWORD dwMoveMethod);
// Likewise, INVALID_FILE_SIZE with NO_ERROR is a valid low half.
AFX_EXT_API DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh);
AFX_EXT_API BOOL SetEndOfFile(HANDLE hFile);
AFX_EXT_API BOOL FlushFileBuffers(HANDLE hFile);
AFX_EXT_API BOOL LockFile(HANDLE hFile, DWORD dwFileOffsetLow, DWORD dwFileOffsetHigh,
                          DWORD nNumberOfBytesToLockLow, DWORD nNumberOfBytesToLockHigh);
AFX_EXT_API BOOL UnlockFile(HANDLE hFile, DWORD dwFileOffsetLow, DWORD dwFileOffsetHigh,
                            DWORD nNumberOfBytesToUnlockLow, DWORD nNumberOfBytesToUnlockHigh);
AFX_EXT_API DWORD GetFileType(HANDLE hFile);

// The pseudo handle of this process; it needs no closing. Only this process's handles can be
// duplicated.
AFX_EXT_API HANDLE GetCurrentProcess();
AFX_EXT_API BOOL DuplicateHandle(HANDLE hSourceProcessHandle, HANDLE hSourceHandle,
                                 HANDLE hTargetProcessHandle, LPHANDLE lpTargetHandle,
                                 DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwOptions);

// Global memory blocks, as the clipboard and the print dialog's settings pass them. A handle
// names the block until GlobalFree; GlobalLock gives its bytes (moveable or not, they never
// move here). GlobalFree returns null on success, the handle when it is no block.
using HGLOBAL = HANDLE;
using SIZE_T = std::size_t;
constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
AFX_EXT_API HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
AFX_EXT_API LPVOID GlobalLock(HGLOBAL hMem);
AFX_EXT_API BOOL GlobalUnlock(HGLOBAL hMem);
AFX_EXT_API SIZE_T GlobalSize(HGLOBAL hMem);
AFX_EXT_API HGLOBAL GlobalFree(HGLOBAL hMem);
