// The exported graduation helpers, over the label rules of GradLabel.h.
#include <ploxen/render/GradLabel.h>
#include <ploxen/render/Renderer.h>

int com_GLCalcGraphIndex(float a, float b, float* scale) {
    return gradExponent(a, b, scale);
}

int com_GLIsGraphGradInt(float start, float step) {
    return gradWhole(start, step) ? 1 : 0;
}
