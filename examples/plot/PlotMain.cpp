#include "PlotMain.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

#include "BlockRanges.h"
#include "CsvReader.h"
#include "PlotFigure.h"
#include "PlotFollow.h"
#include "PlotOptions.h"
#include "PlotOutput.h"
#include "PlotWindow.h"
#include <ploxen/export/Picture.h>
#include <ploxen/util/FileReplacement.h>

namespace {

constexpr size_t maxInputBytes = size_t(1) << 30;
constexpr int badInput = 2, cannotWrite = 1;

int complain(int status, const std::string& text) {
    std::fprintf(stderr, "ploxen-plot: %s\n", text.c_str());
    return status;
}

// Whether the output names the input's file, also through a link: writing it would lose the
// data.
bool sameFile(const std::string& input, const std::string& output) {
    struct stat in {};
    struct stat out {};
    const bool gotInput = input == "-" ? fstat(0, &in) == 0 : stat(input.c_str(), &in) == 0;
    return gotInput && stat(output.c_str(), &out) == 0 && in.st_dev == out.st_dev &&
           in.st_ino == out.st_ino;
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
    if (!o.window && sameFile(o.input, o.output))
        return complain(cannotWrite, o.output + ": is the input, left as it is");
    if (!o.window && pictureFormat(o.output.c_str()) == PictureFormat::Unknown)
        return complain(badInput,
                        o.output + ": unknown output type (use .png, .bmp, .svg or .pdf)");
    // File outputs need no display: they are drawn the same on any machine.
    if (!o.window) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // An output that cannot be written is refused before the input is read; it is prepared
    // again once the picture is ready, so that nothing holds interrupts while the input comes.
    if (!o.window) {
        const FileReplacement early(o.output.c_str());
        if (early.error()) return complain(cannotWrite, o.output + ": " + early.reason());
    }
    // Following, the file's state is taken before it is read: a change while it is read is
    // read again.
    std::unique_ptr<InputFollower> follower;
    if (o.follow) follower = std::make_unique<InputFollower>(o, maxInputBytes);
    std::unique_ptr<PlotFigure> figure;
    try {
        std::vector<CsvGraph> graphs = readCsvFile(o.input, maxInputBytes, o.format);
        const std::string apart = o.xrange.set ? "" : farApartBlocks(graphs);
        figure = std::make_unique<PlotFigure>(std::move(graphs), o);
        if (!apart.empty()) complain(0, inputName(o.input) + ": " + apart);
    } catch (const CsvError& e) {
        return complain(badInput, errorLine(o.input, e));
    } catch (const UsageError& e) {
        return complain(badInput, e.what());
    } catch (const std::bad_alloc&) {
        return complain(badInput, inputName(o.input) + ": not enough memory for its points");
    }
    try {
        if (o.window)
            return showWindow(figure->config(), o.width, o.height, o.white,
                              "ploxen-plot " + inputName(o.input), figure->title(), follower.get());
        writePicture(figure->config(), o.output, o.width, o.height, o.white, figure->title());
    } catch (const OutputError& e) {
        return complain(o.window ? badInput : cannotWrite,
                        (o.window ? std::string("--window") : o.output) + ": " + e.what());
    }
    return 0;
}
