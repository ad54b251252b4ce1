#include <ploxen/render/AxisTicks.h>
#include <ploxen/render/DrawState.h>
#include <ploxen/render/GradLabel.h>
#include <ploxen/render/LayoutConstants.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace {

// An axis with more marks than this (large and small) inside its visible part is not graduated.
constexpr double maxMarks = 100000;

// A pass adds the step literally this many times at most before it jumps, by one multiplication,
// to a couple of steps before the first value that can show; below this bound the values are
// exactly those of repeated addition, and the walk costs well under a millisecond.
constexpr long literalSteps = 1L << 16;

// Graduation of one axis: values start, start + step, ... up to hi, and start, start - step,
// ... down to lo, with nsmall divisions between consecutive values.
struct GradSteps {
    double lo, hi, start, step;
    int nsmall;
};

// The visible pixels [a, b] of one axis that labels and marks are drawn in (none when a > b),
// with the axis' mapping.
struct AxisSpan {
    AxisMap map;
    double a, b;
};

bool drawable(const GradSteps& g) {
    return std::isfinite(g.lo) && std::isfinite(g.hi) && std::isfinite(g.start) &&
           std::isfinite(g.step) && g.step > 0;
}

// Number of graduation values [from, to] holds, 0 when empty.
double valuesWithin(const GradSteps& g, double from, double to) {
    return to >= from ? std::floor((to - from) / g.step) + 1 : 0;
}

// Marks that can show: values of both passes whose pixel lies in the visible part.
double visibleMarks(const GradSteps& g, const AxisSpan& s) {
    if (!(s.a <= s.b)) return 0;
    const double va = s.map.toValue(s.a), vb = s.map.toValue(s.b);
    const double lo = std::max(g.lo, std::min(va, vb)), hi = std::min(g.hi, std::max(va, vb));
    const double n =
        valuesWithin(g, std::max(lo, g.start), hi) + valuesWithin(g, lo, std::min(hi, g.start));
    return n * std::max(g.nsmall, 1);
}

// One pass (dir +1 forward, -1 backward) from start, calling mark(v, dir) for each value whose
// label or marks can show. Values before the visible part are walked past, by a jump when they
// are many; the pass stops at its end of the range, after the visible part, or where adding the
// step no longer changes the value. Its marking work (values times small divisions) is bounded
// by a few times the mark limit and its walk before the visible part by twice the literal
// steps, so a degenerate mapping cannot walk an enormous range step by step.
template <class Mark> void pass(const GradSteps& g, const AxisSpan& s, int dir, Mark mark) {
    // Small marks reach up to one step past their value; one pixel more covers rounding.
    const double slack = std::fabs(g.step * s.map.perValue()) + 1;
    if (!std::isfinite(slack)) return;
    const bool up = s.map.perValue() * dir > 0; // pixels grow along the pass
    const double nearEdge = up ? s.a - slack : s.b + slack;
    const auto before = [&](double x) { return up ? x < nearEdge : x > nearEdge; };
    const auto after = [&](double x) { return up ? x > s.b + slack : x < s.a - slack; };
    const double delta = dir * g.step;
    double budget = 3 * maxMarks + 16;
    long walked = 0; // values passed before the visible part, jump or not

    double v = g.start;
    for (long n = 0; dir > 0 ? v <= g.hi : v >= g.lo; ++n) {
        const double x = s.map.toPixel(v);
        if (std::isnan(x) || after(x)) return;
        if (!before(x)) {
            if ((budget -= std::max(g.nsmall, 1)) < 0) return;
            mark(v, dir);
        } else if (++walked > 2 * literalSteps) {
            return; // the jump could not reach the visible part: nothing will show
        } else if (n == literalSteps) {
            const double m = std::floor((s.map.toValue(nearEdge) - g.start) / delta) - 2;
            if (m > n) {
                n = long(std::min(m, 9e18));
                v = g.start + m * delta;
                continue;
            }
        }
        const double next = v + delta;
        if (next == v) return;
        v = next;
    }
}

