#include <ploxen/render/GradLabel.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <ploxen/platform/afx/NumbersInC.h>

namespace {

// Decimal exponent of v after rounding its mantissa to two significant digits: "%+8.1e" puts
// the exponent's sign at the sixth character whatever the number of exponent digits.
int exponentOf(double v) {
    char text[32];
    const NumbersInC cNumbers;
    std::snprintf(text, sizeof text, "%+8.1e", v);
    return std::atoi(text + 5);
}

// floor(v) written with "%d" takes at most 7 characters: -999999 up to 9999999.
bool fitsSevenChars(float v) {
    const double f = std::floor(v);
    return f >= -999999.0 && f <= 9999999.0;
}

// Range values handed to the float interface, clamped so the conversion stays defined.
float toFloat(double v) {
    return float(std::clamp(v, double(-FLT_MAX), double(FLT_MAX)));
}

int truncToInt(double v) {
    return int(v > INT_MIN ? (v < INT_MAX ? v : INT_MAX) : INT_MIN);
}

} // namespace

int gradExponent(float a, float b, float* scale) {
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

bool gradWhole(float start, float step) {
    if (step - std::floor(step) != 0.0f || start - std::floor(start) != 0.0f) return false;
    return fitsSevenChars(step) && fitsSevenChars(start);
}

std::string trimmedZeros(std::string s) {
    const size_t n = s.size();
    size_t cut = 0;
    while (cut < n && s[n - 1 - cut] == '0') ++cut;
    if (cut < n && s[n - 1 - cut] == '.') ++cut;
    s.resize(n - cut);
    return s;
}

GradLabels GradLabels::of(double lo, double hi, double start, double step) {
    GradLabels g;
    g.exponent = gradExponent(toFloat(lo), toFloat(hi), &g.scale);
    g.whole = gradWhole(toFloat(start), toFloat(step));
    return g;
}

std::string GradLabels::text(double v) const {
    char s[400]; // "%f" of the largest double takes 316 characters
    if (whole) {
        std::snprintf(s, sizeof s, "%d", truncToInt(v));
        return s;
    }
    const NumbersInC cNumbers;
    std::snprintf(s, sizeof s, "%f", v / scale);
    // A value a rounding error below zero prints as "-0.000000": it is written as zero.
    std::string t = trimmedZeros(s);
    return t == "-0" ? "0" : t;
}
