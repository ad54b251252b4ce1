// Picking: the vertex, line or histogram bar of the configuration under a device point.
#include <ploxen/render/Renderer.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <ploxen/draw/DrawScope.h>
#include <ploxen/render/PlotLayout.h>

namespace {

// Measures below this are picks: 100 is about 3 pixels for the vertex pick (fourth powers) and
// under 10 pixels for the line pick (squares).
constexpr double pickLimit = 100.0;

// Where one graph can be picked: its strip, clamped to the plot rectangle, and its mapping.
struct GraphWindow {
    int k;
    double top, bottom;
    VerticalRange range;
    AxisMap ymap;
};

// What a search found; graph is -1 while nothing is.
struct Hit {
    int graph = -1, line = -1, vertex = -1;
    double top = 0.0, bottom = 0.0; // clamped strip of the graph
};

// Calls visit(g, l, line, window) for each line in scan order, skipping graphs whose strip is
// scrolled out of the plot or whose ranges cannot map.
template <class Visit>
void forEachLine(const PlotLayout& p, const GcGraphConfig& cfg, Visit visit) {
    if (!p.hValid) return;
    for (int g = 0; g < cfg.ngraph; ++g) {
        const GcGraph& graph = cfg.graph[g];
        const VerticalRange range = VerticalRange::of(graph, false);
        GraphWindow w{p.strip(g), 0.0, 0.0, range, p.vmap(range, p.strip(g))};
        w.top = p.stripTop(w.k);
        w.bottom = p.stripBottom(w.k);
        if (!w.range.valid || w.top > p.B || w.bottom < p.T || !graph.line) continue;
        w.top = std::max(w.top, p.T);
        w.bottom = std::min(w.bottom, p.B);
        for (int l = 0; l < graph.nline; ++l)
            if (graph.line[l].vertex) visit(g, l, graph.line[l], w);
    }
}

bool inHorizontalWindow(const PlotLayout& p, double X) {
    return p.L - 1 <= X && X <= p.R + 1;
}

// The vertex nearest (x, y) by the sum of fourth powers of the pixel differences; of equal
// measures the first in scan order.
Hit pickVertex(const PlotLayout& p, const GcGraphConfig& cfg, int x, int y) {
    Hit hit;
    const AxisMap xmap = p.hmap();
    double best = pickLimit;
    forEachLine(p, cfg, [&](int g, int l, const GcGLine& line, const GraphWindow& w) {
        for (int i = 0; i < line.nvertex; ++i) {
            const double X = xmap.toPixel(line.vertex[i].x);
            if (!inHorizontalWindow(p, X)) continue;
            const double Y = w.ymap.toPixel(line.vertex[i].y);
            if (!(w.top - 1 <= Y && Y <= w.bottom + 1)) continue;
            const double dx = X - x, dy = Y - y;
            const double s = dx * dx * dx * dx + dy * dy * dy * dy;
            if (s < best) best = s, hit = {g, l, i, w.top, w.bottom};
        }
    });
    return hit;
}

// The line whose segment passes vertically nearest (x, y); segments are taken left to right only.
Hit pickLine(const PlotLayout& p, const GcGraphConfig& cfg, int x, int y) {
    Hit hit;
    const AxisMap xmap = p.hmap();
    double best = pickLimit;
    forEachLine(p, cfg, [&](int g, int l, const GcGLine& line, const GraphWindow& w) {
        for (int i = 0; i + 1 < line.nvertex; ++i) {
            const double X0 = xmap.toPixel(line.vertex[i].x);
            if (!inHorizontalWindow(p, X0)) continue;
            const double Y0 = w.ymap.toPixel(line.vertex[i].y);
            if (!(w.top - 1 <= Y0 && Y0 <= w.bottom + 1)) continue;
            const double X1 = xmap.toPixel(line.vertex[i + 1].x);
            if (!(X0 <= x && x <= X1) || X0 == X1 || !std::isfinite(X1)) continue;
            const double Y1 = w.ymap.toPixel(line.vertex[i + 1].y);
            if (!std::isfinite(Y1)) continue;
            const double d = y - (Y0 + (Y1 - Y0) / (X1 - X0) * (x - X0));
            if (d * d < best) best = d * d, hit = {g, l, -1, w.top, w.bottom};
        }
    });
    return hit;
}

// The histogram bar under (x, y): vertex i stands for the bar from X(i) to X(i + 1), hit at or
// below its top. The last hit in scan order wins.
Hit pickBar(const PlotLayout& p, const GcGraphConfig& cfg, int x, int y) {
    Hit hit;
    const AxisMap xmap = p.hmap();
    forEachLine(p, cfg, [&](int g, int l, const GcGLine& line, const GraphWindow& w) {
        if (!(w.top <= y && y <= w.bottom)) return;
        for (int i = 0; i + 1 < line.nvertex; ++i) {
            const double X0 = xmap.toPixel(line.vertex[i].x);
            if (!inHorizontalWindow(p, X0)) continue;
            const double X1 = xmap.toPixel(line.vertex[i + 1].x);
            if (!(X0 < x && x < X1) || !std::isfinite(X1)) continue;
            if (y >= w.ymap.toPixel(line.vertex[i].y)) hit = {g, l, i, w.top, w.bottom};
        }
    });
    return hit;
}

// v truncated toward zero, clamped first like rnd so that the conversion stays defined.
int truncated(double v) {
    const double limit = PlotLayout::coordLimit;
    return int(v > -limit ? std::min(v, limit) : -limit);
}

// Circles the picked vertex in magenta.
void markVertex(CDC* dc, double X, double Y) {
    const int x = PlotLayout::rnd(X), y = PlotLayout::rnd(Y);
    DrawScope scope(dc);
    scope.select(PS_SOLID, 1, RGB(255, 0, 255));
    dc->Arc(x - 4, y - 4, x + 4, y + 4, x - 4, y - 4, x - 4, y - 4);
}

} // namespace

