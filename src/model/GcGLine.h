#pragma once

#include <ploxen/model/TextField.h>
#include <ploxen/model/Vertex2D.h>
#include <ploxen/platform/afx/AfxExtClass.h>

#include <memory>

class LineIndex;

// One data series: a polyline of vertices drawn with a colour, pen and marker, and its name.
// The vertex array belongs to the host; copies are shallow and share it.
class AFX_EXT_CLASS GcGLine {
public:
    GcGLine() = default;
    GcGLine(int nvertex, Vertex2D* vertex, int* const color, char* name, int markType,
            int lineStyle, int lineWidth);

    // Stores the series (or an empty one if nvertex < 1 or vertex is null) and its style.
    void set(int nvertex, Vertex2D* vertex, int* const color, char* name, int markType,
             int lineStyle, int lineWidth);

    int getNvertex() const { return nvertex; }
    Vertex2D* getVertex() const { return vertex; }

    // Smallest and largest x (or y) of the vertices; returns 0 and leaves min and max alone if
    // the series is empty, else 1. Ties keep the earlier vertex.
    int getHminHmax(double& min, double& max) const;
    int getVminVmax(double& min, double& max) const;

    // Indexing, off by default: the host promises to report every change of the vertices with
    // changed(), and the library keeps beside them what lets a drawing of a line whose x never
    // decreases read only a few of them. changed(from): vertices from index from on were
    // changed in place or appended (nvertex raised over the same array), or the array was
    // replaced. Copies share the index as they share the vertices.
    void setIndexed(int on);
    void changed(int from);
    // The index, or null for a line that is not indexed.
    const LineIndex* index() const { return m_index.get(); }

    int nvertex = 0;
    Vertex2D* vertex = nullptr;
    int color[3] = {255, 0, 0};
    int markType = -1;
    int lineStyle = 0;
    int lineWidth = 1;
    char name[textFieldSize] = {};

private:
    std::shared_ptr<LineIndex> m_index;
};
