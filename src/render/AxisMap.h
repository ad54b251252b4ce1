// The mapping of data values to device pixels along one axis of one strip, and back. Every
// drawing step, picking and zooming go through it, so that all agree on where a value lands.
#pragma once

#include <cmath>

class AxisMap {
public:
    // Horizontal: x(u) = ((u - v0) * length / range + offset) * zoom + origin.
    static AxisMap horizontal(double origin, double v0, double range, double length, double offset,
                              double zoom) {
        return AxisMap(origin, 1.0, v0, range, 0, length, offset, zoom, true);
    }
    // Vertical in strip k: y(v) = origin - (((v - v0) / range + k) * length + offset) * zoom,
    // growing downwards as device rows do.
    static AxisMap vertical(double origin, double v0, double range, int k, double length,
                            double offset, double zoom) {
        return AxisMap(origin, -1.0, v0, range, k, length, offset, zoom, false);
    }

    double toPixel(double v) const { return toPixelAs<double>(v); }
    // The same in the precision of T (long double where the double image of a finite value
    // may overflow).
    template <class T> T toPixelAs(double v) const {
        const T q = m_scaleFirst ? (T(v) - m_v0) * m_length / m_range
                                 : ((T(v) - m_v0) / m_range + m_k) * m_length;
        return m_origin + m_sign * ((q + m_offset) * m_zoom);
    }
    double toValue(double p) const {
        const double q = (p - m_origin) * m_sign / m_zoom - m_offset;
        return m_v0 + (m_scaleFirst ? q * m_range / m_length : (q / m_length - m_k) * m_range);
    }
    // Pixels per unit of value, signed.
    double perValue() const { return m_sign * m_length / m_range * m_zoom; }

    // toPixel() with the division replaced by a multiplication and one order of operations for
    // both axes, so that loops over it vectorise: off by at most nearError(result) from the
    // exact value.
    double nearPixel(double v) const {
        return m_origin +
               m_sign * ((((v - m_v0) * m_inverse + m_k) * m_length + m_offset) * m_zoom);
    }
    // A bound on |nearPixel(v) - toPixel(v)| given p = nearPixel(v): the two differ by a few
    // roundings of terms no larger than |p| and the constant terms, and the bound allows 512
    // units in the last place of those. Not finite when p is not.
    double nearError(double p) const { return 0x1p-44 * (std::fabs(p) + m_constant); }

private:
    AxisMap(double origin, double sign, double v0, double range, int k, double length,
            double offset, double zoom, bool scaleFirst)
        : m_origin(origin), m_sign(sign), m_v0(v0), m_range(range), m_inverse(1.0 / range), m_k(k),
          m_length(length), m_offset(offset), m_zoom(zoom), m_scaleFirst(scaleFirst),
          m_constant(std::fabs(origin) +
                     (std::fabs(offset) + std::fabs(k * length)) * std::fabs(zoom) + 1.0) {}

    double m_origin, m_sign, m_v0, m_range, m_inverse;
    double m_k, m_length, m_offset, m_zoom;
    bool m_scaleFirst;
    double m_constant;
};
