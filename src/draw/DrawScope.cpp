#include <ploxen/draw/DrawScope.h>

DrawScope::DrawScope(CDC* dc) : m_dc(dc), m_rop(dc->SetROP2(R2_COPYPEN)) {}

DrawScope::~DrawScope() {
    release();
    m_dc->SetROP2(m_rop);
}

bool DrawScope::select(int penStyle, int penWidth, COLORREF color, bool withBrush) {
    release();
    if (!m_pen.CreatePen(penStyle, penWidth, color)) return false;
    if (withBrush) m_brush.CreateSolidBrush(color);
    m_oldPen = m_dc->SelectObject(&m_pen);
    if (withBrush) m_oldBrush = m_dc->SelectObject(&m_brush);
    return true;
}

void DrawScope::release() {
    if (m_oldPen) m_dc->SelectObject(m_oldPen);
    if (m_oldBrush) m_dc->SelectObject(m_oldBrush);
    m_oldPen = nullptr;
    m_oldBrush = nullptr;
    m_brush.DeleteObject();
    m_pen.DeleteObject();
}
