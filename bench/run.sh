#!/usr/bin/env bash
# Builds the benchmark programs (Release) and runs them all; each prints its figures and the
# ratios it is judged by (CSV export against fprintf, drawing against the mapping floors, ...).
# The drawing figures come twice: warm (repeated drawings in one process) and as the first
# drawing of a fresh process, one process per case, also against a floor over vertices as cold
# as the drawing's (cold_madd_ratio). bench_indexed draws an indexed line of 1e8
# vertices (1.6 GB) beside the same line drawn without its index.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$repo" --preset bench > /dev/null
cmake --build "$repo/build-bench" -j"$(nproc)"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for program in "$repo"/build-bench/bench/bench_*; do
    [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" --benchmark_counters_tabular=true "$@"
done
echo "== bench_draw, first drawing of a fresh process"
for args in "100000 1 0" "1000000 1 0" "10000000 1 0" "1000000 8 0" "10000000 1 1" \
    "10000000 1 0 smooth" "1000000 8 0 smooth"; do
    # shellcheck disable=SC2086
    "$repo/build-bench/bench/bench_draw" --first $args
done
