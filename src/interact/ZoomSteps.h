// Changes of a renderer's zoom state made by the pointer and the keys: magnifying around a
// point and moving the picture. They act on the same zoom scale and offset as zoomGraph, in
// its terms (offsets in unzoomed pixels), so Unzoom and picking agree with them.
#pragma once

class Renderer;

struct ZoomState {
    float scale[2] = {1.0f, 1.0f};
    float offset[2] = {0.0f, 0.0f};
    bool operator==(const ZoomState&) const = default;
};

ZoomState zoomStateOf(const Renderer& r);
void setZoomState(Renderer& r, const ZoomState& s);

// Magnifies the picture by fx horizontally and fy vertically (above 1: closer) so that what is
// drawn at device point (px, py) stays there. False, with nothing changed, when the result
// would not be finite and nonzero in single precision.
bool zoomAround(Renderer& r, double px, double py, double fx, double fy);
// Moves the picture dx pixels right and dy pixels down; false as for zoomAround.
bool panBy(Renderer& r, double dx, double dy);