template <class Mark> void forEachValue(const GradSteps& g, const AxisSpan& s, Mark mark) {
    pass(g, s, 1, mark);
    pass(g, s, -1, mark);
}

// Whether the labels are drawn: an axis whose passes meet more values in its visible part than it
// has pixels there gets its marks alone. Its labels could only be drawn over one another, and
// laying out a hundred thousand of them, each up to some three hundred characters long, takes
// many seconds. The count walks the passes as drawing does, so that it holds for any mapping; the
// start, which both passes draw, counts once.
bool labelled(const GradSteps& g, const AxisSpan& s) {
    double labels = 0;
    forEachValue(g, s, [&](double v, int dir) {
        const double x = s.map.toPixel(v);
        labels += s.a <= x && x <= s.b && (dir > 0 || v != g.start);
    });
    return labels <= s.b - s.a + 1;
}

// The marks of one length along an axis, drawn once for each pixel a pass meets in a row: with
// many values to a pixel a pass meets the same pixel many times running, and the same line drawn
// again in the copy mode changes nothing. Each pass starts afresh (both draw the start value).
struct MarkRun {
    int last = INT_MIN, dir = 0;
    bool fresh(int pixel, int passDir) {
        const bool same = pixel == last && passDir == dir;
        last = pixel, dir = passDir;
        return !same;
    }
};

// The marks of an axis drawn on a logarithmic scale or with time labels: those of the part of
// min..max that the span shows, with at most maxLabels labels.
std::vector<Tick> scaleTicks(const AxisSpan& s, double min, double max, int zone, int maxLabels) {
    const double va = s.map.toValue(s.a), vb = s.map.toValue(s.b);
    const double lo = std::max(min, std::min(va, vb)), hi = std::min(max, std::max(va, vb));
    if (!(lo < hi)) return {};
    return s.map.logarithmic() ? logTicks(lo, hi, maxLabels) : timeTicks(lo, hi, zone, maxLabels);
}

// Labels that fit along pixels, each taking room (no more than a thousand).
int labelsWithin(double pixels, double room) {
    return room > 0 && pixels >= 0 ? int(std::min(pixels / room, 999.0)) + 1 : 2;
}

} // namespace

// A label at device x (centred on it when align is 0, ending at it when 1, starting at it when
// -1) with its top at y: text, then raised (an exponent) raised by half its own height, and
// below (none when empty) under the text, aligned the same way.
void Renderer::drawTickLabel(const DrawState& st, const char* text, const char* raised,
                             const char* below, int x, int y, int align) {
    const int* fg = st.fg;
    CString main(text), up(raised), under(below);
    const CSize e = st.extent(main), e2 = *raised ? st.extent(up) : CSize(0, 0);
    const int w = e.cx + e2.cx, left = align == 0 ? x - w / 2 : align > 0 ? x - w : x;
    TextOutA(st.dc, main.GetBuffer(), left, y, fg[0], fg[1], fg[2]);
    if (*raised) TextOutA(st.dc, up.GetBuffer(), left + e.cx, y - e2.cy / 2, fg[0], fg[1], fg[2]);
    if (!*below) return;
    const CSize eb = st.extent(under);
    const int belowLeft = align == 0 ? x - eb.cx / 2 : align > 0 ? x - eb.cx : x;
    TextOutA(st.dc, under.GetBuffer(), belowLeft, y + e.cy, fg[0], fg[1], fg[2]);
}

// "x10" centred on (x, y), the exponent after it raised by half its own height.
void Renderer::drawExponent(const DrawState& st, int n, int x, int y) {
    const int* fg = st.fg;
    CString text("x10");
    const CSize e = st.extent(text);
    TextOutA(st.dc, text.GetBuffer(), x - e.cx / 2, y - e.cy / 2, fg[0], fg[1], fg[2]);
    text.Format("%d", n);
    const CSize e2 = st.extent(text);
    TextOutA(st.dc, text.GetBuffer(), x + e.cx / 2, y - e.cy / 2 - e2.cy / 2, fg[0], fg[1], fg[2]);
}

