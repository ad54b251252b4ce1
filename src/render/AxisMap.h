// The mapping of data values to device pixels along one axis of one strip, and back. Every
// drawing step, picking and zooming go through it, so that all agree on where a value lands.
// A logarithmic axis maps log10 of the value linearly (v0 and range are then decimal
// logarithms); values <= 0 have no pixel there (NaN), so a series has a gap at them.
#pragma once

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

class AxisMap {
public:
    // Horizontal: x(u) = ((s(u) - v0) * length / range + offset) * zoom + origin.
    static AxisMap horizontal(double origin, double v0, double range, double length, double offset,
                              double zoom, bool log = false) {
        return AxisMap(origin, 1.0, v0, range, 0, length, offset, zoom, true, log);
    }
    // Vertical in strip k: y(v) = origin - (((s(v) - v0) / range + k) * length + offset) * zoom,
    // growing downwards as device rows do.
    static AxisMap vertical(double origin, double v0, double range, int k, double length,
                            double offset, double zoom, bool log = false) {
        return AxisMap(origin, -1.0, v0, range, k, length, offset, zoom, false, log);
    }

    bool logarithmic() const { return m_log; }
    // s(v): v on a linear axis, log10(v) on a logarithmic one (NaN for v <= 0).
    double scaled(double v) const {
        return m_log ? (v > 0 ? std::log10(v) : std::numeric_limits<double>::quiet_NaN()) : v;
    }

    double toPixel(double v) const { return toPixelAs<double>(v); }
    // The same in the precision of T (long double where the double image of a finite value
    // may overflow).
    template <class T> T toPixelAs(double v) const { return pixelOfScaled<T>(scaled(v)); }
    // The pixel of a value given as s(v): on a linear axis, toPixel() without looking at the
    // scale, for loops the compiler vectorises.
    template <class T = double> T pixelOfScaled(double scaledValue) const {
        const T s = T(scaledValue);
        const T q = m_scaleFirst ? (s - m_v0) * m_length / m_range
                                 : ((s - m_v0) / m_range + m_k) * m_length;
        return m_origin + m_sign * ((q + m_offset) * m_zoom);
    }
    double toValue(double p) const {
        const double q = (p - m_origin) * m_sign / m_zoom - m_offset;
        const double s =
            m_v0 + (m_scaleFirst ? q * m_range / m_length : (q / m_length - m_k) * m_range);
        return m_log ? std::pow(10.0, s) : s;
    }
    // Pixels per unit of s(v), signed.
    double perValue() const { return m_sign * m_length / m_range * m_zoom; }

    // toPixel() of a value given as s(v) (fastLog10(v) on a logarithmic axis), with the division
    // replaced by a multiplication and one order of operations for both axes, so that loops over it
    // vectorise: off by at most nearError(result) from the exact value.
    double nearPixel(double s) const {
        return m_origin +
               m_sign * ((((s - m_v0) * m_inverse + m_k) * m_length + m_offset) * m_zoom);
    }
    // A bound on |nearPixel(s) - toPixel(v)| given p = nearPixel(s): the two
    // differ by a few roundings of terms no larger than |p| and the constant terms (which
    // hold the logarithm's own error on a logarithmic axis), and the bound allows 512 units in
    // the last place of those. Not finite when p is not.
    double nearError(double p) const { return 0x1p-44 * (std::fabs(p) + m_constant); }

    // log10(v) for a positive normal v in a form loops vectorise, within
    // fastLog10Error * (|log10 v| + 1) of std::log10; NaN for other v (zero, negative,
    // subnormal, infinite or NaN), where the exact mapping must decide. v = 2^e m with m in
    // [sqrt(1/2), sqrt(2)), ln m = 2 atanh((m - 1) / (m + 1)) by its series.
    static double fastLog10(double v) {
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
        const double m1 =
            std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
        // The exponent field as a double, by placing it in the mantissa of 2^52.
        const double e1 =
            std::bit_cast<double>((bits >> 52) | 0x4330000000000000ULL) - 0x1p52 - 1023;
        const bool high = m1 > 1.4142135623730951;
        const double m = high ? 0.5 * m1 : m1, e = high ? e1 + 1 : e1;
        const double f = (m - 1) / (m + 1), f2 = f * f;
        const double series =
            f *
            (2 + f2 * (2 / 3.0 +
                       f2 * (2 / 5.0 +
                             f2 * (2 / 7.0 +
                                   f2 * (2 / 9.0 +
                                         f2 * (2 / 11.0 +
                                               f2 * (2 / 13.0 +
                                                     f2 * (2 / 15.0 +
                                                           f2 * (2 / 17.0 +
                                                                 f2 * (2 / 19.0 +
                                                                       f2 * (2 / 21.0)))))))))));
        // ln 2 in two parts, the first exact when multiplied by any exponent.
        const double ln = e * 0x1.62e42fee00000p-1 + (series + e * 0x1.a39ef35793c76p-33);
        const double r = ln * 0.43429448190325182765;
        return v >= DBL_MIN && v <= DBL_MAX ? r : std::numeric_limits<double>::quiet_NaN();
    }
    static constexpr double fastLog10Error = 0x1p-46;

private:
    AxisMap(double origin, double sign, double v0, double range, int k, double length,
            double offset, double zoom, bool scaleFirst, bool log)
        : m_origin(origin), m_sign(sign), m_v0(v0), m_range(range), m_inverse(1.0 / range), m_k(k),
          m_length(length), m_offset(offset), m_zoom(zoom), m_scaleFirst(scaleFirst), m_log(log),
          m_constant(
              std::fabs(origin) + (std::fabs(offset) + std::fabs(k * length)) * std::fabs(zoom) +
              1.0 +
              // |log10| of a normal double stays below 309: its error in pixels
              (log ? fastLog10Error * 310 / 0x1p-44 * std::fabs(length / range * zoom) : 0)) {}

    double m_origin, m_sign, m_v0, m_range, m_inverse;
    double m_k, m_length, m_offset, m_zoom;
    bool m_scaleFirst, m_log;
    double m_constant;
};
