// A host linked to libploxen.so at build time: it starts only when the module attaches, and
// then reports one graduation exponent so the link is not dropped as unneeded. Given the path
// of a library, it then loads it with AfxLoadLibrary and says whether it got a handle.
#include <ploxen/ploxen.h>

#include <cstdio>

int main(int argc, char** argv) {
    float scale = 0;
    std::printf("%d\n", com_GLCalcGraphIndex(0, 1000, &scale));
    if (argc > 1) std::printf("AfxLoadLibrary: %s\n", AfxLoadLibrary(argv[1]) ? "handle" : "NULL");
    return 0;
}
