// Uninitialised arrays for per-call buffers that may be large (millions of points). Large ones
// are aligned to and marked for huge pages, which saves most of the page faults of touching
// tens of megabytes of fresh memory on every drawing.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

void* bigBufferAllocate(std::size_t bytes);

// When set, called with the size of every allocation: lets a test bound what a caller allocates.
using BigBufferObserver = void (*)(std::size_t bytes);
void setBigBufferObserver(BigBufferObserver observer);

struct BigBufferFree {
    void operator()(void* p) const { std::free(p); }
};

template <class T> using BigBuffer = std::unique_ptr<T[], BigBufferFree>;

template <class T> BigBuffer<T> makeBigBuffer(std::size_t n) {
    static_assert(std::is_trivially_default_constructible_v<T> &&
                  std::is_trivially_destructible_v<T>);
    return BigBuffer<T>(static_cast<T*>(bigBufferAllocate(n * sizeof(T))));
}
