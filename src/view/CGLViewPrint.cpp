// Printing: the picture on screen is captured when printing is prepared and stretched onto
// each page.
#include <algorithm>

#include <ploxen/platform/dlg/CPrintInfo.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/view/CGLView.h>

BOOL CGLView::OnPreparePrinting(CPrintInfo* pInfo) {
    {
        CClientDC dc(this);
        BitBlt(m_hMemDC, 0, 0, kSurfaceSize, kSurfaceSize, nullptr, 0, 0, WHITENESS);
        BitBlt(m_hMemDC, 0, 0, m_cx, m_cy, dc.m_hDC, 0, 0, SRCCOPY);
    }
    return DoPreparePrinting(pInfo);
}

void CGLView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    if (m_cx <= 0 || m_cy <= 0 || !m_pBits) return;
    const CRect& r = pInfo->m_rectDraw;
    const int W = r.right - r.left, H = r.bottom - r.top;
    if (W <= 0 || H <= 0) return;
    const double page = double(H) / W, view = double(m_cy) / m_cx;
    int x = 0, y = 0, w = W, h = H;
    if (page > view) {
        h = int(W * view);
        y = (H - h) / 2;
    } else if (page < view) {
        w = int(H / view);
        x = (W - w) / 2;
    }
    SelectPalette(pDC->m_hDC, m_hPalette, FALSE);
    // Only what the surface holds: a larger client area prints its top-left part.
    const int cx = std::min(m_cx, kSurfaceSize), cy = std::min(m_cy, kSurfaceSize);
    StretchDIBits(pDC->m_hDC, x, y, w, h, 0, kSurfaceSize - cy, cx, cy, m_pBits,
                  reinterpret_cast<const BITMAPINFO*>(&m_bmi), DIB_RGB_COLORS, SRCCOPY);
}
