#include <ploxen/draw/GlDraw.h>

#include <cstring>

#include <ploxen/draw/DrawScope.h>
#include <ploxen/draw/Shapes.h>

namespace {

COLORREF intColor(int red, int green, int blue) {
    return RGB(BYTE(red & 255), BYTE(green & 255), BYTE(blue & 255));
}

} // namespace

void GlDraw::BkColor(CDC* dc, int red, int green, int blue) {
    dc->SetBkColor(intColor(red, green, blue));
}

void GlDraw::TextOutA(CDC* dc, char* text, int x, int y, int red, int green, int blue) {
    if (!text) return;
    dc->SetTextColor(intColor(red, green, blue));
    dc->TextOut(x, y, text, int(std::strlen(text)));
}

void GlDraw::FillRect(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue) {
    CBrush brush(intColor(red, green, blue));
    const CRect r(x1, y1, x2, y2);
    dc->FillRect(r, &brush);
}

void GlDraw::FrameRect(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue) {
    DrawScope scope(dc);
    scope.select(PS_SOLID, 1, intColor(red, green, blue));
    const POINT pts[5] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
    dc->Polyline(pts, 5);
}

void GlDraw::Polyline(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue) {
    DrawScope scope(dc);
    scope.select(PS_SOLID, 1, intColor(red, green, blue));
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

void GlDraw::PolylineA(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue,
                       int lineStyle, int markType, int lineWidth) {
    int x[2] = {x1, x2};
    int y[2] = {y1, y2};
    PolylineB(dc, x, y, 2, red, green, blue, lineStyle, markType, lineWidth);
}

void GlDraw::PolylineB(CDC* dc, int* x, int* y, int n, int red, int green, int blue, int lineStyle,
                       int markType, int lineWidth) {
    if (!x || !y || n <= 0) return;
    PolylineB(dc, pointsOf(x, y, n).get(), n, red, green, blue, lineStyle, markType, lineWidth);
}

void GlDraw::PolylineB(CDC* dc, const POINT* points, int n, int red, int green, int blue,
                       int lineStyle, int markType, int lineWidth) {
    const COLORREF color = intColor(red, green, blue);
    DrawScope scope(dc);
    if (lineStyle >= 0 && scope.select(lineStyle, lineWidth, color)) dc->Polyline(points, n);
    if (markType >= 0) {
        scope.select(PS_SOLID, 1, color, true);
        for (int i = 0; i < n; ++i)
            drawGlMark(dc, scope.brush(), markType, points[i].x, points[i].y);
    }
}
