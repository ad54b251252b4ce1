#include <ploxen/render/DrawState.h>

#include <algorithm>

namespace {

int axisCount(const GcGraphConfig& cfg) {
    if (!cfg.superpose) return cfg.ngraph;
    return std::min(cfg.singleVaxis ? 1 : 2, cfg.ngraph);
}

} // namespace

// Draws frame, separators, titles, graduations, series and legend, in this order, and leaves
// the device context's font and clip box as they were. Everything that needs the horizontal
// mapping (the horizontal graduation and all series) is left out when graph 0's horizontal
// range is empty or not finite; the rest does not depend on it and is drawn.
void Renderer::drawGraph(CDC* dc) {
    if (!config || config->ngraph <= 0 || !config->graph || config->graph[0].nline <= 0) return;
    const GcGraphConfig& cfg = *config;

    keepFonts(); // the viewport may have been written directly
    CFont* previousFont = dc->SelectObject(&m_textFont);

    const int shade = background == BK_BLACK ? 0 : 255;
    BkColor(dc, shade, shade, shade);
    const DrawState st{dc,
                       cfg,
                       PlotLayout(viewport, zoomScale, zoomOffset, cfg),
                       {255 - shade, 255 - shade, 255 - shade},
                       &m_textFont,
                       &m_verticalFont,
                       axisCount(cfg)};

    const bool decoration = m_parts != Parts::series, series = m_parts != Parts::decoration;
    if (decoration) {
        drawFrame(st);
        drawTitles(st);
        if (st.lay.hValid) drawHGraduation(st);
        drawVGraduation(st);
    }
    RECT clipBox{};
    dc->GetClipBox(&clipBox);
    if (st.lay.hValid && series) drawSeries(st);
    if (decoration) drawLegend(st);

    CRgn clip;
    clip.CreateRectRgnIndirect(&clipBox);
    dc->SelectClipRgn(&clip);
    clip.DeleteObject();
    dc->SelectObject(previousFont);
}

// The plot rectangle and, for stacked graphs, the lines between strips still inside it.
void Renderer::drawFrame(const DrawState& st) {
    const PlotLayout& p = st.lay;
    const int* fg = st.fg;
    FrameRect(st.dc, p.rnd(p.L), p.rnd(p.T), p.rnd(p.R), p.rnd(p.B), fg[0], fg[1], fg[2]);
    if (p.superpose) return;
    for (int i = 1; i < p.ngraph; ++i) {
        const double y = p.B - (i * p.gh + p.oy) * p.zy;
        if (p.T < y && y < p.B)
            Polyline(st.dc, p.rnd(p.L), p.rnd(y), p.rnd(p.R), p.rnd(y), fg[0], fg[1], fg[2]);
    }
}
