// For hosts that size a drawing's margins to their own texts: the font drawGraph writes its
// labels, horizontal title and legend in, and the right margin its legend needs.
#pragma once

#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/CDC.h>

extern "C" {
// The text font of drawGraph for a viewport of width x height pixels; the caller deletes it.
AFX_EXT_API HFONT com_GLCreateTextFont(int width, int height);

// The right margin, as a fraction of the viewport's width, in which drawGraph shows every
// legend entry of cfg whole (its indent, line sample and name, and a little room after it) in a
// viewport of width x height pixels, with cfg's left, bottom and top margins. The names are
// measured on dc; 0 without a dc, a configuration or an area.
AFX_EXT_API double com_GLLegendMargin(CDC* dc, const GcGraphConfig* cfg, int width, int height);
}
