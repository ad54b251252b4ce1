// Lines, shapes and pixels.
#include <cmath>
#include <functional>

#include <ploxen/platform/afx/TraceSink.h>
#include <ploxen/platform/gdi/gdi_p.h>
#include <ploxen/raster/ColumnReducer.h>
#include <ploxen/raster/ImageRows.h>
#include <ploxen/raster/LinePixels.h>
#include <ploxen/raster/ShapeStamp.h>
#include <ploxen/raster/WideLine.h>

namespace gdi {

namespace {

// Colour actually drawn for a pen or brush colour under the current mix mode.
COLORREF mixColor(const DeviceContext* dc, COLORREF c) {
    if (dc->rop2 == R2_BLACK) return RGB(0, 0, 0);
    if (dc->rop2 == R2_WHITE) return RGB(255, 255, 255);
    return c;
}

std::string pointsStr(const POINT* pts, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        if (i) s += ';';
        s += str(pts[i].x);
        s += ' ';
        s += str(pts[i].y);
    }
    return s;
}

// A one-pixel solid pen drawing in copy mode: the case where points may be merged.
bool plainPen(const DeviceContext* dc) {
    auto* p = static_cast<const PenObject*>(dc->pen);
    return p && p->style == PS_SOLID && p->width <= 1 && dc->rop2 == R2_COPYPEN;
}

} // namespace

std::vector<int> dashPattern(const DeviceContext* dc);

