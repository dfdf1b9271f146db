#!/usr/bin/env bash
# The main job: builds the library and opens topodlg-host, the graphical stand-in
# for the map viewer, on the sample data in examples/. Without a display it plays
# the sample calls with the scripted user instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" >/dev/null
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: playing the sample calls with the scripted user."
  exec bash scripts/demo.sh
fi
exec ./build/topodlg-host "$@"
