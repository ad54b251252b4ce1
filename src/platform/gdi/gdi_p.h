// Internal side of the graphics device interface: what handles point at. Only the platform
// layer includes this header.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <ploxen/platform/afx/AnsiText_p.h>
#include <ploxen/platform/afx/QtApplication.h>
#include <ploxen/platform/gdi/gdi.h>

namespace gdi {

enum class Kind { Pen, Brush, Font, Region, Bitmap, Palette };

struct GdiObject {
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    Kind kind;
    bool stock = false;
    int savedIn = 0; // saved device-context states holding it: RestoreDC selects it again
};

struct PenObject : GdiObject {
    PenObject() : GdiObject(Kind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(Kind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
};

struct FontObject : GdiObject {
    FontObject() : GdiObject(Kind::Font) {}
    LOGFONTA logFont{};
    QFont font;
    // The font's metrics, made on first use: a font does not change once created, and labels
    // are measured and drawn by the thousand.
    const QFontMetrics& metrics() const {
        if (!m_metrics) m_metrics.emplace(font);
        return *m_metrics;
    }

private:
    mutable std::optional<QFontMetrics> m_metrics;
};

struct RegionObject : GdiObject {
    RegionObject() : GdiObject(Kind::Region) {}
    QRegion region;
};

struct PaletteObject : GdiObject {
    PaletteObject() : GdiObject(Kind::Palette) {}
    std::vector<PALETTEENTRY> entries;
};

struct BitmapObject;

// A drawing surface: a top-down 32-bit image and the one painter that draws on it, shared by
// every device context drawing there.
struct Surface {
    QImage image;
    std::unique_ptr<QPainter> painter;
    const void* configuredFor = nullptr; // device context whose state the painter carries
    BitmapObject* dib = nullptr;         // set when the surface mirrors a DIB section's bits
    // A window's backing image: called at the first drawing since the window last showed it,
    // so that the window shows what was drawn outside a paint.
    std::function<void()> onDraw;
    bool drawnSinceShown = false;
    // A printer page: drawing goes to the printer's painter as vectors while a document is
    // open; the image only stands for the page's size.
    QPainter* vectorPainter = nullptr;
    // A vector device whose painter ignores clip regions (SVG): lines are cut to the clip's
    // bounding rectangle before they reach it.
    bool cutsLines = false;

    QPainter* begin();
    void end();
    void beforeRead(); // loads the DIB bits the host may have written
    void beforeDraw(); // the same, and marks the bits as needing a flush
};

struct BitmapObject : GdiObject {
    BitmapObject() : GdiObject(Kind::Bitmap) {}
    ~BitmapObject() override;
    std::shared_ptr<Surface> surface;
    int bitsPixel = 32;
    // DIB section: the host-visible bits in the platform's layout, kept in step with the image.
    bool dibSection = false;
    BITMAPINFOHEADER header{};
    std::vector<RGBQUAD> colorTable;
    std::unique_ptr<unsigned char[]> bits;
    bool bitsStale = false;  // the image was drawn on since the bits were written
    bool imageStale = false; // the host may have written the bits since the image was loaded
    void loadImage();
    void flushBits();
    HDC selectedIn = nullptr;
};

// What SaveDC keeps of a device context and RestoreDC puts back.
struct SavedState {
    GdiObject *pen, *brush, *font, *bitmap, *palette;
    int rop2;
    COLORREF textColor, bkColor;
    int bkMode;
    QPoint pos;
    std::optional<QRegion> clipRgn, metaRgn;
};

struct PrintJob; // the printer behind a printer DC
struct MetaFile; // the file behind a metafile DC

struct DeviceContext {
    std::shared_ptr<Surface> surface;
    GdiObject* pen = nullptr;
    GdiObject* brush = nullptr;
    GdiObject* font = nullptr;
    GdiObject* bitmap = nullptr;
    GdiObject* palette = nullptr;
    int rop2 = R2_COPYPEN;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    QPoint pos{0, 0};
    // The clip drawing obeys: the meta region within the clip region, either absent meaning
    // everywhere (updateClip makes it).
    bool hasClip = false;
    QRegion clip;
    std::optional<QRegion> clipRgn; // selected by SelectClipRgn
    std::optional<QRegion> metaRgn; // made by SetMetaRgn
    std::vector<SavedState> saved;  // SaveDC's levels, the first is level 1
    TraceSink* trace = nullptr;
    bool stateChanged = true; // clip changed since the painter was configured
    bool memory = true;
    int pageWidth = 0, pageHeight = 0, dpi = 96; // devices without a selected bitmap
    std::shared_ptr<PrintJob> job;               // printer DCs only
    std::shared_ptr<MetaFile> metaFile;          // metafile DCs only
};

// Remakes the clip drawing obeys after its clip or meta region changed.
void updateClip(DeviceContext* dc);
// Drops the saved levels above the first count, releasing the objects they held.
void discardSaved(DeviceContext* dc, size_t count);
// NULLREGION, SIMPLEREGION or COMPLEXREGION.
inline int regionType(const QRegion& r) {
    return r.isEmpty() ? NULLREGION : (r.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION);
}

// Handle checks: null for a handle that is not a live object of the asked kind.
DeviceContext* dcFrom(HDC h);
GdiObject* objectFrom(HGDIOBJ h);
template <class T> T* objectAs(HGDIOBJ h, Kind k) {
    GdiObject* o = objectFrom(h);
    return o && o->kind == k ? static_cast<T*>(o) : nullptr;
}
HGDIOBJ handleOf(GdiObject* o);
HDC handleOf(DeviceContext* dc);
HGDIOBJ registerObject(std::unique_ptr<GdiObject> o);
HDC registerDC(std::unique_ptr<DeviceContext> dc);
void unregisterDC(HDC h);
HGDIOBJ stockObject(int index);

// A device context over an existing surface (window backing images, printers).
HDC createSurfaceDC(std::shared_ptr<Surface> surface, bool memory);

// Painter configured for a drawing call with dc's clip region and composition for rop2
// (useRop false: plain copy, for text and brush fills). Null when dc has no surface.
QPainter* painterFor(DeviceContext* dc, bool useRop);
QPen qtPen(const DeviceContext* dc);
QBrush qtBrush(const DeviceContext* dc, GdiObject* brush);
QColor qtColor(COLORREF c);
// The same colour as a pixel value, for pixels written straight into an image.
inline QRgb qtRgb(COLORREF c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}
// Coordinates are kept within +-2^28 before Qt's int arithmetic sees them: far beyond any
// surface, yet sums and differences of two of them cannot overflow.
int coord(long long v);
QRect qtRect(const RECT& r); // the pixels left..right-1, top..bottom-1

// Tracing helpers.
inline bool tracing(const DeviceContext* dc) {
    return dc && dc->trace;
}
void trace(DeviceContext* dc, const char* name, std::vector<std::string> args);
std::string describe(const GdiObject* o);
std::string hex(COLORREF c);
std::string str(long v);
std::string rectStr(const RECT& r);

// A logical font as Qt draws it: a negative height is the character (em) height in pixels, a
// positive one the cell height, 0 the default; escapement is applied when text is drawn.
QFont qtFont(const LOGFONTA& lf);
// Writes font's size, weight, style and face into lf; the other fields are left as they are.
void toLogFont(const QFont& font, LOGFONTA& lf);

// Row conversion between 32-bit image rows and the platform's bitmap rows.
void packRow(const QRgb* src, int width, unsigned char* dst, int bpp,
             const std::vector<RGBQUAD>& table);
void unpackRow(const unsigned char* src, int width, QRgb* dst, int bpp, const RGBQUAD* table,
               int tableSize);
int rowBytes(int width, int bpp);

} // namespace gdi
