#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>

// x rounded to the nearest integer, halves away from zero (2.5 gives 3, -2.5 gives -3).
extern "C" AFX_EXT_API double com_GLManInt(double x);
