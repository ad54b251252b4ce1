#include <ploxen/interact/Readout.h>

#include <charconv>
#include <string>

#include <ploxen/render/PlotLayout.h>
#include <ploxen/render/Renderer.h>

namespace {

// Six significant digits for a position, the shortest exact form for a stored value.
std::string number(double v, bool exact) {
    char buf[64];
    const auto r = exact ? std::to_chars(buf, buf + sizeof buf, v)
                         : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, r.ptr);
}

// The graph whose strip holds y inside the plot, or -1.
int graphAt(const PlotLayout& p, double x, double y) {
    if (x < p.L || x > p.R || y < p.T || y > p.B) return -1;
    if (p.superpose) return 0;
    for (int g = 0; g < p.ngraph; ++g)
        if (p.stripTop(g) <= y && y <= p.stripBottom(g)) return g;
    return -1;
}

std::string axes(const GcGraph& g) {
    if (!g.htitle[0] && !g.vtitle[0]) return "";
    return std::string(" (") + g.htitle + (g.htitle[0] && g.vtitle[0] ? ", " : "") + g.vtitle + ")";
}

} // namespace

CString readoutText(const Renderer& r, double x, double y, const NearVertex& near) {
    const GcGraphConfig* cfg = r.config;
    if (!cfg || cfg->ngraph < 1 || !cfg->graph) return CString();
    const PlotLayout p(r.viewport, r.zoomScale, r.zoomOffset, *cfg);
    const int g = near.graph >= 0 ? near.graph : graphAt(p, x, y);
    if (g < 0 || !p.hValid) return CString();
    if (p.superpose && near.graph < 0) {
        // Every graph's vertical axis is under the pointer: each one's y, with its title.
        std::string text = "x = " + number(p.hmap().toValue(x), false) + ", y =";
        for (int k = 0; k < p.ngraph; ++k) {
            const GcGraph& graph = cfg->graph[k];
            const VerticalRange range = VerticalRange::of(graph, false);
            if (!range.valid) continue;
            text += std::string(k ? "," : "") + " " + number(p.vmap(range, 0).toValue(y), false);
            if (graph.vtitle[0]) text += std::string(" (") + graph.vtitle + ")";
        }
        return CString(text.c_str());
    }
    const GcGraph& graph = cfg->graph[g];
    const VerticalRange range = VerticalRange::of(graph, false);
    std::string text = "graph " + std::to_string(g + 1) + axes(graph) +
                       ": x = " + number(p.hmap().toValue(x), false);
    if (range.valid) text += ", y = " + number(p.vmap(range, p.strip(g)).toValue(y), false);
    if (near.graph >= 0) {
        const GcGLine& line = graph.line[near.line];
        const Vertex2D& v = line.vertex[near.vertex];
        text += "    nearest: " + std::string(line.name[0] ? line.name : "series") + " [" +
                std::to_string(near.vertex) + "] x = " + number(v.x, true) +
                ", y = " + number(v.y, true);
    }
    return CString(text.c_str());
}
