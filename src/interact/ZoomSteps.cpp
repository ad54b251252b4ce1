#include <ploxen/interact/ZoomSteps.h>

#include <cfloat>
#include <cmath>

#include <ploxen/render/PlotLayout.h>
#include <ploxen/render/Renderer.h>

namespace {

bool storable(double v, bool nonzero) {
    return std::isfinite(v) && std::fabs(v) <= FLT_MAX && (!nonzero || float(v) != 0.0f);
}

// Stores the state when every term can be stored.
bool store(Renderer& r, double s0, double s1, double o0, double o1) {
    if (!storable(s0, true) || !storable(s1, true) || !storable(o0, false) || !storable(o1, false))
        return false;
    setZoomState(r, {{float(s0), float(s1)}, {float(o0), float(o1)}});
    return true;
}

} // namespace

ZoomState zoomStateOf(const Renderer& r) {
    return {{r.zoomScale[0], r.zoomScale[1]}, {r.zoomOffset[0], r.zoomOffset[1]}};
}

void setZoomState(Renderer& r, const ZoomState& s) {
    for (int i = 0; i < 2; ++i) {
        r.zoomScale[i] = s.scale[i];
        r.zoomOffset[i] = s.offset[i];
    }
}

// With screen x = L + (u + o) s, the u under px is (px - L) / s - o; it stays under px with the
// scale s f when o' = o + (px - L) (1 / (s f) - 1 / s). Vertically the same from B upwards.
bool zoomAround(Renderer& r, double px, double py, double fx, double fy) {
    if (!r.config) return false;
    const PlotRect plot(r.viewport, *r.config);
    const double s0 = r.zoomScale[0], s1 = r.zoomScale[1];
    const double u = px - plot.L, w = plot.B - py;
    return store(r, s0 * fx, s1 * fy, r.zoomOffset[0] + u * (1 / (s0 * fx) - 1 / s0),
                 r.zoomOffset[1] + w * (1 / (s1 * fy) - 1 / s1));
}

bool panBy(Renderer& r, double dx, double dy) {
    if (!r.config) return false;
    return store(r, r.zoomScale[0], r.zoomScale[1], r.zoomOffset[0] + dx / r.zoomScale[0],
                 r.zoomOffset[1] - dy / r.zoomScale[1]);
}
