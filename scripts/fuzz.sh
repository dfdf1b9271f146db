#!/usr/bin/env bash
# Fuzzes every reader of a data file format for a bounded time, under
# AddressSanitizer and UndefinedBehaviorSanitizer. Needs clang (libFuzzer);
# without it the script says so and succeeds (the regression corpus still runs
# as ordinary tests in every build).
#
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# New inputs that reach new code are kept in build-fuzz/corpus/<target>; copy
# the interesting ones (`fuzz_<target> -merge=1 fuzz/corpus/<target> DIR`) into
# fuzz/corpus/<target> so every build replays them. A finding is written as
# crash-*/timeout-* in the current folder and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ is not installed; fuzzing skipped"
  exit 0
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(gps_text file_list scheme_files dialog_template script line_reader command_line)
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOPODLG_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"${TOPODLG_JOBS:-2}" --target fuzz_all

seeds_of() {
  case "$1" in
    gps_text | line_reader) echo examples/data/gps ;;
    file_list | scheme_files) echo examples/data ;;
    dialog_template) echo resources ;;
    script) echo examples/scripts ;;
    *) ;;
  esac
}

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds}s"
  set +e
  # shellcheck disable=SC2046
  build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="${TOPODLG_FUZZ_MAX_LEN:-4096}" \
    -print_final_stats=1 "$corpus" fuzz/corpus/"$target" $(seeds_of "$target") 2>&1 |
    grep -E "^(#[0-9]+.*(DONE|INITED)|stat::number_of_executed_units|stat::peak_rss_mb|==.*ERROR|SUMMARY|fuzz check failed)"
  status=${PIPESTATUS[0]}
  set -e
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$target: a finding (exit $status)"
    exit 1
  fi
  echo "   corpus: $(find "$corpus" -type f | wc -l) inputs"
done
