#include <ploxen/model/GcGraph.h>

#include <ploxen/model/CsvWriter.h>
#include <ploxen/model/ManInt.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Step mantissa, small divisions and whether the first graduation lies on an even multiple,
// chosen from the range's mantissa rounded to 1..10.
struct GradChoice {
    double mantissa;
    int small;
    bool even;
};

GradChoice chooseGrad(int m) {
    if (m == 1) return {0.2, 2, false};
    if (m == 2) return {0.5, 5, false};
    if (m <= 5) return {1.0, 2, false};
    return {2.0, 2, true};
}

// From a grid origin at most two units below min, the first graduation is a few steps away.
// A longer walk means the step is below the precision of min and would never arrive.
constexpr int maxGradWalk = 64;

using Extremes = int (GcGLine::*)(double&, double&) const;

// Smallest and largest value over all series; false if none has a vertex.
bool dataRange(const GcGraph& graph, Extremes extremes, double& min, double& max) {
    if (graph.nline < 1 || !graph.line) return false;
    bool found = false;
    for (int i = 0; i < graph.nline; ++i) {
        double lo, hi;
        if (!(graph.line[i].*extremes)(lo, hi)) continue;
        if (!found || lo < min) min = lo;
        if (!found || hi > max) max = hi;
        found = true;
    }
    return found;
}

// Smallest and largest positive finite value over all series; false if there is none.
bool positiveRange(const GcGraph& graph, double Vertex2D::*value, double& min, double& max) {
    if (graph.nline < 1 || !graph.line) return false;
    min = INFINITY, max = 0;
    for (int i = 0; i < graph.nline; ++i) {
        const GcGLine& l = graph.line[i];
        for (int j = 0; l.vertex && j < l.nvertex; ++j) {
            const double v = l.vertex[j].*value;
            if (v > 0 && v <= DBL_MAX) min = std::min(min, v), max = std::max(max, v);
        }
    }
    return max > 0;
}

// The steps 1, 2, 5, 10, 20, ... as indices: i = 3 d + 0, 1, 2 for 1, 2, 5 times 10^d.
double oneTwoFive(int i) {
    const int d = i >= 0 ? i / 3 : (i - 2) / 3, m = i - 3 * d == 0 ? 1 : i - 3 * d == 1 ? 2 : 5;
    return d >= 0     ? m * std::pow(10.0, d)
           : d >= -22 ? m / std::pow(10.0, -d)
                      : m * std::pow(10.0, d);
}

// min..max widened outward to decades, or to 1-2-5 steps when they span less than one (a
// single value gets the steps on either side).
void snapToDecades(double& min, double& max) {
    int lo = 3 * int(std::floor(std::log10(min))), hi = 3 * int(std::ceil(std::log10(max)));
    while (oneTwoFive(lo) > min) lo -= 3;
    while (oneTwoFive(lo + 3) <= min) lo += 3;
    while (oneTwoFive(hi) < max) hi += 3;
    while (oneTwoFive(hi - 3) >= max) hi -= 3;
    if (max < 10 * min) { // spanning less than a decade: 1-2-5
        while (oneTwoFive(lo + 1) <= min) ++lo;
        while (oneTwoFive(hi - 1) >= max) --hi;
        if (lo == hi) --lo, ++hi;
    }
    // Beyond the doubles' range a bound stays at the data's own.
    if (oneTwoFive(lo) > 0) min = oneTwoFive(lo);
    if (oneTwoFive(hi) <= DBL_MAX) max = oneTwoFive(hi);
}

} // namespace

GcGraph::GcGraph(int nline, GcGLine* line, double va, double vb, double vstart, double vstep,
                 int vsmall, double ha, double hb, double hstart, double hstep, int hsmall,
                 char* vtitle, char* htitle) {
    set(nline, line, va, vb, vstart, vstep, vsmall, ha, hb, hstart, hstep, hsmall, vtitle, htitle);
}

void GcGraph::set(int nline, GcGLine* line, double va, double vb, double vstart, double vstep,
                  int vsmall, double ha, double hb, double hstart, double hstep, int hsmall,
                  char* vtitle, char* htitle) {
    setGLine(nline, line);
    setMinMax(va, vb, vmin, vmax);
    setMinMax(ha, hb, hmin, hmax);
    vlargeGradStart = vstart;
    // std::min keeps the range when the step is NaN.
    vlargeGradStep = std::min(vmax - vmin, vstep);
    hlargeGradStart = hstart;
    hlargeGradStep = std::min(hmax - hmin, hstep);
    setVsmallGrad(vsmall);
    setHsmallGrad(hsmall);
    setVtitle(vtitle);
    setHtitle(htitle);
}

