// MFC's device context class over the platform's device-context handle. Drawing calls go to
// m_hDC; measurements ask m_hAttribDC, as in MFC.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/afx/geometry.h>
#include <ploxen/platform/gdi/CGdiObject.h>
#include <ploxen/platform/gdi/gdi.h>

class TraceSink;

class AFX_EXT_CLASS CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC(); // deletes the device context it still holds

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC h);
    BOOL Attach(HDC h);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Objects; each returns the object that was selected before.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* rgn);
    CGdiObject* SelectStockObject(int index);
    CPalette* SelectPalette(CPalette* pal, BOOL forceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }

    // Attributes.
    int SetROP2(int rop) { return ::SetROP2(m_hDC, rop); }
    int GetROP2() const { return ::GetROP2(m_hDC); }
    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // Lines and shapes.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
    BOOL Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
    BOOL Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
    BOOL Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
        return ::Arc(m_hDC, l, t, r, b, x3, y3, x4, y4);
    }
    void FillRect(LPCRECT r, CBrush* brush) {
        ::FillRect(m_hDC, r, brush ? brush->m_hObject : nullptr);
    }
    void FrameRect(LPCRECT r, CBrush* brush) {
        ::FrameRect(m_hDC, r, brush ? brush->m_hObject : nullptr);
    }
    // Fills with a colour through the background colour, which stays set to it.
    void FillSolidRect(LPCRECT r, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }

    // Text.
    BOOL TextOut(int x, int y, LPCSTR text, int length) {
        return ::TextOutA(m_hDC, x, y, text, length);
    }
    BOOL TextOut(int x, int y, const CString& s) { return TextOut(x, y, s, s.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT r, LPCSTR text, UINT length,
                    const INT* dx) {
        return ::ExtTextOutA(m_hDC, x, y, options, r, text, length, dx);
    }
    int DrawText(LPCSTR text, int length, LPRECT r, UINT format) {
        return ::DrawTextA(m_hDC, text, length, r, format);
    }
    int DrawText(const CString& s, LPRECT r, UINT format) {
        return DrawText(s, s.GetLength(), r, format);
    }
    CSize GetTextExtent(LPCSTR text, int length) const;
    CSize GetTextExtent(const CString& s) const { return GetTextExtent(s, s.GetLength()); }
    BOOL GetTextMetrics(LPTEXTMETRICA tm) const { return ::GetTextMetricsA(m_hAttribDC, tm); }

    // Clipping.
    int GetClipBox(LPRECT r) const { return ::GetClipBox(m_hDC, r); }
    int SelectClipRgn(CRgn* rgn) { return ::SelectClipRgn(m_hDC, rgn ? rgn->m_hObject : nullptr); }
    int SetMetaRgn() { return ::SetMetaRgn(m_hDC); }

    // Saved states.
    virtual int SaveDC() { return ::SaveDC(m_hDC); }
    virtual BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

    // Scrolling.
    BOOL ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                  LPRECT lpRectUpdate) {
        return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip,
                          pRgnUpdate ? pRgnUpdate->m_hObject : nullptr, lpRectUpdate);
    }

    // Block transfer.
    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, xSrc, ySrc, rop);
    }

    // Records every call made on this device context (null stops). Not an MFC member.
    void setTrace(TraceSink* sink) { SetDCTrace(m_hDC, sink); }
};
