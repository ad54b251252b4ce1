#include <ploxen/render/LayoutConstants.h>
#include <ploxen/render/PlotLayout.h>

#include <cmath>

VerticalRange VerticalRange::ofSeries(const GcGraphConfig& cfg, int g) {
    const GcGraph& source = cfg.superpose && cfg.singleVaxis ? cfg.graph[0] : cfg.graph[g];
    return of(source, cfg.type == GcGraphConfig::HISTON);
}

VerticalRange VerticalRange::of(const GcGraph& g, bool fromZero) {
    VerticalRange s;
    s.log = logUsable(g.logV, g.vmin, g.vmax);
    s.lo = s.log ? std::log10(g.vmin) : fromZero ? 0.0 : g.vmin;
    s.r = (s.log ? std::log10(g.vmax) : g.vmax) - s.lo;
    s.valid = std::isfinite(s.lo) && std::isfinite(s.r) && s.r != 0.0;
    return s;
}

PlotRect::PlotRect(const int viewport[4], const GcGraphConfig& cfg) {
    const double vx = viewport[0], vy = viewport[1], vw = viewport[2], vh = viewport[3];
    lm = vw * cfg.leftMargin;
    rm = vw * cfg.rightMargin;
    bm = vh * cfg.bottomMargin;
    tm = vh * cfg.topMargin;
    L = vx + lm;
    pw = vw * (1 - (cfg.leftMargin + cfg.rightMargin));
    R = L + pw;
    T = vy + tm;
    ph = vh * (1 - (cfg.bottomMargin + cfg.topMargin));
    B = T + ph;
}

PlotLayout::PlotLayout(const int viewport[4], const float zoomScale[2], const float zoomOffset[2],
                       const GcGraphConfig& cfg)
    : PlotRect(viewport, cfg) {
    mn = pw < ph ? pw : ph;
    big = layout::bigMark * mn;
    small = layout::smallMark * mn;
    sample = layout::legendSample * mn;
    ngraph = cfg.ngraph;
    superpose = cfg.superpose != 0;
    gh = superpose || ngraph < 1 ? ph : ph / ngraph;
    zx = zoomScale[0];
    zy = zoomScale[1];
    ox = zoomOffset[0];
    oy = zoomOffset[1];
    const GcGraph& g0 = cfg.graph[0];
    hLog = logUsable(g0.logH, g0.hmin, g0.hmax);
    h0 = hLog ? std::log10(g0.hmin) : g0.hmin;
    hr = (hLog ? std::log10(g0.hmax) : g0.hmax) - h0;
    hValid = std::isfinite(h0) && std::isfinite(hr) && hr != 0.0;
}
