// Internals of the kernel file functions: the open files behind handles, the handle table and
// the process-wide record of which files are open how (share modes) and locked where.
#pragma once

#include <cstdint>
#include <memory>
#include <sys/types.h>

#include <ploxen/platform/kernel/PosixBridge.h>
#include <ploxen/platform/kernel/kernel.h>

struct InodeKey {
    dev_t dev;
    ino_t ino;
    friend bool operator==(const InodeKey&, const InodeKey&) = default;
};

// One open of a file, shared by all handles duplicated from the first. The descriptor is
// closed, and the file's share record and locks of this open dropped, with the last handle.
struct OpenFile {
    int fd = -1;
    DWORD access = 0; // GENERIC_READ and/or GENERIC_WRITE granted at open
    DWORD share = 0;
    InodeKey key{};
    bool regular = false;  // a regular file: reads may loop until the count is filled
    bool fdWrites = false; // the descriptor was opened for writing

    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { close(); }
    // Closes the descriptor now; 0 or the errno of a failed close.
    int close();
};

struct HandleRef {
    std::shared_ptr<OpenFile> file; // null when the handle is not a live file handle
    DWORD access = 0;               // the handle's own access, within file->access
};

// A new handle on file, or INVALID_HANDLE_VALUE with the last error set.
HANDLE newHandle(std::shared_ptr<OpenFile> file, DWORD access);
// The open file behind h; sets ERROR_INVALID_HANDLE when there is none.
HandleRef handleRef(HANDLE h);

// Records file as an open of its inode unless its access or share mode conflicts with another
// open of the same inode: ERROR_SHARING_VIOLATION then, else NO_ERROR.
DWORD registerOpen(OpenFile& file);
// Forgets file's open and every lock it holds.
void unregisterOpen(OpenFile& file);
// Whether [offset, offset + count) overlaps a lock that another open of the inode holds.
bool lockedByOthers(const OpenFile& file, std::uint64_t offset, std::uint64_t count);
// Whether another open of the inode holds any lock (a cheap test before finding the position).
bool othersHoldLocks(const OpenFile& file);

// GENERIC_READ and GENERIC_WRITE implied by an access mask.
DWORD normalAccess(DWORD access);