// Graph 0's horizontal axis: labels under the plot, marks up from the bottom edge and down
// from the top edge. Integer classes of a histogram get centred labels and no small marks.
void Renderer::drawHGraduation(const DrawState& st) {
    const PlotLayout& p = st.lay;
    const int* fg = st.fg;
    const GcGraph& g0 = st.cfg.graph[0];
    const AxisSpan span{p.hmap(), p.L, p.R};
    MarkRun bigRun, smallRun;
    const auto marks = [&](double x, double length, MarkRun& run, int dir) {
        const int xi = p.rnd(x);
        if (!run.fresh(xi, dir)) return;
        if (m_marks) m_marks->push_back(2 * xi + (&run == &bigRun));
        Polyline(st.dc, xi, p.rnd(p.B), xi, p.rnd(p.B - length), fg[0], fg[1], fg[2]);
        Polyline(st.dc, xi, p.rnd(p.T), xi, p.rnd(p.T + length), fg[0], fg[1], fg[2]);
    };
    if (span.map.logarithmic() || g0.timeH) {
        const double room =
            st.extent(g0.timeH && !span.map.logarithmic() ? "00:00:0" : "0.001").cx +
            2 * st.extent("0").cx;
        for (const Tick& t :
             scaleTicks(span, g0.hmin, g0.hmax, g0.timeZone, labelsWithin(p.pw, room))) {
            const double x = span.map.toPixel(t.value);
            if (t.large && p.L <= x && x <= p.R)
                drawTickLabel(st, t.text.c_str(), t.raised.c_str(), t.below.c_str(), p.rnd(x),
                              p.rnd(p.B + layout::labelGapDown), 0);
            if (p.L < x && x < p.R)
                marks(x, t.large ? p.big : p.small, t.large ? bigRun : smallRun, 1);
        }
        return;
    }
    const bool icg = isIcg();
    const GradSteps gs{g0.hmin, icg ? g0.hmax - 1 : g0.hmax, g0.hlargeGradStart,
                       icg ? 1.0 : g0.hlargeGradStep, icg ? 0 : g0.hsmallGrad};
    if (!drawable(gs) || !(visibleMarks(gs, span) <= maxMarks)) return;
    const GradLabels labels = GradLabels::of(gs.lo, gs.hi, gs.start, gs.step);
    if (labels.showsExponent())
        drawExponent(st, labels.exponent, p.rnd(p.L + layout::exponentAlong * p.pw),
                     p.rnd(p.B + layout::exponentDown * p.bm));
    const bool withLabels = labelled(gs, span);
    forEachValue(gs, span, [&](double v, int dir) {
        const double x = span.map.toPixel(v);
        if (withLabels && p.L <= x && x <= p.R) {
            CString text(labels.text(v).c_str());
            const CSize e = st.extent(text);
            const double xl = icg ? x + 0.5 * gs.step * p.pw / p.hr * p.zx : x;
            TextOutA(st.dc, text.GetBuffer(), p.rnd(xl) - e.cx / 2,
                     p.rnd(p.B + layout::labelGapDown), fg[0], fg[1], fg[2]);
        }
        if (p.L < x && x < p.R) marks(x, p.big, bigRun, dir);
        for (int j = 1; j < gs.nsmall; ++j) {
            const double d = j * gs.step * p.pw / gs.nsmall / p.hr * p.zx;
            const double xs = dir > 0 ? x + d : x - d;
            if (p.L < xs && xs < p.R) marks(xs, p.small, smallRun, dir);
        }
    });
}

