#include "CsvReader.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "IsoTime.h"

namespace {

// How the cells of a line are told apart: by one separator character with blanks around the
// cells, or (' ') by runs of blanks.
struct Syntax {
    char separator = ',';
    bool decimalComma = false;

    bool runs() const { return separator == ' '; }
    bool blank(char c) const { return c == ' ' || (c == '\t' && separator != '\t'); }
    // Whether c ends a cell.
    bool ends(char c) const { return runs() ? blank(c) : c == separator; }
};

// The usual syntax, commas and decimal points, fixed when compiled: rows of it are read as
// fast as before there were others.
struct CommaSyntax {
    static constexpr char separator = ',';
    static constexpr bool decimalComma = false;
    static constexpr bool runs() { return false; }
    static constexpr bool blank(char c) { return c == ' ' || c == '\t'; }
    static constexpr bool ends(char c) { return c == ','; }
};

template <class S> std::string_view trim(std::string_view s, const S& syntax) {
    while (!s.empty() && syntax.blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && syntax.blank(s.back())) s.remove_suffix(1);
    return s;
}

// The separator a line shows: a tab, else a semicolon, else a comma (none with decimal commas),
// else blanks between cells; a comma when the line shows none.
char findSeparator(std::string_view line, bool decimalComma) {
    if (line.find('\t') != std::string_view::npos) return '\t';
    if (line.find(';') != std::string_view::npos) return ';';
    if (!decimalComma && line.find(',') != std::string_view::npos) return ',';
    if (trim(line, Syntax{' '}).find(' ') != std::string_view::npos) return ' ';
    return decimalComma ? ' ' : ',';
}

enum class Kind { Number, Empty, NotNumber, OutOfRange };

struct Cell {
    Kind kind;
    const char* start; // first character that is not a blank
    const char* next;  // what ends the cell: its separator, a blank, or the end of the line
    double value;
};

// A number from p on, read without the locale: from_chars, with a decimal comma turned into a
// point first when the syntax has them.
template <class S>
std::from_chars_result readNumber(const char* p, const char* end, double& value, const S& syntax) {
    if (!syntax.decimalComma) return std::from_chars(p, end, value);
    char buffer[64];
    size_t n = 0;
    for (; n < sizeof buffer && p + n != end && !syntax.ends(p[n]); ++n)
        buffer[n] = p[n] == ',' ? '.' : p[n];
    if (n == sizeof buffer) return std::from_chars(p, end, value); // no number is this long
    const auto [after, error] = std::from_chars(buffer, buffer + n, value);
    return {p + (after - buffer), error};
}

// One cell from p on: a number with blanks around it, or nothing. With time, text that is no
// number may be an ISO 8601 time. Inlined into each row's loop, where the time goes.
template <class S>
[[gnu::always_inline]] inline Cell scanCell(const char* p, const char* end, const S& syntax,
                                            bool time = false) {
    while (p != end && syntax.blank(*p)) ++p;
    Cell cell{Kind::Empty, p, p, 0.0};
    if (p == end || *p == syntax.separator) return cell;
    const char* q = p;
    if (*q == '+' && q + 1 != end && q[1] != '-') ++q; // from_chars takes no plus sign
    const auto [after, error] = readNumber(q, end, cell.value, syntax);
    const char* rest = after;
    if (!syntax.runs())
        while (rest != end && syntax.blank(*rest)) ++rest;
    if (error == std::errc::invalid_argument || (rest != end && !syntax.ends(*rest))) {
        cell.kind = Kind::NotNumber;
        while (rest != end && !syntax.ends(*rest)) ++rest;
        if (time) {
            const auto seconds = parseIsoTime(trim({p, size_t(rest - p)}, syntax));
            if (seconds) cell.kind = Kind::Number, cell.value = *seconds;
        }
    } else {
        cell.kind = error == std::errc() ? Kind::Number : Kind::OutOfRange;
    }
    cell.next = rest;
    return cell;
}

// Past a cell that is not read, to what ends it.
template <class S> const char* skipCell(const char* p, const char* end, const S& syntax) {
    while (syntax.runs() && p != end && syntax.blank(*p)) ++p;
    while (p != end && !syntax.ends(*p)) ++p;
    return p;
}

// The cells of a line, up to limit of them; a separator closing the line (the library ends
// every line with a comma) opens no further cell.
std::vector<std::string_view> splitCells(std::string_view s, const Syntax& syntax,
                                         size_t limit = CsvReader::maxCells + 1) {
    std::vector<std::string_view> cells;
    if (syntax.runs()) s = trim(s, syntax);
    while (cells.size() < limit) {
        const char *begin = s.data(), *end = begin + s.size();
        const char* stop = skipCell(begin, end, syntax);
        cells.push_back(trim({begin, size_t(stop - begin)}, syntax));
        if (stop == end) break;
        s.remove_prefix(size_t(stop - begin) + 1);
        if (trim(s, syntax).empty()) break;
    }
    return cells;
}

std::string unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

bool isNumber(std::string_view c, const Syntax& syntax, bool time) {
    return scanCell(c.data(), c.data() + c.size(), syntax, time).kind == Kind::Number;
}

// The library's header: "x title,y title - name" per series, the same x title throughout.
bool libraryHeader(const std::vector<std::string_view>& cells) {
    if (cells.size() % 2 != 0) return false;
    for (size_t i = 0; i < cells.size(); i += 2)
        if (cells[i] != cells[0] || cells[i + 1].find(" - ") == std::string_view::npos)
            return false;
    return true;
}

bool isIndex(const std::string& column) {
    return !column.empty() &&
           std::all_of(column.begin(), column.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string inputName(const std::string& path) {
    return path == "-" ? "<stdin>" : path;
}

std::string errorLine(const std::string& path, const CsvError& error) {
    std::string s = inputName(path) + ":";
    if (error.line) s += std::to_string(error.line) + ":";
    if (error.column) s += std::to_string(error.column) + ":";
    return s + " " + error.what();
}

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
    if (!m_partial.empty() && !m_format.skipUnendedLine) line(m_partial);
    m_partial.clear();
    endBlock();
    if (!m_sawText) throw CsvError("no data: the input is empty");
    if (m_points == 0) throw CsvError("no data: the input has no rows of numbers");
    return std::move(m_graphs);
}

void CsvReader::line(std::string_view text) {
    ++m_line;
    if (m_line == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (trim(text, CommaSyntax{}).empty()) return endBlock(); // spaces and tabs only
    if (!m_separator) {
        m_separator =
            m_format.separator ? m_format.separator : findSeparator(text, m_format.decimalComma);
        m_format.decimalComma = m_format.decimalComma || m_separator == ';';
    }
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

// The columns of a plain block: those -c names (numbers, or names the header line holds),
// else all. The line is a header when it holds names, or when the cells picked are not all
// numbers.
void CsvReader::pickColumns(const std::vector<std::string_view>& cells, bool& header) {
    const Syntax syntax{m_separator, m_format.decimalComma};
    m_pick.clear();
    if (m_format.columns.empty())
        for (size_t c = 0; c < cells.size(); ++c) m_pick.push_back(c);
    bool names = false;
    for (const std::string& column : m_format.columns) {
        if (!isIndex(column)) {
            names = true;
            continue;
        }
        size_t index = 0; // stays 0 when too large
        std::from_chars(column.data(), column.data() + column.size(), index);
        if (index < 1 || index > cells.size())
            fail("-c " + column + ": no such column, the line has " + std::to_string(cells.size()),
                 1);
        m_pick.push_back(index - 1);
    }
    header = names;
    for (size_t i = 0; i < m_pick.size() && !header; ++i)
        header = !isNumber(cells[m_pick[i]], syntax, m_format.timeX && i == 0);
    if (!names) return;
    m_pick.clear();
    for (const std::string& column : m_format.columns) {
        if (isIndex(column)) {
            m_pick.push_back(size_t(std::stoul(column)) - 1); // in range: checked above
            continue;
        }
        size_t c = 0;
        while (c < cells.size() && unquote(cells[c]) != column) ++c;
        if (c == cells.size()) {
            std::string known;
            for (std::string_view name : cells)
                known += (known.empty() ? "" : ", ") + unquote(name);
            fail("-c " + column + ": no column of that name; the header has " + known, 1);
        }
        m_pick.push_back(c);
    }
}

void CsvReader::startBlock(std::string_view text) {
    const Syntax syntax{m_separator, m_format.decimalComma};
    const std::vector<std::string_view> cells = splitCells(text, syntax);
    if (cells.size() > maxCells)
        fail("more than " + std::to_string(maxCells) + " cells in a line",
             size_t(cells.back().data() - text.data()) + 1);
    if (m_graphs.size() == maxGraphs)
        fail("more than " + std::to_string(maxGraphs) + " graphs (blocks of lines)", 1);
    if (cells.size() < 2) fail("expected an x column and at least one y column", 1);
    CsvGraph& graph = m_graphs.emplace_back();
    graph.line = m_line;
    m_inBlock = true;
    m_cells = cells.size();
    m_row.assign(m_cells, 0.0);
    m_pairs = libraryHeader(cells);
    if (m_pairs && !m_format.columns.empty())
        fail("-c picks plain columns, not the column pairs of a Ploxen export", 1);
    if (m_pairs) {
        graph.htitle = unquote(cells[0]);
        for (size_t i = 1; i < m_cells; i += 2) {
            const size_t dash = cells[i].find(" - ");
            if (i == 1) graph.vtitle = std::string(cells[i].substr(0, dash));
            graph.series.push_back({std::string(cells[i].substr(dash + 3)), {}});
        }
        m_ended.assign(graph.series.size(), false);
        return;
    }
    bool header = false;
    pickColumns(cells, header);
    m_used.assign(m_cells, 0);
    for (size_t c : m_pick) m_used[c] = 1;
    if (header) graph.htitle = unquote(cells[m_pick[0]]);
    for (size_t i = 1; i < m_pick.size(); ++i)
        graph.series.push_back(
            {header ? unquote(cells[m_pick[i]]) : "y" + std::to_string(m_pick[i]), {}});
    if (!header) plainRow(text);
}

void CsvReader::plainRow(std::string_view text) {
    if (m_separator == ',' && !m_format.decimalComma)
        readRow(text, CommaSyntax{});
    else
        readRow(text, Syntax{m_separator, m_format.decimalComma});
}

template <class S> void CsvReader::readRow(std::string_view text, const S& syntax) {
    const char *begin = text.data(), *end = begin + text.size(), *p = begin;
    const auto column = [begin](const char* at) { return size_t(at - begin) + 1; };
    const auto tooFew = [&](size_t found, const char* at) {
        fail("expected " + std::to_string(m_cells) + " cells, found " + std::to_string(found),
             column(at));
    };
    if (syntax.runs())
        while (p != end && syntax.blank(*p)) ++p;
    for (size_t c = 0; c < m_cells; ++c) {
        if (c > 0) {
            if (p == end) tooFew(c, p);
            ++p; // the separator
        }
        if (!m_used[c]) {
            p = skipCell(p, end, syntax);
            continue;
        }
        const Cell cell = scanCell(p, end, syntax, m_format.timeX && c == m_pick[0]);
        if (cell.kind == Kind::Empty) {
            if (syntax.runs()) tooFew(c, cell.start);
            fail("empty cell (write nan for a gap)", column(cell.start));
        }
        if (cell.kind == Kind::NotNumber) {
            const bool comma = !syntax.decimalComma && syntax.separator != ',' &&
                               std::find(cell.start, cell.next, ',') != cell.next;
            if (m_format.timeX && c == m_pick[0])
                fail("not a time (seconds since 1970 or ISO 8601 as 2026-12-07T10:15:00)",
                     column(cell.start));
            fail(comma ? "not a number (for decimal commas give --decimal-comma)" : "not a number",
                 column(cell.start));
        }
        if (cell.kind == Kind::OutOfRange) fail("number out of range", column(cell.start));
        m_row[c] = cell.value;
        p = cell.next;
    }
    if (p != end) { // a separator: only a closing one may follow
        const char* rest = p + 1;
        while (rest != end && syntax.blank(*rest)) ++rest;
        if (rest != end) {
            const size_t found = m_cells + splitCells({rest, size_t(end - rest)},
                                                      Syntax{m_separator, m_format.decimalComma})
                                               .size();
            fail("expected " + std::to_string(m_cells) + " cells, found " + std::to_string(found),
                 column(rest));
        }
    }
    std::vector<CsvSeries>& series = m_graphs.back().series;
    if (m_expected && m_graphs.size() == 1 && series[0].points.empty()) {
        const size_t rows = m_expected / (text.size() + 1) * 9 / 8 + 16;
        for (CsvSeries& s : series) s.points.reserve(std::min(rows, m_maxPoints / series.size()));
    }
    const double x = m_row[m_pick[0]];
    for (size_t i = 1; i < m_pick.size(); ++i) addPoint(series[i - 1], x, m_row[m_pick[i]]);
}

void CsvReader::pairRow(std::string_view text) {
    if (m_separator == ',' && !m_format.decimalComma)
        readPairs(text, CommaSyntax{});
    else
        readPairs(text, Syntax{m_separator, m_format.decimalComma});
}

template <class S> void CsvReader::readPairs(std::string_view text, const S& syntax) {
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
            pair[k] = scanCell(p, end, syntax, m_format.timeX && k == 0);
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
        while (rest != end && syntax.blank(*rest)) ++rest;
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

std::vector<CsvGraph> readCsvFile(const std::string& path, size_t maxBytes, const CsvFormat& format,
                                  size_t maxPoints) {
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

    CsvReader reader(maxPoints, format);
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
