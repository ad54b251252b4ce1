// Saved device-context states and the meta region.
#include <ploxen/platform/afx/TraceSink.h>
#include <ploxen/platform/gdi/gdi_p.h>

namespace gdi {

namespace {

template <class F> void forEachObject(SavedState& s, F f) {
    for (GdiObject* o : {s.pen, s.brush, s.font, s.bitmap, s.palette})
        if (o) f(o);
}

// Puts a saved bitmap back into its memory DC. A bitmap is in one device context at a time:
// when another DC has selected it since the save, this one keeps its current bitmap.
void reselectBitmap(DeviceContext* dc, GdiObject* saved) {
    auto* b = static_cast<BitmapObject*>(saved);
    if (!b || b == dc->bitmap || (b->selectedIn && b->selectedIn != handleOf(dc))) return;
    if (dc->bitmap && !dc->bitmap->stock)
        static_cast<BitmapObject*>(dc->bitmap)->selectedIn = nullptr;
    if (!b->stock) b->selectedIn = handleOf(dc);
    dc->bitmap = b;
    dc->surface = b->surface;
}

} // namespace

void updateClip(DeviceContext* dc) {
    dc->hasClip = dc->clipRgn || dc->metaRgn;
    if (dc->clipRgn && dc->metaRgn)
        dc->clip = *dc->clipRgn & *dc->metaRgn;
    else
        dc->clip = dc->clipRgn ? *dc->clipRgn : dc->metaRgn.value_or(QRegion());
    dc->stateChanged = true;
}

void discardSaved(DeviceContext* dc, size_t count) {
    while (dc->saved.size() > count) {
        forEachObject(dc->saved.back(), [](GdiObject* o) { --o->savedIn; });
        dc->saved.pop_back();
    }
}

} // namespace gdi

using namespace gdi;

int SaveDC(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return 0;
    if (tracing(dc)) trace(dc, "SaveDC", {});
    dc->saved.push_back({dc->pen, dc->brush, dc->font, dc->bitmap, dc->palette, dc->rop2,
                         dc->textColor, dc->bkColor, dc->bkMode, dc->pos, dc->clipRgn,
                         dc->metaRgn});
    forEachObject(dc->saved.back(), [](GdiObject* o) { ++o->savedIn; });
    return int(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return FALSE;
    const long long depth = (long long)dc->saved.size();
    const long long level = nSavedDC < 0 ? depth + nSavedDC + 1 : nSavedDC;
    if (nSavedDC == 0 || level < 1 || level > depth) return FALSE;
    if (tracing(dc)) trace(dc, "RestoreDC", {str(nSavedDC)});
    const SavedState s = dc->saved[size_t(level - 1)];
    discardSaved(dc, size_t(level - 1));
    dc->pen = s.pen, dc->brush = s.brush, dc->font = s.font, dc->palette = s.palette;
    reselectBitmap(dc, s.bitmap);
    dc->rop2 = s.rop2;
    dc->textColor = s.textColor, dc->bkColor = s.bkColor, dc->bkMode = s.bkMode;
    dc->pos = s.pos;
    dc->clipRgn = s.clipRgn, dc->metaRgn = s.metaRgn;
    updateClip(dc);
    return TRUE;
}

int SetMetaRgn(HDC hdc) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return ERROR;
    if (tracing(dc)) trace(dc, "SetMetaRgn", {});
    if (dc->clipRgn) dc->metaRgn = dc->metaRgn ? *dc->metaRgn & *dc->clipRgn : *dc->clipRgn;
    dc->clipRgn.reset();
    updateClip(dc);
    return dc->metaRgn ? regionType(*dc->metaRgn) : SIMPLEREGION;
}

int GetMetaRgn(HDC hdc, HRGN hrgn) {
    DeviceContext* dc = dcFrom(hdc);
    auto* r = objectAs<RegionObject>(hrgn, Kind::Region);
    // As GetClipRgn: 0, and the region left as it is, when the DC has no meta region.
    if (!dc || !r || !dc->metaRgn) return 0;
    r->region = *dc->metaRgn;
    return 1;
}
