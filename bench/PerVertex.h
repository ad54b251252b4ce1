// Benchmark counter shared by the per-vertex benchmarks.
#pragma once

#include <benchmark/benchmark.h>

// Time per vertex for count vertices per iteration, shown with an SI prefix (n for nanoseconds).
inline benchmark::Counter perVertex(double count) {
    return benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate |
                                         benchmark::Counter::kInvert);
}
