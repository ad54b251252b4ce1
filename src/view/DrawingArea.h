// The com_GL drawing-area functions: one process-wide rectangle (x, y, width, height), starting
// at (0, 0, 0, 0), and the calls of a buffered drawing protocol, which do nothing here because
// drawing goes straight to the device context.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>

extern "C" {

AFX_EXT_API void com_GLInit(int width, int height); // InitView, InitBuffers, DrawingAreaSize
AFX_EXT_API void com_GLInitView();                  // rectangle (0, 0, 1, 1)
AFX_EXT_API void com_GLInitBuffers();               // BackBuffer, Clear(0)
AFX_EXT_API void com_GLDrawingArea(int x, int y, int width, int height);
AFX_EXT_API void com_GLDrawingAreaSize(int width, int height); // DrawingArea(0, 0, width, height)
// The rectangle's four ints, readable and writable for the life of the library.
AFX_EXT_API int* com_GLGetDrawingArea();
AFX_EXT_API void com_GLClear(int);
AFX_EXT_API void com_GLFrontBuffer();
AFX_EXT_API void com_GLBackBuffer();
AFX_EXT_API void com_GLFlush();
AFX_EXT_API void com_GLCallView();
}
