// Shapes shared by the GlDraw primitives and the com_W functions, drawn with whatever pen and
// brush are selected: the vertex marks of both families; and the points of their polylines.
#pragma once

#include <ploxen/platform/gdi/CDC.h>
#include <ploxen/raster/BigBuffer.h>

// The points (x[i], y[i]) in the device's form, for one Polyline call.
BigBuffer<POINT> pointsOf(const int* x, const int* y, int n);

// GlDraw marks: types 0-15, half size 5 for 0-3 and 3 above; 8, 12 and 16 on draw nothing.
// Types 10 and 14 frame with brush.
void drawGlMark(CDC* dc, CBrush* brush, int type, int x, int y);

// com_W marks: types 0-3, half size 5; every other type draws nothing.
void drawWMark(CDC* dc, int type, int x, int y);
