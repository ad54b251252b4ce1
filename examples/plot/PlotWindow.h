// The plotter's --window mode: the configuration in an interactive graph view.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include <ploxen/model/GcGraphConfig.h>

class InputFollower;

// Opens a frame with a graph view of config, with title (if any) above the plot, and runs until
// it is closed; returns the exit status. With a follower, the view shows each new figure it
// reads, keeping the user's zoom. Throws OutputError when there is no display to show it on.
int showWindow(GcGraphConfig& config, int width, int height, bool white, const std::string& caption,
               const std::string& title, InputFollower* follower = nullptr);

// The window of showWindow, shown, on any platform; the loop is the caller's. The frame inside
// becomes the application's main window if there is an application.
std::unique_ptr<QMainWindow> openWindow(GcGraphConfig& config, int width, int height, bool white,
                                        const std::string& caption, const std::string& title,
                                        InputFollower* follower = nullptr);