// One vertical axis per graph (stacked), or one or two for superposed graphs. In two-axis mode
// graph 0 is graduated on the left edge only and graph 1 on the right edge only; otherwise
// labels go left and marks on both edges. Graphs with an unusable vertical range get none.
void Renderer::drawVGraduation(const DrawState& st) {
    const PlotLayout& p = st.lay;
    const int* fg = st.fg;
    const bool twoAxis = st.cfg.superpose && !st.cfg.singleVaxis;
    for (int i = 0; i < st.naxis; ++i) {
        const GcGraph& g = st.cfg.graph[i];
        const VerticalRange range = VerticalRange::of(g, st.cfg.type == GcGraphConfig::HISTON);
        const GradSteps gs{range.lo, g.vmax, g.vlargeGradStart, g.vlargeGradStep, g.vsmallGrad};
        const bool scaled = range.log || g.timeV; // marks chosen from the range shown
        if (!range.valid || (!scaled && !drawable(gs))) continue;
        const int k = p.strip(i);
        const double sT = p.stripTop(k), sB = p.stripBottom(k);
        const AxisSpan span{p.vmap(range, k), std::max(p.T, sT), std::min(p.B, sB)};
        const bool leftMarks = !twoAxis || i == 0, rightMarks = !twoAxis || i == 1;
        const bool rightLabels = twoAxis && i == 1;
        MarkRun bigRun, smallRun;
        const auto marks = [&](double y, double length, MarkRun& run, int dir) {
            const int yi = p.rnd(y);
            if (!run.fresh(yi, dir)) return;
            if (leftMarks)
                Polyline(st.dc, p.rnd(p.L), yi, p.rnd(p.L + length), yi, fg[0], fg[1], fg[2]);
            if (rightMarks)
                Polyline(st.dc, p.rnd(p.R), yi, p.rnd(p.R - length), yi, fg[0], fg[1], fg[2]);
        };
        if (scaled) {
            const double room = (range.log ? 2 : 3) * st.extent("0").cy;
            const double lo = range.log ? g.vmin : range.lo;
            for (const Tick& t :
                 scaleTicks(span, lo, g.vmax, g.timeZone, labelsWithin(span.b - span.a, room))) {
                const double y = span.map.toPixel(t.value);
                if (t.large && p.T <= y && y <= p.B && sT <= y && y <= sB) {
                    const int x = rightLabels ? p.rnd(p.R) + p.trunc(p.small)
                                              : p.rnd(p.L - layout::labelGapLeft);
                    drawTickLabel(st, t.text.c_str(), t.raised.c_str(), t.below.c_str(), x,
                                  p.rnd(y) - st.extent("0").cy / 2, rightLabels ? -1 : 1);
                }
                if (p.T < y && y < p.B && sT < y && y < sB)
                    marks(y, t.large ? p.big : p.small, t.large ? bigRun : smallRun, 1);
            }
            continue;
        }
        if (!(visibleMarks(gs, span) <= maxMarks)) continue;

        const GradLabels labels = GradLabels::of(gs.lo, gs.hi, gs.start, gs.step);
        const bool withLabels = labelled(gs, span);
        if (labels.showsExponent()) {
            const double y = p.B - ((k + layout::exponentAlong) * p.gh + p.oy) * p.zy;
            const double x =
                rightLabels ? p.R + layout::exponentOut * p.lm : p.L - layout::exponentOut * p.lm;
            if (p.T <= y && y <= p.B) drawExponent(st, labels.exponent, p.rnd(x), p.rnd(y));
        }

        forEachValue(gs, span, [&](double v, int dir) {
            const double y = span.map.toPixel(v);
            if (withLabels && p.T <= y && y <= p.B && sT <= y && y <= sB) {
                CString text(labels.text(v).c_str());
                const CSize e = st.extent(text);
                const int x = rightLabels ? p.rnd(p.R) + p.trunc(p.small)
                                          : p.rnd(p.L - layout::labelGapLeft) - e.cx;
                TextOutA(st.dc, text.GetBuffer(), x, p.rnd(y) - e.cy / 2, fg[0], fg[1], fg[2]);
            }
            if (p.T < y && y < p.B && sT < y && y < sB) marks(y, p.big, bigRun, dir);
            for (int j = 1; j < gs.nsmall; ++j) {
                const double d = j * gs.step * p.gh / gs.nsmall / range.r * p.zy;
                const double ys = dir > 0 ? y - d : y + d;
                if (sT < ys && ys < sB && p.T < ys && ys < p.B) marks(ys, p.small, smallRun, dir);
            }
        });
    }
}