QPen qtPen(const DeviceContext* dc) {
    auto* p = static_cast<const PenObject*>(dc->pen);
    if (!p || p->style == PS_NULL) return Qt::NoPen;
    QPen pen(qtColor(mixColor(dc, p->color)));
    if (dc->surface && dc->surface->vectorPainter && p->width <= 1) {
        // On paper a one-pixel line is a line one page pixel wide, dashed in page pixels.
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
        const std::vector<int> dashes = dashPattern(dc);
        if (!dashes.empty()) pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
        return pen;
    }
    if (p->width > 1) {
        // Wide pens are drawn solid with round ends, as on the screen.
        pen.setWidth(p->width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }
    // One-pixel lines are stepped by LinePixels and handed over as points.
    pen.setWidth(0);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

std::vector<int> dashPattern(const DeviceContext* dc) {
    auto* p = static_cast<const PenObject*>(dc->pen);
    switch (p ? p->style : PS_SOLID) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

// Solid drawing in a copy mode under no clip or a rectangular one may be written straight into
// the image, within the rectangle returned; an empty one where it may not. Fills, which ignore
// the mix mode, pass useRop false.
QRect directBounds(const DeviceContext* dc, bool useRop = true) {
    const bool copy =
        !useRop || dc->rop2 == R2_COPYPEN || dc->rop2 == R2_BLACK || dc->rop2 == R2_WHITE;
    if (!copy || dc->surface->vectorPainter || (dc->hasClip && dc->clip.rectCount() > 1))
        return QRect();
    const QRect area = dc->surface->image.rect();
    return dc->hasClip ? dc->clip.boundingRect() & area : area;
}

// The pixels of r that lie within bounds set to color, straight in the image.
void fillDirect(QImage& image, const QRect& bounds, const QRect& r, QRgb color) {
    const QRect part = r & bounds;
    if (part.isEmpty()) return;
    const ImageRows rows(image);
    for (int y = part.top(); y <= part.bottom(); ++y)
        rows.fill(part.left(), y, part.width(), color);
}

COLORREF penColor(const DeviceContext* dc) {
    return mixColor(dc, static_cast<const PenObject*>(dc->pen)->color);
}

// A one-pixel pen stepped pixel by pixel; paper takes such lines as vectors instead.
bool thinPen(const DeviceContext* dc) {
    auto* p = static_cast<const PenObject*>(dc->pen);
    return p && p->style != PS_NULL && p->width <= 1 && !dc->surface->vectorPainter;
}

bool widePen(const DeviceContext* dc) {
    auto* p = static_cast<const PenObject*>(dc->pen);
    return p && p->style != PS_NULL && p->width > 1 && !dc->surface->vectorPainter;
}

// The one-pixel line of the selected pen through pts[0..n). Only where the painter draws the
// pixels does it need the pen.
void thinLine(DeviceContext* dc, QPainter& p, const POINT* pts, int n) {
    const QRect direct = directBounds(dc);
    if (direct.isEmpty()) p.setPen(qtPen(dc));
    LinePixels line = direct.isEmpty() ? LinePixels(p, dc->surface->image.rect(), dashPattern(dc))
                                       : LinePixels(p, dc->surface->image, direct,
                                                    qtRgb(penColor(dc)), dashPattern(dc));
    const auto segment = [&](int x0, int y0, int x1, int y1) {
        line.segment(QPoint(x0, y0), QPoint(x1, y1));
    };
    // Only a plain copy allows dropping points: a dash pattern and the other modes see each one.
    // A single line has nothing to drop.
    if (plainPen(dc) && n > 2)
        forEachReducedSegment(pts, n, segment);
    else
        for (int i = 1; i < n; ++i) segment(pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y);
}

// The line of the selected wide pen through pts[0..n); it is drawn solid.
void wideLine(DeviceContext* dc, QPainter& p, const POINT* pts, int n) {
    const QRect direct = directBounds(dc);
    WideLine line(direct.isEmpty() ? dc->surface->image.rect() : direct,
                  static_cast<const PenObject*>(dc->pen)->width, pts, n);
    forEachReducedSegment(pts, n, [&](int x0, int y0, int x1, int y1) {
        line.segment(QPoint(x0, y0), QPoint(x1, y1));
    });
    if (direct.isEmpty())
        line.paint(p, qtColor(penColor(dc)));
    else
        line.copyInto(dc->surface->image, qtRgb(penColor(dc)));
}

// The parts of a line through pts[0..n) that lie in r (edges included), each handed to draw as
// a polyline; for vector devices that keep no clip of their own.
void cutLine(const POINT* pts, int n, const QRectF& r,
             const std::function<void(const QPolygonF&)>& draw) {
    QPolygonF run;
    for (int i = 1; i < n; ++i) {
        const QPointF a(pts[i - 1].x, pts[i - 1].y), d = QPointF(pts[i].x, pts[i].y) - a;
        double t0 = 0, t1 = 1;
        const auto edge = [&](double p, double q) { // keeps where p t <= q
            if (p == 0) return q >= 0;
            const double t = q / p;
            if (p < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            return t0 <= t1;
        };
        const bool inside = edge(-d.x(), a.x() - r.left()) && edge(d.x(), r.right() - a.x()) &&
                            edge(-d.y(), a.y() - r.top()) && edge(d.y(), r.bottom() - a.y());
        if (!inside) {
            if (run.size() > 1) draw(run);
            run.clear();
            continue;
        }
        if (t0 > 0 || run.isEmpty()) {
            if (run.size() > 1) draw(run);
            run = {a + d * t0};
        }
        run << a + d * t1;
        if (t1 < 1) {
            draw(run);
            run.clear();
        }
    }
    if (run.size() > 1) draw(run);
}

// The line through pts[0..n) drawn by the painter with the pen, cut to the clip where the device
// keeps none.
void vectorLine(DeviceContext* dc, QPainter& p, const POINT* pts, int n) {
    p.setPen(qtPen(dc));
    if (dc->surface->cutsLines && dc->hasClip) {
        const QRect c = dc->clip.boundingRect();
        cutLine(pts, n, QRectF(c.left(), c.top(), c.width() - 1, c.height() - 1),
                [&](const QPolygonF& run) { p.drawPolyline(run); });
        return;
    }
    QPolygon poly(n);
    for (int i = 0; i < n; ++i) poly[i] = QPoint(pts[i].x, pts[i].y);
    p.drawPolyline(poly);
}

QBrush qtBrush(const DeviceContext* dc, GdiObject* brush) {
    auto* b = static_cast<const BrushObject*>(brush);
    if (!b || b->style == BS_NULL) return Qt::NoBrush;
    return QBrush(qtColor(mixColor(dc, b->color)));
}

} // namespace gdi

using namespace gdi;

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return FALSE;
    if (tracing(dc)) trace(dc, "MoveTo", {str(x), str(y)});
    if (previous) *previous = POINT{dc->pos.x(), dc->pos.y()};
    dc->pos = QPoint(x, y);
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT pos) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !pos) return FALSE;
    *pos = POINT{dc->pos.x(), dc->pos.y()};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return FALSE;
    if (tracing(dc)) trace(dc, "LineTo", {str(x), str(y)});
    if (QPainter* p = painterFor(dc, true)) {
        const POINT pts[2] = {{dc->pos.x(), dc->pos.y()}, {x, y}};
        if (thinPen(dc)) {
            thinLine(dc, *p, pts, 2);
        } else if (widePen(dc)) {
            wideLine(dc, *p, pts, 2);
        } else {
            vectorLine(dc, *p, pts, 2);
        }
    }
    dc->pos = QPoint(x, y);
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !points || count < 2) return FALSE;
    if (tracing(dc)) trace(dc, "Polyline", {str(count), pointsStr(points, count)});
    QPainter* p = painterFor(dc, true);
    if (!p) return TRUE;
    // One line for the whole polyline, so that a dash pattern runs on across segments and a
    // wide pen's overlaps are drawn once.
    if (thinPen(dc)) {
        thinLine(dc, *p, points, count);
        return TRUE;
    }
    if (widePen(dc)) {
        wideLine(dc, *p, points, count);
        return TRUE;
    }
    vectorLine(dc, *p, points, count);
    return TRUE;
}

