#include "model/GcGraphConfig.h"

#include <cmath>
#include <gtest/gtest.h>
#include <type_traits>

// A host writes GcGraphConfig c = GcGraphConfig::HISTON;
static_assert(std::is_convertible_v<GcGraphConfig::TYPE, GcGraphConfig>);

TEST(GcGraphConfig, MarginsAreAllAcceptedOrAllReset) {
    GcGraphConfig config;
    struct Case {
        double l, r, b, t;
        bool valid;
    } cases[] = {{0, 0, 0, 0, true},          {0.3, 0.2, 0.1, 0.6, true},
                 {0.5, 0.5, 0.1, 0.1, false}, {-0.1, 0, 0, 0, false},
                 {0, 0, 1, 0, false},         {0, 0, 0.2, NAN, false},
                 {0.1, 0.2, 0.7, 0.3, false}};
    for (const Case& c : cases) {
        config.setMargin(c.l, c.r, c.b, c.t);
        const std::vector<double> got = {config.leftMargin, config.rightMargin, config.bottomMargin,
                                         config.topMargin};
        EXPECT_EQ(got, (c.valid ? std::vector<double>{c.l, c.r, c.b, c.t} : std::vector(4, 0.15)));
    }
}

// Leaks or double frees show up in the sanitizer build.
TEST(GcGraphConfig, DeleteContentsFreesTheWholeTree) {
    GcGraph* graphs = new GcGraph[3];
    GcGLine* lines = new GcGLine[2];
    lines[0].nvertex = 2;
    lines[0].vertex = new Vertex2D[2];
    graphs[0].setGLine(2, lines); // lines[1] has no vertex array, graphs[1] no series
    graphs[2].setGLine(1, new GcGLine[1]);
    GcGraphConfig config;
    config.setGraph(3, graphs);
    config.deleteContents();
    EXPECT_EQ(config.getNgraph(), 0);
    EXPECT_EQ(config.getGraph(), nullptr);
    config.deleteContents();
}
