#pragma once

#include <ploxen/model/TextField.h>

#include <cstddef>
#include <cstdio>
#include <functional>

class GcGraph;
class GcGraphConfig;

// Writes graphs as comma-separated text through a local buffer. Every cell is followed by a
// comma; numbers read exactly as printf "%g" writes them. The buffer goes to the stream when it
// fills and when the writer is destroyed; the stream itself is neither flushed nor closed.
class CsvWriter {
public:
    explicit CsvWriter(FILE* stream) : stream(stream) {}
    ~CsvWriter() { flush(); }
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    // A header line with the cells htitle and "vtitle - name" per series, then one line per
    // vertex index with the x and y cells of each series, or two empty cells past its end.
    void writeGraph(const GcGraph& graph, const char (&htitle)[textFieldSize]);
    // Each graph headed with the configuration's horizontal title, followed by an empty line.
    void writeConfig(const GcGraphConfig& config);
    void flush();

    // Replaces the file path with what write puts into the stream given to it. Returns 1, or 0
    // with errno set when the file cannot be made or written completely; the old file then
    // stays as it was.
    static int toFile(const char* path, const std::function<void(FILE*)>& write);

private:
    void reserve(std::size_t n);
    void put(char c) { buffer[used++] = c; }
    void text(const char* s, std::size_t maxLength);
    void number(double v);

    FILE* stream;
    std::size_t used = 0;
    char buffer[1 << 16];
};
