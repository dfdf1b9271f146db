#!/usr/bin/env bash
# A scripted call of topodlg never loads the graphical toolkit; a screenshot
# does (where the graphical library is built) and gives the same result.
#   headless_test.sh TOPODLG
set -euo pipefail
topodlg=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'enter\n' >"$work/ok.txt"

LD_DEBUG=libs "$topodlg" call OnDlgGraphicSize 100 --script "$work/ok.txt" >"$work/out" 2>"$work/loads"
[[ $(cat "$work/out") == 100 ]] || { echo "headless call gave: $(cat "$work/out")"; exit 1; }
if grep -qiE 'libQt|topodlg_qt' "$work/loads"; then
  echo "the headless call loaded the graphical toolkit:"; grep -iE 'libQt|topodlg_qt' "$work/loads" | head -3; exit 1
fi

if [[ -e "$(dirname "$topodlg")/libtopodlg_qt.so" ]]; then
  printf 'screenshot "%s"\nenter\n' "$work/shot.png" >"$work/shot.txt"
  QT_QPA_PLATFORM=offscreen LD_DEBUG=libs "$topodlg" call OnDlgGraphicSize 100 --script - \
    <"$work/shot.txt" >"$work/out" 2>"$work/loads"
  [[ $(cat "$work/out") == 100 ]] || { echo "screenshot call gave: $(cat "$work/out")"; exit 1; }
  [[ -s "$work/shot.png" ]] || { echo "no screenshot written"; exit 1; }
  grep -q 'topodlg_qt' "$work/loads" || { echo "the screenshot did not load the graphical library"; exit 1; }
fi
echo "headless call without the toolkit"
