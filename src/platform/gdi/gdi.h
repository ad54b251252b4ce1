// platform/gdi: device contexts, pens, brushes, fonts, bitmaps, text and the printer's device
// context, over QPainter on QImage (and QPrinter), with the platform's pixel rules; the fast
// paths draw through src/raster. CDC and CGdiObject wrap these handles as MFC does.
//
// The graphics device interface of the desktop platform: device contexts, drawing objects,
// bitmaps and the calls on them, with the platform's names, signatures and behaviour.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

struct HDC__;
struct HGDIOBJ__;
using HDC = HDC__*;
using HGDIOBJ = HGDIOBJ__*;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HRGN = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HPALETTE = HGDIOBJ;

class TraceSink;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

// Brush styles.
constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;

// Binary raster operations (SetROP2).
constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

// Ternary raster operations (BitBlt, StretchDIBits).
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_PALETTE = 15;

// GetObjectType / GetCurrentObject.
constexpr UINT OBJ_PEN = 1;
constexpr UINT OBJ_BRUSH = 2;
constexpr UINT OBJ_DC = 3;
constexpr UINT OBJ_PAL = 5;
constexpr UINT OBJ_FONT = 6;
constexpr UINT OBJ_BITMAP = 7;
constexpr UINT OBJ_REGION = 8;
constexpr UINT OBJ_MEMDC = 10;

// Region results.
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
// CombineRgn modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
#define HGDI_ERROR (reinterpret_cast<HGDIOBJ>(~std::uintptr_t(0)))

// GetDeviceCaps.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;
constexpr int RC_BITBLT = 1;
constexpr int RC_PALETTE = 0x0100;
constexpr int RC_STRETCHDIB = 0x2000;

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;

// ExtTextOut options.
constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

// Font weights, pitch and family, character sets.
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;
constexpr BYTE FF_SCRIPT = 0x40;
constexpr BYTE FF_DECORATIVE = 0x50;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Device contexts.
AFX_EXT_API HDC CreateCompatibleDC(HDC hdc);
AFX_EXT_API BOOL DeleteDC(HDC hdc);
AFX_EXT_API int GetDeviceCaps(HDC hdc, int index);
AFX_EXT_API HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
AFX_EXT_API HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
AFX_EXT_API BOOL GdiFlush();

// Objects.
AFX_EXT_API HPEN CreatePen(int style, int width, COLORREF color);
AFX_EXT_API HBRUSH CreateSolidBrush(COLORREF color);
AFX_EXT_API HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                              DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                              DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                              DWORD pitchAndFamily, LPCSTR faceName);
AFX_EXT_API HFONT CreateFontIndirectA(const LOGFONTA* lf);
AFX_EXT_API HRGN CreateRectRgn(int left, int top, int right, int bottom);
AFX_EXT_API HRGN CreateRectRgnIndirect(const RECT* rect);
AFX_EXT_API HPALETTE CreatePalette(const LOGPALETTE* pal);
AFX_EXT_API HGDIOBJ GetStockObject(int index);
AFX_EXT_API BOOL DeleteObject(HGDIOBJ h);
AFX_EXT_API UINT GetObjectType(HGDIOBJ h);
AFX_EXT_API int GetObjectA(HGDIOBJ h, int size, LPVOID out); // LOGFONTA for fonts
AFX_EXT_API int GetRgnBox(HRGN rgn, LPRECT rect);
// dest = src1 combined with src2 by mode (src2 unused for RGN_COPY); any may be the same region.
AFX_EXT_API int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);

// Attributes.
AFX_EXT_API int SetROP2(HDC hdc, int rop);
AFX_EXT_API int GetROP2(HDC hdc);
AFX_EXT_API COLORREF SetTextColor(HDC hdc, COLORREF color);
AFX_EXT_API COLORREF GetTextColor(HDC hdc);
AFX_EXT_API COLORREF SetBkColor(HDC hdc, COLORREF color);
AFX_EXT_API COLORREF GetBkColor(HDC hdc);
AFX_EXT_API int SetBkMode(HDC hdc, int mode);
AFX_EXT_API int GetBkMode(HDC hdc);

// Lines and shapes.
AFX_EXT_API BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous);
AFX_EXT_API BOOL LineTo(HDC hdc, int x, int y);
AFX_EXT_API BOOL GetCurrentPositionEx(HDC hdc, LPPOINT pos);
AFX_EXT_API BOOL Polyline(HDC hdc, const POINT* points, int count);
AFX_EXT_API BOOL Polygon(HDC hdc, const POINT* points, int count);
AFX_EXT_API BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
AFX_EXT_API BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
AFX_EXT_API BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart,
                     int xEnd, int yEnd);
AFX_EXT_API int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
AFX_EXT_API int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
AFX_EXT_API COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
AFX_EXT_API COLORREF GetPixel(HDC hdc, int x, int y);

// Text.
AFX_EXT_API BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length);
AFX_EXT_API BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                             UINT length, const INT* dx);
AFX_EXT_API int DrawTextA(HDC hdc, LPCSTR text, int length, LPRECT rect, UINT format);
AFX_EXT_API BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size);
AFX_EXT_API BOOL GetTextMetricsA(HDC hdc, LPTEXTMETRICA tm);

