// One drawing primitive's hold on a device context: copy mode for its lifetime, and a pen (and a
// solid brush) of its own while something is selected. Leaving the scope selects the previous
// objects again, deletes its own and restores the raster mode the context had.
#pragma once

#include <ploxen/platform/gdi/CDC.h>

class DrawScope {
public:
    explicit DrawScope(CDC* dc);
    DrawScope(const DrawScope&) = delete;
    DrawScope& operator=(const DrawScope&) = delete;
    ~DrawScope();

    // Replaces what this scope selected by a new pen (and a solid brush of the same colour).
    // False when the platform refuses the pen; nothing of this scope is selected then.
    bool select(int penStyle, int penWidth, COLORREF color, bool withBrush = false);
    CBrush* brush() { return &m_brush; }

private:
    void release();

    CDC* m_dc;
    int m_rop;
    CPen m_pen;
    CBrush m_brush;
    CPen* m_oldPen = nullptr;
    CBrush* m_oldBrush = nullptr;
};
