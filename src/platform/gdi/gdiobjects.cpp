// Handles, stock objects, object creation and deletion, and the trace helpers.
#include <QFontMetrics>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include <ploxen/platform/afx/QtApplication.h>
#include <ploxen/platform/afx/TraceSink.h>
#include <ploxen/platform/gdi/gdi_p.h>

namespace gdi {
namespace {

std::unordered_map<const void*, std::unique_ptr<GdiObject>>& objects() {
    static auto* map = new std::unordered_map<const void*, std::unique_ptr<GdiObject>>;
    return *map;
}
std::unordered_map<const void*, std::unique_ptr<DeviceContext>>& dcs() {
    static auto* map = new std::unordered_map<const void*, std::unique_ptr<DeviceContext>>;
    return *map;
}

} // namespace

QFont qtFont(const LOGFONTA& lf) {
    ensureQtApplication();
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, lf.lfFaceName, LF_FACESIZE);
    QFont f;
    if (face[0]) f.setFamilies({qstr(face)});
    switch (lf.lfPitchAndFamily & 0xf0) {
    case FF_ROMAN:
        f.setStyleHint(QFont::Serif);
        break;
    case FF_MODERN:
        f.setStyleHint(QFont::Monospace);
        break;
    default:
        f.setStyleHint(QFont::SansSerif);
        break;
    }
    // Like the platform's text output: no kerning or ligatures, which Latin text does not
    // need (complex scripts are still shaped); it also spares the first text of a process the
    // loading of the font's layout tables.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setWeight(QFont::Weight(lf.lfWeight > 0 ? std::min<int>(lf.lfWeight, 1000) : FW_NORMAL));
    f.setItalic(lf.lfItalic);
    f.setUnderline(lf.lfUnderline);
    f.setStrikeOut(lf.lfStrikeOut);
    // Negative height: character height (the em); positive: cell height; 0: the default.
    int px = 12;
    if (lf.lfHeight < 0) {
        px = -lf.lfHeight;
    } else if (lf.lfHeight > 0) {
        QFont probe = f;
        probe.setPixelSize(100);
        int cell = QFontMetrics(probe).height();
        px = std::max(1, int(lf.lfHeight * 100.0 / std::max(cell, 1) + 0.5));
    }
    f.setPixelSize(std::max(px, 1));
    return f;
}

void toLogFont(const QFont& font, LOGFONTA& lf) {
    // The inverse of qtFont: a point size becomes the pixel height at the logical resolution
    // device contexts report (96 dots per inch), as a negative (character) height.
    int px = font.pixelSize();
    if (px <= 0) px = std::max(1, int(font.pointSizeF() * 96.0 / 72.0 + 0.5));
    lf.lfHeight = -px;
    lf.lfWidth = 0;
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic();
    lf.lfUnderline = font.underline();
    lf.lfStrikeOut = font.strikeOut();
    std::memset(lf.lfFaceName, 0, LF_FACESIZE);
    copyText(font.family(), lf.lfFaceName, LF_FACESIZE);
}

DeviceContext* dcFrom(HDC h) {
    if (!h) return nullptr;
    auto it = dcs().find(h);
    return it == dcs().end() ? nullptr : it->second.get();
}

GdiObject* objectFrom(HGDIOBJ h) {
    if (!h) return nullptr;
    auto it = objects().find(h);
    return it == objects().end() ? nullptr : it->second.get();
}

HGDIOBJ handleOf(GdiObject* o) {
    return reinterpret_cast<HGDIOBJ>(o);
}
HDC handleOf(DeviceContext* dc) {
    return reinterpret_cast<HDC>(dc);
}

HGDIOBJ registerObject(std::unique_ptr<GdiObject> o) {
    HGDIOBJ h = handleOf(o.get());
    objects()[h] = std::move(o);
    return h;
}

HDC registerDC(std::unique_ptr<DeviceContext> dc) {
    HDC h = handleOf(dc.get());
    dcs()[h] = std::move(dc);
    return h;
}

void unregisterDC(HDC h) {
    dcs().erase(h);
}

