// Reads the text the plotter plots: the library's own export (per series a column pair headed
// "x title" and "y title - name", a blank line between graphs) and plain numeric columns (first
// x, the others y, or the columns picked by CsvFormat::columns, with an optional header line of
// names). Cells are separated by commas, semicolons, tabs or runs of blanks, as the first line
// shows. Blocks of lines separated by blank lines become graphs. Text may arrive in pieces of
// any size; a UTF-8 byte-order mark at its start is skipped.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <ploxen/model/Vertex2D.h>

struct CsvSeries {
    std::string name;
    std::vector<Vertex2D> points;
};

struct CsvGraph {
    std::string htitle, vtitle;
    std::vector<CsvSeries> series;
    size_t line = 0; // the block's first line
};

// How cells are told apart and read.
struct CsvFormat {
    // ',', ';', '\t', or ' ' for runs of blanks; 0: the first line shows it (a tab, else a
    // semicolon, else a comma, else blanks between cells).
    char separator = 0;
    // "1,5" is one and a half; always so when the separator is a semicolon. A comma is then
    // no separator.
    bool decimalComma = false;
    // The x cells may also be ISO 8601 times (see parseIsoTime), read as seconds since the
    // epoch.
    bool timeX = false;
    // The x column, then the series' columns, of plain columns: 1-based numbers or header
    // names. Empty: the first column is x, every other one a series.
    std::vector<std::string> columns;
    // A last line without its line end is left unread: a logger may be writing it.
    bool skipUnendedLine = false;
};

// What is wrong with the input, and where: line and column count from 1; 0 when they do not
// apply (an empty input, a file that cannot be read).
class CsvError : public std::runtime_error {
public:
    CsvError(const std::string& message, size_t line = 0, size_t column = 0)
        : std::runtime_error(message), line(line), column(column) {}
    size_t line, column;
};

// How the plotter names an input: "<stdin>" for "-", else its path.
std::string inputName(const std::string& path);
// The one line that tells of an error in that input: "path:line:column: what", without the
// parts that do not apply.
std::string errorLine(const std::string& path, const CsvError& error);

class CsvReader {
public:
    // Inputs holding more points than this are refused (16 bytes of memory each).
    static constexpr size_t defaultMaxPoints = size_t(1) << 26;
    // What a line, a block and the input may hold at most, so that memory and time grow with
    // the points alone: longer lines, more cells in a line, more graphs (blocks) or more series
    // in all are refused where they start.
    static constexpr size_t maxLineBytes = size_t(1) << 20;
    static constexpr size_t maxCells = 1024;
    static constexpr size_t maxGraphs = 256;
    static constexpr size_t maxSeries = 4096;

    explicit CsvReader(size_t maxPoints = defaultMaxPoints, CsvFormat format = {})
        : m_maxPoints(maxPoints), m_format(std::move(format)) {}

    // The whole input's size when known: the first block's series are sized from it and the
    // length of their first row, instead of growing row by row.
    void expectBytes(size_t bytes) { m_expected = bytes; }
    // The next piece of text; a piece may end anywhere, even inside a number.
    void feed(std::string_view text);
    // Ends the input and hands over the graphs. Throws CsvError for input without data.
    std::vector<CsvGraph> finish();

private:
    void line(std::string_view text);
    void startBlock(std::string_view text);
    void pickColumns(const std::vector<std::string_view>& cells, bool& header);
    // A row of plain columns or of column pairs; plain commas take a syntax fixed when compiled.
    void plainRow(std::string_view text);
    template <class Syntax> void readRow(std::string_view text, const Syntax& syntax);
    void pairRow(std::string_view text);
    template <class Syntax> void readPairs(std::string_view text, const Syntax& syntax);
    void endBlock();
    void addPoint(CsvSeries& series, double x, double y);
    [[noreturn]] void fail(const std::string& message, size_t column) const;
    void checkLength(size_t bytes) const;

    size_t m_maxPoints;
    CsvFormat m_format;
    char m_separator = 0; // as given, or found on the first line
    size_t m_expected = 0;
    size_t m_points = 0;
    size_t m_series = 0;
    size_t m_line = 0;
    bool m_sawText = false;
    std::string m_partial; // the start of a line split between pieces
    std::vector<CsvGraph> m_graphs;
    // The block being read: its number of cells per row and how they map to series.
    bool m_inBlock = false;
    bool m_pairs = false; // column pairs (x, y) per series, as the library writes them
    size_t m_cells = 0;
    std::vector<bool> m_ended;  // pairs only: the series' column pair has run out
    std::vector<size_t> m_pick; // plain only: the x column, then the series' columns
    std::vector<char> m_used;   // plain only: per column, whether m_pick names it
    std::vector<double> m_row;
};

// Reads a whole file, or standard input for "-", in blocks. Inputs of more than maxBytes are
// refused before they are read (or as soon as a pipe has delivered that much).
std::vector<CsvGraph> readCsvFile(const std::string& path, size_t maxBytes,
                                  const CsvFormat& format = {},
                                  size_t maxPoints = CsvReader::defaultMaxPoints);
