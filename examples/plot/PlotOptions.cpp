#include "PlotOptions.h"

#include <charconv>
#include <cmath>

const char* const plotHelp =
    R"help(Usage: ploxen-plot INPUT.csv -o OUTPUT.png|.bmp|.svg|.pdf [options]
       ploxen-plot INPUT.csv --window [options]

Plots columns of numbers. INPUT is a file or - for standard input, in either form:
  * plain columns: the first is x, every other one a series of y values (or the columns -c
    picks); an optional first line of names gives the x title and the series names;
  * the export of a Ploxen view (writeCsv): an (x, y) column pair per series headed
    "x title,y title - name", shorter series padded with empty cells.
Cells are separated by commas, semicolons, tabs or runs of spaces, as the first line shows
(a tab, else a semicolon, else a comma, else spaces); with semicolons a comma is a decimal
comma ("1,5;2,5"). Numbers are read the same in every locale. A UTF-8 byte-order mark at the
start is skipped. Blocks separated by blank lines become separate graphs, stacked from the
bottom up on one horizontal axis (a warning says when their x ranges are far apart).
nan and inf cells are gaps in a line. The points are held in memory (16 bytes each), never
the text; refused are inputs over 1 GiB or 67108864 points, lines over 1048576 bytes or
1024 cells, and over 256 graphs or 4096 series in all.

Output, chosen by the extension of -o:
  .png, .bmp  the picture drawn into a memory bitmap of the given size, in pixels
  .svg        drawn through the platform's metafile device context: vectors and text of the
              given size in pixels of 1/96 inch
  .pdf        drawn through the platform's printer device context onto a PDF page: lines,
              marks and text are vectors, not an embedded picture; a wide picture gets a
              landscape page, a tall one a portrait page
A series reaches SVG and PDF as it reaches the screen, reduced to the points that change
pixels at the output's resolution: a million points make a file of some tens of KB.
The output replaces its file only when complete: a failed or interrupted run leaves the old
file as it was, and nothing else. A link is written through; an output that is the input,
or a file without write permission, is refused.

Options, each with an example:
  -o, --output FILE       the picture to write                  -o run7.png
  -s, --size WxH          picture size in pixels (default 1200x900; PDF: its proportions)
                                                                -s 800x600
      --black, --white    background (default white)            --black
      --superpose         draw every graph over the same area instead of stacking them
                                                                --superpose
      --two-axes          superposed, graph 1 against its own vertical axis on the right
                                                                --two-axes
      --hist on|on-values|fromto
                          bars between consecutive points: standing on 0 with the x axis
                          labelled by integer classes (on), on 0 with an ordinary x axis
                          (on-values), or standing on the axis minimum (fromto)
                                                                --hist on-values
      --title TEXT        overall title, centred above the plot --title "Run 7"
      --xlabel TEXT       horizontal title (default: the x column's header)
                                                                --xlabel "Time (s)"
      --ylabel TEXT       vertical title of the next graph, from the lowest one up
                                                                --ylabel Volt --ylabel Amp
      --xrange MIN:MAX    fixed horizontal range (default: from the data)
                                                                --xrange 0:10
      --yrange MIN:MAX    fixed vertical range of every graph (default: from the data)
                                                                --yrange -1.5:1.5
      --line STYLE        solid, dash, dot, dashdot, dashdotdot or none (default solid)
                                                                --line dash
      --line-width N      pen width in pixels (default 1)       --line-width 2
      --marks N           vertex mark 0..15, or -1 for none (default -1)
                                                                --marks 3
      --logx, --logy      logarithmic (base 10) horizontal or vertical axis
                                                                --logx --logy
  -c, --columns LIST      the x column, then the series to draw, by number from 1 or by
                          the header's name; other columns may hold anything
                                                                -c time_s,pressure_kPa
      --sep CHAR          the cell separator: , ; tab or space (runs of blanks)
                          (default: as the first line shows)    --sep tab
      --decimal-comma     numbers have a decimal comma; the separator is then no comma
                          (with ; it is the default)            --decimal-comma
      --time-x            the x column is a time: seconds since 1970-01-01 UTC, or ISO 8601
                          text as 2026-12-07T10:15:00.5+01:00 (no zone: UTC)
                                                                --time-x
      --window            open the interactive view instead of writing a file
                                                                --window
      --follow            with --window, re-read the file when it grows (a logger writing
                          it) and redraw, keeping the zoom      --window --follow
  -h, --help              this text                             --help

Exit status: 0 done, 1 the output could not be written, 2 bad input or usage; a bad input
is named by one line on stderr: "file:line:column: what".
)help";

