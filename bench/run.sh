#!/usr/bin/env bash
# Builds the benchmark programs (Release) and runs them all; each prints its figures and the
# ratios it is judged by (CSV export against fprintf, drawing against the mapping floor, ...).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$repo" --preset bench > /dev/null
cmake --build "$repo/build-bench" -j"$(nproc)"
for program in "$repo"/build-bench/bench/bench_*; do
    [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" --benchmark_counters_tabular=true "$@"
done
