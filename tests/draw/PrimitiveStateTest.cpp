// Every line and shape primitive of both colour forms leaves the raster mode, pen and brush of
// the device context as it found them, and draws in copy mode whatever mode it finds.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "draw/GlDraw.h"
#include "draw/WDraw.h"

namespace {

int xs[4] = {3, 20, 35, 8}, ys[4] = {5, 30, 10, 12};

const std::vector<std::pair<std::string, std::function<void(CDC*)>>> primitives = {
    {"FillRect", [](CDC* dc) { GlDraw().FillRect(dc, 1, 1, 30, 30, 255, 0, 0); }},
    {"FrameRect", [](CDC* dc) { GlDraw().FrameRect(dc, 1, 1, 30, 30, 255, 0, 0); }},
    {"Polyline", [](CDC* dc) { GlDraw().Polyline(dc, 1, 1, 30, 30, 255, 0, 0); }},
    {"PolylineA", [](CDC* dc) { GlDraw().PolylineA(dc, 1, 1, 30, 30, 255, 0, 0, 1, 2, 1); }},
    {"PolylineB", [](CDC* dc) { GlDraw().PolylineB(dc, xs, ys, 4, 0, 255, 0, 0, 10, 3); }},
    {"PolylineB bad style",
     [](CDC* dc) { GlDraw().PolylineB(dc, xs, ys, 4, 0, 255, 0, 99, 1, 1); }},
    {"TextOutA", [](CDC* dc) { GlDraw().TextOutA(dc, const_cast<char*>("x"), 1, 1, 0, 0, 0); }},
    {"com_WPolylineA", [](CDC* dc) { com_WPolylineA(dc, 1, 1, 30, 30, 1, 0, 0, 2, 0); }},
    {"com_WPolylineB", [](CDC* dc) { com_WPolylineB(dc, xs, ys, 4, 0, 0, 1, 3, 0); }},
};

} // namespace

TEST(PrimitiveState, RasterModePenAndBrushComeBackAndDrawingIsInCopyMode) {
    for (const auto& [name, draw] : primitives) {
        SCOPED_TRACE(name);
        for (int rop : {R2_XORPEN, R2_COPYPEN, R2_NOT}) {
            TracedCanvas c;
            c.dc.SetROP2(rop);
            draw(&c.dc);
            EXPECT_EQ(c.dc.GetROP2(), rop);
            EXPECT_EQ(GetCurrentObject(c.dc.m_hDC, OBJ_PEN), c.hostPen.m_hObject);
            EXPECT_EQ(GetCurrentObject(c.dc.m_hDC, OBJ_BRUSH), c.hostBrush.m_hObject);
        }
        if (name == "TextOutA") continue;
        Canvas copy(40, 40);
        TracedCanvas xorred;
        draw(&copy.dc);
        draw(&xorred.dc);
        draw(&xorred.dc); // twice: an exclusive-or drawing would erase itself
        EXPECT_FALSE(copy.drawn().empty());
        EXPECT_EQ(copy.pixels(), xorred.pixels());
    }
}