namespace {

int toInt(const std::string& option, const std::string& text, int lo, int hi) {
    int v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        throw UsageError(option + ": expected a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ", not \"" + text + "\"");
    return v;
}

double toDouble(const std::string& option, const std::string& text) {
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        throw UsageError(option + ": expected a finite number, not \"" + text + "\"");
    return v;
}

AxisRange toRange(const std::string& option, const std::string& text) {
    const size_t colon = text.find(':', 1); // a leading minus sign is not a separator
    if (colon == std::string::npos) throw UsageError(option + ": expected MIN:MAX");
    AxisRange r{true, toDouble(option, text.substr(0, colon)),
                toDouble(option, text.substr(colon + 1))};
    if (!(r.min < r.max) || !std::isfinite(r.max - r.min))
        throw UsageError(option + ": MIN must be below MAX");
    return r;
}

char toSeparator(const std::string& text) {
    if (text == "," || text == ";") return text[0];
    if (text == "tab" || text == "\t") return '\t';
    if (text == "space" || text == " ") return ' ';
    throw UsageError("--sep: expected , ; tab or space, not \"" + text + "\"");
}

// "time_s,2": the x column, then at least one series; numbers count from 1.
std::vector<std::string> toColumns(const std::string& option, const std::string& text) {
    std::vector<std::string> columns;
    for (size_t at = 0;;) {
        const size_t comma = text.find(',', at);
        columns.push_back(text.substr(at, comma - at));
        if (columns.back().empty() || columns.back() == std::string(columns.back().size(), '0'))
            throw UsageError(option + ": expected column numbers from 1 or names, not \"" + text +
                             "\"");
        if (comma == std::string::npos) break;
        at = comma + 1;
    }
    if (columns.size() < 2)
        throw UsageError(option + ": expected the x column and at least one series, as in " +
                         option + " 1,3");
    return columns;
}

int toLineStyle(const std::string& text) {
    static const char* const names[] = {"solid", "dash", "dot", "dashdot", "dashdotdot"};
    if (text == "none") return -1;
    for (int i = 0; i < 5; ++i)
        if (text == names[i]) return i;
    throw UsageError("--line: expected solid, dash, dot, dashdot, dashdotdot or none, not \"" +
                     text + "\"");
}

} // namespace

PlotOptions parseArguments(int argc, char** argv) {
    PlotOptions o;
    bool sawInput = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i], value;
        bool inlineValue = false;
        if (arg.rfind("--", 0) == 0 && arg.find('=') != std::string::npos) {
            value = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
            inlineValue = true;
        }
        const auto next = [&]() -> const std::string& {
            if (!inlineValue) {
                if (i + 1 >= argc) throw UsageError(arg + ": needs a value");
                value = argv[++i];
            }
            return value;
        };
        if (arg == "-h" || arg == "--help") {
            o.help = true;
        } else if (arg == "-o" || arg == "--output") {
            o.output = next();
        } else if (arg == "-s" || arg == "--size") {
            const std::string v = next();
            const size_t x = v.find('x');
            if (x == std::string::npos) throw UsageError(arg + ": expected WIDTHxHEIGHT");
            o.width = toInt(arg, v.substr(0, x), 16, 16384);
            o.height = toInt(arg, v.substr(x + 1), 16, 16384);
        } else if (arg == "--black" || arg == "--white") {
            o.white = arg == "--white";
        } else if (arg == "--superpose") {
            o.superpose = true;
        } else if (arg == "--two-axes") {
            o.superpose = o.twoAxes = true;
        } else if (arg == "--hist") {
            const std::string v = next();
            if (v == "on" || v == "on-values") {
                o.type = GcGraphConfig::HISTON;
                o.histClasses = v == "on";
            } else if (v == "fromto") {
                o.type = GcGraphConfig::HISTFROMTO;
            } else {
                throw UsageError("--hist: expected on, on-values or fromto, not \"" + v + "\"");
            }
        } else if (arg == "--title") {
            o.title = next();
        } else if (arg == "--xlabel") {
            o.xlabel = next(), o.xlabelSet = true;
        } else if (arg == "--ylabel") {
            o.ylabels.push_back(next());
        } else if (arg == "--xrange") {
            o.xrange = toRange(arg, next());
        } else if (arg == "--yrange") {
            o.yrange = toRange(arg, next());
        } else if (arg == "--line") {
            o.lineStyle = toLineStyle(next());
        } else if (arg == "--line-width") {
            o.lineWidth = toInt(arg, next(), 1, 100);
        } else if (arg == "--marks") {
            o.markType = toInt(arg, next(), -1, 15);
        } else if (arg == "--window") {
            o.window = true;
        } else if (arg == "--follow") {
            o.follow = true;
        } else if (arg == "--logx" || arg == "--logy") {
            (arg == "--logx" ? o.logX : o.logY) = true;
        } else if (arg == "--time-x") {
            o.format.timeX = true;
        } else if (arg == "--sep") {
            o.format.separator = toSeparator(next());
        } else if (arg == "--decimal-comma") {
            o.format.decimalComma = true;
        } else if (arg == "-c" || arg == "--columns") {
            o.format.columns = toColumns(arg, next());
        } else if (arg.size() > 1 && arg[0] == '-' && !inlineValue) {
            throw UsageError(arg + ": unknown option (see --help)");
        } else if (!sawInput) {
            o.input = arg, sawInput = true;
        } else {
            throw UsageError(arg + ": only one input file");
        }
    }
    if (o.help) return o;
    if (!sawInput) throw UsageError("no input file (see --help)");
    if (o.output.empty() && !o.window) throw UsageError("no output: give -o FILE or --window");
    if (o.follow && (!o.window || o.input == "-"))
        throw UsageError("--follow: needs --window and a file, not standard input");
    o.format.skipUnendedLine = o.follow; // a logger may be writing the last line
    if (o.format.decimalComma && o.format.separator == ',')
        throw UsageError("--decimal-comma: the separator cannot be a comma too");
    return o;
}
