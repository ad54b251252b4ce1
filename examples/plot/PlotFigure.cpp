#include "PlotFigure.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <ploxen/platform/gdi/CGdiObject.h>
#include <ploxen/render/TextFit.h>

namespace {

// The margins of a picture without a title, and the widest right margin a legend gets.
constexpr double kLeft = 0.15, kRight = 0.2, kBottom = 0.2, kTop = 0.05, kRightMax = 0.5;

// Smallest and largest finite value of one coordinate over the given graphs' points; nan and
// inf cells are gaps and take no part.
struct Extent {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    bool empty() const { return min > max; }
    void add(double v) {
        if (std::isfinite(v)) min = std::min(min, v), max = std::max(max, v);
    }
};

// The extent of a coordinate; on a logarithmic axis, of its values above zero alone, widened to
// whole decades.
Extent extentOf(const std::vector<CsvGraph>& graphs, size_t first, size_t last,
                double Vertex2D::*coordinate, bool logarithmic = false) {
    Extent e;
    for (size_t g = first; g < last; ++g)
        for (const CsvSeries& s : graphs[g].series)
            for (const Vertex2D& p : s.points)
                if (!logarithmic || p.*coordinate > 0) e.add(p.*coordinate);
    if (logarithmic && !e.empty()) {
        e.min = std::pow(10.0, std::floor(std::log10(e.min)));
        e.max = std::pow(10.0, std::ceil(std::log10(e.max)));
        if (e.min == e.max) e.max *= 10;
    }
    return e;
}

// Sets a range from the data (the model widens a single value) or from the option.
void applyRange(const GcGraph& graph, Extent e, const AxisRange& fixed, double& min, double& max,
                const char* axis) {
    if (fixed.set) return graph.setMinMax(fixed.min, fixed.max, min, max);
    if (e.empty()) return; // nothing finite to plot: the default range stays
    if (!std::isfinite(e.max - e.min))
        throw CsvError(std::string("the ") + axis +
                       " values span more than a double can hold; give a fixed range");
    graph.setMinMax(e.min, e.max, min, max);
}

} // namespace

void seriesColor(int index, bool white, int rgb[3]) {
    static const int colors[2][6][3] = {
        {{255, 255, 0},
         {0, 255, 255},
         {0, 255, 0},
         {255, 100, 255},
         {255, 80, 80},
         {160, 160, 255}},
        {{0, 0, 200}, {200, 0, 0}, {0, 140, 0}, {160, 0, 160}, {230, 120, 0}, {0, 140, 160}}};
    const int* c = colors[white ? 1 : 0][unsigned(index) % 6];
    std::copy(c, c + 3, rgb);
}

void fitMargins(GcGraphConfig& config, const std::string& title, int width, int height) {
    CDC dc;
    if (width <= 0 || height <= 0 || !dc.CreateCompatibleDC(nullptr)) return;
    double top = kTop;
    if (!title.empty()) {
        CFont font;
        font.Attach(com_GLCreateTextFont(width, height));
        CFont* previous = dc.SelectObject(&font);
        // The title in the middle of the top margin, half its height free above and below.
        top = std::max(top, 2.0 * dc.GetTextExtent(title.c_str(), int(title.size())).cy / height);
        dc.SelectObject(previous);
    }
    config.setMargin(kLeft, kRight, kBottom, top);
    const double right = com_GLLegendMargin(&dc, &config, width, height);
    config.setMargin(kLeft, std::clamp(right, kRight, kRightMax), kBottom, top);
}

void drawTitle(CDC* dc, const Renderer& renderer, const std::string& title) {
    const GcGraphConfig* cfg = renderer.getGcGraphConfig();
    if (title.empty() || !cfg) return;
    const int* v = renderer.viewport;
    CFont font;
    font.Attach(com_GLCreateTextFont(v[2], v[3]));
    CFont* previous = dc->SelectObject(&font);
    const CSize e = dc->GetTextExtent(title.c_str(), int(title.size()));
    const double centre =
        v[0] + v[2] * (cfg->leftMargin + 0.5 * (1 - cfg->leftMargin - cfg->rightMargin));
    const int x = std::clamp(int(std::lround(centre)) - e.cx / 2, v[0],
                             std::max(v[0], v[0] + v[2] - int(e.cx)));
    const int y = int(std::lround(v[1] + 0.5 * v[3] * cfg->topMargin)) - e.cy / 2;
    const int fg = renderer.getBackground() == Renderer::BK_WHITE ? 0 : 255;
    dc->SetBkColor(RGB(255 - fg, 255 - fg, 255 - fg));
    dc->SetTextColor(RGB(fg, fg, fg));
    dc->TextOut(x, y, title.c_str(), int(title.size()));
    dc->SelectObject(previous);
}

PlotFigure::PlotFigure(std::vector<CsvGraph> graphs, const PlotOptions& o)
    : m_title(o.title), m_data(std::move(graphs)), m_config(o.type) {
    const size_t n = m_data.size();
    if (o.twoAxes && n < 2)
        throw UsageError("--two-axes needs two graphs: separate them by a blank line");
    if (o.type == GcGraphConfig::HISTON && o.yrange.set && o.yrange.max <= 0)
        throw UsageError("--yrange: bars standing on 0 need a MAX above 0");
    m_lines.resize(n);
    m_graphs.resize(n);
    int index = 0;
    for (size_t g = 0; g < n; ++g) {
        for (CsvSeries& s : m_data[g].series) {
            int rgb[3];
            seriesColor(index++, o.white, rgb);
            m_lines[g].emplace_back(int(s.points.size()), s.points.data(), rgb, s.name.data(),
                                    o.markType, o.lineStyle, o.lineWidth);
        }
        GcGraph& graph = m_graphs[g];
        graph.setGLine(int(m_lines[g].size()), m_lines[g].data());
        std::string vtitle = g < o.ylabels.size() ? o.ylabels[g] : m_data[g].vtitle;
        graph.setVtitle(vtitle.data());
    }
    // Every graph is drawn against graph 0's horizontal axis: it spans all of them. Graphs
    // sharing graph 0's vertical axis lend it their values too.
    const bool sharedV = o.superpose && !o.twoAxes;
    const Extent x = extentOf(m_data, 0, n, &Vertex2D::x, o.logX);
    for (size_t g = 0; g < n; ++g) {
        GcGraph& graph = m_graphs[g];
        graph.setLogH(o.logX);
        graph.setLogV(o.logY);
        graph.setTimeH(o.format.timeX);
        applyRange(graph, x, o.xrange, graph.hmin, graph.hmax, "x");
        Extent y = extentOf(m_data, g, sharedV && g == 0 ? n : g + 1, &Vertex2D::y, o.logY);
        if (o.type == GcGraphConfig::HISTON && !o.yrange.set && !o.logY) { // bars stand on 0
            y.add(0.0);
            if (y.max <= 0) y.max = 1;
        }
        applyRange(graph, y, o.yrange, graph.vmin, graph.vmax, "y");
        graph.setAutoHgrad();
        graph.setAutoVgrad();
    }
    std::string xlabel = o.xlabelSet ? o.xlabel : (n ? m_data[0].htitle : std::string());
    m_config.set(int(n), m_graphs.data(), nullptr, xlabel.data(), kLeft, kRight, kBottom, kTop,
                 o.type);
    if (o.superpose) m_config.superposeGraph(1);
    if (o.twoAxes) m_config.singleVaxis = 0;
    if (o.type == GcGraphConfig::HISTON && !o.histClasses) m_config.changeHistType();
    fitMargins(m_config, m_title, o.width, o.height);
}
