#include <ploxen/render/DrawState.h>

#include <ploxen/platform/BigBuffer.h>
#include <ploxen/platform/ColumnReducer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

namespace {

// Points farther than this from a strip's clip rectangle are brought back to a box this much
// larger than the rectangle before rounding: far enough to stay invisible, near enough for the
// int conversion and the device's own arithmetic.
constexpr double farMargin = 1e6;

// Vertices mapped per pass of drawPolyline; the block's coordinates stay in the first-level
// cache. Blocks that the raw extremes cannot settle are halved down to minBlockSize before
// they are mapped vertex by vertex.
constexpr int blockSize = 256, minBlockSize = 8;
// Culled stretches grow up to this many vertices a block: past the strip's edges a zoomed
// series is read at the memory's pace, with few blocks to judge.
constexpr int culledBlockSize = 8192;
// Blocks of a sorted series grow up to this many vertices while they keep to pixel columns;
// each is cut where its column ends.
constexpr int columnBlockSize = 8192;

bool finite(const Vertex2D& v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

// The lowest and highest raw x and y of n >= 1 vertices, and whether all are finite. One read
// of the vertices in vectors of one (x, y) pair, or of two where the processor has AVX2, two
// accumulators against latency; the extremes mean nothing when finite is false.
struct Extremes {
    double xlo, ylo, xhi, yhi;
    bool finite;
};
constexpr uintptr_t prefetchDistance = 8192; // bytes read ahead
using Pair = double __attribute__((vector_size(16)));
using Quad = double __attribute__((vector_size(32)));
template <class Vec> [[gnu::always_inline]] inline Extremes extremesOf(const Vertex2D* v, int n) {
    constexpr int W = sizeof(Vec) / sizeof(double);
    constexpr int pairs = W / 2, lanes = 2;
    // bad: zero times every p, NaN once a p is not finite. Each selection has the form of one
    // minimum or maximum instruction.
    Vec lo[lanes], hi[lanes], bad[lanes];
    Vec first;
    for (int k = 0; k < W; k += 2) first[k] = v[0].x, first[k + 1] = v[0].y;
    for (int k = 0; k < lanes; ++k) lo[k] = hi[k] = first, bad[k] = Vec{} * 0;
    int i = 0;
    for (; i + lanes * pairs <= n; i += lanes * pairs) {
        // The hardware's own prefetch stops at page boundaries; a long series is read faster
        // when the reads ahead cross them. Prefetches never fault, so the address may lie
        // past the vertices.
        __builtin_prefetch(reinterpret_cast<const void*>(uintptr_t(v + i) + prefetchDistance));
        for (int k = 0; k < lanes; ++k) {
            Vec p;
            __builtin_memcpy(&p, v + i + k * pairs, sizeof p);
            lo[k] = lo[k] < p ? lo[k] : p, hi[k] = hi[k] > p ? hi[k] : p, bad[k] *= p;
        }
    }
    Pair l = {lo[0][0], lo[0][1]}, h = {hi[0][0], hi[0][1]}, b = {0, 0};
    const auto fold = [&](Pair p, Pair q, Pair c) { l = l < p ? l : p, h = h > q ? h : q, b *= c; };
    for (int k = 0; k < lanes; ++k)
        for (int j = 0; j < W; j += 2)
            fold(Pair{lo[k][j], lo[k][j + 1]}, Pair{hi[k][j], hi[k][j + 1]},
                 Pair{bad[k][j], bad[k][j + 1]});
    for (; i < n; ++i) {
        const Pair p = {v[i].x, v[i].y};
        fold(p, p, p);
    }
    return {l[0], l[1], h[0], h[1], b[0] == 0 && b[1] == 0};
}
#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx2")]] Extremes extremesAvx2(const Vertex2D* v, int n) {
    return extremesOf<Quad>(v, n);
}
// Four doubles a vector where the processor has them: twice the pairs per instruction.
const bool hasAvx2 = [] {
    __builtin_cpu_init(); // this may run before the runtime's own start-up
    return __builtin_cpu_supports("avx2") != 0;
}();
#endif
Extremes extremes(const Vertex2D* v, int n) {
#if defined(__x86_64__) || defined(__i386__)
    if (hasAvx2) return extremesAvx2(v, n);
#endif
    return extremesOf<Pair>(v, n);
}

Extremes merged(const Extremes& a, const Extremes& b) {
    return {std::min(a.xlo, b.xlo), std::min(a.ylo, b.ylo), std::max(a.xhi, b.xhi),
            std::max(a.yhi, b.yhi), a.finite && b.finite};
}

// Extremes of n >= 1 vertices read once, kept also for each chunk of them, so that those of a
// leading part need only its last chunk read again.
class ChunkedExtremes {
public:
    static constexpr int chunk = 1024, maxChunks = 16;
    // n at most chunk * maxChunks.
    ChunkedExtremes(const Vertex2D* v, int n) : m_v(v) {
        for (int i = 0, c = 0; i < n; i += chunk, ++c) {
            m_chunks[c] = extremes(v + i, std::min(chunk, n - i));
            m_all = c == 0 ? m_chunks[0] : merged(m_all, m_chunks[c]);
        }
    }
    const Extremes& all() const { return m_all; }
    // Those of the first n vertices.
    Extremes first(int n) const {
        const int whole = (n - 1) / chunk; // chunks wholly taken, the part of the next read
        Extremes e = extremes(m_v + whole * chunk, n - whole * chunk);
        for (int c = 0; c < whole; ++c) e = merged(e, m_chunks[c]);
        return e;
    }

private:
    const Vertex2D* m_v;
    Extremes m_chunks[maxChunks], m_all{};
};
static_assert(std::max(culledBlockSize, columnBlockSize) + 1 <=
              ChunkedExtremes::chunk * ChunkedExtremes::maxChunks);

// Narrows [t0, t1] to where p t <= q holds; false when nothing is left.
bool clipEdge(long double p, long double q, long double& t0, long double& t1) {
    if (p == 0) return q >= 0;
    const long double t = q / p;
    if (p < 0) {
        if (t > t1) return false;
        t0 = std::max(t0, t);
    } else {
        if (t < t0) return false;
        t1 = std::min(t1, t);
    }
    return true;
}

// The points of one run of a series, handed on as one PolylineB call. For a solid line without
// marks, of any width, only the points that change pixels are kept, column runs reduced as the
// device itself would reduce them, so that memory follows the plot's width, not the series'
// length. Otherwise (a dash pattern and marks see every point) every point is kept.
class RunPoints {
public:
    RunPoints(int n, bool reduce)
        : m_reduce(reduce), m_capacity(reduce ? std::min(n, 4096) : n),
          m_points(makeBigBuffer<POINT>(size_t(m_capacity))) {}

