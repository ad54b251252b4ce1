// What a drawing allocates for its series, seen through the platform's buffer allocation: a
// solid series, one pixel wide or wider, keeps only what the plot's width needs, whatever its
// length; a dashed one still takes its points whole.
#include <gtest/gtest.h>

#include <cmath>

#include "raster/BigBuffer.h"
#include "render/RenderScene.h"

using namespace render_test;

namespace {

std::size_t allocated = 0;

std::size_t bytesToDraw(int n, int lineStyle, int lineWidth = 1) {
    std::vector<Vertex2D> wave(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) wave[size_t(i)] = {double(i) / n, 0.5 + 0.4 * std::sin(i * 0.01)};
    Scene scene({GraphSpec{{wave}}});
    scene.line(0, 0).lineStyle = lineStyle;
    scene.line(0, 0).lineWidth = lineWidth;
    Surface s;
    allocated = 0;
    setBigBufferObserver([](std::size_t bytes) { allocated += bytes; });
    s.draw(scene.r);
    setBigBufferObserver(nullptr);
    return allocated;
}

} // namespace

TEST(SeriesMemory, SolidSeriesTakeMemoryForThePlotWidthOnly) {
    const std::size_t small = bytesToDraw(20000, PS_SOLID), large = bytesToDraw(200000, PS_SOLID);
    EXPECT_LT(large, 256u * 1024u);
    EXPECT_LE(large, small + 4096u);
    EXPECT_LE(bytesToDraw(200000, PS_SOLID, 3), small + 4096u);
    EXPECT_GE(bytesToDraw(200000, PS_DASH), 8u * 200000u);
}
