// Repainting a picture that has only moved sideways: a live view's plot scrolls by whole pixel
// columns while its indexed lines grow at their ends. What the last repaint drew is kept; when
// the next picture is that one moved k columns left, with the same strips, vertical mappings,
// pens and vertices under the part still shown, that part is moved on the device and the rest
// (the margins, the bands of the vertical graduation marks, and the new columns at the right)
// is drawn through a clip that no drawing step can widen. Whether each vertex under the moved
// part lands exactly k columns left of where it was, and each graduation mark too, is checked,
// not assumed: the two mappings agree to the last bits of a double, not always to the pixel.
#include <ploxen/render/DrawState.h>
#include <ploxen/render/RepaintFrame.h>

#include <ploxen/model/LineIndex.h>
#include <ploxen/raster/WideLine.h>
#include <ploxen/render/Gallop.h>
#include <ploxen/render/SortedColumns.h>

#include <algorithm>
#include <cmath>

namespace {

// Vertices this far outside the plot are still mapped and rounded exactly by every drawing
// path (far ones are cut to a box, which does not move with the picture).
constexpr double nearPlot = 1e5;
// Leaves with a value that is not finite read vertex by vertex, at most, to check the kept
// part's values.
constexpr int finiteBudget = 64;

} // namespace

std::unique_ptr<Renderer::Frame> Renderer::frameOf(CDC* dc, const RECT& client) const {
    if (!config || config->ngraph <= 0 || !config->graph || config->graph[0].nline <= 0)
        return nullptr;
    const GcGraphConfig& cfg = *config;
    auto f = std::make_unique<Frame>();
    f->dc = dc->m_hDC;
    f->bitmap = GetCurrentObject(dc->m_hDC, OBJ_BITMAP);
    f->client = client;
    f->background = background;
    f->cfg = config;
    f->type = cfg.type, f->superpose = cfg.superpose, f->singleVaxis = cfg.singleVaxis;
    f->lay.emplace(viewport, zoomScale, zoomOffset, cfg);
    for (int g = 0; g < cfg.ngraph; ++g) {
        const VerticalRange range = VerticalRange::ofSeries(cfg, g);
        for (int i = 0; cfg.graph[g].line && i < cfg.graph[g].nline; ++i) {
            const GcGLine& l = cfg.graph[g].line[i];
            const LineIndex* ix = l.index();
            f->lines.push_back({&l,
                                l.vertex,
                                ix,
                                ix ? ix->updates() : 0,
                                l.nvertex,
                                {l.color[0], l.color[1], l.color[2]},
                                l.lineStyle,
                                l.markType,
                                l.lineWidth,
                                range,
                                f->lay->strip(g)});
        }
    }
    return f;
}

namespace {

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool sameRange(const VerticalRange& a, const VerticalRange& b) {
    return a.lo == b.lo && a.r == b.r && a.valid == b.valid && a.log == b.log;
}

// Whether the two layouts have the same plot, strips and vertical mappings, and horizontal
// ones of the same scale.
bool sameGeometry(const PlotLayout& a, const PlotLayout& b) {
    return a.L == b.L && a.R == b.R && a.T == b.T && a.B == b.B && a.pw == b.pw && a.gh == b.gh &&
           a.zx == b.zx && a.zy == b.zy && a.ox == b.ox && a.oy == b.oy && a.big == b.big &&
           a.hLog == b.hLog && a.hValid && b.hValid && a.ngraph == b.ngraph &&
           a.superpose == b.superpose && std::fabs(a.hr / b.hr - 1) < 1e-9;
}

} // namespace

