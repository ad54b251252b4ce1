// Builds a one-graph configuration through the installed headers and checks the library answers.
#include <ploxen/ploxen.h>

#include <cstdio>

// Only the public headers are installed, and only under ploxen/: the library's folder names do
// not compete with the host's own headers.
#if __has_include(<ploxen/render/DrawState.h>) || __has_include(<ploxen/platform/wnd/wnd_p.h>)
#error a private header is installed
#endif
#if __has_include(<platform/afx/types.h>)
#error the folder of the installed headers is on the include path
#endif

int main() {
    Vertex2D v[3] = {{0, 1}, {1, 4}, {2, 2}};
    int red[3] = {255, 0, 0};
    GcGLine line(3, v, red, const_cast<char*>("a"), -1, 0, 1);
    GcGraph graph;
    graph.setGLine(1, &line);
    graph.setAutoVminVmax();
    graph.setAutoVgrad();
    std::printf("range %g..%g step %g\n", graph.vmin, graph.vmax, graph.vlargeGradStep);
    // A host's own tests answer modal requests without a screen; the loader is public too.
    AfxSetModalResponder([](ModalRequest&) { return IDCANCEL; });
    const bool ranged = graph.vmin == 1 && graph.vmax == 4 && graph.vlargeGradStep == 1;
    const bool answered = AfxMessageBox("Save?", MB_OKCANCEL) == IDCANCEL;
    const bool loaderAnswers = AfxLoadLibrary("no-such-module.dll") == nullptr;
    return ranged && answered && loaderAnswers ? 0 : 1;
}