void GcGraph::setGLine(int nline, GcGLine* line) {
    const bool empty = nline < 1 || !line;
    this->nline = empty ? 0 : nline;
    this->line = empty ? nullptr : line;
}

void GcGraph::setVlargeGrad(double start, double step) {
    vlargeGradStart = start;
    vlargeGradStep = step;
}

void GcGraph::setHlargeGrad(double start, double step) {
    hlargeGradStart = start;
    hlargeGradStep = step;
}

void GcGraph::setVsmallGrad(int n) {
    vsmallGrad = std::max(n, 1);
}

void GcGraph::setHsmallGrad(int n) {
    hsmallGrad = std::max(n, 1);
}

void GcGraph::setAutoVminVmax() {
    double min, max;
    if (logV) {
        if (positiveRange(*this, &Vertex2D::y, min, max))
            snapToDecades(min, max), setVminVmax(min, max);
    } else if (dataRange(*this, &GcGLine::getVminVmax, min, max)) {
        setVminVmax(min, max);
    }
}

void GcGraph::setAutoHminHmax() {
    double min, max;
    if (logH) {
        if (positiveRange(*this, &Vertex2D::x, min, max))
            snapToDecades(min, max), setHminHmax(min, max);
    } else if (dataRange(*this, &GcGLine::getHminHmax, min, max)) {
        setHminHmax(min, max);
    }
}

void GcGraph::setAutoVgrad() {
    setAutoGrad(vmin, vmax, vlargeGradStep, vlargeGradStart, vsmallGrad);
}

void GcGraph::setAutoHgrad() {
    setAutoGrad(hmin, hmax, hlargeGradStep, hlargeGradStart, hsmallGrad);
}

void GcGraph::setAutoGrad(double min, double max, double& step, double& start, int& small) const {
    if (!(min < max) || !std::isfinite(min) || !std::isfinite(max)) return;

    // Mantissa of the range in [1, 10) and its decimal exponent e. A range beyond the largest
    // double is taken a tenth at a time.
    double mantissa = max - min;
    int e = 0;
    if (std::isinf(mantissa)) {
        mantissa = max * 0.1 - min * 0.1;
        e = 1;
    }
    while (mantissa >= 10) {
        mantissa *= 0.1;
        ++e;
    }
    while (mantissa < 1) {
        mantissa *= 10;
        --e;
    }
    const GradChoice choice = chooseGrad(static_cast<int>(com_GLManInt(mantissa)));
    const double unit = std::pow(10.0, e);
    const double newStep = unit * choice.mantissa;
    if (newStep == 0) return; // range below the smallest subnormal step

    // Grid origin: the multiple of 10^e at or below min, made even toward zero if asked.
    double k = std::floor(min * std::pow(10.0, -e));
    if (!std::isfinite(k)) k = std::floor(min / unit); // 10^-e overflows for subnormal ranges
    if (choice.even) k = std::trunc(k * 0.5) * 2;
    double first = unit * k;
    for (int i = 0; first < min && i < maxGradWalk; ++i) first += newStep;
    if (!(first >= min)) first = min; // unit * k overflowed, or the walk could not reach min

    step = newStep;
    start = first;
    small = choice.small;
}

void GcGraph::setMinMax(double a, double b, double& min, double& max) const {
    double lo, hi;
    if (a > b) {
        lo = b;
        hi = a;
    } else if (a < b) {
        lo = a;
        hi = b;
    } else { // equal or unordered: widen by half the magnitude on each side
        hi = b + std::fabs(b * 0.5);
        lo = a - std::fabs(a * 0.5);
    }
    // Zero and NaN give no width; infinite bounds would make every later computation infinite;
    // a subnormal value may be too small to widen. All of these fall back to -0.5..0.5.
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi)) {
        lo = -0.5;
        hi = 0.5;
    }
    min = lo;
    max = hi;
}

void GcGraph::writeCsv(FILE* stream) const {
    CsvWriter(stream).writeGraph(*this, htitle);
}

int GcGraph::writeCsv(const char* path) const {
    return CsvWriter::toFile(path, [this](FILE* stream) { writeCsv(stream); });
}
