#include <ploxen/raster/BigBuffer.h>

#include <sys/mman.h>

namespace {
BigBufferObserver observer = nullptr;
} // namespace

void setBigBufferObserver(BigBufferObserver o) {
    observer = o;
}

void* bigBufferAllocate(std::size_t bytes) {
    if (observer) observer(bytes);
    constexpr std::size_t huge = std::size_t(2) << 20;
    void* p = nullptr;
    if (bytes >= 2 * huge) {
        p = std::aligned_alloc(huge, (bytes + huge - 1) / huge * huge);
        if (p) madvise(p, bytes, MADV_HUGEPAGE); // a hint: without it the memory works the same
    } else {
        p = std::malloc(bytes ? bytes : 1);
    }
    if (!p) throw std::bad_alloc();
    return p;
}
