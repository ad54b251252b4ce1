// Geometry shared by drawing and picking: the plot rectangle inside the viewport, the graph
// strips, the zoomed mapping of data values to device pixels and the pixel rounding.
#pragma once

#include <ploxen/model/GcGraph.h>
#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/render/AxisMap.h>

#include <cmath>

// Vertical mapping source of one graph: the value drawn at the strip's base and the range
// that fills the strip's height, both in decimal logarithms on a logarithmic axis.
struct VerticalRange {
    double lo = 0.0;
    double r = 1.0;
    bool valid = false; // r is finite and nonzero, lo finite
    bool log = false;   // the graph asks for a logarithmic axis and its range is positive

    // The graph's own range, starting at 0 instead of vmin when fromZero is set (not on a
    // logarithmic axis, where bars stand on the plot's bottom).
    static VerticalRange of(const GcGraph& g, bool fromZero);
    // The range graph g's series are drawn with: graph 0's when superposed graphs share one
    // axis, from 0 for a histogram of counts.
    static VerticalRange ofSeries(const GcGraphConfig& cfg, int g);
};

// Whether a range min..max set on an axis that asks for a logarithmic scale can be drawn so:
// otherwise the axis stays linear.
inline bool logUsable(int asked, double min, double max) {
    return asked && min > 0 && max > min && std::isfinite(max);
}

// The plot rectangle inside viewport (x, y, width, height) with the configuration's margins.
struct PlotRect {
    PlotRect(const int viewport[4], const GcGraphConfig& cfg);
    double lm, rm, bm, tm; // margins in pixels
    double L, R, T, B;     // plot rectangle
    double pw, ph;         // plot width and height
};

struct PlotLayout : PlotRect {
    // Computes everything from the viewport (x, y, width, height), the zoom state and the
    // configuration, which must hold at least one graph.
    PlotLayout(const int viewport[4], const float zoomScale[2], const float zoomOffset[2],
               const GcGraphConfig& cfg);

    double mn;             // short side of the plot
    double big, small;     // graduation mark lengths
    double sample;         // legend line sample length
    double gh;             // strip height
    double zx, zy, ox, oy; // zoom scales and offsets
    double h0, hr;         // graph 0's hmin and hmax - hmin (their log10 on a logarithmic axis)
    bool hLog;             // graph 0's horizontal axis is logarithmic, for every graph
    bool hValid;           // the horizontal mapping is usable (h0 finite, hr finite and nonzero)
    int ngraph;
    bool superpose;

    // Strip index of graph g.
    int strip(int g) const { return superpose ? 0 : g; }
    double stripTop(int k) const { return B - ((k + 1) * gh + oy) * zy; }
    double stripBottom(int k) const { return B - (k * gh + oy) * zy; }

    // Graph 0's horizontal mapping, and the vertical mapping of strip k with range source s.
    AxisMap hmap() const { return AxisMap::horizontal(L, h0, hr, pw, ox, zx, hLog); }
    AxisMap vmap(const VerticalRange& s, int k) const {
        return AxisMap::vertical(B, s.lo, s.r, k, gh, oy, zy, s.log);
    }

    // Pixel rounding: t = v truncated toward zero, plus 1 when v - t >= 0.5. Values beyond
    // +-coordLimit (and NaN, taken as -coordLimit) are clamped first so the int conversion
    // stays defined; such coordinates lie far outside any device.
    static constexpr double coordLimit = 1e8;
    static double clamped(double v) {
        return v > -coordLimit ? (v < coordLimit ? v : coordLimit) : -coordLimit;
    }
    static int rnd(double v) { return rndInRange(clamped(v)); }
    // The same for a value already known to lie within +-coordLimit, in a form the compiler
    // vectorises.
    static int rndInRange(double v) {
        const double t = double(int(v));
        return int(t + (v - t >= 0.5 ? 1.0 : 0.0));
    }
    // Truncation toward zero, clamped the same way.
    static int trunc(double v) { return int(clamped(v)); }
};
