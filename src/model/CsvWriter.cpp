#include <ploxen/model/CsvWriter.h>

#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/util/FileReplacement.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Longest "%g" text of a double, such as "-1.23457e-308", with room to spare.
constexpr std::size_t maxNumberLength = 24;

// Decimal exponents that fastG handles, and the factors 10^(5 - x) that scale a value of
// exponent x to six integer digits. Up to 10^10 these are exact.
constexpr int fastMinExp = -5;
constexpr int fastMaxExp = 14;
constexpr double fastScale[] = {1e10, 1e9,  1e8,  1e7,  1e6,  1e5,  1e4,  1e3,  1e2,  1e1,
                                1e0,  1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9};

// Writes v as printf "%g" does, for 1e-5 <= |v| < 1e15, or returns null where the sixth digit's
// rounding is too close to call. The scaled value carries a relative error below 3e-16, about
// 3e-10 at six digits, so a fraction more than 1e-7 away from one half rounds as the exact value
// does. Other values, NaN and infinities are left to the general formatter.
char* fastG(char* out, double v) {
    const double a = std::fabs(v);
    if (!(a >= 1e-5 && a < 1e15)) return nullptr;
    // floor(log10 a) from the binary exponent, one too small at most (-6 at worst for 1e-5).
    const int binaryExp = static_cast<int>(std::bit_cast<std::uint64_t>(a) >> 52) - 1023;
    int x = (binaryExp * 1233) >> 12;
    if (x < fastMaxExp && a * fastScale[x + 1 - fastMinExp] >= 1e5) ++x;

    const double t = a * fastScale[x - fastMinExp];
    const double whole = std::floor(t);
    const double fraction = t - whole;
    if (std::fabs(fraction - 0.5) < 1e-7) return nullptr;
    auto r = static_cast<std::uint32_t>(whole) + (fraction > 0.5);
    if (r >= 1000000) { // 999999.5 and above carry into the next power of ten
        r /= 10;
        ++x;
    }
    char digits[6];
    for (int i = 5; i >= 0; --i, r /= 10) digits[i] = static_cast<char>('0' + r % 10);
    int length = 6; // without trailing zeros
    while (digits[length - 1] == '0') --length;

    if (v < 0) *out++ = '-';
    if (x < -4 || x >= 6) {
        *out++ = digits[0];
        if (length > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + length, out);
        }
        *out++ = 'e';
        *out++ = x < 0 ? '-' : '+';
        *out++ = static_cast<char>('0' + std::abs(x) / 10);
        *out++ = static_cast<char>('0' + std::abs(x) % 10);
    } else if (x >= 0) {
        out = std::copy(digits, digits + x + 1, out);
        if (length > x + 1) {
            *out++ = '.';
            out = std::copy(digits + x + 1, digits + length, out);
        }
    } else {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -x - 1, '0');
        out = std::copy(digits, digits + length, out);
    }
    return out;
}

// Vertices of a series; a null array counts as empty.
int vertexCount(const GcGLine& line) {
    return line.vertex ? std::max(line.nvertex, 0) : 0;
}

} // namespace

void CsvWriter::writeGraph(const GcGraph& graph, const char (&htitle)[textFieldSize]) {
    const int nline = graph.line ? std::max(graph.nline, 0) : 0;
    int rows = 0;
    for (int s = 0; s < nline; ++s) {
        const GcGLine& line = graph.line[s];
        text(htitle, textFieldSize);
        text(",", 1);
        text(graph.vtitle, textFieldSize);
        text(" - ", 3);
        text(line.name, textFieldSize);
        text(",", 1);
        rows = std::max(rows, vertexCount(line));
    }
    text("\n", 1);
    for (int r = 0; r < rows; ++r) {
        for (int s = 0; s < nline; ++s) {
            const GcGLine& line = graph.line[s];
            reserve(2 * maxNumberLength + 2);
            if (r < vertexCount(line)) {
                number(line.vertex[r].x);
                put(',');
                number(line.vertex[r].y);
                put(',');
            } else {
                put(',');
                put(',');
            }
        }
        reserve(1);
        put('\n');
    }
}

void CsvWriter::writeConfig(const GcGraphConfig& config) {
    if (!config.graph) return;
    for (int g = 0; g < config.ngraph; ++g) {
        writeGraph(config.graph[g], config.htitle);
        text("\n", 1);
    }
}

void CsvWriter::flush() {
    if (used) std::fwrite(buffer, 1, used, stream);
    used = 0;
}

int CsvWriter::toFile(const char* path, const std::function<void(FILE*)>& write) {
    FileReplacement file(path);
    // A stream whose writes go to the replacement, which keeps the reason of a failure and
    // then refuses to commit.
    cookie_io_functions_t io{};
    io.write = [](void* to, const char* data, size_t size) -> ssize_t {
        return static_cast<FileReplacement*>(to)->write(data, size) ? ssize_t(size) : -1;
    };
    FILE* stream = file.error() ? nullptr : fopencookie(&file, "w", io);
    if (!stream) return 0;
    write(stream);
    std::fclose(stream);
    return file.commit() ? 1 : 0;
}

void CsvWriter::reserve(std::size_t n) {
    if (sizeof buffer - used < n) flush();
}

void CsvWriter::text(const char* s, std::size_t maxLength) {
    const std::size_t n = strnlen(s, maxLength);
    reserve(n);
    std::memcpy(buffer + used, s, n);
    used += n;
}

void CsvWriter::number(double v) {
    char* end = fastG(buffer + used, v);
    // Precision 6 in the general format is printf's "%g", NaN and infinities spelled alike.
    if (!end)
        end = std::to_chars(buffer + used, buffer + sizeof buffer, v, std::chars_format::general, 6)
                  .ptr;
    used = end - buffer;
}
