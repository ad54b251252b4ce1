// The plotter's command line.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include <ploxen/model/GcGraphConfig.h>

#include "CsvReader.h"

// A fixed axis range given on the command line; automatic when not set.
struct AxisRange {
    bool set = false;
    double min = 0, max = 0;
};

struct PlotOptions {
    std::string input;  // "-" for standard input
    std::string output; // .png, .bmp or .pdf
    int width = 1200, height = 900;
    bool white = true;
    bool superpose = false;
    bool twoAxes = false; // superposed, graph 1 against its own axis on the right
    GcGraphConfig::TYPE type = GcGraphConfig::GRAPH;
    bool histClasses = true; // bars on zero: the x axis labels integer classes
    bool xlabelSet = false;
    std::string title, xlabel;        // title: none when empty
    std::vector<std::string> ylabels; // one per graph, from graph 0 (the lowest) on
    AxisRange xrange, yrange;
    int lineStyle = 0, lineWidth = 1, markType = -1;
    bool window = false;
    bool follow = false; // --window: re-read the input when it grows, and redraw
    // Logarithmic axes, and the x values as times (format.timeX: seconds since the epoch).
    bool logX = false, logY = false;
    CsvFormat format; // separator, decimal comma, columns, time x
    bool help = false;
};

// A command line that cannot be followed; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

PlotOptions parseArguments(int argc, char** argv);

// The text of --help.
extern const char* const plotHelp;
