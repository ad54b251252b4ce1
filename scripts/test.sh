#!/usr/bin/env bash
# Installs what is missing, builds the library and its tests, and runs the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)"