// Whether next is last moved left by whole columns, and how. Every series must be indexed and
// drawn with a solid pen without marks, for its changes since the last frame are known only
// then and only such pens draw the same pixels whatever vertex a drawing starts from.
bool Renderer::scrollable(const Frame& last, const Frame& next, Scroll& s) const {
    if (last.dc != next.dc || last.bitmap != next.bitmap || !sameRect(last.client, next.client) ||
        last.background != next.background || last.cfg != next.cfg || last.type != next.type ||
        last.superpose != next.superpose || last.singleVaxis != next.singleVaxis ||
        last.lines.size() != next.lines.size() || (comments && comments->count > 0))
        return false;
    if (next.type == GcGraphConfig::HISTON || next.type == GcGraphConfig::HISTFROMTO) return false;
    const PlotLayout &a = *last.lay, &b = *next.lay;
    if (!sameGeometry(a, b)) return false;
    const AxisMap oldMap = a.hmap(), newMap = b.hmap();
    const double shift = oldMap.pixelOfScaled(b.h0) - newMap.pixelOfScaled(b.h0);
    s.k = int(std::lround(shift));
    if (!(std::fabs(shift - s.k) < 1e-6) || s.k < 0) return false;

    // The columns kept: not the frame's sides, nor the vertical graduation marks beside them.
    const int left = PlotLayout::rnd(b.L), right = PlotLayout::rnd(b.R);
    const int band = PlotLayout::trunc(b.big) + 1;
    s.kept = {left + band + 1, PlotLayout::rnd(b.T), right - band - 1 - s.k,
              PlotLayout::rnd(b.B) + 1};
    const auto oldColumn = [&](const Vertex2D* v, int i) {
        return PlotLayout::rnd(oldMap.toPixel(v[i].x));
    };
    for (size_t i = 0; i < next.lines.size(); ++i) {
        const Frame::Line &o = last.lines[i], &n = next.lines[i];
        const GcGLine& line = *n.line;
        if (o.line != n.line || o.vertex != n.vertex || o.index != n.index || !n.index ||
            !std::equal(o.color, o.color + 3, n.color) || o.lineStyle != n.lineStyle ||
            n.lineStyle != PS_SOLID || o.markType != n.markType || n.markType >= 0 ||
            o.lineWidth != n.lineWidth || o.strip != n.strip || !sameRange(o.range, n.range) ||
            SortedColumns::usable(line, newMap) != n.index || n.index->updates() < o.updates)
            return false;
        s.seriesMargin =
            std::max(s.seriesMargin, std::min(line.lineWidth, WideLine::maxWidth) / 2 + 1.0);
        // Segments from the vertex before the first changed one on are new; a line with fewer
        // than two vertices is not drawn.
        const int changed = n.index->changedSince(o.updates);
        if (line.nvertex < 2 && o.count < 2) continue;
        if (changed < 1 || o.count < 2) return false;
        if (changed >= line.nvertex) continue;
        const int reach = int(s.seriesMargin) + 1;
        s.kept.right =
            std::min<LONG>(s.kept.right, oldColumn(line.vertex, changed - 1) - s.k - reach);
    }
    // Not worth it when little is kept.
    return s.kept.right - s.kept.left >= (right - left) / 4;
}

namespace {

// Whether every vertex whose segments reach the kept columns, at the old picture's place,
// lands k columns left of where it was, near enough to the plot to be rounded exactly by every
// drawing path and not beyond its strip's box; vertices are checked at the ends of each column
// they fill (rounding follows values monotonically, so the rest lie between).
bool movesExactly(const GcGLine& line, const AxisMap& oldMap, const AxisMap& newMap,
                  const AxisMap& ymap, double sT, double sB, double L, double R, int k, int first,
                  int last) {
    const Vertex2D* v = line.vertex;
    const int n = line.nvertex;
    const auto oldColumn = [&](int i) { return PlotLayout::rnd(oldMap.toPixel(v[i].x)); };
    const auto newColumn = [&](int i) { return PlotLayout::rnd(newMap.toPixel(v[i].x)); };
    const int lo = firstWhere(0, n, [&](int i) { return oldColumn(i) >= first; });
    const int hi = firstWhere(lo, n, [&](int i) { return oldColumn(i) > last; });
    const int a = std::max(lo - 1, 0), b = std::min(hi, n - 1);
    if (a > b) return true;
    for (const int i : {a, b}) {
        const double x = oldMap.toPixel(v[i].x);
        if (!(x > L - nearPlot && x < R + nearPlot)) return false;
    }
    // Values that are not finite only end runs, wherever the picture is.
    const LineIndex::YRange y = line.index()->finiteYRange(a, b - a + 1, finiteBudget);
    if (std::isnan(y.lo)) return false;
    if (y.lo <= y.hi) {
        const double y0 = ymap.toPixel(y.lo), y1 = ymap.toPixel(y.hi);
        const double top = std::min(y0, y1), bottom = std::max(y0, y1);
        if (!(top > sT - nearPlot && bottom < sB + nearPlot)) return false;
    }
    int length = 1;
    for (int i = a; i <= b;) {
        const int c = oldColumn(i);
        if (newColumn(i) != c - k) return false;
        const int j = i == b ? b + 1 : gallopFrom(std::min(i + length, b), i + 1, b, [&](int t) {
            return oldColumn(t) != c;
        });
        if (newColumn(j - 1) != c - k) return false;
        length = j - i, i = j;
    }
    return true;
}

} // namespace