HGDIOBJ stockObject(int index) {
    static std::unordered_map<int, HGDIOBJ> stock;
    auto it = stock.find(index);
    if (it != stock.end()) return it->second;
    std::unique_ptr<GdiObject> o;
    auto brush = [](UINT style, COLORREF c) {
        auto b = std::make_unique<BrushObject>();
        b->style = style, b->color = c;
        return b;
    };
    auto pen = [](int style, COLORREF c) {
        auto p = std::make_unique<PenObject>();
        p->style = style, p->color = c;
        return p;
    };
    switch (index) {
    case WHITE_BRUSH:
        o = brush(BS_SOLID, RGB(255, 255, 255));
        break;
    case LTGRAY_BRUSH:
        o = brush(BS_SOLID, RGB(192, 192, 192));
        break;
    case GRAY_BRUSH:
        o = brush(BS_SOLID, RGB(128, 128, 128));
        break;
    case DKGRAY_BRUSH:
        o = brush(BS_SOLID, RGB(64, 64, 64));
        break;
    case BLACK_BRUSH:
        o = brush(BS_SOLID, RGB(0, 0, 0));
        break;
    case NULL_BRUSH:
        o = brush(BS_NULL, 0);
        break;
    case WHITE_PEN:
        o = pen(PS_SOLID, RGB(255, 255, 255));
        break;
    case BLACK_PEN:
        o = pen(PS_SOLID, RGB(0, 0, 0));
        break;
    case NULL_PEN:
        o = pen(PS_NULL, 0);
        break;
    case SYSTEM_FONT: {
        auto f = std::make_unique<FontObject>();
        f->logFont.lfHeight = 16;
        f->logFont.lfWeight = FW_BOLD;
        f->logFont.lfPitchAndFamily = FF_SWISS;
        std::strcpy(f->logFont.lfFaceName, "System");
        f->font = qtFont(f->logFont);
        o = std::move(f);
        break;
    }
    case DEFAULT_PALETTE: {
        auto p = std::make_unique<PaletteObject>();
        for (int i = 0; i < 20; ++i) p->entries.push_back({0, 0, 0, 0});
        o = std::move(p);
        break;
    }
    default:
        return nullptr;
    }
    o->stock = true;
    HGDIOBJ h = registerObject(std::move(o));
    stock[index] = h;
    return h;
}

void trace(DeviceContext* dc, const char* name, std::vector<std::string> args) {
    dc->trace->record(name, std::move(args));
}

std::string str(long v) {
    return std::to_string(v);
}

std::string hex(COLORREF c) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "RGB(%u,%u,%u)", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

std::string rectStr(const RECT& r) {
    return str(r.left) + "," + str(r.top) + "," + str(r.right) + "," + str(r.bottom);
}

std::string describe(const GdiObject* o) {
    if (!o) return "null";
    char buf[320];
    switch (o->kind) {
    case Kind::Pen: {
        auto* p = static_cast<const PenObject*>(o);
        return "pen(" + str(p->style) + "," + str(p->width) + "," + hex(p->color) + ")";
    }
    case Kind::Brush: {
        auto* b = static_cast<const BrushObject*>(o);
        return b->style == BS_NULL ? "brush(null)" : "brush(" + hex(b->color) + ")";
    }
    case Kind::Font: {
        const LOGFONTA& f = static_cast<const FontObject*>(o)->logFont;
        std::snprintf(buf, sizeof buf, "font(%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%.32s)",
                      f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight,
                      f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision,
                      f.lfClipPrecision, f.lfQuality, f.lfPitchAndFamily, f.lfFaceName);
        return buf;
    }
    case Kind::Region: {
        QRect r = static_cast<const RegionObject*>(o)->region.boundingRect();
        return "rgn(" + str(r.left()) + "," + str(r.top()) + "," + str(r.right() + 1) + "," +
               str(r.bottom() + 1) + ")";
    }
    case Kind::Bitmap: {
        auto* b = static_cast<const BitmapObject*>(o);
        QSize s = b->surface ? b->surface->image.size() : QSize(1, 1);
        return "bitmap(" + str(s.width()) + "," + str(s.height()) + "," + str(b->bitsPixel) + ")";
    }
    case Kind::Palette:
        return "palette(" + str(long(static_cast<const PaletteObject*>(o)->entries.size())) + ")";
    }
    return "?";
}

QColor qtColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

int coord(long long v) {
    constexpr long long limit = 1LL << 28;
    return int(std::clamp(v, -limit, limit));
}

QRect qtRect(const RECT& r) {
    const int l = coord(r.left), t = coord(r.top);
    return QRect(l, t, coord(r.right) - l, coord(r.bottom) - t);
}

} // namespace gdi

