// Byte order conversion in place between little- and big-endian arrays. Each Trans reverses the
// bytes of every element a[0] .. a[n - 1]; applying it twice restores the array. A null array
// is left alone.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>

class AFX_EXT_CLASS BitOp {
public:
    BitOp() = default;
    BitOp(const BitOp&) = default;
    BitOp& operator=(const BitOp&) = default;
    ~BitOp() = default;

    void Trans(unsigned int n, int* a); // 4-byte elements
    // Elements of the platform's own long width: 8 bytes on 64-bit Linux, so a file's 4-byte
    // longs are read into int arrays there.
    void Trans(unsigned int n, long* a);
    void Trans(unsigned int n, float* a);  // 4-byte IEEE 754 single
    void Trans(unsigned int n, double* a); // 8-byte IEEE 754 double
};
