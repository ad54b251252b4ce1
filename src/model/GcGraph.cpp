#include <ploxen/model/GcGraph.h>

#include <ploxen/model/CsvWriter.h>
#include <ploxen/model/ManInt.h>

#include <algorithm>
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
    if (dataRange(*this, &GcGLine::getVminVmax, min, max)) setVminVmax(min, max);
}

void GcGraph::setAutoHminHmax() {
    double min, max;
    if (dataRange(*this, &GcGLine::getHminHmax, min, max)) setHminHmax(min, max);
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
