// MFC's wrappers of drawing objects: CGdiObject and its pen, brush, font, region, bitmap and
// palette classes. A wrapper deletes the object it holds when destroyed.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/gdi.h>

class CDC;

class AFX_EXT_CLASS CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ h);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    int GetObject(int size, void* out) const { return GetObjectA(m_hObject, size, out); }

    // The wrapper of a handle: the permanent one that holds it, or a temporary one.
    static CGdiObject* FromHandle(HGDIOBJ h);

protected:
    template <class T> static T* fromHandleAs(HGDIOBJ h);
};

class AFX_EXT_CLASS CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color) {
        return Attach(::CreatePen(style, width, color));
    }
    static CPen* FromHandle(HPEN h);
};

class AFX_EXT_CLASS CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    static CBrush* FromHandle(HBRUSH h);
};

class AFX_EXT_CLASS CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTA* lf) { return Attach(::CreateFontIndirectA(lf)); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCSTR faceName) {
        return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic,
                                    underline, strikeOut, charSet, outPrecision, clipPrecision,
                                    quality, pitchAndFamily, faceName));
    }
    int GetLogFont(LOGFONTA* lf) const { return GetObject(sizeof(LOGFONTA), lf); }
    static CFont* FromHandle(HFONT h);
};

class AFX_EXT_CLASS CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
    BOOL CreateRectRgnIndirect(const RECT* r) { return Attach(::CreateRectRgnIndirect(r)); }
    int GetRgnBox(LPRECT r) const { return ::GetRgnBox(m_hObject, r); }
    int CombineRgn(CRgn* src1, CRgn* src2, int mode) {
        return ::CombineRgn(static_cast<HRGN>(m_hObject),
                            src1 ? static_cast<HRGN>(src1->m_hObject) : nullptr,
                            src2 ? static_cast<HRGN>(src2->m_hObject) : nullptr, mode);
    }
    static CRgn* FromHandle(HRGN h);
};

class AFX_EXT_CLASS CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    static CBitmap* FromHandle(HBITMAP h);
};

class AFX_EXT_CLASS CPalette : public CGdiObject {
public:
    BOOL CreatePalette(const LOGPALETTE* pal) { return Attach(::CreatePalette(pal)); }
    static CPalette* FromHandle(HPALETTE h);
};
