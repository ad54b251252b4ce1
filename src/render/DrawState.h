// Per-call state of Renderer::drawGraph, shared by its drawing steps.
#pragma once

#include <ploxen/platform/gdi/CGdiObject.h>
#include <ploxen/render/PlotLayout.h>
#include <ploxen/render/Renderer.h>

struct Renderer::DrawState {
    CDC* dc;
    const GcGraphConfig& cfg;
    PlotLayout lay;
    int fg[3];
    CFont* textFont;
    CFont* verticalFont;
    // Number of vertical axes, and of graph titles beside them; never more than the graphs.
    int naxis;

    // Graph g's series, or none when the host left the array null.
    int nline(int g) const { return cfg.graph[g].line ? cfg.graph[g].nline : 0; }

    // A fixed text field as drawn: at most its 50 characters.
    static CString fieldText(const char* field) {
        CString s;
        s.Format("%.50s", field);
        return s;
    }
    // Text in the font selected now, as (w, h).
    CSize extent(const CString& s) const { return dc->GetTextExtent(s); }
};
