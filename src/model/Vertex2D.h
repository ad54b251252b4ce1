#pragma once

// One data point of a series. Arrays of vertices are contiguous, x before y in each element.
struct Vertex2D {
    double x; // horizontal value
    double y; // vertical value
};
