#pragma once

#include <ploxen/model/GcGLine.h>
#include <ploxen/model/TextField.h>
#include <ploxen/platform/afx/AfxExtClass.h>

#include <cstdio>

// One axis frame: its series, the vertical and horizontal ranges with their graduations, and
// the axis titles. The series array belongs to the host; copies are shallow and share it.
// Every range setter keeps vmin < vmax and hmin < hmax.
class AFX_EXT_CLASS GcGraph {
public:
    GcGraph() = default;
    GcGraph(int nline, GcGLine* line, double va, double vb, double vstart, double vstep, int vsmall,
            double ha, double hb, double hstart, double hstep, int hsmall, char* vtitle,
            char* htitle);

    // Stores series, ranges, graduations and titles; a large step wider than its range is
    // reduced to the range, and small-division counts below 1 are raised to 1.
    void set(int nline, GcGLine* line, double va, double vb, double vstart, double vstep,
             int vsmall, double ha, double hb, double hstart, double hstep, int hsmall,
             char* vtitle, char* htitle);

    // Stores the series, or none if nline < 1 or line is null.
    void setGLine(int nline, GcGLine* line);
    int getNline() const { return nline; }
    GcGLine* getLine() const { return line; }

    void setVminVmax(double a, double b) { setMinMax(a, b, vmin, vmax); }
    void setHminHmax(double a, double b) { setMinMax(a, b, hmin, hmax); }
    void setVlargeGrad(double start, double step);
    void setHlargeGrad(double start, double step);
    void setVsmallGrad(int n);
    void setHsmallGrad(int n);
    void setVtitle(char* title) { storeText(vtitle, title); }
    void setHtitle(char* title) { storeText(htitle, title); }

    // Range of the y (x) values of all series; unchanged if no series has a vertex. On a
    // logarithmic axis, of the positive values, widened to whole decades (to 1, 2 or 5 times
    // a power of ten when they span less than a decade).
    void setAutoVminVmax();
    void setAutoHminHmax();
    // Graduation chosen for the current vertical (horizontal) range.
    void setAutoVgrad();
    void setAutoHgrad();

    // Readable large step, first large graduation at or above min, and small divisions for the
    // range min..max. Leaves the outputs unchanged unless min < max are both finite.
    void setAutoGrad(double min, double max, double& step, double& start, int& small) const;
    // Stores a and b as an ordered, non-empty, finite range; equal values are widened by half
    // their magnitude on each side.
    void setMinMax(double a, double b, double& min, double& max) const;

    // Logarithmic axes (base 10), off by default: nonzero turns one on. A logarithmic axis
    // draws only positive values (others make gaps, as NaN does) and takes its automatic
    // range from them, widened to whole decades. A range that is not positive is drawn
    // linearly. As with hmin and hmax, the horizontal axis drawn is graph 0's, shared by all
    // graphs of the configuration.
    void setLogH(int on) { logH = on != 0; }
    void setLogV(int on) { logV = on != 0; }
    int getLogH() const { return logH; }
    int getLogV() const { return logV; }
    // Time labels, off by default: nonzero shows the axis' values, seconds since 1970-01-01
    // 00:00 UTC, as times and dates in the time zone of setTimeZone. Ignored on a logarithmic
    // axis.
    void setTimeH(int on) { timeH = on != 0; }
    void setTimeV(int on) { timeV = on != 0; }
    int getTimeH() const { return timeH; }
    int getTimeV() const { return timeV; }
    // The time zone of time labels as a fixed offset, in minutes east of UTC (60 for UTC+1);
    // 0, UTC, by default.
    void setTimeZone(int minutesEast) { timeZone = minutesEast; }
    int getTimeZone() const { return timeZone; }

    // Writes the series as comma-separated text, one (x, y) column pair per series.
    void writeCsv(FILE* stream) const;
    // Writes to a new or truncated file; returns 1, or 0 if it cannot be opened.
    int writeCsv(const char* path) const;

    int nline = 0;
    GcGLine* line = nullptr;
    double vmax = 1.0;
    double vmin = 0.0;
    double vlargeGradStart = 0.0;
    double vlargeGradStep = 1.0;
    int vsmallGrad = 5;
    double hmax = 1.0;
    double hmin = 0.0;
    double hlargeGradStart = 0.0;
    double hlargeGradStep = 1.0;
    int hsmallGrad = 5;
    char vtitle[textFieldSize] = {};
    char htitle[textFieldSize] = {};
    int logH = 0;
    int logV = 0;
    int timeH = 0;
    int timeV = 0;
    int timeZone = 0;
};
