#!/usr/bin/env bash
# Installs what is missing, builds the library and runs the demo, which writes its picture into
# the current folder (ploxen-demo.bmp, or the file named as the first argument). No display is
# needed. With --dialog (on a desktop, or under xvfb-run) it opens the graduation dialog instead
# and prints what was chosen; with --tools, a graph view with its zoom, point inquiry, statistics
# and comment dialogs (further arguments name the tools to open).
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
cmake --build "$repo/build" -j"$(nproc)" --target drawbitmap
"$repo/build/examples/drawbitmap/drawbitmap" "${1:-ploxen-demo.bmp}"