namespace {

// A shape drawn again as its earlier copy, where it may be written straight into the image:
// pens one pixel wide (the painter draws their outlines solid) or none, any brush (drawn solid)
// or none.
bool stamped(DeviceContext* dc, const QPainter& p, ShapeStamp::Shape shape, const POINT* points,
             int count, const QRect& rect, const ShapeStamp::Paint& paint) {
    static ShapeStamp stamp;
    if (p.transform().type() != QTransform::TxNone) return false;
    auto* pen = static_cast<const PenObject*>(dc->pen);
    auto* brush = static_cast<const BrushObject*>(dc->brush);
    if (pen && pen->style != PS_NULL && pen->width > 1) return false;
    const QRgb penRgb = pen && pen->style != PS_NULL ? qtRgb(penColor(dc)) : 0;
    const QRgb brushRgb = brush && brush->style != BS_NULL ? qtRgb(mixColor(dc, brush->color)) : 0;
    return stamp.draw(dc->surface->image, directBounds(dc), shape, points, count, rect, penRgb,
                      brushRgb, paint);
}

} // namespace

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !points || count < 2) return FALSE;
    if (tracing(dc)) trace(dc, "Polygon", {str(count), pointsStr(points, count)});
    if (QPainter* p = painterFor(dc, true)) {
        const auto paint = [&](QPainter& q, QPoint shift) {
            QPolygon poly(count);
            for (int i = 0; i < count; ++i) poly[i] = QPoint(points[i].x, points[i].y) + shift;
            q.setPen(qtPen(dc));
            q.setBrush(qtBrush(dc, dc->brush));
            q.drawPolygon(poly, Qt::OddEvenFill);
        };
        if (!stamped(dc, *p, ShapeStamp::Shape::polygon, points, count, QRect(), paint))
            paint(*p, QPoint());
    }
    return TRUE;
}

namespace {
// Rectangle and Ellipse: the shape covers left..right-1 and top..bottom-1, outline included.
template <class Draw>
BOOL boxShape(HDC hdc, const char* name, ShapeStamp::Shape shape, int l, int t, int r, int b,
              Draw draw) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return FALSE;
    if (tracing(dc)) trace(dc, name, {str(l), str(t), str(r), str(b)});
    l = coord(l), t = coord(t), r = coord(r), b = coord(b);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r - l < 2 || b - t < 2) return TRUE;
    if (QPainter* p = painterFor(dc, true)) {
        const QRect box(l, t, r - l - 1, b - t - 1);
        const auto paint = [&](QPainter& q, QPoint shift) {
            q.setPen(qtPen(dc));
            q.setBrush(qtBrush(dc, dc->brush));
            draw(q, box.translated(shift));
        };
        if (!stamped(dc, *p, shape, nullptr, 0, box, paint)) paint(*p, QPoint());
    }
    return TRUE;
}
} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return boxShape(hdc, "Rectangle", ShapeStamp::Shape::rectangle, left, top, right, bottom,
                    [](QPainter& p, const QRect& r) { p.drawRect(r); });
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return boxShape(hdc, "Ellipse", ShapeStamp::Shape::ellipse, left, top, right, bottom,
                    [](QPainter& p, const QRect& r) { p.drawEllipse(r); });
}

BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc) return FALSE;
    if (tracing(dc))
        trace(dc, "Arc",
              {str(left), str(top), str(right), str(bottom), str(xStart), str(yStart), str(xEnd),
               str(yEnd)});
    QPainter* p = painterFor(dc, true);
    if (!p) return TRUE;
    QRect box = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                      QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
    double cx = box.center().x(), cy = box.center().y();
    // Counter-clockwise from the start radial to the end radial; equal radials: the whole outline.
    double a1 = std::atan2(-(yStart - cy), xStart - cx) * 180 / M_PI;
    double a2 = std::atan2(-(yEnd - cy), xEnd - cx) * 180 / M_PI;
    double span = a2 - a1;
    while (span <= 0) span += 360;
    if (xStart == xEnd && yStart == yEnd) span = 360;
    p->setPen(qtPen(dc));
    p->setBrush(Qt::NoBrush);
    p->drawArc(box, int(std::lround(a1 * 16)), int(std::lround(span * 16)));
    return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = dcFrom(hdc);
    GdiObject* b = objectAs<BrushObject>(brush, Kind::Brush);
    if (!dc || !rect || !b) return 0;
    if (tracing(dc)) trace(dc, "FillRect", {rectStr(*rect), describe(b)});
    if (rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    QBrush fill = qtBrush(dc, b);
    if (fill.style() == Qt::NoBrush) return 1;
    QPainter* p = painterFor(dc, false);
    if (!p) return 1;
    if (const QRect direct = directBounds(dc, false); !direct.isEmpty())
        fillDirect(dc->surface->image, direct, qtRect(*rect), fill.color().rgb());
    else
        p->fillRect(qtRect(*rect), fill.color());
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = dcFrom(hdc);
    GdiObject* b = objectAs<BrushObject>(brush, Kind::Brush);
    if (!dc || !rect || !b) return 0;
    if (tracing(dc)) trace(dc, "FrameRect", {rectStr(*rect), describe(b)});
    if (rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    const QRect box = qtRect(*rect);
    QBrush fill = qtBrush(dc, b);
    QPainter* p = painterFor(dc, false);
    if (!p || fill.style() == Qt::NoBrush) return 1;
    // A one-pixel border inside the rectangle.
    const int w = box.width(), h = box.height();
    const QRect sides[4] = {
        QRect(box.left(), box.top(), w, 1), QRect(box.left(), box.bottom(), w, 1),
        QRect(box.left(), box.top(), 1, h), QRect(box.right(), box.top(), 1, h)};
    const QRect direct = directBounds(dc, false);
    for (const QRect& side : sides)
        if (!direct.isEmpty())
            fillDirect(dc->surface->image, direct, side, fill.color().rgb());
        else
            p->fillRect(side, fill.color());
    return 1;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !dc->surface || !dc->surface->image.rect().contains(x, y)) return CLR_INVALID;
    if (dc->hasClip && !dc->clip.contains(QPoint(x, y))) return CLR_INVALID;
    if (tracing(dc)) trace(dc, "SetPixel", {str(x), str(y), hex(color)});
    if (QPainter* p = painterFor(dc, false)) p->fillRect(QRect(x, y, 1, 1), qtColor(color));
    return color & 0xffffff;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = dcFrom(hdc);
    if (!dc || !dc->surface || !dc->surface->image.rect().contains(x, y)) return CLR_INVALID;
    dc->surface->beforeRead();
    QRgb c = dc->surface->image.pixel(x, y);
    return RGB(BYTE(qRed(c)), BYTE(qGreen(c)), BYTE(qBlue(c)));
}
