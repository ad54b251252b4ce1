// Sequential transfer of 1 GiB in 1 MiB blocks through CFile64 against plain read and write
// on the same file (in /tmp, removed at the end). Prints the ratios of the two times.
#include "util/CFile64.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t block = 1 << 20;
constexpr int blocks = 1024;

struct Data {
    std::string name;
    std::vector<char> buffer = std::vector<char>(block, 'p');

    Data() {
        char templ[] = "/tmp/ploxen-bench-file-XXXXXX";
        const int fd = mkstemp(templ);
        name = templ;
        for (int i = 0; i < blocks; ++i)
            if (write(fd, buffer.data(), block) != ssize_t(block)) std::abort();
        close(fd);
    }
    ~Data() { unlink(name.c_str()); }
};

Data& data() {
    static Data d;
    return d;
}

void BM_rawWrite(benchmark::State& state) {
    Data& d = data();
    const int fd = open(d.name.c_str(), O_RDWR);
    for (auto _ : state) {
        lseek(fd, 0, SEEK_SET);
        for (int i = 0; i < blocks; ++i)
            if (write(fd, d.buffer.data(), block) != ssize_t(block)) state.SkipWithError("write");
    }
    close(fd);
    state.SetBytesProcessed(state.iterations() * blocks * block);
}

void BM_CFile64Write(benchmark::State& state) {
    Data& d = data();
    CFile64 f;
    f.Open(d.name.c_str(), CFile::modeReadWrite);
    for (auto _ : state) {
        f.SeekToBegin();
        for (int i = 0; i < blocks; ++i) f.Write(d.buffer.data(), block);
    }
    state.SetBytesProcessed(state.iterations() * blocks * block);
}

void BM_rawRead(benchmark::State& state) {
    Data& d = data();
    const int fd = open(d.name.c_str(), O_RDONLY);
    for (auto _ : state) {
        lseek(fd, 0, SEEK_SET);
        for (int i = 0; i < blocks; ++i)
            if (read(fd, d.buffer.data(), block) != ssize_t(block)) state.SkipWithError("read");
    }
    close(fd);
    state.SetBytesProcessed(state.iterations() * blocks * block);
}

void BM_CFile64Read(benchmark::State& state) {
    Data& d = data();
    CFile64 f;
    f.Open(d.name.c_str(), CFile::modeRead);
    for (auto _ : state) {
        f.SeekToBegin();
        for (int i = 0; i < blocks; ++i)
            if (f.Read(d.buffer.data(), block) != block) state.SkipWithError("Read");
    }
    state.SetBytesProcessed(state.iterations() * blocks * block);
}

// Five runs each; the ratios compare medians. On a shared machine the CPU-time ratio is the
// steadier one: waiting for the processor counts in real time only.
BENCHMARK(BM_rawWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_CFile64Write)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_rawRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_CFile64Read)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

// Console output as usual, keeping each benchmark's median times per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                     run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, std::pair<double, double>> times; // real, CPU
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const char* op : {"Write", "Read"}) {
        const auto mine = reporter.times.find(std::string("BM_CFile64") + op);
        const auto raw = reporter.times.find(std::string("BM_raw") + op);
        if (mine != reporter.times.end() && raw != reporter.times.end())
            std::printf("ratio CFile64 %s / raw: real time %.3f, CPU time %.3f (goal <= 1.1)\n", op,
                        mine->second.first / raw->second.first,
                        mine->second.second / raw->second.second);
    }
}
