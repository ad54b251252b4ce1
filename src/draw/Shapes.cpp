#include <ploxen/draw/Shapes.h>

#include <vector>

namespace {

void stroke(CDC* dc, int x1, int y1, int x2, int y2) {
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

// The two diagonals of a cross, d pixels out from the centre.
void diagonals(CDC* dc, int x, int y, int d) {
    stroke(dc, x - d, y - d, x + d, y + d);
    stroke(dc, x - d, y + d, x + d, y - d);
}

void circle(CDC* dc, int x, int y, int h) {
    dc->Ellipse(x - h, y - h, x + h, y + h);
}

void square(CDC* dc, int x, int y, int h) {
    dc->Rectangle(x - h, y - h, x + h, y + h);
}

void triangle(CDC* dc, int x, int y, int h) {
    const POINT pts[3] = {{x, y - h}, {x - h, y + h}, {x + h, y + h}};
    dc->Polygon(pts, 3);
}

// The filled marks both families share: 1 circle, 2 square, 3 triangle; other shapes draw nothing.
void filledMark(CDC* dc, int shape, int x, int y, int h) {
    switch (shape) {
    case 1:
        circle(dc, x, y, h);
        break;
    case 2:
        square(dc, x, y, h);
        break;
    case 3:
        triangle(dc, x, y, h);
        break;
    default:
        break;
    }
}

} // namespace

BigBuffer<POINT> pointsOf(const int* x, const int* y, int n) {
    BigBuffer<POINT> points = makeBigBuffer<POINT>(size_t(n));
    for (int i = 0; i < n; ++i) points[i] = POINT{x[i], y[i]};
    return points;
}

void drawGlMark(CDC* dc, CBrush* brush, int type, int x, int y) {
    if (type < 0 || type > 15) return;
    if (type < 8) {
        const int h = type < 4 ? 5 : 3;
        if (type % 4 == 0) {
            diagonals(dc, x, y, type < 4 ? 3 : 2);
            stroke(dc, x, y - h, x, y + h);
        } else {
            filledMark(dc, type % 4, x, y, h);
        }
        return;
    }
    // Outlines, h = 3: 9 and 13 circle, 10 and 14 square, 11 and 15 triangle.
    switch (type % 4) {
    case 1:
        dc->Arc(x - 3, y - 3, x + 3, y + 3, x - 3, y - 3, x - 3, y - 3);
        break;
    case 2: {
        const CRect r(x - 3, y - 3, x + 3, y + 3);
        dc->FrameRect(r, brush);
        break;
    }
    case 3: {
        const POINT pts[4] = {{x, y - 3}, {x - 3, y + 3}, {x + 3, y + 3}, {x, y - 3}};
        dc->Polyline(pts, 4);
        break;
    }
    default:
        break;
    }
}

void drawWMark(CDC* dc, int type, int x, int y) {
    if (type != 0) {
        filledMark(dc, type, x, y, 5);
        return;
    }
    diagonals(dc, x, y, 3);
    stroke(dc, x - 5, y, x + 5, y);
    stroke(dc, x, y - 5, x, y + 5);
}
