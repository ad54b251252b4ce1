// Configurations and surfaces for the drawing, picking and comment tests: graphs built from plain
// vertex lists, and a memory device context with a known font that records its calls, with readers
// for the texts and lines drawn.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "platform/afx/TraceSink.h"
#include "render/Renderer.h"

namespace render_test {

using Ints = std::vector<int>;
constexpr double infinity = INFINITY, notNumber = NAN;
// The plot frame with the default margins on 400 x 300.
inline const std::string frame = "Polyline(5,60 15;60 240;320 240;320 15;60 15)";

struct GraphSpec {
    std::vector<std::vector<Vertex2D>> lines;
    double vmin = 0, vmax = 1, hmin = 0, hmax = 1;
    const char* vtitle = "";
};

// Drawn over viewport (0, 0, w, h) with the default margins. Graduations step by half the range
// with no small marks. Series s of graph g has colour (10 + 10 g + s, 0, 0) and name "g<g>s<s>".
struct Scene {
    std::deque<std::vector<Vertex2D>> vertices;
    std::deque<std::vector<GcGLine>> lines;
    std::vector<GcGraph> graphs;
    GcGraphConfig cfg;
    Renderer r;

    explicit Scene(const std::vector<GraphSpec>& specs, int w = 400, int h = 300)
        : graphs(specs.size()) {
        for (size_t g = 0; g < specs.size(); ++g) {
            const GraphSpec& s = specs[g];
            lines.emplace_back(s.lines.size());
            for (size_t l = 0; l < s.lines.size(); ++l) {
                vertices.push_back(s.lines[l]);
                GcGLine& line = lines.back()[l];
                line.nvertex = int(s.lines[l].size());
                line.vertex = vertices.back().data();
                line.color[0] = int(10 + 10 * g + l), line.color[1] = line.color[2] = 0;
                std::snprintf(line.name, sizeof line.name, "g%zus%zu", g, l);
            }
            GcGraph& gr = graphs[g];
            gr.setGLine(int(s.lines.size()), lines.back().data());
            gr.vmin = s.vmin, gr.vmax = s.vmax, gr.hmin = s.hmin, gr.hmax = s.hmax;
            gr.vlargeGradStart = s.vmin, gr.vlargeGradStep = (s.vmax - s.vmin) / 2;
            gr.hlargeGradStart = s.hmin, gr.hlargeGradStep = (s.hmax - s.hmin) / 2;
            gr.vsmallGrad = gr.hsmallGrad = 1;
            std::snprintf(gr.vtitle, sizeof gr.vtitle, "%s", s.vtitle);
        }
        cfg.ngraph = int(graphs.size());
        cfg.graph = graphs.data();
        r.setViewport(0, 0, w, h);
        r.set(&cfg);
    }
    GcGLine& line(int g, int l) { return lines[size_t(g)][size_t(l)]; }
};

inline LOGFONTA logFont(int height, const char* face) {
    LOGFONTA f{};
    f.lfHeight = height;
    f.lfWeight = FW_NORMAL;
    std::strcpy(f.lfFaceName, face);
    return f;
}

// A text drawn at (x, y), with the extent measured for it last.
struct DrawnText {
    int x, y, w, h;
    std::pair<int, int> at() const { return {x, y}; }
};
using At = std::pair<int, int>;

struct Surface : Canvas {
    TraceSink sink;
    CFont base;

    explicit Surface(int w = 400, int h = 300) : Canvas(w, h) {
        const LOGFONTA lf = logFont(-20, "Base");
        base.CreateFontIndirect(&lf);
        dc.SelectObject(&base);
        dc.setTrace(&sink);
    }
    ~Surface() { dc.setTrace(nullptr); } // the sink goes before the canvas deletes its DC

    void draw(Renderer& r) {
        sink.clear();
        r.drawGraph(&dc);
    }
    CRect clipBox() {
        RECT box;
        dc.GetClipBox(&box);
        return box;
    }
    HGDIOBJ font() const { return GetCurrentObject(dc, OBJ_FONT); }
    CSize extent(const char* text, const LOGFONTA& lf) {
        CFont f;
        f.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&f);
        const CSize size = dc.GetTextExtent(text);
        dc.SelectObject(old);
        return size;
    }
    std::vector<DrawnText> texts(const std::string& text) const {
        std::vector<DrawnText> out;
        int w = 0, h = 0;
        for (const TraceCall& c : sink.calls()) {
            if (c.name == "GetTextExtentPoint32A" && c.args[0] == text) w = c.arg(1), h = c.arg(2);
            if (c.name == "TextOut" && c.args[2] == text) out.push_back({c.arg(0), c.arg(1), w, h});
        }
        return out;
    }
    // Texts drawn on row y (any row if y < 0), in order.
    std::vector<std::string> textsOnRow(int y = -1) const {
        std::vector<std::string> out;
        for (const TraceCall& c : sink.calls())
            if (c.name == "TextOut" && (y < 0 || c.arg(1) == y)) out.push_back(c.args[2]);
        return out;
    }
    // Polylines drawn with a pen of colour (red, 0, 0), as "n,x y;x y;...".
    std::vector<std::string> polylines(int red) const {
        std::vector<std::string> out;
        const std::string pen = "pen(0,1,RGB(" + std::to_string(red) + ",0,0))";
        bool inPen = false;
        for (const TraceCall& c : sink.calls()) {
            if (c.name == "SelectObject" && c.args[0].rfind("pen(", 0) == 0)
                inPen = c.args[0] == pen;
            if (c.name == "Polyline" && inPen) out.push_back(c.args[0] + "," + c.args[1]);
        }
        return out;
    }
};

} // namespace render_test
