#!/usr/bin/env bash
# Installs what is missing, builds the library and runs the demo, which writes its picture into
# the current folder (ploxen-demo.bmp, or the file named as the first argument). No display is
# needed.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bash "$repo/scripts/deps.sh"
cmake -S "$repo" --preset default
cmake --build "$repo/build" -j"$(nproc)" --target drawbitmap
"$repo/build/examples/drawbitmap/drawbitmap" "${1:-ploxen-demo.bmp}"