    // Points added to the run so far.
    int count() const { return m_count; }
    void add(int x, int y) {
        ++m_count;
        if (m_reduce)
            m_reducer.add(x, y, [this](int kx, int ky) { keep(kx, ky); });
        else
            keep(x, y);
    }
    // add() for n points in column x of the open run, known as ColumnReducer::addSpan() knows
    // them; false, with nothing taken, where it cannot take them.
    bool addSpan(int x, int lo, int hi, int last, bool loLeft, bool hiLeft, int n) {
        if (!m_reduce || !m_reducer.addSpan(x, lo, hi, last, loLeft, hiLeft)) return false;
        m_count += n;
        return true;
    }
    // add() for n points at once.
    void add(const int* xs, const int* ys, int n) {
        if (!m_reduce) {
            for (int i = 0; i < n; ++i) add(xs[i], ys[i]);
            return;
        }
        m_count += n;
        const auto keepPoint = [this](int kx, int ky) { keep(kx, ky); };
        for (int i = 0, j; i < n; i = j) { // points i..j-1 share a column
            for (j = i + 1; j < n && xs[j] == xs[i];) ++j;
            m_reducer.add(xs[i], ys + i, j - i, keepPoint);
        }
    }
    // The run ends: draw(points, n) receives its points when it has at least two.
    template <class Draw> void end(Draw draw) {
        if (m_reduce) m_reducer.finish([this](int kx, int ky) { keep(kx, ky); });
        if (m_count >= 2) {
            if (m_kept == 1) keep(m_points[0].x, m_points[0].y); // one point repeated: still a call
            draw(m_points.get(), m_kept);
        }
        m_count = m_kept = 0;
    }

private:
    void keep(int x, int y) {
        if (m_kept == m_capacity) grow();
        m_points[m_kept++] = POINT{x, y};
    }
    void grow() {
        const int capacity = std::max(2 * m_capacity, 16);
        BigBuffer<POINT> points = makeBigBuffer<POINT>(size_t(capacity));
        std::copy_n(m_points.get(), m_kept, points.get());
        m_points = std::move(points), m_capacity = capacity;
    }

