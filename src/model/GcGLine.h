#pragma once

#include <ploxen/model/TextField.h>
#include <ploxen/model/Vertex2D.h>
#include <ploxen/platform/afx/AfxExtClass.h>

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

    int nvertex = 0;
    Vertex2D* vertex = nullptr;
    int color[3] = {255, 0, 0};
    int markType = -1;
    int lineStyle = 0;
    int lineWidth = 1;
    char name[textFieldSize] = {};
};
