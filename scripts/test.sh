#!/usr/bin/env bash
# Builds everything and runs every test twice: a plain build, then a build
# with AddressSanitizer and UndefinedBehaviorSanitizer. Fails on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The example hosts against an installed copy of the library.
bash scripts/check-hosts.sh build

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTOPODLG_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# Every fuzz target for a bounded time under the sanitizers (needs clang; the
# regression corpus has run above as ordinary tests either way).
bash scripts/fuzz.sh "${TOPODLG_FUZZ_SECONDS:-15}"
