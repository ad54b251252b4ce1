// Moving and deleting files by name.
#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include <ploxen/platform/kernel/kernel.h>
#include <ploxen/platform/kernel/kernel_p.h>

BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
    if (!lpExistingFileName || !lpNewFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // rename() replaces silently; without the flag an existing target is an error.
    if (!(dwFlags & MOVEFILE_REPLACE_EXISTING) && ::access(lpNewFileName, F_OK) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (std::rename(lpExistingFileName, lpNewFileName) != 0) {
        SetLastError(errnoToError(errno));
        return FALSE;
    }
    return TRUE;
}

BOOL DeleteFileA(LPCSTR lpFileName) {
    if (!lpFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (::unlink(lpFileName) != 0) {
        SetLastError(errnoToError(errno));
        return FALSE;
    }
    return TRUE;
}
