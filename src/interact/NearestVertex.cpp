#include <ploxen/interact/NearestVertex.h>

#include <algorithm>
#include <cmath>

#include <ploxen/render/PlotLayout.h>
#include <ploxen/render/Renderer.h>

bool NearestVertex::sorted(const GcGLine& line) {
    const Key key{line.vertex, line.nvertex};
    if (auto it = m_sorted.find(key); it != m_sorted.end()) return it->second;
    const Vertex2D* v = line.vertex;
    bool ordered = line.nvertex < 1 || !std::isnan(v[0].x);
    for (int i = 1; ordered && i < line.nvertex; ++i) ordered = v[i - 1].x <= v[i].x;
    return m_sorted[key] = ordered;
}

NearVertex NearestVertex::find(const Renderer& r, double x, double y, double radius) {
    NearVertex hit;
    const GcGraphConfig* cfg = r.config;
    if (!cfg || cfg->ngraph < 1 || !cfg->graph) return hit;
    const PlotLayout p(r.viewport, r.zoomScale, r.zoomOffset, *cfg);
    if (!p.hValid) return hit;
    const AxisMap xmap = p.hmap();
    double best = radius * radius;
    for (int g = 0; g < cfg->ngraph; ++g) {
        const GcGraph& graph = cfg->graph[g];
        const VerticalRange range = VerticalRange::of(graph, false);
        const int k = p.strip(g);
        // The strip as the picking clamps it to the plot.
        const double top = std::max(p.stripTop(k), p.T), bottom = std::min(p.stripBottom(k), p.B);
        if (!range.valid || top > bottom || !graph.line) continue;
        const AxisMap ymap = p.vmap(range, k);
        for (int l = 0; l < graph.nline; ++l) {
            const GcGLine& line = graph.line[l];
            if (!line.vertex || line.nvertex < 1) continue;
            const Vertex2D* v = line.vertex;
            int first = 0, last = line.nvertex;
            if (sorted(line)) { // only x within the radius can be near
                const double lo = xmap.toValue(x - radius - 1), hi = xmap.toValue(x + radius + 1);
                first = int(std::lower_bound(v, v + last, std::min(lo, hi),
                                             [](const Vertex2D& a, double b) { return a.x < b; }) -
                            v);
                last = int(std::upper_bound(v + first, v + last, std::max(lo, hi),
                                            [](double b, const Vertex2D& a) { return b < a.x; }) -
                           v);
            }
            for (int i = first; i < last; ++i) {
                const double X = xmap.toPixel(v[i].x), dx = X - x;
                if (!(dx * dx <= best) || X < p.L - 1 || X > p.R + 1) continue;
                const double Y = ymap.toPixel(v[i].y), dy = Y - y;
                if (!(top - 1 <= Y && Y <= bottom + 1)) continue;
                const double d = dx * dx + dy * dy;
                if (d < best || (d == best && hit.graph < 0)) best = d, hit = {g, l, i, X, Y};
            }
        }
    }
    return hit;
}
