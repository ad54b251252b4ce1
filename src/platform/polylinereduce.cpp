#include <ploxen/platform/ColumnReducer.h>
#include <ploxen/platform/LinePixels.h>
#include <ploxen/platform/gdi_p.h>

namespace gdi {

void drawReducedPolyline(LinePixels& line, const POINT* pts, int n) {
    QPoint last;
    bool started = false;
    const auto join = [&](int x, int y) {
        const QPoint q(x, y);
        if (started) line.segment(last, q);
        last = q, started = true;
    };
    ColumnReducer reducer;
    for (int i = 0; i < n; ++i) reducer.add(pts[i].x, pts[i].y, join);
    reducer.finish(join);
}

} // namespace gdi
