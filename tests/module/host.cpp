// A host linked to libploxen.so at build time: it starts only when the module attaches, and
// then reports one graduation exponent so the link is not dropped as unneeded.
#include <ploxen/ploxen.h>

#include <cstdio>

int main() {
    float scale = 0;
    std::printf("%d\n", com_GLCalcGraphIndex(0, 1000, &scale));
    return 0;
}
