// The shared library exports its public interface and nothing else: hosts that load it at run
// time find the plain functions by their undecorated names and the platform calls by theirs,
// while the library's internals stay hidden. The library is loaded in a child process: once
// loaded it stays mapped, and with it the language library it loads.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

// Writes every name that resolves when it should not, or the reverse; exits 0 when none does.
[[noreturn]] void checkExports() {
    void* library = dlopen(PLOXEN_LIBRARY, RTLD_LAZY | RTLD_LOCAL);
    if (!library) std::fprintf(stderr, "%s\n", dlerror()), std::_Exit(2);
    int wrong = 0;
    for (const char* name :
         {"com_GLManInt", "com_GLCalcGraphIndex", "com_GLIsGraphGradInt", "com_GLInit",
          "com_GLGetDrawingArea", "com_GLCallView", "com_WBkColor", "com_WTextOut", "com_WFillRect",
          "com_WFrameRect", "com_WPolyline", "com_WPolylineA", "com_WPolylineB", "DllMain",
          "_Z18CreateCompatibleDCP5HDC__", "_Z11PostMessageP6HWND__jml",
          "_ZN7GcGraph15setAutoVminVmaxEv", "_ZTV7CGLView"})
        if (!dlsym(library, name)) std::fprintf(stderr, "missing %s\n", name), ++wrong;
    // The errno translation of the kernel functions, the resource chain's lookup and Qt's
    // start-up are the library's own business.
    for (const char* name :
         {"_Z12errnoToErrori", "_Z18findDialogTemplatej", "_Z19ensureQtApplicationv"})
        if (dlsym(library, name)) std::fprintf(stderr, "exported %s\n", name), ++wrong;
    std::fflush(stderr);
    std::_Exit(wrong ? 1 : 0);
}

} // namespace

TEST(Exports, PublicNamesResolveAndInternalsDoNot) {
    EXPECT_EXIT(checkExports(), testing::ExitedWithCode(0), "^$");
}
