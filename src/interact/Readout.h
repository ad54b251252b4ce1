// The text of the pointer readout: the data coordinates under a device point, in the graph
// whose strip holds it (or that of the vertex near it), and the near vertex's series and exact
// values. Numbers are written as the C locale writes them.
#pragma once

#include <ploxen/interact/NearestVertex.h>
#include <ploxen/platform/afx/CString.h>

class Renderer;

// Empty when the point lies outside the plot and no vertex is near.
CString readoutText(const Renderer& r, double x, double y, const NearVertex& near);
