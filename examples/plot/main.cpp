// ploxen-plot: plots comma-separated numbers into a PNG, BMP or PDF file, or a window.
#include "PlotMain.h"

int main(int argc, char** argv) {
    return plotMain(argc, argv);
}
