// The handle table. A handle carries a slot index and the slot's generation at the time it was
// made; closing a handle bumps the generation, so the old value never reaches a later open file
// that reuses the slot (or its descriptor number).
#include <cerrno>
#include <mutex>
#include <unistd.h>
#include <utility>
#include <vector>

#include <ploxen/platform/kernel/kernel_p.h>

namespace {

struct Slot {
    std::uint32_t generation = 0;
    DWORD access = 0;
    std::shared_ptr<OpenFile> file; // null when free
};

struct HandleTable {
    std::mutex mutex;
    std::vector<Slot> slots;
    std::vector<std::uint32_t> free;
};

HandleTable& table() {
    static auto* t = new HandleTable; // lives until the process ends
    return *t;
}

// Handle values: generation in the high 32 bits, (index + 1) * 4 in the low ones, so no
// handle is null, INVALID_HANDLE_VALUE or another pseudo handle.
constexpr std::uint32_t maxSlots = 1u << 29;

HANDLE encode(std::uint32_t index, std::uint32_t generation) {
    return reinterpret_cast<HANDLE>((std::uint64_t(generation) << 32) |
                                    (std::uint64_t(index + 1) << 2));
}

// The live slot h names, or nullptr. The table's mutex must be held.
Slot* find(HandleTable& t, HANDLE h) {
    const auto v = reinterpret_cast<std::uint64_t>(h);
    const auto low = std::uint32_t(v);
    if (low == 0 || (low & 3) != 0) return nullptr;
    const std::uint32_t index = (low >> 2) - 1;
    if (index >= t.slots.size()) return nullptr;
    Slot& s = t.slots[index];
    return s.file && s.generation == std::uint32_t(v >> 32) ? &s : nullptr;
}

// Takes the open file out of h's slot; null (ERROR_INVALID_HANDLE) when h is not live.
std::shared_ptr<OpenFile> release(HANDLE h) {
    HandleTable& t = table();
    std::lock_guard lock(t.mutex);
    Slot* s = find(t, h);
    if (!s) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    ++s->generation;
    t.free.push_back(std::uint32_t(s - t.slots.data()));
    return std::exchange(s->file, nullptr);
}

const HANDLE currentProcess = reinterpret_cast<HANDLE>(LONG_PTR(-1));

} // namespace

int OpenFile::close() {
    if (fd < 0) return 0;
    const int rc = ::close(std::exchange(fd, -1));
    const int error = rc == 0 || errno == EINTR ? 0 : errno; // after EINTR the fd is gone too
    unregisterOpen(*this);
    return error;
}

DWORD normalAccess(DWORD access) {
    DWORD a = 0;
    if (access & (GENERIC_READ | GENERIC_EXECUTE | GENERIC_ALL)) a |= GENERIC_READ;
    if (access & (GENERIC_WRITE | GENERIC_ALL)) a |= GENERIC_WRITE;
    return a;
}

HANDLE newHandle(std::shared_ptr<OpenFile> file, DWORD access) {
    HandleTable& t = table();
    std::lock_guard lock(t.mutex);
    std::uint32_t index;
    if (!t.free.empty()) {
        index = t.free.back();
        t.free.pop_back();
    } else if (t.slots.size() < maxSlots) {
        index = std::uint32_t(t.slots.size());
        t.slots.emplace_back();
    } else {
        SetLastError(ERROR_TOO_MANY_OPEN_FILES);
        return INVALID_HANDLE_VALUE;
    }
    Slot& s = t.slots[index];
    s.file = std::move(file);
    s.access = access;
    return encode(index, s.generation);
}

HandleRef handleRef(HANDLE h) {
    HandleTable& t = table();
    std::lock_guard lock(t.mutex);
    if (Slot* s = find(t, h)) return {s->file, s->access};
    SetLastError(ERROR_INVALID_HANDLE);
    return {};
}

BOOL CloseHandle(HANDLE hObject) {
    std::shared_ptr<OpenFile> file = release(hObject);
    if (!file) return FALSE;
    // The last handle closes the descriptor here, so its close error reaches the caller.
    // A duplicate, or a call still running on another thread, keeps the file open.
    if (file.use_count() == 1) {
        if (const int error = file->close()) {
            SetLastError(errnoToError(error));
            return FALSE;
        }
    }
    return TRUE;
}

HANDLE GetCurrentProcess() {
    return currentProcess;
}

BOOL DuplicateHandle(HANDLE hSourceProcessHandle, HANDLE hSourceHandle, HANDLE hTargetProcessHandle,
                     LPHANDLE lpTargetHandle, DWORD dwDesiredAccess,
                     BOOL /*bInheritHandle: handles are never inherited*/, DWORD dwOptions) {
    if (hSourceProcessHandle != currentProcess || hTargetProcessHandle != currentProcess) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    HandleRef source = handleRef(hSourceHandle);
    if (!source.file) return FALSE;
    BOOL ok = TRUE;
    DWORD error = NO_ERROR;
    if (lpTargetHandle) {
        const DWORD access =
            (dwOptions & DUPLICATE_SAME_ACCESS) ? source.access : normalAccess(dwDesiredAccess);
        *lpTargetHandle = nullptr;
        if (access & ~source.file->access) {
            ok = FALSE;
            error = ERROR_ACCESS_DENIED;
        } else {
            *lpTargetHandle = newHandle(source.file, access);
            if (*lpTargetHandle == INVALID_HANDLE_VALUE) {
                *lpTargetHandle = nullptr;
                ok = FALSE;
                error = GetLastError();
            }
        }
    } else if (!(dwOptions & DUPLICATE_CLOSE_SOURCE)) {
        ok = FALSE;
        error = ERROR_INVALID_PARAMETER;
    }
    // The source is closed even when the duplicate could not be made.
    if (dwOptions & DUPLICATE_CLOSE_SOURCE) {
        source.file.reset();
        if (!CloseHandle(hSourceHandle) && ok) {
            ok = FALSE;
            error = GetLastError();
        }
    }
    if (!ok) SetLastError(error);
    return ok;
}