// Clipping.
AFX_EXT_API int GetClipBox(HDC hdc, LPRECT rect);
AFX_EXT_API int SelectClipRgn(HDC hdc, HRGN rgn);
// The meta region: drawing is clipped to it and, within it, to the clip region.
AFX_EXT_API int SetMetaRgn(HDC hdc);
AFX_EXT_API int GetMetaRgn(HDC hdc, HRGN hrgn);

// Saved states: objects, colours, modes, position, clip and meta regions.
AFX_EXT_API int SaveDC(HDC hdc);
AFX_EXT_API BOOL RestoreDC(HDC hdc, int nSavedDC);

// Moves the surface's pixels in place; fails on printers and metafiles, which keep none.
AFX_EXT_API BOOL ScrollDC(HDC hDC, int dx, int dy, const RECT* lprcScroll, const RECT* lprcClip,
                          HRGN hrgnUpdate, LPRECT lprcUpdate);

// Bitmaps.
AFX_EXT_API HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
AFX_EXT_API HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                                     HANDLE section, DWORD offset);
AFX_EXT_API BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
                        DWORD rop);
AFX_EXT_API int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight,
                              int xSrc, int ySrc, int srcWidth, int srcHeight, const void* bits,
                              const BITMAPINFO* info, UINT usage, DWORD rop);
AFX_EXT_API int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits,
                          LPBITMAPINFO info, UINT usage);
AFX_EXT_API UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors);

// Printer DCs. A printer DC draws on an image of the printable area (150 dots per inch) that
// EndPage sends to the printer. CreateDC takes the printer's name (null or empty: the default
// printer); StartDoc with lpszOutput set writes the document to that file as PDF instead.
struct DOCINFOA {
    int cbSize;
    LPCSTR lpszDocName;
    LPCSTR lpszOutput;
    LPCSTR lpszDatatype;
    DWORD fwType;
};
using DOCINFO = DOCINFOA;
constexpr int SP_ERROR = -1;

// A printer's settings for CreateDC. The printer DC reads dmOrientation when dmFields has
// DM_ORIENTATION and ignores the other fields.
constexpr int CCHDEVICENAME = 32;
constexpr int CCHFORMNAME = 32;
constexpr DWORD DM_ORIENTATION = 0x00000001;
constexpr short DMORIENT_PORTRAIT = 1;
constexpr short DMORIENT_LANDSCAPE = 2;
struct DEVMODEA {
    BYTE dmDeviceName[CCHDEVICENAME];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    short dmOrientation;
    short dmPaperSize;
    short dmPaperLength;
    short dmPaperWidth;
    short dmScale;
    short dmCopies;
    short dmDefaultSource;
    short dmPrintQuality;
    short dmColor;
    short dmDuplex;
    short dmYResolution;
    short dmTTOption;
    short dmCollate;
    BYTE dmFormName[CCHFORMNAME];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFlags;
    DWORD dmDisplayFrequency;
};
using DEVMODE = DEVMODEA;
AFX_EXT_API HDC CreateDCA(LPCSTR pwszDriver, LPCSTR pwszDevice, LPCSTR pszPort,
                          const DEVMODEA* pdm);
#define CreateDC CreateDCA
AFX_EXT_API int StartDocA(HDC hdc, const DOCINFOA* lpdi);
#define StartDoc StartDocA
AFX_EXT_API int StartPage(HDC hdc);
AFX_EXT_API int EndPage(HDC hdc);
AFX_EXT_API int EndDoc(HDC hdc);
AFX_EXT_API int AbortDoc(HDC hdc);

// Enhanced metafiles: a device context that records vector drawing, text as text. lprc is the
// picture's frame in .01 mm (null: the reference device's size), measured at the reference
// device's resolution (null: the screen's). Departure: the file is written as SVG, which every
// drawing program and browser reads, not as EMF; lpDesc's picture title becomes its title.
struct HENHMETAFILE__;
using HENHMETAFILE = HENHMETAFILE__*;
AFX_EXT_API HDC CreateEnhMetaFileA(HDC hdc, LPCSTR lpFilename, const RECT* lprc, LPCSTR lpDesc);
#define CreateEnhMetaFile CreateEnhMetaFileA
// Ends the recording and completes the file; null when it could not be written.
AFX_EXT_API HENHMETAFILE CloseEnhMetaFile(HDC hdc);
AFX_EXT_API BOOL DeleteEnhMetaFile(HENHMETAFILE hmf);

// Palettes: the surfaces are true colour, so palettes are kept but change no pixel.
AFX_EXT_API HPALETTE SelectPalette(HDC hdc, HPALETTE pal, BOOL forceBackground);
AFX_EXT_API UINT RealizePalette(HDC hdc);

// Records every call made on hdc into sink (null stops recording). Not a platform call.
AFX_EXT_API void SetDCTrace(HDC hdc, TraceSink* sink);
AFX_EXT_API TraceSink* GetDCTrace(HDC hdc);
