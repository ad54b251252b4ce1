#!/usr/bin/env bash
# Installs what is missing, builds the library and runs the demo, which writes its pictures
# into the current folder (ploxen-demo*.bmp). No display is needed.
set -euo pipefail
here=$(pwd)
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)" --target drawbitmap
cd "$here"
"$OLDPWD/build/examples/drawbitmap/drawbitmap" "${1:-ploxen-demo.bmp}"
