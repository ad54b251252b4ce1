// The plotter's reader on any text, handed over in two pieces split where the first byte
// says; what it accepts is made into a figure (stacked, superposed, two axes or bars, as the
// second byte says, which also asks for decimal commas and times in x) and drawn small.
// Errors are answers; crashes, hangs and leaks are not.
#include <cstdint>
#include <string_view>

#include "CsvReader.h"
#include "PlotFigure.h"
#include "PlotOutput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t split = data[0] % (size - 1);
    const uint8_t style = data[1];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    try {
        CsvFormat format;
        format.decimalComma = style & 64;
        format.timeX = style & 128;
        CsvReader reader(100000, format);
        reader.feed(text.substr(0, split));
        reader.feed(text.substr(split));
        PlotOptions o;
        o.superpose = style & 1;
        o.twoAxes = style & 2;
        o.type = GcGraphConfig::TYPE((style >> 2) % 3);
        o.histClasses = style & 16;
        o.white = style & 32;
        PlotFigure figure(reader.finish(), o);
        drawPicture(figure.config(), 160, 120, o.white);
    } catch (const CsvError&) {
    } catch (const UsageError&) {
    }
    return 0;
}
