// Share modes and byte-range locks between the opens of a file in this process, keyed by device
// and inode; LockFile also takes an open-file-description lock so that other processes locking
// the same way see the range taken.
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <mutex>
#include <unordered_map>
#include <vector>

#include <ploxen/platform/kernel/kernel_p.h>

namespace {

struct Lock {
    const OpenFile* owner;
    std::uint64_t offset;
    std::uint64_t count;
    std::uint64_t end() const { // saturates: a range may reach past 2^64
        return count > ~offset ? ~std::uint64_t(0) : offset + count;
    }
};

struct Inode {
    std::vector<const OpenFile*> opens;
    std::vector<Lock> locks;
};

struct KeyHash {
    std::size_t operator()(const InodeKey& k) const {
        return std::hash<std::uint64_t>()(std::uint64_t(k.ino) * 0x9E3779B97F4A7C15ull ^ k.dev);
    }
};

struct Registry {
    std::mutex mutex;
    std::unordered_map<InodeKey, Inode, KeyHash> inodes;
};

Registry& registry() {
    static auto* r = new Registry; // lives until the process ends
    return *r;
}

bool overlaps(const Lock& l, std::uint64_t offset, std::uint64_t end) {
    return l.offset < end && offset < l.end();
}

// Whether an open with access a and share mode s may coexist with one with access b, share t.
// An open without read or write access takes no part in sharing.
bool compatible(DWORD a, DWORD s, DWORD b, DWORD t) {
    if (!a || !b) return true;
    auto allows = [](DWORD access, DWORD share) {
        return (!(access & GENERIC_READ) || (share & FILE_SHARE_READ)) &&
               (!(access & GENERIC_WRITE) || (share & FILE_SHARE_WRITE));
    };
    return allows(a, t) && allows(b, s);
}

// The open-file-description lock for a range; false when the range cannot be expressed as one
// (it starts beyond 2^63), in which case only this process sees the lock.
bool ofdRange(std::uint64_t offset, std::uint64_t count, struct flock& fl) {
    constexpr auto maxOff = std::uint64_t(std::numeric_limits<off_t>::max());
    if (offset > maxOff) return false;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(offset);
    fl.l_len = count > maxOff - offset ? 0 : off_t(count); // 0: to the end of all offsets
    return true;
}

} // namespace

DWORD registerOpen(OpenFile& file) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    Inode& inode = r.inodes[file.key];
    for (const OpenFile* other : inode.opens)
        if (!compatible(file.access, file.share, other->access, other->share))
            return ERROR_SHARING_VIOLATION;
    inode.opens.push_back(&file);
    return NO_ERROR;
}

void unregisterOpen(OpenFile& file) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.inodes.find(file.key);
    if (it == r.inodes.end()) return;
    Inode& inode = it->second;
    std::erase(inode.opens, &file);
    std::erase_if(inode.locks, [&](const Lock& l) { return l.owner == &file; });
    if (inode.opens.empty()) r.inodes.erase(it);
}

bool othersHoldLocks(const OpenFile& file) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.inodes.find(file.key);
    return it != r.inodes.end() &&
           std::ranges::any_of(it->second.locks, [&](const Lock& l) { return l.owner != &file; });
}

bool lockedByOthers(const OpenFile& file, std::uint64_t offset, std::uint64_t count) {
    const Lock range{&file, offset, count};
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.inodes.find(file.key);
    return it != r.inodes.end() && std::ranges::any_of(it->second.locks, [&](const Lock& l) {
               return l.owner != &file && overlaps(l, offset, range.end());
           });
}

BOOL LockFile(HANDLE hFile, DWORD dwFileOffsetLow, DWORD dwFileOffsetHigh,
              DWORD nNumberOfBytesToLockLow, DWORD nNumberOfBytesToLockHigh) {
    HandleRef ref = handleRef(hFile);
    if (!ref.file) return FALSE;
    const Lock wanted{ref.file.get(), (std::uint64_t(dwFileOffsetHigh) << 32) | dwFileOffsetLow,
                      (std::uint64_t(nNumberOfBytesToLockHigh) << 32) | nNumberOfBytesToLockLow};
    if (wanted.count == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.inodes.find(ref.file->key);
    if (it == r.inodes.end()) { // closed by another thread meanwhile
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // Locks are exclusive: a range overlapping any lock, even one of this open, is refused.
    for (const Lock& l : it->second.locks)
        if (overlaps(l, wanted.offset, wanted.end())) {
            SetLastError(ERROR_LOCK_VIOLATION);
            return FALSE;
        }
    struct flock fl {};
    // A descriptor without write access can only hold a read lock, which other processes' read
    // locks share.
    fl.l_type = ref.file->fdWrites ? F_WRLCK : F_RDLCK;
    if (ofdRange(wanted.offset, wanted.count, fl) && ::fcntl(ref.file->fd, F_OFD_SETLK, &fl) != 0) {
        SetLastError(errno == EACCES || errno == EAGAIN ? ERROR_LOCK_VIOLATION
                                                        : errnoToError(errno));
        return FALSE;
    }
    it->second.locks.push_back(wanted);
    return TRUE;
}

BOOL UnlockFile(HANDLE hFile, DWORD dwFileOffsetLow, DWORD dwFileOffsetHigh,
                DWORD nNumberOfBytesToUnlockLow, DWORD nNumberOfBytesToUnlockHigh) {
    HandleRef ref = handleRef(hFile);
    if (!ref.file) return FALSE;
    const std::uint64_t offset = (std::uint64_t(dwFileOffsetHigh) << 32) | dwFileOffsetLow;
    const std::uint64_t count =
        (std::uint64_t(nNumberOfBytesToUnlockHigh) << 32) | nNumberOfBytesToUnlockLow;
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.inodes.find(ref.file->key);
    if (it == r.inodes.end()) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    // Only a range locked before, exactly, through this open can be unlocked.
    std::vector<Lock>& locks = it->second.locks;
    auto match = std::ranges::find_if(locks, [&](const Lock& l) {
        return l.owner == ref.file.get() && l.offset == offset && l.count == count;
    });
    if (match == locks.end()) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    struct flock fl {};
    fl.l_type = F_UNLCK;
    if (ofdRange(offset, count, fl) && ::fcntl(ref.file->fd, F_OFD_SETLK, &fl) != 0) {
        SetLastError(errnoToError(errno));
        return FALSE;
    }
    locks.erase(match);
    return TRUE;
}
