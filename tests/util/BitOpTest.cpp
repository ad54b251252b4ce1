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

template <class T> T fromBytes(const Bytes<T>& b) {
    T v;
    std::memcpy(&v, b.data(), sizeof(T));
    return v;
}

} // namespace

TEST(BitOp, IntAndFloatElementsReverseTheirFourBytes) {
    BitOp op;
    int ints[2] = {fromBytes<int>({1, 2, 3, 4}), fromBytes<int>({5, 6, 7, 8})};
    op.Trans(2, ints);
    EXPECT_EQ(bytesOf(ints[0]), Bytes<int>({4, 3, 2, 1}));
    EXPECT_EQ(bytesOf(ints[1]), Bytes<int>({8, 7, 6, 5}));
    op.Trans(2, ints);
    EXPECT_EQ(bytesOf(ints[0]), Bytes<int>({1, 2, 3, 4}));

    float f[1] = {1.0f}; // 00 00 80 3F
    op.Trans(1, f);
    EXPECT_EQ(bytesOf(f[0]), Bytes<float>({0x3F, 0x80, 0, 0}));
}

TEST(BitOp, DoubleReversesEightBytesAndRoundTrips) {
    BitOp op;
    double d[3] = {1.0, -2.5e-300, 3.14159};
    op.Trans(3, d);
    EXPECT_EQ(bytesOf(d[0]), Bytes<double>({0x3F, 0xF0, 0, 0, 0, 0, 0, 0}));
    op.Trans(3, d);
    EXPECT_EQ(d[0], 1.0);
    EXPECT_EQ(d[1], -2.5e-300);
    EXPECT_EQ(d[2], 3.14159);
}

TEST(BitOp, LongElementsReverseTheirOwnWidth) {
    Bytes<long> in, reversed;
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = reversed[in.size() - 1 - i] = static_cast<unsigned char>(i + 1);
    long l[1] = {fromBytes<long>(in)};
    BitOp().Trans(1, l);
    EXPECT_EQ(bytesOf(l[0]), reversed);
}

TEST(BitOp, OnlyTheFirstNElementsChange) {
    BitOp op;
    int a[3] = {0x01020304, 0x05060708, 0x090A0B0C};
    op.Trans(0, a);
    op.Trans(1, a);
    EXPECT_EQ(a[0], 0x04030201);
    EXPECT_EQ(a[1], 0x05060708);
    EXPECT_EQ(a[2], 0x090A0B0C);
    // No array: nothing read or written, whatever n says.
    op.Trans(0, static_cast<double*>(nullptr));
    op.Trans(4, static_cast<int*>(nullptr));
}
