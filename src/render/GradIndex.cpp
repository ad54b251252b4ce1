#include "render/Renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Decimal exponent of v after rounding its mantissa to two significant digits: "%+8.1e" puts
// the exponent's sign at the sixth character whatever the number of exponent digits.
int exponentOf(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%+8.1e", v);
    return std::atoi(text + 5);
}

// floor(v) written with "%d" takes at most 7 characters: -999999 up to 9999999.
bool fitsSevenChars(float v) {
    const double f = std::floor(v);
    return f >= -999999.0 && f <= 9999999.0;
}

} // namespace

int com_GLCalcGraphIndex(float a, float b, float* scale) {
    int n;
    if (a == 0)
        n = b == 0 ? 0 : exponentOf(b);
    else if (b == 0)
        n = exponentOf(a);
    else
        n = std::max(exponentOf(a), exponentOf(b));
    *scale = float(std::pow(10.0, n));
    return n;
}

int com_GLIsGraphGradInt(float start, float step) {
    if (step - std::floor(step) != 0.0f || start - std::floor(start) != 0.0f) return 0;
    return fitsSevenChars(step) && fitsSevenChars(start) ? 1 : 0;
}
