// Creating, reading, writing and positioning files through handles.
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <ploxen/platform/kernel/kernel_p.h>

namespace {

// ENOENT means a missing file when its directory exists and a missing path otherwise.
DWORD openError(const char* name, int e) {
    if (e != ENOENT) return errnoToError(e);
    const std::string path(name);
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ERROR_FILE_NOT_FOUND;
    struct stat st;
    const std::string dir = slash == 0 ? "/" : path.substr(0, slash);
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? ERROR_FILE_NOT_FOUND
                                                                : ERROR_PATH_NOT_FOUND;
}

HANDLE fail(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

BOOL failed(DWORD error) {
    SetLastError(error);
    return FALSE;
}

// The handle's open file if the handle grants access; otherwise null with the error set.
std::shared_ptr<OpenFile> fileFor(HANDLE h, DWORD access) {
    HandleRef ref = handleRef(h);
    if (ref.file && (ref.access & access) != access) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return std::move(ref.file);
}

off_t overlappedOffset(LPOVERLAPPED ov) {
    return ov ? off_t((std::uint64_t(ov->OffsetHigh) << 32) | ov->Offset) : -1;
}

// ERROR_LOCK_VIOLATION when a transfer of count bytes at the overlapped offset (or the file
// pointer) would touch a range that another open of the file has locked.
DWORD checkLocks(const OpenFile& f, LPOVERLAPPED ov, DWORD count) {
    if (count == 0 || !f.regular || !othersHoldLocks(f)) return NO_ERROR;
    const off_t pos = ov ? overlappedOffset(ov) : ::lseek(f.fd, 0, SEEK_CUR);
    if (pos < 0) return errnoToError(errno);
    return lockedByOthers(f, std::uint64_t(pos), count) ? ERROR_LOCK_VIOLATION : NO_ERROR;
}

} // namespace

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES /*lpSecurityAttributes: handles are never inherited*/,
                   DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                   HANDLE /*hTemplateFile*/) {
    if (!lpFileName) return fail(ERROR_INVALID_PARAMETER);
    if (!*lpFileName) return fail(ERROR_PATH_NOT_FOUND);
    const DWORD access = normalAccess(dwDesiredAccess);
    const DWORD disposition = dwCreationDisposition;
    if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING ||
        (disposition == TRUNCATE_EXISTING && !(access & GENERIC_WRITE)))
        return fail(ERROR_INVALID_PARAMETER);
    const bool truncates = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    const bool reads = access & GENERIC_READ;
    const bool writes = (access & GENERIC_WRITE) || truncates;
    // Non-blocking while opening, so that a pipe without a partner does not wait forever.
    int flags = O_CLOEXEC | O_NONBLOCK | (reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY);
    if (dwFlagsAndAttributes & FILE_FLAG_WRITE_THROUGH) flags |= O_DSYNC;
    const mode_t mode = (dwFlagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;

    // Open what exists, else create; a file appearing or vanishing in between is tried again.
    int fd = -1;
    bool created = false;
    for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
        if (disposition != CREATE_NEW) {
            fd = ::open(lpFileName, flags);
            if (fd >= 0) break;
            if (errno == EINTR) continue;
            if (errno != ENOENT || disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING)
                return fail(openError(lpFileName, errno));
        }
        fd = ::open(lpFileName, flags | O_CREAT | O_EXCL, mode);
        if (fd >= 0)
            created = true;
        else if (errno == EEXIST && disposition == CREATE_NEW)
            return fail(ERROR_FILE_EXISTS);
        else if (errno != EEXIST && errno != EINTR)
            return fail(openError(lpFileName, errno));
    }
    if (fd < 0) return fail(ERROR_FILE_EXISTS); // e.g. a link to a missing file

    auto file = std::make_shared<OpenFile>();
    file->fd = fd;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file->access = access;
    file->share = dwShareMode;
    file->fdWrites = writes;
    struct stat st;
    if (::fstat(fd, &st) != 0) return fail(errnoToError(errno));
    if (S_ISDIR(st.st_mode)) return fail(ERROR_ACCESS_DENIED);
    file->key = {st.st_dev, st.st_ino};
    file->regular = S_ISREG(st.st_mode);
    if (const DWORD error = registerOpen(*file)) return fail(error);
    // Truncate only once the share modes allow this open.
    if (truncates && !created && file->regular &&
        withSizeSignalHeld([&] { return ::ftruncate(fd, 0); }) != 0)
        return fail(errnoToError(errno));
    HANDLE h = newHandle(std::move(file), access);
    if (h != INVALID_HANDLE_VALUE)
        SetLastError(!created && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS)
                         ? ERROR_ALREADY_EXISTS
                         : NO_ERROR);
    return h;
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
              LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped) {
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
    auto f = fileFor(hFile, GENERIC_READ);
    if (!f) return FALSE;
    if (!lpBuffer && nNumberOfBytesToRead) return failed(ERROR_INVALID_PARAMETER);
    if (const DWORD error = checkLocks(*f, lpOverlapped, nNumberOfBytesToRead))
        return failed(error);
    auto* p = static_cast<char*>(lpBuffer);
    const off_t at = overlappedOffset(lpOverlapped);
    DWORD done = 0;
    while (done < nNumberOfBytesToRead) {
        const std::size_t want = nNumberOfBytesToRead - done;
        const ssize_t n =
            at >= 0 ? ::pread(f->fd, p + done, want, at + done) : ::read(f->fd, p + done, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (done == 0) return failed(errnoToError(errno));
            break; // report what was read; the error comes again on the next call
        }
        done += DWORD(n);
        if (n == 0 || !f->regular) break;
    }
    if (at >= 0) ::lseek(f->fd, at + done, SEEK_SET);
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
               LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
    auto f = fileFor(hFile, GENERIC_WRITE);
    if (!f) return FALSE;
    if (!lpBuffer && nNumberOfBytesToWrite) return failed(ERROR_INVALID_PARAMETER);
    if (const DWORD error = checkLocks(*f, lpOverlapped, nNumberOfBytesToWrite))
        return failed(error);
    const auto* p = static_cast<const char*>(lpBuffer);
    const off_t at = overlappedOffset(lpOverlapped);
    DWORD done = 0;
    const int error = withSizeSignalHeld([&] {
        while (done < nNumberOfBytesToWrite) {
            const std::size_t want = nNumberOfBytesToWrite - done;
            const ssize_t n = at >= 0 ? ::pwrite(f->fd, p + done, want, at + done)
                                      : ::write(f->fd, p + done, want);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return errno;
            if (n == 0) return ENOSPC;
            done += DWORD(n);
        }
        return 0;
    });
    if (error && done == 0) return failed(errnoToError(error));
    if (at >= 0) ::lseek(f->fd, at + done, SEEK_SET);
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = done;
    return TRUE;
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh,
                     DWORD dwMoveMethod) {
    auto f = fileFor(hFile, 0);
    if (!f) return INVALID_SET_FILE_POINTER;
    const std::int64_t distance =
        lpDistanceToMoveHigh
            ? std::int64_t((std::uint64_t(std::uint32_t(*lpDistanceToMoveHigh)) << 32) |
                           std::uint32_t(lDistanceToMove))
            : std::int64_t(lDistanceToMove);
    off_t base = 0;
    if (dwMoveMethod == FILE_CURRENT) {
        base = ::lseek(f->fd, 0, SEEK_CUR);
    } else if (dwMoveMethod == FILE_END) {
        struct stat st;
        base = ::fstat(f->fd, &st) == 0 ? st.st_size : -1;
    } else if (dwMoveMethod != FILE_BEGIN) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    if (base < 0) {
        SetLastError(errnoToError(errno));
        return INVALID_SET_FILE_POINTER;
    }
    std::int64_t target;
    DWORD error = NO_ERROR;
    if (__builtin_add_overflow(std::int64_t(base), distance, &target))
        error = ERROR_INVALID_PARAMETER;
    else if (target < 0)
        error = ERROR_NEGATIVE_SEEK;
    else if (!lpDistanceToMoveHigh && target > 0xFFFFFFFF) // the result would not fit
        error = ERROR_INVALID_PARAMETER;
    else if (::lseek(f->fd, target, SEEK_SET) < 0)
        error = errnoToError(errno);
    if (error) {
        SetLastError(error);
        return INVALID_SET_FILE_POINTER;
    }
    if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = LONG(std::uint64_t(target) >> 32);
    SetLastError(NO_ERROR);
    return DWORD(target);
}

DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
    auto f = fileFor(hFile, 0);
    if (!f) return INVALID_FILE_SIZE;
    struct stat st;
    if (::fstat(f->fd, &st) != 0) {
        SetLastError(errnoToError(errno));
        return INVALID_FILE_SIZE;
    }
    if (lpFileSizeHigh) *lpFileSizeHigh = DWORD(std::uint64_t(st.st_size) >> 32);
    SetLastError(NO_ERROR);
    return DWORD(st.st_size);
}

BOOL SetEndOfFile(HANDLE hFile) {
    auto f = fileFor(hFile, GENERIC_WRITE);
    if (!f) return FALSE;
    const off_t pos = ::lseek(f->fd, 0, SEEK_CUR);
    if (pos < 0 || withSizeSignalHeld([&] { return ::ftruncate(f->fd, pos); }) != 0)
        return failed(errnoToError(errno));
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE hFile) {
    auto f = fileFor(hFile, GENERIC_WRITE);
    if (!f) return FALSE;
    // Devices and pipes have nothing to flush (fsync refuses them with EINVAL).
    if (::fsync(f->fd) != 0 && (f->regular || errno != EINVAL)) return failed(errnoToError(errno));
    return TRUE;
}

DWORD GetFileType(HANDLE hFile) {
    auto f = fileFor(hFile, 0);
    if (!f) return FILE_TYPE_UNKNOWN;
    struct stat st;
    if (::fstat(f->fd, &st) != 0) {
        SetLastError(errnoToError(errno));
        return FILE_TYPE_UNKNOWN;
    }
    SetLastError(NO_ERROR);
    if (S_ISREG(st.st_mode) || S_ISBLK(st.st_mode)) return FILE_TYPE_DISK;
    if (S_ISCHR(st.st_mode)) return FILE_TYPE_CHAR;
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) return FILE_TYPE_PIPE;
    return FILE_TYPE_UNKNOWN;
}