int Renderer::pickGraph(CDC* dc, int x, int y, int& graph, int& line, int& vertex) const {
    if (!config || config->ngraph < 1 || !config->graph) return 0;
    const GcGraphConfig& cfg = *config;
    const PlotLayout p(viewport, zoomScale, zoomOffset, cfg);
    const bool bars = cfg.type == GcGraphConfig::HISTON;
    const Hit hit = bars ? pickBar(p, cfg, x, y) : pickVertex(p, cfg, x, y);
    if (hit.graph < 0) return 0;
    graph = hit.graph;
    line = hit.line;
    vertex = hit.vertex;
    if (dc && !bars) {
        const GcGraph& g = cfg.graph[hit.graph];
        const Vertex2D& v = g.line[hit.line].vertex[hit.vertex];
        markVertex(dc, p.hmap().toPixel(v.x),
                   p.vmap(VerticalRange::of(g, false), p.strip(hit.graph)).toPixel(v.y));
    }
    return 1;
}

int Renderer::pickGraph(CDC* dc, int x, int y, int& graph, int& line) {
    if (!config || config->ngraph < 1 || !config->graph) return 0;
    const GcGraphConfig& cfg = *config;
    const PlotLayout p(viewport, zoomScale, zoomOffset, cfg);
    const bool bars = cfg.type == GcGraphConfig::HISTON;
    const Hit hit = bars ? pickBar(p, cfg, x, y) : pickLine(p, cfg, x, y);
    if (hit.graph >= 0) {
        graph = hit.graph;
        line = hit.line;
    }
    if (!dc) return hit.graph >= 0;

    RECT saved;
    dc->GetClipBox(&saved);
    const bool marked = hit.graph >= 0 && !bars;
    CRgn strip;
    strip.CreateRectRgn(PlotLayout::rnd(p.L), PlotLayout::rnd(marked ? hit.top : p.T),
                        truncated(p.R) + 2, truncated(marked ? hit.bottom : p.B) + 2);
    dc->SelectClipRgn(&strip);
    if (marked) {
        const GcGraph& g = cfg.graph[hit.graph];
        const GcGLine& picked = g.line[hit.line];
        const AxisMap xmap = p.hmap(),
                      ymap = p.vmap(VerticalRange::of(g, false), p.strip(hit.graph));
        std::vector<int> xs(picked.nvertex), ys(picked.nvertex);
        for (int i = 0; i < picked.nvertex; ++i) {
            xs[i] = PlotLayout::rnd(xmap.toPixel(picked.vertex[i].x));
            ys[i] = PlotLayout::rnd(ymap.toPixel(picked.vertex[i].y));
        }
        // Complement of the low 8 bits, the part of each component that counts.
        const int* c = picked.color;
        PolylineB(dc, xs.data(), ys.data(), picked.nvertex, 255 - (c[0] & 255), 255 - (c[1] & 255),
                  255 - (c[2] & 255), -1, 15, 1);
    }
    CRgn restored;
    restored.CreateRectRgnIndirect(&saved);
    dc->SelectClipRgn(&restored);
    return hit.graph >= 0;
}
