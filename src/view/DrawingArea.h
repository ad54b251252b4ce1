// The com_GL drawing-area functions: one process-wide rectangle (x, y, width, height), starting
// at (0, 0, 0, 0), and the calls of a buffered drawing protocol, which do nothing here because
// drawing goes straight to the device context.
#pragma once

extern "C" {

void com_GLInit(int width, int height); // InitView, InitBuffers, DrawingAreaSize
void com_GLInitView();                  // rectangle (0, 0, 1, 1)
void com_GLInitBuffers();               // BackBuffer, Clear(0)
void com_GLDrawingArea(int x, int y, int width, int height);
void com_GLDrawingAreaSize(int width, int height); // DrawingArea(0, 0, width, height)
// The rectangle's four ints, readable and writable for the life of the library.
int* com_GLGetDrawingArea();
void com_GLClear(int);
void com_GLFrontBuffer();
void com_GLBackBuffer();
void com_GLFlush();
void com_GLCallView();
}
