// Text output and measurement, in the font selected into the device context.
#include <QFontInfo>
#include <QFontMetrics>
#include <cstring>

#include <ploxen/platform/afx/TraceSink.h>
#include <ploxen/platform/gdi/gdi_p.h>

using namespace gdi;

namespace {

const FontObject* fontOf(const DeviceContext* dc) {
    return static_cast<const FontObject*>(dc->font);
}

// Text with its top-left corner at (x, y), turned by the font's escapement; an opaque
// background fills the text's cell first. clip, when given, limits the drawing.
void drawText(DeviceContext* dc, int x, int y, const QString& s, const QRect* clip) {
    QPainter* p = painterFor(dc, false);
    if (!p || s.isEmpty()) return;
    const FontObject* f = fontOf(dc);
    const QFontMetrics& fm = f->metrics();
    if (dc->surface->vectorPainter) {
        // A file names the face that draws, which its reader may have, not the asked one.
        QFont drawn = f->font;
        drawn.setFamily(QFontInfo(f->font).family());
        p->setFont(drawn);
    } else {
        p->setFont(f->font);
    }
    p->setPen(qtColor(dc->textColor));
    if (!clip && !f->logFont.lfEscapement) {
        // The common case, without the cost of saving and restoring the painter's state. Text
        // that cannot reach the visible part of the surface is not laid out at all; its box is
        // bounded by the widest glyph, with a line's height of room for overhanging glyphs.
        const QRect visible = dc->hasClip ? dc->clip.boundingRect() & dc->surface->image.rect()
                                          : dc->surface->image.rect();
        const long long room = fm.height(), right = x + (long long)fm.maxWidth() * s.size();
        if (x - room > visible.right() || right + room < visible.left() ||
            y - room > visible.bottom() || y + 2 * room < visible.top())
            return;
        if (dc->bkMode == OPAQUE)
            p->fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), qtColor(dc->bkColor));
        p->drawText(x, y + fm.ascent(), s);
        return;
    }
    p->save();
    if (clip) p->setClipRect(*clip, p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p->translate(x, y);
    if (f->logFont.lfEscapement) p->rotate(-f->logFont.lfEscapement / 10.0);
    if (dc->bkMode == OPAQUE)
        p->fillRect(QRect(0, 0, fm.horizontalAdvance(s), fm.height()), qtColor(dc->bkColor));
    p->drawText(0, fm.ascent(), s);
    p->restore();
}

} // namespace

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || length < 0 || (length > 0 && !text)) return FALSE;
    QString s = qstr(text, length);
    if (tracing(dc)) trace(dc, "TextOut", {str(x), str(y), bytes(s)});
    drawText(dc, x, y, s, nullptr);
    return TRUE;
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                 const INT*) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || (length > 0 && !text)) return FALSE;
    QString s = qstr(text, int(length));
    if (tracing(dc))
        trace(dc, "ExtTextOut",
              {str(x), str(y), str(long(options)), rect ? rectStr(*rect) : "null", bytes(s)});
    if (rect && (options & ETO_OPAQUE) && rect->right > rect->left && rect->bottom > rect->top) {
        if (QPainter* p = painterFor(dc, false)) p->fillRect(qtRect(*rect), qtColor(dc->bkColor));
    }
    QRect clip = rect ? qtRect(*rect) : QRect();
    drawText(dc, x, y, s, rect && (options & ETO_CLIPPED) ? &clip : nullptr);
    return TRUE;
}

int DrawTextA(HDC hdc, LPCSTR text, int length, LPRECT rect, UINT format) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !rect || !text) return 0;
    if (length < 0) length = int(std::strlen(text));
    QString s = qstr(text, length);
    if (tracing(dc)) trace(dc, "DrawText", {bytes(s), rectStr(*rect), str(long(format))});
    const QFontMetrics& fm = fontOf(dc)->metrics();
    QStringList lines = (format & DT_SINGLELINE) ? QStringList{s} : s.split('\n');
    int h = fm.height(), total = h * int(lines.size()), widest = 0;
    for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }
    int top = rect->top;
    // Vertical centring and bottom alignment apply to single-line text only.
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = rect->top + (rect->bottom - rect->top - h) / 2;
        else if (format & DT_BOTTOM)
            top = rect->bottom - h;
    }
    QRect clip = qtRect(*rect);
    for (int i = 0; i < lines.size(); ++i) {
        int w = fm.horizontalAdvance(lines[i]);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (rect->right - rect->left - w) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - w;
        drawText(dc, x, top + i * h, lines[i], (format & DT_NOCLIP) ? nullptr : &clip);
    }
    return total;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !size || length < 0 || (length > 0 && !text)) return FALSE;
    QString s = qstr(text, length);
    const QFontMetrics& fm = fontOf(dc)->metrics();
    size->cx = fm.horizontalAdvance(s);
    size->cy = fm.height();
    if (tracing(dc)) trace(dc, "GetTextExtentPoint32A", {bytes(s), str(size->cx), str(size->cy)});
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, LPTEXTMETRICA tm) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !tm) return FALSE;
    const FontObject* f = fontOf(dc);
    const QFontMetrics& fm = f->metrics();
    *tm = TEXTMETRICA{};
    tm->tmHeight = fm.height();
    tm->tmAscent = fm.ascent();
    tm->tmDescent = fm.descent();
    tm->tmInternalLeading = std::max(0, fm.height() - f->font.pixelSize());
    tm->tmExternalLeading = std::max(0, fm.leading());
    tm->tmAveCharWidth = fm.averageCharWidth();
    tm->tmMaxCharWidth = fm.maxWidth();
    tm->tmWeight = f->logFont.lfWeight ? f->logFont.lfWeight : FW_NORMAL;
    tm->tmDigitizedAspectX = tm->tmDigitizedAspectY = dc->dpi;
    tm->tmFirstChar = 32;
    tm->tmLastChar = 255;
    tm->tmDefaultChar = '?';
    tm->tmBreakChar = ' ';
    tm->tmItalic = f->logFont.lfItalic;
    tm->tmUnderlined = f->logFont.lfUnderline;
    tm->tmStruckOut = f->logFont.lfStrikeOut;
    tm->tmPitchAndFamily = f->logFont.lfPitchAndFamily;
    tm->tmCharSet = f->logFont.lfCharSet;
    if (tracing(dc)) trace(dc, "GetTextMetricsA", {str(tm->tmHeight), str(tm->tmAveCharWidth)});
    return TRUE;
}
