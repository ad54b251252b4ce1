// The vertex drawn nearest a device point, within a radius in pixels, found with the picking's
// geometry (plot rectangle, strips, zoomed mapping). Where a series' x is sorted the search
// bisects to the vertices whose x can lie within the radius; other series are scanned whole.
#pragma once

#include <map>

class Renderer;
struct GcGLine;
struct Vertex2D;

struct NearVertex {
    int graph = -1, line = -1, vertex = -1; // graph -1: none within the radius
    double px = 0.0, py = 0.0;              // where it is drawn
};

class NearestVertex {
public:
    // Of equal distances the first in the configuration's order.
    NearVertex find(const Renderer& r, double x, double y, double radius);
    // The series may have changed in place: their order in x is read again when next searched.
    void forget() { m_sorted.clear(); }

private:
    struct Key {
        const Vertex2D* vertex;
        int nvertex;
        auto operator<=>(const Key&) const = default;
    };
    // Whether the line's x never decreases (and is never NaN); read once per series array.
    bool sorted(const GcGLine& line);
    std::map<Key, bool> m_sorted;
};
