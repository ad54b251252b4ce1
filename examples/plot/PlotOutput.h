// The plotter's outputs: a picture file (PNG, BMP, SVG or PDF, by the name's extension) that
// appears under its name only once it is complete (see FileReplacement).
#pragma once

#include <QImage>
#include <stdexcept>
#include <string>

#include <ploxen/model/GcGraphConfig.h>

// The output cannot be written; the message says why.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The configuration drawn on a width x height memory bitmap, with title (if any) above it.
QImage drawPicture(GcGraphConfig& config, int width, int height, bool white,
                   const std::string& title = {});

// Draws and writes the picture to path (see savePicture): a PNG or BMP picture of width x height
// pixels, an SVG of that size, or a PDF page with those proportions. Throws OutputError with the
// reason when the file cannot be written completely.
void writePicture(GcGraphConfig& config, const std::string& path, int width, int height, bool white,
                  const std::string& title = {});
