#!/usr/bin/env bash
# Installs what is missing, builds the library and runs ploxen-demo. On a desktop it opens the
# demo's window; without a display (or with --headless) it writes plot.bmp, plot.png and
# plot.csv into the current folder and prints where. With --dialog it opens only the
# graduation dialog and prints what was chosen; with --tools, a small graph view with its zoom,
# point inquiry, statistics and comment dialogs (further arguments name the tools to open).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bash "$repo/scripts/deps.sh"
cmake -S "$repo" --preset default
if [ "${1:-}" = "--dialog" ]; then
    cmake --build "$repo/build" -j"$(nproc)" --target graduate
    exec "$repo/build/examples/graduate/graduate"
fi
if [ "${1:-}" = "--tools" ]; then
    cmake --build "$repo/build" -j"$(nproc)" --target tools
    exec "$repo/build/examples/tools/tools" "${@:2}"
fi
cmake --build "$repo/build" -j"$(nproc)" --target ploxen-demo
exec "$repo/build/examples/demo/ploxen-demo" "$@"
