// The plotter's outputs: a picture file (PNG, BMP or PDF, by the name's extension) that
// appears under its name only once it is complete (see FileReplacement).
#pragma once

#include <QImage>
#include <stdexcept>
#include <string>

#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/util/FileReplacement.h>

enum class OutputType { Png, Bmp, Pdf, Unknown };
OutputType outputType(const std::string& path);

// The output cannot be written; the message says why.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The configuration drawn on a width x height memory bitmap, with title (if any) above it.
QImage drawPicture(GcGraphConfig& config, int width, int height, bool white,
                   const std::string& title = {});

// Draws and writes into file, and commits it: a PNG or BMP picture of width x height pixels,
// or a PDF page drawn through the printer device context with those proportions. Throws
// OutputError with the system's reason when the file cannot be written completely.
void writePicture(GcGraphConfig& config, OutputType type, int width, int height, bool white,
                  FileReplacement& file, const std::string& title = {});
