// Global memory blocks: a live set of blocks, so that a stale or foreign handle is refused.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include <ploxen/platform/kernel/kernel.h>

namespace {

struct Block {
    SIZE_T size = 0;
    int locks = 0;
};

struct Blocks {
    std::mutex mutex;
    std::unordered_map<void*, Block> live;
};

Blocks& blocks() {
    static auto* b = new Blocks; // lives until the process ends
    return *b;
}

} // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    void* p = (uFlags & GMEM_ZEROINIT) ? std::calloc(1, dwBytes ? dwBytes : 1)
                                       : std::malloc(dwBytes ? dwBytes : 1);
    if (!p) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    std::lock_guard lock(blocks().mutex);
    blocks().live[p] = Block{dwBytes, 0};
    return p;
}

LPVOID GlobalLock(HGLOBAL hMem) {
    std::lock_guard lock(blocks().mutex);
    auto it = blocks().live.find(hMem);
    if (it == blocks().live.end()) return nullptr;
    ++it->second.locks;
    return hMem;
}

BOOL GlobalUnlock(HGLOBAL hMem) {
    std::lock_guard lock(blocks().mutex);
    auto it = blocks().live.find(hMem);
    if (it == blocks().live.end() || it->second.locks == 0) return FALSE;
    return --it->second.locks != 0;
}

SIZE_T GlobalSize(HGLOBAL hMem) {
    std::lock_guard lock(blocks().mutex);
    auto it = blocks().live.find(hMem);
    return it == blocks().live.end() ? 0 : it->second.size;
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
    {
        std::lock_guard lock(blocks().mutex);
        if (!blocks().live.erase(hMem)) return hMem;
    }
    std::free(hMem);
    return nullptr;
}