// Moves the kept part, then draws everything else through a clip that the drawing steps'
// own clips only narrow; the series only near the columns drawn. False when a vertex or a
// graduation mark would not land exactly where the full drawing puts it: the device then
// holds a partial picture, to be drawn again whole.
bool Renderer::drawScrolled(CDC* dc, const RECT& client, const Scroll& s, std::vector<int>& marks) {
    const Frame& last = *m_frame;
    const PlotLayout& b = *last.lay; // same geometry as now
    const PlotLayout now(viewport, zoomScale, zoomOffset, *config);
    const AxisMap oldMap = b.hmap(), newMap = now.hmap();
    const int reach = int(s.seriesMargin) + 1;
    for (const Frame::Line& l : last.lines) {
        const GcGLine& line = *l.line;
        if (line.nvertex < 2) continue;
        const double sT = std::max(now.stripTop(l.strip), now.T),
                     sB = std::min(now.stripBottom(l.strip), now.B);
        if (!movesExactly(line, oldMap, newMap, now.vmap(l.range, l.strip), sT, sB, now.L, now.R,
                          s.k, s.kept.left + s.k - reach, s.kept.right + s.k + reach))
            return false;
    }

    if (s.k > 0) {
        const RECT from = {s.kept.left + s.k, s.kept.top, s.kept.right + s.k, s.kept.bottom};
        dc->ScrollDC(-s.k, 0, &from, &s.kept, nullptr, nullptr);
    }
    // Everything but the series through the region around the kept part; the series in the
    // rectangles left and right of it, where the device's own fast paths apply.
    const RECT &c = client, &kept = s.kept;
    const RECT around[4] = {{c.left, c.top, c.right, kept.top},
                            {c.left, kept.bottom, c.right, c.bottom},
                            {c.left, kept.top, kept.left, kept.bottom},
                            {kept.right, kept.top, c.right, kept.bottom}};
    for (const RECT& r : around)
        if (r.left < r.right && r.top < r.bottom) clear(dc, &r);
    const auto drawThrough = [&](CRgn& region, Parts parts) {
        const int saved = dc->SaveDC();
        dc->SelectClipRgn(&region);
        dc->SetMetaRgn();
        m_parts = parts;
        drawGraph(dc);
        m_parts = Parts::all;
        dc->RestoreDC(saved);
    };
    CRgn rest, hole;
    rest.CreateRectRgnIndirect(&client);
    hole.CreateRectRgnIndirect(&kept);
    rest.CombineRgn(&rest, &hole, RGN_DIFF);
    drawThrough(rest, Parts::decoration);
    for (int side = 2; side < 4; ++side) {
        CRgn r;
        r.CreateRectRgnIndirect(&around[side]);
        m_seriesColumns = {side == 2
                               ? std::pair<double, double>(now.L - 1 - reach, kept.left + reach)
                               : std::pair<double, double>(kept.right - reach, now.R + 1 + reach)};
        drawThrough(r, Parts::series);
    }
    m_seriesColumns.clear();

    // The marks in the kept columns must be those of the old picture, moved.
    const auto within = [&](int mark) {
        const int x = mark >> 1;
        return x >= s.kept.left && x < s.kept.right;
    };
    std::vector<int> moved, drawn;
    for (const int m : last.marks)
        if (within(m - 2 * s.k)) moved.push_back(m - 2 * s.k);
    std::copy_if(marks.begin(), marks.end(), std::back_inserter(drawn), within);
    std::sort(moved.begin(), moved.end());
    std::sort(drawn.begin(), drawn.end());
    return moved == drawn;
}

int Renderer::repaintGraph(CDC* dc, const RECT* client) {
    std::unique_ptr<Frame> next = frameOf(dc, *client);
    std::vector<int> marks;
    m_marks = &marks;
    Scroll s;
    bool scrolled =
        m_frame && next && scrollable(*m_frame, *next, s) && drawScrolled(dc, *client, s, marks);
    if (!scrolled) {
        marks.clear();
        clear(dc, client);
        drawGraph(dc);
        drawComments(dc);
    }
    m_marks = nullptr;
    if (next) next->marks = std::move(marks);
    m_frame = std::move(next);
    return scrolled ? 1 : 0;
}

void Renderer::forgetRepaint() {
    m_frame.reset();
}

bool Renderer::followGraph(double value) {
    if (!m_frame || !config || m_frame->cfg != config || m_frame->lay->hLog ||
        !m_frame->lay->hValid)
        return false;
    GcGraph& g = config->graph[0];
    const PlotLayout& p = *m_frame->lay;
    const double column = p.hr / (p.pw * p.zx); // the value of one device column
    if (!(column > 0) || !std::isfinite(column)) return false;
    if (!(value > g.hmax)) return true;
    const double n = std::ceil((value - g.hmax) / column);
    g.setHminHmax(g.hmin + n * column, g.hmax + n * column);
    return true;
}
