// Device contexts, surfaces and their attributes.
#include <ploxen/platform/afx/TraceSink.h>
#include <ploxen/platform/gdi/gdi_p.h>

namespace gdi {

QPainter* Surface::begin() {
    if (vectorPainter) return vectorPainter->isActive() ? vectorPainter : nullptr;
    if (!painter) {
        painter = std::make_unique<QPainter>(&image);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setRenderHint(QPainter::TextAntialiasing, false);
        configuredFor = nullptr;
    }
    return painter.get();
}

void Surface::end() {
    painter.reset();
    configuredFor = nullptr;
}

void Surface::beforeRead() {
    if (dib && dib->imageStale) dib->loadImage();
}

void Surface::beforeDraw() {
    beforeRead();
    if (dib) dib->bitsStale = true;
    if (onDraw && !drawnSinceShown) {
        drawnSinceShown = true;
        onDraw();
    }
}

namespace {

QPainter::CompositionMode ropMode(int rop) {
    switch (rop) {
    case R2_NOTMERGEPEN:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN:
        return QPainter::RasterOp_NotSourceAndDestination;
    case R2_NOTCOPYPEN:
        return QPainter::RasterOp_NotSource;
    case R2_MASKPENNOT:
        return QPainter::RasterOp_SourceAndNotDestination;
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTMASKPEN:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2_MASKPEN:
        return QPainter::RasterOp_SourceAndDestination;
    case R2_NOTXORPEN:
        return QPainter::RasterOp_NotSourceXorDestination;
    case R2_MERGENOTPEN:
        return QPainter::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT:
        return QPainter::RasterOp_SourceOrNotDestination;
    case R2_MERGEPEN:
        return QPainter::RasterOp_SourceOrDestination;
    default:
        return QPainter::CompositionMode_Source; // copy, black, white (colour forced)
    }
}

HBITMAP defaultBitmap() {
    static HBITMAP h = [] {
        auto b = std::make_unique<BitmapObject>();
        b->stock = true;
        b->bitsPixel = 1;
        b->surface = std::make_shared<Surface>();
        b->surface->image = QImage(1, 1, QImage::Format_RGB32);
        b->surface->image.fill(Qt::black);
        return registerObject(std::move(b));
    }();
    return h;
}

} // namespace

QPainter* painterFor(DeviceContext* dc, bool useRop) {
    if (!dc->surface || (useRop && dc->rop2 == R2_NOP)) return nullptr;
    Surface* s = dc->surface.get();
    s->beforeDraw();
    QPainter* p = s->begin();
    if (!p) return nullptr;
    if (s->configuredFor != dc || dc->stateChanged) {
        if (dc->hasClip)
            p->setClipRegion(dc->clip);
        else
            p->setClipping(false);
        s->configuredFor = dc;
        dc->stateChanged = false;
    }
    // Paper has no raster operations: everything is drawn over what is there.
    if (!s->vectorPainter)
        p->setCompositionMode(useRop ? ropMode(dc->rop2) : QPainter::CompositionMode_Source);
    return p;
}

HDC createSurfaceDC(std::shared_ptr<Surface> surface, bool memory) {
    ensureQtApplication();
    auto dc = std::make_unique<DeviceContext>();
    dc->pen = objectFrom(stockObject(BLACK_PEN));
    dc->brush = objectFrom(stockObject(WHITE_BRUSH));
    dc->font = objectFrom(stockObject(SYSTEM_FONT));
    dc->palette = objectFrom(stockObject(DEFAULT_PALETTE));
    dc->surface = std::move(surface);
    dc->memory = memory;
    return registerDC(std::move(dc));
}

} // namespace gdi

using namespace gdi;