    bool m_reduce;
    int m_capacity;
    BigBuffer<POINT> m_points;
    ColumnReducer m_reducer;
    int m_count = 0, m_kept = 0;
};

} // namespace

// Mapping of one graph's series into its strip, with the strip's clip rectangle and the box
// around it that far segments are cut to.
struct Renderer::StripMap {
    StripMap(const PlotLayout& p, const VerticalRange& range, int k, double sT, double sB)
        : xmap(p.hmap()), ymap(p.vmap(range, k)), L(p.L), base(p.stripBottom(k)), sT(sT),
          R1(p.R + 1), sB1(sB + 1), boxL(L - farMargin), boxR(R1 + farMargin), boxT(sT - farMargin),
          boxB(sB1 + farMargin),
          roundable(L > -PlotLayout::coordLimit && R1 < PlotLayout::coordLimit &&
                    sT > -PlotLayout::coordLimit && sB1 < PlotLayout::coordLimit) {}

    AxisMap xmap, ymap;
    double L;
    double base; // device y of the value lo, not clamped
    double sT;   // strip top clamped to the plot
    double R1, sB1;
    double boxL, boxR, boxT, boxB;
    bool roundable;

    double x(double u) const { return xmap.toPixel(u); }
    double y(double v) const { return ymap.toPixel(v); }
    // The same in extended precision, where the double image of a finite value may overflow.
    long double xWide(double u) const { return xmap.toPixelAs<long double>(u); }
    long double yWide(double v) const { return ymap.toPixelAs<long double>(v); }
    // x() and y() of n vertices.
    void mapX(const Vertex2D* v, int n, double* __restrict out) const {
        for (int i = 0; i < n; ++i) out[i] = x(v[i].x);
    }
    void mapY(const Vertex2D* v, int n, double* __restrict out) const {
        for (int i = 0; i < n; ++i) out[i] = y(v[i].y);
    }
    // Whether the n device x all lie left of the strip, or all right of it. (Flags kept as
    // doubles by selection: a form the compiler vectorises.)
    bool allLeftOrRight(const double* xs, int n) const {
        double left = 1, right = 1;
        for (int i = 0; i < n; ++i) {
            left = xs[i] < L ? left : 0.0;
            right = xs[i] > R1 ? right : 0.0;
        }
        return left != 0 || right != 0;
    }
    // Whether the n points all lie in the strip's rectangle (NaN does not), which itself lies
    // where the fast rounding applies.
    bool allInside(const double* xs, const double* ys, int n) const {
        if (!roundable) return false;
        double inside = 1;
        for (int i = 0; i < n; ++i) {
            const bool in = (xs[i] >= L) & (xs[i] <= R1) & (ys[i] >= sT) & (ys[i] <= sB1);
            inside = in ? inside : 0.0;
        }
        return inside != 0;
    }
    // The n vertices mapped without division into X and Y, then judged. culled: every point
    // surely lies on one side of the strip; inside: every point surely lies in the strip's
    // rectangle and rounds the same for every value within the mapping's error of it, and xs
    // and ys hold the pixels; unsure otherwise, where the exact mapping must decide. (Each loop
    // is in a form the compiler vectorises; flags are doubles kept by selection.)
    enum class Block { culled, inside, unsure };
    Block nearBlock(const Vertex2D* v, int n, double* __restrict X, double* __restrict Y,
                    int* __restrict xs, int* __restrict ys) const {
        const AxisMap xm = xmap, ym = ymap; // locals the compiler keeps in registers
        const double l = L, r = R1, t = sT, b = sB1;
        for (int i = 0; i < n; ++i) X[i] = xm.nearPixel(v[i].x);
        double left = 1, right = 1;
        for (int i = 0; i < n; ++i) {
            const double x = X[i], e = xm.nearError(x);
            left = x + e < l ? left : 0.0;
            right = x - e > r ? right : 0.0;
        }
        if (left != 0 || right != 0) return Block::culled;
        if (!roundable) return Block::unsure;
        for (int i = 0; i < n; ++i) Y[i] = ym.nearPixel(v[i].y);
        double sure = 1;
        for (int i = 0; i < n; ++i) {
            const double x = X[i], ex = xm.nearError(x), y = Y[i], ey = ym.nearError(y);
            const bool in = (x - ex >= l) & (x + ex <= r) & (y - ey >= t) & (y + ey <= b);
            sure = in ? sure : 0.0;
        }
        if (sure == 0) return Block::unsure;
        // Inside the strip, where the int conversions are defined: sure where no rounding
        // boundary lies within the error. rndInRange() steps at k + 0.5 from 0 up and at the
        // whole numbers below 0, so at the whole values of u; a is u's distance to the nearest.
        double margin[blockSize + 1]; // distance to the nearest boundary less the error
        for (int i = 0; i < n; ++i) {
            const double x = X[i], u = x >= 0 ? x - 0.5 : x, a = std::fabs(u - double(int(u)));
            margin[i] = (a < 1 - a ? a : 1 - a) - xm.nearError(x);
        }
        for (int i = 0; i < n; ++i) sure = margin[i] > 0 ? sure : 0.0;
        for (int i = 0; i < n; ++i) {
            const double y = Y[i], u = y >= 0 ? y - 0.5 : y, a = std::fabs(u - double(int(u)));
            margin[i] = (a < 1 - a ? a : 1 - a) - ym.nearError(y);
        }
        for (int i = 0; i < n; ++i) sure = margin[i] > 0 ? sure : 0.0;
        if (sure == 0) return Block::unsure;
        for (int i = 0; i < n; ++i) xs[i] = PlotLayout::rndInRange(X[i]);
        for (int i = 0; i < n; ++i) ys[i] = PlotLayout::rndInRange(Y[i]);
        return Block::inside;
    }
    // What the exact mapping makes of n finite vertices with extremes e, known from the images
    // of the extremes alone: the mapping and its rounding are monotone in the value, so every
    // vertex maps between the images of its axis' lowest and highest value. culled: all lie on
    // one side of the strip; column: all lie in the strip's rectangle and in one pixel column,
    // set in column and yLo, yHi (the lowest and highest pixel row reached); unsure otherwise.
    enum class Span { culled, column, unsure };
    Span span(const Extremes& e, int& column, int& yLo, int& yHi) const {
        const double xa = x(e.xlo), xb = x(e.xhi); // NaN where the mapping fails: unsure
        if ((xa < L && xb < L) || (xa > R1 && xb > R1)) return Span::culled;
        if (!roundable || !(xa >= L && xa <= R1 && xb >= L && xb <= R1)) return Span::unsure;
        column = PlotLayout::rndInRange(xa);
        if (PlotLayout::rndInRange(xb) != column) return Span::unsure;
        const double ya = y(e.ylo), yb = y(e.yhi);
        if (!(ya >= sT && ya <= sB1 && yb >= sT && yb <= sB1)) return Span::unsure;
        yLo = PlotLayout::rndInRange(ya), yHi = PlotLayout::rndInRange(yb);
        if (yLo > yHi) std::swap(yLo, yHi);
        return Span::column;
    }
    bool inBox(double x, double y) const {
        return x >= boxL && x <= boxR && y >= boxT && y <= boxB;
    }
    template <class T> bool culled(T x0, T y0, T x1, T y1) const {
        return (x0 < L && x1 < L) || (x0 > R1 && x1 > R1) || (y0 < sT && y1 < sT) ||
               (y0 > sB1 && y1 > sB1);
    }
    // How far a point lies from the strip, roughly.
    long double farness(long double x, long double y) const {
        return std::fabs(x - L) + std::fabs(y - sT);
    }
    // Part t0..t1 of the segment (ax, ay) + t (dx, dy), 0 <= t <= 1, inside the box; false when
    // none.
    bool clip(long double ax, long double ay, long double dx, long double dy, long double& t0,
              long double& t1) const {
        t0 = 0;
        t1 = 1;
        return clipEdge(-dx, ax - boxL, t0, t1) && clipEdge(dx, boxR - ax, t0, t1) &&
               clipEdge(-dy, ay - boxT, t0, t1) && clipEdge(dy, boxB - ay, t0, t1);
    }
};

