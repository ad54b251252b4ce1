// The plotter's --window mode: the configuration in an interactive graph view.
#pragma once

#include <string>

#include <ploxen/model/GcGraphConfig.h>

// Opens a frame with a graph view of config, with title (if any) above the plot, and runs until
// it is closed; returns the exit status. Throws OutputError when there is no display to show it
// on.
int showWindow(GcGraphConfig& config, int width, int height, bool white, const std::string& caption,
               const std::string& title);
