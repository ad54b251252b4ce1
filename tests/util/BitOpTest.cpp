#include "util/BitOp.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>

namespace {

template <class T> using Bytes = std::array<unsigned char, sizeof(T)>;

template <class T> Bytes<T> bytesOf(const T& v) {
    Bytes<T> out;
    std::memcpy(out.data(), &v, sizeof(T));
    return out;
}

// A value whose bytes run 1, 2, 3, ... comes back with them reversed; only the first n elements
// change.
template <class T> void reversesAndRoundTrips() {
    Bytes<T> in, reversed;
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = reversed[in.size() - 1 - i] = static_cast<unsigned char>(i + 1);
    T a[2];
    std::memcpy(&a[0], in.data(), sizeof(T));
    a[1] = a[0];
    BitOp().Trans(1, a);
    EXPECT_EQ(bytesOf(a[0]), reversed);
    EXPECT_EQ(bytesOf(a[1]), in);
    BitOp().Trans(2, a);
    EXPECT_EQ(bytesOf(a[0]), in);
    EXPECT_EQ(bytesOf(a[1]), reversed);
}

} // namespace

TEST(BitOp, ElementsReverseTheirOwnWidthAndRoundTrip) {
    reversesAndRoundTrips<int>();
    reversesAndRoundTrips<float>();
    reversesAndRoundTrips<long>();
    reversesAndRoundTrips<double>();
}
