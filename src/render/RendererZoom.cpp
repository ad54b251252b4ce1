#include <ploxen/render/PlotLayout.h>
#include <ploxen/render/Renderer.h>

#include <cfloat>
#include <cmath>

namespace {

// A value that can be stored as a float without overflow and stays usable as a scale or offset.
bool fitsFloat(double v) {
    return std::isfinite(v) && std::fabs(v) <= FLT_MAX;
}

} // namespace

// The rectangle (x1, y1)-(x2, y2), corners in any order, becomes the plot area. A rectangle
// without width or height, or one that would leave the zoom state non-finite or a scale of 0,
// changes nothing.
void Renderer::zoomGraph(float x1, float y1, float x2, float y2) {
    if (!config) return;
    const PlotRect plot(viewport, *config);

    const double width = std::fabs(double(x1) - x2), height = std::fabs(double(y1) - y2);
    if (!(width > 0) || !(height > 0)) return;
    const double left = x1 < x2 ? x1 : x2;
    const double lower = y1 > y2 ? y1 : y2;

    const double offset0 = zoomOffset[0] + (plot.L - left) / zoomScale[0];
    const double offset1 = zoomOffset[1] + (lower - plot.B) / zoomScale[1];
    const double scale0 = zoomScale[0] * plot.pw / width;
    const double scale1 = zoomScale[1] * plot.ph / height;
    if (!fitsFloat(offset0) || !fitsFloat(offset1) || !fitsFloat(scale0) || !fitsFloat(scale1))
        return;
    if (float(scale0) == 0.0f || float(scale1) == 0.0f) return;
    zoomOffset[0] = float(offset0);
    zoomOffset[1] = float(offset1);
    zoomScale[0] = float(scale0);
    zoomScale[1] = float(scale1);
}

void Renderer::resetGraph() {
    zoomScale[0] = zoomScale[1] = 1.0f;
    zoomOffset[0] = zoomOffset[1] = 0.0f;
}
