#include "CsvReader.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

enum class Kind { Number, Empty, NotNumber, OutOfRange };

struct Cell {
    Kind kind;
    const char* start; // first character that is not a blank
    const char* next;  // the separator after the cell, or the end of the line
    double value;
};

// One cell from p on: a number with blanks around it, or nothing.
Cell scanCell(const char* p, const char* end) {
    while (p != end && blank(*p)) ++p;
    Cell cell{Kind::Empty, p, p, 0.0};
    if (p == end || *p == ',') return cell;
    const char* q = p;
    if (*q == '+' && q + 1 != end && q[1] != '-') ++q; // from_chars takes no plus sign
    const auto [after, error] = std::from_chars(q, end, cell.value);
    const char* rest = after;
    while (rest != end && blank(*rest)) ++rest;
    if (error == std::errc::invalid_argument || (rest != end && *rest != ',')) {
        cell.kind = Kind::NotNumber;
        while (rest != end && *rest != ',') ++rest;
    } else {
        cell.kind = error == std::errc() ? Kind::Number : Kind::OutOfRange;
    }
    cell.next = rest;
    return cell;
}

// The cells of a line; a comma closing the line (the library ends every line with one) opens
// no further cell.
std::vector<std::string_view> splitCells(std::string_view s) {
    std::vector<std::string_view> cells;
    for (;;) {
        const size_t comma = s.find(',');
        cells.push_back(trim(s.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        s.remove_prefix(comma + 1);
        if (trim(s).empty()) break;
    }
    return cells;
}

std::string unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

bool allNumbers(const std::vector<std::string_view>& cells) {
    for (std::string_view c : cells)
        if (scanCell(c.data(), c.data() + c.size()).kind != Kind::Number) return false;
    return true;
}

// The library's header: "x title,y title - name" per series, the same x title throughout.
bool libraryHeader(const std::vector<std::string_view>& cells) {
    if (cells.size() % 2 != 0) return false;
    for (size_t i = 0; i < cells.size(); i += 2)
        if (cells[i] != cells[0] || cells[i + 1].find(" - ") == std::string_view::npos)
            return false;
    return true;
}

} // namespace

void CsvReader::fail(const std::string& message, size_t column) const {
    throw CsvError(message, m_line, column);
}

// The line being read (not counted yet) has this many bytes so far.
void CsvReader::checkLength(size_t bytes) const {
    if (bytes > maxLineBytes)
        throw CsvError("line longer than " + std::to_string(maxLineBytes) + " bytes", m_line + 1,
                       maxLineBytes + 1);
}

void CsvReader::feed(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        checkLength(m_partial.size() + std::min(end, text.size()));
        if (end == std::string_view::npos) {
            m_partial.append(text);
            return;
        }
        if (m_partial.empty()) {
            line(text.substr(0, end));
        } else {
            m_partial.append(text.substr(0, end));
            line(m_partial);
            m_partial.clear();
        }
        text.remove_prefix(end + 1);
    }
}

std::vector<CsvGraph> CsvReader::finish() {
    if (!m_partial.empty()) {
        line(m_partial);
        m_partial.clear();
    }
    endBlock();
    if (!m_sawText) throw CsvError("no data: the input is empty");
    if (m_points == 0) throw CsvError("no data: the input has no rows of numbers");
    return std::move(m_graphs);
}

void CsvReader::line(std::string_view text) {
    ++m_line;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (trim(text).empty()) return endBlock();
    m_sawText = true;
    if (!m_inBlock) {
        startBlock(text);
        m_series += m_graphs.back().series.size();
        if (m_series > maxSeries)
            fail("more than " + std::to_string(maxSeries) + " series in all", 1);
    } else if (m_pairs)
        pairRow(text);
    else
        plainRow(text);
}

void CsvReader::startBlock(std::string_view text) {
    size_t commas = 0, at = 0;
    for (; commas < maxCells && at < text.size(); ++at) commas += text[at] == ',';
    if (commas == maxCells && !trim(text.substr(at)).empty())
        fail("more than " + std::to_string(maxCells) + " cells in a line", at + 1);
    if (m_graphs.size() == maxGraphs)
        fail("more than " + std::to_string(maxGraphs) + " graphs (blocks of lines)", 1);
    const std::vector<std::string_view> cells = splitCells(text);
    if (cells.size() < 2) fail("expected an x column and at least one y column", 1);
    CsvGraph& graph = m_graphs.emplace_back();
    m_inBlock = true;
    m_cells = cells.size();
    m_row.assign(m_cells, 0.0);
    if (allNumbers(cells)) { // no header: the block starts with data
        m_pairs = false;
        for (size_t i = 1; i < m_cells; ++i) graph.series.push_back({"y" + std::to_string(i), {}});
        return plainRow(text);
    }
    m_pairs = libraryHeader(cells);
    graph.htitle = unquote(cells[0]);
    if (!m_pairs) {
        for (size_t i = 1; i < m_cells; ++i) graph.series.push_back({unquote(cells[i]), {}});
        return;
    }
    for (size_t i = 1; i < m_cells; i += 2) {
        const size_t dash = cells[i].find(" - ");
        if (i == 1) graph.vtitle = std::string(cells[i].substr(0, dash));
        graph.series.push_back({std::string(cells[i].substr(dash + 3)), {}});
    }
    m_ended.assign(graph.series.size(), false);
}

