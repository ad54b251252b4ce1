#pragma once

// x rounded to the nearest integer, halves away from zero (2.5 gives 3, -2.5 gives -3).
extern "C" double com_GLManInt(double x);
