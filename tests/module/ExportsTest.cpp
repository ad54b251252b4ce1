// Hosts that load the library at run time find its plain functions by their undecorated names.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include "ploxen.h"

TEST(Exports, PlainFunctionsCarryUndecoratedNames) {
    for (const char* name :
         {"com_GLManInt", "com_GLCalcGraphIndex", "com_GLIsGraphGradInt", "com_GLInit",
          "com_GLGetDrawingArea", "com_GLCallView", "com_WBkColor", "com_WTextOut", "com_WFillRect",
          "com_WFrameRect", "com_WPolyline", "com_WPolylineA", "com_WPolylineB"})
        EXPECT_NE(dlsym(RTLD_DEFAULT, name), nullptr) << name;
}
