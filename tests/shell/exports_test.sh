#!/usr/bin/env bash
# libtopodlg.so exports exactly what its public headers declare (the entry
# functions and the host functions), carries a versioned SONAME and needs no
# graphical toolkit to load.
#   exports_test.sh LIBRARY HEADER_DIR
set -euo pipefail
lib=$1 headers=$2

declared=$(grep -ho '^TOPODLG_API [^(]*(' "$headers"/topodlg.h "$headers"/host.h |
           sed -E 's/.*[ *]([A-Za-z_0-9]+)\($/\1/' | sort -u)
exported=$(nm -D --defined-only "$lib" | awk '{print $3}' | sed 's/@.*//' | sort -u)
if [[ "$declared" != "$exported" ]]; then
  echo "exported names differ from the declared ones (< declared, > exported):"
  diff <(echo "$declared") <(echo "$exported") || true
  exit 1
fi
[[ $(echo "$declared" | grep -c '^On') -gt 0 ]] || { echo "no entry function exported"; exit 1; }

soname=$(objdump -p "$lib" | awk '$1 == "SONAME" {print $2}')
[[ "$soname" =~ ^libtopodlg\.so\.[0-9]+$ ]] || { echo "SONAME is \"$soname\""; exit 1; }

if objdump -p "$lib" | awk '$1 == "NEEDED"' | grep -qi qt; then
  echo "libtopodlg.so needs the graphical toolkit to load"; exit 1
fi
echo "$(echo "$exported" | wc -l) names exported, SONAME $soname"
