// The plotter's outputs: a picture file (PNG, BMP or PDF, by the name's extension) that
// appears under its name only once it is complete.
#pragma once

#include <QImage>
#include <stdexcept>
#include <string>

#include <ploxen/model/GcGraphConfig.h>

enum class OutputType { Png, Bmp, Pdf, Unknown };
OutputType outputType(const std::string& path);

// The output cannot be written; the message says why.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file written beside its final name and renamed over it by commit(); dropped unless
// committed.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::string& path);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    int fd() const { return m_fd; }
    const std::string& tempPath() const { return m_temp; }
    void commit();

private:
    std::string m_path, m_temp;
    int m_fd = -1;
};

// The configuration drawn on a width x height memory bitmap, with title (if any) above it.
QImage drawPicture(GcGraphConfig& config, int width, int height, bool white,
                   const std::string& title = {});

// Draws and writes into file: a PNG or BMP picture of width x height pixels, or a PDF page
// drawn through the printer device context with those proportions.
void writePicture(GcGraphConfig& config, OutputType type, int width, int height, bool white,
                  ReplacingFile& file, const std::string& title = {});