// Each graph's series inside its strip, clipped to it; graphs whose strip is scrolled out of
// the plot, or whose vertical range cannot be mapped, are left out.
void Renderer::drawSeries(const DrawState& st) {
    const PlotLayout& p = st.lay;
    const GcGraphConfig& cfg = st.cfg;
    const bool histogram =
        cfg.type == GcGraphConfig::HISTON || cfg.type == GcGraphConfig::HISTFROMTO;
    for (int g = 0; g < cfg.ngraph; ++g) {
        const int k = p.strip(g);
        double sT = p.stripTop(k), sB = p.stripBottom(k);
        if (!std::isfinite(sT) || !std::isfinite(sB) || sT > p.B || sB < p.T) continue;
        sT = std::max(sT, p.T);
        sB = std::min(sB, p.B);
        const GcGraph& source = cfg.superpose && cfg.singleVaxis ? cfg.graph[0] : cfg.graph[g];
        const VerticalRange range = VerticalRange::of(source, cfg.type == GcGraphConfig::HISTON);
        if (!range.valid) continue;

        CRgn clip;
        clip.CreateRectRgn(p.rnd(p.L), p.rnd(sT), p.rnd(p.R + 1), p.rnd(sB + 1));
        st.dc->SelectClipRgn(&clip);
        clip.DeleteObject();

        const StripMap m(p, range, k, sT, sB);
        for (int i = 0; i < st.nline(g); ++i) {
            const GcGLine& line = cfg.graph[g].line[i];
            if (line.nvertex < 2 || !line.vertex) continue;
            if (histogram)
                drawBars(st, line, m);
            else
                drawPolyline(st, line, m);
        }
    }
}

