// Drawing primitives with integer colours (each component's low 8 bits count). Every primitive
// draws with objects of its own and leaves the device context's raster mode, pen and brush as
// it found them; TextOutA leaves its text colour and BkColor its background colour set.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/CDC.h>

class AFX_EXT_CLASS GlDraw {
public:
    GlDraw() = default;
    GlDraw(const GlDraw&) = default;
    GlDraw& operator=(const GlDraw&) = default;
    virtual ~GlDraw() = default;

    void BkColor(CDC* dc, int red, int green, int blue);
    void TextOutA(CDC* dc, char* text, int x, int y, int red, int green, int blue);
    void FillRect(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue);
    void FrameRect(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue);
    void Polyline(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue);
    void PolylineA(CDC* dc, int x1, int y1, int x2, int y2, int red, int green, int blue,
                   int lineStyle, int markType, int lineWidth);
    void PolylineB(CDC* dc, int* x, int* y, int n, int red, int green, int blue, int lineStyle,
                   int markType, int lineWidth);

protected:
    // The same for points already in the device's form, which it draws without a copy.
    void PolylineB(CDC* dc, const POINT* points, int n, int red, int green, int blue, int lineStyle,
                   int markType, int lineWidth);
};
