#include <ploxen/draw/WDraw.h>

#include <cmath>

#include <ploxen/draw/DrawScope.h>
#include <ploxen/draw/GlDraw.h>
#include <ploxen/draw/Shapes.h>

namespace {

// The low 8 bits of the truncated c * 255. Working in doubles keeps huge or non-finite values
// defined: their integer parts are multiples of 256, or count as 0.
int component(float c) {
    const double v = std::fmod(std::trunc(double(c) * 255.0), 256.0);
    return std::isfinite(v) ? int(v) & 255 : 0;
}

COLORREF floatColor(float red, float green, float blue) {
    return RGB(BYTE(component(red)), BYTE(component(green)), BYTE(component(blue)));
}

int penStyle(int lineStyle) {
    return lineStyle >= 1 && lineStyle <= 4 ? lineStyle : PS_SOLID;
}

void drawStar(CDC* dc, int x, int y, COLORREF color) {
    const COLORREF previous = dc->SetTextColor(color);
    CRect r(x - 5, y - 5, x + 5, y + 5);
    dc->DrawText("*", 1, r, DT_CENTER | DT_VCENTER);
    dc->SetTextColor(previous);
}

} // namespace

void com_WBkColor(CDC* dc, float red, float green, float blue) {
    GlDraw().BkColor(dc, component(red), component(green), component(blue));
}

void com_WTextOut(CDC* dc, char* text, int x, int y, float red, float green, float blue) {
    GlDraw().TextOutA(dc, text, x, y, component(red), component(green), component(blue));
}

void com_WFillRect(CDC* dc, int x1, int y1, int x2, int y2, float red, float green, float blue) {
    GlDraw().FillRect(dc, x1, y1, x2, y2, component(red), component(green), component(blue));
}

void com_WFrameRect(CDC* dc, int x1, int y1, int x2, int y2, float red, float green, float blue) {
    GlDraw().FrameRect(dc, x1, y1, x2, y2, component(red), component(green), component(blue));
}

void com_WPolyline(CDC* dc, int x1, int y1, int x2, int y2, float red, float green, float blue) {
    GlDraw().Polyline(dc, x1, y1, x2, y2, component(red), component(green), component(blue));
}

void com_WPolylineA(CDC* dc, int x1, int y1, int x2, int y2, float red, float green, float blue,
                    int lineStyle, int starFlag) {
    const COLORREF color = floatColor(red, green, blue);
    DrawScope scope(dc);
    scope.select(penStyle(lineStyle), 1, color);
    if (starFlag == 0) drawStar(dc, x1, y1, color);
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

void com_WPolylineB(CDC* dc, int* x, int* y, int n, float red, float green, float blue,
                    int lineStyle, int markType) {
    if (!x || !y || n <= 0) return;
    const COLORREF color = floatColor(red, green, blue);
    DrawScope scope(dc);
    if (markType != -1) {
        scope.select(PS_SOLID, 1, color, true);
        for (int i = 0; i < n; ++i) drawWMark(dc, markType, x[i], y[i]);
    }
    scope.select(penStyle(lineStyle), 1, color);
    dc->Polyline(pointsOf(x, y, n).get(), n);
}
