#include <ploxen/view/DrawingArea.h>

namespace {
int area[4] = {0, 0, 0, 0};
} // namespace

void com_GLInit(int width, int height) {
    com_GLInitView();
    com_GLInitBuffers();
    com_GLDrawingAreaSize(width, height);
}

void com_GLInitView() {
    com_GLDrawingArea(0, 0, 1, 1);
}

void com_GLInitBuffers() {
    com_GLBackBuffer();
    com_GLClear(0);
}

void com_GLDrawingArea(int x, int y, int width, int height) {
    area[0] = x;
    area[1] = y;
    area[2] = width;
    area[3] = height;
}

void com_GLDrawingAreaSize(int width, int height) {
    com_GLDrawingArea(0, 0, width, height);
}

int* com_GLGetDrawingArea() {
    return area;
}

void com_GLClear(int) {}
void com_GLFrontBuffer() {}
void com_GLBackBuffer() {}
void com_GLFlush() {}
void com_GLCallView() {}
