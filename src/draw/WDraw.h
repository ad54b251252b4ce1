// Drawing functions for client programs, with colours as three floats 0.0-1.0: each component
// becomes the integer part of component * 255.0, of which the low 8 bits count. The first five
// are the GlDraw primitives of the same name; the marked polylines have their own marks and order.
// Line styles 1-4 are the dashed pen styles; every other value draws solid.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/CDC.h>

extern "C" {
AFX_EXT_API void com_WBkColor(CDC* dc, float red, float green, float blue);
AFX_EXT_API void com_WTextOut(CDC* dc, char* text, int x, int y, float red, float green,
                              float blue);
AFX_EXT_API void com_WFillRect(CDC* dc, int x1, int y1, int x2, int y2, float red, float green,
                               float blue);
AFX_EXT_API void com_WFrameRect(CDC* dc, int x1, int y1, int x2, int y2, float red, float green,
                                float blue);
AFX_EXT_API void com_WPolyline(CDC* dc, int x1, int y1, int x2, int y2, float red, float green,
                               float blue);
// The segment (x1, y1)-(x2, y2), 1 pixel wide; with starFlag 0 a "*" centred across the
// 10-pixel square around (x1, y1) first.
AFX_EXT_API void com_WPolylineA(CDC* dc, int x1, int y1, int x2, int y2, float red, float green,
                                float blue, int lineStyle, int starFlag);
// Marks of markType (0-3, half size 5; -1 none) at every point, then always the 1-pixel line
// over them.
AFX_EXT_API void com_WPolylineB(CDC* dc, int* x, int* y, int n, float red, float green, float blue,
                                int lineStyle, int markType);
}
