#include <ploxen/render/DrawState.h>

#include <ploxen/raster/BigBuffer.h>
#include <ploxen/raster/ColumnReducer.h>
#include <ploxen/render/BlockExtremes.h>
#include <ploxen/render/ColumnCutter.h>
#include <ploxen/render/SortedColumns.h>

#include <algorithm>
#include <cmath>
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
// An indexed series' column is taken whole from its index when it holds at least this many
// vertices; sparser stretches are mapped block by block.
constexpr int minIndexedColumn = 32;

bool finite(const Vertex2D& v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

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
    // x() and y() of n vertices (a linear axis in a loop the compiler vectorises).
    void mapX(const Vertex2D* v, int n, double* __restrict out) const {
        if (xmap.logarithmic())
            for (int i = 0; i < n; ++i) out[i] = x(v[i].x);
        else
            for (int i = 0; i < n; ++i) out[i] = xmap.pixelOfScaled(v[i].x);
    }
    void mapY(const Vertex2D* v, int n, double* __restrict out) const {
        if (ymap.logarithmic())
            for (int i = 0; i < n; ++i) out[i] = y(v[i].y);
        else
            for (int i = 0; i < n; ++i) out[i] = ymap.pixelOfScaled(v[i].y);
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
        if (xm.logarithmic()) {
            for (int i = 0; i < n; ++i) X[i] = AxisMap::fastLog10(v[i].x);
            for (int i = 0; i < n; ++i) X[i] = xm.nearPixel(X[i]);
        } else {
            for (int i = 0; i < n; ++i) X[i] = xm.nearPixel(v[i].x);
        }
        double left = 1, right = 1;
        for (int i = 0; i < n; ++i) {
            const double x = X[i], e = xm.nearError(x);
            left = x + e < l ? left : 0.0;
            right = x - e > r ? right : 0.0;
        }
        if (left != 0 || right != 0) return Block::culled;
        if (!roundable) return Block::unsure;
        if (ym.logarithmic()) {
            for (int i = 0; i < n; ++i) Y[i] = AxisMap::fastLog10(v[i].y);
            for (int i = 0; i < n; ++i) Y[i] = ym.nearPixel(Y[i]);
        } else {
            for (int i = 0; i < n; ++i) Y[i] = ym.nearPixel(v[i].y);
        }
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
        const VerticalRange range = VerticalRange::ofSeries(cfg, g);
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

// The open run of one series' polyline, one PolylineB call when it ends, and the ways vertices
// join it: a segment cut to the box, a block mapped in vectorised loops, or the span of a pixel
// column. A culled segment, or a vertex that is not finite, ends the run.
class Renderer::PolylineRun {
public:
    // points: at most this many points join the run.
    PolylineRun(Renderer& r, const DrawState& st, const GcGLine& line, const StripMap& m,
                int points)
        : plain(line.lineStyle == PS_SOLID && line.markType < 0), m_r(r), m_st(st), m_line(line),
          m_m(m), m_v(line.vertex), m_run(points, plain) {}

    const bool plain; // a solid line without marks, whose points are reduced column by column

    bool open() const { return m_run.count() > 0; }
    void end() {
        m_run.end([&](const POINT* points, int count) {
            m_r.PolylineB(m_st.dc, points, count, m_line.color[0], m_line.color[1], m_line.color[2],
                          m_line.lineStyle, m_line.markType, m_line.lineWidth);
        });
    }
    bool addSpan(int x, int lo, int hi, int last, bool loLeft, bool hiLeft, int n) {
        return m_run.addSpan(x, lo, hi, last, loLeft, hiLeft, n);
    }
    int rowOf(double y) const { return PlotLayout::rndInRange(m_m.y(y)); }
    int row(int i) const { return rowOf(m_v[i].y); }

    // The segment from vertex i - 1 to vertex i when one of its ends lies outside the box. Cut
    // points are measured from the end inside the box (or the nearer one), so that a far end
    // does not cost the visible part its precision.
    void farSegment(int i, double x0, double y0, bool in0, double x1, double y1, bool in1) {
        const StripMap& m = m_m;
        const Vertex2D* v = m_v;
        if (!finite(v[i - 1]) || !finite(v[i])) return end();
        const long double ax = in0 ? x0 : m.xWide(v[i - 1].x), ay = in0 ? y0 : m.yWide(v[i - 1].y);
        const long double bx = in1 ? x1 : m.xWide(v[i].x), by = in1 ? y1 : m.yWide(v[i].y);
        if (!std::isfinite(ax + ay + bx + by) || m.culled(ax, ay, bx, by)) return end();
        const bool fromB = !in0 && (in1 || m.farness(bx, by) < m.farness(ax, ay));
        const long double ox = fromB ? bx : ax, oy = fromB ? by : ay;
        const long double dx = (fromB ? ax : bx) - ox, dy = (fromB ? ay : by) - oy;
        long double t0, t1;
        if (!m.clip(ox, oy, dx, dy, t0, t1)) return end();
        const long double tStart = fromB ? t1 : t0, tEnd = fromB ? t0 : t1;
        const bool startCut = fromB ? t1 < 1 : t0 > 0, endCut = fromB ? t0 > 0 : t1 < 1;
        // An end that is not cut lies inside the box, where its double image is exact.
        if (startCut || !open()) {
            end();
            if (startCut)
                push(double(ox + tStart * dx), double(oy + tStart * dy));
            else
                push(x0, y0);
        }
        if (endCut) {
            push(double(ox + tEnd * dx), double(oy + tEnd * dy));
            end();
        } else {
            push(x1, y1);
        }
    }

    // Vertices s - 1 .. s + len - 2 mapped in loops the compiler vectorises. A block whose
    // vertices all lie on one side of the strip is one culled stretch; one whose vertices all
    // lie inside the strip's rectangle is one stretch of the run, rounded in a single pass.
    // Other blocks go segment by segment. Both tests are made first on the mapping without
    // division, and again on the exact mapping only where that one cannot be sure.
    void mapBlock(int s, int len) {
        const StripMap& m = m_m;
        double X[blockSize + 1], Y[blockSize + 1];
        int xi[blockSize + 1], yi[blockSize + 1];
        const StripMap::Block near = m.nearBlock(m_v + s - 1, len, X, Y, xi, yi);
        if (near == StripMap::Block::culled) return end();
        if (near == StripMap::Block::inside) {
            if (!open()) m_run.add(xi[0], yi[0]);
            return m_run.add(xi + 1, yi + 1, len - 1);
        }
        m.mapX(m_v + s - 1, len, X);
        if (m.allLeftOrRight(X, len)) return end();
        m.mapY(m_v + s - 1, len, Y);
        if (m.allInside(X, Y, len)) {
            if (!open()) push(X[0], Y[0]);
            for (int j = 1; j < len; ++j) xi[j] = PlotLayout::rndInRange(X[j]);
            for (int j = 1; j < len; ++j) yi[j] = PlotLayout::rndInRange(Y[j]);
            return m_run.add(xi + 1, yi + 1, len - 1);
        }
        for (int j = 1; j < len; ++j) {
            const double x0 = X[j - 1], y0 = Y[j - 1], x1 = X[j], y1 = Y[j];
            if ((x0 < m.L && x1 < m.L) || (x0 > m.R1 && x1 > m.R1)) {
                end();
                continue;
            }
            const bool in0 = m.inBox(x0, y0), in1 = m.inBox(x1, y1);
            if (!in0 || !in1)
                farSegment(s + j - 1, x0, y0, in0, x1, y1, in1);
            else if (m.culled(x0, y0, x1, y1))
                end();
            else {
                if (!open()) push(x0, y0);
                push(x1, y1);
            }
        }
    }

    // For a block v[s-1..last] inside the strip whose last vertex lies in row r, one of its two
    // extreme rows, ex being its extreme value there (its highest value where exIsMax): whether
    // a vertex before the closing stretch in row r lies in row r, which the run then left.
    // Rows follow values monotonically (each step of the mapping and of its rounding does), so
    // every value between two of row r lies in row r. The stretch is measured on raw values
    // against a value of row r found next to the boundary toward the block's other rows (rows
    // numbered below r where below), and only values beyond it are mapped; whether the rest
    // reaches row r is decided by its extreme on that side.
    bool leftLastRow(int s, int last, int r, double ex, bool exIsMax, bool below,
                     const ChunkedExtremes& block) const {
        const Vertex2D* v = m_v;
        const double edge = below ? (r > 0 ? r - 0.5 : r - 1.0) : (r >= 0 ? r + 0.5 : double(r));
        const double b = m_m.ymap.toValue(edge), near = b + (ex - b) * 0x1p-20;
        // A rough inverse may land anywhere: only a row inside the strip counts.
        const double p = m_m.y(near);
        double in = v[last].y;
        if (std::fabs(near - ex) > std::fabs(in - ex) && p >= m_m.sT && p <= m_m.sB1 &&
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
    }

    // After a block cut where its column ends, the segment to vertex i, the first outside it:
    // taken here, when it lands inside the strip in a column that isNext(column) accepts (both
    // ends then lie inside, and the exact rounding is the block's own).
    template <class IsNext> bool enterNextColumn(int i, IsNext isNext) {
        const double x = m_m.x(m_v[i].x), y = m_m.y(m_v[i].y);
        if (!m_m.allInside(&x, &y, 1)) return false;
        const int c = PlotLayout::rndInRange(x);
        if (!isNext(c)) return false;
        m_run.add(c, PlotLayout::rndInRange(y));
        return true;
    }

    // Vertices s..last of an indexed sorted series, in the column of the open run's last point,
    // vertex s - 1: taken as that column's span when their extremes, from the index, show them
    // all inside the strip; false, with nothing taken, otherwise.
    bool takeColumn(int s, int last, const SortedColumns& cols) {
        const Extremes e = cols.extremes(s - 1, last - s + 2);
        int column = 0, yLo = 0, yHi = 0;
        if (!e.finite || m_m.span(e, column, yLo, yHi) != StripMap::Span::column) return false;
        // Which of the extreme rows the run leaves again: both, unless it ends on one, and
        // then that one when a vertex before the closing stretch in it lies in it too.
        const int r = row(last);
        bool loLeft = r != yLo, hiLeft = r != yHi;
        if (yLo != yHi && !(loLeft && hiLeft)) {
            // The last vertex before the closing stretch in row r, found in the index.
            const int k = cols.lastOutside(s, last + 1, [&](double lo, double hi) {
                return rowOf(lo) == r && rowOf(hi) == r;
            });
            const Extremes rest = cols.extremes(s - 1, k - s + 2);
            (r == yLo ? loLeft : hiLeft) = rowOf(rest.ylo) == r || rowOf(rest.yhi) == r;
        }
        return addSpan(column, yLo, yHi, r, loLeft, hiLeft, last - s + 1);
    }

private:
    void push(double x, double y) { m_run.add(PlotLayout::rnd(x), PlotLayout::rnd(y)); }

    Renderer& m_r;
    const DrawState& m_st;
    const GcGLine& m_line;
    const StripMap& m_m;
    const Vertex2D* m_v;
    RunPoints m_run;
};

// Runs of consecutive visible segments, one PolylineB each. Segments with an end far outside
// the strip are cut to the box around it, so the visible part keeps its slope. Each block is
// first judged by its raw extremes alone (one read of its vertices): culled, or, for a reduced
// line whose run is open, lying in one pixel column, where the column's span takes it as a
// whole. Other blocks that cannot be settled so are halved while the halves may be (a block
// across a column boundary that the cutter did not foresee), then mapped.
void Renderer::drawPolyline(const DrawState& st, const GcGLine& line, const StripMap& m) {
    const int n = line.nvertex;
    const Vertex2D* v = line.vertex;
    if (const LineIndex* ix = SortedColumns::usable(line, m.xmap)) {
        if (m_seriesColumns.empty()) return drawSortedPolyline(st, line, m, *ix, m.L, m.R1);
        for (const auto& [left, right] : m_seriesColumns)
            drawSortedPolyline(st, line, m, *ix, left, right);
        return;
    }
    PolylineRun run(*this, st, line, m, n);
    // Where x is sorted, a block that would leave the open run's column is cut where it
    // leaves. Tried only while the blocks keep to columns (a scrambled series would pay for it
    // at every vertex).
    ColumnCutter cutter(v, m.xmap, m.L, m.R1, m.roundable);
    int size = blockSize;
    bool sorted = false; // the last block was one column's span, or the segment leaving it
    for (int s = 1; s < n;) {
        const int whole = std::min(n - s, size) + 1;
        const int len = run.plain && sorted && run.open() ? cutter.cut(s, whole) : whole;
        const int last = s + len - 2;
        const ChunkedExtremes chunks(v + s - 1, len);
        const Extremes& e = chunks.all();
        int column = 0, yLo = 0, yHi = 0;
        const StripMap::Span span = e.finite ? m.span(e, column, yLo, yHi) : StripMap::Span::unsure;
        if (span == StripMap::Span::culled) {
            run.end();
            sorted = false;
            s += len - 1;
            size = std::min(2 * size, culledBlockSize);
            continue;
        }
        if (span == StripMap::Span::column && run.plain && run.open()) {
            // Which of the block's extreme rows it leaves again: both, unless it ends on one.
            const int r = run.row(last);
            bool loLeft = r != yLo, hiLeft = r != yHi;
            if (yLo != yHi && !(loLeft && hiLeft)) {
                const bool exIsMax = run.rowOf(e.yhi) == r;
                bool& left = r == yLo ? loLeft : hiLeft;
                left =
                    run.leftLastRow(s, last, r, exIsMax ? e.yhi : e.ylo, exIsMax, r == yHi, chunks);
            }
            if (run.addSpan(column, yLo, yHi, r, loLeft, hiLeft, len - 1)) {
                sorted = true;
                s += len - 1;
                size = std::min(2 * size, columnBlockSize);
                if (len < whole && s < n &&
                    run.enterNextColumn(s, [&](int c) { return cutter.isNextColumn(c); }))
                    ++s;
                continue;
            }
        }
        if (len - 1 > blockSize) { // a long culled stretch or column ends inside this block
            size = blockSize;
            continue;
        }
        if (run.plain && len - 1 > minBlockSize) {
            size = (len - 1) / 2;
            continue;
        }
        run.mapBlock(s, len);
        // A segment cut off where it leaves its column: a sorted series goes on next door.
        sorted = len == 2 && len < whole && cutter.nextToColumn(v[s].x);
        s += len - 1;
        size = std::min(2 * size, sorted ? columnBlockSize : blockSize);
    }
    run.end();
}

// An indexed series whose x never decreases: only the vertices whose segments are not beside
// the strip are visited, and each pixel column of a reduced line (a solid pen without marks)
// is taken whole, from its extremes in the index, as drawPolyline takes a column's span. The
// rest goes through the same blocks as there: stretches of sparse columns, columns with
// vertices that are not finite or lie above or below the strip, and every vertex of a line
// whose points are not reduced (dashes, marks). The points that reach the device are those
// drawPolyline passes. Only the segments that reach the device columns left..right are drawn
// (the strip's, or fewer).
void Renderer::drawSortedPolyline(const DrawState& st, const GcGLine& line, const StripMap& m,
                                  const LineIndex& ix, double left, double right) {
    SortedColumns cols(ix, m.xmap, left, right);
    const int last = cols.last;
    if (cols.first > last) return;
    PolylineRun run(*this, st, line, m, last - cols.first + 2);
    const auto anyColumn = [](int) { return true; };
    int mapUntil = 0; // vertices before this one are mapped block by block
    for (int s = cols.first; s <= last;) {
        int c = 0;
        if (s >= mapUntil && run.plain && run.open() && m.roundable && cols.column(s - 1, c)) {
            const int o = cols.columnEnd(s, last, c);
            if (o - s >= minIndexedColumn && run.takeColumn(s, o - 1, cols)) {
                s = o;
                if (s <= last && !run.enterNextColumn(s, anyColumn)) run.mapBlock(s, 2);
                ++s;
                continue;
            }
            mapUntil = o - s >= minIndexedColumn ? o : s + blockSize;
        }
        const int len = std::min(last - s + 1, blockSize) + 1;
        run.mapBlock(s, len);
        s += len - 1;
    }
    run.end();
}