// One outline per pair of consecutive vertices, from the first one's value down to the base.
// Vertices that are not finite give no bar; far edges are brought back to the box (the
// outline is axis-parallel, so what shows does not change).
void Renderer::drawBars(const DrawState& st, const GcGLine& line, const StripMap& m) {
    const auto rx = [&](double x) { return PlotLayout::rnd(std::clamp(x, m.boxL, m.boxR)); };
    const auto ry = [&](double y) { return PlotLayout::rnd(std::clamp(y, m.boxT, m.boxB)); };
    const Vertex2D* v = line.vertex;
    for (int i = 0; i + 1 < line.nvertex; ++i) {
        const double x0 = m.x(v[i].x), x1 = m.x(v[i + 1].x), y0 = m.y(v[i].y);
        if (m.culled(x0, y0, x1, m.base)) continue;
        if (!finite(v[i]) || !std::isfinite(v[i + 1].x) || std::isnan(x0 + x1 + y0 + m.base))
            continue;
        FrameRect(st.dc, rx(x0), ry(y0), rx(x1), ry(m.base), line.color[0], line.color[1],
                  line.color[2]);
    }
}

// Runs of consecutive visible segments, one PolylineB each. A culled segment, or a vertex that
// is not finite, ends a run; the next visible segment starts another. Segments with an end far
// outside the strip are cut to the box around it, so the visible part keeps its slope.
void Renderer::drawPolyline(const DrawState& st, const GcGLine& line, const StripMap& m) {
    const int n = line.nvertex;
    const Vertex2D* v = line.vertex;
    const bool plain = line.lineStyle == PS_SOLID && line.markType < 0;
    RunPoints run(n, plain);
    const auto flush = [&] {
        run.end([&](const POINT* points, int count) {
            PolylineB(st.dc, points, count, line.color[0], line.color[1], line.color[2],
                      line.lineStyle, line.markType, line.lineWidth);
        });
    };
    const auto push = [&](double x, double y) { run.add(PlotLayout::rnd(x), PlotLayout::rnd(y)); };

    // The segment from vertex i - 1 to vertex i when one of its ends lies outside the box. Cut
    // points are measured from the end inside the box (or the nearer one), so that a far end
    // does not cost the visible part its precision.
    const auto farSegment = [&](int i, double x0, double y0, bool in0, double x1, double y1,
                                bool in1) {
        if (!finite(v[i - 1]) || !finite(v[i])) return flush();
        const long double ax = in0 ? x0 : m.xWide(v[i - 1].x), ay = in0 ? y0 : m.yWide(v[i - 1].y);
        const long double bx = in1 ? x1 : m.xWide(v[i].x), by = in1 ? y1 : m.yWide(v[i].y);
        if (!std::isfinite(ax + ay + bx + by) || m.culled(ax, ay, bx, by)) return flush();
        const bool fromB = !in0 && (in1 || m.farness(bx, by) < m.farness(ax, ay));
        const long double ox = fromB ? bx : ax, oy = fromB ? by : ay;
        const long double dx = (fromB ? ax : bx) - ox, dy = (fromB ? ay : by) - oy;
        long double t0, t1;
        if (!m.clip(ox, oy, dx, dy, t0, t1)) return flush();
        const long double tStart = fromB ? t1 : t0, tEnd = fromB ? t0 : t1;
        const bool startCut = fromB ? t1 < 1 : t0 > 0, endCut = fromB ? t0 > 0 : t1 < 1;
        // An end that is not cut lies inside the box, where its double image is exact.
        if (startCut || run.count() == 0) {
            flush();
            if (startCut)
                push(double(ox + tStart * dx), double(oy + tStart * dy));
            else
                push(x0, y0);
        }
        if (endCut) {
            push(double(ox + tEnd * dx), double(oy + tEnd * dy));
            flush();
        } else {
            push(x1, y1);
        }
    };

    // Vertices s - 1 .. s + len - 2 mapped in loops the compiler vectorises. A block whose
    // vertices all lie on one side of the strip is one culled stretch; one whose vertices all
    // lie inside the strip's rectangle is one stretch of the run, rounded in a single pass.
    // Other blocks go segment by segment. Both tests are made first on the mapping without
    // division, and again on the exact mapping only where that one cannot be sure.
    double X[blockSize + 1], Y[blockSize + 1];
    int xi[blockSize + 1], yi[blockSize + 1];
    const auto mapBlock = [&](int s, int len) {
        const StripMap::Block near = m.nearBlock(v + s - 1, len, X, Y, xi, yi);
        if (near == StripMap::Block::culled) return flush();
        if (near == StripMap::Block::inside) {
            if (run.count() == 0) run.add(xi[0], yi[0]);
            return run.add(xi + 1, yi + 1, len - 1);
        }
        m.mapX(v + s - 1, len, X);
        if (m.allLeftOrRight(X, len)) return flush();
        m.mapY(v + s - 1, len, Y);
        if (m.allInside(X, Y, len)) {
            if (run.count() == 0) push(X[0], Y[0]);
            for (int j = 1; j < len; ++j) xi[j] = PlotLayout::rndInRange(X[j]);
            for (int j = 1; j < len; ++j) yi[j] = PlotLayout::rndInRange(Y[j]);
            return run.add(xi + 1, yi + 1, len - 1);
        }
        for (int j = 1; j < len; ++j) {
            const double x0 = X[j - 1], y0 = Y[j - 1], x1 = X[j], y1 = Y[j];
            if ((x0 < m.L && x1 < m.L) || (x0 > m.R1 && x1 > m.R1)) {
                flush();
                continue;
            }
            const bool in0 = m.inBox(x0, y0), in1 = m.inBox(x1, y1);
            if (!in0 || !in1)
                farSegment(s + j - 1, x0, y0, in0, x1, y1, in1);
            else if (m.culled(x0, y0, x1, y1))
                flush();
            else {
                if (run.count() == 0) push(x0, y0);
                push(x1, y1);
            }
        }
    };

    // Each block is first judged by its raw extremes alone (one read of its vertices): culled,
    // or, for a reduced line whose run is open, lying in one pixel column, where the column's
    // span takes it as a whole. Other blocks that cannot be settled so are halved while the
    // halves may be (a block across a column boundary that the cut below did not foresee),
    // then mapped.
    const auto rowOf = [&](double y) { return PlotLayout::rndInRange(m.y(y)); };
    const auto row = [&](int i) { return rowOf(v[i].y); };

    // For a block v[s-1..last] inside the strip whose last vertex lies in row r, one of its two
    // extreme rows, ex being its extreme value there (its highest value where exIsMax): whether
    // a vertex before the closing stretch in row r lies in row r, which the run then left.
    // Rows follow values monotonically (each step of the mapping and of its rounding does), so
    // every value between two of row r lies in row r. The stretch is measured on raw values
    // against a value of row r found next to the boundary toward the block's other rows (rows
    // numbered below r where below), and only values beyond it are mapped; whether the rest
    // reaches row r is decided by its extreme on that side.
    const auto leftLastRow = [&](int s, int last, int r, double ex, bool exIsMax, bool below,
                                 const ChunkedExtremes& block) {
        const double edge = below ? (r > 0 ? r - 0.5 : r - 1.0) : (r >= 0 ? r + 0.5 : double(r));
        const double b = m.ymap.toValue(edge), near = b + (ex - b) * 0x1p-20;
        // A rough inverse may land anywhere: only a row inside the strip counts.
        const double p = m.y(near);
        double in = v[last].y;
        if (std::fabs(near - ex) > std::fabs(in - ex) && p >= m.sT && p <= m.sB1 &&
            PlotLayout::rndInRange(p) == r)
            in = near;
        const double lo = std::min(in, ex), hi = std::max(in, ex);
        int k = last;
        for (bool sure = true; sure && k >= s + 7;) { // eight at a time while surely in row r
            for (int j = 0; j < 8; ++j) sure &= v[k - j].y >= lo && v[k - j].y <= hi;
            if (sure) k -= 8;
        }
        while (k >= s && ((v[k].y >= lo && v[k].y <= hi) || row(k) == r)) --k;
        const Extremes rest = block.first(k - s + 2);
        return rowOf(exIsMax ? rest.yhi : rest.ylo) == r;
    };

    // Where x is sorted, a block that would leave the open run's column is cut where it leaves:
    // found on the raw x against the column's edge values, so that the block does not have to
    // fail its check and be halved first. The search starts where the last column's count of
    // vertices says the edge lies (exact for evenly spaced x, two reads) and gallops from there.
    // Only a guess, made while the blocks keep to columns (a scrambled series would pay for it
    // at every vertex): the block's own check still decides.
    int edgeColumn = 0, columnStart = 0, columnLength = 0;
    double edgeLo = std::numeric_limits<double>::quiet_NaN(), edgeHi = edgeLo;
    const auto outside = [&](int i) { return !(v[i].x >= edgeLo && v[i].x < edgeHi); };
    const auto nextToEdgeColumn = [&](double u) {
        const double p = m.x(u);
        return m.roundable && p >= m.L && p <= m.R1 &&
               std::abs(PlotLayout::rndInRange(p) - edgeColumn) == 1;
    };
    const auto cutAtColumnEdge = [&](int s, int len) {
        const double p = m.x(v[s - 1].x);
        if (!m.roundable || !(p >= m.L && p <= m.R1)) return len;
        if (const int c = PlotLayout::rndInRange(p); c != edgeColumn || std::isnan(edgeLo)) {
            const double a = m.xmap.toValue(c - 0.5), b = m.xmap.toValue(c + 0.5);
            edgeColumn = c, edgeLo = std::min(a, b), edgeHi = std::max(a, b);
            columnLength = s - 1 - columnStart, columnStart = s - 1;
        }
        // The first vertex outside, in lo..hi, where hi == end + 1 stands for none.
        const int end = s + len - 2;
        int lo = s, hi = end + 1;
        const int guess = std::clamp(columnStart + columnLength, s, end);
        if (outside(guess)) {
            hi = guess;
            for (int step = 1; hi - step >= lo; step *= 2) {
                if (!outside(hi - step)) {
                    lo = hi - step + 1;
                    break;
                }
                hi -= step;
            }
        } else {
            lo = guess + 1;
            for (int step = 1; lo + step - 1 <= end; step *= 2) {
                if (outside(lo + step - 1)) {
                    hi = lo + step - 1;
                    break;
                }
                lo += step;
            }
        }
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (outside(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo > end ? len : std::max(lo - s + 1, 2); // at least the segment that leaves
    };

    // After a block cut where its column ends, the segment to vertex i, the first outside it:
    // taken here, when it lands inside the strip in the column next door (both ends then lie
    // inside, and the exact rounding is the block's own).
    const auto enterNextColumn = [&](int i) {
        const double x = m.x(v[i].x), y = m.y(v[i].y);
        if (!m.allInside(&x, &y, 1)) return false;
        const int c = PlotLayout::rndInRange(x);
        if (std::abs(c - edgeColumn) != 1) return false;
        run.add(c, PlotLayout::rndInRange(y));
        return true;
    };

    int size = blockSize;
    bool sorted = false; // the last block was one column's span, or the segment leaving it
    for (int s = 1; s < n;) {
        const int whole = std::min(n - s, size) + 1;
        const int len = plain && sorted && run.count() > 0 ? cutAtColumnEdge(s, whole) : whole;
        const int last = s + len - 2;
        const ChunkedExtremes chunks(v + s - 1, len);
        const Extremes& e = chunks.all();
        int column = 0, yLo = 0, yHi = 0;
        const StripMap::Span span = e.finite ? m.span(e, column, yLo, yHi) : StripMap::Span::unsure;
        if (span == StripMap::Span::culled) {
            flush();
            sorted = false;
            s += len - 1;
            size = std::min(2 * size, culledBlockSize);
            continue;
        }
        if (span == StripMap::Span::column && plain && run.count() > 0) {
            // Which of the block's extreme rows it leaves again: both, unless it ends on one.
            const int r = row(last);
            bool loLeft = r != yLo, hiLeft = r != yHi;
            if (yLo != yHi && !(loLeft && hiLeft)) {
                const bool exIsMax = rowOf(e.yhi) == r;
                bool& left = r == yLo ? loLeft : hiLeft;
                left = leftLastRow(s, last, r, exIsMax ? e.yhi : e.ylo, exIsMax, r == yHi, chunks);
            }
            if (run.addSpan(column, yLo, yHi, r, loLeft, hiLeft, len - 1)) {
                sorted = true;
                s += len - 1;
                size = std::min(2 * size, columnBlockSize);
                if (len < whole && s < n && enterNextColumn(s)) ++s;
                continue;
            }
        }
        if (len - 1 > blockSize) { // a long culled stretch or column ends inside this block
            size = blockSize;
            continue;
        }
        if (plain && len - 1 > minBlockSize) {
            size = (len - 1) / 2;
            continue;
        }
        mapBlock(s, len);
        // A segment cut off where it leaves its column: a sorted series goes on next door.
        sorted = len == 2 && len < whole && nextToEdgeColumn(v[s].x);
        s += len - 1;
        size = std::min(2 * size, sorted ? columnBlockSize : blockSize);
    }
    flush();
}