void CsvReader::plainRow(std::string_view text) {
    const char *begin = text.data(), *end = begin + text.size(), *p = begin;
    const auto column = [begin](const char* at) { return size_t(at - begin) + 1; };
    for (size_t c = 0; c < m_cells; ++c) {
        if (c > 0) {
            if (p == end)
                fail("expected " + std::to_string(m_cells) + " cells, found " + std::to_string(c),
                     column(p));
            ++p; // the comma
        }
        const Cell cell = scanCell(p, end);
        if (cell.kind == Kind::Empty) fail("empty cell (write nan for a gap)", column(cell.start));
        if (cell.kind == Kind::NotNumber) fail("not a number", column(cell.start));
        if (cell.kind == Kind::OutOfRange) fail("number out of range", column(cell.start));
        m_row[c] = cell.value;
        p = cell.next;
    }
    if (p != end) { // a comma: only a closing one may follow
        const char* rest = p + 1;
        while (rest != end && blank(*rest)) ++rest;
        if (rest != end) {
            const size_t found = m_cells + splitCells({rest, size_t(end - rest)}).size();
            fail("expected " + std::to_string(m_cells) + " cells, found " + std::to_string(found),
                 column(rest));
        }
    }
    std::vector<CsvSeries>& series = m_graphs.back().series;
    if (m_expected && m_graphs.size() == 1 && series[0].points.empty()) {
        const size_t rows = m_expected / (text.size() + 1) * 9 / 8 + 16;
        for (CsvSeries& s : series) s.points.reserve(std::min(rows, m_maxPoints / series.size()));
    }
    for (size_t c = 1; c < m_cells; ++c) addPoint(series[c - 1], m_row[0], m_row[c]);
}

void CsvReader::pairRow(std::string_view text) {
    const char *begin = text.data(), *end = begin + text.size(), *p = begin;
    const auto column = [begin](const char* at) { return size_t(at - begin) + 1; };
    std::vector<CsvSeries>& series = m_graphs.back().series;
    for (size_t s = 0; s < series.size(); ++s) {
        Cell pair[2];
        for (int k = 0; k < 2; ++k) {
            const size_t c = 2 * s + size_t(k);
            if (c > 0) {
                if (p == end)
                    fail("expected " + std::to_string(m_cells) + " cells, found " +
                             std::to_string(c),
                         column(p));
                ++p;
            }
            pair[k] = scanCell(p, end);
            if (pair[k].kind == Kind::NotNumber) fail("not a number", column(pair[k].start));
            if (pair[k].kind == Kind::OutOfRange)
                fail("number out of range", column(pair[k].start));
            p = pair[k].next;
        }
        const bool emptyX = pair[0].kind == Kind::Empty, emptyY = pair[1].kind == Kind::Empty;
        if (emptyX && emptyY) {
            m_ended[s] = true; // shorter series are padded with empty cells
            continue;
        }
        if (emptyX || emptyY)
            fail(emptyX ? "y without its x" : "x without its y",
                 column((emptyX ? pair[0] : pair[1]).start));
        if (m_ended[s])
            fail("series \"" + series[s].name + "\" goes on after empty cells",
                 column(pair[0].start));
        addPoint(series[s], pair[0].value, pair[1].value);
    }
    if (p != end) {
        const char* rest = p + 1;
        while (rest != end && blank(*rest)) ++rest;
        if (rest != end) fail("more cells than the header names", column(rest));
    }
}

void CsvReader::endBlock() {
    m_inBlock = false;
}

void CsvReader::addPoint(CsvSeries& series, double x, double y) {
    if (++m_points > m_maxPoints) fail("more than " + std::to_string(m_maxPoints) + " points", 1);
    series.points.push_back({x, y});
}

std::vector<CsvGraph> readCsvFile(const std::string& path, size_t maxBytes, size_t maxPoints) {
    const bool standardInput = path == "-";
    const int fd = standardInput ? 0 : open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw CsvError(std::strerror(errno));
    struct Closer {
        int fd;
        bool owned;
        ~Closer() {
            if (owned) close(fd);
        }
    } closer{fd, !standardInput};
    const auto tooLarge = [maxBytes] {
        return CsvError("larger than " + std::to_string(maxBytes >> 20) +
                        " MiB, the most the plotter reads");
    };
    struct stat st {};
    if (fstat(fd, &st) != 0) throw CsvError(std::strerror(errno));
    if (S_ISDIR(st.st_mode)) throw CsvError(std::strerror(EISDIR));
    if (S_ISREG(st.st_mode) && size_t(st.st_size) > maxBytes) throw tooLarge();
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    CsvReader reader(maxPoints);
    if (S_ISREG(st.st_mode)) reader.expectBytes(size_t(st.st_size));
    constexpr size_t blockSize = size_t(1) << 20;
    const std::unique_ptr<char[]> block(new char[blockSize]);
    size_t total = 0;
    for (;;) {
        const ssize_t n = read(fd, block.get(), blockSize);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw CsvError(std::strerror(errno));
        if (n == 0) break;
        total += size_t(n);
        if (total > maxBytes) throw tooLarge();
        reader.feed({block.get(), size_t(n)});
    }
    return reader.finish();
}
