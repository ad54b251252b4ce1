#include <ploxen/model/GcGLine.h>

#include <ploxen/model/LineIndex.h>

#include <limits>

namespace {

// Lowers lo to c if c is smaller and raises hi to c if c is larger: ties and NaN change nothing.
inline void widen(double c, double& lo, double& hi) {
    if (c < lo) lo = c;
    if (c > hi) hi = c;
}

// Extremes of one coordinate of the series' vertices; a null array counts as empty.
// The vertices after the first are scanned as four contiguous parts side by side, which keeps
// four comparison chains in flight. Folding the parts' results in index order keeps the earliest
// of equal extremes, exactly as a single pass would.
template <double Vertex2D::*coord> int extremes(const GcGLine& line, double& min, double& max) {
    if (line.nvertex < 1 || !line.vertex) return 0;
    constexpr int parts = 4;
    constexpr double inf = std::numeric_limits<double>::infinity();
    const Vertex2D* v = line.vertex;
    const int n = line.nvertex;
    const int partSize = (n - 1) / parts;
    double lo[parts] = {inf, inf, inf, inf};
    double hi[parts] = {-inf, -inf, -inf, -inf};
    for (int i = 1; i <= partSize; ++i)
        for (int p = 0; p < parts; ++p) widen(v[p * partSize + i].*coord, lo[p], hi[p]);

    double lowest = v[0].*coord;
    double highest = lowest;
    for (int p = 0; p < parts; ++p) {
        if (lo[p] < lowest) lowest = lo[p];
        if (hi[p] > highest) highest = hi[p];
    }
    for (int i = parts * partSize + 1; i < n; ++i) widen(v[i].*coord, lowest, highest);
    min = lowest;
    max = highest;
    return 1;
}

} // namespace

GcGLine::GcGLine(int nvertex, Vertex2D* vertex, int* const color, char* name, int markType,
                 int lineStyle, int lineWidth) {
    set(nvertex, vertex, color, name, markType, lineStyle, lineWidth);
}

void GcGLine::set(int nvertex, Vertex2D* vertex, int* const color, char* name, int markType,
                  int lineStyle, int lineWidth) {
    const bool empty = nvertex < 1 || !vertex;
    this->nvertex = empty ? 0 : nvertex;
    this->vertex = empty ? nullptr : vertex;
    for (int i = 0; i < 3; ++i) this->color[i] = color[i];
    storeText(this->name, name);
    this->markType = markType;
    this->lineStyle = lineStyle;
    this->lineWidth = lineWidth;
}

int GcGLine::getHminHmax(double& min, double& max) const {
    return extremes<&Vertex2D::x>(*this, min, max);
}

int GcGLine::getVminVmax(double& min, double& max) const {
    return extremes<&Vertex2D::y>(*this, min, max);
}

void GcGLine::setIndexed(int on) {
    if (!on)
        m_index.reset();
    else if (!m_index) {
        m_index = std::make_shared<LineIndex>();
        changed(0);
    }
}

void GcGLine::changed(int from) {
    if (m_index) m_index->update(vertex, vertex ? nvertex : 0, from); // no array: no vertices
}
