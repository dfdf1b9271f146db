#!/usr/bin/env bash
# The main job: builds the library and opens topodlg-host, the graphical stand-in
# for the map viewer, on the sample data in examples/. Needs a display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" >/dev/null
exec ./build/topodlg-host "$@"
