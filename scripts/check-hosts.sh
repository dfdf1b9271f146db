#!/usr/bin/env bash
# Installs the library from a build into a temporary prefix, builds the C
# example host against it through pkg-config and through find_package(TopoDlg),
# and runs both and the Python host with a script.
#   check-hosts.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(dirname "$(find "$prefix" -name 'libtopodlg.so.1' | head -1)")
export PKG_CONFIG_PATH="$libdir/pkgconfig"
export LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
expected=$'OnDlgGraphicSize: 100\nOnDlgPrintSet: 0 1 100 0 10 OUT|ON'

check() {  # NAME OUTPUT
  if [[ "$2" != "$expected" ]]; then
    printf '%s printed:\n%s\nnot:\n%s\n' "$1" "$2" "$expected"; exit 1
  fi
  echo "$1: ok"
}

# shellcheck disable=SC2046  # pkg-config's words are meant to split
cc -Wall -Wextra -Werror examples/hosts/c/host.c $(pkg-config --cflags --libs topodlg) -o "$prefix/host-pkg-config"
check "C host (pkg-config)" "$("$prefix/host-pkg-config" "$prefix/log.jsonl")"
grep -q '"event"' "$prefix/log.jsonl" || { echo "the C host's log is empty"; exit 1; }

cmake -S examples/hosts/c -B "$prefix/c-build" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_C_FLAGS="-Wall -Wextra -Werror" >/dev/null
cmake --build "$prefix/c-build" >/dev/null
check "C host (find_package)" "$("$prefix/c-build/host")"

check "Python host" "$(python3 examples/hosts/python/host.py --library "$libdir/libtopodlg.so.1")"
