#!/usr/bin/env bash
# The main job: builds the library and works its dialogs on the sample data in
# examples/, printing each entry function's result string.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" >/dev/null

data="$PWD/examples/data"
run() {
  local title=$1 script=$2
  shift 2
  printf '%-40s ' "$title"
  # Entry functions that only draw return nothing: their line ends all the same.
  local result
  result=$(./build/topodlg call "$@" --drive "D=$data" --script "examples/scripts/$script" --log /dev/null)
  printf '%s\n' "$result"
}
while IFS='|' read -r title script args; do
  [ -z "$title" ] || [ "${title:0:1}" = "#" ] && continue
  # shellcheck disable=SC2086
  eval "run \"\$title\" \"\$script\" $args"
done < examples/demo.txt
