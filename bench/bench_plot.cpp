// ploxen-plot on a 1,000,000-row, 2-column CSV drawn to a 1200 x 900 PNG: the reader's speed
// in MB/s (Google Benchmark, in this process), then whole runs of the program as a user makes
// them, with their wall time and peak memory. Goals: a whole run under 0.5 s on two cores;
// memory above the program's start-up under 3 x the data's binary size (16 bytes a point)
// plus the image.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

#include "CsvReader.h"

extern char** environ;

namespace {

constexpr int rows = 1000000;
const std::string dir = std::filesystem::temp_directory_path() / "ploxen-bench-plot";
const std::string big = dir + "/big.csv", tiny = dir + "/tiny.csv", out = dir + "/out.png";

void writeCsv(const std::string& path, int n) {
    FILE* f = std::fopen(path.c_str(), "w");
    std::fprintf(f, "time,signal\n");
    unsigned noise = 1;
    for (int i = 0; i < n; ++i) {
        noise = noise * 1103515245u + 12345u;
        std::fprintf(f, "%.6f,%.6g\n", i * 1e-3, std::sin(i * 1e-3) + (noise >> 16) / 65536.0);
    }
    std::fclose(f);
}

void BM_ReadCsv(benchmark::State& state) {
    const auto bytes = std::filesystem::file_size(big);
    for (auto _ : state) benchmark::DoNotOptimize(readCsvFile(big, size_t(1) << 30));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_ReadCsv)->Unit(benchmark::kMillisecond);

struct Run {
    double seconds;
    long peakKiB;
};

// One whole run of the program: wall time and the child's peak resident memory.
Run runOnce(const std::string& input) {
    std::vector<std::string> args = {PLOXEN_PLOT_PROGRAM, input, "-o", out, "-s", "1200x900"};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return {-1, 0};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {-1, 0};
    return {s, usage.ru_maxrss};
}

Run median(const std::string& input, int times) {
    std::vector<Run> runs;
    for (int i = 0; i < times; ++i) runs.push_back(runOnce(input));
    std::sort(runs.begin(), runs.end(), [](Run a, Run b) { return a.seconds < b.seconds; });
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::create_directories(dir);
    writeCsv(big, rows);
    writeCsv(tiny, 2);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const Run start = median(tiny, 3), whole = median(big, 5);
    const double mb = 1024.0 * 1024.0;
    const double binary = rows * 16.0 / mb, image = 1200 * 900 * 4 / mb;
    const double extra = (whole.peakKiB - start.peakKiB) / 1024.0;
    std::printf("ploxen-plot, %d rows x 2 columns (%.1f MB of text) to PNG 1200 x 900\n", rows,
                double(std::filesystem::file_size(big)) / mb);
    std::printf("  whole run (median of 5): %.3f s   goal 0.5 s   ratio %.2f\n", whole.seconds,
                whole.seconds / 0.5);
    std::printf("  same program on 2 rows:  %.3f s (start-up, drawing and writing)\n",
                start.seconds);
    std::printf("  peak memory: %.1f MiB; %.1f MiB on 2 rows; the difference %.1f MiB\n",
                whole.peakKiB / 1024.0, start.peakKiB / 1024.0, extra);
    std::printf("  goal: difference under 3 x %.1f MiB (points) + %.1f MiB (image) = %.1f MiB   "
                "ratio %.2f\n",
                binary, image, 3 * binary + image, extra / (3 * binary + image));
    std::filesystem::remove_all(dir);
    return 0;
}