using namespace gdi;

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return nullptr;
    auto p = std::make_unique<PenObject>();
    p->style = style, p->width = width < 0 ? 0 : width, p->color = color;
    return registerObject(std::move(p));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto b = std::make_unique<BrushObject>();
    b->color = color;
    return registerObject(std::move(b));
}

HFONT CreateFontIndirectA(const LOGFONTA* lf) {
    if (!lf) return nullptr;
    auto f = std::make_unique<FontObject>();
    f->logFont = *lf;
    f->font = qtFont(f->logFont);
    return registerObject(std::move(f));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA lf{height,
                width,
                escapement,
                orientation,
                weight,
                BYTE(italic),
                BYTE(underline),
                BYTE(strikeOut),
                BYTE(charSet),
                BYTE(outPrecision),
                BYTE(clipPrecision),
                BYTE(quality),
                BYTE(pitchAndFamily),
                {}};
    if (faceName) std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    auto r = std::make_unique<RegionObject>();
    QRect q = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                    QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
    if (q.isValid()) r->region = QRegion(q);
    return registerObject(std::move(r));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HPALETTE CreatePalette(const LOGPALETTE* pal) {
    if (!pal || pal->palNumEntries == 0) return nullptr;
    auto p = std::make_unique<PaletteObject>();
    p->entries.assign(pal->palPalEntry, pal->palPalEntry + pal->palNumEntries);
    return registerObject(std::move(p));
}

HGDIOBJ GetStockObject(int index) {
    return stockObject(index);
}

BOOL DeleteObject(HGDIOBJ h) {
    GdiObject* o = objectFrom(h);
    if (!o) return FALSE;
    if (o->stock) return TRUE;
    // A bitmap selected into a device context stays, and so does any object a saved state
    // holds, which RestoreDC will select again.
    if (o->savedIn || (o->kind == Kind::Bitmap && static_cast<BitmapObject*>(o)->selectedIn))
        return FALSE;
    objects().erase(h);
    return TRUE;
}

UINT GetObjectType(HGDIOBJ h) {
    GdiObject* o = objectFrom(h);
    if (!o) return dcFrom(reinterpret_cast<HDC>(h)) ? OBJ_MEMDC : 0;
    switch (o->kind) {
    case Kind::Pen:
        return OBJ_PEN;
    case Kind::Brush:
        return OBJ_BRUSH;
    case Kind::Font:
        return OBJ_FONT;
    case Kind::Region:
        return OBJ_REGION;
    case Kind::Bitmap:
        return OBJ_BITMAP;
    case Kind::Palette:
        return OBJ_PAL;
    }
    return 0;
}

int GetObjectA(HGDIOBJ h, int size, LPVOID out) {
    auto* f = objectAs<FontObject>(h, Kind::Font);
    if (!f) return 0;
    if (!out) return int(sizeof(LOGFONTA));
    int n = std::min<int>(size, sizeof(LOGFONTA));
    std::memcpy(out, &f->logFont, size_t(std::max(n, 0)));
    return n;
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    auto* d = objectAs<RegionObject>(dest, Kind::Region);
    auto* a = objectAs<RegionObject>(src1, Kind::Region);
    auto* b = objectAs<RegionObject>(src2, Kind::Region);
    if (!d || !a || (mode != RGN_COPY && !b)) return ERROR;
    switch (mode) {
    case RGN_AND:
        d->region = a->region.intersected(b->region);
        break;
    case RGN_OR:
        d->region = a->region.united(b->region);
        break;
    case RGN_XOR:
        d->region = a->region.xored(b->region);
        break;
    case RGN_DIFF:
        d->region = a->region.subtracted(b->region);
        break;
    case RGN_COPY:
        d->region = a->region;
        break;
    default:
        return ERROR;
    }
    return d->region.isEmpty() ? NULLREGION
                               : (d->region.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION);
}

int GetRgnBox(HRGN rgn, LPRECT rect) {
    auto* r = objectAs<RegionObject>(rgn, Kind::Region);
    if (!r || !rect) return ERROR;
    QRect b = r->region.boundingRect();
    *rect = r->region.isEmpty() ? RECT{0, 0, 0, 0}
                                : RECT{b.left(), b.top(), b.right() + 1, b.bottom() + 1};
    return r->region.isEmpty() ? NULLREGION
                               : (r->region.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION);
}
