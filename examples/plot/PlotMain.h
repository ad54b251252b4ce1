// The plotter program: reads the input, draws it, writes the output. Returns the exit status:
// 0 done, 1 the output could not be written, 2 bad input or usage. Errors go to stderr as one
// line naming the file, and the line and column where they apply.
#pragma once

int plotMain(int argc, char** argv);
