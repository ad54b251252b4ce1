#include <ploxen/util/BitOp.h>

#include <algorithm>
#include <span>

static_assert(sizeof(int) == 4 && sizeof(float) == 4 && sizeof(double) == 8);

namespace {

template <class T> void reverseEach(unsigned int n, T* a) {
    if (!a) return;
    for (T& v : std::span(a, n)) std::ranges::reverse(std::as_writable_bytes(std::span(&v, 1)));
}

} // namespace

void BitOp::Trans(unsigned int n, int* a) {
    reverseEach(n, a);
}
void BitOp::Trans(unsigned int n, long* a) {
    reverseEach(n, a);
}
void BitOp::Trans(unsigned int n, float* a) {
    reverseEach(n, a);
}
void BitOp::Trans(unsigned int n, double* a) {
    reverseEach(n, a);
}
