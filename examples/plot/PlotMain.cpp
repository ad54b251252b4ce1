#include "PlotMain.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "CsvReader.h"
#include "PlotFigure.h"
#include "PlotOptions.h"
#include "PlotOutput.h"
#include "PlotWindow.h"

namespace {

constexpr size_t maxInputBytes = size_t(1) << 30;
constexpr int badInput = 2, cannotWrite = 1;

int complain(int status, const std::string& text) {
    std::fprintf(stderr, "ploxen-plot: %s\n", text.c_str());
    return status;
}

std::string inputName(const std::string& path) {
    return path == "-" ? "<stdin>" : path;
}

std::string where(const std::string& path, const CsvError& e) {
    std::string s = inputName(path) + ":";
    if (e.line) s += std::to_string(e.line) + ":";
    if (e.column) s += std::to_string(e.column) + ":";
    return s + " " + e.what();
}

} // namespace

int plotMain(int argc, char** argv) {
    PlotOptions o;
    try {
        o = parseArguments(argc, argv);
    } catch (const UsageError& e) {
        return complain(badInput, e.what());
    }
    if (o.help) {
        std::fputs(plotHelp, stdout);
        return 0;
    }
    const OutputType type = o.window ? OutputType::Unknown : outputType(o.output);
    if (!o.window && type == OutputType::Unknown)
        return complain(badInput, o.output + ": unknown output type (use .png, .bmp or .pdf)");
    // File outputs need no display: they are drawn the same on any machine.
    if (!o.window) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::unique_ptr<ReplacingFile> file;
    try {
        if (!o.window) file = std::make_unique<ReplacingFile>(o.output);
    } catch (const OutputError& e) {
        return complain(cannotWrite, o.output + ": " + e.what());
    }
    std::unique_ptr<PlotFigure> figure;
    try {
        figure = std::make_unique<PlotFigure>(readCsvFile(o.input, maxInputBytes), o);
    } catch (const CsvError& e) {
        return complain(badInput, where(o.input, e));
    } catch (const UsageError& e) {
        return complain(badInput, e.what());
    } catch (const std::bad_alloc&) {
        return complain(badInput, inputName(o.input) + ": not enough memory for its points");
    }
    try {
        if (o.window)
            return showWindow(figure->config(), o.width, o.height, o.white,
                              "ploxen-plot " + inputName(o.input), figure->title());
        writePicture(figure->config(), type, o.width, o.height, o.white, *file, figure->title());
    } catch (const OutputError& e) {
        return complain(o.window ? badInput : cannotWrite,
                        (o.window ? std::string("--window") : o.output) + ": " + e.what());
    }
    return 0;
}
