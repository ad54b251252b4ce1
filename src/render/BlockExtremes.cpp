#include <ploxen/render/BlockExtremes.h>

#include <cstdint>

namespace {

constexpr uintptr_t prefetchDistance = 8192; // bytes read ahead
using Pair = double __attribute__((vector_size(16)));
using Quad = double __attribute__((vector_size(32)));

// extremes() in vectors of type Vec (one or two pairs), two accumulators against latency.
template <class Vec> [[gnu::always_inline]] inline Extremes extremesOf(const Vertex2D* v, int n) {
    constexpr int W = sizeof(Vec) / sizeof(double);
    constexpr int pairs = W / 2, lanes = 2;
    // bad: zero times every p, NaN once a p is not finite. Each selection has the form of one
    // minimum or maximum instruction.
    Vec lo[lanes], hi[lanes], bad[lanes];
    Vec first;
    for (int k = 0; k < W; k += 2) first[k] = v[0].x, first[k + 1] = v[0].y;
    for (int k = 0; k < lanes; ++k) lo[k] = hi[k] = first, bad[k] = Vec{} * 0;
    int i = 0;
    for (; i + lanes * pairs <= n; i += lanes * pairs) {
        // The hardware's own prefetch stops at page boundaries; a long series is read faster
        // when the reads ahead cross them. Prefetches never fault, so the address may lie
        // past the vertices.
        __builtin_prefetch(reinterpret_cast<const void*>(uintptr_t(v + i) + prefetchDistance));
        for (int k = 0; k < lanes; ++k) {
            Vec p;
            __builtin_memcpy(&p, v + i + k * pairs, sizeof p);
            lo[k] = lo[k] < p ? lo[k] : p, hi[k] = hi[k] > p ? hi[k] : p, bad[k] *= p;
        }
    }
    Pair l = {lo[0][0], lo[0][1]}, h = {hi[0][0], hi[0][1]}, b = {0, 0};
    const auto fold = [&](Pair p, Pair q, Pair c) { l = l < p ? l : p, h = h > q ? h : q, b *= c; };
    for (int k = 0; k < lanes; ++k)
        for (int j = 0; j < W; j += 2)
            fold(Pair{lo[k][j], lo[k][j + 1]}, Pair{hi[k][j], hi[k][j + 1]},
                 Pair{bad[k][j], bad[k][j + 1]});
    for (; i < n; ++i) {
        const Pair p = {v[i].x, v[i].y};
        fold(p, p, p);
    }
    return {l[0], l[1], h[0], h[1], b[0] == 0 && b[1] == 0};
}

#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx2")]] Extremes extremesAvx2(const Vertex2D* v, int n) {
    return extremesOf<Quad>(v, n);
}
// Four doubles a vector where the processor has them: twice the pairs per instruction.
const bool hasAvx2 = [] {
    __builtin_cpu_init(); // this may run before the runtime's own start-up
    return __builtin_cpu_supports("avx2") != 0;
}();
#endif

} // namespace

Extremes extremesByPairs(const Vertex2D* v, int n) {
    return extremesOf<Pair>(v, n);
}

Extremes extremes(const Vertex2D* v, int n) {
#if defined(__x86_64__) || defined(__i386__)
    if (hasAvx2) return extremesAvx2(v, n);
#endif
    return extremesByPairs(v, n);
}