HDC CreateCompatibleDC(HDC) {
    HBITMAP bm = defaultBitmap();
    auto* b = objectAs<BitmapObject>(bm, Kind::Bitmap);
    HDC h = createSurfaceDC(b->surface, true);
    dcFrom(h)->bitmap = b;
    return h;
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return FALSE;
    if (dc->bitmap && !dc->bitmap->stock)
        static_cast<BitmapObject*>(dc->bitmap)->selectedIn = nullptr;
    if (dc->surface && dc->surface->configuredFor == dc) dc->surface->configuredFor = nullptr;
    discardSaved(dc, 0);
    unregisterDC(hdc);
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return 0;
    int w = dc->pageWidth, h = dc->pageHeight;
    if (!w && dc->surface) w = dc->surface->image.width(), h = dc->surface->image.height();
    switch (index) {
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case HORZRES:
    case PHYSICALWIDTH:
        return w;
    case VERTRES:
    case PHYSICALHEIGHT:
        return h;
    case HORZSIZE:
        return int(w * 25.4 / dc->dpi);
    case VERTSIZE:
        return int(h * 25.4 / dc->dpi);
    case LOGPIXELSX:
    case LOGPIXELSY:
        return dc->dpi;
    case NUMCOLORS:
        return -1;
    case SIZEPALETTE:
        return 0;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHDIB;
    default:
        return 0;
    }
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = dcFrom(hdc);
    GdiObject* o = objectFrom(h);
    if (!dc || !o) return nullptr;
    if (tracing(dc)) trace(dc, "SelectObject", {describe(o)});
    GdiObject* previous = nullptr;
    switch (o->kind) {
    case Kind::Pen:
        previous = dc->pen, dc->pen = o;
        break;
    case Kind::Brush:
        previous = dc->brush, dc->brush = o;
        break;
    case Kind::Font:
        previous = dc->font, dc->font = o;
        break;
    case Kind::Region: {
        int type = SelectClipRgn(hdc, h);
        return reinterpret_cast<HGDIOBJ>(std::uintptr_t(type));
    }
    case Kind::Bitmap: {
        auto* b = static_cast<BitmapObject*>(o);
        if (!dc->memory || (b->selectedIn && b->selectedIn != hdc)) return nullptr;
        if (dc->bitmap && !dc->bitmap->stock)
            static_cast<BitmapObject*>(dc->bitmap)->selectedIn = nullptr;
        if (!b->stock) b->selectedIn = hdc;
        previous = dc->bitmap, dc->bitmap = b;
        dc->surface = b->surface;
        dc->stateChanged = true;
        break;
    }
    case Kind::Palette:
        return nullptr; // palettes go through SelectPalette
    }
    return handleOf(previous);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN:
        return handleOf(dc->pen);
    case OBJ_BRUSH:
        return handleOf(dc->brush);
    case OBJ_FONT:
        return handleOf(dc->font);
    case OBJ_BITMAP:
        return handleOf(dc->bitmap);
    case OBJ_PAL:
        return handleOf(dc->palette);
    default:
        return nullptr;
    }
}

int SetROP2(HDC hdc, int rop) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || rop < R2_BLACK || rop > R2_WHITE) return 0;
    if (tracing(dc)) trace(dc, "SetROP2", {str(rop)});
    int previous = dc->rop2;
    dc->rop2 = rop;
    return previous;
}

int GetROP2(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    return dc ? dc->rop2 : 0;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return CLR_INVALID;
    if (tracing(dc)) trace(dc, "SetTextColor", {hex(color)});
    COLORREF previous = dc->textColor;
    dc->textColor = color & 0xffffff;
    return previous;
}

COLORREF GetTextColor(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return CLR_INVALID;
    if (tracing(dc)) trace(dc, "SetBkColor", {hex(color)});
    COLORREF previous = dc->bkColor;
    dc->bkColor = color & 0xffffff;
    return previous;
}

COLORREF GetBkColor(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    if (tracing(dc)) trace(dc, "SetBkMode", {str(mode)});
    int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    return dc ? dc->bkMode : 0;
}

int GetClipBox(HDC hdc, LPRECT rect) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !rect) return ERROR;
    QRect area =
        dc->surface ? dc->surface->image.rect() : QRect(0, 0, dc->pageWidth, dc->pageHeight);
    QRegion visible = dc->hasClip ? dc->clip.intersected(area) : QRegion(area);
    QRect b = visible.boundingRect();
    *rect = visible.isEmpty() ? RECT{0, 0, 0, 0}
                              : RECT{b.left(), b.top(), b.right() + 1, b.bottom() + 1};
    if (tracing(dc)) trace(dc, "GetClipBox", {rectStr(*rect)});
    return visible.isEmpty() ? NULLREGION
                             : (visible.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION);
}

int SelectClipRgn(HDC hdc, HRGN rgn) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return ERROR;
    auto* r = objectAs<RegionObject>(rgn, Kind::Region);
    if (rgn && !r) return ERROR;
    if (tracing(dc)) trace(dc, "SelectClipRgn", {describe(r)});
    // The meta region stays: a clip region can only narrow it.
    if (r)
        dc->clipRgn = r->region;
    else
        dc->clipRgn.reset();
    updateClip(dc);
    return dc->hasClip ? regionType(dc->clip) : SIMPLEREGION;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE pal, BOOL) {
    DeviceContext* dc = dcFrom(hdc);
    GdiObject* p = objectAs<PaletteObject>(pal, Kind::Palette);
    if (!dc || !p) return nullptr;
    if (tracing(dc)) trace(dc, "SelectPalette", {describe(p)});
    GdiObject* previous = dc->palette;
    dc->palette = p;
    return handleOf(previous);
}

UINT RealizePalette(HDC hdc) {
    return dcFrom(hdc) ? 0 : UINT(-1);
}

void SetDCTrace(HDC hdc, TraceSink* sink) {
    if (DeviceContext* dc = dcFrom(hdc)) dc->trace = sink;
}

TraceSink* GetDCTrace(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    return dc ? dc->trace : nullptr;
}
